'''Xfce's own panel (xfce4-panel) on a test's desktop, holding only its notification area
(the systray plugin: a StatusNotifierWatcher with its host, and an XEmbed tray). Its settings
are the panel's own file in the desktop's XDG_CONFIG_HOME, served on the desktop's session bus
by Xfce's settings daemon (xfconfd), which a session would start through D-Bus activation;
the private bus has none, so it is started here. There is no window manager: the panel is told
not to wait for one.'''
import os
import shutil
import signal
import subprocess

from processes import wait_for

SETTINGS = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'xfce4-panel.xml')
XFCONFD = '/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd'
WATCHER = 'org.kde.StatusNotifierWatcher'


def xfconfd():
    '''Where Debian puts Xfce's settings daemon on this machine's architecture.'''
    for found in (XFCONFD,) + tuple(
            os.path.join(root, 'xfce4', 'xfconf', 'xfconfd')
            for root in ('/usr/lib', '/usr/libexec', '/usr/lib/' + os.uname().machine + '-linux-gnu')):
        if os.access(found, os.X_OK):
            return found
    raise AssertionError('xfconfd is not installed (Debian package xfconf)')


class XfcePanel:
    def __init__(self, desk):
        self.desk = desk
        self.process = None
        env = desk.environment()
        channels = os.path.join(env['XDG_CONFIG_HOME'], 'xfce4', 'xfconf', 'xfce-perchannel-xml')
        os.makedirs(channels, exist_ok=True)
        shutil.copy(SETTINGS, os.path.join(channels, 'xfce4-panel.xml'))
        desk.spawn([xfconfd()], env=env, log='xfconfd')
        wait_for('xfconfd on the session bus', lambda: desk.session_pid('org.xfce.Xfconf'))

    def start(self):
        '''Starts the panel; returns once its tray host is on the bus.'''
        self.process = self.desk.spawn(['xfce4-panel', '--disable-wm-check'],
                                       env=self.desk.environment(), stdout=subprocess.DEVNULL,
                                       log='xfce4-panel')
        wait_for('the panel\'s tray host', lambda: self.desk.session_pid(WATCHER))
        return self

    def kill(self):
        '''The panel crashes (SIGKILL); returns once its tray host has left the bus.'''
        os.kill(self.process.pid, signal.SIGKILL)
        self.process.wait()
        wait_for('the tray host to leave the bus', lambda: self.desk.session_pid(WATCHER) is None)

    def geometry(self):
        '''x, y, width, height of the panel's own window (the largest visible one).'''
        found = []
        for window in self.desk.run('xdotool', 'search', '--onlyvisible', '--class',
                                    'xfce4-panel', check=False).split():
            out = self.desk.run('xdotool', 'getwindowgeometry', '--shell', window, check=False)
            values = dict(line.split('=', 1) for line in out.split() if '=' in line)
            if 'WIDTH' in values:
                found.append(tuple(int(values[k]) for k in ('X', 'Y', 'WIDTH', 'HEIGHT')))
        assert found, 'the panel shows no window'
        return max(found, key=lambda g: g[2] * g[3])

    def click_icon(self, button):
        '''Clicks the first icon of the notification area, the panel's only plugin.'''
        x, y, _, height = self.geometry()
        self.desk.run('xdotool', 'mousemove', '--sync', str(x + height // 2),
                      str(y + height // 2), 'click', str(button))
