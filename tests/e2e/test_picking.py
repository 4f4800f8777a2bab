"""Picking, and the settings it leaves: a session over the test pattern that
follows the pointer and reads exact pixels, the Stop button, icon drags, the
global hotkeys from another window, the Options dialog, a typed colour, and what
Exit and the slider model store for the next start, which finds one of its
hotkeys held by another program and a format of the user's own in the registry,
and a start after it that remembers that format."""
import unittest

from harness import *  # noqa: F403 (the journeys' shared vocabulary)

ALWAYS_ON_TOP, ZOOM_IN, COPY_WHEN_KEPT = 32776, 32778, 32803
CB_GETCURSEL, HKM_GETHOTKEY, START_HOTKEY_CONTROL = 0x0147, 0x0402, 1017
RGB_LABEL, SLIDER_MODEL, THIRD_SLIDER_LABEL = 1005, 1040, 1043
MOD_ALT, MOD_CONTROL, VK_P = 0x0001, 0x0002, 0x50
BACKGROUND, BLOCK = rgb_text(PATTERN_BACKGROUND), rgb_text(PATTERN_BLOCK)


class PickingWithSettings(Journey):

    def test_picking_and_the_settings_the_next_start_uses(self):
        # The pattern first, so that Tintlens starts in front as a user has it.
        self.helper('pattern')
        self.program = self.launch()
        self.walk(self.a_first_start_stores_nothing_until_always_on_top_is_toggled,
                  self.a_session_reads_the_exact_pixel_under_the_pointer,
                  self.the_magnifier_zooms_in_to_8,
                  self.arrows_nudge_and_a_press_on_the_window_ends_the_session,
                  self.stop_ends_a_session_and_starts_no_other,
                  self.an_icon_drag_keeps_the_colour_it_is_released_on,
                  self.the_hotkeys_work_from_another_window,
                  self.the_options_dialog_changes_a_hotkey,
                  self.a_typed_colour_becomes_current,
                  self.exit_stores_the_zoom_level_and_the_notation,
                  self.the_next_start_names_a_held_hotkey_and_uses_the_settings,
                  self.a_format_of_ones_own_is_remembered_at_the_next_start)

    def text(self, control):
        return self.program.text(control)

    def wait_text(self, control, expected):
        wait_for('"%s" in control %d' % (expected, control), lambda: self.text(control) == expected)

    def start_session(self):
        # Under Wine a click that activates the window can be lost to the
        # activation; a user clicks again, and so does this.
        def started():
            make_active(self.program.window)
            click_item(self.program.window, PICK)
            return wait_for(None, lambda: self.text(PICK) == 'Stop', 5)
        wait_for('the pick button to read "Stop"', started, timeout=30)

    def point_at(self, x, y):
        xdotool('mousemove', x, y)
        self.wait_text(POSITION, 'X: %d Y: %d' % (x, y))

    def wait_for_list(self, entries):
        wait_for('the list %s' % entries, lambda: list_items(self.program.window) == entries)

    def a_first_start_stores_nothing_until_always_on_top_is_toggled(self):
        self.assertIsNone(registry(SETTINGS_KEY), 'a first run creates no key until it saves')
        for stored in ('0100', '0000'):
            self.program.command(ALWAYS_ON_TOP)
            wait_for('AlwaysOnTop %s' % stored, lambda: setting('AlwaysOnTop') == stored)

    def a_session_reads_the_exact_pixel_under_the_pointer(self):
        probe('move-window', self.program.window, 280, 20)  # beside the pattern, for the README
        self.start_session()
        for x, y in ((905, 160), (1000, 250), (950, 195)):
            self.point_at(x, y)
            self.assertEqual(self.text(COLOUR_TEXT), rgb_text(grab(x, y, x + 1, y + 1)[(x, y)]))
        left, top, right, bottom = rect(self.program.window, MAGNIFIER)
        wait_for('the magnifier showing the field', lambda: len(set(
            grab(left + 2, top + 2, right - 2, bottom - 2).values())) > 10)
        screenshot('picking', (270, 10, 1020, 365))

    def check_magnifier(self, zoom):
        """The one-pixel line 3 pixels right of the pointer, drawn `zoom` wide
        about 3 x `zoom` right of the view's centre."""
        left, top, right, bottom = rect(self.program.window, MAGNIFIER)
        cx, y = (left + right) // 2, (top + bottom) // 2 + 10

        def line():
            pixels = grab(left + 1, y, right - 1, y + 1)
            found = [x for x in range(left + 1, right - 1) if pixels[(x, y)] == PATTERN_LINE]
            return found if abs(len(found) - zoom) <= 1 else None
        row = wait_for('the line about %d wide in the magnifier' % zoom, line)
        self.assertEqual(row, list(range(row[0], row[0] + len(row))), 'one run')
        self.assertLessEqual(abs(row[0] - (cx + 3 * zoom)), zoom)

    def the_magnifier_zooms_in_to_8(self):
        self.point_at(PATTERN_LINE_X - 3, 60)
        self.assertEqual(self.text(COLOUR_TEXT), BACKGROUND)
        self.check_magnifier(4)
        for _ in range(5):  # to 8 and no further
            self.program.command(ZOOM_IN)
        self.wait_text(ZOOM, 'Zoom Level: 8')
        self.check_magnifier(8)
        self.assertIsNone(setting('ZoomLevel'), 'the zoom level is stored only by Exit')

    def arrows_nudge_and_a_press_on_the_window_ends_the_session(self):
        x, y = PATTERN_LINE_X - 3, 60
        for key, dx, dy in (('Right', 1, 0), ('Down', 1, 1), ('shift+Right', 11, 1)):
            xdotool('key', key)
            self.wait_text(POSITION, 'X: %d Y: %d' % (x + dx, y + dy))
        click_item(self.program.window, COLOUR_LIST)
        self.wait_text(PICK, 'Pick')

    def stop_ends_a_session_and_starts_no_other(self):
        self.start_session()
        self.point_at(800, 60)
        click_item(self.program.window, PICK)
        self.wait_text(PICK, 'Pick')
        xdotool('mousemove', 820, 70)
        xdotool('mousemove', 821, 71)
        self.assertEqual(self.text(PICK), 'Pick')
        self.assertEqual(self.text(POSITION), 'X: 800 Y: 60', 'no session follows the pointer')

        # A press on Stop released beside the button ends the session without a
        # click; the next click on Pick still starts one.
        self.start_session()
        left, top, right, bottom = rect(self.program.window, PICK)
        xdotool('mousemove', (left + right) // 2, (top + bottom) // 2)
        xdotool('mousedown', 1)
        self.wait_text(PICK, 'Pick')
        xdotool('mousemove', right + 30, bottom + 30)
        xdotool('mouseup', 1)
        self.start_session()
        click_item(self.program.window, PICK)
        self.wait_text(PICK, 'Pick')

    def an_icon_drag_keeps_the_colour_it_is_released_on(self):
        drag_from_icon(self.program.window, 800, 230)
        self.wait_for_list([BLOCK])
        self.assertEqual(self.text(COLOUR_TEXT), BLOCK)

    def keep_with(self, key, entries):
        """Starts a session with the stop hotkey, keeps the background with `key`
        and ends the session."""
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Stop')
        self.point_at(800, 60)
        xdotool('key', key)
        self.wait_for_list(entries)
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Pick')

    def the_hotkeys_work_from_another_window(self):
        click_at(100, 100)
        wait_for('the desktop in front', lambda: not state(self.program.window, 'foreground'))
        xdotool('key', 'ctrl+F11')  # outside a session: only brings the window forward
        wait_for('the window in front', lambda: state(self.program.window, 'foreground'))
        # Copy When Kept on: the kept colour is also on the clipboard; off again:
        # keeping leaves the clipboard alone.
        for stored, clipboard, kept in (('0100', BACKGROUND, 1), ('0000', 'left alone', 2)):
            self.program.command(COPY_WHEN_KEPT)
            wait_for('CopyOnKeep %s' % stored, lambda: setting('CopyOnKeep') == stored)
            clipboard_text('left alone')
            self.keep_with('ctrl+F11', [BACKGROUND] * kept + [BLOCK])
            wait_for('"%s" on the clipboard' % clipboard, lambda: clipboard_text() == clipboard)

    def the_options_dialog_changes_a_hotkey(self):
        self.program.command(OPTIONS)
        dialog, _ = wait_for('the Options dialog', lambda: find_dialog('Pick Color Hotkey:'))
        click_item(dialog, START_HOTKEY_CONTROL)
        xdotool('key', 'ctrl+alt+p')
        wait_for('the new hotkey in its control', lambda: probe(
            'item-message', dialog, START_HOTKEY_CONTROL, HKM_GETHOTKEY) == str(0x0650))
        click_item(dialog, 1)  # OK
        wait_for('the dialog to close', lambda: find_dialog('Pick Color Hotkey:') is None)
        self.assertEqual((setting('Start Hotkey'), setting('Stop Hotkey')), ('5006', '7a03'))
        self.keep_with('ctrl+alt+p', [BACKGROUND] * 3 + [BLOCK])

    def type_colour(self, text):
        """Replaces the colour text with `text`, as typed, and presses Enter."""
        click_item(self.program.window, COLOUR_TEXT)
        xdotool('key', 'End', 'shift+Home', 'BackSpace')
        wait_for('the colour text emptied', lambda: self.text(COLOUR_TEXT) == '')
        xdotool('type', text)
        self.wait_text(COLOUR_TEXT, text)
        xdotool('key', 'Return')

    def a_typed_colour_becomes_current(self):
        self.type_colour('steelblue')
        self.wait_text(COLOUR_TEXT, '70, 130, 180')
        self.assertEqual(self.text(RGB_LABEL), 'R: 70 G: 130 B: 180')
        # Text that is no colour stays as typed, changes nothing and says why.
        self.type_colour('no colour')
        wait_for('the balloon', lambda: find_window('Not a colour: no colour', 'tooltips_class32'))
        self.assertEqual(self.text(COLOUR_TEXT), 'no colour')
        self.assertEqual(self.text(RGB_LABEL), 'R: 70 G: 130 B: 180')
        self.assertIsNone(find_dialog('Not a colour'), 'no message box')

    def exit_stores_the_zoom_level_and_the_notation(self):
        probe('select-row', self.program.window, FORMAT_BOX, 9)  # CSS hsl()
        wait_for('Notation 6b 00', lambda: setting('Notation') == '6b00')
        probe('select-row', self.program.window, SLIDER_MODEL, 3)  # OKLCH, stored at once
        wait_for('SliderModel 03 00', lambda: setting('SliderModel') == '0300')
        self.assertEqual(self.program.exit(NO), 0)
        self.assertEqual(setting('ZoomLevel'), '0800')
        # A format of the user's own, as the Formats dialog stores it, beside one
        # whose template names an unknown token.
        run('wine', 'reg', 'add', SETTINGS_KEY, '/v', 'CustomFormats', '/t', 'REG_MULTI_SZ',
            '/d', 'Hex\t#{rx}{gx}{bx}\\0Bad\t{nope}', '/f')

    def the_next_start_names_a_held_hotkey_and_uses_the_settings(self):
        self.holder = self.helper('hold-hotkey', MOD_CONTROL | MOD_ALT, VK_P)
        self.program = self.launch(shown=False)
        dialog, message = wait_for('the refusal message',
                                   lambda: find_dialog("Can't register hotkey"))
        # The names come from the keyboard layout: Windows says Ctrl, Wine Control.
        self.assertRegex(message, r"^Can't register hotkey: (Ctrl|Control) \+ Alt \+ P$")
        self.assertFalse(visible(self.program.window), 'said before the window shows')
        probe('post-command', dialog, 1)
        wait_for('the window to show', lambda: visible(self.program.window))

        self.assertEqual(self.text(ZOOM), 'Zoom Level: 8')
        self.assertEqual(probe('item-message', self.program.window, FORMAT_BOX, CB_GETCURSEL), '9')
        self.assertTrue(self.text(COLOUR_TEXT).startswith('hsl('), self.text(COLOUR_TEXT))
        self.assertEqual(probe('item-message', self.program.window, SLIDER_MODEL, CB_GETCURSEL), '3')
        self.assertEqual(self.text(THIRD_SLIDER_LABEL), 'Hue', 'OKLCH: lightness, chroma, hue')
        xdotool('key', 'ctrl+shift+F11')  # the hotkey nobody else holds still works
        self.wait_text(PICK, 'Stop')
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Pick')

    def a_format_of_ones_own_is_remembered_at_the_next_start(self):
        formats = probe('combo-items', self.program.window, FORMAT_BOX).splitlines()
        self.assertEqual([f.rstrip('\r') for f in formats[15:]], ['CSS name', 'Hex'],
                         'after the built-in ones; the bad one left out')
        probe('select-row', self.program.window, FORMAT_BOX, 16)
        wait_for('Notation e8 03 (1000, the first format of ones own)',
                 lambda: setting('Notation') == 'e803')
        self.assertRegex(self.text(COLOUR_TEXT), r'^#[0-9a-f]{6}$')
        self.assertEqual(self.program.exit(), 0)
        stop(self.holder)
        self.program = self.launch()
        self.assertEqual(probe('item-message', self.program.window, FORMAT_BOX, CB_GETCURSEL), '16')
        self.assertRegex(self.text(COLOUR_TEXT), r'^#[0-9a-f]{6}$')


if __name__ == '__main__':
    unittest.main()
