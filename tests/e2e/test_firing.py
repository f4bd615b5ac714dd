'''The program's own road: the tray tooltip, an armed action that fires once at its moment and
ends the program, the CPU watch, and the exit from the tray menu.'''
import calendar
import time
import unittest

from desktop import DesktopTest
from processes import wait_for

NO_ACTION = 'No action started'
# Steps down the lists from the choices made at start ("Shutdown", "Hours").
REBOOT = 1
SECONDS = 2


def target_of(tooltip, action):
    '''The moment (seconds since the epoch) that an armed tooltip names, in the C locale's
    general date format and UTC; a moment at midnight carries the date alone.'''
    prefix = action + ' on '
    assert tooltip.startswith(prefix), tooltip
    text = tooltip[len(prefix):]
    for picture in ('%m/%d/%y %H:%M:%S', '%m/%d/%y'):
        try:
            return calendar.timegm(time.strptime(text, picture))
        except ValueError:
            pass
    raise AssertionError(f'no date and time in {tooltip!r}')


class Firing(DesktopTest):
    def setUp(self):
        self.desk = self.desktop()
        self.program = self.desk.start_program()
        self.window = self.program.window()
        self.item = self.desk.tray_item()

    def armed_tooltip(self):
        return wait_for('the armed tooltip', lambda: (
            tip := self.item.tooltip()) != NO_ACTION and tip)

    def test_reboot_in_five_seconds_fires_once_and_ends(self):
        self.assertEqual(self.item.tooltip(), NO_ACTION)
        # The target counts from the whole second of the click.
        earliest = int(time.time()) + 5
        self.program.arm_period(self.window, REBOOT, '5', SECONDS)
        latest = int(time.time()) + 5
        tooltip = self.armed_tooltip()
        target = target_of(tooltip, 'Reboot')
        self.assertTrue(earliest <= target <= latest, (tooltip, earliest, latest))
        self.assertEqual(self.desk.calls('logind'), [], 'nothing before the target')

        self.assertEqual(self.program.wait_end(), 0)
        self.assertEqual(self.desk.calls('logind'), ['Reboot False'])
        # Never early: logind hears of it at the target second or after it.
        self.assertGreaterEqual(self.desk.call_times('logind', 'Reboot False')[0], target)
        wait_for('the tray item to go', lambda: self.desk.tray_items() == [])

    def test_cpu_watch_at_100_percent_fires_the_default_shutdown(self):
        self.program.click(self.window, 'Option1', where='left')
        # The threshold field is read-only: its upper arrow counts it up from 1 to 100.
        self.program.click_repeatedly(self.window, 'vsAuslastung', 99)
        self.assertEqual(self.program.field_text(self.window, 'txtAuslastung'), '100')
        self.program.click(self.window, 'cmdTimer')
        armed = time.time()
        # The meter's next reading lies below 100 unless every processor was busy throughout.
        wait_for('PowerOff', lambda: self.desk.calls('logind'))
        print(f'\nCPU watch fired {time.time() - armed:.2f} s after arming')
        self.assertEqual(self.program.wait_end(), 0)
        self.assertEqual(self.desk.calls('logind'), ['PowerOff False'])

    def test_exit_from_the_tray_menu_ends_without_an_action(self):
        self.program.click(self.window, 'cmdTimer')  # "Shutdown" in 1 hour
        self.assertTrue(self.armed_tooltip().startswith('Shutdown on '))
        self.item.context_menu()
        self.program.popup()
        self.program.keys('Down', 'Down', 'Return')  # "Restore", "Exit Slumbrix"
        self.assertEqual(self.program.wait_end(), 0)
        self.assertEqual(self.desk.calls('logind'), [])
        wait_for('the tray item to go', lambda: self.desk.tray_items() == [])

    def test_every_other_action_reaches_its_service(self):
        rows = [
            # action, steps down from "Shutdown", service, the call it receives
            ('Log OFF', 2, 'logind', 'TerminateSession ""'),
            ('Standby', 3, 'logind', 'Suspend False'),
            ('Start Screensaver', 4, 'screensaver', 'SetActive True'),
            ('Lock Computer', 5, 'logind', 'LockSession ""'),
        ]
        for action, steps, service, call in rows:
            with self.subTest(action):
                desk = self.desktop()
                program = desk.start_program()
                program.arm_period(program.window(), steps, '1', SECONDS)
                self.assertEqual(program.wait_end(), 0)
                expected = {'logind': [], 'screensaver': [], service: [call]}
                self.assertEqual({name: desk.calls(name) for name in expected}, expected)
                desk.stop()


if __name__ == '__main__':
    unittest.main()
