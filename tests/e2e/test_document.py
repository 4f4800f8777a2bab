"""The colour list as a document: Save, New, Open, Import and the exports through
the real file dialogs, with the bytes on disk checked."""
import os
import shutil
import struct
import subprocess
import tempfile
import unittest

from harness import (BUILD, COLOUR_LIST, PATTERN_BACKGROUND, PATTERN_BLOCK, Holder, Pattern,
                     ProgramTest, add_colour, file_bytes, find_dialog, find_window, list_items,
                     probe, wait_for, xdotool)

NEW, OPEN, SAVE, SAVE_AS, EXPORT_ASE, EXPORT_ACT = 57600, 57601, 57603, 57604, 32785, 32786
IMPORT, EXPORT_ACO, EXPORT_GPL = 32800, 32801, 32802


def clf_bytes(colours):
    data = b'TintLns\x00\x10' + struct.pack('<I', len(colours))
    return data + b''.join(bytes((r, g, b, 0)) for r, g, b in colours)


def ase_block(kind, body):
    return struct.pack('>HI', kind, len(body)) + body


def ase_name(name):
    return struct.pack('>H', len(name) + 1) + name.encode('utf-16-be') + b'\0\0'


def ase_bytes(entries):
    """A group holding (model, components) colour entries, as Adobe lays it out."""
    blocks = [ase_block(0xC001, ase_name('Brand'))]
    blocks += [ase_block(1, ase_name('c') + model + struct.pack('>%df' % len(values), *values) +
                         b'\0\2') for model, values in entries]
    blocks.append(ase_block(0xC002, b''))
    return b'ASEF\0\1\0\0' + struct.pack('>I', len(blocks)) + b''.join(blocks)


def window_path(unix_path):
    return 'Z:' + unix_path.replace('/', '\\')


class Document(ProgramTest):

    def setUp(self):
        super().setUp()
        self.pattern = Pattern()
        self.addCleanup(self.pattern.stop)
        self.folder = tempfile.mkdtemp(prefix='tintlens-doc-')
        self.addCleanup(shutil.rmtree, self.folder, True)

    def title(self):
        return probe('window-title', self.program.window)

    def items(self):
        return list_items(self.program.window, COLOUR_LIST)

    def add_colour(self, x, y):
        add_colour(self.program.window, x, y)

    def choose_file(self, dialog_title, path, replace=False):
        """Fills in the open or save dialog's file name and presses Enter; with
        replace, answers Yes to the dialog's question about the existing file."""
        dialog = wait_for('the "%s" dialog' % dialog_title, lambda: find_window(dialog_title))
        probe('set-file-name', dialog, window_path(path))
        probe('post-command', dialog, 1)  # the Open or Save button
        if replace:
            self.answer('already exists', 6)
        wait_for('the dialog to close', lambda: find_window(dialog_title) is None)

    def command(self, command_id):
        probe('post-command', self.program.window, command_id)

    def answer(self, text, button):
        dialog, _ = wait_for('the question "%s"' % text, lambda: find_dialog(text))
        probe('post-command', dialog, button)
        wait_for('the question to close', lambda: find_dialog(text) is None)

    def test_save_writes_a_new_file_then_only_what_changed(self):
        path = os.path.join(self.folder, 'colors.clf')
        self.add_colour(800, 60)
        self.add_colour(800, 230)
        self.command(SAVE)
        self.choose_file('Save As', path)
        wait_for('the title', lambda: self.title() == 'Tintlens - colors.clf')
        self.assertEqual(file_bytes(path), clf_bytes([PATTERN_BLOCK, PATTERN_BACKGROUND]))

        self.add_colour(800, 60)
        xdotool('key', 'ctrl+s')  # the window has the focus after the drag
        wait_for('the file rewritten', lambda: file_bytes(path) == clf_bytes(
            [PATTERN_BACKGROUND, PATTERN_BLOCK, PATTERN_BACKGROUND]))
        self.assertEqual(self.title(), 'Tintlens - colors.clf')

        os.utime(path, (1000000000, 1000000000))
        self.command(SAVE)
        self.command(NEW)  # nothing unsaved: no question, the list empties
        wait_for('an empty list', lambda: self.items() == [])
        self.assertEqual(os.stat(path).st_mtime, 1000000000, 'a save without changes writes nothing')
        self.assertEqual(self.title(), 'Tintlens')

    def test_new_asks_about_unsaved_colours(self):
        self.add_colour(800, 60)
        self.command(NEW)
        self.answer('Do you want to save the colors?', 2)  # Cancel
        self.assertEqual(self.items(), ['220, 20, 60'])
        self.command(NEW)
        self.answer('Do you want to save the colors?', 7)  # No
        wait_for('an empty list', lambda: self.items() == [])

    def test_open_shows_the_files_colours_in_order(self):
        path = os.path.join(self.folder, 'three.clf')
        with open(path, 'wb') as f:
            f.write(clf_bytes([(1, 2, 3), (250, 128, 0), (255, 255, 255)]))
        self.command(OPEN)
        self.choose_file('Open', path)
        wait_for('the colours', lambda: self.items() == ['1, 2, 3', '250, 128, 0', '255, 255, 255'])
        self.assertEqual(self.title(), 'Tintlens - three.clf')
        self.assertEqual(probe('item-message', self.program.window, COLOUR_LIST, 0x0188), '-1',
                         'nothing selected')  # LB_GETCURSEL
        self.command(NEW)  # not modified after opening: no question
        wait_for('an empty list', lambda: self.items() == [])

    def test_both_exports_write_exact_bytes_and_a_refused_one_says_so(self):
        self.add_colour(800, 60)
        ase, act = os.path.join(self.folder, 'a.ase'), os.path.join(self.folder, 'a.act')
        self.command(EXPORT_ASE)
        self.choose_file('Save As', ase)
        self.command(EXPORT_ACT)
        self.choose_file('Save As', act)
        wait_for('both files', lambda: os.path.exists(ase) and os.path.exists(act))
        data = file_bytes(ase)
        self.assertEqual(data[:12], b'ASEF\x00\x01\x00\x00\x00\x00\x00\x01')
        self.assertEqual(data[12:20], b'\x00\x01\x00\x00\x00\x34\x00\x10')  # R=220 G=20 B=60
        self.assertEqual(len(data), 12 + 28 + 2 * 15)
        self.assertEqual(file_bytes(act), bytes((220, 20, 60)) + bytes(765) + b'\x00\x01\xff\xff')

        locker = Holder('lock-file', window_path(act))  # another program has it open
        self.addCleanup(locker.stop)
        self.command(EXPORT_ACT)
        self.choose_file('Save As', act, replace=True)
        self.answer('Failed to export!', 1)
        self.assertEqual(self.items(), ['220, 20, 60'])

    def test_import_appends_an_ase_and_a_gpl_and_keeps_the_lists_file(self):
        clf, ase, gpl = (os.path.join(self.folder, name) for name in ('one.clf', 'b.ase', 'c.gpl'))
        with open(clf, 'wb') as f:
            f.write(clf_bytes([(1, 2, 3)]))
        with open(ase, 'wb') as f:
            f.write(ase_bytes([(b'RGB ', (18 / 255, 52 / 255, 86 / 255)), (b'CMYK', (1, 0, 0, 0))]))
        with open(gpl, 'wb') as f:
            f.write(b'GIMP Palette\r\nName: c\r\n# comment\r\n10 20 30\tone\r\n255 255 255\r\n')
        self.command(OPEN)
        self.choose_file('Open', clf)
        wait_for('the title', lambda: self.title() == 'Tintlens - one.clf')

        self.command(IMPORT)
        self.choose_file('Open', ase)
        wait_for('the swatches after the list', lambda: self.items() == [
            '1, 2, 3', '18, 52, 86', '0, 255, 255'])
        xdotool('key', 'ctrl+i')  # the window has the focus back from the dialog
        self.choose_file('Open', gpl)
        wait_for('the palette after them', lambda: self.items() == [
            '1, 2, 3', '18, 52, 86', '0, 255, 255', '10, 20, 30', '255, 255, 255'])
        self.assertEqual(self.title(), 'Tintlens - one.clf')
        self.command(NEW)  # modified: the question comes
        self.answer('Do you want to save the colors?', 2)

    def test_aco_and_gpl_exports_write_exact_bytes(self):
        self.add_colour(800, 60)
        aco, gpl = os.path.join(self.folder, 'a.aco'), os.path.join(self.folder, 'brand.gpl')
        self.command(EXPORT_ACO)
        self.choose_file('Save As', aco)
        self.command(EXPORT_GPL)
        self.choose_file('Save As', gpl)
        wait_for('both files', lambda: os.path.exists(aco) and os.path.exists(gpl))
        colour = struct.pack('>5H', 0, 220 * 257, 20 * 257, 60 * 257, 0)
        name = 'R=220 G=20 B=60'
        self.assertEqual(file_bytes(aco), struct.pack('>2H', 1, 1) + colour + struct.pack('>2H', 2, 1) +
                         colour + struct.pack('>I', len(name) + 1) + name.encode('utf-16-be') + b'\0\0')
        self.assertEqual(file_bytes(gpl), b'GIMP Palette\nName: brand\n220  20  60\tR=220 G=20 B=60\n')

    def test_a_save_that_fails_says_so_and_keeps_the_colours(self):
        # Locked rather than read-only: as root, as these tests run, Wine writes over
        # read-only files.
        path = os.path.join(self.folder, 'colors.clf')
        with open(path, 'wb') as f:
            f.write(b'earlier')
        locker = Holder('lock-file', window_path(path))
        self.addCleanup(locker.stop)
        self.add_colour(800, 60)
        self.command(SAVE_AS)
        self.choose_file('Save As', path, replace=True)
        self.answer('could not be saved', 1)
        self.assertEqual(self.title(), 'Tintlens')
        self.assertEqual(self.items(), ['220, 20, 60'])
        self.assertEqual(file_bytes(path), b'earlier')
        self.command(NEW)  # still unsaved: the question comes
        self.answer('Do you want to save the colors?', 2)

    def test_a_file_in_any_script_is_saved_opened_and_named_and_the_console_tool_reads_it(self):
        # Long enough that its UTF-8 bytes overflow a buffer of MAX_PATH characters.
        folder = os.path.join(self.folder, 'Палитры ' + '色見本' * 25)
        os.mkdir(folder)
        path = os.path.join(folder, 'цвета 色.clf')
        self.add_colour(800, 60)
        self.command(SAVE)
        self.choose_file('Save As', path)
        wait_for('the title', lambda: self.title() == 'Tintlens - цвета 色.clf')
        self.assertEqual(os.listdir(folder), ['цвета 色.clf'])
        self.assertEqual(file_bytes(path), clf_bytes([PATTERN_BACKGROUND]))
        self.command(NEW)
        wait_for('an empty list', lambda: self.items() == [])
        self.command(OPEN)
        self.choose_file('Open', path)
        wait_for('the colour', lambda: self.items() == ['220, 20, 60'])
        self.assertEqual(self.title(), 'Tintlens - цвета 色.clf')

        tool = os.path.join(BUILD, 'tintlens-palette.exe')

        def run_tool(*arguments):
            return subprocess.run(['wine', tool] + list(arguments), capture_output=True,
                                  timeout=60)
        shown = run_tool('show', window_path(path), '--format', 'html')
        self.assertEqual((shown.returncode, shown.stdout.split()), (0, [b'#dc143c']))
        exported = os.path.join(folder, 'выход 出力.gpl')
        self.assertEqual(run_tool('export', window_path(path), window_path(exported)).returncode, 0)
        self.assertEqual(file_bytes(exported),
                         'GIMP Palette\nName: цвета 色\n220  20  60\tR=220 G=20 B=60\n'.encode())
        missing = window_path(os.path.join(folder, 'нет 無.clf'))
        failed = run_tool('show', missing)
        self.assertEqual(failed.returncode, 1)
        self.assertIn(('cannot read ' + missing).encode(), failed.stderr)


if __name__ == '__main__':
    unittest.main()
