"""Settings in the registry, the global hotkeys and the Options dialog."""
import unittest

from harness import (PATTERN_BACKGROUND, Holder, Pattern, ProgramTest, click_item,
                     clipboard_text, find_dialog, item_text, list_items, probe,
                     set_clipboard_text, setting, settings_key_exists, store_setting, visible,
                     wait_for, xdotool)

COLOUR_LIST, FORMAT_BOX, COLOUR_TEXT, POSITION, ZOOM, PICK = 1000, 1001, 1002, 1004, 1006, 1009
ALWAYS_ON_TOP, ZOOM_IN, OPTIONS, COPY_WHEN_KEPT, EXIT = 32776, 32778, 32780, 32803, 57602
CB_GETCURSEL = 0x0147
START_HOTKEY_CONTROL, HKM_GETHOTKEY = 1017, 0x0402
MOD_CONTROL, VK_F11 = 0x0002, 0x7A


class Settings(ProgramTest):
    launch_in_setup = False

    def text(self, control):
        return item_text(self.program.window, control)

    def start_session_over_the_pattern(self):
        xdotool('key', 'ctrl+shift+F11')
        wait_for('a session', lambda: self.text(PICK) == 'Stop')
        xdotool('mousemove', 800, 60)
        wait_for('a sample over the pattern', lambda: self.text(POSITION) == 'X: 800 Y: 60')

    def wait_for_the_pattern_in_the_list(self, times=1):
        wait_for('the colour in the list', lambda: list_items(self.program.window, COLOUR_LIST)
                 == ['%d, %d, %d' % PATTERN_BACKGROUND] * times)

    def exit_program(self):
        probe('post-command', self.program.window, EXIT)
        self.assertEqual(self.program.wait_exit(), 0)

    def test_always_on_top_is_stored_at_each_toggle_and_nothing_before(self):
        self.launch()
        self.assertFalse(settings_key_exists(), 'a first run creates no key until it saves')
        probe('post-command', self.program.window, ALWAYS_ON_TOP)
        wait_for('AlwaysOnTop 01 00', lambda: setting('AlwaysOnTop') == '0100')
        probe('post-command', self.program.window, ALWAYS_ON_TOP)
        wait_for('AlwaysOnTop 00 00', lambda: setting('AlwaysOnTop') == '0000')
        self.assertIsNone(setting('ZoomLevel'), 'the zoom level is stored only by Exit')

    def test_exit_stores_the_zoom_level_and_the_notation_and_the_next_start_uses_them(self):
        store_setting('ZoomLevel', '0c00')
        self.launch()
        self.assertEqual(self.text(ZOOM), 'Zoom Level: 12', 'a stored level above 8 is used')
        probe('post-command', self.program.window, ZOOM_IN)
        wait_for('zoom 8', lambda: self.text(ZOOM) == 'Zoom Level: 8')
        probe('select-row', self.program.window, FORMAT_BOX, 9)  # CSS hsl()
        wait_for('Notation 6b 00', lambda: setting('Notation') == '6b00')
        self.exit_program()
        self.assertEqual(setting('ZoomLevel'), '0800')
        self.launch()
        self.assertEqual(self.text(ZOOM), 'Zoom Level: 8')
        self.assertEqual(probe('item-message', self.program.window, FORMAT_BOX, CB_GETCURSEL), '9')
        self.assertTrue(self.text(COLOUR_TEXT).startswith('hsl('), self.text(COLOUR_TEXT))

    def test_a_hotkey_held_by_another_program_is_named_and_the_other_still_works(self):
        holder = Holder('hold-hotkey', MOD_CONTROL, VK_F11)
        self.addCleanup(holder.stop)
        self.launch(shown=False)
        dialog, message = wait_for('the refusal message',
                                   lambda: find_dialog("Can't register hotkey"))
        # The names come from the keyboard layout: Windows says Ctrl, Wine Control.
        self.assertRegex(message, r"^Can't register hotkey: (Ctrl|Control) \+ F11$")
        self.assertFalse(visible(self.program.window), 'said before the window shows')
        probe('post-command', dialog, 1)
        wait_for('the window to show', lambda: visible(self.program.window))
        xdotool('key', 'ctrl+shift+F11')
        wait_for('the stop hotkey to start a session', lambda: self.text(PICK) == 'Stop')

    def test_both_hotkeys_reach_the_program_while_another_window_has_the_focus(self):
        pattern = Pattern()
        self.addCleanup(pattern.stop)
        self.launch()
        xdotool('mousemove', 100, 100)
        xdotool('click', 1)  # the desktop takes the focus
        xdotool('key', 'ctrl+F11')  # outside a session: only brings the window forward
        self.start_session_over_the_pattern()
        # Copy When Kept on: the kept colour is also on the clipboard.
        probe('post-command', self.program.window, COPY_WHEN_KEPT)
        wait_for('CopyOnKeep 01 00', lambda: setting('CopyOnKeep') == '0100')
        set_clipboard_text('before')
        xdotool('key', 'ctrl+F11')
        self.wait_for_the_pattern_in_the_list()
        wait_for('the colour on the clipboard',
                 lambda: clipboard_text() == '%d, %d, %d' % PATTERN_BACKGROUND)
        # Off again: keeping leaves the clipboard alone.
        probe('post-command', self.program.window, COPY_WHEN_KEPT)
        wait_for('CopyOnKeep 00 00', lambda: setting('CopyOnKeep') == '0000')
        set_clipboard_text('left alone')
        xdotool('key', 'ctrl+F11')
        self.wait_for_the_pattern_in_the_list(times=2)
        self.assertEqual(clipboard_text(), 'left alone')
        xdotool('key', 'ctrl+shift+F11')
        wait_for('the session to end', lambda: self.text(PICK) == 'Pick')

    def test_the_options_dialog_changes_a_hotkey_which_then_works_and_is_stored(self):
        pattern = Pattern()
        self.addCleanup(pattern.stop)
        self.launch()
        probe('post-command', self.program.window, OPTIONS)
        dialog, _ = wait_for('the Options dialog', lambda: find_dialog('Pick Color Hotkey:'))
        click_item(dialog, START_HOTKEY_CONTROL)
        xdotool('key', 'ctrl+alt+p')
        wait_for('the new hotkey in its control', lambda: probe(
            'item-message', dialog, START_HOTKEY_CONTROL, HKM_GETHOTKEY) == str(0x0650))
        click_item(dialog, 1)  # OK
        wait_for('the dialog to close', lambda: find_dialog('Pick Color Hotkey:') is None)
        self.assertEqual(setting('Start Hotkey'), '5006')  # P with Ctrl and Alt
        self.assertEqual(setting('Stop Hotkey'), '7a03')

        self.start_session_over_the_pattern()
        xdotool('key', 'ctrl+alt+p')
        self.wait_for_the_pattern_in_the_list()


if __name__ == '__main__':
    unittest.main()
