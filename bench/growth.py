"""Memory and open files of the real program over a long run, beside the floors.

Off unless SLUMBRIX_BENCH_GROWTH_MINUTES asks for it (30 for the long check): the program
(meter and clock, and with the CPU watch armed) and the two floors run side by side as in the
idle benchmark, and their resident set and open file descriptors are read every minute. The
headless core's simulated hour (bench_headless_hour) covers the core in every run.
"""
import time

import idle
import procstats
from harness import HarnessError, sigkill_group

SAMPLE_SECONDS = 60.0


def sample(processes, rows):
    for name, p in processes.items():
        if p.poll() is not None:
            raise HarnessError('%s ended during the long run' % name)
        rows[name].append((procstats.status_kib(p.pid, 'VmRSS'), procstats.open_files(p.pid)))


def run(h, config, report):
    minutes = config.growth_minutes
    report.section('Memory and open files over time')
    if minutes <= 0:
        report.note('The real program\'s long run is off (SLUMBRIX_BENCH_GROWTH_MINUTES=30 runs '
                    'it for 30 minutes); the headless core\'s simulated hour stands for it.')
        return
    report.note('%g minutes side by side; VmRSS and /proc/<pid>/fd read every minute.' % minutes)
    load = idle.start_tiny_load()
    processes = {}
    try:
        processes = idle.start_all(h)
        rows = {name: [] for name in processes}
        sample(processes, rows)
        deadline = time.time() + minutes * 60.0
        while time.time() < deadline:
            time.sleep(min(SAMPLE_SECONDS, max(0.0, deadline - time.time())))
            sample(processes, rows)
    finally:
        sigkill_group(load)
        for process in processes.values():
            h.forget(process)
    for name, samples in rows.items():
        sizes = [kib for kib, _ in samples]
        files = [count for _, count in samples]
        report.figure('rss after start / after %g min / peak: %s' % (minutes, name),
                      '%d / %d / %d KiB' % (sizes[0], sizes[-1], max(sizes)), '',
                      'growth %+d KiB over %d samples' % (sizes[-1] - sizes[0], len(sizes)))
        report.figure('open files after start / after %g min: %s' % (minutes, name),
                      '%s / %s' % (files[0], files[-1]), '', 'most %s' % max(files))
    for program in idle.PROGRAMS:
        floor = idle.FLOOR_OF[program]
        report.compare('rss growth over %g min, %s / %s' % (minutes, program, floor),
                       float(rows[program][-1][0] - rows[program][0][0]),
                       float(rows[floor][-1][0] - rows[floor][0][0]), 'KiB', 'no growth')
