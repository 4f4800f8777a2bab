"""The notification-area icon, hiding and showing the main window, the About box
and its links, and Exit from the icon's menu."""
import os
import unittest

from harness import (ProgramTest, click_item, find_dialog, find_window, grab, item_rect, probe,
                     visible, wait_for, window_rect, work_area, xdotool)

# The taskbar of the virtual desktop; its notification area is at the right end.
NOTIFICATION_AREA = (900, 748, 1024, 768)
ABOUT_COMMAND, CANCEL_COMMAND, PICK_COMMAND = 57664, 2, 1009
WEB_LINK, MAIL_LINK, OK_BUTTON = 1025, 1026, 1
PURPLE = (128, 0, 128)


def tray_icon_box():
    """Where the notification area shows something (left, top, right, bottom), or None."""
    left, top, right, bottom = NOTIFICATION_AREA
    pixels = grab(left, top, right, bottom)
    background = pixels[(left, bottom - 2)]
    drawn = [xy for xy, colour in pixels.items() if colour != background]
    if not drawn:
        return None
    xs, ys = [x for x, _ in drawn], [y for _, y in drawn]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def click_close_box(window):
    right, top = window_rect(window)[2], window_rect(window)[1]
    xdotool('mousemove', right - 12, top + 12)
    xdotool('click', 1)


def opened():
    with open(os.environ['TL_OPENED']) as log:
        return log.read().splitlines()


class TrayIcon(ProgramTest):

    def setUp(self):
        super().setUp()
        self.icon = wait_for('the icon in the notification area', tray_icon_box)

    def click_icon(self, *how):
        x, y = centre(self.icon)
        xdotool('mousemove', x, y)
        xdotool('click', *how)

    def tray_menu(self):
        """Opens the icon's menu; returns the menu window."""
        self.click_icon('3')

        def shown_menu():
            menu = find_window('', '#32768')
            return menu if menu and visible(menu) else None
        return wait_for('the icon menu', shown_menu)

    def choose_from_tray(self, item):
        """Clicks an item of the icon's menu: 'Open Main Window', 'About' or 'Exit'.
        With the window hidden the menu does not take keys, so it is clicked."""
        menu = self.tray_menu()
        left, top, right, bottom = window_rect(menu)
        # Three items of one height and a thinner separator between About and Exit.
        y = {'Open Main Window': top + 10, 'About': top + 28, 'Exit': bottom - 11}[item]
        xdotool('mousemove', (left + right) // 2, y)
        xdotool('click', 1)
        wait_for('the menu to close', lambda: not visible(menu))

    def test_closing_hides_the_icon_brings_it_back_and_its_exit_ends_the_program(self):
        window = self.program.window
        for close in (['key', 'Escape'], ['key', 'alt+F4'], 'close box'):
            with self.subTest(close=close):
                if close == 'close box':
                    click_close_box(window)
                else:
                    xdotool(*close)
                wait_for('the window to hide', lambda: not visible(window))
                self.click_icon('--repeat', '2', '1')
                wait_for('the window to come back', lambda: visible(window))

        # A click elsewhere closes the menu without a command.
        menu = self.tray_menu()
        xdotool('mousemove', 400, 400)
        xdotool('click', 1)
        wait_for('the menu to close', lambda: not visible(menu))
        self.assertTrue(visible(window))

        # Exit from the icon while the window is hidden still asks about unsaved colours.
        probe('post-command', window, PICK_COMMAND)
        xdotool('key', 'ctrl+F11')  # keeps a colour: the list is modified
        probe('post-command', window, PICK_COMMAND)
        probe('post-command', window, CANCEL_COMMAND)
        wait_for('the window to hide', lambda: not visible(window))
        self.choose_from_tray('Exit')
        question, _ = wait_for('the save question', lambda: find_dialog('Do you want to save'))
        probe('post-command', question, 7)  # No
        self.assertEqual(self.program.wait_exit(), 0)
        wait_for('the icon to go', lambda: tray_icon_box() is None)

    def test_about_box_centres_on_its_owner_or_the_work_area_and_its_links_open(self):
        window = self.program.window
        probe('move-window', window, 60, 40)

        def open_about():
            probe('post-command', window, ABOUT_COMMAND)
            return wait_for('the About box', lambda: find_window('About'))

        def gone(dialog):
            wait_for('the About box to close', lambda: probe('exists', dialog) == '0')

        about = open_about()
        owner_centre, box = centre(window_rect(window)), window_rect(about)
        for axis in (0, 1):
            self.assertLessEqual(abs(centre(box)[axis] - owner_centre[axis]), 1)
        self.assertIsNotNone(find_dialog('Tintlens v1.0'))
        xdotool('key', 'Escape')
        gone(about)

        about = open_about()
        click_item(about, OK_BUTTON)
        gone(about)

        about = open_about()
        links = ((WEB_LINK, 'https://example.com/'),
                 (MAIL_LINK, 'mailto:support@example.com?subject=Questions%20about%20Tintlens'))
        for link, target in links:
            left, top, right, bottom = item_rect(about, link)
            self.assertNotIn(PURPLE, grab(left, top, right, bottom).values())
            xdotool('mousemove', left + 6, (top + bottom) // 2)
            xdotool('click', 1)
            wait_for('%s to be opened' % target, lambda: target in opened())
            wait_for('the link in its visited colour',
                     lambda: PURPLE in grab(left, top, right, bottom).values())
        click_close_box(about)
        gone(about)

        # From the icon's menu with the window hidden: the middle of the work area.
        probe('post-command', window, CANCEL_COMMAND)
        wait_for('the window to hide', lambda: not visible(window))
        self.choose_from_tray('About')
        about = wait_for('the About box', lambda: find_window('About'))
        area = work_area()
        box = window_rect(about)
        self.assertLessEqual(abs(centre(box)[0] - centre(area)[0]), 1)
        self.assertLessEqual(abs(centre(box)[1] - centre(area)[1]), 1)
        click_item(about, OK_BUTTON)
        gone(about)


if __name__ == '__main__':
    unittest.main()
