#!/usr/bin/env python3
"""Delay from a key press to the first frame on screen that shows it, for the real game.

Run under an X server (xvfb-run -a -s "-screen 0 1280x1024x24" bench/key_to_frame_latency.py
ZARNOK RUN_FOLDER). The game starts in a copy of the run folder inside a network namespace of
its own, the join screen is opened, and a letter is typed into its focused player-name box
through XTEST, then erased again. After each key the screen area of that box is read back from
the X server until it shows something it did not show before the key (the blinking caret's two
states are learnt first). A read is queued behind every request the game sent before it, so the
time measured is the time until the display server has the frame that shows the key.

With --in-game the game hosts a match on the first map instead (through the new-game screen),
and Q switches between the split view and the chase view; the area read back is the middle of
the screen, where the two views differ. That times whole 3D frames, the heaviest the game draws.
"""
import argparse
import ctypes
import ctypes.util
import hashlib
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ZPIXMAP = 2
ALL_PLANES = 0xFFFFFFFFFFFFFFFF


class XImage(ctypes.Structure):
    pass


DESTROY = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.POINTER(XImage))
XImage._fields_ = [
    ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
    ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
    ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
    ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
    ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
    ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
    ("obdata", ctypes.c_void_p), ("create_image", ctypes.c_void_p), ("destroy_image", DESTROY),
]


class Display:
    def __init__(self):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                       ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                       ctypes.c_ulong, ctypes.c_int]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x11.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("no X display")
        self.root = self.x11.XDefaultRootWindow(self.display)
        self.width = self.x11.XDisplayWidth(self.display, 0)
        self.height = self.x11.XDisplayHeight(self.display, 0)

    def grab(self, x, y, w, h):
        image = self.x11.XGetImage(self.display, self.root, x, y, w, h, ALL_PLANES, ZPIXMAP)
        data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * h)
        image.contents.destroy_image(image)
        return hashlib.sha1(data).digest()

    def tap(self, keysym):
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(keysym))
        self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x11.XSync(self.display, 0)

    def pixel(self, ndc_x, ndc_y):
        return int((ndc_x + 1) / 2 * self.width), int((1 - ndc_y) / 2 * self.height)


def wait_window(pid):
    for _ in range(600):
        found = subprocess.run(["xdotool", "search", "--pid", str(pid), "--name", "^zarnok$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.1)
    sys.exit("no game window")


def click(display, ndc_x, ndc_y):
    x, y = display.pixel(ndc_x, ndc_y)
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    time.sleep(0.2)
    subprocess.run(["xdotool", "click", "1"], check=True)
    time.sleep(0.5)


def host_match(display):
    """From the main menu: new game, the first map into the rotation, start."""
    click(display, 0, 0.15)
    click(display, -0.35, 0.025)
    click(display, 0, 0.01)
    click(display, 0.35, -0.41)
    time.sleep(5)  # the level loads and the first frames settle


def learn_states(display, area, seconds):
    seen = set()
    end = time.perf_counter() + seconds
    while time.perf_counter() < end:
        seen.add(display.grab(*area))
        time.sleep(0.005)
    return seen


def time_until_new(display, area, known, keysym, limit=10.0):
    start = time.perf_counter()
    display.tap(keysym)
    while time.perf_counter() - start < limit:
        if display.grab(*area) not in known:
            return (time.perf_counter() - start) * 1000.0
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("zarnok")
    parser.add_argument("run_folder")
    parser.add_argument("--presses", type=int, default=30)
    parser.add_argument("--in-game", action="store_true",
                        help="time the view switch (Q) in a hosted match instead of typing")
    args = parser.parse_args()

    display = Display()
    work = tempfile.mkdtemp()
    namespace = "zk_latency_%d" % os.getpid()
    shutil.copytree(args.run_folder, work, dirs_exist_ok=True)
    subprocess.run(["ip", "netns", "add", namespace], check=True)
    game = None
    try:
        subprocess.run(["ip", "netns", "exec", namespace, "ip", "link", "set", "lo", "up"],
                       check=True)
        game = subprocess.Popen(["ip", "netns", "exec", namespace,
                                 os.path.realpath(args.zarnok)], cwd=work,
                                stderr=subprocess.DEVNULL)
        window = wait_window(game.pid)
        subprocess.run(["xdotool", "windowfocus", window], capture_output=True)
        time.sleep(2)
        if args.in_game:
            host_match(display)
            # The middle of the screen: the seam between the split view's halves, or the middle
            # of the chase view.
            left, top = display.pixel(-0.05, 0.05)
            right, bottom = display.pixel(0.05, -0.05)
            keys = ((b"q", "chase view"), (b"q", "split view"))
        else:
            click(display, 0, 0.05)  # main menu: join a game; its player name box has the focus
            # The player name box: 0.3 wide and 0.08 tall at (0, 0.4) in normalised coordinates.
            left, top = display.pixel(0.0, 0.4)
            right, bottom = display.pixel(0.3, 0.32)
            keys = ((b"W", "key"), (b"BackSpace", "backspace"))
        area = (left, top, right - left, bottom - top)
        typed, erased, lost = [], [], 0
        for _ in range(args.presses):
            before = learn_states(display, area, 1.2)
            shown = time_until_new(display, area, before, keys[0][0])
            after = learn_states(display, area, 1.2)
            gone = time_until_new(display, area, after, keys[1][0])
            if shown is None or gone is None:
                lost += 1
                continue
            typed.append(shown)
            erased.append(gone)
        for name, values in ((keys[0][1], typed), (keys[1][1], erased)):
            if not values:
                continue
            values.sort()
            print("%-11s n=%d  median %.1f ms  p90 %.1f ms  max %.1f ms" % (
                name, len(values), statistics.median(values),
                values[int(0.9 * (len(values) - 1))], values[-1]))
        if lost:
            print("%d presses showed no change within 10 s" % lost)
    finally:
        if game:
            game.terminate()
            try:
                game.wait(timeout=10)
            except subprocess.TimeoutExpired:
                game.kill()
        subprocess.run(["ip", "netns", "del", namespace])
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
