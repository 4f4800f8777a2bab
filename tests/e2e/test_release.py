"""The release as a user gets it: the two zips, and the setup run silently,
refused while Tintlens runs, and undone by its uninstaller, which keeps the
settings and a .clf extension that another program has taken over."""
import os
import re
import shutil
import subprocess
import tempfile
import unittest
import zipfile

from harness import *  # noqa: F403 (the journeys' shared vocabulary)

DIST = os.environ.get('TL_DIST', 'dist')
VERSION = program_version()
SETUP = os.path.join(DIST, 'Tintlens-%s-setup.exe' % VERSION)
BUILDS = {'win64': BUILD, 'win32': os.path.join(os.path.dirname(os.path.abspath(BUILD)), 'win32')}
PROGRAMS = ('tintlens.exe', 'tintlens-palette.exe')
ROOT = os.path.join(os.path.dirname(__file__), '..', '..')
README_SOURCE = os.path.join(ROOT, 'installer', 'README.txt')
SETTINGS_TABLE = re.compile(r'<!-- settings table -->(.*)<!-- end of settings table -->', re.S)

UNINSTALL_KEY = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintlens'
RUN_KEY = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
CLASSES_KEY = r'HKCU\Software\Classes'
LIST_PROGID = 'Tintlens.ColorList'
EXTENSION_KEY = r'\.clf'
DEFAULT = '(Default)'  # how reg names a key's default value


def association(folder):
    """The keys (under CLASSES_KEY) and default values that make .clf files open
    with the program installed in `folder`."""
    program = folder + r'\tintlens.exe'
    return {EXTENSION_KEY: LIST_PROGID,
            '\\' + LIST_PROGID: 'Tintlens Color List',
            '\\%s\\DefaultIcon' % LIST_PROGID: '"%s",0' % program,
            '\\%s\\shell\\open\\command' % LIST_PROGID: '"%s" "%%1"' % program}


def source(path):
    return file_bytes(os.path.join(ROOT, path)).decode('utf-8')


def what_the_readmes_name():
    """Read from the sources: the registry values, the notations (the format box's
    and the console's names) and every menu command, as their menus spell them
    without the mnemonic, shortcut, ellipsis or file pattern."""
    values = re.findall(r'k\w+Value = "([^"]+)"', source('core/settings_codec.h') +
                        source('core/recent_files.h'))
    table = source('core/colour.h')
    notations = [name.strip() for row in re.findall(r'\{kNotation\w+, "([^"]*)", "([^"]*)"\}', table)
                 for name in row]
    assert values and len(notations) == 2 * table.count('{kNotation'), 'the sources no longer read'
    menus = re.findall(r'(?:MENUITEM|POPUP) "([^_"][^"]*)"', source('res/tintlens.rc'))  # not the unseen tops
    commands = {re.split(r'\\t|\(|\.\.\.', text.replace('&', ''))[0].strip() for text in menus} - {''}
    return values, notations + sorted(commands)


def missing(names, text):
    """The names the text does not hold, a line break counting as a blank."""
    text = ' '.join(text.split())
    return [name for name in names if ' '.join(name.split()) not in text]


def wine(*args):
    """Runs a Windows program to its end; its exit code. Its output goes nowhere:
    a process it leaves behind must not hold a pipe that we wait on."""
    return subprocess.run(['wine', *args], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=120).returncode


class Release(Journey):

    def test_the_zips_then_install_refusal_while_running_and_uninstall(self):
        self.walk(self.each_zip_holds_its_build_and_the_readme_with_crlf_lines,
                  self.a_silent_install_puts_the_64_bit_build_in_place,
                  self.install_and_uninstall_refuse_while_it_runs,
                  self.uninstall_removes_everything_but_the_settings,
                  self.uninstall_leaves_a_clf_extension_another_program_took)

    def installed(self, name):
        return os.path.join(self.folder_unix, name)

    def uninstall(self):
        """Runs the uninstaller silently where it is, so that we wait for it and
        get its exit code (on its own it would copy itself away and return at once)."""
        return wine(self.installed('uninstall.exe'), '/S', '_?=' + self.folder)

    def each_zip_holds_its_build_and_the_readme_with_crlf_lines(self):
        readme = file_bytes(README_SOURCE).replace(b'\r\n', b'\n').replace(b'\n', b'\r\n').replace(
            b'@TL_VERSION@', VERSION.encode())
        # Around the settings, which make-dist writes from README.md's table, the
        # zip's copy is the source's.
        before, after = readme.split(b'@SETTINGS@\r\n')
        values, names = what_the_readmes_name()
        markdown = source('README.md')
        self.assertEqual(missing(values, SETTINGS_TABLE.search(markdown)[1]), [], 'README.md settings')
        self.assertEqual(missing(names, markdown), [], 'README.md')
        for arch, build in BUILDS.items():
            with zipfile.ZipFile(os.path.join(DIST, 'Tintlens-%s-%s.zip' % (VERSION, arch))) as archive:
                self.assertEqual(sorted(archive.namelist()), sorted(PROGRAMS + ('README.txt',)), arch)
                for name in PROGRAMS:
                    self.assertEqual(archive.read(name), file_bytes(os.path.join(build, name)),
                                     '%s in the %s zip' % (name, arch))
                text = archive.read('README.txt')
                self.assertTrue(text.startswith(before) and text.endswith(after), arch)
                settings = text[len(before):len(text) - len(after)]
                self.assertNotIn(b'\n', settings.replace(b'\r\n', b''), arch)
                self.assertEqual(missing(values, settings.decode('utf-8')), [], arch + ' settings')
                self.assertEqual(missing(names, text.decode('utf-8')), [], arch)

    def a_silent_install_puts_the_64_bit_build_in_place(self):
        # The installer is a 32-bit program; some kernels are built without the
        # 32-bit support that Wine needs to run one.
        if os.environ.get('TL_RUNS_32BIT') == '0' or 'usage: tintlens-palette' not in run(
                'wine', os.path.join(BUILDS['win32'], 'tintlens-palette.exe'), '--help',
                check=False).stdout:
            self.skipTest('this machine cannot run 32-bit Windows programs under Wine')
        local, local_unix = windows_folder('LOCALAPPDATA')
        self.folder = local + r'\Programs\Tintlens'
        self.folder_unix = os.path.join(local_unix, 'Programs', 'Tintlens')
        self.shortcut = os.path.join(windows_folder('APPDATA')[1], 'Microsoft', 'Windows',
                                     'Start Menu', 'Programs', 'Tintlens.lnk')
        # A shortcut, an entry in the installed programs, nothing that starts with Windows.
        self.assertEqual(wine(SETUP, '/S'), 0)
        for name in PROGRAMS:
            self.assertEqual(file_bytes(self.installed(name)),
                             file_bytes(os.path.join(BUILD, name)), name)
        self.assertTrue(os.path.isfile(self.shortcut))
        entry, uninstaller = registry(UNINSTALL_KEY), '"%s\\uninstall.exe"' % self.folder
        # What Windows needs to list it and to remove it, quietly too.
        expected = {'DisplayName': 'Tintlens', 'DisplayVersion': VERSION,
                    'UninstallString': uninstaller, 'QuietUninstallString': uninstaller + ' /S'}
        self.assertEqual({name: entry.get(name) for name in expected}, expected)
        installed_bytes = sum(os.path.getsize(self.installed(name))
                              for name in PROGRAMS + ('uninstall.exe',))
        self.assertLessEqual(abs(int(entry['EstimatedSize'], 16) - installed_bytes // 1024), 1)
        self.assertNotIn('Tintlens', registry(RUN_KEY) or {})
        # .clf files open with it, for this user.
        expected = association(self.folder)
        self.assertEqual({key: (registry(CLASSES_KEY + key) or {}).get(DEFAULT) for key in expected},
                         expected)

    def install_and_uninstall_refuse_while_it_runs(self):
        # A silent install fails and writes nothing: what we take away is not put back.
        self.program = self.launch(self.installed('tintlens.exe'))
        os.remove(self.installed('tintlens-palette.exe'))
        os.remove(self.shortcut)
        self.assertNotEqual(wine(SETUP, '/S'), 0)
        self.assertFalse(os.path.exists(self.installed('tintlens-palette.exe')))
        self.assertFalse(os.path.exists(self.shortcut))

        # It is still recognised with a file name in its title; the uninstaller
        # fails too and removes nothing.
        documents = tempfile.mkdtemp(prefix='tintlens-release-')
        self.addCleanup(shutil.rmtree, documents, True)
        self.program.command(SAVE_AS)
        choose_file('Save As', os.path.join(documents, 'running.clf'))
        wait_for('the title with the file name',
                 lambda: self.program.text() == 'Tintlens - running.clf')
        self.assertNotEqual(self.uninstall(), 0)
        self.assertTrue(os.path.isfile(self.installed('tintlens.exe')))
        self.assertIsNotNone(registry(UNINSTALL_KEY))

    def uninstall_removes_everything_but_the_settings(self):
        # Once it has exited, the uninstaller removes the program, the shortcut, the
        # start with Windows and the entry.
        self.assertEqual(self.program.exit(), 0)
        store_setting('ZoomLevel', '0500')
        run('wine', 'reg', 'add', RUN_KEY, '/v', 'Tintlens', '/d', '"%s\\tintlens.exe"' % self.folder,
            '/f')
        shutil.copy(os.path.join(BUILD, 'tintlens-palette.exe'), self.installed('tintlens-palette.exe'))
        open(self.shortcut, 'wb').close()
        self.assertEqual(self.uninstall(), 0)
        self.assertEqual(sorted(os.listdir(self.folder_unix)), ['uninstall.exe'])  # it ran from here
        shutil.rmtree(self.folder_unix)
        self.assertFalse(os.path.exists(self.shortcut))
        self.assertIsNone(registry(UNINSTALL_KEY))
        self.assertNotIn('Tintlens', registry(RUN_KEY) or {})
        for key in association(self.folder):  # .clf too: nothing else was in it
            self.assertIsNone(registry(CLASSES_KEY + key), key)
        self.assertEqual(setting('ZoomLevel'), '0500')

    def uninstall_leaves_a_clf_extension_another_program_took(self):
        # Installed again, then another program makes .clf its own: the
        # uninstaller removes our file type and leaves the extension as it is.
        self.assertEqual(wine(SETUP, '/S'), 0)
        self.addCleanup(run, 'wine', 'reg', 'delete', CLASSES_KEY + EXTENSION_KEY, '/f', check=False)
        run('wine', 'reg', 'add', CLASSES_KEY + EXTENSION_KEY, '/ve', '/d', 'Other.Palette', '/f')
        self.assertEqual(self.uninstall(), 0)
        shutil.rmtree(self.folder_unix)
        self.assertEqual(registry(CLASSES_KEY + EXTENSION_KEY), {DEFAULT: 'Other.Palette'})
        for key in association(self.folder):
            if key != EXTENSION_KEY:
                self.assertIsNone(registry(CLASSES_KEY + key), key)


if __name__ == '__main__':
    unittest.main()
