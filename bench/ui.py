"""Operating the main window from outside with xdotool, as a person would.

The controls' places come from the main window's design in twips (frm_main_layout.cpp):
a control's place in the window is the sum of its containers' offsets, converted at the
window's twips per pixel, below the menu bar.
"""
import os
import subprocess
import time

TITLE = 'Slumbrix'
CLIENT_TWIPS = (5190, 6315)  # the main window's client area
PAUSE = 0.15  # lets the program handle one step before the next

# (left, top, width, height) in twips, relative to the client area.
FRAME = (120, 120)
PIC = (FRAME[0] + 120, FRAME[1] + 840)
CONTROLS = {
    'cmbAction': (FRAME[0] + 720, FRAME[1] + 420, 3420, 315),
    'txtPeriod': (PIC[0] + 1440, PIC[1] + 0, 495, 315),
    'cmbUnit': (PIC[0] + 2400, PIC[1] + 0, 1635, 315),
    'Option1': (PIC[0] + 30, PIC[1] + 960, 3135, 195),
    'vsAuslastung': (PIC[0] + 3600, PIC[1] + 920, 165, 315),
    'cmdTimer': (840, 5880, 1575, 375),
}
ACTIONS = ('Shutdown', 'Reboot', 'Log OFF', 'Standby', 'Start Screensaver')
UNITS = ('Hours', 'Minutes', 'Seconds')
_env = {}


def use_display(display):
    """Every step from now on goes to this display."""
    _env.clear()
    _env.update(os.environ, DISPLAY=display)


def xdotool(*args):
    return subprocess.run(('xdotool',) + tuple(str(a) for a in args), check=True, env=_env,
                          capture_output=True, text=True).stdout


class Window:
    def __init__(self, window):
        self.id = window
        # Windows of several instances open at the same place; the clicks go to the top one.
        xdotool('windowraise', window)
        out = xdotool('getwindowgeometry', '--shell', window)
        geometry = dict(line.split('=', 1) for line in out.split())
        width, height = int(geometry['WIDTH']), int(geometry['HEIGHT'])
        self.twips = CLIENT_TWIPS[0] / width
        self.menu_bar = height - round(CLIENT_TWIPS[1] / self.twips)

    def point(self, name, fx=0.5, fy=0.5):
        """The pixel at a fraction of the control's width and height, in the window."""
        left, top, width, height = CONTROLS[name]
        return (round((left + fx * width) / self.twips),
                self.menu_bar + round((top + fy * height) / self.twips))

    def click(self, name, fx=0.5, fy=0.5):
        x, y = self.point(name, fx, fy)
        xdotool('mousemove', '--window', self.id, x, y, 'click', 1)
        time.sleep(PAUSE)

    def keys(self, *keys):
        xdotool('key', '--delay', 10, *keys)
        time.sleep(PAUSE)


def choose(window, combo, items, item):
    # The list opens on the current (first) item; the arrows walk to the wanted one.
    window.click(combo)
    window.keys(*(['Down'] * items.index(item) + ['Return']))


def prepare_countdown(window_id, action, unit, period):
    window = Window(window_id)
    choose(window, 'cmbAction', ACTIONS, action)
    choose(window, 'cmbUnit', UNITS, unit)
    window.click('txtPeriod')
    # The digit field discards Ctrl+A like every control character; Shift+Home selects.
    window.keys('End', 'shift+Home', *str(period))


def click_activate(window_id):
    """The click on "Activate Timer" alone, without the pause after it."""
    x, y = Window(window_id).point('cmdTimer')
    xdotool('mousemove', '--window', window_id, x, y, 'click', 1)


def arm_cpu_watch(window_id, threshold):
    """Selects the CPU mode, sets the threshold (from 1) and activates the watch."""
    window = Window(window_id)
    window.click('Option1', fx=0.03)
    if threshold > 1:
        window.click('vsAuslastung', fy=0.25)  # the up arrow: 2, and the focus
        if threshold > 2:
            xdotool('key', '--delay', 5, '--repeat', threshold - 2, 'Up')
            time.sleep(PAUSE)
    window.click('cmdTimer')
