'''The main window as a screen reader finds it on the accessibility bus (AT-SPI, read with
pyatspi): each control's role and name, and the timer armed and disarmed through
accessibility actions alone, with the status line's announcements.'''
import datetime
import json
import os
import re
import subprocess
import sys
import unittest

from desktop import DesktopTest
from processes import WAIT, wait_for

CLIENT = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'accessible_client.py')

# What a reader finds in the main window, in order: role, name and, for a spin button or a
# level, its value, minimum and maximum. The clock's name is the time of day.
MAIN_WINDOW = [
    ('frame', 'Slumbrix'),
    ('filler', ''),
    ('panel', 'Options'),
    ('label', 'Action:'),
    ('combo box', 'Action:'),
    ('filler', ''),
    ('radio button', 'Activate in:'),
    ('spin button', 'Activate in:', [1, 1, 999]),
    ('combo box', 'Activate in:'),
    ('radio button', 'Activate at:'),
    ('spin button', 'Activate at:', [1, 1, 12]),
    ('spin button', 'Activate at:', [0, 0, 59]),
    ('combo box', 'Activate at:'),
    ('radio button', 'Activate if the CPU-Usage is less than'),
    ('spin button', 'Activate if the CPU-Usage is less than', [1, 1, 100]),
    ('label', '%'),
    ('check box', 'Flash the Tray-Icon at'),
    ('spin button', 'Flash the Tray-Icon at', [30, 1, 999]),
    ('label', 'sec. before action starts'),
    ('panel', 'CPU-Usage'),
    ('filler', ''),
    ('progress bar', 'CPU-Usage'),
    ('filler', ''),
    ('panel', 'Time:'),
    ('label', 'CLOCK'),
    ('panel', 'Status:'),
    ('status bar', 'Timer Deactivated'),
    ('push button', 'Activate Timer'),
    ('push button', 'Tray'),
    ('menu bar', ''),
    ('menu item', 'File'),
]
CLOCK = re.compile(r'^\d\d:\d\d:\d\d [AP]M$')


class Accessibility(DesktopTest):
    def setUp(self):
        self.desk = self.desktop()
        self.env = self.desk.start_accessibility_bus()
        self.program = self.desk.start_accessible_program()
        self.window = self.program.window()
        wait_for('the window on the accessibility bus',
                 lambda: any(row['role'] == 'frame' for row in self.tree()))
        # The clock shows its first time at the first tick, half a second after the start.
        wait_for('the clock on the accessibility bus',
                 lambda: any(CLOCK.match(row['name']) for row in self.tree()))

    def client(self, *args):
        result = subprocess.run([sys.executable, CLIENT, *args], env=self.env,
                                capture_output=True, text=True, timeout=WAIT)
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    def tree(self):
        '''The rows a reader meets: shown nodes, without the items of lists and menus.'''
        rows, skip_below = [], None
        for row in self.client('tree'):
            if skip_below is not None and row['depth'] > skip_below:
                continue
            skip_below = None
            if not row['showing']:
                skip_below = row['depth']
                continue
            rows.append(row)
            if row['role'] in ('combo box', 'menu item'):
                skip_below = row['depth']
        return rows

    def node(self, role, name, nth=0):
        found = [row for row in self.tree() if row['role'] == role and row['name'] == name]
        self.assertGreater(len(found), nth, f'no {role} "{name}"')
        return found[nth]

    def act(self, role, name, action, nth=0):
        self.assertTrue(self.client('do', self.node(role, name, nth)['path'], action))

    def status_name(self):
        return next(row['name'] for row in self.tree() if row['role'] == 'status bar')

    def test_every_control_has_its_role_and_name(self):
        rows = self.tree()
        seen = []
        for row in rows:
            name = 'CLOCK' if CLOCK.match(row['name']) else row['name']
            entry = (row['role'], name)
            if 'value' in row and row['role'] == 'spin button':
                entry += ([int(v) for v in row['value']],)
            seen.append(entry)
        self.assertEqual(seen, MAIN_WINDOW)
        level = self.node('progress bar', 'CPU-Usage')
        self.assertEqual(level['value'][1:], [0, 100])
        self.assertTrue(0 <= level['value'][0] <= 100)
        # The relations a reader follows from a field to the caption that names it.
        self.assertEqual(self.node('combo box', 'Action:')['labelled_by'], ['Action:'])
        self.assertEqual(self.node('spin button', 'Flash the Tray-Icon at')['labelled_by'],
                         ['Flash the Tray-Icon at'])
        # The spin buttons' arrows are part of them: no nameless node takes the focus.
        nameless = [row for row in rows if row['focusable'] and not row['name']]
        self.assertEqual(nameless, [])
        checked = [row['name'] for row in rows if row['checked']]
        self.assertEqual(checked, ['Activate in:', 'Flash the Tray-Icon at'])

    def test_clock_time_chosen_set_and_armed_through_accessibility(self):
        self.act('radio button', 'Activate at:', 'Press')
        checked = [row['name'] for row in self.tree() if row['role'] == 'radio button'
                   and row['checked']]
        self.assertEqual(checked, ['Activate at:'])
        # Reboot at 1:00 PM: the hour stepped away and back through its value, the minutes
        # set, the action and PM selected in the lists.
        self.act_on_item('Action:', 'Reboot')
        hour = self.node('spin button', 'Activate at:')['path']
        self.assertTrue(self.client('value', hour, '3'))
        wait_for('the hour 3', lambda: self.node('spin button', 'Activate at:')['value'][0] == 3)
        self.assertTrue(self.client('value', hour, '1'))
        minute = self.node('spin button', 'Activate at:', 1)['path']
        self.assertTrue(self.client('value', minute, '0'))
        self.act_on_item('Activate at:', 'PM')
        self.act('push button', 'Activate Timer', 'Press')
        now = datetime.datetime.now(datetime.timezone.utc)  # the desktop runs in UTC
        target = now.replace(hour=13, minute=0, second=0, microsecond=0)
        if target <= now:
            target += datetime.timedelta(days=1)
        expected = (target - now).total_seconds()
        status = wait_for('the count', lambda: re.match(
            r'^(-?\d+) Seconds to the execution$', self.status_name()))
        self.assertAlmostEqual(int(status.group(1)), expected, delta=5)
        self.assertIsNotNone(self.node('push button', 'Deactivate Timer'))
        tooltip = self.desk.tray_item().tooltip()  # in the C locale
        self.assertTrue(tooltip.startswith('Reboot on ') and tooltip.endswith(' 13:00:00'),
                        tooltip)

    def act_on_item(self, combo, item):
        '''Selects an item of a closed list, as a reader does, and waits for the list to show
        it chosen.'''
        path = self.node('combo box', combo)['path']
        rows = self.client('tree')
        found = [row for row in rows if row['path'].startswith(path + '.')
                 and row['role'] == 'list item' and row['name'] == item]
        self.assertEqual(len(found), 1, f'the item {item} of {combo}')
        self.assertTrue(self.client('do', found[0]['path'], 'Toggle'))
        wait_for(f'{item} chosen', lambda: self.client('chosen', path) == [item])

    def test_status_changes_are_announced_and_seconds_are_not(self):
        listener = self.desk.spawn([sys.executable, CLIENT, 'listen', str(3 * WAIT),
                                    'Timer Deactivated'], env=self.env,
                                   stdout=subprocess.PIPE, text=True)
        self.assertEqual(listener.stdout.readline().strip(), 'listening')
        self.act('push button', 'Activate Timer', 'Press')
        wait_for('three seconds of counting',
                 lambda: self.status_name().startswith('3597 '), timeout=WAIT)
        self.act('push button', 'Deactivate Timer', 'Press')
        events = json.loads(listener.communicate(timeout=WAIT)[0])
        announced = [event['any_data'] for event in events
                     if event['type'] == 'object:text-changed:insert'
                     and event['role'] == 'status bar']
        # The first count, whichever second the arming fell on, and the disarming.
        self.assertEqual(len(announced), 2, events)
        self.assertRegex(announced[0], r'^(3600|359\d) Seconds to the execution$')
        self.assertEqual(announced[1], 'Timer Deactivated')
        # Each second renames the line, for a reader who looks; none is announced.
        renamed = [event['name'] for event in events
                   if event['type'] == 'object:property-change:accessible-name'
                   and event['role'] == 'status bar']
        self.assertIn('3598 Seconds to the execution', renamed)


if __name__ == '__main__':
    unittest.main()
