"""The benchmarks' own world: the tests' private desktop (tests/support/private_desktop.py), an
X display with a private system bus and session bus and python-dbusmock's logind and tray
watcher on them, each logging the calls it receives with their wall-clock time, plus a
recorder of the moments windows are mapped. Every program the benchmarks start is pointed at
these and nothing else: the machine's own buses are never used.
"""
import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests',
                                'support'))

from private_desktop import Desktop  # noqa: E402

START_TIMEOUT = 15.0

# What a desktop session would have told the program; none of it may leak into the bench.
DROPPED_ENV = ('DBUS_SESSION_BUS_ADDRESS', 'DBUS_SYSTEM_BUS_ADDRESS', 'DISPLAY',
               'WAYLAND_DISPLAY', 'XDG_RUNTIME_DIR', 'XDG_CURRENT_DESKTOP', 'XDG_SESSION_TYPE',
               'DESKTOP_SESSION', 'QT_QPA_PLATFORM', 'QT_QPA_PLATFORMTHEME', 'XAUTHORITY')


class HarnessError(RuntimeError):
    pass


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


class Harness:
    def __init__(self, build_dir):
        self.build_dir = build_dir
        self.desktop = Desktop(screen_saver=False, screen='1280x1024x24')
        self.dir = self.desktop.dir
        self.runtime_dirs = 0
        self.env = None

    # ---- setting up -------------------------------------------------------------------
    def start(self):
        try:
            self.desktop.start()
        except AssertionError as error:
            raise HarnessError(str(error)) from None
        # The benchmarks' own environment, with the private display and buses in place of
        # the session's.
        env = {k: v for k, v in os.environ.items() if k not in DROPPED_ENV}
        env['DISPLAY'] = self.desktop.display
        env['DBUS_SYSTEM_BUS_ADDRESS'] = self.desktop.system_address
        env['DBUS_SESSION_BUS_ADDRESS'] = self.desktop.session_address
        env['QT_QPA_PLATFORM'] = 'xcb'
        self.env = env
        self._start_map_watch()

    def _start_map_watch(self):
        with open(self.path('maps.log'), 'wb') as maps:
            process = self.spawn([self.binary('bench/bench_map_watch')], stdout=maps)
        if not wait_until(lambda: os.path.getsize(self.path('maps.log')) > 0, START_TIMEOUT):
            raise HarnessError('the map recorder did not start (%s)' % process.poll())

    # ---- starting programs ------------------------------------------------------------
    def path(self, name):
        return self.desktop.path(name)

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
        return self.desktop.spawn(argv, env=env, **kwargs)

    def spawn_slumbrix(self):
        return self.spawn([self.binary('src/frontend/qt/slumbrix')])

    def forget(self, process):
        self.desktop.forget(process)

    # ---- what the mocks and the display saw ------------------------------------------
    def logind_calls(self):
        return [row for row in self.desktop.call_rows('logind')
                if row[1] in ('PowerOff', 'Reboot', 'Suspend', 'Hibernate', 'TerminateSession',
                              'LockSession')]

    def tray_registration(self, pid):
        """The time the process registered a tray item with the watcher, or None.

        The bus maps the registered name to the process while the process lives."""
        for when, method, args in self.desktop.call_rows('watcher'):
            if (method == 'RegisterStatusNotifierItem' and
                    self.desktop.session_pid(args.strip('"')) == pid):
                return when
        return None

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
        self.desktop.stop()


def sigkill_group(process):
    """Ends a process group this harness started with start_new_session."""
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()
