"""The main window as a user sees it: both layouts, and the copy button."""
import unittest

from harness import (ProgramTest, clipboard_text, click_item, item_text, screenshot_window,
                     wait_for, window_rect)

MODE_BUTTON, COLOUR_TEXT, COPY_BUTTON = 1003, 1002, 1010


class MainWindow(ProgramTest):

    def test_mode_button_switches_between_the_simple_and_the_advanced_layout(self):
        window = self.program.window
        simple = window_rect(window)
        self.assertEqual(item_text(window, MODE_BUTTON), 'Advanced >>')
        screenshot_window(window, 'main-window')

        click_item(window, MODE_BUTTON)
        wait_for('the advanced layout', lambda: item_text(window, MODE_BUTTON) == 'Simple <<')
        advanced = window_rect(window)
        self.assertEqual(advanced[:3], simple[:3], 'same position and width')
        self.assertGreater(advanced[3], simple[3])
        screenshot_window(window, 'main-window-advanced')

        click_item(window, MODE_BUTTON)
        wait_for('the simple layout again', lambda: item_text(window, MODE_BUTTON) == 'Advanced >>')
        self.assertEqual(window_rect(window), simple)

    def test_copy_button_puts_the_colour_text_on_the_clipboard(self):
        window = self.program.window
        text = item_text(window, COLOUR_TEXT)
        self.assertRegex(text, r'^\d{1,3}, \d{1,3}, \d{1,3}$')
        click_item(window, COPY_BUTTON)
        wait_for('the colour text on the X clipboard', lambda: clipboard_text() == text)


if __name__ == '__main__':
    unittest.main()
