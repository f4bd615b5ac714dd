"""The Windows build: the size of slumbrix.exe, and its working set under Wine.

Under Wine, slumbrix.exe runs inside one Linux process (Wine's loader with the program and
Wine's own DLLs); its resident set (VmRSS) stands for the working set. The prefix is the
bench's own (32-bit, made once in the build tree), and only its Wine processes are ended.
"""
import os
import subprocess
import time

import procstats
import ui
from harness import wait_until

SETTLE_SECONDS = 2.0


def wine_env(h, prefix):
    return h.child_env(extra={'WINEPREFIX': prefix, 'WINEARCH': 'win32', 'WINEDEBUG': '-all',
                              'WINEDLLOVERRIDES': 'mscoree,mshtml='})


def make_prefix(h, prefix):
    if os.path.exists(os.path.join(prefix, 'system.reg')):
        return
    subprocess.run(['wineboot', '--init'], env=wine_env(h, prefix), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=300, check=True)
    subprocess.run(['wineserver', '-w'], env=wine_env(h, prefix), timeout=120)


def end_prefix(h, prefix):
    subprocess.run(['wineserver', '-k'], env=wine_env(h, prefix), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60)


def program_pid(prefix):
    """The process that runs slumbrix.exe in this prefix, or None."""
    for entry in os.listdir('/proc'):
        if not entry.isdigit():
            continue
        try:
            with open('/proc/%s/cmdline' % entry, 'rb') as f:
                cmdline = f.read()
            with open('/proc/%s/environ' % entry, 'rb') as f:
                environ = f.read().split(b'\0')
        except OSError:
            continue
        if b'slumbrix.exe' in cmdline and b'WINEPREFIX=' + prefix.encode() in environ:
            return int(entry)
    return None


def wait_program(h, prefix, timeout=60.0):
    """The pid of slumbrix.exe once its main window is mapped, or None."""
    def shown():
        pid = program_pid(prefix)
        return pid if pid and h.wait_mapped(pid, ui.TITLE, 0.0) else None
    return wait_until(shown, timeout, 0.1)


def one_run(h, exe, prefix):
    process = h.spawn(['wine', exe], env=wine_env(h, prefix))
    try:
        pid = wait_program(h, prefix)
        if not pid:
            return None
        time.sleep(SETTLE_SECONDS)
        return procstats.status_kib(pid, 'VmRSS')
    finally:
        end_prefix(h, prefix)
        h.forget(process)


def run(h, config, report):
    exe = os.path.join(config.mingw_dir, 'src/frontend/win32/slumbrix.exe')
    report.section('Windows build')
    if not os.path.exists(exe):
        report.note('slumbrix.exe is not built: nothing to measure.')
        return
    report.figure('slumbrix.exe size', os.path.getsize(exe) / 1024.0, 'KiB',
                  '%d bytes, i686, statically linked' % os.path.getsize(exe))
    prefix = os.path.join(config.mingw_dir, 'bench-wine-prefix')
    try:
        make_prefix(h, prefix)
    except (OSError, subprocess.SubprocessError) as error:
        # A machine that cannot run 32-bit programs has no 32-bit Wine: the other figures stand.
        report.note('Wine could not make its 32-bit prefix here (%s): no working set.' % error)
        return
    sizes = [size for size in (one_run(h, exe, prefix) for _ in range(config.wine_runs)) if size]
    report.note('Working set under Wine: VmRSS of the Linux process running slumbrix.exe '
                '(Wine %s; includes Wine\'s own DLLs), %.0f s after its window is mapped.'
                % (subprocess.run(['wine', '--version'], capture_output=True,
                                  text=True).stdout.strip(), SETTLE_SECONDS))
    report.figure('wine working set after start', procstats.median(sizes), 'KiB',
                  procstats.summary(sizes, ' KiB', 0))
