"""Start-up, the main window and the notification area, then every display scale:
the window opens centred, both layouts and the copy button, what the program
draws and an icon drag, the About box and its links, hiding to the tray icon and
Exit from its menu; then at 125, 150 and 200 % (120, 144 and 192 DPI) the same
layout and drawing checks, each start ended through File > Exit with exit code 0."""
import os
import unittest

from harness import (ABOUT, CANCEL, COLOUR_LIST, COLOUR_TEXT, COPY_BUTTON, DELETE_BUTTON,
                     MODE_BUTTON, NO, OK, OPTIONS, PATTERN_BLOCK, PATTERN_LINE, PATTERN_LINE_X,
                     PICKER_ICON, POSITION, SAVE_QUESTION, Journey, Pattern, answer, click_item,
                     clipboard_text, cursor, drag_from_icon, find_dialog, find_window, fresh_start,
                     grab, item_text, layout_faults, list_items, probe, rect, rgb_text,
                     screenshot, set_display, visible, wait_for, xdotool)

# The taskbar of the virtual desktop; its notification area is at the right end.
NOTIFICATION_AREA = (900, 748, 1024, 768)
WEB_LINK, MAIL_LINK, RGB_GROUP = 1025, 1026, 1015
LB_GETITEMHEIGHT = 0x01A1
PURPLE = (128, 0, 128)  # a visited link
DARK_RED, GREY = (128, 0, 0), (128, 128, 128)  # the cross, and the copy picture's text lines
ENTRY_COLOURS = (PATTERN_LINE, tuple(255 - c for c in PATTERN_LINE))  # framed while focused


def centre(box):
    return (box[0] + box[2]) // 2, (box[1] + box[3]) // 2


def extent(box, wanted):
    """Width and height of the smallest box around the pixels of a screen
    rectangle whose colour `wanted` accepts."""
    points = [point for point, colour in grab(*box).items() if wanted(colour)]
    if not points:
        return 0, 0
    xs, ys = [x for x, _ in points], [y for _, y in points]
    return max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


def drawn_size(window, control, colour=None):
    """The size of what a control's picture draws: pixels of `colour`, or with
    None every pixel unlike the control's corner."""
    box = rect(window, control)
    corner = grab(box[0], box[1], box[0] + 1, box[1] + 1)[box[:2]]
    return max(extent(box, lambda c: c == colour if colour else c != corner))


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
    xdotool('mousemove', right - 12, top + 12)
    xdotool('click', 1)


def opened():
    with open(os.environ['TL_OPENED']) as log:
        return log.read().splitlines()


def about_gone():
    wait_for('the About box to close', lambda: not find_window('About'))


class MainWindowTrayAndScaling(Journey):

    def test_start_up_the_window_the_tray_and_every_display_scale(self):
        self.addCleanup(set_display, 96)  # the other journeys' session, whatever happens
        self.background(Pattern())
        self.program = self.launch()
        self.sizes = {}
        self.walk(self.the_window_opens_centred,
                  self.the_mode_button_switches_layouts,
                  self.the_copy_button_copies_the_colour_text,
                  self.at_96_dpi_it_lays_out_draws_and_picks_exact_pixels,
                  self.the_about_box_centres_and_its_links_open,
                  self.closing_hides_to_the_tray_icon_which_brings_it_back,
                  self.exit_from_the_tray_icon_asks_and_ends,
                  *(self.scaled(dpi) for dpi in (120, 144, 192)),
                  self.what_it_draws_grows_with_the_scale)

    def the_window_opens_centred(self):
        left, top, right, bottom = rect(self.program.window)
        area = tuple(int(v) for v in probe('work-area').split())
        # Centred in the full layout, then shortened by the RGB group to the simple one.
        group = rect(self.program.window, RGB_GROUP)
        width, height = right - left, bottom - top + (group[3] - group[1])
        self.assertEqual((left, top), ((area[0] + area[2]) // 2 - width // 2,
                                       (area[1] + area[3]) // 2 - height // 2))

    def switch_layout(self, to):
        click_item(self.program.window, MODE_BUTTON)
        wait_for('the button to read %s' % to,
                 lambda: item_text(self.program.window, MODE_BUTTON) == to)
        return rect(self.program.window)

    def the_mode_button_switches_layouts(self):
        simple = rect(self.program.window)
        self.assertEqual(item_text(self.program.window, MODE_BUTTON), 'Advanced >>')
        screenshot('main-window', simple)
        advanced = self.switch_layout('Simple <<')
        self.assertEqual(advanced[:3], simple[:3], 'same position and width')
        self.assertGreater(advanced[3], simple[3])
        screenshot('main-window-advanced', advanced)
        self.assertEqual(self.switch_layout('Advanced >>'), simple)

    def the_copy_button_copies_the_colour_text(self):
        text = self.program.text(COLOUR_TEXT)
        self.assertRegex(text, r'^\d{1,3}, \d{1,3}, \d{1,3}$')
        click_item(self.program.window, COPY_BUTTON)
        wait_for('the colour text on the X clipboard', lambda: clipboard_text() == text)

    def at_96_dpi_it_lays_out_draws_and_picks_exact_pixels(self):
        self.sizes[96] = self.check_scale(96)

    def check_scale(self, dpi):
        """Both layouts and the dialogs without anything outside or overlapping,
        and an icon drag over the pattern's block released on its one-pixel line:
        the pixels read are the physical ones under the pointer, at their place.
        Returns the sizes of what the program draws; leaves the advanced layout."""
        window = self.program.window
        self.assertEqual(layout_faults(window), [], 'the simple layout at %d DPI' % dpi)
        sizes = {'eyedropper': drawn_size(window, PICKER_ICON),
                 'cross': drawn_size(window, DELETE_BUTTON, DARK_RED),
                 'copy picture lines': drawn_size(window, COPY_BUTTON, GREY)}
        dragged = []

        def while_held():
            wait_for('the block read',
                     lambda: item_text(window, COLOUR_TEXT) == rgb_text(PATTERN_BLOCK))
            dragged.append(cursor())
        drag_from_icon(window, 800, 230, release_at=(PATTERN_LINE_X, 100), while_held=while_held)
        wait_for('the line kept', lambda: list_items(window) == [rgb_text(PATTERN_LINE)])
        self.assertEqual(item_text(window, POSITION), 'X: %d Y: 100' % PATTERN_LINE_X)
        width, height, hot_x, hot_y, left, top, right, bottom = dragged[0]
        self.assertEqual((hot_x, hot_y), (left, bottom), 'the hot spot is the tip, bottom left')
        self.assertEqual(width, height, 'a square cursor')
        sizes['drag cursor'], sizes['drawn cursor'] = width, right - left + 1
        sizes['list entry'] = self.entry_height(window, dpi)
        # The colour text's written height: its dark pixels, inside the border.
        left, top, right, bottom = rect(window, COLOUR_TEXT)
        sizes['colour text'] = extent((left + 3, top + 3, right - 3, bottom - 3),
                                      lambda c: sum(c) < 3 * 128)[1]

        self.switch_layout('Simple <<')
        self.assertEqual(layout_faults(window), [], 'the advanced layout at %d DPI' % dpi)
        if dpi in (144, 192):
            screenshot('main-window-%d-dpi' % dpi, rect(window))
        for command, title, close in ((ABOUT, 'About', OK), (OPTIONS, 'Options', CANCEL)):
            probe('post-command', window, command)
            dialog = wait_for('the %s dialog' % title, lambda: find_window(title))
            self.assertEqual(layout_faults(dialog), [], '%s at %d DPI' % (title, dpi))
            probe('post-command', dialog, close)
            wait_for('the %s dialog to close' % title, lambda: not find_window(title))
        return sizes

    def entry_height(self, window, dpi):
        """The height of the list's one entry, a bar of the kept colour, as high
        as the list says, with its text (white on that colour) off its top and
        bottom rows."""
        left, top, right, bottom = rect(window, COLOUR_LIST)
        pixels = grab(left, top, right, bottom)
        bar_rows, text_rows = set(), set()
        for y in range(top, bottom):
            bar = [x for x in range(left, right) if pixels[(x, y)] in ENTRY_COLOURS]
            if bar:
                bar_rows.add(y)
                if any(pixels[(x, y)] == (255, 255, 255) for x in range(bar[0], bar[-1])):
                    text_rows.add(y)
        height = int(probe('item-message', window, COLOUR_LIST, LB_GETITEMHEIGHT))
        self.assertEqual(len(bar_rows), height, 'the entry at %d DPI' % dpi)
        self.assertTrue(text_rows, 'the entry\'s text at %d DPI' % dpi)
        self.assertTrue(min(bar_rows) < min(text_rows) and max(text_rows) < max(bar_rows),
                        'room above and below the text at %d DPI' % dpi)
        return height

    def the_about_box_centres_and_its_links_open(self):
        window = self.program.window
        probe('move-window', window, 60, 40)

        def open_about():
            probe('post-command', window, ABOUT)
            return wait_for('the About box', lambda: find_window('About'))

        about = open_about()
        for axis in (0, 1):  # on its owner
            self.assertLessEqual(abs(centre(rect(about))[axis] - centre(rect(window))[axis]), 1)
        self.assertIsNotNone(find_dialog('Tintlens v1.0'))
        xdotool('key', 'Escape')
        about_gone()
        click_item(open_about(), OK)
        about_gone()

        about = open_about()
        for link, target in ((WEB_LINK, 'https://example.com/'), (MAIL_LINK, (
                'mailto:support@example.com?subject=Questions%20about%20Tintlens'))):
            box = rect(about, link)
            self.assertNotIn(PURPLE, grab(*box).values())
            xdotool('mousemove', box[0] + 6, (box[1] + box[3]) // 2)
            xdotool('click', 1)
            wait_for('%s to be opened' % target, lambda: target in opened())
            wait_for('the link in its visited colour', lambda: PURPLE in grab(*box).values())
        click_close_box(about)
        about_gone()

    def click_icon(self, *how):
        xdotool('mousemove', *centre(wait_for('the tray icon', tray_icon_box)))
        xdotool('click', *how)

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
        xdotool('mousemove', (left + right) // 2, {'About': top + 28, 'Exit': bottom - 11}[item])
        xdotool('click', 1)
        wait_for('the menu to close', lambda: not visible(menu))

    def hide(self):
        probe('post-command', self.program.window, CANCEL)
        wait_for('the window to hide', lambda: not visible(self.program.window))

    def closing_hides_to_the_tray_icon_which_brings_it_back(self):
        window = self.program.window
        for close in (lambda: xdotool('key', 'Escape'), lambda: xdotool('key', 'alt+F4'),
                      lambda: click_close_box(window)):
            close()
            wait_for('the window to hide', lambda: not visible(window))
            self.click_icon('--repeat', '2', '1')
            wait_for('the window to come back', lambda: visible(window))

        # A click elsewhere closes the menu without a command.
        menu = self.tray_menu()
        xdotool('mousemove', 400, 400)
        xdotool('click', 1)
        wait_for('the menu to close', lambda: not visible(menu))
        self.assertTrue(visible(window))

        # About from the icon's menu with the window hidden: the middle of the work area.
        self.hide()
        self.choose_from_tray('About')
        about = wait_for('the About box', lambda: find_window('About'))
        area = tuple(int(v) for v in probe('work-area').split())
        for axis in (0, 1):
            self.assertLessEqual(abs(centre(rect(about))[axis] - centre(area)[axis]), 1)
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
            self.background(Pattern())
            self.program = self.launch()
            self.sizes[dpi] = self.check_scale(dpi)
            # File is the first item of the menu bar, just below the caption.
            client_y = int(probe('client-origin', self.program.window).split()[1])
            xdotool('mousemove', rect(self.program.window)[0] + 20, client_y - 10)
            xdotool('click', 1)
            xdotool('key', 'x')  # E&xit
            answer(SAVE_QUESTION, NO)
            self.assertEqual(self.program.process.wait(timeout=30), 0)
        step.__name__ = 'at_%d_dpi_it_lays_out_draws_picks_and_exits' % dpi
        return step

    def what_it_draws_grows_with_the_scale(self):
        base = self.sizes[96]
        unscaled = ['%s at %d DPI is %d, not about %.1f' % (what, dpi, size, base[what] * dpi / 96)
                    for dpi, measured in self.sizes.items() for what, size in measured.items()
                    if abs(size - base[what] * dpi / 96) > 1]
        self.assertEqual(unscaled, [], self.sizes)


if __name__ == '__main__':
    unittest.main()
