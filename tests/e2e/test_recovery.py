"""Nothing picked is lost: the unsaved colours of a Tintlens that is killed come
back at the next start, and the copy of one still running is left to it."""
import os
import unittest

from harness import (COLOUR_LIST, EXIT, PATTERN_BACKGROUND, PATTERN_BLOCK, PATTERN_LINE,
                     PATTERN_LINE_X, Pattern, ProgramTest, add_colour, file_bytes, find_dialog,
                     list_items, probe, recovery_folder, store_setting, visible,
                     wait_for)

QUESTION = 'Do you want to save the colors?'
IDNO = 7


def entries(colours):
    return ['%d, %d, %d' % colour for colour in colours]


def copies():
    """The recovery copies there are now: file name to their colours."""
    found = {}
    folder = recovery_folder()
    for name in os.listdir(folder) if os.path.isdir(folder) else []:
        if name.endswith('.clf'):
            data = file_bytes(os.path.join(folder, name))
            found[name] = [tuple(data[i:i + 3]) for i in range(13, len(data) - 3, 4)]
    return found


class Recovery(ProgramTest):
    launch_in_setup = False

    def setUp(self):
        super().setUp()
        self.pattern = Pattern()
        self.addCleanup(self.pattern.stop)

    def exit_without_saving(self, program):
        probe('post-command', program.window, EXIT)
        dialog, _ = wait_for('the save question', lambda: find_dialog(QUESTION))
        probe('post-command', dialog, IDNO)
        self.assertEqual(program.wait_exit(), 0)

    def test_a_killed_instances_colours_come_back_in_order_until_exit_lets_them_go(self):
        first = self.launch()
        for x, y in ((800, 60), (800, 230), (PATTERN_LINE_X, 60)):
            add_colour(first.window, x, y)
        kept = [PATTERN_LINE, PATTERN_BLOCK, PATTERN_BACKGROUND]  # the newest on top
        (orphan,) = wait_for('the copy of the unsaved colours',
                             lambda: [name for name, colours in copies().items() if colours == kept])
        first.process.kill()
        first.process.wait(timeout=30)

        second = self.launch(title='Tintlens - Recovered')
        self.assertEqual(list_items(second.window, COLOUR_LIST), entries(kept))
        wait_for('the copy taken over', lambda: list(copies().values()) == [kept] and
                 orphan not in copies())
        self.exit_without_saving(second)
        self.assertEqual(os.listdir(recovery_folder()), [], 'no copy and nothing else is left')

        third = self.launch()
        self.assertEqual(list_items(third.window, COLOUR_LIST), [])

    def test_a_running_instances_copy_is_left_to_it_and_only_a_killed_ones_is_restored(self):
        killed = self.launch()
        add_colour(killed.window, 800, 60)
        add_colour(killed.window, 800, 230)
        probe('move-window', killed.window, 0, 0)  # out of the way of the next window
        # Hotkeys of its own (Ctrl+F12, Ctrl+Shift+F12), so that no instance has to
        # say that another holds its hotkeys.
        store_setting('Start Hotkey', '7b02')
        store_setting('Stop Hotkey', '7b03')
        running = self.launch(skip=[killed.window])
        wait_for('the second window shown, its settings read', lambda: visible(running.window))
        store_setting('Start Hotkey', '7a02')
        store_setting('Stop Hotkey', '7a03')
        add_colour(running.window, PATTERN_LINE_X, 60)
        killed_colours, running_colours = [PATTERN_BLOCK, PATTERN_BACKGROUND], [PATTERN_LINE]
        wait_for('both copies', lambda: sorted(copies().values()) == sorted(
            [killed_colours, running_colours]))
        named = {tuple(map(tuple, colours)): name for name, colours in copies().items()}
        killed_copy, running_copy = named[tuple(killed_colours)], named[tuple(running_colours)]
        killed.process.kill()
        killed.process.wait(timeout=30)

        restored = self.launch(title='Tintlens - Recovered', skip=[running.window])
        self.assertEqual(list_items(restored.window, COLOUR_LIST), entries(killed_colours))

        def taken_over():
            found = copies()
            return (killed_copy not in found and found.pop(running_copy, None) == running_colours
                    and list(found.values()) == [killed_colours])
        wait_for('the killed copy taken over, the running one left', taken_over)
        self.assertEqual(probe('window-title', running.window), 'Tintlens')
        self.assertEqual(list_items(running.window, COLOUR_LIST), entries(running_colours))
        self.exit_without_saving(restored)
        self.exit_without_saving(running)
        self.assertEqual(copies(), {})


if __name__ == '__main__':
    unittest.main()
