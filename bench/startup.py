#!/usr/bin/env python3
"""Measures how long a program takes to show its window and how much memory it holds a second later,
for the editor and for a bare Japanese Qt window, in alternating runs, and prints the medians and
their ratios against the targets. The time runs from starting the process until its first top-level
window is mapped and its first paint has reached the screen (a pixel of its menu bar changes); the
memory is the resident set (VmRSS) one second after that."""

import argparse
import ctypes
import os
import select
import statistics
import subprocess
import sys
import tempfile
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
Z_PIXMAP = 2


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]


class Display:
    """The X connection that watches the root window for windows being mapped."""

    def __init__(self):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.c_void_p
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                     ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.d = self.x.XOpenDisplay(None)
        if not self.d:
            sys.exit("startup.py: cannot open the X display")
        self.x.XSelectInput(self.d, self.x.XDefaultRootWindow(self.d), SUBSTRUCTURE_NOTIFY_MASK)
        self.x.XFlush(self.d)
        self.fd = self.x.XConnectionNumber(self.d)

    def drain(self):
        event = XEvent()
        while self.x.XPending(self.d):
            self.x.XNextEvent(self.d, ctypes.byref(event))

    def wait_for_map(self, timeout):
        """The window mapped next, or None after timeout."""
        event = XEvent()
        start = time.perf_counter()
        while time.perf_counter() - start < timeout:
            while self.x.XPending(self.d):
                self.x.XNextEvent(self.d, ctypes.byref(event))
                if event.type == MAP_NOTIFY:
                    return event.pad[4]  # XMapEvent.window, after type, serial, send_event, display, event
            select.select([self.fd], [], [], 0.05)
        return None

    def pixel(self, window, x, y):
        image = self.x.XGetImage(self.d, window, x, y, 1, 1, ctypes.c_ulong(-1).value, Z_PIXMAP)
        if not image:
            return None
        data = ctypes.cast(image, ctypes.POINTER(ctypes.c_void_p))[2]  # XImage.data, after four ints
        value = ctypes.cast(data, ctypes.POINTER(ctypes.c_uint32))[0]
        self.x.XFree(data)
        self.x.XFree(image)
        return value

    def wait_for_paint(self, window, timeout):
        """Polls a pixel of the window's top edge until its first paint changes it."""
        before = self.pixel(window, 20, 4)
        start = time.perf_counter()
        while time.perf_counter() - start < timeout:
            now = self.pixel(window, 20, 4)
            if now is not None and now != before:
                return True
            time.sleep(0.001)
        return False


def resident_mib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def measure(display, command, env):
    display.drain()
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = display.wait_for_map(30)
        if window is None:
            sys.exit(f"startup.py: {command[0]} showed no window within 30 s")
        if not display.wait_for_paint(window, 10):
            sys.exit(f"startup.py: {command[0]} painted nothing within 10 s")
        shown = time.perf_counter()
        time.sleep(1)
        return shown - start, resident_mib(process.pid)
    finally:
        process.terminate()
        process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("editor")
    parser.add_argument("twin")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--time-target", type=float, default=1.25)
    parser.add_argument("--memory-target", type=float, default=1.4)
    args = parser.parse_args()

    display = Display()
    results = {"editor": ([], []), "twin": ([], [])}
    with tempfile.TemporaryDirectory() as data:
        env = dict(os.environ, MOLVANE_DATA_DIR=data)
        env.pop("QT_QPA_PLATFORM", None)
        measure(display, [args.twin], env)  # the first start of all warms the disk cache
        for run in range(args.runs):
            for name, exe in (("editor", args.editor), ("twin", args.twin)):
                seconds, mib = measure(display, [exe], env)
                results[name][0].append(seconds)
                results[name][1].append(mib)
    med = {name: (statistics.median(t), statistics.median(m)) for name, (t, m) in results.items()}
    time_ratio = med["editor"][0] / med["twin"][0]
    memory_ratio = med["editor"][1] / med["twin"][1]
    print(f"| | window shown | resident 1 s later |")
    print(f"|---|---|---|")
    print(f"| Molvane | {med['editor'][0]:.3f} s | {med['editor'][1]:.1f} MiB |")
    print(f"| bare Japanese Qt window | {med['twin'][0]:.3f} s | {med['twin'][1]:.1f} MiB |")
    time_ok = time_ratio <= args.time_target
    memory_ok = memory_ratio <= args.memory_target
    print(f"| ratio | {time_ratio:.2f}× (≤ {args.time_target}×, {'ok' if time_ok else 'MISS'}) "
          f"| {memory_ratio:.2f}× (≤ {args.memory_target}×, {'ok' if memory_ok else 'MISS'}) |")
    print(f"\nmedians of {args.runs} alternating runs")
    return 0 if time_ok and memory_ok else 1


if __name__ == "__main__":
    sys.exit(main())
