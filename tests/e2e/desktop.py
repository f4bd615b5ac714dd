'''The shared private desktop (tests/support/private_desktop.py) with the real Linux program
on it: each test starts its own and stops it again.'''
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))

import private_desktop as shared  # noqa: E402
from private_desktop import REFUSE  # noqa: E402,F401  (for the tests)
from processes import wait_for  # noqa: E402
from program import Program, TrayItem  # noqa: E402


AT_SPI_BUS_LAUNCHER = '/usr/libexec/at-spi-bus-launcher'


def program_path():
    path = os.environ.get('SLUMBRIX_PROGRAM', '')
    if not os.access(path, os.X_OK):
        raise unittest.SkipTest('SLUMBRIX_PROGRAM does not name the built program')
    return path


class Desktop(shared.Desktop):
    def start_program(self, **extra_env):
        '''Starts the program on this desktop; an extra variable set to None is left out.'''
        env = dict(self.environment(), **extra_env)
        env = {name: value for name, value in env.items() if value is not None}
        process = self.spawn([program_path()], env=env, stdout=subprocess.DEVNULL,
                             log=f'program-{len(self.processes)}')
        return Program(process, self.run)

    def start_accessibility_bus(self):
        '''The accessibility bus of this desktop's session (at-spi-bus-launcher, which starts
        the bus and its registry and names it on the display); the environment in which a
        screen reader's client finds it.'''
        env = {name: value for name, value in self.environment().items()
               if name != 'NO_AT_BRIDGE'}
        self.spawn([AT_SPI_BUS_LAUNCHER, '--launch-immediately'], env=env,
                   stdout=subprocess.DEVNULL, log='at-spi-bus')
        wait_for('the accessibility bus', lambda: self._session.name_has_owner('org.a11y.Bus'))
        return env

    def start_accessible_program(self):
        '''Starts the program with its accessibility bridge on, as under a screen reader.'''
        return self.start_program(QT_ACCESSIBILITY='1', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
                                  NO_AT_BRIDGE=None)

    def tray_item(self):
        '''The one tray item, once it is registered.'''
        items = wait_for('a tray item', self.tray_items)
        assert len(items) == 1, f'more than one tray item: {items}'
        return TrayItem(self._session, items[0])


class DesktopTest(unittest.TestCase):
    '''A test with a desktop of its own, stopped again whatever happens.'''

    def desktop(self, **options):
        desktop = Desktop(**options)
        self.addCleanup(desktop.stop)
        return desktop.start()
