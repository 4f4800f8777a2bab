"""What every journey needs: start the program as a user would, read its windows
through the probe, drive the pointer and keyboard with xdotool, wait for
conditions with deadlines, and keep a screenshot when a step fails.

Runs inside tools/wine-session.sh (DISPLAY and WINEPREFIX set). Paths come from
the environment: TL_BUILD (the build folder, win64 or win32), TL_ARTEFACTS (where
screenshots go)."""
import ctypes
import os
import shutil
import subprocess
import time
import unittest

BUILD = os.environ.get('TL_BUILD', 'build/win64')
ARTEFACTS = os.environ.get('TL_ARTEFACTS', 'build/test-artefacts')
PROGRAM = os.path.join(BUILD, 'tintlens.exe')
PROBE = os.path.join(BUILD, 'tl_probe.exe')
PATTERN = os.path.join(BUILD, 'tl_pattern.exe')

# Control and command ids of the main window.
COLOUR_LIST, FORMAT_BOX, COLOUR_TEXT, MODE_BUTTON, POSITION = 1000, 1001, 1002, 1003, 1004
ZOOM, MAGNIFIER, PICK, COPY_BUTTON, DELETE_BUTTON, PICKER_ICON = 1006, 1007, 1009, 1010, 1011, 1019
OPTIONS, ABOUT, EXIT, NEW = 32780, 57664, 57602, 57600
OK, CANCEL, YES, NO = 1, 2, 6, 7
SAVE_QUESTION = 'Do you want to save the colors?'

# What tests/e2e/pattern.cpp shows, in screen coordinates.
PATTERN_RECT = (760, 20, 1010, 270)
PATTERN_BACKGROUND = (220, 20, 60)
PATTERN_LINE_X, PATTERN_LINE = 890, (30, 160, 70)
PATTERN_BLOCK = (40, 60, 200)  # (770, 200) to (830, 260)


def rgb_text(colour):
    """A colour as the RGB notation and the list's entries show it."""
    return '%d, %d, %d' % colour


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


def wait_until(condition, seconds):
    """Whether condition() comes true within the time; never raises."""
    try:
        return wait_for('', condition, timeout=seconds)
    except TimedOut:
        return False


def probe(*args, check=True):
    for _ in range(2):
        result = subprocess.run(['wine', PROBE] + [str(a) for a in args],
                                capture_output=True, text=True, timeout=60)
        # A probe that says nothing at all did not run (Wine failed to start it);
        # every refusal of its own names its reason.
        if result.returncode == 0 or result.stderr.strip():
            break
    if check and result.returncode != 0:
        raise AssertionError('probe %s failed: %s' % (' '.join(map(str, args)),
                                                      result.stderr.strip()))
    return result.stdout.strip() if result.returncode == 0 else None


def find_window(title, class_name='#32770', skip=()):
    """The first top-level window with that title that is not one of `skip`."""
    return probe('find-window', title, class_name, *skip, check=False)


def find_dialog(text):
    """(dialog, the control text that matched) of a dialog showing `text`, or None."""
    found = probe('find-dialog', text, check=False)
    if not found:
        return None
    dialog, _, control_text = found.partition(' ')
    return dialog, control_text


def answer(text, button):
    """Waits for the dialog showing `text` and presses one of its buttons."""
    dialog, _ = wait_for('the dialog "%s"' % text, lambda: find_dialog(text))
    probe('post-command', dialog, button)
    wait_for('the dialog "%s" to close' % text, lambda: find_dialog(text) is None)


def visible(window):
    """Whether a window is shown; a window that is gone is not."""
    return probe('visible', window, check=False) == '1'


def window_rect(window):
    return tuple(int(v) for v in probe('window-rect', window).split())


def item_rect(window, control_id):
    return tuple(int(v) for v in probe('item-rect', window, control_id).split())


def item_text(window, control_id):
    return probe('item-text', window, control_id)


def list_items(window, control_id=COLOUR_LIST):
    text = probe('list-items', window, control_id)
    return [line.rstrip('\r') for line in text.splitlines()] if text else []


def file_bytes(path):
    with open(path, 'rb') as f:
        return f.read()


def xdotool(*args):
    subprocess.run(['xdotool'] + [str(a) for a in args], check=True, timeout=30)


def click_item(window, control_id):
    """Clicks the middle of a control, as a user would."""
    left, top, right, bottom = item_rect(window, control_id)
    xdotool('mousemove', (left + right) // 2, (top + bottom) // 2)
    xdotool('click', 1)


def make_active(window):
    """Under Wine a window can be in front and still not active (a grey title
    bar), and then the click that activates it may lose its press to the
    activation; a user's click on the caption settles it first."""
    if probe('active', window) == '1':
        return
    left, top, right, _ = window_rect(window)
    xdotool('mousemove', (left + right) // 2, top + 8)
    xdotool('click', 1)
    wait_for('the window active', lambda: probe('active', window) == '1')


_drags = 0


def drag_from_icon(window, x, y, release_at=None, while_held=None):
    """Presses on the eyedropper icon, drags to (x, y), calls while_held() there if
    given, and releases there or at release_at. Each drag presses another spot of
    the icon: two presses on one spot in quick succession would be a double click."""
    global _drags
    left, top, _, bottom = item_rect(window, PICKER_ICON)
    press = (left + 4 + 6 * (_drags % 3), (top + bottom) // 2)
    _drags += 1

    # Under Wine a press that activates the window can be lost to the activation;
    # a user presses again, and so does this.
    def pressed():
        make_active(window)
        xdotool('mousemove', *press)
        xdotool('mousedown', 1)
        if wait_until(lambda: probe('has-capture', window) == '1', 5):
            return True
        xdotool('mouseup', 1)
        return False
    # Moves before the window takes the capture go to the window below them.
    wait_for('the drag to start', pressed, timeout=30)
    xdotool('mousemove', x, y)

    # Under Wine a move can be reported late with the place before it; a hand on
    # the mouse moves again, and so does this.
    def arrived():
        if item_text(window, POSITION) == 'X: %d Y: %d' % (x, y):
            return True
        xdotool('mousemove', x - 1, y)
        xdotool('mousemove', x, y)
        return False
    wait_for('the drag at (%d, %d)' % (x, y), arrived, every=1.0)
    if while_held:
        while_held()
    if release_at:
        xdotool('mousemove', *release_at)
    xdotool('mouseup', 1)
    wait_for('the drag to end', lambda: probe('has-capture', window) == '0')


def add_colour(window, x, y):
    """Keeps the colour at (x, y) with an icon drag released there."""
    before = len(list_items(window))
    drag_from_icon(window, x, y)
    wait_for('a colour added', lambda: len(list_items(window)) == before + 1)


def grab(left, top, right, bottom):
    """The screen's pixels in a rectangle: a dict from (x, y) to (r, g, b)."""
    result = subprocess.run(['import', '-window', 'root', '-crop',
                             '%dx%d+%d+%d' % (right - left, bottom - top, left, top), '-depth', '8',
                             'txt:-'],
                            capture_output=True, text=True, timeout=60, check=True)
    pixels = {}
    for line in result.stdout.splitlines():
        if line.startswith('#'):
            continue
        position, _, rest = line.partition(':')
        hex_colour = rest.split('#')[1][:6]
        x, y = (int(v) for v in position.split(','))
        pixels[(left + x, top + y)] = tuple(int(hex_colour[i:i + 2], 16) for i in (0, 2, 4))
    return pixels


def screenshot(name, rect=None):
    """Saves the screen, or just a rectangle of it (the README's pictures come
    from here), as NAME.png among the artefacts."""
    os.makedirs(ARTEFACTS, exist_ok=True)
    path = os.path.join(ARTEFACTS, name + '.png')
    crop = []
    if rect:
        left, top, right, bottom = rect
        crop = ['-crop', '%dx%d+%d+%d' % (right - left, bottom - top, left, top), '+repage']
    subprocess.run(['import', '-window', 'root'] + crop + [path], check=bool(rect), timeout=60,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return path


class Background:
    """A helper program running until stopped: the test pattern window, or the
    probe holding a hotkey or a file (shared with nobody), as another program would."""

    def __init__(self, *command, ready):
        self.process = subprocess.Popen(['wine'] + [str(c) for c in command],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        text=True)
        ready(self.process)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=30)
        self.process.stdout.close()


def _says_held(process):
    assert process.stdout.readline().strip() == 'held'


def Holder(*what):
    return Background(PROBE, *what, ready=_says_held)


def _pattern_shown(_):
    wait_for('the test pattern', lambda: find_window('Tintlens test pattern',
                                                     'TintlensTestPattern'))
    cx, cy = (PATTERN_RECT[0] + PATTERN_RECT[2]) // 2, (PATTERN_RECT[1] + PATTERN_RECT[3]) // 2
    wait_for('the test pattern on the screen',
             lambda: grab(cx, cy, cx + 1, cy + 1)[(cx, cy)] == PATTERN_BACKGROUND)


def Pattern():
    return Background(PATTERN, ready=_pattern_shown)


SETTINGS_KEY = r'HKCU\Software\Quorvane\Tintlens'


def setting(name):
    """A stored setting's bytes as hex ("0100"), or None when it is not there."""
    result = subprocess.run(['wine', 'reg', 'query', SETTINGS_KEY, '/v', name],
                            capture_output=True, text=True, timeout=60)
    for line in result.stdout.splitlines():
        fields = line.split()
        if line.strip().startswith(name) and len(fields) >= 3 and fields[-2] == 'REG_BINARY':
            return fields[-1].lower()
    return None


def settings_key_exists():
    return subprocess.run(['wine', 'reg', 'query', SETTINGS_KEY], capture_output=True,
                          timeout=60).returncode == 0


def store_setting(name, hex_bytes):
    subprocess.run(['wine', 'reg', 'add', SETTINGS_KEY, '/v', name, '/t', 'REG_BINARY', '/d',
                    hex_bytes, '/f'], capture_output=True, timeout=60, check=True)


def windows_folder(variable):
    """A folder that the environment names, as (Windows path, Unix path)."""
    result = subprocess.run(['wine', 'cmd', '/c', 'echo', '%' + variable + '%'],
                            capture_output=True, text=True, timeout=60, check=True)
    windows = result.stdout.strip()
    unix = subprocess.run(['winepath', '-u', windows], capture_output=True, text=True, timeout=60,
                          check=True).stdout.strip()
    return windows, unix


_recovery_folder = None


def recovery_folder():
    """Where the program keeps copies of unsaved colours (Unix path)."""
    global _recovery_folder
    if not _recovery_folder:
        _recovery_folder = os.path.join(windows_folder('LOCALAPPDATA')[1], 'Tintlens', 'Recovery')
    return _recovery_folder


def set_clipboard_text(text):
    """Puts text on the X clipboard, as another program would."""
    subprocess.run(['xclip', '-i', '-selection', 'clipboard'], input=text, text=True,
                   timeout=30, check=True)


def clipboard_text():
    result = subprocess.run(['xclip', '-o', '-selection', 'clipboard'], capture_output=True,
                            text=True, timeout=30)
    return result.stdout if result.returncode == 0 else None


def work_area():
    return tuple(int(v) for v in probe('work-area').split())


def layout_faults(window):
    """What is wrong with a window's layout, as sentences: a shown control that
    reaches outside the client area, or two that overlap, unless one is a group
    box that holds the other whole."""
    lines = probe('children', window).splitlines()
    client = tuple(int(v) for v in lines[0].split())
    controls = []
    for line in lines[1:]:
        ident, kind, style, *rect = line.split()
        is_group = kind == 'Button' and int(style, 16) & 0xF == 7  # BS_GROUPBOX
        controls.append(('%s %s' % (kind, ident), is_group, tuple(int(v) for v in rect)))

    def holds(outer, inner):
        return (outer[0] <= inner[0] and outer[1] <= inner[1] and inner[2] <= outer[2] and
                inner[3] <= outer[3])

    def overlap(a, b):
        return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]
    faults = ['%s %s reaches outside the client area %s' % (name, rect, client)
              for name, _, rect in controls if not holds(client, rect)]
    for i, (name, group, rect) in enumerate(controls):
        for other, other_group, other_rect in controls[i + 1:]:
            if overlap(rect, other_rect) and not (group and holds(rect, other_rect)) and not (
                    other_group and holds(other_rect, rect)):
                faults.append('%s %s overlaps %s %s' % (name, rect, other, other_rect))
    return faults


class _CursorImage(ctypes.Structure):
    """XFixesCursorImage of <X11/extensions/Xfixes.h>."""
    _fields_ = [('x', ctypes.c_short), ('y', ctypes.c_short), ('width', ctypes.c_ushort),
                ('height', ctypes.c_ushort), ('xhot', ctypes.c_ushort), ('yhot', ctypes.c_ushort),
                ('cursor_serial', ctypes.c_ulong), ('pixels', ctypes.POINTER(ctypes.c_ulong)),
                ('atom', ctypes.c_ulong), ('name', ctypes.c_char_p)]


def cursor():
    """The pointer's shape as the X display shows it (a Windows program cannot
    read another's cursor under Wine): (width, height, hot spot x, y, and the
    left, top, right and bottom of its drawn pixels)."""
    x11, xfixes = ctypes.CDLL('libX11.so.6'), ctypes.CDLL('libXfixes.so.3')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise AssertionError('cannot open the X display')
    try:
        found = xfixes.XFixesGetCursorImage(display)
        if not found:
            raise AssertionError('the X display shows no cursor')
        image = found.contents
        width, height = image.width, image.height
        drawn = [(i % width, i // width) for i in range(width * height)
                 if image.pixels[i] >> 24 & 0xFF]
        shape = (width, height, image.xhot, image.yhot, min(x for x, _ in drawn),
                 min(y for _, y in drawn), max(x for x, _ in drawn), max(y for _, y in drawn))
        x11.XFree(found)
        return shape
    finally:
        x11.XCloseDisplay(display)


DESKTOP_SIZE = os.environ.get('TL_SESSION_SCREEN', '1024x768')
_desktop = None  # the desktop that set_display started


def desktop_size():
    result = subprocess.run(['xdotool', 'search', '--name', 'shell - Wine desktop',
                             'getwindowgeometry'], capture_output=True, text=True, timeout=30)
    for line in result.stdout.splitlines():
        if 'Geometry:' in line:
            return line.split()[-1]
    return None


def set_display(dpi, size=DESKTOP_SIZE):
    """Starts the session's Windows side afresh at `dpi` (the prefix's LogPixels)
    with a desktop of `size` ("2048x1536"); every Windows program of the session
    ends first. set_display(96) goes back to how the session began."""
    for key in (r'HKCU\Control Panel\Desktop',
                r'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'):
        subprocess.run(['wine', 'reg', 'add', key, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d',
                        str(dpi), '/f'], capture_output=True, timeout=60, check=True)
    subprocess.run(['wine', 'reg', 'add', r'HKCU\Software\Wine\Explorer\Desktops', '/v', 'shell',
                    '/d', size, '/f'], capture_output=True, timeout=60, check=True)
    # The DPI is read as the Windows side starts: end it, and wait until it has.
    subprocess.run(['wineserver', '-k'], capture_output=True, timeout=60)
    subprocess.run(['wineserver', '-w'], capture_output=True, timeout=60)
    global _desktop
    if _desktop:
        _desktop.wait(timeout=30)  # gone with the rest

    # The desktop first, as the session starts it, so that programs do not race
    # each other to start it. Wine sometimes fails to start it; then again.
    def started():
        global _desktop
        _desktop = subprocess.Popen(['wine', 'explorer.exe', '/desktop=shell,' + size],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if wait_until(lambda: desktop_size() == size, 30):
            return True
        _desktop.kill()
        _desktop.wait(timeout=30)
        return False
    wait_for('the %s desktop' % size, started, timeout=90)


def fresh_start():
    """As before a first start: no settings, no recovery copies (a program ended
    with its Wine session leaves its copy), and no pointer left over a control."""
    subprocess.run(['wine', 'reg', 'delete', r'HKCU\Software\Quorvane', '/f'],
                   capture_output=True, timeout=60)
    shutil.rmtree(recovery_folder(), ignore_errors=True)
    xdotool('mousemove', 1, 1)


class Program:
    """tintlens.exe (the build's, or another copy such as an installed one) started
    through wine, stopped by its process id. Its window is the first one with
    `title` that is not one of `skip` (other instances' windows)."""

    def __init__(self, path=PROGRAM, title='Tintlens', skip=(), shown=True):
        self.process = subprocess.Popen(['wine', path], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = wait_for('the main window "%s"' % title,
                               lambda: find_window(title, '#32770', skip))
        # The window exists, hidden, while it sets itself up; a click before it
        # shows lands on whatever is below, and one before it is in front can be
        # undone by its activation (which takes the focus and the capture back).
        if shown:
            wait_for('the main window in front', lambda: probe('foreground') == self.window)
            make_active(self.window)
            xdotool('mousemove', 1, 1)

    def text(self, control):
        return item_text(self.window, control)

    def wait_exit(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def exit(self, reply=None):
        """File > Exit; with `reply`, answers the question about unsaved colours
        that it must ask. Returns the exit code."""
        probe('post-command', self.window, EXIT)
        if reply:
            answer(SAVE_QUESTION, reply)
        return self.wait_exit()

    def stop(self):
        """Ends the program through Exit, so its pointer hook and hotkeys go with it;
        killing it with a hook in place can stall the desktop's input for a while.
        Whatever it leaves unsaved goes too: no later start restores it."""
        if self.process.poll() is None:
            probe('post-command', self.window, EXIT, check=False)
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=30)
        shutil.rmtree(recovery_folder(), ignore_errors=True)


class Journey(unittest.TestCase):
    """A user's way through the program: a few starts, and steps walked in order."""

    def setUp(self):
        fresh_start()

    def launch(self, path=PROGRAM, title='Tintlens', skip=(), shown=True):
        program = Program(path, title, skip, shown)
        self.addCleanup(program.stop)
        return program

    def background(self, helper):
        """Stops a Pattern() or Holder() at the end, whatever happens."""
        self.addCleanup(helper.stop)
        return helper

    def walk(self, *steps):
        """Runs the steps in order, each as a sub-test named after it. The first
        one that fails ends the walk (the later ones build on it), and leaves a
        screenshot."""
        for step in steps:
            done = False
            with self.subTest(step=step.__name__):
                try:
                    step()
                except unittest.SkipTest:
                    raise
                except Exception:
                    print('\n  screenshot of the failure: %s' % screenshot(step.__name__))
                    raise
                done = True
            if not done:
                break
