"""Palettes that open the way Windows users expect, with their colours' names: a
file named on the command line, one handed to the running Tintlens by a second
start, named colours through every swatch kind, Save and Open and a kill, and
File > Recent Files after a restart. (Drops from the Explorer are the in-process
tests': xdotool cannot drag a file in from outside.)"""
import os
import shutil
import struct
import subprocess
import tempfile
import unittest

from harness import *  # noqa: F403 (the journeys' shared vocabulary)

OPEN, SAVE, IMPORT = ID['ID_FILE_OPEN'], ID['ID_FILE_SAVE'], ID['ID_FILE_IMPORT']
EXPORTS = ((ID['ID_EXPORT_ASE'], 'named.ase', True), (ID['ID_EXPORT_ACO'], 'named.aco', True),
           (ID['ID_EXPORT_GPL'], 'named.gpl', True), (ID['ID_EXPORT_ACT'], 'named.act', False))
RECENT_FILE_2 = ID['ID_RECENT_FILE_1'] + 1
RED = 'Красный 赤'
NAMED = ['%s (220, 20, 60)' % RED, '1, 2, 3']


def clf_bytes(colours, name=None):
    data = b'TintLns\x00\x10' + struct.pack('<I', len(colours))
    data += b''.join(bytes((r, g, b, 0)) for r, g, b in colours)
    if name:  # the names block: the first entry's name
        data += b'TLNM' + struct.pack('<IIH', 1, 0, len(name.encode())) + name.encode()
    return data


class Palettes(Journey):

    def test_palette_files_open_as_windows_users_expect(self):
        self.helper('pattern')
        self.folder = tempfile.mkdtemp(prefix='tintlens-pal-')
        self.addCleanup(shutil.rmtree, self.folder, True)
        self.named = self.write('named.clf', clf_bytes([PATTERN_BACKGROUND, (1, 2, 3)], RED))
        self.walk(self.a_file_named_on_the_command_line_opens,
                  self.a_second_start_hands_its_file_to_the_running_window,
                  self.a_named_colour_goes_through_every_swatch_kind,
                  self.a_named_colour_survives_save_and_open,
                  self.a_named_colour_survives_a_kill,
                  self.recent_files_hold_after_a_restart)

    def path(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, data):
        with open(self.path(name), 'wb') as f:
            f.write(data)
        return self.path(name)

    def title(self):
        return item_text(self.program.window)

    def items(self):
        return list_items(self.program.window)

    def open_file(self, command, path, reply=None):
        self.program.command(command)
        if reply:
            answer(SAVE_QUESTION, reply)
        choose_file('Open', path)

    def a_file_named_on_the_command_line_opens(self):
        self.program = self.launch(title='Tintlens - named.clf', args=[window_path(self.named)])
        self.assertEqual(self.items(), NAMED)

    def a_second_start_hands_its_file_to_the_running_window(self):
        add_colour(self.program.window, 800, 230)  # unsaved: the question must come
        sea = self.write('sea.gpl', b'GIMP Palette\n10 20 30\tSea\n')
        second = subprocess.run(['wine', PROGRAM, window_path(sea)], timeout=60,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertEqual(second.returncode, 0)
        answer(SAVE_QUESTION, NO)
        wait_for('the swatch file as an untitled list', lambda: self.items() == ['Sea (10, 20, 30)'])
        self.assertEqual(self.title(), 'Tintlens')
        self.assertIsNone(find_window('Tintlens', skip=[self.program.window]), 'no second window')

    def a_named_colour_goes_through_every_swatch_kind(self):
        for command, name, holds_names in EXPORTS:
            self.open_file(OPEN, self.named, reply=NO if self.items() else None)
            wait_for('the named list', lambda: self.items() == NAMED)
            self.program.command(command)
            choose_file('Save As', self.path(name))
            wait_for(name, lambda: os.path.exists(self.path(name)))
            self.program.command(NEW)  # opened, not changed: no question
            wait_for('an empty list', lambda: self.items() == [])
            self.open_file(IMPORT, self.path(name))
            expected = NAMED if holds_names else ['220, 20, 60', '1, 2, 3']
            wait_for('%s read back' % name, lambda: self.items() == expected)

    def a_named_colour_survives_save_and_open(self):
        saved = self.path('saved.clf')
        self.open_file(OPEN, self.named, reply=NO)  # the last import was unsaved
        wait_for('the named list', lambda: self.items() == NAMED)
        self.program.command(SAVE_AS)
        choose_file('Save As', saved)
        wait_for('the title', lambda: self.title() == 'Tintlens - saved.clf')
        self.assertEqual(file_bytes(saved), clf_bytes([PATTERN_BACKGROUND, (1, 2, 3)], RED))
        self.program.command(NEW)
        wait_for('an empty list', lambda: self.items() == [])
        self.open_file(OPEN, saved)
        wait_for('the named colour back', lambda: self.items() == NAMED)

    def a_named_colour_survives_a_kill(self):
        self.open_file(IMPORT, self.named)  # unsaved now, so a copy is kept
        wait_for('the copy of the unsaved colours', lambda: any(
            RED.encode() in file_bytes(os.path.join(recovery_folder(), name))
            for name in os.listdir(recovery_folder()) if name.endswith('.clf'))
            if os.path.isdir(recovery_folder()) else False)
        self.program.process.kill()
        self.program.process.wait(timeout=30)
        self.program = self.launch(title='Tintlens - Recovered')
        self.assertEqual(self.items(), NAMED + NAMED)

    def recent_files_hold_after_a_restart(self):
        # Newest first: saved.clf (saved, then opened), then named.clf.
        self.program.command(RECENT_FILE_2)
        answer(SAVE_QUESTION, NO)
        wait_for('the second recent file open', lambda: self.title() == 'Tintlens - named.clf')
        self.assertEqual(self.items(), NAMED)


if __name__ == '__main__':
    unittest.main()
