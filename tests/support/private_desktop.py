'''A desktop of the tests' and benchmarks' own, on which the real Linux program runs.

A Desktop is one display (Xvfb), one system bus and one session bus (dbus-daemon with
configurations of their own), and python-dbusmock's services on them: logind on the system
bus, the tray host (a StatusNotifierWatcher) and the screen saver on the session bus, each
logging the calls it receives with their time. Nothing here reaches the machine's own display
or buses. Runs with Debian's python3, which has the dbus module.

python-dbusmock's DBusTestCase starts its buses with --fork, so a runner that is killed
would leave them behind, and keeps one pair of buses per test class in os.environ; a test here
starts several desktops side by side, so the buses and mocks are this module's own children,
ended with it (processes.spawn). The mocks are dbusmock's own: its templates, its call log and
its Mock interface (AddMethod, AddMethods).
'''
import os
import shutil
import subprocess
import tempfile

import dbus

from processes import spawn, stop_process, wait_for

MOCKS = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'mocks')
WATCHER_TEMPLATE = os.path.join(MOCKS, 'status_notifier_watcher.py')
SCREENSAVER_TEMPLATE = os.path.join(MOCKS, 'screensaver.py')
PYTHON = '/usr/bin/python3'

WATCHER = 'org.kde.StatusNotifierWatcher'
LOGIND = 'org.freedesktop.login1'
LOGIND_MANAGER = 'org.freedesktop.login1.Manager'
MOCK_IFACE = 'org.freedesktop.DBus.Mock'
PROPERTIES = 'org.freedesktop.DBus.Properties'

# A refusal as logind's polkit check gives it.
REFUSE = ("raise dbus.exceptions.DBusException('Access denied', "
          "name='org.freedesktop.DBus.Error.AccessDenied')")

BUS_CONFIG = '''<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={dir}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
'''


class Desktop:
    '''A display and two buses with their mock services; start() brings them up in order.

    display, tray, session_bus, system_bus, logind and screen_saver say what the desktop
    offers; a bus that is missing is an address where nothing listens.'''

    def __init__(self, tray=True, session_bus=True, system_bus=True, logind=True,
                 screen_saver=True, display=True, screen='1024x768x24'):
        self.tray = tray and session_bus
        self.session_bus = session_bus
        self.system_bus = system_bus
        self.logind = logind and system_bus
        self.screen_saver = screen_saver and session_bus
        self.screen = screen if display else None
        self.dir = tempfile.mkdtemp(prefix='slumbrix-desktop-')
        self.runtime_dir = os.path.join(self.dir, 'runtime')
        os.mkdir(self.runtime_dir, 0o700)
        os.mkdir(os.path.join(self.dir, 'home'), 0o700)
        self.processes = []
        self.display = None
        self.system_address = 'unix:path=' + os.path.join(self.dir, 'no-system-bus')
        self.session_address = 'unix:path=' + os.path.join(self.dir, 'no-session-bus')
        self._system = None
        self._session = None
        self._buses = {}

    # ---- Setting up and tearing down --------------------------------------------------------

    def start(self):
        try:
            self._start()
        except BaseException:
            self.stop()
            raise
        return self

    def _start(self):
        if self.screen is not None:
            self._start_display()
        if self.system_bus:
            self.system_address = self._start_bus('system')
            self._system = dbus.bus.BusConnection(self.system_address)
        if self.session_bus:
            self.session_address = self._start_bus('session')
            self._session = dbus.bus.BusConnection(self.session_address)
        if self.logind:
            self._start_mock(['--system', '-t', 'logind', '-l', self.log('logind')],
                             self._system, LOGIND)
        if self.screen_saver:
            self._start_mock(['--session', '-t', SCREENSAVER_TEMPLATE, '-l',
                              self.log('screensaver')],
                             self._session, 'org.freedesktop.ScreenSaver')
        if self.tray:
            # Before the program: Qt looks for a tray host once, when it starts.
            self._start_mock(['--session', '-t', WATCHER_TEMPLATE, '-l', self.log('watcher')],
                             self._session, WATCHER)

    def stop(self):
        for process in reversed(self.processes):
            stop_process(process)
        self.processes = []
        for connection in (self._system, self._session):
            if connection is not None:
                connection.close()
        self._system = self._session = None
        shutil.rmtree(self.dir, ignore_errors=True)

    def stop_session_bus(self):
        '''The session bus goes away, and the services on it with it.'''
        self._session.close()
        self._session = None
        stop_process(self._buses['session'])

    def path(self, name):
        return os.path.join(self.dir, name)

    def log(self, name):
        return self.path(name + '.log')

    def runtime_files(self):
        return os.listdir(self.runtime_dir)

    def environment(self):
        '''What the program and the tools are started with: this desktop, nothing else.'''
        env = {
            'PATH': os.environ.get('PATH', '/usr/bin:/bin'),
            'HOME': os.path.join(self.dir, 'home'),
            'TMPDIR': self.dir,
            'DISPLAY': self.display,
            'DBUS_SYSTEM_BUS_ADDRESS': self.system_address,
            'DBUS_SESSION_BUS_ADDRESS': self.session_address,
            'XDG_RUNTIME_DIR': self.runtime_dir,
            'XDG_CONFIG_HOME': os.path.join(self.dir, 'home', '.config'),
            'XDG_CACHE_HOME': os.path.join(self.dir, 'home', '.cache'),
            'XDG_DATA_HOME': os.path.join(self.dir, 'home', '.local', 'share'),
            'LC_ALL': 'C.UTF-8',
            'TZ': 'UTC',
            'QT_QPA_PLATFORM': 'xcb',
            'QT_ACCESSIBILITY': '0',
            'NO_AT_BRIDGE': '1',
        }
        return {name: value for name, value in env.items() if value is not None}

    def spawn(self, args, log=None, **kwargs):
        '''Starts a process of this desktop, stopped with it at the latest; its error output
        goes to the named log.'''
        if log is None:
            kwargs.setdefault('stderr', subprocess.DEVNULL)
            process = spawn(args, **kwargs)
        else:
            with open(self.log(log), 'wb') as errors:
                process = spawn(args, stderr=errors, **kwargs)
        self.processes.append(process)
        return process

    def forget(self, process):
        '''Stops a process of this desktop before the desktop ends.'''
        stop_process(process)
        if process in self.processes:
            self.processes.remove(process)

    def _start_display(self):
        ready_read, ready_write = os.pipe()
        try:
            self.spawn(['Xvfb', '-displayfd', str(ready_write), '-screen', '0', self.screen,
                        '-dpi', '96', '-nolisten', 'tcp', '-noreset'],
                       pass_fds=(ready_write,), stdout=subprocess.DEVNULL, log='xvfb')
            os.close(ready_write)
            ready_write = None
            number = b''
            while not number.endswith(b'\n'):
                chunk = os.read(ready_read, 16)
                if not chunk:
                    raise AssertionError('Xvfb did not start: ' + self.read_log('xvfb'))
                number += chunk
            self.display = ':' + number.decode().strip()
        finally:
            os.close(ready_read)
            if ready_write is not None:
                os.close(ready_write)

    def _start_bus(self, name):
        socket_dir = self.path(name + '-bus')
        os.mkdir(socket_dir, 0o700)
        config = self.path(name + '-bus.conf')
        with open(config, 'w') as out:
            out.write(BUS_CONFIG.format(dir=socket_dir))
        bus = self.spawn(['dbus-daemon', '--config-file=' + config, '--print-address=1',
                          '--nofork'], stdout=subprocess.PIPE, log=name + '-bus')
        self._buses[name] = bus
        address = bus.stdout.readline().decode().strip()
        bus.stdout.close()
        if not address:
            raise AssertionError(f'the {name} bus did not start')
        return address

    def _start_mock(self, args, connection, name):
        process = self.spawn([PYTHON, '-m', 'dbusmock'] + args, env=self.environment(),
                             stdout=subprocess.DEVNULL, log=name + '.err')
        wait_for(name + ' on its bus',
                 lambda: connection.name_has_owner(name) or process.poll() is not None)
        if process.poll() is not None:
            raise AssertionError(f'the mock of {name} ended at start: ' +
                                 self.read_log(name + '.err'))
        return process

    # ---- The services --------------------------------------------------------------------

    def calls(self, name):
        '''The calls a mock received, one "Method args" line each (Reboot False).'''
        return [f'{method} {args}'.rstrip() for _, method, args in self.call_rows(name)]

    def call_rows(self, name):
        '''The calls a mock received as (time, method, arguments) rows; the time in seconds
        since the epoch.'''
        rows = []
        for line in self.read_log(name).splitlines():
            parts = line.split(' ', 2)
            if len(parts) >= 2:
                rows.append((float(parts[0]), parts[1], parts[2] if len(parts) > 2 else ''))
        return rows

    def call_times(self, name, call):
        '''The moments (seconds since the epoch) at which a mock received this call.'''
        return [when for when, method, args in self.call_rows(name)
                if f'{method} {args}'.rstrip() == call]

    def read_log(self, name):
        try:
            with open(self.log(name), encoding='utf-8', errors='replace') as log:
                return log.read()
        except FileNotFoundError:
            return ''

    def start_service(self, log, name, path, methods):
        '''A mock service on the session bus: name, object path and interface (named like the
        service), with methods as dbusmock's AddMethods takes them; its calls go to the log.'''
        self._start_mock(['--session', '-l', self.log(log), name, path, name],
                         self._session, name)
        self._session.get_object(name, path).AddMethods(name, methods,
                                                        dbus_interface=MOCK_IFACE)

    def start_template(self, log, template, name):
        '''One of python-dbusmock's own templates on the session bus.'''
        self._start_mock(['--session', '-t', template, '-l', self.log(log)], self._session, name)

    def set_logind_method(self, method, in_signature, code):
        '''Replaces a method of logind's manager with Python code (dbusmock's AddMethod).'''
        mock = self._system.get_object(LOGIND, '/org/freedesktop/login1')
        mock.AddMethod(LOGIND_MANAGER, method, in_signature, '', code, dbus_interface=MOCK_IFACE)

    def hang_tray_host(self):
        '''The tray host stops answering: it is busy for an hour with a call of its own.'''
        watcher = self._session.get_object(WATCHER, '/StatusNotifierWatcher')
        watcher.AddMethod(WATCHER, 'Hang', '', '', 'time.sleep(3600)', dbus_interface=MOCK_IFACE)
        watcher.Hang(dbus_interface=WATCHER, ignore_reply=True)

    def tray_items(self):
        '''The items registered with the tray host whose owners are still on the bus.'''
        watcher = self._session.get_object(WATCHER, '/StatusNotifierWatcher')
        return [str(item) for item in
                watcher.Get(WATCHER, 'RegisteredStatusNotifierItems', dbus_interface=PROPERTIES)]

    def session_pid(self, name):
        '''The process that owns a name on the session bus, or None when nobody does.'''
        try:
            return int(self._session.call_blocking(
                'org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                'GetConnectionUnixProcessID', 's', (name,)))
        except dbus.exceptions.DBusException:
            return None

    # ---- The display ---------------------------------------------------------------------

    def run(self, *args, check=True, timeout=10.0):
        '''An X tool (xdotool, xprop, import, xclip) on this display; its output.'''
        result = subprocess.run(list(args), env=self.environment(), capture_output=True,
                                timeout=timeout, text=True)
        if check and result.returncode != 0:
            raise AssertionError(f'{args[0]} failed: {result.stderr.strip()}')
        return result.stdout

    def start_xembed_tray(self):
        '''An XEmbed notification area (trayer) on the display; its window id once it is up.'''
        self.spawn(['trayer', '--edge', 'bottom', '--align', 'right', '--widthtype', 'pixel',
                    '--width', '120', '--heighttype', 'pixel', '--height', '32',
                    '--SetDockType', 'false', '--SetPartialStrut', 'false'],
                   env=self.environment(), stdout=subprocess.DEVNULL, log='trayer')
        return wait_for('the XEmbed tray', lambda: self.run(
            'xdotool', 'search', '--onlyvisible', '--class', 'trayer', check=False).split())[0]

    def ancestors(self, window):
        '''The ids (numbers) of the windows that hold this one, below the root: an embedded
        icon lies in its tray.'''
        found = []
        window = int(window)
        while True:
            out = self.run('xwininfo', '-tree', '-id', str(window), check=False)
            line = next((line for line in out.splitlines() if 'Parent window id:' in line), '')
            if not line or '(the root window)' in line:
                return found
            window = int(line.split()[3], 16)
            found.append(window)

    def screenshot(self, path):
        self.run('import', '-window', 'root', path)
