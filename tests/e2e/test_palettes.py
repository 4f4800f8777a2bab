"""Palettes that open the way Windows users expect, with their colours' names: a
file named on the command line, one handed to the running Tintlens by a second
start, named colours through every swatch kind, and File > Recent Files after a
restart. (Drops from the Explorer are the in-process tests': xdotool cannot drag
a file in from outside; names through Save, Open and a kill are the documents
journey's.)"""
import os
import subprocess
import unittest

from harness import *  # noqa: F403 (the journeys' shared vocabulary)

OPEN, IMPORT = ID['ID_FILE_OPEN'], ID['ID_FILE_IMPORT']
EXPORTS = ((ID['ID_EXPORT_ASE'], 'named.ase', True), (ID['ID_EXPORT_ACO'], 'named.aco', True),
           (ID['ID_EXPORT_GPL'], 'named.gpl', True), (ID['ID_EXPORT_ACT'], 'named.act', False))
RECENT_FILE_2 = ID['ID_RECENT_FILE_1'] + 1
RED = 'Красный 赤'
NAMED = ['%s (220, 20, 60)' % RED, '1, 2, 3']


class Palettes(Journey):

    def test_palette_files_open_as_windows_users_expect(self):
        self.helper('pattern')
        self.make_folder('tintlens-pal-')
        self.named = self.write('named.clf', clf_bytes([PATTERN_BACKGROUND, (1, 2, 3)], RED))
        self.walk(self.a_file_named_on_the_command_line_opens,
                  self.a_second_start_hands_its_file_to_the_running_window,
                  self.a_named_colour_goes_through_every_swatch_kind,
                  self.a_restart,
                  self.recent_files_hold_after_a_restart)

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

    def a_restart(self):
        self.program.exit(NO)  # the last import is unsaved
        self.program = self.launch()

    def recent_files_hold_after_a_restart(self):
        # Newest first: named.clf (opened for each kind), then sea.gpl.
        self.program.command(RECENT_FILE_2)
        wait_for('the second recent file open', lambda: self.items() == ['Sea (10, 20, 30)'])
        self.assertEqual(self.title(), 'Tintlens')


if __name__ == '__main__':
    unittest.main()
