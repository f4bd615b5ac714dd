"""The floors the program is measured against: bench_floor_window, a plain Qt 6 window with a
tray icon and one 500 ms clock timer updating a label, written the way any small Qt tray
utility would be; with --watch it adds a 10 ms precise timer comparing a label's text. Whatever
such a program costs at rest on this machine and toolkit is the least a program of the kind
can cost, so the program's figures are shown beside these, taken in the same run.
"""
TITLE = 'Floor'
WATCH_TITLE = 'Floor with watch'
# Not a floor of the goals: the same window with a CPU meter drawn the plain Qt way (--meter),
# shown beside the program to tell Qt's cost of a meter from the program's own.
METER_TITLE = 'Floor with meter'


def spawn(h, watch, meter=False):
    """Starts a floor on the bench's display and buses."""
    argv = [h.binary('bench/bench_floor_window')] + (['--watch'] if watch else []) + \
        (['--meter'] if meter else [])
    return h.spawn(argv)
