"""Picking, and the settings it leaves: a session over the test pattern that
follows the pointer and reads exact pixels, the Stop button, icon drags, the
global hotkeys from another window, the Options dialog, and what Exit stores for
the next start, which finds one of its hotkeys held by another program."""
import unittest

from harness import (COLOUR_LIST, COLOUR_TEXT, FORMAT_BOX, MAGNIFIER, NO, OPTIONS, PATTERN_BACKGROUND,
                     PATTERN_BLOCK, PATTERN_LINE, PATTERN_LINE_X, PICK, POSITION, ZOOM, Holder,
                     Journey, Pattern, click_item, clipboard_text, drag_from_icon, find_dialog, grab,
                     item_rect, list_items, make_active, probe, rgb_text, screenshot,
                     set_clipboard_text, setting, settings_key_exists, store_setting, visible,
                     wait_for, wait_until, xdotool)

ALWAYS_ON_TOP, ZOOM_IN, ZOOM_OUT, COPY_WHEN_KEPT = 32776, 32778, 32779, 32803
CB_GETCURSEL, HKM_GETHOTKEY, START_HOTKEY_CONTROL = 0x0147, 0x0402, 1017
MOD_ALT, MOD_CONTROL, VK_P = 0x0001, 0x0002, 0x50
BACKGROUND, BLOCK = rgb_text(PATTERN_BACKGROUND), rgb_text(PATTERN_BLOCK)


def inverted(colour):
    return tuple(255 - c for c in colour)


class PickingWithSettings(Journey):

    def test_picking_and_the_settings_the_next_start_uses(self):
        # The pattern first, so that Tintlens starts in front as a user has it.
        self.background(Pattern())
        self.program = self.launch()
        self.walk(self.a_first_start_stores_nothing_until_always_on_top_is_toggled,
                  self.a_session_reads_the_exact_pixel_under_the_pointer,
                  self.the_magnifier_zooms_and_the_notations_follow,
                  self.arrows_nudge_and_the_own_window_is_not_sampled,
                  self.stop_ends_a_session_and_starts_no_other,
                  self.an_icon_drag_keeps_the_colour_it_is_released_on,
                  self.the_hotkeys_work_from_another_window,
                  self.the_options_dialog_changes_a_hotkey,
                  self.exit_stores_the_zoom_level_and_the_notation,
                  self.the_next_start_names_a_held_hotkey_and_uses_the_settings)

    def text(self, control):
        return self.program.text(control)

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

    def wait_for_list(self, entries):
        wait_for('the list %s' % entries, lambda: list_items(self.program.window) == entries)

    def a_first_start_stores_nothing_until_always_on_top_is_toggled(self):
        self.assertFalse(settings_key_exists(), 'a first run creates no key until it saves')
        for stored in ('0100', '0000'):
            probe('post-command', self.program.window, ALWAYS_ON_TOP)
            wait_for('AlwaysOnTop %s' % stored, lambda: setting('AlwaysOnTop') == stored)

    def a_session_reads_the_exact_pixel_under_the_pointer(self):
        window = self.program.window
        probe('move-window', window, 280, 20)  # beside the pattern, for the README's picture
        self.start_session()
        for x, y in ((905, 160), (1000, 250), (950, 195)):
            self.point_at(x, y)
            self.assertEqual(self.text(COLOUR_TEXT), rgb_text(grab(x, y, x + 1, y + 1)[(x, y)]))
        left, top, right, bottom = item_rect(window, MAGNIFIER)
        wait_for('the magnifier showing the field', lambda: len(set(
            grab(left + 2, top + 2, right - 2, bottom - 2).values())) > 10)
        screenshot('picking', (270, 10, 1020, 365))

    def check_magnifier(self, zoom, line_offset):
        """The pointer's pixel at the view's centre under the crosshair, and the
        one-pixel line `line_offset` pixels right of the pointer drawn `zoom` wide."""
        left, top, right, bottom = item_rect(self.program.window, MAGNIFIER)
        cx, cy = left + (right - left) // 2, top + (bottom - top) // 2

        def line(pixels):
            return [x for x in range(left + 1, right - 1) if pixels[(x, cy + 10)] == PATTERN_LINE]

        def repainted():
            pixels = grab(left, top, right, bottom)
            return pixels if (pixels[(cx, cy)] == PATTERN_BACKGROUND and
                              abs(len(line(pixels)) - zoom) <= 1) else None
        pixels = wait_for('the magnifier at zoom %d' % zoom, repainted)
        self.assertEqual(pixels[(cx - 3, cy)], inverted(PATTERN_BACKGROUND), 'crosshair arm')
        self.assertEqual(pixels[(cx, cy - 4)], inverted(PATTERN_BACKGROUND), 'crosshair arm')
        row = line(pixels)
        self.assertTrue(row, 'the line shows in the magnifier at zoom %d' % zoom)
        self.assertEqual(row, list(range(row[0], row[0] + len(row))), 'one run')
        self.assertLessEqual(abs(row[0] - (cx + line_offset * zoom)), zoom)
        self.assertEqual(self.text(ZOOM), 'Zoom Level: %d' % zoom)

    def the_magnifier_zooms_and_the_notations_follow(self):
        window = self.program.window
        self.point_at(PATTERN_LINE_X - 3, 60)
        self.assertEqual(self.text(COLOUR_TEXT), BACKGROUND)
        self.check_magnifier(4, 3)
        for _ in range(4):
            probe('post-command', window, ZOOM_OUT)  # at 1 it stays 1
        wait_for('zoom 1', lambda: self.text(ZOOM) == 'Zoom Level: 1')
        self.check_magnifier(1, 3)
        for _ in range(8):
            probe('post-command', window, ZOOM_IN)  # at 8 it stays 8
        wait_for('zoom 8', lambda: self.text(ZOOM) == 'Zoom Level: 8')
        self.check_magnifier(8, 3)
        self.assertIsNone(setting('ZoomLevel'), 'the zoom level is stored only by Exit')

        # The web notations of the colour under the pointer, rows 9 to 11.
        for row, expected in ((8, 'rgb(220, 20, 60)'), (9, 'hsl(348, 83%, 47%)'),
                              (10, 'hsv(348, 91%, 86%)'), (6, BACKGROUND)):
            probe('select-row', window, FORMAT_BOX, row)
            wait_for(expected, lambda: self.text(COLOUR_TEXT) == expected)

    def arrows_nudge_and_the_own_window_is_not_sampled(self):
        x, y = PATTERN_LINE_X - 3, 60
        for key, dx, dy in (('Right', 1, 0), ('Down', 1, 1), ('shift+Right', 11, 1)):
            xdotool('key', key)
            wait_for('the position after %s' % key,
                     lambda: self.text(POSITION) == 'X: %d Y: %d' % (x + dx, y + dy))

        left, top, _, _ = item_rect(self.program.window, COLOUR_LIST)
        xdotool('mousemove', left + 10, top + 10)
        self.point_at(x, y - 1)  # a later move outside is sampled again...
        xdotool('mousemove', left + 10, top + 20)
        xdotool('mousemove', left + 12, top + 22)
        self.assertEqual(self.text(POSITION), 'X: %d Y: %d' % (x, y - 1), '...but not inside')

        # A press on the window ends the session; the press still reaches the list.
        xdotool('click', 1)
        wait_for('the session to end', lambda: self.text(PICK) == 'Pick')
        self.assertEqual(list_items(self.program.window), [], 'sampling never adds')

    def stop_ends_a_session_and_starts_no_other(self):
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

    def an_icon_drag_keeps_the_colour_it_is_released_on(self):
        window = self.program.window
        drag_from_icon(window, 800, 230)
        self.wait_for_list([BLOCK])
        self.assertEqual(self.text(COLOUR_TEXT), BLOCK)

        # Released over the program's own list, a drag keeps nothing, not even
        # the colour it last passed over.
        left, top, _, _ = item_rect(window, COLOUR_LIST)
        drag_from_icon(window, 790, 60, release_at=(left + 10, top + 10))
        self.assertEqual(list_items(window), [BLOCK])

    def start_session_with_the_hotkey(self):
        xdotool('key', 'ctrl+shift+F11')
        wait_for('a session', lambda: self.text(PICK) == 'Stop')
        self.point_at(800, 60)

    def the_hotkeys_work_from_another_window(self):
        xdotool('mousemove', 100, 100)
        xdotool('click', 1)  # the desktop takes the focus
        xdotool('key', 'ctrl+F11')  # outside a session: only brings the window forward
        self.start_session_with_the_hotkey()
        # Copy When Kept on: the kept colour is also on the clipboard.
        probe('post-command', self.program.window, COPY_WHEN_KEPT)
        wait_for('CopyOnKeep 01 00', lambda: setting('CopyOnKeep') == '0100')
        set_clipboard_text('before')
        xdotool('key', 'ctrl+F11')
        self.wait_for_list([BACKGROUND, BLOCK])
        wait_for('the colour on the clipboard', lambda: clipboard_text() == BACKGROUND)
        # Off again: keeping leaves the clipboard alone.
        probe('post-command', self.program.window, COPY_WHEN_KEPT)
        wait_for('CopyOnKeep 00 00', lambda: setting('CopyOnKeep') == '0000')
        set_clipboard_text('left alone')
        xdotool('key', 'ctrl+F11')
        self.wait_for_list([BACKGROUND, BACKGROUND, BLOCK])
        self.assertEqual(clipboard_text(), 'left alone')
        xdotool('key', 'ctrl+shift+F11')
        wait_for('the session to end', lambda: self.text(PICK) == 'Pick')

    def the_options_dialog_changes_a_hotkey(self):
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

        self.start_session_with_the_hotkey()
        xdotool('key', 'ctrl+alt+p')
        self.wait_for_list([BACKGROUND] * 3 + [BLOCK])
        xdotool('key', 'ctrl+shift+F11')
        wait_for('the session to end', lambda: self.text(PICK) == 'Pick')

    def exit_stores_the_zoom_level_and_the_notation(self):
        probe('select-row', self.program.window, FORMAT_BOX, 9)  # CSS hsl()
        wait_for('Notation 6b 00', lambda: setting('Notation') == '6b00')
        self.assertEqual(self.program.exit(NO), 0)
        self.assertEqual(setting('ZoomLevel'), '0800')

    def the_next_start_names_a_held_hotkey_and_uses_the_settings(self):
        store_setting('ZoomLevel', '0c00')  # above 8, as an older version may leave it
        self.background(Holder('hold-hotkey', MOD_CONTROL | MOD_ALT, VK_P))
        self.program = self.launch(shown=False)
        dialog, message = wait_for('the refusal message',
                                   lambda: find_dialog("Can't register hotkey"))
        # The names come from the keyboard layout: Windows says Ctrl, Wine Control.
        self.assertRegex(message, r"^Can't register hotkey: (Ctrl|Control) \+ Alt \+ P$")
        self.assertFalse(visible(self.program.window), 'said before the window shows')
        probe('post-command', dialog, 1)
        wait_for('the window to show', lambda: visible(self.program.window))

        self.assertEqual(self.text(ZOOM), 'Zoom Level: 12', 'a stored level above 8 is used')
        probe('post-command', self.program.window, ZOOM_IN)
        wait_for('zoom 8', lambda: self.text(ZOOM) == 'Zoom Level: 8')
        self.assertEqual(probe('item-message', self.program.window, FORMAT_BOX, CB_GETCURSEL), '9')
        self.assertTrue(self.text(COLOUR_TEXT).startswith('hsl('), self.text(COLOUR_TEXT))

        # The hotkey nobody else holds still works.
        xdotool('key', 'ctrl+shift+F11')
        wait_for('the stop hotkey to start a session', lambda: self.text(PICK) == 'Stop')


if __name__ == '__main__':
    unittest.main()
