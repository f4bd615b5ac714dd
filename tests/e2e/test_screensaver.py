'''"Start Screensaver" on each kind of desktop: the program asks the screen savers in turn
until one answers SetActive(true), and ends after firing whatever the desktop offers.'''
import unittest

from desktop import DesktopTest

SCREENSAVER = 4  # steps down the action list from "Shutdown"
SECONDS = 2  # steps down the unit list from "Hours"
# The program's whole search may take 5 s; the rest is the program's own end.
BUDGET = 5.0 + 3.0

FREEDESKTOP = ('org.freedesktop.ScreenSaver', '/org/freedesktop/ScreenSaver')
MATE = ('org.mate.ScreenSaver', '/org/mate/ScreenSaver')
SET_ACTIVE_KDE = ('SetActive', 'b', 'b', 'ret = True')
SET_ACTIVE_MATE = ('SetActive', 'b', '', '')
# GNOME's org.freedesktop.ScreenSaver: a proxy that only takes idle inhibitions.
INHIBIT_ONLY = [('Inhibit', 'ss', 'u', 'ret = 1'), ('UnInhibit', 'u', '', '')]
NEVER_ANSWERS = ('SetActive', 'b', 'b', 'time.sleep(3600)')


def kde(desk):
    desk.start_service('freedesktop', *FREEDESKTOP, [SET_ACTIVE_KDE])


def gnome(desk):
    desk.start_service('freedesktop', *FREEDESKTOP, INHIBIT_ONLY)
    desk.start_template('gnome', 'gnome_screensaver', 'org.gnome.ScreenSaver')


def mate(desk):
    desk.start_service('mate', *MATE, [SET_ACTIVE_MATE])


def nothing(desk):
    pass


def hanging_then_gnome(desk):
    desk.start_service('freedesktop', *FREEDESKTOP, [NEVER_ANSWERS])
    desk.start_template('gnome', 'gnome_screensaver', 'org.gnome.ScreenSaver')


class ScreenSaverSearch(DesktopTest):
    def test_the_first_screen_saver_that_answers_gets_set_active_once(self):
        rows = [
            # desktop, its services, the one that answers (None: no one), the ones before it
            # that may have heard the call without answering
            ('KDE', kde, 'freedesktop', []),
            ('GNOME', gnome, 'gnome', []),
            ('MATE', mate, 'mate', []),
            ('none', nothing, None, []),
            ('hanging freedesktop, then GNOME', hanging_then_gnome, 'gnome', ['freedesktop']),
        ]
        for name, services, answering, hanging in rows:
            with self.subTest(name):
                desk = self.desktop(screen_saver=False)
                services(desk)
                program = desk.start_program()
                program.arm_period(program.window(), SCREENSAVER, '1', SECONDS)
                # It fires within two seconds of the click (the target counts from the click's
                # whole second), then searches, then ends.
                self.assertEqual(program.wait_end(2.0 + BUDGET), 0)
                logs = {log: desk.calls(log) for log in ('freedesktop', 'gnome', 'mate')}
                for log, calls in logs.items():
                    set_active = [call for call in calls if call.startswith('SetActive')]
                    if log == answering:
                        self.assertEqual(set_active, ['SetActive True'], log)
                    elif log not in hanging:
                        self.assertEqual(set_active, [], log)
                    self.assertLessEqual(len(set_active), 1, log)
                desk.stop()


if __name__ == '__main__':
    unittest.main()
