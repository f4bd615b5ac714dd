"""Runs every benchmark of the program and prints its figures (make bench).

Nothing here passes or fails: it measures. Each figure is printed with its median over
several runs. The idle cost, the memory and the start-up
time are measured beside the floors, two plain Qt 6 tray windows with a clock (bench_floor_window,
with and without a 10 ms watch), in the same run, and printed as program, floor and their ratio.
The environment may shorten or lengthen a run:
  SLUMBRIX_BENCH_ONLY             comma-separated sections (headless, idle, startup, firing,
                                  meter, trigger, windows, growth); all when unset
  SLUMBRIX_BENCH_IDLE_SECONDS     length of one idle round (45)
  SLUMBRIX_BENCH_IDLE_RUNS        idle rounds (3)
  SLUMBRIX_BENCH_STARTS           starts of each, program and floor, for the start-up time (10)
  SLUMBRIX_BENCH_COUNTDOWNS       armed countdowns (20)
  SLUMBRIX_BENCH_METER_SAMPLES    meter samples per load (20)
  SLUMBRIX_BENCH_TRIGGERS         CPU trigger runs (5)
  SLUMBRIX_BENCH_RUNS             runs of the headless hour and of Wine (3)
  SLUMBRIX_BENCH_GROWTH_MINUTES   minutes the real program and the floor run side by side to
                                  show their memory and file descriptors over time (0: only
                                  the headless core's simulated hour; 30 for the long check);
                                  the Windows builds' working set is read again after as long
The Windows builds (section windows) have settings of their own: bench/windows.py.
Usage: run_bench.py BUILD_DIR MINGW_BUILD_DIR [RESULTS.md]
"""
import os
import platform
import re
import signal
import subprocess
import sys
import time

import growth
import idle
import meter
import procstats
import timing
import ui
import windows
from harness import Harness


def setting(name, default):
    return type(default)(os.environ.get('SLUMBRIX_BENCH_' + name, default))


class Config:
    def __init__(self, build_dir, mingw_dir):
        self.build_dir = build_dir
        self.mingw_dir = mingw_dir
        self.idle_seconds = setting('IDLE_SECONDS', 45.0)
        self.idle_runs = setting('IDLE_RUNS', 3)
        self.starts = setting('STARTS', 10)
        self.countdowns = setting('COUNTDOWNS', 20)
        self.meter_samples = setting('METER_SAMPLES', 20)
        self.triggers = setting('TRIGGERS', 5)
        self.wine_runs = setting('RUNS', 3)
        self.headless_runs = setting('RUNS', 3)
        self.growth_minutes = setting('GROWTH_MINUTES', 0.0)
        only = os.environ.get('SLUMBRIX_BENCH_ONLY', '')
        self.only = {name.strip() for name in only.split(',') if name.strip()}

    def wants(self, section):
        return not self.only or section in self.only


def shown(value):
    if isinstance(value, float):
        return ('%.0f' % value) if abs(value) >= 100 else ('%.3g' % value)
    return value


class Report:
    """Prints as it goes and keeps the figures for the closing tables: the program beside its
    floor, and the program's own figures."""

    def __init__(self):
        self.rows = []
        self.comparisons = []
        self.current = ''

    def section(self, title):
        self.current = title
        print('\n== %s' % title, flush=True)

    def note(self, text):
        print('   %s' % text, flush=True)

    def figure(self, name, value, unit, detail=''):
        self.rows.append((name, shown(value), unit, detail))
        print('   %-58s %10s %-12s %s' % (name, shown(value), unit, detail), flush=True)

    def compare(self, name, program, floor, unit, goal=''):
        """The program's figure beside the floor's from the same run, with their ratio."""
        ratio = '%.2fx' % (program / floor) if floor else '-'
        row = (name, shown(program), shown(floor), unit, ratio,
               '%+.3g' % (program - floor), goal)
        self.comparisons.append(row)
        print('   %-44s %9s %9s %-12s %7s %9s  %s' % row, flush=True)

    @staticmethod
    def _row(cells):
        # A | inside a cell (the meter's |program - reference|) would split it.
        return '| %s |' % ' | '.join(str(cell).replace('|', '\\|') for cell in cells)

    def markdown(self):
        lines = []
        if self.comparisons:
            lines += ['| figure | program | floor | unit | program / floor | difference | goal |',
                      '|---|---:|---:|---|---:|---:|---|']
            lines += [self._row(row) for row in self.comparisons]
            lines.append('')
        lines += ['| figure | median | unit | detail |', '|---|---:|---|---|']
        lines += [self._row(row) for row in self.rows]
        return '\n'.join(lines) + '\n'


def run_headless(config, report):
    binary = os.path.join(config.build_dir, 'bench/bench_headless_hour')
    report.section('Headless core, one simulated hour (%d runs)' % config.headless_runs)
    report.note('bench_headless_hour: the whole program on the virtual clock, meter, clock and '
                'the 10 ms CPU watch ticking for 3600 s of simulated time.')
    seconds, start, hour, peak = [], [], [], []
    for _ in range(config.headless_runs):
        done = subprocess.run([binary], capture_output=True, text=True, timeout=600)
        if done.returncode != 0:
            report.note('the headless program ended during its hour (the CPU watch fired)')
        text = done.stdout
        seconds.append(float(re.search(r'in ([\d.]+) s of CPU', text).group(1)))
        sizes = re.search(r'after start (\d+) KiB, after the hour (\d+) KiB, peak (\d+) KiB',
                          text)
        start.append(int(sizes.group(1)))
        hour.append(int(sizes.group(2)))
        peak.append(int(sizes.group(3)))
    report.figure('headless hour: CPU time to run it', procstats.median(seconds), 's',
                  procstats.summary(seconds, ' s', 3))
    report.figure('headless rss after start', procstats.median(start), 'KiB')
    report.figure('headless rss after the simulated hour', procstats.median(hour), 'KiB')
    report.figure('headless peak rss', procstats.median(peak), 'KiB')


def machine():
    cpu = ''
    for line in subprocess.run(['lscpu'], capture_output=True, text=True).stdout.splitlines():
        if line.startswith('Model name:'):
            cpu = line.split(':', 1)[1].strip()
    return '%d cores (%s), %s %s' % (os.cpu_count(), cpu, platform.system(), platform.release())


def load():
    return '%.1f / %.1f / %.1f' % os.getloadavg()


def main():
    build_dir, mingw_dir = sys.argv[1], sys.argv[2]
    results = sys.argv[3] if len(sys.argv) > 3 else None
    config = Config(os.path.abspath(build_dir), os.path.abspath(mingw_dir))
    report = Report()
    began = time.time()
    first_load = load()
    print('Slumbrix benchmarks, %s, on %s (a shared machine; load average %s)' %
          (time.strftime('%Y-%m-%d %H:%M %Z'), machine(), load()), flush=True)
    if config.wants('headless'):
        run_headless(config, report)
    h = Harness(config.build_dir)
    # Interrupted or timed out, it still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    sections = [('idle', idle.run), ('startup', timing.run_startup),
                ('firing', timing.run_firing), ('meter', meter.run),
                ('trigger', timing.run_trigger), ('windows', windows.run),
                ('growth', growth.run)]
    # The Windows builds run in the Wine harness's own display and buses.
    linux = any(config.wants(name) for name, _ in sections if name != 'windows')
    try:
        if linux:
            h.start()
            ui.use_display(h.env['DISPLAY'])
        for name, section in sections:
            if config.wants(name):
                section(h, config, report)
    finally:
        if linux:
            h.stop()
    print('\n== All figures (%.0f s)\n' % (time.time() - began))
    print(report.markdown())
    if results:
        with open(results, 'w') as f:
            f.write('Taken %s on %s, a shared machine (load average %s at the start, %s at '
                    'the end).\n\n' % (time.strftime('%Y-%m-%d %H:%M %Z'), machine(), first_load,
                                        load()))
            f.write(report.markdown())


if __name__ == '__main__':
    main()
