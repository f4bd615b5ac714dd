'''"Start Screensaver" against the screen savers that desktops really run, started on the
test's own display and session bus: xscreensaver, which holds org.freedesktop.ScreenSaver only
for inhibitions and is reached through its own command, and mate-screensaver.'''
import subprocess
import unittest

from desktop import DesktopTest
from processes import wait_for

SCREENSAVER = 4  # steps down the action list from "Shutdown"
SECONDS = 2  # steps down the unit list from "Hours"
# Firing within two seconds of the click, the program's whole search within 5 s, its end.
BUDGET = 2.0 + 5.0 + 3.0


class RealScreenSavers(DesktopTest):
    def tool(self, desk, *args):
        '''A screen saver's own client on this desktop; its output, or None when it failed.'''
        result = subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                                timeout=10)
        return result.stdout if result.returncode == 0 else None

    def start(self, desk, args, ready, extra_env=None):
        self.env = dict(desk.environment(), **(extra_env or {}))
        desk.spawn(args, env=self.env, stdout=subprocess.DEVNULL, log=args[0])
        return wait_for(args[0] + ' to answer', ready)

    def fire_start_screensaver(self, desk):
        program = desk.start_program()
        program.arm_period(program.window(), SCREENSAVER, '1', SECONDS)
        self.assertEqual(program.wait_end(BUDGET), 0)

    def test_xscreensaver_blanks_the_screen(self):
        desk = self.desktop(screen_saver=False)
        status = lambda: self.tool(desk, 'xscreensaver-command', '-time')  # noqa: E731
        self.start(desk, ['xscreensaver', '-no-splash'], status)
        self.assertIn('non-blanked', status())
        self.fire_start_screensaver(desk)
        # "screen blanked since ..." (or "locked"), no longer "non-blanked".
        wait_for('xscreensaver to blank', lambda: 'non-blanked' not in (status() or 'non-'))
        self.assertRegex(status(), r'screen (blanked|locked)')

    def test_mate_screensaver_becomes_active(self):
        desk = self.desktop(screen_saver=False)
        query = lambda: self.tool(desk, 'mate-screensaver-command', '--query')  # noqa: E731
        self.start(desk, ['mate-screensaver', '--no-daemon'], query,
                   {'GSETTINGS_BACKEND': 'memory'})
        self.assertIn('inactive', query())
        self.fire_start_screensaver(desk)
        wait_for('mate-screensaver to activate', lambda: 'is active' in (query() or ''))


if __name__ == '__main__':
    unittest.main()
