"""The program starts as a user starts it, shows its window and ends through Exit."""
import unittest

from harness import (ProgramTest, item_rect, probe, visible, wait_for, window_rect, work_area,
                     xdotool)


class StartAndExit(ProgramTest):

    def test_window_opens_centred_with_its_menu_bar_and_file_exit_ends_with_code_0(self):
        window = self.program.window
        wait_for('the window to be visible', lambda: visible(window))
        left, top, right, bottom = window_rect(window)
        area = work_area()
        # Centred in the full layout, then shortened by the RGB group to the simple one.
        group = item_rect(window, 1015)
        width, height = right - left, bottom - top + (group[3] - group[1])
        self.assertEqual(left, (area[0] + area[2]) // 2 - width // 2)
        self.assertEqual(top, (area[1] + area[3]) // 2 - height // 2)
        self.assertEqual(probe('has-menu', window), '1')

        # File is the first item of the menu bar, just below the caption.
        client_y = int(probe('client-origin', window).split()[1])
        xdotool('mousemove', left + 20, client_y - 10)
        xdotool('click', 1)
        xdotool('key', 'x')  # E&xit
        self.assertEqual(self.program.wait_exit(), 0)


if __name__ == '__main__':
    unittest.main()
