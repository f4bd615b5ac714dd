'''Runs one command on a private desktop: with_desktop.py [--display] -- COMMAND [ARG...]

The desktop of private_desktop.py with logind and the screen saver mocked (no tray host, and
no display unless asked for); the command gets its bus addresses and SLUMBRIX_MOCK_LOGS, the
folder of the mocks' call logs (logind.log, screensaver.log). The desktop ends with the
command, whose exit status is this one's.'''
import os
import sys

from private_desktop import Desktop
from processes import spawn, stop_process


def main(argv):
    if '--' not in argv:
        sys.exit(__doc__)
    options, command = argv[:argv.index('--')], argv[argv.index('--') + 1:]
    desktop = Desktop(tray=False, display='--display' in options)
    try:
        desktop.start()
        env = dict(os.environ)
        env.update(DBUS_SYSTEM_BUS_ADDRESS=desktop.system_address,
                   DBUS_SESSION_BUS_ADDRESS=desktop.session_address,
                   SLUMBRIX_MOCK_LOGS=desktop.dir)
        if desktop.display is not None:
            env['DISPLAY'] = desktop.display
        process = spawn(command, env=env)
        try:
            return process.wait()
        finally:
            stop_process(process)
    finally:
        desktop.stop()


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
