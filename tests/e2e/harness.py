"""Runs the real spindrift-clock.exe under Wine for the end-to-end tests.

Each test gets a fresh, empty folder holding a copy of the program, starts it
under Wine, and talks to one spindrift-probe.exe over its standard input and
output to look at the windows and work them. Everything a test starts is
stopped by its own process id when the test ends; nothing else is touched.

scripts/test exports DISPLAY and WINEPREFIX (its own Xvfb and prefix). When
they are not set, the first test starts a private Xvfb and a fresh prefix,
which are stopped when the tests are over.
"""

import atexit
import os
import shutil
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def _windows_arch():
    """The Windows build the tests run, as scripts/lib/common.sh chooses it:
    the released 32-bit one, or the 64-bit build of the same sources where
    the kernel cannot run 32-bit programs and so 32-bit Wine cannot start.
    For the latter, 64-bit Wine goes first in PATH under the usual names."""
    arch = os.environ.get("SPINDRIFT_WINDOWS_ARCH")
    if not arch:
        try:
            subprocess.run(["/usr/lib/wine/wine", "--version"], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            arch = "win32"
        except (OSError, subprocess.CalledProcessError):
            arch = "win64" if os.access("/usr/lib/wine/wine64", os.X_OK) else "win32"
        os.environ["SPINDRIFT_WINDOWS_ARCH"] = arch
    shims = os.path.join(ROOT, "scripts", "lib", "wine64")
    if arch == "win64" and shims not in os.environ["PATH"].split(os.pathsep):
        os.environ["PATH"] = shims + os.pathsep + os.environ["PATH"]
    return arch


WINDOWS_ARCH = _windows_arch()
BUILD = os.path.join(ROOT, "build", WINDOWS_ARCH)
PROGRAM = os.path.join(BUILD, "spindrift-clock.exe")
PROBE = os.path.join(BUILD, "spindrift-probe.exe")
PLAN_TOOL = os.path.join(ROOT, "build", "host", "tools", "clock-plan-points")
DEFAULT_SET = os.path.join(ROOT, "resources", "default.set")
ARTIFACTS = os.path.join(ROOT, "artifacts")

CAPTION = "The Spindrift Clock"
SETTINGS_FILE = "spindrift-clock.ini"

# Control ids of the main window.
CLOCK_STYLE, MODIFIERS, KEY = 2002, 2003, 2005
PREVIEW, SHOW_NOW, SET_BOX, BROWSE = 2024, 2022, 2010, 2011
HEIGHT, SLOWDOWN, ACCELERATION, TRAILS = 2015, 2017, 2019, 2021
RESET, KILL = 2026, 2027

DEFAULTS = {
    "TrailsColor": "0",
    "ClockStyle": "HH:MM (12hr)",
    "ShortcutKeyModifiers": "Ctrl",
    "ShortcutKey": "T",
    "CharacterSet": "Default.set",
    "MaxPixelHeight": "323",
    "LeaveMouseTrails": "0",
    "SlowdownFactor": "5",
    "AccelerationFactor": "2",
}


def settings_bytes(**changes):
    """The settings file's exact bytes: the defaults with some values changed."""
    values = dict(DEFAULTS, **{k: str(v) for k, v in changes.items()})
    return "".join(f"{key}: {value}\r\n" for key, value in values.items()).encode("utf-8")


def xdotool(*args):
    """Runs xdotool; the words it printed (none when it found no window)."""
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                          timeout=60).stdout.split()


def screen_pixels(left, top, right, bottom):
    """The screen's colours in a rectangle: {(x, y): (r, g, b)} in screen coordinates."""
    width, height = right - left, bottom - top
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}",
                          "-depth", "8", "rgb:-"], check=True, capture_output=True,
                         timeout=60).stdout
    return {(left + i % width, top + i // width): tuple(raw[3 * i:3 * i + 3])
            for i in range(width * height)}


def poll(condition, timeout, interval=0.05):
    """Calls condition until it gives something true, for at most timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(interval)


class _Environment:
    """The X display and Wine prefix the tests run in."""

    def __init__(self):
        self.xvfb = None
        self.prefix_dir = None

    def ensure(self):
        if os.environ.get("DISPLAY") and os.environ.get("WINEPREFIX"):
            self._wine_defaults()
            return
        if self.xvfb is None:
            self._start_xvfb()
            self.prefix_dir = tempfile.mkdtemp(prefix="spindrift-e2e-prefix-")
            os.environ["WINEPREFIX"] = os.path.join(self.prefix_dir, "prefix")
            self._wine_defaults()
            subprocess.run(["wineboot", "--init"], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=True, timeout=300)
            subprocess.run(["wineserver", "-w"], timeout=300)
            atexit.register(self.stop)

    @staticmethod
    def _wine_defaults():
        os.environ.setdefault("WINEARCH", WINDOWS_ARCH)
        os.environ.setdefault("WINEDEBUG", "-all")
        os.environ.setdefault("WINEDLLOVERRIDES", "mscoree=d;mshtml=d")
        # Wine stores file names in the Unix locale's encoding and takes its
        # legacy code page from the locale too: UTF-8 names, code page 1252.
        os.environ["LC_ALL"] = "C.UTF-8"

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1080x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            display = numbers.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + display

    def stop(self):
        if self.prefix_dir:
            subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL, timeout=60)
            shutil.rmtree(self.prefix_dir, ignore_errors=True)
            self.prefix_dir = None
        if self.xvfb:
            self.xvfb.kill()
            self.xvfb.wait()
            self.xvfb = None


ENVIRONMENT = _Environment()


class Probe:
    """One spindrift-probe.exe, commanded line by line."""

    def __init__(self, program=PROBE, cwd=None, env=None):
        self.process = subprocess.Popen(
            ["wine", program], cwd=cwd, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, text=True, encoding="utf-8", bufsize=1)

    def ask(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        answer = self.process.stdout.readline().rstrip("\n")
        if not answer.startswith("ok"):
            raise AssertionError(f"probe: {command!r} -> {answer!r}")
        return answer[3:]

    # Conveniences over the commands.
    def wait_window(self, caption=CAPTION, timeout_ms=60000):
        return int(self.ask(f"wait {timeout_ms} {caption}"))

    def windows(self, caption=CAPTION):
        fields = self.ask(f"find {caption}").split()
        return [int(w) for w in fields[1:]]

    def text(self, window, control):
        return self.ask(f"text {window} {control}")

    def boxes(self, caption):
        fields = self.ask(f"boxes {caption}").split("\t")
        return fields[1:]

    def cursor(self):
        x, y = self.ask("cursor").split()
        return int(x), int(y)

    def trace(self, milliseconds, quiet=0):
        return self.trace_while(milliseconds, quiet, lambda: None)

    def trace_while(self, milliseconds, quiet, action):
        """Traces the cursor while action runs, until it has moved and then stood still for
        quiet ms (or milliseconds have passed); the points in order, repeats dropped."""
        self.ask("trace-start")
        action()
        points = self.ask(f"trace-end {milliseconds} {quiet}").split()
        return [tuple(int(v) for v in p.split(",")) for p in points]

    def dpi(self):
        return int(self.ask("dpi"))

    def work_area(self):
        left, top, right, bottom = (int(v) for v in self.ask("work-area").split())
        return right - left, bottom - top

    def close(self):
        if self.process.poll() is None:
            try:
                self.process.stdin.write("quit\n")
                self.process.stdin.flush()
                self.process.wait(timeout=10)
            except (OSError, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait()
        self.process.stdin.close()
        self.process.stdout.close()


CREATOR = "Mouse Motion Capture Character Creator"
CREATOR_VIEW_BUTTONS = 1600  # the view button of slot 0; the others follow
BLUE, BLACK = (0, 0, 255), (0, 0, 0)


def shows(area, colour):
    """Whether a colour shows inside a control's rectangle, within its border."""
    left, top, right, bottom = area
    return colour in screen_pixels(left + 3, top + 3, right - 3, bottom - 3).values()


def start_recording(probe, creator, area, slot):
    """Records a slot in the open Character Creator (a digit's) with its key, and returns once the
    recording watches for the first movement. The slot's recording is shown first, in
    blue; the recording clears the drawing area and at once takes the cursor's place
    as the one to move from."""
    probe.ask(f"post-click {creator} {CREATOR_VIEW_BUTTONS + slot}")
    if not poll(lambda: shows(area, BLUE), 30):
        raise AssertionError(f"the view of slot {slot} never showed")
    window = xdotool("search", "--name", "^" + CREATOR + "$")[0]
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "--window", window, slot)
    if not poll(lambda: not shows(area, BLUE), 30):
        raise AssertionError(f"the recording of slot {slot} never began")


def answer_boxes(probe, seen, caption="Error"):
    """Presses OK on the message boxes with a caption that show, adding what they say to
    seen (a program shows one at a time); gives seen."""
    showing = probe.boxes(caption)
    if showing:
        seen += showing
        probe.ask(f"press {caption}")
        poll(lambda: not probe.boxes(caption), 10)
    return seen


class ProgramTest(unittest.TestCase):
    """A test with a fresh folder for the program and a probe to look at it."""

    folder_suffix = ""  # the end of the folder's name

    def setUp(self):
        ENVIRONMENT.ensure()
        self.folder = tempfile.mkdtemp(prefix="spindrift-e2e-", suffix=self.folder_suffix)
        shutil.copy(PROGRAM, self.folder)
        self.programs = []
        self.probe = Probe()

    def tearDown(self):
        for program in self.programs:
            if program.poll() is None:
                program.kill()
                program.wait()
        self.probe.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.folder, name)

    def write_settings(self, **changes):
        with open(self.path(SETTINGS_FILE), "wb") as out:
            out.write(settings_bytes(**changes))

    def settings(self):
        with open(self.path(SETTINGS_FILE), "rb") as f:
            return f.read()

    def start(self):
        """Starts another copy of the program in the test's folder."""
        program = subprocess.Popen(["wine", os.path.join(self.folder, "spindrift-clock.exe")],
                                   cwd=self.folder, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.programs.append(program)
        return program

    def start_and_wait(self):
        """Starts the program and gives its main window once it shows."""
        self.start()
        return self.probe.wait_window()

    def screenshot(self, name, window=None):
        """Saves the screen, or one window's client area, as artifacts/NAME."""
        os.makedirs(ARTIFACTS, exist_ok=True)
        target = os.path.join(ARTIFACTS, name)
        subprocess.run(["import", "-window", "root", target], check=True, timeout=60)
        if window is not None:
            left, top, right, bottom = (int(v) for v in self.probe.ask(f"client {window}").split())
            subprocess.run(["convert", target, "-crop",
                            f"{right - left}x{bottom - top}+{left}+{top}", "+repage", target],
                           check=True, timeout=60)
        return target


def planned_points(time_text, height, acceleration, work_area, set_file=DEFAULT_SET, dpi=96):
    """The plan of a run: (character index, x, y) for every point, from the clock's core;
    the height counts pixels at 96 DPI, the screen has dpi."""
    width, depth = work_area
    output = subprocess.run([PLAN_TOOL, set_file, time_text, str(height), str(acceleration),
                             str(width), str(depth), str(dpi)], check=True, capture_output=True,
                            text=True, timeout=60).stdout
    return [tuple(int(v) for v in line.split()) for line in output.splitlines()]


def clock_text(style, moment):
    """The time text in a style, as the clock writes it."""
    hour, minute = moment.tm_hour, moment.tm_min
    h12 = hour % 12 or 12
    suffix = "PM" if hour >= 12 else "AM"
    return {
        "HH:MM AM (12hr)": f"{h12}:{minute:02d} {suffix}",
        "HH:MM (12hr)": f"{h12}:{minute:02d}",
        "HHMM AM (12hr)": f"{h12}{minute:02d} {suffix}",
        "HHMM (12hr)": f"{h12}{minute:02d}",
        "HH:MM (24hr)": f"{hour}:{minute:02d}",
        "HHMM (24hr)": f"{hour}{minute:02d}",
    }[style]
