"""Picking, and the settings it leaves: a session over the test pattern that
follows the pointer and reads exact pixels, the Contrast Checker following it,
the loupe's marks, grid, mean, wheel zoom, click to keep and the loupe at the
pointer, the Stop button, icon drags, the global hotkeys from another window, the
Options dialog, a typed colour, and what Exit and the slider model store for the
next start, which finds one of its hotkeys held by another program and a format
of the user's own in the registry and keeps every loupe setting, and a start
after it that remembers that format."""
import unittest

from harness import *  # noqa: F403 (the journeys' shared vocabulary)

ALWAYS_ON_TOP, ZOOM_IN, ZOOM_OUT = ID['ID_ALWAYS_ON_TOP'], ID['ID_ZOOM_IN'], ID['ID_ZOOM_OUT']
COPY_WHEN_KEPT, PIXEL_GRID = ID['ID_COPY_WHEN_KEPT'], ID['ID_PIXEL_GRID']
SAMPLE_1, SAMPLE_3 = ID['ID_SAMPLE_1'], ID['ID_SAMPLE_3']
LOUPE_AT_POINTER, CLICK_KEEPS = ID['ID_LOUPE_AT_POINTER'], ID['ID_CLICK_KEEPS']
MAX_ZOOM_BOX = ID['IDC_MAX_ZOOM']
WHITE, BLACK = (255, 255, 255), (0, 0, 0)
# By hand: the 3 x 3 round the block's top left corner (770, 200) holds 4 block
# and 5 background pixels; (4 x 40 + 5 x 220 + 4) / 9 = 140, and so on.
PATTERN_BLOCK_CORNER = (770, 200)
CORNER_MEAN = '140, 38, 122'
CB_GETCURSEL, HKM_GETHOTKEY = 0x0147, 0x0402
START_HOTKEY_CONTROL = ID['IDC_START_HOTKEY']
RGB_LABEL, SLIDER_MODEL = ID['IDC_RGB_LABEL'], ID['IDC_SLIDER_MODEL']
THIRD_SLIDER_LABEL = ID['IDC_SLIDER_LABEL_3']
MOD_ALT, MOD_CONTROL, VK_P = 0x0001, 0x0002, 0x50
CHECKER_RATIO = ID['IDC_CHECKER_RATIO']
BACKGROUND, BLOCK = rgb_text(PATTERN_BACKGROUND), rgb_text(PATTERN_BLOCK)


class PickingWithSettings(Journey):

    def test_picking_and_the_settings_the_next_start_uses(self):
        # The pattern first, so that Tintlens starts in front as a user has it.
        self.helper('pattern')
        self.program = self.launch()
        self.walk(self.a_first_start_stores_nothing_until_always_on_top_is_toggled,
                  self.a_session_reads_the_exact_pixel_under_the_pointer,
                  self.the_magnifier_zooms_in_to_8,
                  self.the_mark_sits_on_the_pixel_read_at_every_zoom,
                  self.the_grid_shows_at_zoom_8,
                  self.arrows_nudge_and_a_press_on_the_window_ends_the_session,
                  self.ctrl_k_opens_the_contrast_checker_which_follows_the_pointer,
                  self.stop_ends_a_session_and_starts_no_other,
                  self.an_icon_drag_keeps_the_colour_it_is_released_on,
                  self.the_hotkeys_work_from_another_window,
                  self.the_options_dialog_changes_a_hotkey,
                  self.the_wheel_zooms_to_the_largest_level_chosen,
                  self.a_click_keeps_a_colour_only_when_asked,
                  self.the_loupe_follows_the_pointer_beside_what_is_read,
                  self.a_3_by_3_sample_keeps_the_mean,
                  self.a_typed_colour_becomes_current,
                  self.exit_stores_the_zoom_level_and_the_notation,
                  self.the_next_start_names_a_held_hotkey_and_uses_the_settings,
                  self.the_loupe_settings_hold_at_the_next_start,
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

    def magnifier_block(self, zoom):
        """The magnifier's pixels, and the view columns and rows that show the
        pixel under the pointer: view x shows source x * w // view width (nearest
        neighbour), the pointer's source pixel being w // 2."""
        left, top, right, bottom = rect(self.program.window, MAGNIFIER)
        width, height = right - left, bottom - top
        source_w, source_h = -(-width // zoom), -(-height // zoom)
        columns = [left + x for x in range(width) if x * source_w // width == source_w // 2]
        rows = [top + y for y in range(height) if y * source_h // height == source_h // 2]
        return grab(left, top, right, bottom), columns, rows

    def the_mark_sits_on_the_pixel_read_at_every_zoom(self):
        """Over the lone white pixel the block that shows it is white but for the
        crosshair's arms, which invert it to black in one row and one column, and
        cross on a pixel that keeps its white. Just outside the block the arms
        invert black (or the black inner ring) to white: that tells their row and
        column."""
        self.point_at(*PATTERN_LONE_PIXEL)
        self.assertEqual(self.text(COLOUR_TEXT), rgb_text(WHITE))
        for zoom, steps in ((8, 0), (4, 4), (2, 2)):
            for _ in range(steps):
                self.program.command(ZOOM_OUT)
            self.wait_text(ZOOM, 'Zoom Level: %d' % zoom)

            def marked():
                pixels, columns, rows = self.magnifier_block(zoom)
                arm_rows = [y for y in rows if pixels[(columns[0] - 1, y)] == WHITE]
                arm_columns = [x for x in columns if pixels[(x, rows[0] - 1)] == WHITE]
                if len(arm_rows) != 1 or len(arm_columns) != 1:
                    return None
                expected = {(x, y): WHITE if (x == arm_columns[0]) == (y == arm_rows[0]) else BLACK
                            for x in columns for y in rows}
                return all(pixels[p] == colour for p, colour in expected.items())
            wait_for('the crosshair crossing on the white pixel at zoom %d' % zoom, marked)
        for _ in range(6):
            self.program.command(ZOOM_IN)
        self.wait_text(ZOOM, 'Zoom Level: 8')
        self.point_at(PATTERN_LINE_X - 3, 60)  # where the nudges start

    def the_grid_shows_at_zoom_8(self):
        """Over the background each source pixel's first view column is the
        grid's shade of it: every channel halfway toward the far end."""
        self.program.command(PIXEL_GRID)
        wait_for('PixelGrid 01 00', lambda: setting('PixelGrid') == '0100')
        shade = tuple(c + (256 - c) // 2 if c < 128 else c // 2 for c in PATTERN_BACKGROUND)
        left, top, right, bottom = rect(self.program.window, MAGNIFIER)
        y = top + 10  # a row clear of the crosshair and the line

        def lines():
            pixels = grab(left + 1, y, right - 1, y + 1)
            found = [x for x in range(left + 1, right - 1) if pixels[(x, y)] == shade]
            return found if len(found) >= 5 else None
        found = wait_for('grid lines in the magnifier', lines)
        # A source pixel is 7 or 8 view pixels wide (the view's width over its
        # source's); a line of another colour (the green line) may stand between.
        self.assertTrue(all(7 <= b - a <= 8 or 14 <= b - a <= 16 for a, b in zip(found, found[1:])),
                        found)
        self.program.command(PIXEL_GRID)
        wait_for('PixelGrid 00 00', lambda: setting('PixelGrid') == '0000')

    def the_wheel_zooms_to_the_largest_level_chosen(self):
        self.program.command(OPTIONS)
        dialog, _ = wait_for('the Options dialog', lambda: find_dialog('Pick Color Hotkey:'))
        probe('select-row', dialog, MAX_ZOOM_BOX, 2)  # 32
        click_item(dialog, 1)  # OK
        wait_for('MaxZoomLevel 32', lambda: setting('MaxZoomLevel') == '2000')
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Stop')
        self.point_at(800, 60)
        # Ctrl + wheel anywhere, the window below left alone, up to 32 and no further.
        for _ in range(26):
            xdotool('keydown', 'ctrl', 'click', '4', 'keyup', 'ctrl')
        self.wait_text(ZOOM, 'Zoom Level: 32')
        # The plain wheel over the magnifier zooms too.
        left, top, right, bottom = rect(self.program.window, MAGNIFIER)
        xdotool('mousemove', (left + right) // 2, (top + bottom) // 2)
        xdotool('click', '5')
        self.wait_text(ZOOM, 'Zoom Level: 31')
        for _ in range(23):
            xdotool('click', '5')
        self.wait_text(ZOOM, 'Zoom Level: 8')
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Pick')

    def a_click_keeps_a_colour_only_when_asked(self):
        entries = list_items(self.program.window)
        self.program.command(CLICK_KEEPS)
        wait_for('ClickKeeps 01 00', lambda: setting('ClickKeeps') == '0100')
        xdotool('key', 'ctrl+shift+F11')  # brings the window forward, too
        self.wait_text(PICK, 'Stop')
        wait_for('the window in front', lambda: state(self.program.window, 'foreground'))
        click_at(801, 61)  # on: kept, and the pattern below neither activates nor acts
        self.wait_for_list([BACKGROUND] + entries)
        self.assertEqual(self.text(PICK), 'Stop', 'the session goes on')
        self.assertTrue(state(self.program.window, 'foreground'), 'the click never reached the pattern')
        self.program.command(CLICK_KEEPS)
        wait_for('ClickKeeps 00 00', lambda: setting('ClickKeeps') == '0000')
        click_at(800, 60)  # off: the click goes to the pattern, nothing is kept
        wait_for('the pattern in front', lambda: not state(self.program.window, 'foreground'))
        self.assertEqual(list_items(self.program.window), [BACKGROUND] + entries)
        self.program.command(CLICK_KEEPS)  # on again, for the next start
        wait_for('ClickKeeps 01 00', lambda: setting('ClickKeeps') == '0100')
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Pick')

    def a_3_by_3_sample_keeps_the_mean(self):
        self.program.command(SAMPLE_3)
        wait_for('SampleSize 3', lambda: setting('SampleSize') == '0300')
        entries = list_items(self.program.window)
        drag_from_icon(self.program.window, *PATTERN_BLOCK_CORNER)
        self.wait_for_list([CORNER_MEAN] + entries)
        self.assertEqual(self.text(POSITION), 'X: %d Y: %d' % PATTERN_BLOCK_CORNER,
                         "the position names the pointer's pixel")

    def the_loupe_follows_the_pointer_beside_what_is_read(self):
        self.program.command(LOUPE_AT_POINTER)
        wait_for('LoupeAtPointer 01 00', lambda: setting('LoupeAtPointer') == '0100')
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Stop')
        loupe = wait_for('the loupe', lambda: find_window('Tintlens Loupe', 'TintlensLoupe'))
        left, top, right, bottom = rect(self.program.window, MAGNIFIER)
        half_w, half_h = -(-(right - left) // 8) // 2 + 1, -(-(bottom - top) // 8) // 2 + 1
        places = set()
        for x, y in ((905, 160), (990, 250), (780, 40)):
            self.point_at(x, y)

            def beside():
                l, t, r, b = rect(loupe)
                apart = l >= x + half_w or r <= x - half_w or t >= y + half_h or b <= y - half_h
                return (l, t) if visible(loupe) and apart else None
            places.add(wait_for('the loupe beside (%d, %d)' % (x, y), beside))
            # Where the loupe was, the pattern paints again before the pick reads it.
            wait_for('the exact pixel at (%d, %d)' % (x, y), lambda: self.text(COLOUR_TEXT) == rgb_text(
                grab(x, y, x + 1, y + 1)[(x, y)]))
            if (x, y) == (905, 160):
                screenshot('loupe', (600, 0, 1024, 420))
        self.assertEqual(len(places), 3, 'it follows the pointer')
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Pick')
        wait_for('the loupe gone', lambda: not visible(loupe))

    def arrows_nudge_and_a_press_on_the_window_ends_the_session(self):
        x, y = PATTERN_LINE_X - 3, 60
        for key, dx, dy in (('Right', 1, 0), ('Down', 1, 1), ('shift+Right', 11, 1)):
            xdotool('key', key)
            self.wait_text(POSITION, 'X: %d Y: %d' % (x + dx, y + dy))
        click_item(self.program.window, COLOUR_LIST)
        self.wait_text(PICK, 'Pick')

    def ctrl_k_opens_the_contrast_checker_which_follows_the_pointer(self):
        self.start_session()
        self.point_at(800, 60)
        xdotool('key', 'ctrl+k')
        checker = wait_for('the Contrast Checker', lambda: find_window('Contrast Checker'))
        wait_for('the checker shown', lambda: visible(checker))
        self.assertEqual(self.text(PICK), 'Stop', 'the session goes on')
        probe('move-window', checker, 0, 300)  # below the main window, clear of the pattern
        self.assertEqual(layout_faults(checker), [])
        # Each colour of the pattern on white, by the WCAG formula worked apart
        # from the program: the background 4.98, the block 8.16, the line 3.40.
        for x, y, ratio in ((800, 230, '8.16'), (PATTERN_LINE_X, 60, '3.40'), (800, 60, '4.98')):
            self.point_at(x, y)
            wait_for('the ratio %s' % ratio, lambda: item_text(
                checker, CHECKER_RATIO) == 'Contrast ratio %s:1' % ratio)
        screenshot('contrast-checker', rect(checker))
        xdotool('key', 'Escape')
        wait_for('the checker closed', lambda: not visible(checker))
        self.assertTrue(visible(self.program.window), 'Escape closes only the checker')
        click_item(self.program.window, PICK)
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
        self.assertEqual(self.program.exit(NO), 0)  # the colour a click kept is not saved
        stop(self.holder)
        self.program = self.launch()
        self.assertEqual(probe('item-message', self.program.window, FORMAT_BOX, CB_GETCURSEL), '16')
        self.assertRegex(self.text(COLOUR_TEXT), r'^#[0-9a-f]{6}$')

    def the_loupe_settings_hold_at_the_next_start(self):
        # In a session: the loupe shows, 3 x 3 means, a click keeps, and Ctrl +
        # wheel goes past 8.
        self.assertEqual([setting(name) for name in (
            'MaxZoomLevel', 'PixelGrid', 'SampleSize', 'ClickKeeps', 'LoupeAtPointer')],
            ['2000', '0000', '0300', '0100', '0100'])
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Stop')
        loupe = wait_for('the loupe', lambda: find_window('Tintlens Loupe', 'TintlensLoupe'))
        self.point_at(*PATTERN_BLOCK_CORNER)
        wait_for('the loupe shown', lambda: visible(loupe))
        entries = list_items(self.program.window)
        click_at(*PATTERN_BLOCK_CORNER)
        wait_for('the mean kept by a click', lambda: len(list_items(self.program.window)) == len(entries) + 1)
        self.assertEqual(list_items(self.program.window)[0], CORNER_MEAN)
        xdotool('keydown', 'ctrl', 'click', '4', 'keyup', 'ctrl')
        self.wait_text(ZOOM, 'Zoom Level: 9')
        xdotool('key', 'ctrl+shift+F11')
        self.wait_text(PICK, 'Pick')


if __name__ == '__main__':
    unittest.main()
