"""Start-up time, firing precision of the countdown, and latency of the CPU trigger."""
import math
import subprocess
import time

import floors
import procstats
import ui
from harness import HarnessError, sigkill_group, wait_until


def one_start(h, spawn, title):
    """(window mapped, tray item registered) in seconds after the start of one process."""
    started = time.time()
    process = spawn()
    try:
        mapped = h.wait_mapped(process.pid, title)
        tray = wait_until(lambda: h.tray_registration(process.pid), 15.0)
        if not mapped or not tray:
            raise HarnessError('"%s" showed no window or no tray item' % title)
        return mapped[0] - started, tray - started
    finally:
        h.forget(process)


def run_startup(h, config, report):
    report.section('Start-up beside the floor (%d starts of each, taking turns)' % config.starts)
    report.note('From just before the process is started to the map of its main window on the '
                'Xvfb display (X MapNotify, bench_map_watch), and to its '
                'RegisterStatusNotifierItem call on the watcher mock. The program and the '
                'floor start in turn, each going first every other time.')
    starters = {'program': (h.spawn_slumbrix, ui.TITLE),
                'floor': (lambda: floors.spawn(h, watch=False), floors.TITLE)}
    windows = {name: [] for name in starters}
    trays = {name: [] for name in starters}
    for turn in range(config.starts):
        order = ['program', 'floor'] if turn % 2 == 0 else ['floor', 'program']
        for name in order:
            window, tray = one_start(h, *starters[name])
            windows[name].append(window * 1000)
            trays[name].append(tray * 1000)
            time.sleep(0.3)
    report.compare('start to window mapped (median)', procstats.median(windows['program']),
                   procstats.median(windows['floor']), 'ms', 'at most 1.1x')
    report.compare('start to tray item registered (median)', procstats.median(trays['program']),
                   procstats.median(trays['floor']), 'ms', '')
    for name in starters:
        report.figure('start-up to window mapped: ' + name, procstats.median(windows[name]), 'ms',
                      procstats.summary(windows[name], ' ms', 0))
        report.figure('start-up to tray item registered: ' + name, procstats.median(trays[name]),
                      'ms', procstats.summary(trays[name], ' ms', 0))


def wait_logind_call(h, seen, timeout):
    calls = wait_until(lambda: h.logind_calls()[seen:], timeout)
    return calls[0] if calls else None


def one_countdown(h, period, phase):
    """Lateness of one armed countdown in seconds, or None when the arming second was unclear.

    The click goes out at the given fraction of a wall-clock second: the countdown ticks
    every 500 ms from the click on, so where in the second a person clicks decides where the
    tick after the target falls; phases spread over half a second cover every case."""
    process = h.spawn_slumbrix()
    try:
        mapped = h.wait_mapped(process.pid, ui.TITLE)
        if not mapped:
            raise HarnessError('the program showed no window')
        window = mapped[1]
        ui.prepare_countdown(window, 'Reboot', 'Seconds', period)
        seen = len(h.logind_calls())
        # The program reads the wall clock when it handles the click, in whole seconds: the
        # click must be through well before the next second.
        wait_until(lambda: phase <= math.modf(time.time())[0] < phase + 0.02, 2.0, 0.001)
        before = time.time()
        ui.click_activate(window)
        after = time.time()
        call = wait_logind_call(h, seen, period + 10)
        if call is None:
            raise HarnessError('no logind call after a countdown of %d s' % period)
        if math.floor(after + 0.2) != math.floor(before):
            return None
        return call[0] - (math.floor(before) + period), call[1]
    finally:
        h.forget(process)


def run_firing(h, config, report):
    report.section('Firing precision (%d countdowns)' % config.countdowns)
    report.note('Armed through the window with xdotool: "Reboot", "Seconds", periods 3-5 s, '
                'clicks spread over the phases of a second. Target = the wall-clock second of '
                'the click + the period; the mock logind on the private system bus logs the '
                'call time. Lateness = call time - target.')
    lateness, methods, unclear = [], set(), 0
    while len(lateness) < config.countdowns and unclear < config.countdowns:
        done = len(lateness)
        result = one_countdown(h, 3 + done % 3, 0.05 + 0.5 * done / config.countdowns)
        if result is None:
            unclear += 1
            continue
        lateness.append(result[0] * 1000)
        methods.add(result[1])
    early = [x for x in lateness if x < 0]
    report.figure('firing: early calls', len(early), 'of %d' % len(lateness),
                  'never early' if not early else 'EARLY: %s ms' % early)
    report.figure('firing lateness median', procstats.median(lateness), 'ms',
                  procstats.summary(lateness, ' ms', 0))
    report.figure('firing lateness max', max(lateness) if lateness else float('nan'), 'ms',
                  'logind methods called: %s; clicks too near a second boundary, repeated: %d'
                  % (', '.join(sorted(methods)), unclear))


def one_trigger(h, threshold):
    # Once the load is gone the meter must be able to fall below the threshold: wait (a
    # while) for others' work on the machine to leave room.
    procstats.wait_quiet(threshold - 30, 30.0)
    load = subprocess.Popen(['stress-ng', '--cpu', '0', '--quiet'], start_new_session=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    process = None
    try:
        time.sleep(1.0)
        process = h.spawn_slumbrix()
        mapped = h.wait_mapped(process.pid, ui.TITLE, 30.0)
        if not mapped:
            raise HarnessError('the program showed no window')
        seen = len(h.logind_calls())
        ui.arm_cpu_watch(mapped[1], threshold)
        time.sleep(2.0)  # two meter samples under full load
        if h.logind_calls()[seen:] or process.poll() is not None:
            return None  # fired under load: the machine was not held busy enough
        stopped = time.time()
        sigkill_group(load)
        counters = procstats.machine_counters()
        call = wait_logind_call(h, seen, 20.0)
        # What the rest of the machine did meanwhile: others' work can hold the meter up.
        after = procstats.busy_percent(counters, procstats.machine_counters())
        return ((call[0] - stopped) if call else float('inf')), after
    finally:
        sigkill_group(load)
        if process is not None:
            h.forget(process)


def run_trigger(h, config, report):
    threshold = 90
    report.section('CPU trigger latency (%d runs)' % config.triggers)
    report.note('stress-ng holds every core at 100 %%; the watch is armed at %d %% through the '
                'window; latency = logind call time - the moment stress-ng is killed.'
                % threshold)
    latencies, under_load, missed, slow = [], 0, 0, []
    for _ in range(config.triggers):
        result = one_trigger(h, threshold)
        if result is None:
            under_load += 1
        elif math.isinf(result[0]):
            missed += 1
        else:
            latencies.append(result[0] * 1000)
            if result[0] > 1.0:
                slow.append('%.1f s at %.0f %% load' % result)
    report.figure('cpu trigger latency', procstats.median(latencies), 'ms',
                  procstats.summary(latencies, ' ms', 0) +
                  '; fired while loaded: %d; no call within 20 s: %d' % (under_load, missed))
    if slow:
        report.note('Slower than 1 s, with the machine\'s load from the drop to the call (others '
                    'at work on the shared machine): ' + ', '.join(slow))
