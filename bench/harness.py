"""The benchmarks' own world: a private X display, a private system bus and session bus, and
on them python-dbusmock's logind and a tray watcher, each logging the calls it receives with
their wall-clock time. Every program the benchmarks start is pointed at these and nothing
else: the machine's own buses are never used.
"""
import os
import shutil
import signal
import subprocess
import tempfile
import time

import dbus

HERE = os.path.dirname(os.path.abspath(__file__))
PYTHON = '/usr/bin/python3'  # Debian's, which has python-dbusmock
START_TIMEOUT = 15.0

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

# What a desktop session would have told the program; none of it may leak into the bench.
DROPPED_ENV = ('DBUS_SESSION_BUS_ADDRESS', 'DBUS_SYSTEM_BUS_ADDRESS', 'DISPLAY',
               'WAYLAND_DISPLAY', 'XDG_RUNTIME_DIR', 'XDG_CURRENT_DESKTOP', 'XDG_SESSION_TYPE',
               'DESKTOP_SESSION', 'QT_QPA_PLATFORM', 'QT_QPA_PLATFORMTHEME', 'XAUTHORITY')


class HarnessError(RuntimeError):
    pass


def stop_process(process, grace=3.0):
    """Ends one process this harness started: politely, then for good."""
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(grace)


def wait_until(predicate, timeout, step=0.01):
    """The predicate's first true value, or None when the time runs out."""
    deadline = time.time() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.time() >= deadline:
            return None
        time.sleep(step)


def read_log(path):
    """A dbusmock log as (time, method, arguments) rows."""
    rows = []
    try:
        with open(path, encoding='utf-8', errors='replace') as log:
            for line in log:
                parts = line.rstrip('\n').split(' ', 2)
                if len(parts) >= 2:
                    rows.append((float(parts[0]), parts[1], parts[2] if len(parts) > 2 else ''))
    except FileNotFoundError:
        pass
    return rows


class Harness:
    def __init__(self, build_dir):
        self.build_dir = build_dir
        self.dir = tempfile.mkdtemp(prefix='slumbrix-bench-')
        self.processes = []  # everything started here, stopped in reverse order
        self.runtime_dirs = 0
        self.env = None
        self.session_bus = None

    # ---- setting up -------------------------------------------------------------------
    def start(self):
        env = {k: v for k, v in os.environ.items() if k not in DROPPED_ENV}
        env['DISPLAY'] = self._start_xvfb()
        env['DBUS_SYSTEM_BUS_ADDRESS'] = self._start_bus('system')
        env['DBUS_SESSION_BUS_ADDRESS'] = self._start_bus('session')
        env['QT_QPA_PLATFORM'] = 'xcb'
        self.env = env
        self._start_mock(['--system', '-t', 'logind'], 'logind', 'org.freedesktop.login1')
        watcher = os.path.join(HERE, 'mocks', 'status_notifier_watcher.py')
        self._start_mock(['--session', '-t', watcher], 'watcher', 'org.kde.StatusNotifierWatcher')
        self._start_map_watch()

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        process = self._track(subprocess.Popen(
            ['Xvfb', '-displayfd', str(write_end), '-screen', '0', '1280x1024x24', '-nolisten',
             'tcp'], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=open(self.path('xvfb.log'), 'wb')))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number or process.poll() is not None:
            raise HarnessError('Xvfb did not start')
        return ':' + number

    def _start_bus(self, kind):
        socket_dir = self.path(kind + '-bus')
        os.mkdir(socket_dir, 0o700)
        config = self.path(kind + '.conf')
        with open(config, 'w') as f:
            f.write(BUS_CONFIG.format(dir=socket_dir))
        process = self._track(subprocess.Popen(
            ['dbus-daemon', '--config-file=' + config, '--print-address=1', '--nofork'],
            stdout=subprocess.PIPE, stderr=open(self.path(kind + '-bus.log'), 'wb'), text=True))
        address = process.stdout.readline().strip()
        if not address:
            raise HarnessError('dbus-daemon gave no address for the %s bus' % kind)
        return address

    def _start_mock(self, args, name, bus_name):
        system = args[0] == '--system'
        self._track(subprocess.Popen(
            [PYTHON, '-m', 'dbusmock'] + args + ['-l', self.path(name + '.log')],
            env=self.child_env(), stdout=subprocess.DEVNULL,
            stderr=open(self.path(name + '.err'), 'wb')))
        address = self.env['DBUS_SYSTEM_BUS_ADDRESS' if system else 'DBUS_SESSION_BUS_ADDRESS']
        bus = dbus.bus.BusConnection(address)
        if not wait_until(lambda: bus.name_has_owner(bus_name), START_TIMEOUT, 0.05):
            raise HarnessError(bus_name + ' did not appear on the private bus')
        bus.close()

    def _start_map_watch(self):
        process = self._track(subprocess.Popen(
            [self.binary('bench/bench_map_watch')], env=self.child_env(),
            stdout=open(self.path('maps.log'), 'wb')))
        if not wait_until(lambda: os.path.getsize(self.path('maps.log')) > 0, START_TIMEOUT):
            raise HarnessError('the map recorder did not start (%s)' % process.poll())

    # ---- starting programs ------------------------------------------------------------
    def path(self, name):
        return os.path.join(self.dir, name)

    def binary(self, relative):
        return os.path.join(self.build_dir, relative)

    def new_runtime_dir(self):
        """A fresh XDG_RUNTIME_DIR, mode 0700, as a login session would give."""
        self.runtime_dirs += 1
        path = self.path('runtime-%d' % self.runtime_dirs)
        os.mkdir(path, 0o700)
        return path

    def child_env(self, runtime_dir=None, extra=None):
        env = dict(self.env)
        env['XDG_RUNTIME_DIR'] = runtime_dir or self.new_runtime_dir()
        env.update(extra or {})
        self._check_private(env)
        return env

    def _check_private(self, env):
        # The program performs real system actions through these buses: both must be ours.
        for key in ('DBUS_SYSTEM_BUS_ADDRESS', 'DBUS_SESSION_BUS_ADDRESS'):
            if self.dir not in env.get(key, ''):
                raise HarnessError('%s is not a private bus of the bench' % key)

    def spawn(self, argv, env=None, **kwargs):
        """Starts a program with the private display and buses; stopped at the end at the latest."""
        env = env or self.child_env()
        self._check_private(env)
        kwargs.setdefault('stdout', subprocess.DEVNULL)
        kwargs.setdefault('stderr', subprocess.DEVNULL)
        return self._track(subprocess.Popen(argv, env=env, **kwargs))

    def spawn_slumbrix(self):
        return self.spawn([self.binary('src/frontend/qt/slumbrix')])

    def _track(self, process):
        self.processes.append(process)
        return process

    def forget(self, process):
        stop_process(process)
        if process in self.processes:
            self.processes.remove(process)

    # ---- what the mocks and the display saw ------------------------------------------
    def logind_calls(self):
        return [row for row in read_log(self.path('logind.log'))
                if row[1] in ('PowerOff', 'Reboot', 'Suspend', 'Hibernate', 'TerminateSession',
                              'LockSession')]

    def tray_registration(self, pid):
        """The time the process registered a tray item with the watcher, or None.

        Qt registers under its connection's unique name, which the bus maps to the process
        while the process lives."""
        for when, method, args in read_log(self.path('watcher.log')):
            if method == 'RegisterStatusNotifierItem' and self._owner_pid(args.strip('"')) == pid:
                return when
        return None

    def _owner_pid(self, name):
        if self.session_bus is None:
            self.session_bus = dbus.bus.BusConnection(self.env['DBUS_SESSION_BUS_ADDRESS'])
        try:
            return int(self.session_bus.call_blocking(
                'org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                'GetConnectionUnixProcessID', 's', (name,)))
        except dbus.exceptions.DBusException:
            return None  # gone with its process

    def maps(self):
        """(time, window, pid, title) of every top-level window mapped so far."""
        rows = []
        with open(self.path('maps.log'), encoding='utf-8', errors='replace') as log:
            for line in log:
                parts = line.rstrip('\n').split(' ', 3)
                if len(parts) >= 3 and parts[0] != 'ready':
                    rows.append((float(parts[0]), int(parts[1]), int(parts[2]),
                                 parts[3] if len(parts) > 3 else ''))
        return rows

    def wait_mapped(self, pid, title, timeout=START_TIMEOUT):
        """(time, window) of the first map of the pid's window with that title, or None."""
        def found():
            for when, window, owner, name in self.maps():
                if owner == pid and name == title:
                    return when, window
            return None
        return wait_until(found, timeout)

    # ---- ending -----------------------------------------------------------------------
    def stop(self):
        for process in reversed(self.processes):
            stop_process(process)
        self.processes.clear()
        if self.session_bus is not None:
            self.session_bus.close()
        shutil.rmtree(self.dir, ignore_errors=True)


def sigkill_group(process):
    """Ends a process group this harness started with start_new_session."""
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()
