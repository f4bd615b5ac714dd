"""One Windows version of one Windows build, measured under Wine beside its Win32 floor.

Runs inside `tests/wine/harness.sh display PROGRAM_STATE ...`: a private Xvfb display, and
two prefixes made by the harness, one for the program and one for the floor, so that each
has a wineserver of its own. bench/windows.py starts it and prints what it writes:
  wine_rounds.py RESULTS.json SETTINGS.json
Only the processes of the two prefixes are started and ended here.
"""
import json
import os
import re
import signal
import subprocess
import sys
import time

import procstats

HERE = os.path.dirname(os.path.abspath(__file__))
HARNESS = os.path.join(HERE, '..', 'tests', 'wine', 'harness.sh')
PROGRAM_CLASS, PROGRAM_TITLE = 'SlumbrixForm', 'Slumbrix'
FLOOR_CLASS, FLOOR_TITLE, WATCH_TITLE = 'BenchFloor', 'Floor', 'Floor with watch'
SETTLE_SECONDS = 5.0
# The calls of the relay trace that make or free a GDI or USER object.
MAKES = ('CreatePen', 'CreatePenIndirect', 'CreateSolidBrush', 'CreateBrushIndirect',
         'CreateHatchBrush', 'CreateCompatibleBitmap', 'CreateBitmap', 'CreateDIBSection',
         'CreateCompatibleDC', 'CreateFontA', 'CreateFontIndirectA', 'CreateRectRgn',
         'LoadImageA', 'LoadIconA', 'CreateIconIndirect', 'CopyImage', 'GetDC', 'GetDCEx',
         'GetWindowDC', 'CreateMenu', 'CreatePopupMenu')
FREES = {'DeleteObject': 0, 'DeleteDC': 0, 'DestroyIcon': 0, 'DestroyMenu': 0, 'ReleaseDC': 1}
DLL_OF = {'GetDC': 'user32', 'GetDCEx': 'user32', 'GetWindowDC': 'user32', 'ReleaseDC': 'user32',
          'LoadImageA': 'user32', 'LoadIconA': 'user32', 'CreateIconIndirect': 'user32',
          'CopyImage': 'user32', 'DestroyIcon': 'user32', 'CreateMenu': 'user32',
          'CreatePopupMenu': 'user32', 'DestroyMenu': 'user32'}


def harness(*args, **kwargs):
    return subprocess.run(['bash', HARNESS] + [str(a) for a in args], check=True,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300,
                          **kwargs)


class Prefix:
    """A harness prefix and the processes started in it."""

    def __init__(self, state, bits):
        self.state = state
        self.bits = bits
        self.processes = []

    def wine_env(self, debug='-all'):
        env = dict(os.environ, WINEPREFIX=os.path.join(self.state, 'prefix'), WINEDEBUG=debug,
                   WINEDLLOVERRIDES='mscoree,mshtml=')
        if self.bits == 64:
            env.update(WINEARCH='win64', WINELOADER='/usr/lib/wine/wine64',
                       WINESERVER='/usr/lib/wine/wineserver64')
        else:
            env.update(WINEARCH='win32', WINELOADER='/usr/lib/wine/wine',
                       WINESERVER='/usr/lib/wine/wineserver')
        return env

    def spawn(self, argv, debug='-all', stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL):
        """A Windows program in this prefix; its Linux pid is the Popen's (the loader execs)."""
        env = self.wine_env(debug)
        process = subprocess.Popen([env['WINELOADER']] + argv, env=env, stdout=stdout,
                                   stderr=stderr)
        self.processes.append(process)
        return process

    def end(self, process):
        if process.poll() is None:
            process.send_signal(signal.SIGKILL)
        process.wait()
        self.processes.remove(process)

    def end_all(self):
        for process in list(self.processes):
            self.end(process)
        env = self.wine_env()
        subprocess.run([env['WINESERVER'], '-k'], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)

    def wineserver_pid(self):
        want = ('WINEPREFIX=' + os.path.join(self.state, 'prefix')).encode()
        for entry in os.listdir('/proc'):
            if not entry.isdigit():
                continue
            try:
                with open('/proc/%s/comm' % entry) as f:
                    if not f.read().startswith('wineserver'):
                        continue
                with open('/proc/%s/environ' % entry, 'rb') as f:
                    if want in f.read().split(b'\0'):
                        return int(entry)
            except OSError:
                continue
        return None


def start_timed(prefix, settings, argv, class_name, title, debug='-all', trace=None):
    """Starts argv in the prefix; (process, seconds from its start to its window shown)."""
    watch = prefix.spawn([settings['floor'], '--wait', class_name, title],
                         stdout=subprocess.PIPE)
    if watch.stdout.readline().strip() != b'ready':
        raise RuntimeError('the stopwatch did not start')
    began = time.monotonic()
    process = prefix.spawn(argv, debug=debug, stderr=trace or subprocess.DEVNULL)
    status = watch.wait(timeout=120)
    seconds = time.monotonic() - began
    prefix.processes.remove(watch)
    if status != 0:
        raise RuntimeError('the window "%s" did not appear' % title)
    return process, seconds


def driver(prefix, settings, *args):
    env = prefix.wine_env()
    done = subprocess.run([env['WINELOADER'], settings['driver']] + list(args), env=env,
                          capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        raise RuntimeError('driver %s: %s' % (' '.join(args), done.stderr.strip()))
    return done.stdout.replace('\r', '').strip()


def startup_times(program, floor, settings):
    times = {'program': [], 'floor': []}
    for _ in range(settings['starts']):
        for name, prefix, argv, class_name, title in (
                ('program', program, [settings['program']], PROGRAM_CLASS, PROGRAM_TITLE),
                ('floor', floor, [settings['floor']], FLOOR_CLASS, FLOOR_TITLE)):
            process, seconds = start_timed(prefix, settings, argv, class_name, title)
            times[name].append(seconds)
            prefix.end(process)
            time.sleep(0.5)
    return times


def rounds(pids, settings):
    """{name: [(cpu %, wake-ups/s) per round]} for the processes measured side by side."""
    costs = {name: [] for name in pids}
    for _ in range(settings['rounds']):
        now = time.time()
        before = {name: procstats.Sample(pid, now) for name, pid in pids.items()}
        time.sleep(settings['seconds'])
        now = time.time()
        for name, pid in pids.items():
            costs[name].append(before[name].cost_until(procstats.Sample(pid, now)))
    return costs


def rss(pid):
    return procstats.status_kib(pid, 'VmRSS')


def idle_and_watch(program, floor, settings, results):
    main, _ = start_timed(program, settings, [settings['program']], PROGRAM_CLASS,
                          PROGRAM_TITLE)
    plain, _ = start_timed(floor, settings, [settings['floor']], FLOOR_CLASS, FLOOR_TITLE)
    time.sleep(SETTLE_SECONDS)
    results['rss after start'] = {'program': rss(main.pid), 'floor': rss(plain.pid)}
    pids = {'program': main.pid, 'program wineserver': program.wineserver_pid(),
            'floor': plain.pid, 'floor wineserver': floor.wineserver_pid()}
    results['rest'] = rounds(pids, settings)
    if settings['growth_minutes'] > 0:
        time.sleep(settings['growth_minutes'] * 60.0)
    results['rss after growth'] = {'program': rss(main.pid), 'floor': rss(plain.pid)}
    # The CPU watch armed at its lowest threshold, 1 %, through the controls; a tiny load keeps
    # the meter above 0 so that it never fires. Beside it the floor with its 10 ms timer.
    floor.end(plain)
    load = subprocess.Popen(['stress-ng', '--cpu', '1', '--cpu-load', '10', '--cpu-load-slice',
                             '10', '--quiet'], start_new_session=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        watcher, _ = start_timed(floor, settings, [settings['floor'], '--watch'], FLOOR_CLASS,
                                 WATCH_TITLE)
        driver(program, settings, 'click', PROGRAM_TITLE, 'Option1')
        driver(program, settings, 'click', PROGRAM_TITLE, 'cmdTimer')
        driver(program, settings, 'wait-text', PROGRAM_TITLE, 'cmdTimer', 'Deactivate Timer',
               '5000')
        time.sleep(SETTLE_SECONDS)
        pids.update(floor=watcher.pid, **{'floor wineserver': floor.wineserver_pid()})
        results['watch'] = rounds(pids, settings)
        results['watch still armed'] = driver(program, settings, 'text', PROGRAM_TITLE,
                                              'cmdTimer') == 'Deactivate Timer'
    finally:
        os.killpg(load.pid, signal.SIGKILL)
        load.wait()
    program.end_all()
    floor.end_all()


def relay_list():
    return ';'.join('%s.%s' % (DLL_OF.get(name, 'gdi32'), name)
                    for name in MAKES + tuple(FREES)) + ';kernel32.GetModuleHandleA'


def image_size(path):
    with open(path, 'rb') as f:
        header = f.read(4096)
    pe = int.from_bytes(header[60:64], 'little')
    return int.from_bytes(header[pe + 80:pe + 84], 'little')


CALL = re.compile(r'^[\d.]+:([0-9a-f]+):[0-9a-f]+:(Call|Ret ) [A-Za-z0-9_]+\.([A-Za-z_]+)\((.*?)\)'
                  r'(?: retval=([0-9a-f]+))? ret=([0-9a-f]+)$')
LINE = re.compile(r'^[\d.]+:([0-9a-f]+):[0-9a-f]+:')


def object_events(trace_path, exe):
    """The program's own object calls in a relay trace: [(line number, 'made'|'freed',
    handle)], the calls from Windows' controls inside user32 and comctl32 left out, and those
    of the processes Wine starts for the session (the first process of the trace is the
    program's; explorer.exe inherits its trace)."""
    size = image_size(exe)
    base = None
    asked = False
    events = []
    pid = None
    with open(trace_path, errors='replace') as f:
        for number, line in enumerate(f):
            if pid is None:
                first = LINE.match(line)
                pid = first.group(1) if first else None
            m = CALL.match(line.rstrip('\n'))
            if not m or m.group(1) != pid:
                continue
            _, kind, name, args, retval, ret = m.groups()
            if name == 'GetModuleHandleA':
                if kind == 'Call':
                    asked = re.fullmatch('0+', args) is not None
                elif asked and base is None:
                    base = int(retval, 16)
                continue
            if base is None or not base <= int(ret, 16) < base + size:
                continue
            if kind == 'Ret ' and name in MAKES and retval and int(retval, 16) != 0:
                events.append((number, 'made', int(retval, 16), name))
            elif kind == 'Call' and name in FREES:
                parts = args.split(',')
                events.append((number, 'freed', int(parts[FREES[name]], 16), name))
    return events


def count_lines(path):
    with open(path, 'rb') as f:
        return sum(1 for _ in f)


def objects(program, floor, settings, logs, results):
    """Objects made and freed per minute at rest and counting down, from relay traces of the
    program and the floor running side by side; and the net count over both."""
    # The settings wait for the prefix's wineserver to end: made before its session starts.
    for prefix in (program, floor):
        harness('relay', prefix.state, relay_list())
        harness('boot', prefix.state)
    seconds = settings['trace_seconds']
    traces = {}
    started = {}
    for name, prefix, argv, class_name, title in (
            ('program', program, [settings['program']], PROGRAM_CLASS, PROGRAM_TITLE),
            ('floor', floor, [settings['floor']], FLOOR_CLASS, FLOOR_TITLE)):
        traces[name] = os.path.join(logs, '%s-relay.log' % name)
        trace = open(traces[name], 'w')
        started[name], _ = start_timed(prefix, settings, argv, class_name, title,
                                       debug='+pid,+timestamp,+relay', trace=trace)
        trace.close()
    time.sleep(SETTLE_SECONDS)
    marks = {name: [count_lines(path)] for name, path in traces.items()}
    time.sleep(seconds)
    for name, path in traces.items():
        marks[name].append(count_lines(path))
    # A countdown of 9 hours, armed through the controls; it never ends during the run.
    driver(program, settings, 'type', PROGRAM_TITLE, 'txtPeriod', '9')
    driver(program, settings, 'choose', PROGRAM_TITLE, 'cmbUnit', 'Hours')
    driver(program, settings, 'click', PROGRAM_TITLE, 'cmdTimer')
    driver(program, settings, 'wait-text', PROGRAM_TITLE, 'cmdTimer', 'Deactivate Timer', '5000')
    for name, path in traces.items():
        marks[name].append(count_lines(path))
    time.sleep(seconds)
    for name, path in traces.items():
        marks[name].append(count_lines(path))
    program.end_all()
    floor.end_all()
    for prefix in (program, floor):
        harness('relay', prefix.state, '')
    exes = {'program': settings['program'], 'floor': settings['floor']}
    for name, path in traces.items():
        events = object_events(path, exes[name])
        rest_from, rest_to, count_from, count_to = marks[name]

        def within(low, high):
            made = sum(1 for e in events if low <= e[0] < high and e[1] == 'made')
            freed = sum(1 for e in events if low <= e[0] < high and e[1] == 'freed')
            return made, freed

        rest = within(rest_from, rest_to)
        counting = within(count_from, count_to)
        net = within(rest_from, count_to)
        minutes = seconds / 60.0
        results[name] = {
            'made per minute at rest': rest[0] / minutes,
            'freed per minute at rest': rest[1] / minutes,
            'made per minute counting down': counting[0] / minutes,
            'freed per minute counting down': counting[1] / minutes,
            'net over the run': net[0] - net[1],
            'made at rest by call': sorted({e[3] for e in events
                                            if rest_from <= e[0] < rest_to and e[1] == 'made'}),
        }
    results['trace seconds'] = seconds


def main():
    out_path, settings_path = sys.argv[1], sys.argv[2]
    with open(settings_path) as f:
        settings = json.load(f)
    program = Prefix(settings['program_state'], settings['bits'])
    floor = Prefix(settings['floor_state'], settings['bits'])
    results = {}
    try:
        for prefix in (program, floor):
            harness('version', prefix.state, settings['version'])
            harness('boot', prefix.state)
        results['start'] = startup_times(program, floor, settings)
        idle_and_watch(program, floor, settings, results)
        results['objects'] = {}
        objects(program, floor, settings, settings['logs'], results['objects'])
    finally:
        program.end_all()
        floor.end_all()
        with open(out_path, 'w') as f:
            json.dump(results, f)


if __name__ == '__main__':
    main()
