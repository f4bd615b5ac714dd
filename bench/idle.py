"""Idle cost and memory of the running Linux program, beside an empty Qt window.

Three processes run at once on the same display, so that each window of time is the same
for all of them on a machine that others share: the empty window (the floor), the program
as started (meter and clock ticking every 500 ms), and the program with the CPU watch
armed (its 10 ms timer added). The watch fires on the first tick that finds the meter's
figure below its threshold; at the lowest threshold, 1 %, that is a reading of 0 %, which an
idle moment of the machine can give. So a tiny load (stress-ng, one worker at 10 % in
10 ms slices, about 5 % of the machine) holds the meter above 0 for the whole measurement;
the three processes share it alike.
"""
import subprocess
import time

import procstats
import ui
from harness import HarnessError, sigkill_group

FLOOR_TITLE = 'Empty window'
SETTLE_SECONDS = 2.0


def start_tiny_load():
    return subprocess.Popen(['stress-ng', '--cpu', '1', '--cpu-load', '10', '--cpu-load-slice',
                             '10', '--quiet'], start_new_session=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def start_all(h):
    floor = h.spawn([h.binary('bench/bench_empty_window')])
    meter = h.spawn_slumbrix()
    watch = h.spawn_slumbrix()
    windows = []
    for process, title in ((floor, FLOOR_TITLE), (meter, ui.TITLE), (watch, ui.TITLE)):
        mapped = h.wait_mapped(process.pid, title)
        if not mapped:
            raise HarnessError('a window of the idle benchmark did not appear')
        windows.append(mapped[1])
    ui.arm_cpu_watch(windows[2], threshold=1)
    time.sleep(SETTLE_SECONDS)
    return {'empty Qt window': floor, 'program: meter and clock': meter,
            'program: CPU watch armed': watch}


def measure(h, seconds, runs):
    load = start_tiny_load()
    processes = {}
    try:
        processes = start_all(h)
        rss_start = {name: procstats.status_kib(p.pid, 'VmRSS') for name, p in processes.items()}
        costs = {name: [] for name in processes}
        for _ in range(runs):
            now = time.time()
            before = {name: procstats.Sample(p.pid, now) for name, p in processes.items()}
            time.sleep(seconds)
            now = time.time()
            for name, p in processes.items():
                if p.poll() is not None:
                    raise HarnessError('%s ended during the idle benchmark' % name)
                costs[name].append(before[name].cost_until(procstats.Sample(p.pid, now)))
        rss_end = {name: procstats.status_kib(p.pid, 'VmRSS') for name, p in processes.items()}
    finally:
        sigkill_group(load)
        for process in processes.values():
            h.forget(process)
    return costs, rss_start, rss_end


def run(h, config, report):
    seconds, runs = config.idle_seconds, config.idle_runs
    report.section('Idle cost (%d windows of %g s, side by side)' % (runs, seconds))
    report.note('CPU time from /proc/<pid>/stat (utime+stime) as % of one core; wakeups '
                'from /proc/<pid>/task/*/schedstat (times run). The watch is armed at 1 % '
                'through the window (xdotool); a tiny stress-ng load (10 % of one core in '
                '10 ms slices) keeps the meter above 0 so that it never fires.')
    costs, rss_start, rss_end = measure(h, seconds, runs)
    for name, rows in costs.items():
        cpu = [row[0] for row in rows]
        wakeups = [row[1] for row in rows]
        report.figure('idle cpu: ' + name, procstats.median(cpu), '% of a core',
                      procstats.summary(cpu, '%', 3))
        report.figure('idle wakeups: ' + name, procstats.median(wakeups), '/s',
                      procstats.summary(wakeups, '/s', 1))
    minutes = seconds * runs / 60.0
    report.section('Memory of the running program')
    for name in costs:
        report.figure('rss after start: ' + name, rss_start[name], 'KiB')
        report.figure('rss after %.1f min: %s' % (minutes, name), rss_end[name], 'KiB')
