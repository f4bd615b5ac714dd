"""Idle cost and memory of the running Linux program, beside its floors.

Four processes run at once on the same display and are measured over the same rounds of
time, so that each round is alike for all of them on a machine that others share:
  - the floor: a plain Qt 6 window with a tray icon and a 500 ms clock (bench_floor_window);
  - the floor with a watch: the same with a 10 ms precise timer comparing a label's text;
  - the program as started: the meter and the clock ticking every 500 ms;
  - the program with the CPU watch armed: its 10 ms timer added.
The program is compared with the floor, the armed program with the floor with a watch. A fifth
process, the floor with a CPU meter drawn the plain Qt way (not a floor of the goals), shows
what Qt itself costs for a meter that changes every 500 ms; the program is shown beside it too.

The watch fires on the first tick that finds the meter's figure below its threshold; at the
lowest threshold, 1 %, that is a reading of 0 %, which an idle moment of the machine can give.
So a tiny load (stress-ng, one worker at 10 % in 10 ms slices, about 5 % of the machine) holds
the meter above 0 for the whole measurement; all four processes share it alike.
"""
import subprocess
import time

import floors
import procstats
import ui
from harness import HarnessError, sigkill_group

SETTLE_SECONDS = 5.0
MIB = 1024.0

# The two states of the program, and the floor each is compared with.
PROGRAMS = ('program: meter and clock', 'program: CPU watch armed')
FLOOR_OF = {'program: meter and clock': 'floor', 'program: CPU watch armed': 'floor with watch'}
METER_FLOOR = 'floor with a plain Qt meter'


def start_tiny_load():
    return subprocess.Popen(['stress-ng', '--cpu', '1', '--cpu-load', '10', '--cpu-load-slice',
                             '10', '--quiet'], start_new_session=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def start_all(h):
    started = {'floor': floors.spawn(h, watch=False),
               'floor with watch': floors.spawn(h, watch=True),
               METER_FLOOR: floors.spawn(h, watch=False, meter=True),
               PROGRAMS[0]: h.spawn_slumbrix(),
               PROGRAMS[1]: h.spawn_slumbrix()}
    titles = {'floor': floors.TITLE, 'floor with watch': floors.WATCH_TITLE,
              METER_FLOOR: floors.METER_TITLE}
    windows = {}
    for name, process in started.items():
        mapped = h.wait_mapped(process.pid, titles.get(name, ui.TITLE))
        if not mapped:
            raise HarnessError('the window of "%s" did not appear' % name)
        windows[name] = mapped[1]
    ui.arm_cpu_watch(windows[PROGRAMS[1]], threshold=1)
    time.sleep(SETTLE_SECONDS)
    return started


def snapshot(processes):
    return {name: (procstats.status_kib(p.pid, 'VmRSS'), procstats.open_files(p.pid))
            for name, p in processes.items()}


def measure(h, seconds, rounds):
    load = start_tiny_load()
    processes = {}
    try:
        processes = start_all(h)
        first = snapshot(processes)
        costs = {name: [] for name in processes}
        for _ in range(rounds):
            now = time.time()
            before = {name: procstats.Sample(p.pid, now) for name, p in processes.items()}
            time.sleep(seconds)
            now = time.time()
            for name, p in processes.items():
                if p.poll() is not None:
                    raise HarnessError('%s ended during the idle benchmark' % name)
                costs[name].append(before[name].cost_until(procstats.Sample(p.pid, now)))
        last = snapshot(processes)
    finally:
        sigkill_group(load)
        for process in processes.values():
            h.forget(process)
    return costs, first, last


def run(h, config, report):
    seconds, rounds = config.idle_seconds, config.idle_runs
    report.section('Idle cost beside the floors (%d rounds of %g s, side by side)'
                   % (rounds, seconds))
    report.note('CPU: time on a processor of all threads (/proc/<pid>/task/*/schedstat) as % '
                'of one core; wake-ups: voluntary context switches of all threads per second '
                '(each timer tick, each reply awaited from the display). Medians of the rounds. '
                'The watch is armed at 1 % through the window (xdotool); a tiny stress-ng load '
                '(10 % of one core in 10 ms slices) keeps the meter above 0 so that it never '
                'fires.')
    report.note('%-44s %9s %9s %-12s %7s %9s  %s' % ('', 'program', 'floor', '', 'ratio',
                                                     'diff', 'goal'))
    costs, first, last = measure(h, seconds, rounds)
    cpu = {name: procstats.median([row[0] for row in rows]) for name, rows in costs.items()}
    wakeups = {name: procstats.median([row[1] for row in rows]) for name, rows in costs.items()}
    for program in PROGRAMS:
        floor = FLOOR_OF[program]
        report.compare('idle cpu, %s / %s' % (program, floor), cpu[program], cpu[floor],
                       '% of a core', 'at most 1.1x')
        report.compare('wake-ups, %s / %s' % (program, floor), wakeups[program],
                       wakeups[floor], '/s', 'at most floor + 1')
    # Beside the meter drawn the plain Qt way: what is left is the program's own.
    report.compare('idle cpu, %s / %s' % (PROGRAMS[0], METER_FLOOR), cpu[PROGRAMS[0]],
                   cpu[METER_FLOOR], '% of a core', '')
    report.compare('wake-ups, %s / %s' % (PROGRAMS[0], METER_FLOOR), wakeups[PROGRAMS[0]],
                   wakeups[METER_FLOOR], '/s', '')
    minutes = seconds * rounds / 60.0 + SETTLE_SECONDS / 60.0
    for program in PROGRAMS:
        floor = FLOOR_OF[program]
        report.compare('rss after start, %s / %s' % (program, floor), first[program][0] / MIB,
                       first[floor][0] / MIB, 'MiB', 'at most floor + 3 MB')
        report.compare('rss after %.1f min, %s / %s' % (minutes, program, floor),
                       last[program][0] / MIB, last[floor][0] / MIB, 'MiB', 'no growth')
    for name in costs:
        report.figure('idle cpu: ' + name, cpu[name], '% of a core',
                      procstats.summary([row[0] for row in costs[name]], '%', 3))
        report.figure('idle wake-ups: ' + name, wakeups[name], '/s',
                      procstats.summary([row[1] for row in costs[name]], '/s', 1))
        report.figure('rss and open files, after start / after %.1f min: %s' % (minutes, name),
                      '%d / %d KiB' % (first[name][0], last[name][0]), '',
                      'files %s / %s' % (first[name][1], last[name][1]))
