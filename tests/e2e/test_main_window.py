"""Start-up, the main window and the notification area, then every display scale:
the window opens centred, both layouts and the copy button, what the program
draws and an icon drag, the About box and its links, hiding to the tray icon and
Exit from its menu; then at 125, 150 and 200 % (120, 144 and 192 DPI) the same
layout and drawing checks, ended through File > Exit with exit code 0."""
import os
import unittest

from harness import (ABOUT, CANCEL, COLOUR_LIST, COLOUR_TEXT, COPY_BUTTON, DELETE_BUTTON,
                     MODE_BUTTON, NO, OK, OPTIONS, PATTERN_BLOCK, PATTERN_LINE, PATTERN_LINE_X,
                     PICKER_ICON, POSITION, SAVE_QUESTION, Journey, Pattern, answer, click_item,
                     clipboard_text, cursor, drag_from_icon, find_dialog, find_window, fresh_start,
                     grab, item_rect, item_text, layout_faults, list_items, probe, rgb_text,
                     screenshot, set_display, visible, wait_for, window_rect, work_area, xdotool)

# The taskbar of the virtual desktop; its notification area is at the right end.
NOTIFICATION_AREA = (900, 748, 1024, 768)
WEB_LINK, MAIL_LINK, RGB_GROUP = 1025, 1026, 1015
LB_GETITEMHEIGHT = 0x01A1
PURPLE = (128, 0, 128)  # a visited link
DARK_RED, GREY = (128, 0, 0), (128, 128, 128)  # the cross, and the copy picture's text lines
SCALED_DESKTOP = '2048x1536'  # room for the window at 200 %
KEPT_AS_ARTEFACTS = (144, 192)


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def extent(rect, wanted):
    """Width and height of the smallest box around the pixels of a screen
    rectangle whose colour `wanted` accepts."""
    points = [point for point, colour in grab(*rect).items() if wanted(colour)]
    if not points:
        return 0, 0
    xs, ys = [x for x, _ in points], [y for _, y in points]
    return max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


def tray_icon_box():
    """Where the notification area shows something, or None."""
    left, top, right, bottom = NOTIFICATION_AREA
    pixels = grab(left, top, right, bottom)
    background = pixels[(left, bottom - 2)]
    drawn = [xy for xy, colour in pixels.items() if colour != background]
    if not drawn:
        return None
    xs, ys = [x for x, _ in drawn], [y for _, y in drawn]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def click_close_box(window):
    _, top, right, _ = window_rect(window)
    xdotool('mousemove', right - 12, top + 12)
    xdotool('click', 1)


def opened():
    with open(os.environ['TL_OPENED']) as log:
        return log.read().splitlines()


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
        window = self.program.window
        left, top, right, bottom = window_rect(window)
        area = work_area()
        # Centred in the full layout, then shortened by the RGB group to the simple one.
        group = item_rect(window, RGB_GROUP)
        width, height = right - left, bottom - top + (group[3] - group[1])
        self.assertEqual(left, (area[0] + area[2]) // 2 - width // 2)
        self.assertEqual(top, (area[1] + area[3]) // 2 - height // 2)

    def the_mode_button_switches_layouts(self):
        window = self.program.window
        simple = window_rect(window)
        self.assertEqual(item_text(window, MODE_BUTTON), 'Advanced >>')
        screenshot('main-window', simple)
        click_item(window, MODE_BUTTON)
        wait_for('the advanced layout', lambda: item_text(window, MODE_BUTTON) == 'Simple <<')
        advanced = window_rect(window)
        self.assertEqual(advanced[:3], simple[:3], 'same position and width')
        self.assertGreater(advanced[3], simple[3])
        screenshot('main-window-advanced', advanced)
        click_item(window, MODE_BUTTON)
        wait_for('the simple layout again', lambda: item_text(window, MODE_BUTTON) == 'Advanced >>')
        self.assertEqual(window_rect(window), simple)

    def the_copy_button_copies_the_colour_text(self):
        text = self.program.text(COLOUR_TEXT)
        self.assertRegex(text, r'^\d{1,3}, \d{1,3}, \d{1,3}$')
        click_item(self.program.window, COPY_BUTTON)
        wait_for('the colour text on the X clipboard', lambda: clipboard_text() == text)

    def at_96_dpi_it_lays_out_draws_and_picks_exact_pixels(self):
        self.sizes[96] = self.check_scale(self.program.window, 96)

    def check_scale(self, window, dpi):
        """Both layouts and the dialogs without anything outside or overlapping,
        and an icon drag over the pattern's block released on its one-pixel line:
        the pixels read are the physical ones under the pointer, at their place.
        Returns the sizes of what the program draws; leaves the advanced layout."""
        self.assertEqual(layout_faults(window), [], 'the simple layout at %d DPI' % dpi)
        sizes = {'eyedropper': max(self.picture_extent(window, PICKER_ICON, None)),
                 'cross': max(self.picture_extent(window, DELETE_BUTTON, DARK_RED)),
                 'copy picture lines': max(self.picture_extent(window, COPY_BUTTON, GREY))}
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
        sizes['colour text'] = self.text_height(window)

        click_item(window, MODE_BUTTON)
        wait_for('the advanced layout', lambda: item_text(window, MODE_BUTTON) == 'Simple <<')
        self.assertEqual(layout_faults(window), [], 'the advanced layout at %d DPI' % dpi)
        if dpi in KEPT_AS_ARTEFACTS:
            screenshot('main-window-%d-dpi' % dpi, window_rect(window))
        for command, title, close in ((ABOUT, 'About', OK), (OPTIONS, 'Options', CANCEL)):
            probe('post-command', window, command)
            dialog = wait_for('the %s dialog' % title, lambda: find_window(title))
            self.assertEqual(layout_faults(dialog), [], '%s at %d DPI' % (title, dpi))
            probe('post-command', dialog, close)
            wait_for('the %s dialog to close' % title, lambda: not find_window(title))
        return sizes

    def picture_extent(self, window, control, colour):
        """The size of what a control's picture draws: pixels of `colour`, or with
        None every pixel unlike the control's corner."""
        rect = item_rect(window, control)
        if colour is None:
            colour_at_corner = grab(rect[0], rect[1], rect[0] + 1, rect[1] + 1)[rect[:2]]
            return extent(rect, lambda c: c != colour_at_corner)
        return extent(rect, lambda c: c == colour)

    def entry_height(self, window, dpi):
        """The height of the list's one entry, a bar of the kept colour (framed in
        the opposite colour while the list has the focus), once seen to be as high
        as the list says, with its text (white on that colour) off its top and
        bottom rows."""
        left, top, right, bottom = item_rect(window, COLOUR_LIST)
        pixels = grab(left, top, right, bottom)
        entry_colours = (PATTERN_LINE, tuple(255 - c for c in PATTERN_LINE))
        bar_rows, text_rows = set(), set()
        for y in range(top, bottom):
            bar = [x for x in range(left, right) if pixels[(x, y)] in entry_colours]
            if bar:
                bar_rows.add(y)
                if any(pixels[(x, y)] == (255, 255, 255) for x in range(bar[0], bar[-1])):
                    text_rows.add(y)
        height = int(probe('item-message', window, COLOUR_LIST, LB_GETITEMHEIGHT))
        self.assertEqual(len(bar_rows), height, 'the entry at %d DPI' % dpi)
        self.assertTrue(text_rows, 'the entry\'s text at %d DPI' % dpi)
        self.assertLess(min(bar_rows), min(text_rows), 'room above the text at %d DPI' % dpi)
        self.assertLess(max(text_rows), max(bar_rows), 'room below the text at %d DPI' % dpi)
        return height

    def text_height(self, window):
        """The colour text's written height: its dark pixels, inside the border."""
        left, top, right, bottom = item_rect(window, COLOUR_TEXT)
        inset = 3
        return extent((left + inset, top + inset, right - inset, bottom - inset),
                      lambda c: sum(c) < 3 * 128)[1]

    def the_about_box_centres_and_its_links_open(self):
        window = self.program.window
        probe('move-window', window, 60, 40)

        def open_about():
            probe('post-command', window, ABOUT)
            return wait_for('the About box', lambda: find_window('About'))

        def close(how):
            how()
            wait_for('the About box to close', lambda: not find_window('About'))

        about = open_about()
        owner_centre, box = centre(window_rect(window)), window_rect(about)
        for axis in (0, 1):
            self.assertLessEqual(abs(centre(box)[axis] - owner_centre[axis]), 1)
        self.assertIsNotNone(find_dialog('Tintlens v1.0'))
        close(lambda: xdotool('key', 'Escape'))
        about = open_about()
        close(lambda: click_item(about, OK))

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
        close(lambda: click_close_box(about))

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
        left, top, right, bottom = window_rect(menu)
        # Three items of one height and a thinner separator between About and Exit.
        y = {'About': top + 28, 'Exit': bottom - 11}[item]
        xdotool('mousemove', (left + right) // 2, y)
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
        for axis in (0, 1):
            self.assertLessEqual(abs(centre(window_rect(about))[axis] - centre(work_area())[axis]), 1)
        click_item(about, OK)
        wait_for('the About box to close', lambda: not find_window('About'))

    def exit_from_the_tray_icon_asks_and_ends(self):
        # With the window hidden and the colour of the drag unsaved in the list.
        self.hide()
        self.choose_from_tray('Exit')
        answer(SAVE_QUESTION, NO)
        self.assertEqual(self.program.wait_exit(), 0)
        wait_for('the icon to go', lambda: tray_icon_box() is None)

    def scaled(self, dpi):
        def step():
            set_display(dpi, SCALED_DESKTOP)
            fresh_start()
            self.background(Pattern())
            self.program = self.launch()
            self.sizes[dpi] = self.check_scale(self.program.window, dpi)
            # File is the first item of the menu bar, just below the caption.
            left = window_rect(self.program.window)[0]
            client_y = int(probe('client-origin', self.program.window).split()[1])
            xdotool('mousemove', left + 20, client_y - 10)
            xdotool('click', 1)
            xdotool('key', 'x')  # E&xit
            answer(SAVE_QUESTION, NO)
            self.assertEqual(self.program.wait_exit(), 0)
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
