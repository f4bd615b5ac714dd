"""What the kernel tells about a running process, and the statistics the figures use."""
import glob
import os
import statistics
import time


def _task_files(pid, name):
    for path in glob.glob('/proc/%d/task/*/%s' % (pid, name)):
        try:
            with open(path) as f:
                yield f.read()
        except OSError:
            pass  # a thread that ended meanwhile


def cpu_ns(pid):
    """Time on a processor of all the process's threads, in nanoseconds (schedstat's first
    field): exact, where /proc/<pid>/stat counts in clock ticks of 10 ms."""
    return sum(int(text.split()[0]) for text in _task_files(pid, 'schedstat'))


def voluntary_switches(pid):
    """How often the process's threads gave up the processor to wait: each timer tick, each
    reply awaited from the display. Preemption by others' work does not count here."""
    total = 0
    for text in _task_files(pid, 'status'):
        for line in text.splitlines():
            if line.startswith('voluntary_ctxt_switches:'):
                total += int(line.split()[1])
    return total


def open_files(pid):
    """The number of file descriptors the process holds, or None once it is gone."""
    try:
        return len(os.listdir('/proc/%d/fd' % pid))
    except OSError:
        return None


def status_kib(pid, key):
    """A size field of /proc/<pid>/status in KiB (VmRSS, VmHWM ...), or None."""
    try:
        with open('/proc/%d/status' % pid) as f:
            for line in f:
                if line.startswith(key + ':'):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


def machine_counters():
    """(busy, total) jiffies of all processors from /proc/stat; idle and iowait are not busy."""
    with open('/proc/stat') as f:
        values = [int(v) for v in f.readline().split()[1:9]]
    return sum(values) - values[3] - values[4], sum(values)


def busy_percent(before, after):
    elapsed = after[1] - before[1]
    return 100.0 * (after[0] - before[0]) / elapsed if elapsed > 0 else float('nan')


def wait_quiet(limit, timeout):
    """Waits, one second at a time, until the machine's load over a second is below limit
    percent; that load, or None when the time ran out first. On a shared machine others' work
    would otherwise decide figures that need the load to be known."""
    deadline = time.time() + timeout
    while True:
        before = machine_counters()
        time.sleep(1.0)
        load = busy_percent(before, machine_counters())
        if load < limit:
            return load
        if time.time() >= deadline:
            return None


class Sample:
    """CPU time and voluntary switches of one process at one moment."""

    def __init__(self, pid, when):
        self.pid = pid
        self.when = when
        self.cpu = cpu_ns(pid)
        self.switches = voluntary_switches(pid)

    def cost_until(self, later):
        """(percent of one core, wake-ups per second) between this sample and a later one."""
        elapsed = later.when - self.when
        return (100.0 * (later.cpu - self.cpu) / 1e9 / elapsed,
                (later.switches - self.switches) / elapsed)


def median(values):
    return statistics.median(values) if values else float('nan')


def summary(values, unit='', digits=2):
    """'median M (min A, max B, n N)' of a list of figures."""
    if not values:
        return 'no data'
    fmt = '%%.%df%s' % (digits, unit.replace('%', '%%'))
    return '%s (min %s, max %s, n=%d)' % (fmt % median(values), fmt % min(values),
                                         fmt % max(values), len(values))
