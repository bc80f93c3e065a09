"""A long session of the real program: many clock runs with ink and many
openings of the Character Creator must not make the process grow, and must
leave its files as they were."""

import sys
import unittest

from harness import SHOW_NOW, ProgramTest, poll

EDIT, KILL, QUIT_EDITOR = 2013, 2027, 1033
CREATOR = "Mouse Motion Capture Character Creator"
OVERLAY = "1"
WARM_UP_RUNS, RUNS, OPENINGS = 10, 30, 20
ALLOWED_GROWTH_KIB = 3 * 1024


def private_kib(pid):
    """The process's own memory: the private pages of its mappings that no file backs
    (heaps, stacks). A file's pages count as private only while no other process on
    the machine maps them, so other programs starting and ending would move the sum
    by megabytes."""
    total, own = 0, False
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            fields = line.split()
            if "-" in fields[0] and not fields[0].endswith(":"):  # a mapping's header
                own = len(fields) < 6 or fields[5].startswith("[")
            elif own and fields[0] in ("Private_Clean:", "Private_Dirty:"):
                total += int(fields[1])
    return total


class LongSession(ProgramTest):
    def run_once(self, main):
        self.probe.ask(f"post-click {main} {SHOW_NOW}")
        self.assertTrue(poll(lambda: self.probe.windows(OVERLAY), 20), "no ink overlay")
        self.assertTrue(poll(lambda: not self.probe.windows(OVERLAY), 30), "the run never ended")

    def open_and_quit_creator(self, main):
        self.probe.ask(f"post-click {main} {EDIT}")
        creator = self.probe.wait_window(CREATOR)
        self.probe.ask(f"post-click {creator} {QUIT_EDITOR}")
        self.assertTrue(poll(lambda: not self.probe.windows(CREATOR), 30), "the Creator stayed")

    def test_runs_with_ink_and_creator_openings_do_not_grow_the_process(self):
        self.write_settings(ClockStyle="HH:MM (24hr)", LeaveMouseTrails=1, TrailsColor=255,
                            SlowdownFactor=1, AccelerationFactor=10)
        settings = self.settings()
        program = self.start()
        main = self.probe.wait_window()
        # Wine runs a program in the process it was started as.
        with open(f"/proc/{program.pid}/cmdline", "rb") as f:
            self.assertIn(b"spindrift-clock.exe", f.read())
        with open(self.path("default.set"), "rb") as f:
            built_in = f.read()

        for _ in range(WARM_UP_RUNS):
            self.run_once(main)
        settled = private_kib(program.pid)
        for _ in range(RUNS - WARM_UP_RUNS):
            self.run_once(main)
        for _ in range(OPENINGS):
            self.open_and_quit_creator(main)
        grown = private_kib(program.pid) - settled
        print(f"\nprivate memory after {WARM_UP_RUNS} runs: {settled} KiB; growth over "
              f"{RUNS - WARM_UP_RUNS} more runs and {OPENINGS} Creator openings: {grown} KiB",
              file=sys.stderr)

        self.assertLess(grown, ALLOWED_GROWTH_KIB,
                        f"private memory grew by {grown} KiB after warming up")
        self.assertEqual(self.settings(), settings)
        with open(self.path("default.set"), "rb") as f:
            self.assertEqual(f.read(), built_in)
        self.probe.ask(f"post-click {main} {KILL}")
        self.assertEqual(program.wait(timeout=30), 0)


if __name__ == "__main__":
    unittest.main()
