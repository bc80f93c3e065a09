"""The user in control of a run: Esc pressed in another program stops every
run at once, taking hold of the mouse stops the run where the hand put the
cursor, and a held shortcut key starts one run only."""

import subprocess
import time
import unittest

from harness import SHOW_NOW, SLOWDOWN, ProgramTest, poll
from run_tracing import ACCELERATION, SLOWDOWN as QUICK, STYLE, RunTracing

OVERLAY = "1"  # the ink overlay's caption: one per run with trails


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30)


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

    def test_escape_stops_every_run_at_once_and_the_next_run_is_whole(self):
        self.show_now()
        time.sleep(0.3)
        self.show_now()
        self.assertTrue(poll(lambda: len(self.overlays()) == 2, 10), "two runs with ink")
        self.probe.ask("trace-start")
        time.sleep(1)
        pressed = now_ms()
        xdotool("key", "Escape")
        moves = [float(p.split(",")[2]) for p in self.probe.ask("trace-end-timed 1500").split()]
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
        time.sleep(1)
        # A hand moves the mouse over some milliseconds, not in one jump.
        xdotool("mousemove", "60", "60", "sleep", "0.03", "mousemove", "50", "50", "sleep", "0.03",
                "mousemove", "40", "40")
        time.sleep(1.5)  # a run going on would have pulled the cursor back by now
        self.assertEqual(self.probe.cursor(), (40, 40))
        self.assertFalse(self.overlays(), "the run ended")

    def test_a_held_shortcut_key_starts_one_run_and_a_new_press_another(self):
        seen = set()

        def look(seconds):
            end = time.monotonic() + seconds
            while time.monotonic() < end:
                seen.update(self.overlays())
                time.sleep(0.05)

        xdotool("keydown", "ctrl+t")
        look(2)
        xdotool("keyup", "ctrl+t")
        look(1)  # a run's ink shows half a second after it starts
        self.assertEqual(len(seen), 1, "one run for the held key")
        xdotool("key", "ctrl+t")
        look(1.5)
        self.assertEqual(len(seen), 2, "one more for a new press")
        xdotool("key", "Escape")


if __name__ == "__main__":
    unittest.main()
