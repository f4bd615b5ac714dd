'''The release files as their ecosystems' tools see them: the AppStream file, the desktop file
and the man page by appstreamcli, desktop-file-validate and man; the Debian package by
lintian, its file list, and its unpacked program started and ended; the Windows zip's five
files, and each of its programs started under Wine. Run by scripts/test-package.sh after
`make package`; a tool's failure is reported in the tool's own words.'''
import glob
import os
import re
import subprocess
import sys
import tempfile
import unittest
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'support'))

from images import png_size, screenshot  # noqa: E402

APP_ID = 'io.github.slumbrix.Slumbrix'
PACKAGE_DIR = os.environ.get('SLUMBRIX_PACKAGE_DIR') or os.path.join(ROOT, 'build', 'package')
HARNESS = os.path.join(ROOT, 'tests', 'wine', 'harness.sh')

# Every file the Debian package installs, and nothing else.
DEB_FILES = {
    './usr/bin/slumbrix',
    f'./usr/share/applications/{APP_ID}.desktop',
    f'./usr/share/metainfo/{APP_ID}.metainfo.xml',
    './usr/share/man/man1/slumbrix.1.gz',
    './usr/share/doc/slumbrix/copyright',
    './usr/share/doc/slumbrix/changelog.gz',
    './usr/share/icons/hicolor/scalable/apps/slumbrix.svg',
} | {f'./usr/share/icons/hicolor/{n}x{n}/apps/slumbrix.png' for n in (16, 22, 24, 32, 48, 64,
                                                                      128, 256)}
ZIP_FILES = ['slumbrix.exe', 'slumbrix64.exe', 'README.txt', 'LICENSE.txt', 'THIRD-PARTY.txt']


def run(*args, **kwargs):
    return subprocess.run(list(args), capture_output=True, text=True, timeout=600, **kwargs)


def release_file(pattern):
    found = glob.glob(os.path.join(PACKAGE_DIR, pattern))
    if len(found) != 1:
        raise AssertionError(f'{len(found)} files {pattern} in {PACKAGE_DIR}: run make package')
    return found[0]


def tool_said(result):
    return f'{result.args[0]} (status {result.returncode}) said:\n{result.stdout}{result.stderr}'


class Metadata(unittest.TestCase):
    def test_appstream_file_validates_without_a_warning(self):
        result = run('appstreamcli', 'validate', '--no-net',
                     os.path.join(ROOT, 'data', APP_ID + '.metainfo.xml'))
        complaints = re.findall(r'^[EW]: .*$', result.stdout, re.M)
        self.assertTrue(result.returncode == 0 and not complaints, tool_said(result))

    def test_desktop_file_validates_without_a_hint(self):
        result = run('desktop-file-validate', os.path.join(ROOT, 'data', APP_ID + '.desktop'))
        self.assertTrue(result.returncode == 0 and not (result.stdout + result.stderr).strip(),
                        tool_said(result))

    def test_man_page_renders_without_a_warning(self):
        env = dict(os.environ, LC_ALL='C.UTF-8', MANWIDTH='80')
        result = run('man', '--warnings', '-l', os.path.join(ROOT, 'data', 'slumbrix.1'), env=env)
        self.assertTrue(result.returncode == 0 and not result.stderr.strip(),
                        f'man (status {result.returncode}) said:\n{result.stderr}')
        self.assertIn('XDG_RUNTIME_DIR', result.stdout)


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.deb = release_file('slumbrix_*_amd64.deb')

    def test_lintian_finds_no_error_or_warning_and_the_readme_explains_each_note(self):
        result = run('lintian', '--display-info', self.deb)
        complaints = re.findall(r'^[EW]: .*$', result.stdout, re.M)
        self.assertTrue(result.returncode == 0 and not complaints, tool_said(result))
        with open(os.path.join(ROOT, 'README.md'), encoding='utf-8') as readme:
            text = readme.read()
        for tag in re.findall(r'^I: slumbrix: (\S+)', result.stdout, re.M):
            self.assertIn(f'`{tag}`', text, f'lintian notes {tag}; the README must say why')

    def test_files_are_exactly_the_program_and_its_desktop_files_owned_by_root(self):
        listing = run('dpkg-deb', '-c', self.deb).stdout.splitlines()
        files = {}
        for line in listing:
            mode, owner, _size, _date, _time, name = line.split(None, 5)
            self.assertEqual(owner, 'root/root', line)
            if not mode.startswith('d'):
                files[name] = mode
        self.assertEqual(set(files), DEB_FILES)
        self.assertEqual(files['./usr/bin/slumbrix'], '-rwxr-xr-x')
        self.assertEqual({mode for name, mode in files.items() if name != './usr/bin/slumbrix'},
                         {'-rw-r--r--'})

    def test_control_fields(self):
        control = run('dpkg-deb', '-f', self.deb).stdout
        self.assertRegex(control, r'(?m)^Section: utils$')
        # Worked out by dpkg-shlibdeps from the program.
        self.assertRegex(control, r'(?m)^Depends: .*libqt6widgets6')
        # A short description and a long one of more than one paragraph.
        self.assertRegex(control, r'(?m)^Description: \S.*\n( \S.*\n)+ \.\n')

    def test_unpacked_program_is_stripped_and_starts_and_exits(self):
        with tempfile.TemporaryDirectory(prefix='slumbrix-deb-') as root:
            subprocess.run(['dpkg-deb', '-x', self.deb, root], check=True)
            program = os.path.join(root, 'usr', 'bin', 'slumbrix')
            self.assertIn(', stripped', run('file', program).stdout)
            env = dict(os.environ, SLUMBRIX_PROGRAM=program, PYTHONDONTWRITEBYTECODE='1',
                       PYTHONPATH=os.path.join(ROOT, 'tests', 'support'))
            result = run('/usr/bin/python3', '-m', 'unittest', '-v', 'test_start_exit',
                         cwd=os.path.join(ROOT, 'tests', 'e2e'), env=env)
            self.assertEqual(result.returncode, 0, tool_said(result))
            self.assertNotIn('skipped', result.stderr)


def wine_loader_starts(bits):
    '''Empty when this machine runs Wine of that width, else why not.'''
    wanted = os.environ.get('SLUMBRIX_WINE', '')
    if wanted and wanted != str(bits):
        return f'SLUMBRIX_WINE={wanted}'
    loader = '/usr/lib/wine/wine' if bits == 32 else '/usr/lib/wine/wine64'
    try:
        result = run(loader, '--version')
    except OSError as error:
        return f'{loader} does not start here ({error.strerror})'
    return '' if result.returncode == 0 else f'{loader} does not start here'


class WindowsZip(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.zip = release_file('slumbrix-*-windows.zip')

    def test_holds_exactly_its_five_files_with_windows_line_ends(self):
        with zipfile.ZipFile(self.zip) as archive:
            self.assertEqual(archive.namelist(), ZIP_FILES)
            for name in ZIP_FILES[2:]:
                text = archive.read(name)
                self.assertEqual(text.count(b'\n'), text.count(b'\r\n'), f'{name}: bare LF')
            self.assertIn(b'msvcrt.dll', archive.read('README.txt'))

    def test_each_program_starts_under_wine_with_the_window_of_the_readme_images(self):
        images = {name: png_size(screenshot(name))
                  for name in ('slumbrix-windows-xp.png', 'slumbrix-windows-95.png')}
        for bits, name in ((32, 'slumbrix.exe'), (64, 'slumbrix64.exe')):
            with self.subTest(name):
                why_not = wine_loader_starts(bits)
                if why_not:
                    print(f'\n{name} not started: {why_not}')
                    continue
                size = self.start_under_wine(bits, name)
                for image, image_size in images.items():
                    self.assertEqual(image_size, size,
                                     f'docs/{image} is not the window: run make screenshots')

    def start_under_wine(self, bits, name):
        driver = os.path.join(ROOT, 'build', 'mingw' if bits == 32 else 'mingw64', 'tests',
                              'wine', 'slumbrix_driver.exe')
        self.assertTrue(os.path.exists(driver), f'{driver} is not built')
        with tempfile.TemporaryDirectory(prefix='slumbrix-zip-') as scratch:
            with zipfile.ZipFile(self.zip) as archive:
                program = archive.extract(name, scratch)
            state = os.path.join(scratch, 'wine')
            try:
                subprocess.run([HARNESS, 'reset', state, str(bits)], check=True,
                               capture_output=True, timeout=300)
                result = run(HARNESS, 'display', state, os.path.join(HERE, 'wine_start.sh'),
                             'winxp', program, driver)
            finally:
                subprocess.run([HARNESS, 'cleanup', state], capture_output=True, timeout=120)
        self.assertEqual(result.returncode, 0, tool_said(result))
        found = re.search(r'^window -?\d+ -?\d+ (\d+) (\d+)$', result.stdout, re.M)
        self.assertIsNotNone(found, result.stdout)
        return int(found.group(1)), int(found.group(2))


if __name__ == '__main__':
    unittest.main()
