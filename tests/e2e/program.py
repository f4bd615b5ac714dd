'''The started program as the desktop sees it: its windows on the display, driven with
xdotool at the places of its layout, and its tray item on the session bus.'''
import os
import signal
import subprocess

from layout import TWIPS_PER_PIXEL, main_form
from processes import WAIT, wait_for

ITEM_IFACE = 'org.kde.StatusNotifierItem'
PROPERTIES = 'org.freedesktop.DBus.Properties'



class TrayItem:
    '''The program's StatusNotifierItem, as the desktop's tray sees it.'''

    def __init__(self, connection, name):
        self.name = name
        self._object = connection.get_object(name, '/StatusNotifierItem', introspect=False)

    def tooltip(self):
        tip = self._object.Get(ITEM_IFACE, 'ToolTip', dbus_interface=PROPERTIES)
        return str(tip[2])  # icon name, icon pixmaps, title, description

    def activate(self):
        self._object.Activate(0, 0, dbus_interface=ITEM_IFACE)

    def context_menu(self):
        self._object.ContextMenu(0, 0, dbus_interface=ITEM_IFACE)


class Program:
    '''One started program and its windows; run(...) runs an X tool on its desktop.'''

    def __init__(self, process, run):
        self.process = process
        self.run = run

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process.poll() is None

    def wait_end(self, timeout=WAIT):
        '''The exit status once the program has ended.'''
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError('the program did not end') from None

    def kill(self):
        os.kill(self.pid, signal.SIGKILL)
        self.process.wait()

    # ---- Its windows -----------------------------------------------------------------------

    def windows(self, name=None):
        '''The program's mapped windows, with this title when one is given.'''
        args = ['xdotool', 'search', '--all', '--onlyvisible', '--pid', str(self.pid)]
        args += ['--name', f'^{name}$'] if name is not None else ['--name', '']
        return self.run(*args, check=False).split()

    def window(self, name='Slumbrix'):
        '''The one mapped window of this title, once there is one.'''
        found = wait_for(f'the window "{name}"', lambda: self.windows(name))
        assert len(found) == 1, f'{len(found)} windows "{name}"'
        return found[0]

    def popup(self):
        '''A pop-up menu of the program, once it is open: a mapped window that is not one of
        its forms (Qt names it after the program, in lower case).'''
        forms = set(self.windows('Slumbrix')) | set(self.windows('About Slumbrix'))
        return wait_for('a pop-up menu', lambda: [w for w in self.windows() if w not in forms])

    def geometry(self, window):
        out = self.run('xdotool', 'getwindowgeometry', '--shell', window)
        values = dict(line.split('=', 1) for line in out.split())
        return tuple(int(values[key]) for key in ('X', 'Y', 'WIDTH', 'HEIGHT'))

    def client_origin(self, window, form=None):
        '''The top-left pixel of a window's client area, which lies below the menu bar; the
        main window's unless another form's layout is given.'''
        x, y, _, height = self.geometry(window)
        return x, y + height - (form or main_form()).client_pixels[1]

    def mapped(self, window):
        return 'IsViewable' in self.run('xwininfo', '-id', window, check=False)

    def net_wm_state(self, window):
        return self.run('xprop', '-id', window, '_NET_WM_STATE', check=False)

    # ---- Driving it ------------------------------------------------------------------------

    def point(self, window, control, where='centre', form=None):
        '''A control's screen pixel: its centre, its left end, or its upper arrow.'''
        form = form or main_form()
        left, top, width, height = form[control]
        cx, cy = self.client_origin(window, form)
        px = cx + (left + width / 2) / TWIPS_PER_PIXEL
        py = cy + (top + height / 2) / TWIPS_PER_PIXEL
        if where == 'left':
            px = cx + left / TWIPS_PER_PIXEL + 6
        elif where == 'upper':
            py = cy + (top + height / 4) / TWIPS_PER_PIXEL
        return round(px), round(py)

    def click(self, window, control, **where):
        x, y = self.point(window, control, **where)
        self.run('xdotool', 'mousemove', '--sync', str(x), str(y), 'click', '1')

    def click_repeatedly(self, window, control, times):
        '''Clicks a spin button's upper arrow so many times.'''
        x, y = self.point(window, control, where='upper')
        self.run('xdotool', 'mousemove', '--sync', str(x), str(y),
                 'click', '--repeat', str(times), '--delay', '15', '1')

    def keys(self, *keys):
        self.run('xdotool', 'key', '--delay', '20', *keys)

    def type(self, text):
        self.run('xdotool', 'type', '--delay', '20', text)

    def focus(self, window):
        self.run('xdotool', 'windowfocus', '--sync', window)

    def field_text(self, window, control):
        '''The text of a text field: selected from the keyboard, as a user would, and read from
        the selection (the number fields take no clipboard keys).'''
        self.click(window, control)
        self.keys('End', 'shift+Home')
        return wait_for('the selection', lambda: self.run(
            'xclip', '-o', '-selection', 'primary', check=False, timeout=5))

    def choose_in_list(self, window, combo, steps_down):
        '''Opens a drop-down list and moves down so many items from the chosen one.'''
        self.click(window, combo)
        self.keys(*(['Down'] * steps_down), 'Return')

    def arm_period(self, window, action_steps, period, unit_steps):
        '''Chooses an action and a period, then clicks "Activate Timer".'''
        self.choose_in_list(window, 'cmbAction', action_steps)
        self.click(window, 'txtPeriod')
        # The digit field discards Ctrl+A like every control character; Shift+Home selects.
        self.keys('End', 'shift+Home')
        self.type(period)
        self.choose_in_list(window, 'cmbUnit', unit_steps)
        self.click(window, 'cmdTimer')
