"""Display scaling: at 100, 125, 150 and 200 % (96, 120, 144 and 192 DPI) the
windows lay out without anything outside or overlapping, the pictures, the drag
cursor, the colour text and the list's entries grow with the scale, and a pick
reads the exact physical pixel under the pointer. One program start per scale."""
import unittest

from harness import (PATTERN_BLOCK, PATTERN_LINE, PATTERN_LINE_X, Pattern, Program, click_item,
                     cursor, drag_from_icon, find_window, fresh_start, grab, item_rect,
                     item_text, layout_faults, list_items, probe, screenshot, screenshot_window,
                     set_display, wait_for)

COLOUR_LIST, COLOUR_TEXT, MODE_BUTTON, POSITION = 1000, 1002, 1003, 1004
COPY_BUTTON, DELETE_BUTTON, PICKER_ICON = 1010, 1011, 1019
ABOUT, OPTIONS, OK, CANCEL = 57664, 32780, 1, 2
LB_GETITEMHEIGHT = 0x01A1
DARK_RED, GREY = (128, 0, 0), (128, 128, 128)  # the cross, and the copy picture's text lines
SCALED_DESKTOP = '2048x1536'  # room for the window at 200 %
KEPT_AS_ARTEFACTS = (144, 192)


def rgb_text(colour):
    return '%d, %d, %d' % colour


def extent(rect, wanted):
    """Width and height of the smallest box around the pixels of a screen
    rectangle whose colour `wanted` accepts."""
    points = [point for point, colour in grab(*rect).items() if wanted(colour)]
    if not points:
        return 0, 0
    xs, ys = [x for x, _ in points], [y for _, y in points]
    return max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


class DisplayScaling(unittest.TestCase):

    def setUp(self):
        self.addCleanup(set_display, 96)  # the other tests' session, whatever happens

    def test_every_scale_lays_out_cleanly_grows_what_it_draws_and_picks_exact_pixels(self):
        sizes = {}
        for dpi in (96, 120, 144, 192):
            with self.subTest(dpi=dpi):
                sizes[dpi] = self.journey(dpi)
        # What the program draws grows with the scale, within a pixel of rounding.
        if 96 in sizes:
            base = sizes[96]
            unscaled = ['%s at %d DPI is %d, not about %.1f' % (what, dpi, size,
                                                                base[what] * dpi / 96)
                        for dpi, measured in sizes.items() for what, size in measured.items()
                        if abs(size - base[what] * dpi / 96) > 1]
            self.assertEqual(unscaled, [], sizes)

    def journey(self, dpi):
        set_display(dpi, SCALED_DESKTOP)
        fresh_start()
        pattern = Pattern()
        program = Program()
        try:
            return self.check_program(program.window, dpi)
        except BaseException:
            print('\n  screenshot of the failure: %s' % screenshot('scaling-%d-dpi' % dpi))
            raise
        finally:
            program.stop()
            pattern.stop()

    def check_program(self, window, dpi):
        self.assertEqual(layout_faults(window), [], 'the simple layout at %d DPI' % dpi)
        sizes = {}
        sizes['eyedropper'] = max(self.picture_extent(window, PICKER_ICON, None))
        sizes['cross'] = max(self.picture_extent(window, DELETE_BUTTON, DARK_RED))
        sizes['copy picture lines'] = max(self.picture_extent(window, COPY_BUTTON, GREY))

        # An icon drag over the pattern's block, released on its one-pixel line:
        # the pixels read are the physical ones under the pointer, at their place.
        dragged = []

        def while_held():
            wait_for('the block read', lambda: item_text(window, COLOUR_TEXT) ==
                     rgb_text(PATTERN_BLOCK))
            dragged.append(cursor())
        drag_from_icon(window, 800, 230, release_at=(PATTERN_LINE_X, 100), while_held=while_held)
        wait_for('the line kept',
                 lambda: list_items(window, COLOUR_LIST) == [rgb_text(PATTERN_LINE)])
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
            screenshot_window(window, 'main-window-%d-dpi' % dpi)

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


if __name__ == '__main__':
    unittest.main()
