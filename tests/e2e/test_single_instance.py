'''One program per user: a second start says so and ends, also when many start at once, and a
killed instance leaves nothing behind that stops the next one.'''
import unittest

from desktop import DesktopTest
from layout import main_form
from processes import wait_for


class SingleInstance(DesktopTest):
    def setUp(self):
        self.desk = self.desktop()

    def assert_message_box(self, program):
        '''The second start's only window: the message, modal, in no form's place.'''
        box = program.window()
        self.assertFalse(main_form().is_window_size(program.geometry(box)[2:]))
        properties = program.run('xprop', '-id', box)
        self.assertIn('_NET_WM_WINDOW_TYPE_DIALOG', properties)
        self.assertIn('_NET_WM_STATE_MODAL', properties)
        return box

    def close_message_box(self, program, box):
        program.focus(box)
        program.keys('Return')  # its OK button

    def test_second_start_shows_the_message_and_ends(self):
        first = self.desk.start_program()
        first_window = first.window()
        item = self.desk.tray_item()

        second = self.desk.start_program()
        box = self.assert_message_box(second)
        self.assertEqual(self.desk.tray_items(), [item.name], 'no second tray item')
        self.close_message_box(second, box)
        self.assertEqual(second.wait_end(), 0)

        self.assertTrue(first.running())
        self.assertTrue(first.mapped(first_window))
        self.assertEqual(item.tooltip(), 'No action started')

    def test_twenty_starts_at_once_leave_one_with_one_tray_item(self):
        rows = [
            ('in the runtime directory', {}),
            # All twenty make the private fallback directory at once.
            ('in the fallback directory', {'XDG_RUNTIME_DIR': None}),
        ]
        for name, env in rows:
            with self.subTest(name):
                desk = self.desktop()
                programs = [desk.start_program(**env) for _ in range(20)]
                windows = {p: p.window() for p in programs}
                mains = [p for p in programs
                         if main_form().is_window_size(p.geometry(windows[p])[2:])]
                self.assertEqual(len(mains), 1)
                wait_for('one tray item', desk.tray_items)
                others = [p for p in programs if p not in mains]
                for program in others:
                    self.close_message_box(program, self.assert_message_box(program))
                self.assertEqual([p.wait_end() for p in others], [0] * 19)
                self.assertTrue(mains[0].running())
                self.assertEqual(len(desk.tray_items()), 1)
                desk.stop()

    def test_a_killed_instance_does_not_stop_the_next_start(self):
        killed = self.desk.start_program()
        killed.window()
        self.desk.tray_item()
        killed.kill()
        wait_for('the killed tray item to go', lambda: self.desk.tray_items() == [])
        self.assertTrue(any(name.endswith('.lock') for name in self.desk.runtime_files()))

        following = self.desk.start_program()
        window = following.window()
        self.assertTrue(main_form().is_window_size(following.geometry(window)[2:]))
        self.desk.tray_item()


if __name__ == '__main__':
    unittest.main()
