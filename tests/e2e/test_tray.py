'''The tray on each kind of desktop: "Tray" hides the window and the icon brings it back, with
a StatusNotifierItem host and with an XEmbed notification area. (Without any tray the window
keeps its taskbar button: test_hostile.)'''
import unittest

from desktop import DesktopTest
from processes import wait_for

NO_ACTION = 'No action started'


class Tray(DesktopTest):
    def test_status_notifier_host_hides_and_activate_restores(self):
        desk = self.desktop()
        program = desk.start_program()
        window = program.window()
        item = desk.tray_item()
        self.assertIn('_NET_WM_STATE_SKIP_TASKBAR', program.net_wm_state(window))
        program.click(window, 'Command1')  # "Tray"
        wait_for('the window to hide', lambda: not program.mapped(window))
        self.assertEqual(item.tooltip(), NO_ACTION)
        item.activate()
        wait_for('the window to come back', lambda: program.mapped(window))
        self.assertTrue(program.running())

    def test_xembed_tray_embeds_the_icon_and_a_double_click_restores(self):
        desk = self.desktop(tray=False)  # no StatusNotifierWatcher on the bus
        tray = desk.start_xembed_tray()
        program = desk.start_program()
        window = program.window()
        icon = wait_for('the icon in the tray', lambda: [
            w for w in program.windows() if w != window and int(tray) in desk.ancestors(w)])[0]
        self.assertIn('_NET_WM_STATE_SKIP_TASKBAR', program.net_wm_state(window))

        program.click(window, 'Command1')  # "Tray"
        wait_for('the window to hide', lambda: not program.mapped(window))
        x, y, width, height = program.geometry(icon)
        desk.run('xdotool', 'mousemove', '--sync', str(x + width // 2), str(y + height // 2),
                 'click', '--repeat', '2', '--delay', '80', '1')
        wait_for('the window to come back', lambda: program.mapped(window))
        self.assertTrue(program.running())

    def test_an_xembed_tray_coming_and_going_is_followed(self):
        desk = self.desktop(tray=False)
        program = desk.start_program()
        window = program.window()
        # No tray yet: the window has a taskbar button.
        self.assertNotIn('_NET_WM_STATE_SKIP_TASKBAR', program.net_wm_state(window))
        tray = desk.start_xembed_tray()

        def icons():
            return [w for w in program.windows() if w != window and int(tray) in desk.ancestors(w)]
        # The icon made without a tray is embedded first; the program then hears of the tray
        # and adds its icon again, and from then on it counts the icon as shown.
        first = wait_for('the icon in the tray', icons)
        wait_for('the icon added again', lambda: [w for w in icons() if w not in first])
        program.click(window, 'Command1')  # "Tray" now hides into it
        wait_for('the window to hide', lambda: not program.mapped(window))

        desk.forget(desk.processes[-1])  # the tray ends
        wait_for('the window to come back', lambda: program.mapped(window))
        self.assertNotIn('_NET_WM_STATE_SKIP_TASKBAR', program.net_wm_state(window))
        self.assertTrue(program.running())


if __name__ == '__main__':
    unittest.main()
