"""The user in control of a run: Esc pressed in another program stops every
run at once, taking hold of the mouse stops the run where the hand put the
cursor, and a held shortcut key starts one run only."""

import subprocess
import time
import unittest

from harness import SHOW_NOW, SLOWDOWN, ProgramTest, poll, xdotool
from run_tracing import ACCELERATION, SLOWDOWN as QUICK, STYLE, RunTracing

OVERLAY = "1"  # the ink overlay's caption: one per run with trails


def now_ms():
    """The clock of the probe's timed traces."""
    return time.clock_gettime(time.CLOCK_MONOTONIC_RAW) * 1000


class UserInControl(RunTracing, ProgramTest):
    height = 150

    def setUp(self):
        super().setUp()
        # Slow runs with ink: about a second per character, a point every 100 ms.
        self.write_settings(ClockStyle=STYLE, MaxPixelHeight=self.height, SlowdownFactor=100,
                            AccelerationFactor=ACCELERATION, LeaveMouseTrails=1)
        self.window = self.start_and_wait()
        # Another program has the keyboard focus; its window lies under the pointer
        # everywhere, so that Wine learns of the pointer's moves from the display.
        self.probe.ask("window Elsewhere")
        xid = subprocess.run(["xdotool", "search", "--sync", "--name", "^Elsewhere$"],
                             capture_output=True, text=True, check=True, timeout=30).stdout.split()[0]
        xdotool("windowfocus", "--sync", xid)

    def overlays(self):
        return set(self.probe.windows(OVERLAY))

    def show_now(self):
        self.probe.ask(f"post-click {self.window} {SHOW_NOW}")

    def cursor_moves(self, times):
        """Waits until something has moved the cursor some times, or fails."""
        for _ in range(times):
            was = self.probe.cursor()
            self.assertTrue(poll(lambda: self.probe.cursor() != was, 10), "the cursor moved")

    def test_escape_stops_every_run_at_once_and_the_next_run_is_whole(self):
        self.show_now()
        time.sleep(0.3)
        self.show_now()
        self.assertTrue(poll(lambda: len(self.overlays()) == 2, 10), "two runs with ink")
        self.probe.ask("trace-start")
        traced = now_ms()
        self.cursor_moves(3)
        xdotool("key", "Escape")
        pressed = now_ms()
        # Long enough after Esc to see a run that went on: a point every 100 ms.
        points = self.probe.ask(f"trace-end-timed {round(pressed - traced) + 1500}").split()
        moves = [float(p.split(",")[2]) for p in points]
        self.assertTrue([t for t in moves if pressed - 500 < t < pressed], "the runs were drawing")
        self.assertEqual([round(t - pressed) for t in moves if t > pressed + 300], [],
                         "a run moved the cursor after Esc (ms after the key)")
        self.assertTrue(poll(lambda: not self.overlays(), 1), "the ink is gone")
        self.assertIsNone(self.programs[0].poll())

        self.probe.ask(f"edit {self.window} {SLOWDOWN} {QUICK}")
        trace, plans = self.trace_run(self.show_now)
        self.assert_one_run_along_the_plan(trace, plans)

    def test_a_run_started_while_the_last_one_fades_makes_all_its_moves(self):
        self.probe.ask(f"edit {self.window} {SLOWDOWN} {QUICK}")
        self.probe.ask("trace-start")
        self.show_now()
        last_move = float(self.probe.ask("trace-end-timed 20000 700").split()[-1].split(",")[2])
        started = []
        trace, plans = self.trace_run(lambda: (started.append(now_ms()), self.show_now()))
        self.assertTrue(500 < started[0] - last_move < 1500, "started during the first one's fade")
        self.assert_one_run_along_the_plan(trace, plans)

    def test_moving_the_mouse_stops_the_run_where_the_hand_put_the_cursor(self):
        self.show_now()
        self.probe.wait_window(OVERLAY, 10000)
        self.cursor_moves(2)
        # A hand moves the mouse over some milliseconds, not in one jump.
        xdotool("mousemove", "60", "60", "sleep", "0.03", "mousemove", "50", "50", "sleep", "0.03",
                "mousemove", "40", "40")
        # A run that went on would end seconds later, the cursor where it wrote last.
        self.assertTrue(poll(lambda: not self.overlays(), 30), "the run ended")
        self.assertEqual(self.probe.cursor(), (40, 40))

    def test_a_held_shortcut_key_starts_one_run_and_a_new_press_another(self):
        seen = set()

        def look():
            """The runs' overlays now; every one that showed is kept in seen."""
            overlays = self.overlays()
            seen.update(overlays)
            return overlays

        self.addCleanup(xdotool, "keyup", "ctrl+t")  # whatever fails, no key is left held
        xdotool("keydown", "ctrl+t")
        self.assertTrue(poll(look, 10), "the key started a run")
        # Held on: the keyboard repeats the key, as X does for a held key.
        xdotool(*["keydown", "t", "sleep", "0.04"] * 25)
        xdotool("keyup", "ctrl+t")
        # A run takes seconds, far longer than the key was held: a run a repeat
        # started shows its ink before the first one has ended.
        self.assertTrue(poll(lambda: not look(), 30), "the run ended")
        self.assertEqual(len(seen), 1, "one run for the held key")
        xdotool("key", "ctrl+t")
        self.assertTrue(poll(lambda: look() and len(seen) == 2, 10), "one more for a new press")
        xdotool("key", "Escape")
        self.assertTrue(poll(lambda: not look(), 10), "the run ended")
        self.assertEqual(len(seen), 2, "one run for the press")


if __name__ == "__main__":
    unittest.main()
