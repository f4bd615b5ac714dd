'''Photographs the real Linux program's main window for the README:
shoot_linux.py PROGRAM OUT.png

The program runs on a private desktop (tests/support/private_desktop.py: Xvfb at 96 dpi,
private buses with a tray host) and the window is cut from a screenshot of the display once
the clock and the meter have ticked.'''
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'support'))
sys.path.insert(0, os.path.join(HERE, '..', 'e2e'))

from desktop import Desktop  # noqa: E402


def main(program, out):
    os.environ['SLUMBRIX_PROGRAM'] = os.path.abspath(program)
    desk = Desktop().start()
    try:
        started = desk.start_program()
        window = started.window()
        desk.tray_item()
        time.sleep(1.5)
        screen = out + '.screen.png'
        desk.screenshot(screen)
        x, y, width, height = started.geometry(window)
        desk.run('convert', screen, '-crop', f'{width}x{height}+{x}+{y}', '+repage', out)
        os.remove(screen)
        print(f'window {x} {y} {width} {height}')
    finally:
        desk.stop()


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
