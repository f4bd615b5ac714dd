'''The tray's pop-up menu while the modal About window is open: it belongs to the tray, not to
the main window, so "Exit Slumbrix" ends the program, also with a countdown armed.'''
import time
import unittest

from desktop import DesktopTest
from processes import wait_for

NO_ACTION = 'No action started'


class TrayMenuOverAbout(DesktopTest):
    def setUp(self):
        self.desk = self.desktop()
        self.program = self.desk.start_program()
        self.window = self.program.window()
        self.item = self.desk.tray_item()

    def open_about(self):
        '''File, then "About Slumbrix", from the menu bar above the client area.'''
        x, y, _, height = self.program.geometry(self.window)
        _, client_top = self.program.client_origin(self.window)
        menu_bar_middle = (y + client_top) // 2
        self.desk.run('xdotool', 'mousemove', '--sync', str(x + 15), str(menu_bar_middle),
                      'click', '1')
        self.program.popup()
        self.program.keys('Down', 'Return')
        return self.program.window('About Slumbrix')

    def test_exit_from_the_tray_menu_with_about_open_ends_without_an_action(self):
        self.program.click(self.window, 'cmdTimer')  # "Shutdown" in 1 hour
        wait_for('the armed tooltip', lambda: self.item.tooltip() != NO_ACTION)
        self.open_about()
        time.sleep(0.5)  # the File menu closes
        before = set(self.program.windows())

        self.item.context_menu()
        wait_for('the tray pop-up menu', lambda: set(self.program.windows()) - before)
        self.program.keys('Down', 'Down', 'Return')  # "Restore", "Exit Slumbrix"
        self.assertEqual(self.program.wait_end(), 0)
        self.assertEqual(self.desk.calls('logind'), [])
        self.assertEqual(self.desk.calls('screensaver'), [])
        wait_for('the tray item to go', lambda: self.desk.tray_items() == [])


if __name__ == '__main__':
    unittest.main()
