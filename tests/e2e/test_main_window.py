"""Start-up, the main window and the notification area, then every display scale:
both layouts and the copy button, the layout and an
exact icon drag, the About box and its links, hiding to the tray icon and Exit
from its menu; then started at 125, 150 and 200 % (120, 144 and 192 DPI), the
same layout and drag checks, each start ended through File > Exit with exit code 0.
(What is drawn for each scale, the drag cursor among it, is made by the code a
move to another scale runs, which the in-process tests measure; a start at a
scale is checked here by its list entry.)"""
import os
import unittest

from harness import *  # noqa: F403 (the journeys' shared vocabulary)

# The virtual desktop's work area, and its taskbar's notification area at the
# right end of the taskbar below it.
WORK_AREA, NOTIFICATION_AREA = (0, 0, 1024, 748), (900, 748, 1024, 768)
PURPLE = (128, 0, 128)  # a visited link
WEB_LINK, MAIL_LINK, FORMATS = ID['IDC_WEB_LINK'], ID['IDC_MAIL_LINK'], ID['ID_FORMATS']
LB_GETITEMHEIGHT = 0x01A1
ENTRY_COLOURS = (PATTERN_LINE, tuple(255 - c for c in PATTERN_LINE))  # framed while focused


def centre(box):
    return (box[0] + box[2]) // 2, (box[1] + box[3]) // 2


def tray_icon_box():
    """Where the notification area shows something, or None."""
    left, top, right, bottom = NOTIFICATION_AREA
    pixels = grab(*NOTIFICATION_AREA)
    drawn = [xy for xy, colour in pixels.items() if colour != pixels[(left, bottom - 2)]]
    if drawn:
        xs, ys = [x for x, _ in drawn], [y for _, y in drawn]
        return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def click_close_box(window):
    _, top, right, _ = rect(window)
    click_at(right - 12, top + 12)


def opened():
    with open(os.environ['TL_OPENED']) as log:
        return log.read().splitlines()


def about_gone():
    wait_for('the About box to close', lambda: not find_window('About'))


class MainWindowTrayAndScaling(Journey):

    def test_start_up_the_window_the_tray_and_every_display_scale(self):
        self.addCleanup(set_display, 96)  # the other journeys' session, whatever happens
        self.helper('pattern')
        self.program = self.launch()
        self.walk(self.the_mode_button_switches_layouts,
                  self.the_copy_button_copies_the_colour_text,
                  self.at_96_dpi_it_lays_out_and_picks_exact_pixels,
                  self.the_about_box_centres_and_its_links_open,
                  self.closing_hides_to_the_tray_icon_which_brings_it_back,
                  self.exit_from_the_tray_icon_asks_and_ends,
                  *(self.scaled(dpi) for dpi in (120, 144, 192)))

    def switch_layout(self, to):
        click_item(self.program.window, MODE_BUTTON)
        wait_for('the button to read %s' % to,
                 lambda: item_text(self.program.window, MODE_BUTTON) == to)
        return rect(self.program.window)

    def the_mode_button_switches_layouts(self):
        simple = rect(self.program.window)
        screenshot('main-window', simple)
        advanced = self.switch_layout('Simple <<')
        self.assertEqual(advanced[:3], simple[:3], 'same position and width')
        screenshot('main-window-advanced', advanced)
        self.assertEqual(self.switch_layout('Advanced >>'), simple)

    def the_copy_button_copies_the_colour_text(self):
        text = self.program.text(COLOUR_TEXT)
        self.assertRegex(text, r'^\d{1,3}, \d{1,3}, \d{1,3}$')
        click_item(self.program.window, COPY_BUTTON)
        wait_for('the colour text on the X clipboard', lambda: clipboard_text() == text)

    def at_96_dpi_it_lays_out_and_picks_exact_pixels(self):
        self.check_scale(96)

    def check_scale(self, dpi):
        """Both layouts and the dialogs without anything outside or overlapping,
        and an icon drag over the pattern's block released on its one-pixel line:
        the pixels read are the physical ones under the pointer, at their place;
        and the list entry made for the scale. Leaves the advanced layout."""
        window = self.program.window
        self.assertEqual(layout_faults(window), [], 'the simple layout at %d DPI' % dpi)
        drag_from_icon(window, 800, 230, release_at=(PATTERN_LINE_X, 100))
        wait_for('the line kept', lambda: list_items(window) == [rgb_text(PATTERN_LINE)])
        self.assertEqual(item_text(window, POSITION), 'X: %d Y: 100' % PATTERN_LINE_X)
        self.check_entry(window, dpi)

        self.switch_layout('Simple <<')
        self.assertEqual(layout_faults(window), [], 'the advanced layout at %d DPI' % dpi)
        if dpi in (144, 192):
            screenshot('main-window-%d-dpi' % dpi, rect(window))
        for command, title, close in ((ABOUT, 'About', OK), (OPTIONS, 'Options', CANCEL),
                                      (FORMATS, 'Formats', CANCEL)):
            probe('post-command', window, command)
            dialog = wait_for('the %s dialog' % title, lambda: find_window(title))
            self.assertEqual(layout_faults(dialog), [], '%s at %d DPI' % (title, dpi))
            probe('post-command', dialog, close)
            wait_for('the %s dialog to close' % title, lambda: not find_window(title))

    def check_entry(self, window, dpi):
        """The list's one entry: a bar of the kept colour as high as the list
        says, with its text (black, which contrasts more than white on that
        green) clear of its top and bottom rows, which the screen font's uneven
        growth once broke."""
        left, top, right, bottom = rect(window, COLOUR_LIST)
        pixels, rows = grab(left, top, right, bottom), {}  # bar rows: whether text is in them
        for y in range(top, bottom):
            bar = [x for x in range(left, right) if pixels[(x, y)] in ENTRY_COLOURS]
            if bar:
                rows[y] = (0, 0, 0) in (pixels[(x, y)] for x in range(bar[0], bar[-1]))
        text = [y for y, has_text in rows.items() if has_text]
        height = int(probe('item-message', window, COLOUR_LIST, LB_GETITEMHEIGHT))
        self.assertEqual(len(rows), height, 'the entry at %d DPI' % dpi)
        self.assertTrue(text and min(rows) < text[0] and text[-1] < max(rows),
                        'room above and below the entry\'s text at %d DPI' % dpi)

    def the_about_box_centres_and_its_links_open(self):
        window = self.program.window
        probe('move-window', window, 60, 40)
        probe('post-command', window, ABOUT)
        about = wait_for('the About box', lambda: find_window('About'))
        for axis in (0, 1):  # on its owner
            self.assertLessEqual(abs(centre(rect(about))[axis] - centre(rect(window))[axis]), 1)
        self.assertIsNotNone(find_dialog('Tintlens v' + program_version()))
        for link, target in ((WEB_LINK, 'https://example.com/'), (MAIL_LINK, (
                'mailto:support@example.com?subject=Questions%20about%20Tintlens'))):
            box = rect(about, link)
            self.assertNotIn(PURPLE, grab(*box).values())
            click_at(box[0] + 6, (box[1] + box[3]) // 2)
            # The recorder runs in a Wine process of its own, whose start takes
            # long on a loaded machine.
            wait_for('%s to be opened' % target, lambda: target in opened(), timeout=60)
            wait_for('the link in its visited colour', lambda: PURPLE in grab(*box).values())
        click_close_box(about)
        about_gone()

    def click_icon(self, *how):
        click_at(*centre(wait_for('the tray icon', tray_icon_box)), *how)

    def tray_menu(self):
        """Opens the icon's menu; returns the menu window."""
        self.click_icon('3')

        def shown_menu():
            menu = find_window('', '#32768')
            return menu if menu and visible(menu) else None
        return wait_for('the icon menu', shown_menu)

    def choose_from_tray(self, item):
        """Clicks an item of the icon's menu: 'About' or 'Exit'. With the window
        hidden the menu does not take keys, so it is clicked."""
        menu = self.tray_menu()
        left, top, right, bottom = rect(menu)
        # Three items of one height and a thinner separator between About and Exit.
        click_at((left + right) // 2, {'About': top + 28, 'Exit': bottom - 11}[item])
        wait_for('the menu to close', lambda: not visible(menu))

    def hide(self):
        probe('post-command', self.program.window, CANCEL)
        wait_for('the window to hide', lambda: not visible(self.program.window))

    def closing_hides_to_the_tray_icon_which_brings_it_back(self):
        window = self.program.window
        # Escape goes its own way; Alt+F4 and the close box both end in WM_CLOSE.
        for close in (lambda: xdotool('key', 'Escape'), lambda: click_close_box(window)):
            close()
            wait_for('the window to hide', lambda: not visible(window))
            self.click_icon('--repeat', '2', '1')
            wait_for('the window to come back', lambda: visible(window))

        # About from the icon's menu with the window hidden: the middle of the work area.
        self.hide()
        self.choose_from_tray('About')
        about = wait_for('the About box', lambda: find_window('About'))
        for axis in (0, 1):
            self.assertLessEqual(abs(centre(rect(about))[axis] - centre(WORK_AREA)[axis]), 1)
        click_item(about, OK)
        about_gone()

    def exit_from_the_tray_icon_asks_and_ends(self):
        self.hide()  # with the colour of the drag unsaved in the list
        self.choose_from_tray('Exit')
        answer(SAVE_QUESTION, NO)
        self.assertEqual(self.program.process.wait(timeout=30), 0)
        wait_for('the icon to go', lambda: tray_icon_box() is None)

    def scaled(self, dpi):
        def step():
            set_display(dpi, '2048x1536')  # room for the window at 200 %
            fresh_start()
            self.helper('pattern')
            self.program = self.launch()
            self.check_scale(dpi)
            # File is the first item of the menu bar, just below the caption.
            client_y = int(probe('children', self.program.window).split()[1])
            click_at(rect(self.program.window)[0] + 20, client_y - 10)
            xdotool('key', 'x')  # E&xit
            answer(SAVE_QUESTION, NO)
            self.assertEqual(self.program.process.wait(timeout=30), 0)
        step.__name__ = 'at_%d_dpi_it_lays_out_picks_and_exits' % dpi
        return step


if __name__ == '__main__':
    unittest.main()
