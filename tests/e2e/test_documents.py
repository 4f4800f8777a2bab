"""The colour list as a document: Save, the exports, Open and Import through the
real file dialogs with the bytes on disk checked, saves that fail, names in any
script and the console tool; then the colours no file holds yet, which come back
after a Tintlens is killed and are left alone while another one runs. (Which
command asks about unsaved colours, and what each answer does, the document's
unit tests cover; here the question is answered as a user meets it.)"""
import os
import struct
import unittest

from harness import *  # noqa: F403 (the journeys' shared vocabulary)

OPEN, SAVE, IMPORT = ID['ID_FILE_OPEN'], ID['ID_FILE_SAVE'], ID['ID_FILE_IMPORT']
EXPORT_ASE, EXPORT_ACT = ID['ID_EXPORT_ASE'], ID['ID_EXPORT_ACT']
EXPORT_ACO, EXPORT_GPL = ID['ID_EXPORT_ACO'], ID['ID_EXPORT_GPL']
BACKGROUND = rgb_text(PATTERN_BACKGROUND)


def copies(raw=False):
    """The recovery copies there are now: file name to their colours (the names
    block after them left out), or with raw to their bytes."""
    found = {}
    folder = recovery_folder()
    for name in os.listdir(folder) if os.path.isdir(folder) else []:
        if name.endswith('.clf'):
            data = file_bytes(os.path.join(folder, name))
            (count,) = struct.unpack('<I', data[9:13]) if len(data) >= 13 else (0,)
            found[name] = data if raw else [tuple(data[i:i + 3]) for i in range(13, 13 + 4 * count, 4)]
    return found


def rename_top_entry(window, name):
    """Clicks the list's top entry, presses F2 and types the name over the old one."""
    make_active(window)
    left, top, right, _ = rect(window, COLOUR_LIST)
    click_at((left + right) // 2, top + 8)
    xdotool('key', 'F2')
    dialog = wait_for('the Rename Colour dialog', lambda: find_window('Rename Colour'))
    wait_for('the dialog active', lambda: state(dialog, 'active'))
    xdotool('type', '--delay', '30', name)
    xdotool('key', 'Return')
    wait_for('the dialog to close', lambda: find_window('Rename Colour') is None)


class Documents(Journey):

    def test_documents_and_the_colours_no_file_holds_yet(self):
        self.helper('pattern')
        self.make_folder('tintlens-doc-')
        self.program = self.launch()
        self.walk(self.save_writes_a_new_file_and_names_the_list_after_it,
                  self.the_exports_write_each_kind_and_a_refused_one_says_so,
                  self.a_save_that_fails_says_so_and_keeps_the_earlier_file,
                  self.open_then_import_appends_and_keeps_the_lists_file,
                  self.a_colour_named_with_f2_keeps_its_name_through_save_and_open,
                  self.a_file_named_in_any_script_and_the_console_tool,
                  self.a_killed_instances_colours_come_back_beside_a_running_ones,
                  self.exit_without_saving_lets_the_copies_go)

    def add_colour(self, x, y):
        add_colour(self.program.window, x, y)

    def refused(self, command, path, message):
        """Saves or exports over `path` while another program holds it, shared
        with nobody, and waits for the message that says so."""
        locker = self.helper('lock-file', window_path(path))
        self.program.command(command)
        choose_file('Save As', path, replace=True)
        answer(message, OK)
        stop(locker)

    def empty_with(self, command, reply=None):
        """New (or Clear All), answering the save question when given a reply."""
        self.program.command(command)
        if reply:
            answer(SAVE_QUESTION, reply)
        wait_for('an empty list', lambda: self.items() == [])
        self.assertEqual(self.title(), 'Tintlens')

    def save_writes_a_new_file_and_names_the_list_after_it(self):
        path = self.path('colors.clf')
        self.add_colour(800, 60)
        self.add_colour(800, 230)
        self.program.command(SAVE)
        choose_file('Save As', path)
        wait_for('the title', lambda: self.title() == 'Tintlens - colors.clf')
        self.assertEqual(file_bytes(path), clf_bytes([PATTERN_BLOCK, PATTERN_BACKGROUND]))
        self.empty_with(NEW)  # nothing unsaved: no question

    def the_exports_write_each_kind_and_a_refused_one_says_so(self):
        self.add_colour(800, 60)
        # How each kind starts with that colour; Import reads the .ase back below.
        exports = ((EXPORT_ASE, 'a.ase', b'ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x34\0\x10'),
                   (EXPORT_ACT, 'a.act', bytes((220, 20, 60)) + bytes(765) + b'\0\1\xff\xff'),
                   (EXPORT_ACO, 'a.aco', struct.pack('>7H', 1, 1, 0, 220 * 257, 20 * 257, 60 * 257, 0)),
                   (EXPORT_GPL, 'brand.gpl', b'GIMP Palette\nName: brand\n220  20  60\tR=220 G=20 B=60\n'))
        for command, name, start in exports:
            self.program.command(command)
            choose_file('Save As', self.path(name))
            wait_for(name, lambda: os.path.exists(self.path(name)) and
                     file_bytes(self.path(name)).startswith(start))

        self.refused(EXPORT_ACT, self.path('a.act'), 'Failed to export!')
        self.assertEqual(self.items(), [BACKGROUND])

    def a_save_that_fails_says_so_and_keeps_the_earlier_file(self):
        # Locked rather than read-only: as root, as these tests run, Wine writes over
        # read-only files.
        path = self.write('earlier.clf', b'earlier')
        self.refused(SAVE_AS, path, 'could not be saved')
        self.assertEqual(self.title(), 'Tintlens')
        self.assertEqual(self.items(), [BACKGROUND])
        self.assertEqual(file_bytes(path), b'earlier')
        self.empty_with(NEW, NO)  # still unsaved: the question comes

    def open_then_import_appends_and_keeps_the_lists_file(self):
        self.program.command(OPEN)
        choose_file('Open', self.write('two.clf', clf_bytes([(1, 2, 3), (250, 128, 0)])))
        opened = ['1, 2, 3', '250, 128, 0']
        wait_for('the file\'s colours in order', lambda: self.items() == opened)
        self.assertEqual(self.title(), 'Tintlens - two.clf')
        self.program.command(IMPORT)
        choose_file('Open', self.path('a.ase'))  # exported above
        wait_for('the swatch after the list', lambda: self.items() == opened + [BACKGROUND])
        self.assertEqual(self.title(), 'Tintlens - two.clf')
        self.empty_with(NEW, NO)  # modified: the question comes

    def a_colour_named_with_f2_keeps_its_name_through_save_and_open(self):
        path = self.path('named by hand.clf')
        self.add_colour(800, 60)
        self.program.command(SAVE)
        choose_file('Save As', path)
        wait_for('the title', lambda: self.title() == 'Tintlens - named by hand.clf')
        rename_top_entry(self.program.window, 'Brand red')
        named = 'Brand red (%s)' % BACKGROUND
        wait_for('the entry named', lambda: self.items() == [named])
        self.program.command(SAVE)  # the rename is a change: Save writes the file again
        wait_for('the name in the file', lambda: file_bytes(path) == clf_bytes([PATTERN_BACKGROUND], 'Brand red'))
        self.empty_with(NEW)  # saved: no question
        self.program.command(OPEN)
        choose_file('Open', path)
        wait_for('the named colour', lambda: self.items() == [named])
        self.empty_with(NEW)

    def a_file_named_in_any_script_and_the_console_tool(self):
        # Long enough that its UTF-8 bytes overflow a buffer of MAX_PATH characters.
        folder = self.path('Палитры ' + '色見本' * 25)
        os.mkdir(folder)
        path = os.path.join(folder, 'цвета 色.clf')
        self.add_colour(800, 60)
        self.program.command(SAVE)
        choose_file('Save As', path)
        wait_for('the title', lambda: self.title() == 'Tintlens - цвета 色.clf')
        self.assertEqual(os.listdir(folder), ['цвета 色.clf'])
        self.assertEqual(file_bytes(path), clf_bytes([PATTERN_BACKGROUND]))
        self.empty_with(NEW)
        self.program.command(OPEN)
        choose_file('Open', path)
        wait_for('the colour', lambda: self.items() == [BACKGROUND])
        self.assertEqual(self.title(), 'Tintlens - цвета 色.clf')

        def run_tool(*arguments):
            return run('wine', os.path.join(BUILD, 'tintlens-palette.exe'), *arguments, check=False)
        shown = run_tool('show', window_path(path), '--format', 'html')
        self.assertEqual((shown.returncode, shown.stdout.split()), (0, ['#dc143c']))
        exported = os.path.join(folder, 'выход 出力.gpl')
        self.assertEqual(run_tool('export', window_path(path), window_path(exported)).returncode, 0)
        self.assertEqual(file_bytes(exported),
                         'GIMP Palette\nName: цвета 色\n220  20  60\tR=220 G=20 B=60\n'.encode())
        # A name in any script goes through a swatch file and back.
        named = os.path.join(folder, 'named.clf')
        with open(named, 'wb') as out:
            out.write(clf_bytes([PATTERN_BACKGROUND, (1, 2, 3)], 'Красный 赤'))
        swatches = os.path.join(folder, 'named.ase')
        self.assertEqual(run_tool('export', window_path(named), window_path(swatches)).returncode, 0)
        shown = run_tool('show', window_path(swatches), '--names')
        self.assertEqual((shown.returncode, shown.stdout), (0, '220, 20, 60\tКрасный 赤\n1, 2, 3\t\n'))
        missing = window_path(os.path.join(folder, 'нет 無.clf'))
        failed = run_tool('show', missing)
        self.assertEqual(failed.returncode, 1)
        self.assertIn('cannot open ' + missing + ': ', failed.stderr)
        self.empty_with(NEW)  # opened, not changed: no question

    def a_killed_instances_colours_come_back_beside_a_running_ones(self):
        killed = self.program
        for x, y in ((800, 60), (800, 230), (PATTERN_LINE_X, 60)):
            add_colour(killed.window, x, y)
        self.killed_colours = [PATTERN_LINE, PATTERN_BLOCK, PATTERN_BACKGROUND]  # newest on top
        rename_top_entry(killed.window, 'Leaf')
        (killed_copy,) = wait_for('the copy of the unsaved colours and the name', lambda: [
            name for name, colours in copies().items() if colours == self.killed_colours and
            copies(raw=True).get(name, b'').endswith(b'Leaf')])
        probe('move-window', killed.window, 0, 0)  # out of the way of the next window
        # Hotkeys of its own (Ctrl+F12, Ctrl+Shift+F12), so that no instance has to
        # say that another holds its hotkeys.
        store_setting('Start Hotkey', '7b02')
        store_setting('Stop Hotkey', '7b03')
        self.running = self.launch(skip=[killed.window])
        wait_for('the second window shown, its settings read', lambda: visible(self.running.window))
        store_setting('Start Hotkey', '7a02')
        store_setting('Stop Hotkey', '7a03')
        add_colour(self.running.window, PATTERN_LINE_X, 60)
        self.running_colours = [PATTERN_LINE]
        wait_for('both copies', lambda: sorted(copies().values()) == sorted(
            [self.killed_colours, self.running_colours]))
        running_copy = [name for name in copies() if name != killed_copy][0]
        killed.process.kill()
        killed.process.wait(timeout=30)

        self.restored = self.launch(title='Tintlens - Recovered', skip=[self.running.window])
        self.assertEqual(list_items(self.restored.window),
                         ['Leaf (%s)' % rgb_text(PATTERN_LINE)] + list(map(rgb_text, self.killed_colours[1:])))

        def taken_over():
            found = copies()
            return (killed_copy not in found and
                    found.pop(running_copy, None) == self.running_colours and
                    list(found.values()) == [self.killed_colours])
        wait_for('the killed copy taken over, the running one left', taken_over)
        self.assertEqual(self.title(self.running), 'Tintlens')
        self.assertEqual(list_items(self.running.window), [rgb_text(PATTERN_LINE)])

    def exit_without_saving_lets_the_copies_go(self):
        self.assertEqual(self.restored.exit(NO), 0)
        self.assertEqual(self.running.exit(NO), 0)
        self.assertEqual(os.listdir(recovery_folder()), [], 'no copy and nothing else is left')
        self.program = self.launch()
        self.assertEqual((self.title(), self.items()), ('Tintlens', []))


if __name__ == '__main__':
    unittest.main()
