"""The real program started against hostile settings and set files.

Each case puts its files into a fresh folder beside a copy of the program and
starts it under Wine. The program must show its main window within a bounded
time and no error box on the way, stay up, close when asked (exit code 0), and
leave every file it found exactly as it was: the only file it may add is the
built-in set, default.set, when the settings name it and it is missing.

The huge cases (values of hundreds of megabytes) must also leave the program
idle once its window shows, and save a setting changed afterwards with every
other value whole.
"""

import hashlib
import os
import random
import shutil
import subprocess
import tempfile
import time
import unittest

from harness import (BUILD, CAPTION, DEFAULTS, ENVIRONMENT, PROGRAM, SLOWDOWN, Probe,
                     SETTINGS_FILE as SETTINGS, answer_boxes, xdotool)

HOLD_FILE = os.path.join(BUILD, "hold-file.exe")
HELD = "held by another program"


def settings_lines(**values):
    """A settings file in the program's own syntax, with some values replaced."""
    lines = {
        "TrailsColor": b"-1", "ClockStyle": b"HH:MM (12hr)", "ShortcutKeyModifiers": b"Ctrl",
        "ShortcutKey": b"T", "CharacterSet": b"Default.set", "MaxPixelHeight": b"323",
        "LeaveMouseTrails": b"0", "SlowdownFactor": b"5", "AccelerationFactor": b"2",
    }
    lines.update(values)
    return b"".join(k.encode() + b": " + v + b"\r\n" for k, v in lines.items())


def garbage(size, seed):
    return random.Random(seed).randbytes(size)


def many_points(count):
    """One set file line of `count` points, repeated for all 13 slots' share."""
    per_slot = count // 13
    line = b", ".join([b"100,150", b"120,170", b"140,200", b"150,260"] * (per_slot // 4))
    return (line + b"\r\n") * 13


HUGE = b"9" * 400
NAMED_SET = settings_lines(CharacterSet=b"hostile.set")

# name: {file name: bytes, or None for a folder; HELD: the file another program holds open}
CASES = {
    "empty settings file": {SETTINGS: b""},
    "binary garbage settings": {SETTINGS: garbage(4096, 1)},
    "50 MB single-line settings": {SETTINGS: b"CharacterSet: " + b"A" * (50 << 20)},
    "400-digit numbers in settings": {SETTINGS: settings_lines(
        TrailsColor=b"-" + HUGE, MaxPixelHeight=HUGE, LeaveMouseTrails=HUGE,
        SlowdownFactor=b"&H" + b"F" * 400, AccelerationFactor=HUGE + b"E" + HUGE)},
    "CR-only settings": {SETTINGS: b"\r" * 64},
    "Ctrl-Z first in settings": {SETTINGS: b"\x1a" + settings_lines(ClockStyle=b"HHMM (24hr)")},
    "non-ASCII settings": {SETTINGS: settings_lines(
        ClockStyle=b"HH:MM \xe9\xff\x80", ShortcutKeyModifiers=b"Ctr\xefl",
        ShortcutKey=b"\xe4", CharacterSet=b"\xe9t\xe9.set")},
    "a folder named like the settings file": {SETTINGS: None},
    "empty set file": {SETTINGS: NAMED_SET, "hostile.set": b""},
    "binary garbage set file": {SETTINGS: NAMED_SET, "hostile.set": garbage(65536, 2)},
    "50 MB single-line set file": {SETTINGS: NAMED_SET,
                                   "hostile.set": b"12,34, " * ((50 << 20) // 7)},
    "10 million points": {SETTINGS: NAMED_SET, "hostile.set": many_points(10_000_000)},
    "400-digit numbers in a set file": {SETTINGS: NAMED_SET,
                                        "hostile.set": (HUGE + b"," + HUGE + b"\r\n") * 13},
    "CR-only set file": {SETTINGS: NAMED_SET, "hostile.set": b"\r" * 13},
    "Ctrl-Z first in a set file": {SETTINGS: NAMED_SET,
                                   "hostile.set": b"\x1a" + b"10,20, 30,40\r\n" * 13},
    "non-ASCII set file": {SETTINGS: NAMED_SET,
                           "hostile.set": b"\xff\xfe1\x00,\x002\x00\r\n" * 13},
    "a folder named like the set file": {SETTINGS: NAMED_SET, "hostile.set": None},
    "settings held open by another program": {SETTINGS: settings_lines(ClockStyle=b"HHMM (24hr)"),
                                              HELD: SETTINGS},
}


MB = 1 << 20


def repeat(chunk, count):
    """A piece of a huge file: `count` copies of `chunk`, never held whole in memory."""
    return (chunk, count)


def pieces_bytes(pieces):
    """The bytes of pieces (bytes, or repeat() pieces), streamed in blocks of about 16 MB."""
    for piece in pieces:
        if isinstance(piece, bytes):
            yield piece
            continue
        chunk, count = piece
        per_block = max(1, (16 * MB) // len(chunk))
        while count > 0:
            n = min(count, per_block)
            yield chunk * n
            count -= n


def settings_pieces(values):
    """Settings lines for the given keys, values as pieces."""
    pieces = []
    for key, value in values.items():
        pieces += [key.encode() + b": ", value, b"\r\n"]
    return pieces


def digest(blocks):
    sha = hashlib.sha256()
    for block in blocks:
        sha.update(block)
    return sha.hexdigest()


def file_digest(path):
    with open(path, "rb") as f:
        return digest(iter(lambda: f.read(16 * MB), b""))


def points_set(count):
    """A set file of `count` points, "1,2" pairs spread over the 13 lines (5 bytes a point)."""
    per_line = count // 13
    return [repeat(b"1,2, ", per_line - 1), b"1,2\r\n"] * 13


# name: (settings values as pieces, {other file: pieces}). Each is started, left
# idle for 10 s, and then given a new SlowdownFactor, which rewrites the file.
HUGE_CASES = {
    "300 MB clock style": ({"ClockStyle": repeat(b"S", 300 * MB)}, {}),
    "400 MB settings file of four 100 MB texts": ({
        "ClockStyle": repeat(b"C", 100 * MB), "ShortcutKeyModifiers": repeat(b"M", 100 * MB),
        "ShortcutKey": repeat(b"K", 100 * MB), "CharacterSet": repeat(b"N", 100 * MB)}, {}),
    "100 million points in a 500 MB set": ({"CharacterSet": b"big.set"},
                                           {"big.set": points_set(100_000_000)}),
}
IDLE_SECONDS = 10


def cpu_seconds(pid):
    """User and system CPU time of a process so far."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def snapshot(folder):
    """Every file under the folder with its digest; folders as None."""
    found = {}
    for dirpath, dirnames, filenames in os.walk(folder):
        for name in dirnames:
            found[os.path.relpath(os.path.join(dirpath, name), folder)] = None
        for name in filenames:
            path = os.path.join(dirpath, name)
            with open(path, "rb") as f:
                found[os.path.relpath(path, folder)] = hashlib.sha256(f.read()).hexdigest()
    return found


def wait(condition, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    return None


class HostileFiles(unittest.TestCase):
    def setUp(self):
        ENVIRONMENT.ensure()

    def start_in(self, folder):
        shutil.copy(PROGRAM, folder)
        return subprocess.Popen(["wine", "./spindrift-clock.exe"], cwd=folder,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def hold(self, path):
        """Another Windows program holding the file open without sharing."""
        holder = subprocess.Popen(["wine", HOLD_FILE, "Z:" + path.replace("/", "\\")],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL)
        self.assertEqual(holder.stdout.readline().strip(), b"held")
        return holder

    def close(self, program, window):
        """The close box's path: Alt+F4 makes Windows send WM_CLOSE."""
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "--window", window, "alt+F4")
        self.assertEqual(program.wait(timeout=30), 0)

    def main_window(self, program, probe, boxes):
        """The visible main window; each error box on the way is noted in boxes and answered."""
        def shown():
            answer_boxes(probe, boxes)
            windows = xdotool("search", "--onlyvisible", "--name", f"^{CAPTION}$")
            return windows[0] if windows else None
        return wait(lambda: program.poll() is None and shown() or program.poll() is not None
                    and "ended", 90)

    def test_every_hostile_file_leaves_a_working_program_and_untouched_files(self):
        probe = Probe()
        self.addCleanup(probe.close)
        for name, files in CASES.items():
            with self.subTest(name), tempfile.TemporaryDirectory(prefix="spindrift-e2e-") as folder:
                files = dict(files)
                held = files.pop(HELD, None)
                for file_name, content in files.items():
                    path = os.path.join(folder, file_name)
                    if content is None:
                        os.mkdir(path)
                    else:
                        with open(path, "wb") as f:
                            f.write(content)
                before = snapshot(folder)
                holder = self.hold(os.path.join(folder, held)) if held else None
                program = self.start_in(folder)
                boxes = []
                try:
                    window = self.main_window(program, probe, boxes)
                    self.assertIsNotNone(window, "no main window within 90 s")
                    self.assertNotEqual(window, "ended", "the program ended by itself")
                    time.sleep(1)
                    self.assertIsNone(program.poll(), "the program ended by itself")
                    self.assertEqual(answer_boxes(probe, boxes), [], "no file here is an error")
                    self.close(program, window)
                finally:
                    if program.poll() is None:
                        program.kill()
                        program.wait()
                    if holder:
                        holder.stdin.close()
                        holder.wait(timeout=30)
                after = snapshot(folder)
                after.pop("spindrift-clock.exe", None)
                before.pop("spindrift-clock.exe", None)
                added = set(after) - set(before)
                self.assertLessEqual(added, {"default.set"})
                for path, digest in before.items():
                    self.assertEqual(after.get(path), digest, path + " was changed")


    def test_huge_values_leave_the_program_idle_and_are_saved_whole(self):
        for name, (values, others) in HUGE_CASES.items():
            with self.subTest(name), tempfile.TemporaryDirectory(prefix="spindrift-e2e-") as folder:
                for file_name, pieces in [(SETTINGS, settings_pieces(values)), *others.items()]:
                    with open(os.path.join(folder, file_name), "wb") as f:
                        for block in pieces_bytes(pieces):
                            f.write(block)
                kept = {n: file_digest(os.path.join(folder, n)) for n in others}
                program = self.start_in(folder)
                probe = Probe()
                boxes = []
                try:
                    window = self.main_window(program, probe, boxes)
                    self.assertNotIn(window, (None, "ended"), "no main window")
                    time.sleep(1)
                    before = cpu_seconds(program.pid)
                    time.sleep(IDLE_SECONDS)
                    busy = (cpu_seconds(program.pid) - before) / IDLE_SECONDS
                    self.assertLess(busy, 0.005, "idle CPU, share of one core")
                    self.assertEqual(answer_boxes(probe, boxes), [], "no value here is an error")

                    probe.ask(f"edit {probe.wait_window()} {SLOWDOWN} 17")
                    saved = dict(DEFAULTS, SlowdownFactor="17")
                    saved = {k: values.get(k, v.encode()) for k, v in saved.items()}
                    self.assertEqual(file_digest(os.path.join(folder, SETTINGS)),
                                     digest(pieces_bytes(settings_pieces(saved))))
                    for file_name, was in kept.items():
                        self.assertEqual(file_digest(os.path.join(folder, file_name)), was)
                    self.close(program, window)
                finally:
                    probe.close()
                    if program.poll() is None:
                        program.kill()
                        program.wait()


if __name__ == "__main__":
    unittest.main()
