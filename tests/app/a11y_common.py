# SPDX-License-Identifier: GPL-3.0-or-later
"""What the scripts that read tessaro over AT-SPI share: the checks they count, a bounded
wait on a condition, the walk of a tree, finding a part or a window, and whether the accessibility bus is there."""

import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("pyatspi is not installed", file=sys.stderr)
    sys.exit(77)

WAIT_S = 20.0

results = {"passed": 0, "failed": 0}


def check(condition, what):
    results["passed" if condition else "failed"] += 1
    if not condition:
        print("FAILED:", what)
    return condition


def wait_for(probe, what):
    """The first true value probe() gives within WAIT_S, polled; None, a failure, if none."""
    deadline = time.monotonic() + WAIT_S
    while time.monotonic() < deadline:
        value = probe()
        if value:
            check(True, what)
            return value
        pump(0.1)
    check(False, what)
    return None


def pump(seconds):
    """Lets the bus's events in for a while: they come through GLib's main loop."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def states(acc):
    return acc.getState()


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, role, name):
    return next((a for a in walk(root) if a.getRole() == role and a.name == name), None)


def top_window(name_start):
    for app in pyatspi.Registry.getDesktop(0):
        for window in app or []:
            if window is not None and window.name.startswith(name_start):
                return window
    return None


def bus_reachable():
    """Without an accessibility bus libatspi ends the process: ask in a process of its own."""
    probe = [sys.executable, "-c", "import pyatspi; pyatspi.Registry.getDesktop(0).childCount"]
    try:
        return subprocess.run(probe, capture_output=True, timeout=WAIT_S).returncode == 0
    except subprocess.TimeoutExpired:
        return False
