'''Desktops that lack what the program talks to: it still shows its window, and an armed action
still ends it as designed, without hanging on a service that does not answer.'''
import unittest

from desktop import REFUSE, DesktopTest

REBOOT = 1
SECONDS = 2
# The program's own D-Bus calls give up after 4 s; the wait allows for that and the period.
END_WAIT = 30.0


def refuse_everything(desk):
    for method, signature in [('PowerOff', 'b'), ('Reboot', 'b'), ('Suspend', 'b'),
                              ('Hibernate', 'b'), ('LockSession', 's'),
                              ('TerminateSession', 's')]:
        desk.set_logind_method(method, signature, REFUSE)


def never_answer(desk):
    desk.set_logind_method('Reboot', 'b', 'time.sleep(3600)')


def hang_the_tray_host(desk):
    desk.hang_tray_host()


class HostileDesktops(DesktopTest):
    def test_an_armed_reboot_ends_the_program_whatever_is_missing(self):
        rows = [
            # name, desktop options, services' set-up, the logind calls expected
            ('no session bus', dict(session_bus=False), None, ['Reboot False']),
            ('no system bus', dict(system_bus=False), None, []),
            ('no tray host', dict(tray=False), None, ['Reboot False']),
            ('no logind', dict(logind=False), None, []),
            ('a logind that refuses', {}, refuse_everything,
             ['Reboot False', 'Reboot raised: org.freedesktop.DBus.Error.AccessDenied: '
              'Access denied']),
            ('a logind that never answers', {}, never_answer, ['Reboot False']),
            ('a tray host that never answers', {}, hang_the_tray_host, ['Reboot False']),
        ]
        for name, options, setup, calls in rows:
            with self.subTest(name):
                desk = self.desktop(**options)
                if setup is not None:
                    setup(desk)
                program = desk.start_program()
                window = program.window()
                self.assertTrue(program.mapped(window))

                program.arm_period(window, REBOOT, '2', SECONDS)
                self.assertEqual(program.wait_end(END_WAIT), 0)
                self.assertEqual(desk.calls('logind'), calls)
                desk.stop()

    def test_without_a_tray_host_hiding_keeps_the_window_reachable(self):
        rows = [
            ('no tray host', dict(tray=False), None),
            ('no session bus', dict(session_bus=False), None),
            ('a tray host that never answers', {}, hang_the_tray_host),
        ]
        for name, options, setup in rows:
            with self.subTest(name):
                desk = self.desktop(**options)
                if setup is not None:
                    setup(desk)
                program = desk.start_program()
                window = program.window()
                # A taskbar button, and "Tray" minimises instead of hiding: with nothing in
                # a tray, a hidden window could not be found again.
                self.assertNotIn('SKIP_TASKBAR', program.net_wm_state(window))
                program.click(window, 'Command1')
                self.assertTrue(program.mapped(window))
                self.assertTrue(program.running())
                desk.stop()

    def test_the_session_bus_going_away_leaves_the_program_running(self):
        desk = self.desktop()
        program = desk.start_program()
        window = program.window()
        desk.tray_item()
        desk.stop_session_bus()
        program.arm_period(window, REBOOT, '2', SECONDS)
        self.assertEqual(program.wait_end(END_WAIT), 0)
        self.assertEqual(desk.calls('logind'), ['Reboot False'])


if __name__ == '__main__':
    unittest.main()
