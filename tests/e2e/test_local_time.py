'''Time and text as users' machines have them: the changes to and from daylight saving time
in Europe/Berlin under a shifted clock (libfaketime; timers keep the real monotonic clock), a
minute typed digit by digit, and a Japanese locale's date in the tray tooltip.'''
import calendar
import os
import time
import unittest
from datetime import datetime
from zoneinfo import ZoneInfo

from desktop import DesktopTest
from processes import wait_for

NO_ACTION = 'No action started'
REBOOT = 1  # steps down the action list from "Shutdown"
SECONDS = 2  # steps down the unit list from "Hours"
FAKETIME_LIBRARY = '/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1'


BERLIN = ZoneInfo('Europe/Berlin')


def berlin_clock(year, month, day, hour, minute, second):
    '''How far the program's clock is shifted to start at this UTC moment, and the
    environment that does it in Berlin.'''
    offset = calendar.timegm((year, month, day, hour, minute, second, 0, 0, 0)) - round(time.time())
    return offset, {
        'TZ': 'Europe/Berlin',
        'LD_PRELOAD': FAKETIME_LIBRARY,
        'FAKETIME': f'{offset:+d}',
        'FAKETIME_DONT_FAKE_MONOTONIC': '1',
    }


def berlin_text(moment):
    '''A moment as the tooltip writes it in the C locale, on Berlin's clock.'''
    return datetime.fromtimestamp(moment, BERLIN).strftime('%m/%d/%y %H:%M:%S')


@unittest.skipUnless(os.path.exists(FAKETIME_LIBRARY), 'libfaketime is not installed')
class DaylightSaving(DesktopTest):
    def start(self, year, month, day, hour, minute, second):
        self.offset, clock = berlin_clock(year, month, day, hour, minute, second)
        self.desk = self.desktop()
        self.program = self.desk.start_program(**clock)
        self.window = self.program.window()
        self.item = self.desk.tray_item()

    def arm(self):
        '''Clicks "Activate Timer"; the whole seconds of the shifted clock it may have read.'''
        before = int(time.time()) + self.offset
        self.program.click(self.window, 'cmdTimer')
        return range(before, int(time.time()) + self.offset + 1)

    def fires_at(self, targets):
        '''The tooltip names one of these moments (UTC) on Berlin's clock, and the reboot
        comes at that moment, not before it.'''
        tooltip = wait_for('the armed tooltip', lambda: (
            tip := self.item.tooltip()) != NO_ACTION and tip)
        named = [t for t in targets if tooltip == 'Reboot on ' + berlin_text(t)]
        self.assertTrue(named, (tooltip, [berlin_text(t) for t in targets]))
        self.assertEqual(self.program.wait_end(), 0)
        self.assertEqual(self.desk.calls('logind'), ['Reboot False'])
        fired = self.desk.call_times('logind', 'Reboot False')[0] + self.offset
        self.assertGreaterEqual(fired, named[0], 'fired early')
        self.assertLess(fired, named[-1] + 3, 'fired late')

    def arm_period(self, seconds):
        self.program.choose_in_list(self.window, 'cmbAction', REBOOT)
        self.program.click(self.window, 'txtPeriod')
        self.program.keys('End', 'shift+Home')
        self.program.type(str(seconds))
        self.program.choose_in_list(self.window, 'cmbUnit', SECONDS)
        return [moment + seconds for moment in self.arm()]

    def test_period_across_the_spring_change_is_elapsed_time(self):
        self.start(2026, 3, 29, 0, 59, 52)  # 01:59:52 winter time
        self.fires_at(self.arm_period(15))

    def test_period_across_the_autumn_change_is_elapsed_time(self):
        self.start(2026, 10, 25, 0, 59, 52)  # 02:59:52 summer time
        self.fires_at(self.arm_period(15))

    def test_clock_time_shown_again_in_autumn_fires_when_the_clock_shows_it(self):
        # At 02:59:48 summer time, 2:00 AM lies a few seconds ahead: the clock goes back to it.
        self.start(2026, 10, 25, 0, 59, 48)
        self.program.choose_in_list(self.window, 'cmbAction', REBOOT)
        self.program.click(self.window, 'opt(1)', where='left')
        self.program.click(self.window, 'txtHour')
        self.program.keys('End', 'shift+Home')
        self.program.type('2')
        self.arm()  # 2:00 AM
        self.fires_at([calendar.timegm((2026, 10, 25, 1, 0, 0, 0, 0, 0))])


class MinuteField(DesktopTest):
    def test_two_typed_digits_arm_that_minute(self):
        desk = self.desktop()
        program = desk.start_program()
        window = program.window()
        item = desk.tray_item()
        program.click(window, 'opt(1)', where='left')
        # The minute first: the pointer must move for the field's text to be read.
        for field, text in (('txtMin', '45'), ('txtHour', '10')):
            program.click(window, field)
            program.keys('End', 'shift+Home')
            program.type(text)
        self.assertEqual(program.field_text(window, 'txtMin'), '45')
        program.choose_in_list(window, 'cmbT', 1)  # PM
        program.click(window, 'cmdTimer')
        tooltip = wait_for('the armed tooltip', lambda: (
            tip := item.tooltip()) != NO_ACTION and tip)
        self.assertRegex(tooltip, r'^Shutdown on \d\d/\d\d/\d\d 22:45:00$')


class JapaneseLocale(DesktopTest):
    def test_tooltip_shows_the_date_and_time_in_japanese(self):
        locales = os.environ.get('SLUMBRIX_TEST_LOCALES', '')
        desk = self.desktop()
        program = desk.start_program(LC_ALL='ja_JP.UTF-8', LOCPATH=locales or None)
        window = program.window()
        item = desk.tray_item()
        program.click(window, 'cmdTimer')  # "Shutdown" in 1 hour
        tooltip = wait_for('the armed tooltip', lambda: (
            tip := item.tooltip()) != NO_ACTION and tip)
        self.assertRegex(tooltip, r'^Shutdown on \d{4}年\d\d月\d\d日 \d\d時\d\d分\d\d秒$')
        shots = os.environ.get('SLUMBRIX_SHOTS_DIR')
        if shots:
            os.makedirs(shots, exist_ok=True)
            desk.screenshot(os.path.join(shots, 'japanese-locale.png'))


if __name__ == '__main__':
    unittest.main()
