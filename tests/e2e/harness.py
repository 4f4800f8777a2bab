"""What every journey needs: start the program as a user would, read its windows
through the probe, drive the pointer and keyboard with xdotool, wait for
conditions with deadlines, and keep a screenshot when a step fails.

Runs inside tools/wine-session.sh (DISPLAY and WINEPREFIX set). Paths come from
the environment: TL_BUILD (the build folder, win64 or win32), TL_ARTEFACTS (where
screenshots go). The journeys take all of this module's names."""
import functools
import os
import re
import shutil
import struct
import subprocess
import tempfile
import time
import unittest

BUILD = os.environ.get('TL_BUILD', 'build/win64')
ARTEFACTS = os.environ.get('TL_ARTEFACTS', 'build/test-artefacts')
PROGRAM, PROBE = os.path.join(BUILD, 'tintlens.exe'), os.path.join(BUILD, 'tl_probe.exe')


@functools.lru_cache(maxsize=None)
def program_version():
    """The version the build carries, from the header CMake makes of project(VERSION)."""
    with open(os.path.join(BUILD, 'generated', 'res', 'version.h'), encoding='utf-8') as header:
        return re.search(r'^#define TL_VERSION "(.+)"$', header.read(), re.M)[1]




def resource_ids():
    """The control and command ids as the program's one header defines them."""
    header = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'res',
                          'resource_ids.h')
    with open(header) as f:
        return {name: int(value) for name, value in
                re.findall(r'^#define (\w+) (\d+)', f.read(), re.MULTILINE)}


# Control and command ids of the main window, and dialog answers.
ID = resource_ids()
COLOUR_LIST, FORMAT_BOX, COLOUR_TEXT = ID['IDC_COLOUR_LIST'], ID['IDC_FORMAT_BOX'], ID['IDC_COLOUR_TEXT']
MODE_BUTTON, POSITION, ZOOM = ID['IDC_MODE_BUTTON'], ID['IDC_POSITION_LABEL'], ID['IDC_ZOOM_LABEL']
MAGNIFIER, PICK, COPY_BUTTON = ID['IDC_MAGNIFIER'], ID['IDC_PICK_BUTTON'], ID['IDC_COPY_BUTTON']
PICKER_ICON, OPTIONS, ABOUT = ID['IDC_PICKER_ICON'], ID['ID_OPTIONS'], ID['ID_APP_ABOUT']
EXIT, NEW, SAVE_AS = ID['ID_APP_EXIT'], ID['ID_FILE_NEW'], ID['ID_FILE_SAVE_AS']
OK, CANCEL, YES, NO = 1, 2, 6, 7
SAVE_QUESTION = 'Do you want to save the colors?'

# What the probe's test pattern shows, in screen coordinates.
PATTERN_BACKGROUND = (220, 20, 60)  # from (760, 20) to (1010, 270)
PATTERN_LINE_X, PATTERN_LINE = 890, (30, 160, 70)
PATTERN_BLOCK = (40, 60, 200)  # (770, 200) to (830, 260)
PATTERN_LONE_PIXEL = (850, 110)  # white, alone in black from (830, 90) to (871, 131)
SETTINGS_KEY = r'HKCU\Software\Quorvane\Tintlens'


def rgb_text(colour):
    """A colour as the RGB notation and the list's entries show it."""
    return '%d, %d, %d' % colour


def wait_for(what, condition, timeout=20.0, every=0.1):
    """Polls condition() until it returns something true; fails naming `what`,
    or with `what` None returns False."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or what is None and time.monotonic() > deadline:
            return value or False
        if time.monotonic() > deadline:
            raise AssertionError('timed out after %.0f s waiting for %s' % (timeout, what))
        time.sleep(every)


def run(*command, check=True):
    return subprocess.run([str(c) for c in command], capture_output=True, text=True,
                          errors='replace', timeout=120, check=check)


def probe(*args, check=True):
    for _ in range(2):
        result = run('wine', PROBE, *args, check=False)
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
    return found.split(' ', 1) if found else None


def answer(text, button):
    """Waits for the dialog showing `text` and presses one of its buttons."""
    dialog, _ = wait_for('the dialog "%s"' % text, lambda: find_dialog(text))
    probe('post-command', dialog, button)
    wait_for('the dialog "%s" to close' % text, lambda: find_dialog(text) is None)


def window_path(unix_path):
    return 'Z:' + unix_path.replace('/', '\\')


def choose_file(dialog_title, path, replace=False):
    """Fills in the open or save dialog's file name and presses Enter; with
    replace, answers Yes to the dialog's question about the existing file."""
    dialog = wait_for('the "%s" dialog' % dialog_title, lambda: find_window(dialog_title))
    probe('set-file-name', dialog, window_path(path))
    probe('post-command', dialog, OK)  # the Open or Save button
    if replace:
        answer('already exists', YES)
    wait_for('the dialog to close', lambda: find_window(dialog_title) is None)


def state(window, flag):
    """Whether a window is 'shown', the 'foreground' one, 'active', or its thread
    holds the 'capture'; a window that is gone is none of them."""
    flags = (probe('state', window, check=False) or '0 0 0 0').split()
    return flags[('shown', 'foreground', 'active', 'capture').index(flag)] == '1'


def visible(window):
    return state(window, 'shown')


def rect(window, control=None):
    """A window's or one of its controls' rectangle on the screen."""
    return tuple(int(v) for v in probe('rect', window, *([control] if control else [])).split())


def item_text(window, control_id=None):
    """A control's current text, or without one the window's title."""
    return probe('text', window, *([control_id] if control_id else []))


def list_items(window):
    return [line.rstrip('\r') for line in probe('list-items', window, COLOUR_LIST).splitlines()]


def clf_bytes(colours, first_name=None):
    """A colour list file's bytes; with first_name, a names block naming the first."""
    data = b'TintLns\x00\x10' + struct.pack('<I', len(colours))
    data += b''.join(bytes((r, g, b, 0)) for r, g, b in colours)
    if first_name:
        name = first_name.encode()
        data += b'TLNM' + struct.pack('<IIH', 1, 0, len(name)) + name
    return data


def file_bytes(path):
    with open(path, 'rb') as f:
        return f.read()


def xdotool(*args):
    run('xdotool', *args)


def click_at(x, y, *how):
    xdotool('mousemove', x, y)
    xdotool('click', *(how or ('1',)))


def click_item(window, control_id):
    """Clicks the middle of a control, as a user would."""
    left, top, right, bottom = rect(window, control_id)
    click_at((left + right) // 2, (top + bottom) // 2)


# Under Wine a window can be in front and still not active (a grey title bar),
# and then the click that activates it may lose its press to the activation; a
# user's click on the caption settles it first.
def make_active(window):
    if not state(window, 'active'):
        left, top, right, _ = rect(window)
        click_at((left + right) // 2, top + 8)
        wait_for('the window active', lambda: state(window, 'active'))


_drags = [0]


def drag_from_icon(window, x, y, release_at=None):
    """Presses on the eyedropper icon, drags to (x, y) and releases there or at
    release_at."""
    # Each drag presses another spot of the icon: two presses on one spot in
    # quick succession would be a double click.
    left, top, _, bottom = rect(window, PICKER_ICON)
    press = (left + 4 + 6 * (_drags[0] % 3), (top + bottom) // 2)
    _drags[0] += 1

    # Under Wine a press that activates the window can be lost to the activation;
    # a user presses again, and so does this.
    def pressed():
        make_active(window)
        xdotool('mousemove', *press)
        xdotool('mousedown', 1)
        if wait_for(None, lambda: state(window, 'capture'), 5):
            return True
        xdotool('mouseup', 1)
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
    wait_for('the drag at (%d, %d)' % (x, y), arrived, every=1.0)
    xdotool('mousemove', *(release_at or (x, y)))
    xdotool('mouseup', 1)
    wait_for('the drag to end', lambda: not state(window, 'capture'))


def add_colour(window, x, y):
    """Keeps the colour at (x, y) with an icon drag released there."""
    before = len(list_items(window))
    drag_from_icon(window, x, y)
    wait_for('a colour added', lambda: len(list_items(window)) == before + 1)


def import_screen(area, *output):
    """Runs ImageMagick's import on the screen, or an area (left, top, right, bottom) of it."""
    crop = ['-crop', '%dx%d+%d+%d' % (area[2] - area[0], area[3] - area[1], area[0], area[1]),
            '+repage'] if area else []
    return run('import', '-window', 'root', *crop, *output, check=bool(area)).stdout


def grab(*area):
    """The screen's pixels in an area: a dict from (x, y) to (r, g, b)."""
    pixels = {}
    for line in import_screen(area, '-depth', '8', 'txt:-').splitlines()[1:]:
        position, _, rest = line.partition(':')
        x, y = (int(v) for v in position.split(','))
        pixels[(area[0] + x, area[1] + y)] = tuple(
            int(rest.split('#')[1][i:i + 2], 16) for i in (0, 2, 4))
    return pixels


def screenshot(name, area=None):
    """Saves the screen, or just an area of it (the README's pictures come from
    here), as NAME.png among the artefacts."""
    os.makedirs(ARTEFACTS, exist_ok=True)
    path = os.path.join(ARTEFACTS, name + '.png')
    import_screen(area, path)
    return path


def stop(process):
    if process.poll() is None:
        process.kill()
    process.wait(timeout=30)


def registry(key):
    """A registry key's values as a dict from name to data text (binary data in
    lower-case hex, "0100"), or None when the key is not there."""
    result = run('wine', 'reg', 'query', key, check=False)
    if result.returncode != 0:
        return None
    found = (re.match(r'^    (.+?)    (REG_\w+)    (.*)$', line.rstrip('\r'))
             for line in result.stdout.splitlines())
    return {m[1]: m[3].lower() if m[2] == 'REG_BINARY' else m[3] for m in found if m}


def setting(name):
    """A stored setting's bytes as hex, or None when it is not there."""
    return (registry(SETTINGS_KEY) or {}).get(name)


def store_setting(name, hex_bytes):
    run('wine', 'reg', 'add', SETTINGS_KEY, '/v', name, '/t', 'REG_BINARY', '/d', hex_bytes, '/f')


def windows_folder(variable):
    """A folder that the environment names, as (Windows path, Unix path)."""
    windows = run('wine', 'cmd', '/c', 'echo', '%' + variable + '%').stdout.strip()
    return windows, run('winepath', '-u', windows).stdout.strip()


@functools.lru_cache(maxsize=None)
def recovery_folder():
    """Where the program keeps copies of unsaved colours (Unix path)."""
    return os.path.join(windows_folder('LOCALAPPDATA')[1], 'Tintlens', 'Recovery')


def clipboard_text(text=None):
    """The X clipboard's text; with `text`, puts it there as another program would."""
    if text is not None:
        subprocess.run(['xclip', '-i', '-selection', 'clipboard'], input=text, text=True,
                       timeout=30, check=True)
        return text
    result = run('xclip', '-o', '-selection', 'clipboard', check=False)
    return result.stdout if result.returncode == 0 else None


def layout_faults(window):
    """What is wrong with a window's layout, as sentences: a shown control that
    reaches outside the client area, or two that overlap, unless one is a group
    box that holds the other whole."""
    lines = probe('children', window).splitlines()
    client = tuple(int(v) for v in lines[0].split())
    controls = [('%s %s' % (kind, ident), kind == 'Button' and int(style, 16) & 0xF == 7,  # BS_GROUPBOX
                 tuple(int(v) for v in box)) for ident, kind, style, *box in map(str.split, lines[1:])]

    def holds(outer, inner):
        return all(outer[i] <= inner[i] and inner[i + 2] <= outer[i + 2] for i in (0, 1))

    def overlap(a, b):
        return all(a[i] < b[i + 2] and b[i] < a[i + 2] for i in (0, 1))
    faults = ['%s %s reaches outside the client area %s' % (name, box, client)
              for name, _, box in controls if not holds(client, box)]
    for i, (name, group, box) in enumerate(controls):
        for other, other_group, other_box in controls[i + 1:]:
            if overlap(box, other_box) and not (group and holds(box, other_box)) and not (
                    other_group and holds(other_box, box)):
                faults.append('%s %s overlaps %s %s' % (name, box, other, other_box))
    return faults


_desktop = []  # the desktop that set_display started


def set_display(dpi, size=os.environ.get('TL_SESSION_SCREEN', '1024x768')):
    """Starts the session's Windows side afresh at `dpi` (the prefix's LogPixels)
    with a desktop of `size` ("2048x1536"); every Windows program of the session
    ends first. set_display(96) goes back to how the session began."""
    for key in (r'HKCU\Control Panel\Desktop',
                r'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'):
        run('wine', 'reg', 'add', key, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', dpi, '/f')
    run('wine', 'reg', 'add', r'HKCU\Software\Wine\Explorer\Desktops', '/v', 'shell', '/d', size,
        '/f')
    # The DPI is read as the Windows side starts: end it, and wait until it has.
    run('wineserver', '-k', check=False)
    run('wineserver', '-w', check=False)
    for desktop in _desktop:
        desktop.wait(timeout=30)  # gone with the rest

    def desktop_size():
        found = run('xdotool', 'search', '--name', 'shell - Wine desktop', 'getwindowgeometry',
                    check=False).stdout.split()
        return found[found.index('Geometry:') + 1] if 'Geometry:' in found else None

    # The desktop first, as the session starts it, so that programs do not race
    # each other to start it. Wine sometimes fails to start it; then again.
    def started():
        _desktop[:] = [subprocess.Popen(['wine', 'explorer.exe', '/desktop=shell,' + size],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        if wait_for(None, lambda: desktop_size() == size, 30):
            return True
        _desktop[0].kill()
        _desktop[0].wait(timeout=30)
    wait_for('the %s desktop' % size, started, timeout=90)


def fresh_start():
    """As before a first start: no settings, no recovery copies, and no pointer
    left over a control."""
    # A program ended with its Wine session leaves its recovery copy.
    run('wine', 'reg', 'delete', r'HKCU\Software\Quorvane', '/f', check=False)
    shutil.rmtree(recovery_folder(), ignore_errors=True)
    xdotool('mousemove', 1, 1)


class Program:
    """tintlens.exe (the build's, or another copy such as an installed one) started
    through wine, stopped by its process id. Its window is the first one with
    `title` that is not one of `skip` (other instances' windows)."""

    def __init__(self, path=PROGRAM, title='Tintlens', skip=(), shown=True, args=()):
        self.process = subprocess.Popen(['wine', path] + list(args), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = wait_for('the main window "%s"' % title,
                               lambda: find_window(title, '#32770', skip))
        # The window exists, hidden, while it sets itself up; a click before it
        # shows lands on whatever is below, and one before it is in front can be
        # undone by its activation (which takes the focus and the capture back).
        if shown:
            wait_for('the main window in front', lambda: state(self.window, 'foreground'))
            make_active(self.window)
            xdotool('mousemove', 1, 1)

    def text(self, control=None):
        return item_text(self.window, control)

    def command(self, command_id):
        probe('post-command', self.window, command_id)

    def exit(self, reply=None):
        """File > Exit; with `reply`, answers the question about unsaved colours
        that it must ask. Returns the exit code."""
        self.command(EXIT)
        if reply:
            answer(SAVE_QUESTION, reply)
        return self.process.wait(timeout=30)

    # Through Exit, so that its pointer hook and hotkeys go with it: killing it
    # with a hook in place can stall the desktop's input for a while. Whatever it
    # leaves unsaved goes too: no later start restores it.
    def stop(self):
        if self.process.poll() is None:
            probe('post-command', self.window, EXIT, check=False)
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                stop(self.process)
        shutil.rmtree(recovery_folder(), ignore_errors=True)


class Journey(unittest.TestCase):
    """A user's way through the program: a few starts, and steps walked in order."""

    def setUp(self):
        fresh_start()

    def launch(self, *args, **kwargs):
        program = Program(*args, **kwargs)
        self.addCleanup(program.stop)
        return program

    def helper(self, *command):
        """The probe as another program until stop(it) or the end: showing the
        test pattern ('pattern'), or holding a hotkey or a file (shared with
        nobody)."""
        process = subprocess.Popen(['wine', PROBE] + [str(c) for c in command],
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.addCleanup(process.stdout.close)
        self.addCleanup(stop, process)
        self.assertEqual(process.stdout.readline().strip(), 'held', command)
        if command == ('pattern',):  # shown is not yet painted
            wait_for('the test pattern on the screen',
                     lambda: grab(885, 145, 886, 146)[(885, 145)] == PATTERN_BACKGROUND)
        return process

    def make_folder(self, prefix):
        """A fresh folder for the journey's files, gone with the journey."""
        self.folder = tempfile.mkdtemp(prefix=prefix)
        self.addCleanup(shutil.rmtree, self.folder, True)

    def path(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, data):
        with open(self.path(name), 'wb') as f:
            f.write(data)
        return self.path(name)

    def title(self, program=None):
        return item_text((program or self.program).window)

    def items(self):
        return list_items(self.program.window)

    def walk(self, *steps):
        """Runs the steps in order, each as a sub-test named after it."""
        # The first one that fails ends the walk (the later ones build on it),
        # and leaves a screenshot.
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
