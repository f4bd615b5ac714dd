"""What the kernel tells about a running process, and the statistics the figures use."""
import glob
import os
import statistics
import time

CLOCK_TICKS = os.sysconf('SC_CLK_TCK')


def cpu_seconds(pid):
    """User plus system time of the process (all its threads) from /proc/<pid>/stat."""
    with open('/proc/%d/stat' % pid) as f:
        fields = f.read().rsplit(')', 1)[1].split()
    # After the name: state is field 3, utime and stime are fields 14 and 15.
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def run_slices(pid):
    """How many times the process's threads were put on a processor (/proc/.../schedstat).

    A thread that sleeps between its timer ticks runs once per wakeup, so the count over an
    interval is the process's wakeups in it."""
    total = 0
    for path in glob.glob('/proc/%d/task/*/schedstat' % pid):
        try:
            with open(path) as f:
                total += int(f.read().split()[2])
        except (OSError, IndexError, ValueError):
            pass  # a thread that ended meanwhile
    return total


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
    """CPU time and run count of one process at one moment."""

    def __init__(self, pid, when):
        self.pid = pid
        self.when = when
        self.cpu = cpu_seconds(pid)
        self.slices = run_slices(pid)

    def cost_until(self, later):
        """(percent of one core, wakeups per second) between this sample and a later one."""
        elapsed = later.when - self.when
        return (100.0 * (later.cpu - self.cpu) / elapsed,
                (later.slices - self.slices) / elapsed)


def median(values):
    return statistics.median(values) if values else float('nan')


def summary(values, unit='', digits=2):
    """'median M (min A, max B, n N)' of a list of figures."""
    if not values:
        return 'no data'
    fmt = '%%.%df%s' % (digits, unit.replace('%', '%%'))
    return '%s (min %s, max %s, n=%d)' % (fmt % median(values), fmt % min(values),
                                         fmt % max(values), len(values))
