"""How the settings file is written where it is hard to write: two copies of
the program changing settings at the same moment, a folder that lets its
files be written but refuses new ones, a settings file that refuses every
change, and one that is a symbolic link to a file elsewhere."""

import contextlib
import os
import shutil
import statistics
import subprocess
import tempfile
import threading
import time
import unittest

from harness import (ACCELERATION, SETTINGS_FILE, SLOWDOWN, Probe, ProgramTest, poll,
                     settings_bytes)

CHANGING_SECONDS = 3
# What each copy sets in turn; the last changes afterwards (77, 7) are neither.
SLOWDOWNS, ACCELERATIONS = range(1, 51), range(1, 7)


class TwoCopiesWriting(ProgramTest):
    def test_two_copies_changing_settings_at_once_leave_one_whole_version(self):
        self.write_settings()
        self.start()
        self.probe.wait_window()
        self.start()
        # The second copy cannot have the shortcut key; it says so, then runs.
        self.assertTrue(poll(lambda: self.probe.boxes("Error"), 60))
        self.probe.ask("press Error")
        windows = poll(lambda: len(self.probe.windows()) == 2 and self.probe.windows(), 60)
        self.assertTrue(windows)

        # Each copy changes its own number as fast as it can; every version of
        # the file either could write is whole, and nothing else is.
        whole = {settings_bytes()}
        whole |= {settings_bytes(SlowdownFactor=v) for v in SLOWDOWNS}
        whole |= {settings_bytes(AccelerationFactor=v) for v in ACCELERATIONS}
        stop = threading.Event()
        changes = [0, 0]
        seen = {"whole": 0, "broken": []}

        def change(copy, window, box, values):
            probe = Probe()
            try:
                while not stop.is_set():
                    probe.ask(f"edit {window} {box} {values[changes[copy] % len(values)]}")
                    changes[copy] += 1
            finally:
                probe.close()

        def read():
            while not stop.is_set():
                try:
                    with open(self.path(SETTINGS_FILE), "rb") as f:
                        content = f.read()
                except FileNotFoundError:
                    content = None  # a replace in two steps: cut off there, the file is lost
                if content in whole:
                    seen["whole"] += 1
                else:
                    seen["broken"].append(content)

        threads = [threading.Thread(target=change, args=(0, windows[0], SLOWDOWN, SLOWDOWNS)),
                   threading.Thread(target=change, args=(1, windows[1], ACCELERATION, ACCELERATIONS)),
                   threading.Thread(target=read)]
        for thread in threads:
            thread.start()
        time.sleep(CHANGING_SECONDS)
        poll(lambda: min(changes) > 5, 60)  # a busy machine may need longer for a few
        stop.set()
        for thread in threads:
            thread.join(timeout=60)
        self.assertEqual(seen["broken"][:1], [])
        self.assertGreater(seen["whole"], 0)
        self.assertGreater(min(changes), 5, "both copies changed settings")

        # The last change made wins, whichever copy made it.
        self.probe.ask(f"edit {windows[0]} {SLOWDOWN} 77")
        self.assertEqual(self.settings(), settings_bytes(SlowdownFactor=77))
        self.probe.ask(f"edit {windows[1]} {ACCELERATION} 7")
        self.assertEqual(self.settings(), settings_bytes(AccelerationFactor=7))
        # No temporary file was left behind by a replace that met the other's.
        self.assertEqual(sorted(os.listdir(self.folder)),
                         ["default.set", "spindrift-clock.exe", SETTINGS_FILE])


def change_times(probe, window, values):
    """Seconds the window took to handle each change of its slowdown box (the box
    losing the focus: the value checked, the settings file written)."""
    times = []
    for value in values:
        began = time.perf_counter()
        probe.ask(f"edit {window} {SLOWDOWN} {value}")
        times.append(time.perf_counter() - began)
    return times


class RefusingFiles(ProgramTest):
    @contextlib.contextmanager
    def refusing(self, path):
        """The file or folder refuses changes: as root, only this flag (not the permission
        bits) does that, and Wine then answers access denied to every write, rename and
        delete."""
        if subprocess.run(["chattr", "+i", path], capture_output=True).returncode != 0:
            self.skipTest("chattr +i is not available here")
        try:
            yield
        finally:
            subprocess.run(["chattr", "-i", path], check=True)

    def test_a_folder_that_refuses_new_files_still_gets_the_setting_saved(self):
        self.write_settings(ClockStyle="HHMM (24hr)")
        # The folder's entries are fixed; its files can still be written.
        with self.refusing(self.folder):
            window = self.start_and_wait()
            self.probe.ask(f"edit {window} {SLOWDOWN} 17")
            self.assertEqual(self.settings(),
                             settings_bytes(ClockStyle="HHMM (24hr)", SlowdownFactor=17))
            self.assertEqual(sorted(os.listdir(self.folder)),
                             ["spindrift-clock.exe", SETTINGS_FILE])

    def test_a_settings_file_that_refuses_writing_is_an_answer_not_a_wait(self):
        self.write_settings(ClockStyle="HHMM (24hr)")
        window = self.start_and_wait()
        # In turns, so that both kinds of change meet the machine equally busy.
        writable, refused = [], []
        for value in range(10, 25):
            writable += change_times(self.probe, window, [value])
            with self.refusing(self.path(SETTINGS_FILE)):
                refused += change_times(self.probe, window, [value + 100])
                self.assertEqual(self.settings(),
                                 settings_bytes(ClockStyle="HHMM (24hr)", SlowdownFactor=value))
        self.assertEqual(sorted(os.listdir(self.folder)),
                         ["default.set", "spindrift-clock.exe", SETTINGS_FILE])
        # A refusal does not clear by itself: nothing is waited for (a file in
        # use would be, for 200 ms, some twenty times a change's time).
        writable, refused = statistics.median(writable), statistics.median(refused)
        self.assertLess(refused, 3 * writable, f"medians {writable:.3f} s, {refused:.3f} s")


class LinkedSettingsFile(ProgramTest):
    def test_a_settings_file_that_is_a_symbolic_link_stays_one(self):
        # A portable program whose settings live in a synced folder.
        synced = tempfile.mkdtemp(prefix="spindrift-e2e-synced-")
        self.addCleanup(shutil.rmtree, synced)
        target = os.path.join(synced, "settings.ini")
        with open(target, "wb") as out:
            out.write(settings_bytes(ClockStyle="HHMM (24hr)"))
        os.symlink(target, self.path(SETTINGS_FILE))
        window = self.start_and_wait()
        self.probe.ask(f"edit {window} {SLOWDOWN} 17")
        self.assertTrue(os.path.islink(self.path(SETTINGS_FILE)))
        self.assertEqual(self.settings(),
                         settings_bytes(ClockStyle="HHMM (24hr)", SlowdownFactor=17))
        self.assertEqual(os.listdir(synced), ["settings.ini"])


if __name__ == "__main__":
    unittest.main()
