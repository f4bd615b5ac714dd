'''The shortest road through the program: it starts, shows its window and registers its tray
item, and "Exit Slumbrix" in the File menu ends it with status 0 and takes the item away.
The program is SLUMBRIX_PROGRAM: the build's, or the one unpacked from the Debian package
(tests/package). The README's image of the window (docs/, made by `make screenshots`) must
have the window's size, so that a changed window is noticed.'''
import unittest

from desktop import DesktopTest
from images import png_size, screenshot
from layout import main_form
from processes import wait_for


class StartAndExit(DesktopTest):
    def test_window_and_tray_item_then_exit_from_the_file_menu(self):
        desk = self.desktop()
        program = desk.start_program()
        window = program.window()
        size = program.geometry(window)[2:]
        self.assertTrue(main_form().is_window_size(size))
        self.assertEqual(png_size(screenshot('slumbrix-linux.png')), size,
                         'docs/slumbrix-linux.png has another size than the window: '
                         'run make screenshots')
        desk.tray_item()

        x, y, _, height = program.geometry(window)
        menu_bar = height - main_form().client_pixels[1]
        desk.run('xdotool', 'mousemove', '--sync', str(x + 15), str(y + menu_bar // 2),
                 'click', '1')
        program.popup()
        program.keys('Up', 'Return')  # the File menu's last item, "Exit Slumbrix"
        self.assertEqual(program.wait_end(), 0)
        self.assertEqual(desk.calls('logind'), [])
        wait_for('the tray item to go', lambda: desk.tray_items() == [])


if __name__ == '__main__':
    unittest.main()
