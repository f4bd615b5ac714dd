'''The lock file of the single-instance rule: whatever stands at its path, the program starts,
writes nowhere else and still refuses a second start; without a private runtime directory it
makes a private one of its own, and another user's directory at that name does not stop it.'''
import os
import stat
import unittest

from desktop import DesktopTest

LOCK = 'slumbrix.lock'
NOBODY = 65534


def as_root():
    return os.geteuid() == 0


class LockFile(DesktopTest):
    def start_and_see_it_run(self, desk, **env):
        program = desk.start_program(**env)
        program.window()
        desk.tray_item()
        return program

    def assert_second_start_refused(self, desk, **env):
        second = desk.start_program(**env)
        box = second.window()
        self.assertIn('_NET_WM_WINDOW_TYPE_DIALOG', second.run('xprop', '-id', box))
        second.focus(box)
        second.keys('Return')
        self.assertEqual(second.wait_end(), 0)

    def test_whatever_stands_at_the_lock_path_the_program_starts(self):
        def link_to_new_file(path, elsewhere):
            os.symlink(os.path.join(elsewhere, 'created'), path)

        def link_to_a_file(path, elsewhere):
            target = os.path.join(elsewhere, 'kept')
            with open(target, 'w') as out:
                out.write('kept')
            os.symlink(target, path)

        def others_file(path, _):
            with open(path, 'w'):
                pass
            os.chown(path, NOBODY, NOBODY)

        rows = [
            ('a link to a file that does not exist', link_to_new_file, False),
            ('a link to a file of the user', link_to_a_file, False),
            ('a directory', lambda path, _: os.mkdir(path, 0o700), False),
            ('a fifo', lambda path, _: os.mkfifo(path, 0o600), False),
            ("another user's file", others_file, True),
        ]
        for name, plant, needs_root in rows:
            with self.subTest(name):
                if needs_root and not as_root():
                    self.skipTest('needs root to plant a file of another user')
                desk = self.desktop()
                elsewhere = os.path.join(desk.dir, 'elsewhere')
                os.mkdir(elsewhere, 0o700)
                path = os.path.join(desk.runtime_dir, LOCK)
                plant(path, elsewhere)
                before = os.lstat(path)

                self.start_and_see_it_run(desk)
                # The rule still holds, through the private fallback directory's lock.
                self.assert_second_start_refused(desk)
                after = os.lstat(path)
                self.assertEqual(stat.S_IFMT(after.st_mode), stat.S_IFMT(before.st_mode))
                self.assertEqual(after.st_ino, before.st_ino)
                self.assertNotIn('created', os.listdir(elsewhere))
                for kept in os.listdir(elsewhere):
                    with open(os.path.join(elsewhere, kept)) as file:
                        self.assertEqual(file.read(), 'kept')
                desk.stop()

    def test_without_a_private_runtime_directory_a_private_one_is_made(self):
        rows = [
            ('not set', None),
            ('open to others', 0o755),
        ]
        for name, mode in rows:
            with self.subTest(name):
                desk = self.desktop()
                env = {'XDG_RUNTIME_DIR': None}
                if mode is not None:
                    os.chmod(desk.runtime_dir, mode)
                    env = {}
                self.start_and_see_it_run(desk, **env)
                fallback = os.path.join(desk.dir, f'slumbrix-{os.getuid()}')
                info = os.lstat(fallback)
                self.assertTrue(stat.S_ISDIR(info.st_mode))
                self.assertEqual(stat.S_IMODE(info.st_mode), 0o700)
                self.assertEqual(info.st_uid, os.getuid())
                self.assertEqual(os.listdir(fallback), [LOCK])
                self.assertNotIn(LOCK, desk.runtime_files())
                self.assert_second_start_refused(desk, **env)
                desk.stop()

    @unittest.skipUnless(as_root(), 'needs root to plant a directory of another user')
    def test_another_users_directory_at_the_fallback_name_neither_stops_nor_redirects(self):
        desk = self.desktop()
        planted = os.path.join(desk.dir, f'slumbrix-{os.getuid()}')
        os.mkdir(planted)
        os.chmod(planted, 0o777)
        os.chown(planted, NOBODY, NOBODY)
        env = {'XDG_RUNTIME_DIR': None}

        self.start_and_see_it_run(desk, **env)
        self.assertEqual(os.listdir(planted), [])
        self.assertEqual(os.listdir(planted + '.1'), [LOCK])
        self.assert_second_start_refused(desk, **env)


if __name__ == '__main__':
    unittest.main()
