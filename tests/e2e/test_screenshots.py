'''Screenshots of the main window, the About window and the armed window, kept for looking at
(SLUMBRIX_SHOTS_DIR, /tmp/slumbrix-shots-linux by default). Each is checked for the window's
size and for the backgrounds of the meter, the graph, the clock and the status line in their
places.'''
import os
import time
import unittest

from desktop import DesktopTest
from layout import TWIPS_PER_PIXEL, about_form, main_form, pixels
from processes import wait_for

SHOTS = os.environ.get('SLUMBRIX_SHOTS_DIR') or '/tmp/slumbrix-shots-linux'
GREY = 'E0E0E0'
WHITE = 'FFFFFF'

# Backgrounds a few pixels inside the border of the drawing surfaces and the two labels.
PROBES = [
    ('picUsage', 3, 32, GREY),
    ('picGraph', 10, 32, GREY),
    ('lbltime', 3, 3, WHITE),
    ('lblStatus', 3, 3, WHITE),
]


def clearances():
    '''A caption and the column, in twips, where something else begins: the threshold field
    after the CPU option's caption, the frame's right border (two pixels wide) after the flash
    option's unit label.'''
    form = main_form()
    frame_left, _, frame_width, _ = form['frame']
    return [
        ('Option1', form['txtAuslastung'][0] - TWIPS_PER_PIXEL),
        ('lbl(1)', frame_left + frame_width - 3 * TWIPS_PER_PIXEL),
    ]


class Screenshots(DesktopTest):
    def setUp(self):
        os.makedirs(SHOTS, exist_ok=True)
        self.desk = self.desktop()
        self.program = self.desk.start_program()
        self.window = self.program.window()
        self.desk.tray_item()

    def shoot(self, name, window):
        '''The whole screen and the window alone, as name.png and name-window.png.'''
        screen = os.path.join(SHOTS, name + '.png')
        self.desk.screenshot(screen)
        x, y, width, height = self.program.geometry(window)
        self.desk.run('convert', screen, '-crop', f'{width}x{height}+{x}+{y}', '+repage',
                      os.path.join(SHOTS, name + '-window.png'))
        return screen

    def pixels(self, screen, x, y, height=1):
        '''The colours of a column of pixels, top down, as RRGGBB.'''
        out = self.desk.run('convert', screen, '-crop', f'1x{height}+{x}+{y}', '-depth', '8',
                            'txt:-')
        # A header line, then "0,0: (224,224,224)  #E0E0E0  grey88" for each pixel.
        return [line.split('#')[1][:6].upper() for line in out.splitlines()[1:]]

    def pixel(self, screen, x, y):
        return self.pixels(screen, x, y)[0]

    def assert_captions_clear(self, screen, cx, cy):
        # The two longest captions of the options frame end before what follows them: the
        # column just before it shows the window's background over the caption's height.
        for caption, x_twips in clearances():
            _, top, _, height = main_form()[caption]
            x = cx + pixels(x_twips)
            y = cy + pixels(top)
            rows = pixels(height)
            background = self.pixel(screen, x, y - 2)
            self.assertEqual(self.pixels(screen, x, y, rows), [background] * rows, caption)

    def assert_main_window(self, screen):
        x, y, width, height = self.program.geometry(self.window)
        client_width, client_height = main_form().client_pixels
        self.assertEqual(width, client_width)
        self.assertGreater(height, client_height, 'a menu bar above the client area')
        cx, cy = self.program.client_origin(self.window)
        for control, dx, dy, colour in PROBES:
            left, top = main_form()[control][:2]
            px = cx + pixels(left) + dx
            py = cy + pixels(top) + dy
            self.assertEqual(self.pixel(screen, px, py), colour, control)
        self.assert_captions_clear(screen, cx, cy)

    def open_about(self):
        x, y, _, height = self.program.geometry(self.window)
        menu_bar = height - main_form().client_pixels[1]
        self.desk.run('xdotool', 'mousemove', '--sync', str(x + 15), str(y + menu_bar // 2),
                      'click', '1')
        self.program.popup()
        self.program.keys('Down', 'Return')  # "About Slumbrix"
        return self.program.window('About Slumbrix')

    def test_main_window_about_window_and_armed_window(self):
        # After the clock's first tick.
        time.sleep(0.6)
        self.assert_main_window(self.shoot('main', self.window))

        about = self.open_about()
        self.assertEqual(self.program.geometry(about)[2:], about_form().client_pixels)
        self.assertIn('_NET_WM_STATE_MODAL', self.program.net_wm_state(about))
        time.sleep(0.3)
        self.shoot('about', about)
        self.program.click(about, 'Command1', form=about_form())
        wait_for('the About window to close', lambda: not self.program.windows('About Slumbrix'))

        self.program.arm_period(self.window, 1, '1', 0)  # "Reboot" in 1 hour
        # After the countdown's first tick.
        time.sleep(0.6)
        self.assert_main_window(self.shoot('armed', self.window))
        self.assertTrue(self.program.running())
        print(f'\nscreenshots in {SHOTS}')


if __name__ == '__main__':
    unittest.main()
