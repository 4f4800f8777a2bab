"""Picking as a user does it: a session over a test pattern, and an icon drag."""
import unittest

from harness import (PATTERN_BACKGROUND, PATTERN_BLOCK, PATTERN_LINE, PATTERN_LINE_X, Pattern,
                     ProgramTest, click_item, drag_from_icon, grab, item_rect, item_text,
                     list_items, make_active, notation_texts, probe, screenshot_area,
                     screenshot_window, wait_for, wait_until, xdotool)

COLOUR_LIST, FORMAT_BOX, COLOUR_TEXT, POSITION, ZOOM = 1000, 1001, 1002, 1004, 1006
MAGNIFIER, PICK = 1007, 1009
ZOOM_IN, ZOOM_OUT = 32778, 32779


def rgb_text(colour):
    return '%d, %d, %d' % colour


def inverted(colour):
    return tuple(255 - c for c in colour)


class Picking(ProgramTest):

    def setUp(self):
        # The pattern first, so that Tintlens starts in front as a user has it.
        self.pattern = Pattern()
        self.addCleanup(self.pattern.stop)
        super().setUp()

    def text(self, control):
        return item_text(self.program.window, control)

    def start_session(self):
        # Under Wine a click that activates the window can be lost to the
        # activation; a user clicks again, and so does this.
        def started():
            make_active(self.program.window)
            click_item(self.program.window, PICK)
            return wait_until(lambda: self.text(PICK) == 'Stop', 5)
        wait_for('the pick button to read "Stop"', started, timeout=30)

    def point_at(self, x, y):
        xdotool('mousemove', x, y)
        wait_for('a sample at (%d, %d)' % (x, y),
                 lambda: self.text(POSITION) == 'X: %d Y: %d' % (x, y))

    def check_magnifier(self, zoom, line_offset):
        """The pointer's pixel at the view's centre under the crosshair, and the
        one-pixel line `line_offset` pixels right of the pointer drawn `zoom` wide."""
        window = self.program.window
        left, top, right, bottom = item_rect(window, MAGNIFIER)
        cx, cy = left + (right - left) // 2, top + (bottom - top) // 2

        def repainted():
            pixels = grab(left, top, right, bottom)
            line = [x for x in range(left + 1, right - 1) if pixels[(x, cy + 10)] == PATTERN_LINE]
            if pixels[(cx, cy)] == PATTERN_BACKGROUND and abs(len(line) - zoom) <= 1:
                return pixels
            return None
        pixels = wait_for('the magnifier at zoom %d' % zoom, repainted)
        self.assertEqual(pixels[(cx - 3, cy)], inverted(PATTERN_BACKGROUND), 'crosshair arm')
        self.assertEqual(pixels[(cx, cy - 4)], inverted(PATTERN_BACKGROUND), 'crosshair arm')
        row = [x for x in range(left + 1, right - 1) if pixels[(x, cy + 10)] == PATTERN_LINE]
        self.assertTrue(row, 'the line shows in the magnifier at zoom %d' % zoom)
        self.assertEqual(row, list(range(row[0], row[0] + len(row))), 'one run')
        self.assertLessEqual(abs(len(row) - zoom), 1, 'the line is %d wide' % len(row))
        self.assertLessEqual(abs(row[0] - (cx + line_offset * zoom)), zoom)
        self.assertEqual(self.text(ZOOM), 'Zoom Level: %d' % zoom)
        screenshot_window(window, 'picking-zoom-%d' % zoom)

    def test_a_session_follows_the_pointer_until_a_press_on_the_window_ends_it(self):
        window = self.program.window
        self.start_session()
        x, y = PATTERN_LINE_X - 3, 60
        self.point_at(x, y)
        self.assertEqual(self.text(COLOUR_TEXT), rgb_text(PATTERN_BACKGROUND))
        self.check_magnifier(4, 3)
        for _ in range(3):
            probe('post-command', window, ZOOM_OUT)
        probe('post-command', window, ZOOM_OUT)  # at 1 it stays 1
        wait_for('zoom 1', lambda: self.text(ZOOM) == 'Zoom Level: 1')
        self.check_magnifier(1, 3)
        for _ in range(8):
            probe('post-command', window, ZOOM_IN)  # at 8 it stays 8
        wait_for('zoom 8', lambda: self.text(ZOOM) == 'Zoom Level: 8')
        self.check_magnifier(8, 3)

        # The web notations of the colour under the pointer, rows 9 to 11.
        for row, expected in zip((8, 9, 10), notation_texts(PATTERN_BACKGROUND)):
            probe('select-row', window, FORMAT_BOX, row)
            wait_for(expected, lambda: self.text(COLOUR_TEXT) == expected)
        probe('select-row', window, FORMAT_BOX, 6)  # back to RGB

        # The arrow keys nudge the pointer by one pixel, ten with Shift.
        for key, dx, dy in (('Right', 1, 0), ('Down', 1, 1), ('shift+Right', 11, 1)):
            xdotool('key', key)
            wait_for('the position after %s' % key,
                     lambda: self.text(POSITION) == 'X: %d Y: %d' % (x + dx, y + dy))

        # Over the program's own window nothing changes.
        left, top, right, bottom = item_rect(window, COLOUR_LIST)
        xdotool('mousemove', left + 10, top + 10)
        self.point_at(x, y - 1)  # a later move outside is sampled again...
        xdotool('mousemove', left + 10, top + 20)
        xdotool('mousemove', left + 12, top + 22)
        self.assertEqual(self.text(POSITION), 'X: %d Y: %d' % (x, y - 1), '...but not inside')

        # A press on the window ends the session; the press still reaches the list.
        xdotool('click', 1)
        wait_for('the session to end', lambda: self.text(PICK) == 'Pick')
        self.assertEqual(list_items(window, COLOUR_LIST), [], 'sampling never adds')

    def test_any_colour_of_the_field_is_read_exactly(self):
        window = self.program.window
        probe('move-window', window, 280, 20)  # beside the pattern, for the README's picture
        self.start_session()
        for x, y in ((905, 160), (1000, 250), (950, 195)):
            self.point_at(x, y)
            on_screen = grab(x, y, x + 1, y + 1)[(x, y)]
            self.assertEqual(self.text(COLOUR_TEXT), rgb_text(on_screen))
        left, top, right, bottom = item_rect(window, MAGNIFIER)
        wait_for('the magnifier showing the field', lambda: len(set(
            grab(left + 2, top + 2, right - 2, bottom - 2).values())) > 10)
        screenshot_area((270, 10, 1020, 365), 'picking')
        click_item(window, PICK)

    def test_clicking_stop_ends_the_session_and_does_not_start_another(self):
        self.start_session()
        self.point_at(800, 60)
        click_item(self.program.window, PICK)
        wait_for('the session to end', lambda: self.text(PICK) == 'Pick')
        xdotool('mousemove', 820, 70)
        xdotool('mousemove', 821, 71)
        self.assertEqual(self.text(PICK), 'Pick')
        self.assertEqual(self.text(POSITION), 'X: 800 Y: 60', 'no session follows the pointer')

        # A press on Stop released beside the button ends the session without a
        # click; the next click on Pick still starts one.
        self.start_session()
        left, top, right, bottom = item_rect(self.program.window, PICK)
        xdotool('mousemove', (left + right) // 2, (top + bottom) // 2)
        xdotool('mousedown', 1)
        wait_for('the session to end', lambda: self.text(PICK) == 'Pick')
        xdotool('mousemove', right + 30, bottom + 30)
        xdotool('mouseup', 1)
        self.start_session()
        click_item(self.program.window, PICK)
        wait_for('the session to end', lambda: self.text(PICK) == 'Pick')

    def test_an_icon_drag_released_over_the_pattern_adds_that_colour(self):
        window = self.program.window
        drag_from_icon(window, 800, 230)
        self.assertEqual(list_items(window, COLOUR_LIST), [rgb_text(PATTERN_BLOCK)])
        self.assertEqual(self.text(COLOUR_TEXT), rgb_text(PATTERN_BLOCK))

        # Released over the program's own list, a drag keeps nothing, not even
        # the colour it last passed over.
        left, top, _, _ = item_rect(window, COLOUR_LIST)
        drag_from_icon(window, 790, 60, release_at=(left + 10, top + 10))
        self.assertEqual(list_items(window, COLOUR_LIST), [rgb_text(PATTERN_BLOCK)])


if __name__ == '__main__':
    unittest.main()
