"""The Windows programs under Wine, beside their Win32 floor (bench_win32_floor.exe).

For each build this machine runs (slumbrix.exe in a 32-bit prefix where 32-bit programs
execute, slumbrix64.exe in a 64-bit one everywhere) and for one Windows version of each
family (98 and XP), bench/wine_rounds.py runs inside the Wine tests' harness
(tests/wine/harness.sh display): a private Xvfb display, and two throwaway prefixes, one for
the program and one for the floor, so that each has its own wineserver. It measures, the
program and the floor over the same rounds:
  - start to window shown (the floor in --wait mode watches for the window);
  - CPU and wake-ups at rest of the program's process and of its wineserver, each against
    the floor's; then the same with the CPU watch armed, against the floor with its 10 ms
    timer;
  - working set (VmRSS of the Linux process running the exe) after start and after the rest
    rounds plus SLUMBRIX_BENCH_GROWTH_MINUTES;
  - GDI and USER objects made and freed per minute, at rest and counting down, counted from
    a relay trace of the object calls, and their net count over both.
Settings: SLUMBRIX_BENCH_WINE_SECONDS (length of one round, 20), SLUMBRIX_BENCH_IDLE_RUNS
(rounds), SLUMBRIX_BENCH_WINE_STARTS (starts of each, 5), SLUMBRIX_BENCH_WINE_TRACE_SECONDS
(each traced stretch, 60), SLUMBRIX_BENCH_WINE_ONLY (32 or 64: that build alone).
"""
import json
import os
import shutil
import subprocess

import procstats

HERE = os.path.dirname(os.path.abspath(__file__))
HARNESS = os.path.join(HERE, '..', 'tests', 'wine', 'harness.sh')
VERSIONS = ('win98', 'winxp')
MIB = 1024.0


def why_not(loader):
    """None when the Wine loader starts here, else why it does not."""
    if not os.access(loader, os.X_OK):
        return '%s is not installed' % loader
    try:
        done = subprocess.run([loader, '--version'], capture_output=True, text=True, timeout=60)
    except (OSError, subprocess.SubprocessError) as error:
        return '%s does not start here (%s)' % (loader, error)
    return None if done.returncode == 0 else '%s does not start here' % loader


def round_seconds():
    return float(os.environ.get('SLUMBRIX_BENCH_WINE_SECONDS', 20))


def builds(config):
    """(bits, build dir, exe, why not run or None) of both Windows builds."""
    mingw64 = os.path.join(os.path.dirname(config.mingw_dir), 'mingw64')
    rows = []
    for bits, directory, exe, loader in (
            (32, config.mingw_dir, 'slumbrix.exe', '/usr/lib/wine/wine'),
            (64, mingw64, 'slumbrix64.exe', '/usr/lib/wine/wine64')):
        path = os.path.join(directory, 'src/frontend/win32', exe)
        reason = why_not(loader)
        only = os.environ.get('SLUMBRIX_BENCH_WINE_ONLY', '')
        if only and only != str(bits):
            reason = 'SLUMBRIX_BENCH_WINE_ONLY=%s' % only
        elif reason is None and not os.path.exists(path):
            reason = '%s is not built' % path
        rows.append((bits, directory, path, reason))
    return rows


def make_prefixes(directory, bits):
    """The program's and the floor's harness states, each with a fresh prefix."""
    program = os.path.join(directory, 'bench-wine', 'program')
    floor = os.path.join(directory, 'bench-wine', 'floor')
    subprocess.run(['bash', HARNESS, 'reset', program, str(bits)], check=True, timeout=600,
                   stdout=subprocess.DEVNULL)
    # A copy is a prefix alike, made in a moment.
    subprocess.run(['bash', HARNESS, 'cleanup', floor], check=True, timeout=120)
    os.makedirs(floor)
    shutil.copytree(os.path.join(program, 'prefix'), os.path.join(floor, 'prefix'),
                    symlinks=True)
    shutil.copy(os.path.join(program, 'arch'), os.path.join(floor, 'arch'))
    return program, floor


def measure(config, directory, exe, bits, version, program_state, floor_state):
    logs = os.path.join(directory, 'bench-wine', 'logs-%s' % version)
    os.makedirs(logs, exist_ok=True)
    settings = {
        'bits': bits, 'version': version, 'program': exe,
        'floor': os.path.join(directory, 'bench', 'bench_win32_floor.exe'),
        'driver': os.path.join(directory, 'tests', 'wine', 'slumbrix_driver.exe'),
        'program_state': program_state, 'floor_state': floor_state, 'logs': logs,
        'starts': int(os.environ.get('SLUMBRIX_BENCH_WINE_STARTS', 5)),
        'rounds': config.idle_runs,
        'seconds': round_seconds(),
        'trace_seconds': float(os.environ.get('SLUMBRIX_BENCH_WINE_TRACE_SECONDS', 60)),
        'growth_minutes': config.growth_minutes,
    }
    settings_path = os.path.join(logs, 'settings.json')
    results_path = os.path.join(logs, 'results.json')
    with open(settings_path, 'w') as f:
        json.dump(settings, f)
    if os.path.exists(results_path):
        os.remove(results_path)
    inner = 'PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 %s %s %s' % (
        os.path.join(HERE, 'wine_rounds.py'), results_path, settings_path)
    done = subprocess.run(['bash', HARNESS, 'display', program_state, inner],
                          capture_output=True, text=True, timeout=7200)
    results = {}
    if os.path.exists(results_path):
        with open(results_path) as f:
            results = json.load(f)
    if done.returncode != 0:
        results['error'] = (done.stderr.strip().splitlines() or ['status %d' % done.returncode])[-1]
    return results


def medians(rows, column):
    return procstats.median([row[column] for row in rows])


def report_version(report, label, results, minutes_at_rest):
    if 'error' in results:
        report.note('%s the run stopped: %s' % (label, results['error']))
    start = results.get('start')
    if start:
        report.compare('%s start to window shown' % label,
                       procstats.median(start['program']) * 1000,
                       procstats.median(start['floor']) * 1000, 'ms', 'at most 1.1x')
    for phase, floor_name, goal in (('rest', 'floor', 'at most 1.1x'),
                                    ('watch', 'floor with 10 ms timer', 'at most 1.1x')):
        rows = results.get(phase)
        if not rows:
            continue
        what = 'at rest' if phase == 'rest' else 'with the CPU watch armed'
        report.compare('%s cpu %s / %s' % (label, what, floor_name), medians(rows['program'], 0),
                       medians(rows['floor'], 0), '% of a core', goal)
        report.compare('%s wineserver cpu %s' % (label, what),
                       medians(rows['program wineserver'], 0),
                       medians(rows['floor wineserver'], 0), '% of a core', goal)
        report.compare('%s wake-ups %s' % (label, what), medians(rows['program'], 1),
                       medians(rows['floor'], 1), '/s', '')
        report.compare('%s wineserver wake-ups %s' % (label, what),
                       medians(rows['program wineserver'], 1),
                       medians(rows['floor wineserver'], 1), '/s', '')
    if results.get('watch') and not results.get('watch still armed'):
        report.note('%s the CPU watch was no longer armed at the end of its rounds' % label)
    for key, when, goal in (('rss after start', 'after start', 'at most floor + 1 MB'),
                            ('rss after growth', 'after %.1f min' % minutes_at_rest,
                             'no growth')):
        sizes = results.get(key)
        if sizes and sizes.get('program') and sizes.get('floor'):
            report.compare('%s working set %s' % (label, when), sizes['program'] / MIB,
                           sizes['floor'] / MIB, 'MiB', goal)
    objects = results.get('objects')
    if objects and 'trace seconds' in objects:
        minutes = objects['trace seconds'] / 60.0
        for key, goal in (('made per minute at rest', 'none'),
                          ('freed per minute at rest', ''),
                          ('made per minute counting down', 'none'),
                          ('freed per minute counting down', ''),
                          ('net over the run', 'zero growth')):
            report.compare('%s GDI/USER objects %s' % (label, key), objects['program'][key],
                           objects['floor'][key], 'objects' if 'net' in key else '/min', goal)
        made = objects['program']['made at rest by call']
        report.note('%s objects traced over %.1f min at rest, then %.1f min counting down%s'
                    % (label, minutes, minutes,
                       '; made at rest: ' + ', '.join(made) if made else ''))


def run(h, config, report):
    del h  # the Windows programs run on the harness's own display
    report.section('Windows builds under Wine beside the Win32 floor (%s; %d rounds of %s s)'
                   % (', '.join(VERSIONS), config.idle_runs, '%g' % round_seconds()))
    report.note('Wine %s. CPU: time on a processor of all threads of the Linux process '
                'running the exe, and of its prefix\'s wineserver, as %% of one core; '
                'wake-ups: their voluntary context switches per second. Working set: VmRSS '
                'of the process (Wine\'s own DLLs included).'
                % subprocess.run(['wine', '--version'], capture_output=True,
                                 text=True).stdout.strip())
    for bits, directory, exe, reason in builds(config):
        name = os.path.basename(exe)
        if reason:
            report.note('%s (%d-bit) did not run: %s.' % (name, bits, reason))
            continue
        report.figure('%s size' % name, os.path.getsize(exe) / 1024.0, 'KiB',
                      '%d bytes, statically linked' % os.path.getsize(exe))
        try:
            program_state, floor_state = make_prefixes(directory, bits)
        except (OSError, subprocess.SubprocessError) as error:
            report.note('%s: Wine could not make its prefixes (%s).' % (name, error))
            continue
        try:
            for version in VERSIONS:
                results = measure(config, directory, exe, bits, version, program_state,
                                  floor_state)
                minutes = config.idle_runs * round_seconds() / 60.0 + config.growth_minutes
                report_version(report, '%d-bit %s:' % (bits, version), results, minutes)
        finally:
            for state in (program_state, floor_state):
                subprocess.run(['bash', HARNESS, 'cleanup', state], timeout=120)
