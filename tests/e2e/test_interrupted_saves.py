"""Saves cut off at any moment: the program changes settings as fast as it
answers, through its window, and its Wine process is killed (SIGKILL) at a
random moment, again and again, until enough kills have cut a save off
("mid-write": a save's temporary file was there as the kill came, or after
it). Each time the settings file is one whole version it could have written,
and the next start clears what the cut-off save left. Counts go to standard
error; SPINDRIFT_KILL_SEED repeats a run's moments."""

import glob
import os
import random
import sys
import threading
import unittest

from harness import CLOCK_STYLE, TRAILS, ProgramTest, poll, settings_bytes

KILLS = 24  # at least; and on, up to MOST_KILLS, until MID_WRITES kills have cut a save off
MID_WRITES, MOST_KILLS = 4, 96
STYLES = ["HH:MM AM (12hr)", "HH:MM (12hr)", "HHMM AM (12hr)", "HHMM (12hr)", "HH:MM (24hr)",
          "HHMM (24hr)"]
WHOLE = {settings_bytes(ClockStyle=style, LeaveMouseTrails=trails)
         for style in STYLES for trails in (0, 1)}


class InterruptedSaves(ProgramTest):
    def leftovers(self):
        return glob.glob(os.path.join(self.folder, "spd*.tmp"))

    def change_until_killed(self, window, program):
        """Changes settings through the window until the program is gone; the changes made."""
        changes = 0
        try:
            while program.poll() is None:
                self.probe.ask(f"choose {window} {CLOCK_STYLE} {changes % len(STYLES)}")
                self.probe.ask(f"click {window} {TRAILS}")
                changes += 2
        except AssertionError:
            pass  # the window went with the program
        return changes

    def start_window(self, gone=()):
        self.start()
        return poll(lambda: [w for w in self.probe.windows() if w not in gone], 60)[0]

    def test_a_save_killed_at_any_moment_leaves_one_whole_file_and_no_litter(self):
        seed = int(os.environ.get("SPINDRIFT_KILL_SEED", random.randrange(1 << 30)))
        moments = random.Random(seed)
        self.write_settings()
        counts = dict(kills=0, mid_write=0, lost=0, litter_after_start=0, changes=0)
        window = self.start_window()
        while counts["kills"] < KILLS or (counts["mid_write"] < MID_WRITES and
                                          counts["kills"] < MOST_KILLS):
            program = self.programs[-1]
            before, saving = set(self.leftovers()), []
            killer = threading.Timer(moments.uniform(0.1, 0.9), lambda: (
                saving.append(bool(set(self.leftovers()) - before)), program.kill()))
            killer.start()
            counts["changes"] += self.change_until_killed(window, program)
            killer.join()
            program.wait()
            counts["kills"] += 1
            counts["mid_write"] += saving[0] or bool(set(self.leftovers()) - before)
            try:
                counts["lost"] += self.settings() not in WHOLE
            except FileNotFoundError:
                counts["lost"] += 1
                self.write_settings()  # the next round starts from a file again
            window = self.start_window(gone=[window])
            counts["litter_after_start"] += bool(self.leftovers())
        print(f"\nkill test (seed {seed}): {counts}", file=sys.stderr)
        self.assertGreaterEqual(counts["mid_write"], MID_WRITES, f"kills inside a save: {counts}")
        self.assertEqual(counts["lost"], 0, counts)
        self.assertEqual(counts["litter_after_start"], 0, counts)
        self.assertGreater(counts["changes"], 10 * KILLS, "the kills came in streams of saves")


if __name__ == "__main__":
    unittest.main()
