'''Waiting for what the program or a service does, and the processes of a test or a
benchmark, which end with it.'''
import ctypes
import signal
import subprocess
import time

# Waits for something the program or a service does; far above what any of them needs, so
# that only a real fault runs into one.
WAIT = 20.0
POLL = 0.02

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def wait_for(what, check, timeout=WAIT):
    '''Polls check() until it gives a true value, which is returned; fails after timeout.'''
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f'timed out waiting for {what}')
        time.sleep(POLL)


def _end_with_the_test():
    # Also when the test runner itself is killed (a timeout of CTest): nothing outlives it.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def spawn(args, **kwargs):
    return subprocess.Popen(args, preexec_fn=_end_with_the_test, **kwargs)


def stop_process(process, grace=3.0):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
