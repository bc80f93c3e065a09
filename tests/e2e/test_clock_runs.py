"""Clock runs started from the main window and from the shortcut key, checked
against the plan the clock's core computes for the same time and settings."""

import subprocess
import time
import unittest

from harness import SHOW_NOW, ProgramTest, poll
from run_tracing import ACCELERATION, SLOWDOWN, START, STYLE, RunTracing


def began_again(trace, plan):
    """Whether the cursor came back to the first character after it had reached a later
    one, before it first reached the plan's last point: a second run began while the
    first was drawing. Coming back means two different points of the first character:
    a late report shows one old position, not a stroke."""
    first_character = {(x, y) for index, x, y in plan if index == 0}
    last = (plan[-1][1], plan[-1][2])
    end = trace.index(last) if last in trace else len(trace)
    moved_on = False
    back = set()
    for point in trace[:end]:
        if point not in first_character:
            moved_on = True
        elif moved_on:
            back.add(point)
    return len(back) >= 2


class ClockRuns(RunTracing, ProgramTest):
    # Each test writes at its own height, so that no point of one test's path
    # lies on the next one's (Wine may still report where the last run ended).
    heights = iter(range(100, 200, 7))

    def setUp(self):
        super().setUp()
        self.height = next(self.heights)
        self.write_settings(ClockStyle=STYLE, MaxPixelHeight=self.height, SlowdownFactor=SLOWDOWN,
                            AccelerationFactor=ACCELERATION)
        self.window = self.start_and_wait()
        # The X pointer and Wine's cursor both: Wine also learns the cursor's
        # place from X events.
        subprocess.run(["xdotool", "mousemove", "--sync", str(START[0]), str(START[1])],
                       check=True, timeout=30)
        self.probe.ask("set-cursor %d %d" % START)

    def test_show_now_moves_the_cursor_along_the_planned_path(self):
        trace, plans = self.trace_run(
            lambda: self.probe.ask(f"post-click {self.window} {SHOW_NOW}"))
        self.assert_one_run_along_the_plan(trace, plans)

    def test_the_shortcut_key_moves_the_cursor_along_the_planned_path(self):
        xid = subprocess.run(["xdotool", "search", "--name", "^The Spindrift Clock$"],
                             capture_output=True, text=True, check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", xid], check=True, timeout=30)
        trace, plans = self.trace_run(
            lambda: subprocess.run(["xdotool", "key", "ctrl+t"], check=True, timeout=30))
        self.assert_one_run_along_the_plan(trace, plans)

    def test_two_quick_clicks_give_two_runs_at_once(self):
        now = time.time()
        plans = self.plans((time.localtime(now), time.localtime(now + 60)))
        # Where a run rests after a character: its strokes take tens of ms here, the pause
        # 200 ms, in which the second run's first strokes are not crossed by the first's.
        rests = {(x, y) for plan in plans for (index, x, y), (after, _, _) in zip(plan, plan[1:])
                 if 0 < index < after}

        def click_twice():
            self.probe.ask(f"post-click {self.window} {SHOW_NOW}")
            # Once the first run has left its first character, far from done.
            self.assertTrue(poll(lambda: self.probe.cursor() in rests, 10, 0.01),
                            "the first run never rested after its second character")
            self.probe.ask(f"post-click {self.window} {SHOW_NOW}")

        trace, plans = self.trace_run(click_twice)
        plan, run = self.run_part(trace, plans)
        where = {(x, y): i for i, x, y in reversed(plan)}
        self.assertTrue(began_again(run, plan),
                        f"the second run began mid-way: {[where[p] for p in run]}")
        self.assertEqual(run[-1], (plan[-1][1], plan[-1][2]))


if __name__ == "__main__":
    unittest.main()
