"""What every end-to-end test needs: start the program as a user would, read its
windows through the probe, drive the pointer and keyboard with xdotool, wait for
conditions with deadlines, and keep a screenshot when something fails.

Runs inside tools/wine-session.sh (DISPLAY and WINEPREFIX set). Paths come from
the environment: TL_BUILD (the win64 build folder), TL_ARTEFACTS (where
screenshots go)."""
import os
import subprocess
import time
import unittest

BUILD = os.environ.get('TL_BUILD', 'build/win64')
ARTEFACTS = os.environ.get('TL_ARTEFACTS', 'build/test-artefacts')
PROGRAM = os.path.join(BUILD, 'tintlens.exe')
PROBE = os.path.join(BUILD, 'tl_probe.exe')


class TimedOut(AssertionError):
    pass


def wait_for(what, condition, timeout=20.0, every=0.1):
    """Polls condition() until it returns something true; fails naming `what`."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimedOut('timed out after %.0f s waiting for %s' % (timeout, what))
        time.sleep(every)


def probe(*args, check=True):
    result = subprocess.run(['wine', PROBE] + [str(a) for a in args],
                            capture_output=True, text=True, timeout=60)
    if check and result.returncode != 0:
        raise AssertionError('probe %s failed: %s' % (' '.join(map(str, args)),
                                                      result.stderr.strip()))
    return result.stdout.strip() if result.returncode == 0 else None


def find_window(title, class_name='#32770'):
    return probe('find-window', title, class_name, check=False)


def window_rect(window):
    return tuple(int(v) for v in probe('window-rect', window).split())


def item_rect(window, control_id):
    return tuple(int(v) for v in probe('item-rect', window, control_id).split())


def item_text(window, control_id):
    return probe('item-text', window, control_id)


def click_item(window, control_id):
    """Clicks the middle of a control, as a user would."""
    left, top, right, bottom = item_rect(window, control_id)
    xdotool('mousemove', (left + right) // 2, (top + bottom) // 2)
    xdotool('click', 1)


def clipboard_text():
    result = subprocess.run(['xclip', '-o', '-selection', 'clipboard'], capture_output=True,
                            text=True, timeout=30)
    return result.stdout if result.returncode == 0 else None


def work_area():
    return tuple(int(v) for v in probe('work-area').split())


def xdotool(*args):
    subprocess.run(['xdotool'] + [str(a) for a in args], check=True, timeout=30)


def screenshot(name):
    os.makedirs(ARTEFACTS, exist_ok=True)
    path = os.path.join(ARTEFACTS, name + '.png')
    subprocess.run(['import', '-window', 'root', path], check=False, timeout=60,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return path


def screenshot_window(window, name):
    """Saves just the window's rectangle; the README's pictures come from here."""
    left, top, right, bottom = window_rect(window)
    os.makedirs(ARTEFACTS, exist_ok=True)
    path = os.path.join(ARTEFACTS, name + '.png')
    subprocess.run(['import', '-window', 'root', '-crop',
                    '%dx%d+%d+%d' % (right - left, bottom - top, left, top), '+repage', path],
                   check=True, timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return path


class Program:
    """tintlens.exe started through wine, stopped by its process id."""

    def __init__(self):
        self.process = subprocess.Popen(['wine', PROGRAM], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = wait_for('the main window "Tintlens"', lambda: find_window('Tintlens'))

    def wait_exit(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=30)


class ProgramTest(unittest.TestCase):
    """Starts the program for each test and keeps a screenshot of any failure."""

    def setUp(self):
        subprocess.run(['wine', 'reg', 'delete', r'HKCU\Software\Quorvane', '/f'],
                       capture_output=True, timeout=60)
        xdotool('mousemove', 1, 1)  # no pointer left over a control from the last test
        self.program = Program()
        self.addCleanup(self.program.stop)
        self.addCleanup(self._screenshot_if_failed)  # runs before the stop

    def _screenshot_if_failed(self):
        if not self._outcome.success:
            print('\n  screenshot of the failure: %s' % screenshot(self.id().split('.')[-1]))
