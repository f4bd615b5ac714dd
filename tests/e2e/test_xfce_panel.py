'''The tray in Xfce's real panel (xfce4-panel): a right-click on the icon shows the program's
tray menu, which the panel reads from the item's exported D-Bus menu, and its items do what
they do in the program's own pop-up; the panel crashing while the window is hidden leaves the
window reachable, and a panel started again takes the icon back.'''
import os
import time
import unittest

from desktop import DesktopTest
from processes import wait_for
from xfce_panel import XfcePanel

MENU_IFACE = 'com.canonical.dbusmenu'
ITEM_IFACE = 'org.kde.StatusNotifierItem'
PROPERTIES = 'org.freedesktop.DBus.Properties'


class XfcePanelTray(DesktopTest):
    def setUp(self):
        self.desk = self.desktop(tray=False)  # the panel is the tray host
        self.panel = XfcePanel(self.desk).start()
        self.program = self.desk.start_program()
        self.window = self.program.window()
        wait_for('the icon in the panel', self.desk.tray_items)

    def menu_labels(self):
        '''The labels of the menu the item exports, as the panel reads them.'''
        name = self.desk.tray_items()[0].split('/')[0]
        item = self.desk._session.get_object(name, '/StatusNotifierItem', introspect=False)
        path = item.Get(ITEM_IFACE, 'Menu', dbus_interface=PROPERTIES)
        menu = self.desk._session.get_object(name, path, introspect=False)
        _, (_, _, children) = menu.GetLayout(0, -1, ['label'], dbus_interface=MENU_IFACE)
        return [str(child[1]['label']) for child in children]

    def open_menu(self):
        '''Right-click on the icon; returns once the panel's menu is up.'''
        before = set(self.desk.run('xdotool', 'search', '--onlyvisible', '--name', '.*',
                                   check=False).split())
        self.panel.click_icon(3)
        wait_for('the panel\'s menu', lambda: set(self.desk.run(
            'xdotool', 'search', '--onlyvisible', '--name', '.*', check=False).split()) - before)
        time.sleep(0.3)  # the menu takes the keyboard

    def press_tray(self):
        # From elsewhere: a pointer already on the button would never be seen to move there.
        self.desk.run('xdotool', 'mousemove', '--sync', '1', '1')
        self.program.click(self.window, 'Command1')  # "Tray"

    def hide(self):
        self.press_tray()
        wait_for('the window to hide', lambda: not self.program.mapped(self.window))

    def test_right_click_shows_the_tray_menu_whose_exit_ends_the_program(self):
        self.assertEqual(self.menu_labels(), ['Restore', 'Exit Slumbrix'])
        self.program.click(self.window, 'cmdTimer')  # armed: "Shutdown" in an hour
        self.hide()
        self.open_menu()
        shots = os.environ.get('SLUMBRIX_SHOTS_DIR') or '/tmp/slumbrix-shots-linux'
        os.makedirs(shots, exist_ok=True)
        self.desk.screenshot(os.path.join(shots, 'xfce4-panel-tray-menu.png'))
        self.program.keys('Down', 'Down', 'Return')  # "Restore", "Exit Slumbrix"
        self.assertEqual(self.program.wait_end(), 0)
        self.assertEqual(self.desk.calls('logind'), [])

    def test_restore_from_the_panel_menu_shows_the_window(self):
        self.hide()
        self.open_menu()
        self.program.keys('Down', 'Return')  # "Restore"
        wait_for('the window to come back', lambda: self.program.mapped(self.window))

    def test_the_panel_crashing_while_hidden_leaves_the_window_reachable(self):
        self.hide()
        self.panel.kill()
        wait_for('the window to come back', lambda: self.program.mapped(self.window))
        self.assertNotIn('_NET_WM_STATE_SKIP_TASKBAR', self.program.net_wm_state(self.window))
        # Without a tray, "Tray" keeps the window on the screen, minimised with its button.
        self.press_tray()
        time.sleep(1)
        self.assertTrue(self.program.mapped(self.window))
        self.assertIn('_NET_WM_STATE_HIDDEN', self.program.net_wm_state(self.window))

        # The panel again: it gets the icon, and "Tray" hides into it as before.
        self.panel.start()
        wait_for('the icon in the new panel', self.desk.tray_items)
        self.assertEqual(self.menu_labels(), ['Restore', 'Exit Slumbrix'])
        self.hide()
        self.open_menu()
        self.program.keys('Down', 'Return')  # "Restore"
        wait_for('the window to come back', lambda: self.program.mapped(self.window))
        self.assertTrue(self.program.running())


if __name__ == '__main__':
    unittest.main()
