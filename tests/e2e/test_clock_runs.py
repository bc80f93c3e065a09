"""Clock runs started from the main window and from the shortcut key, checked
against the plan the clock's core computes for the same time and settings."""

import subprocess
import time
import unittest

from harness import SHOW_NOW, ProgramTest, clock_text, planned_points

STYLE = "HH:MM (24hr)"
ACCELERATION = 10
SLOWDOWN = 3
START = (3, 3)  # where the cursor waits, away from the text


def first_visits(points):
    """The points in the order they are first visited."""
    seen = set()
    firsts = []
    for point in points:
        if point not in seen:
            seen.add(point)
            firsts.append(point)
    return firsts


def follows(trace, plan):
    """Whether the traced points are first visited in the plan's order (some may be
    missed). Under Wine a cursor traced from another process can show a position
    again a moment after it has moved on, so first visits are compared."""
    plan = first_visits(plan)
    i = 0
    for point in first_visits(trace):
        while i < len(plan) and plan[i] != point:
            i += 1
        if i == len(plan):
            return False
    return True


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


class ClockRuns(ProgramTest):
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

    def trace_run(self, start_run):
        """Traces the cursor while start_run starts runs, until it rests; gives the trace
        and the plans for the minutes around it."""
        before = time.localtime()
        trace = self.probe.trace_while(20000, 700, start_run)
        after = time.localtime()
        area = self.probe.work_area()
        plans = [planned_points(clock_text(STYLE, moment), self.height, ACCELERATION, area)
                 for moment in (before, after)]
        return trace, plans

    def run_part(self, trace, plans):
        """The plan the trace follows, and the traced points from the plan's first point on.

        Around a run Wine may report the cursor for a sample or two where it was before (the
        X server reports old pointer positions late); one or two such points are let
        through, more are a fault."""
        self.assertTrue(trace, "the cursor never moved")
        plan = next((p for p in plans if (p[0][1], p[0][2]) in trace), None)
        self.assertIsNotNone(plan, f"the plan's first point was never visited: {trace[:20]}")
        points = set((x, y) for _, x, y in plan)
        start = trace.index((plan[0][1], plan[0][2]))
        self.assertLessEqual(start, 4, f"the run began elsewhere: {trace[:start]}")
        stray = [p for p in trace[start:] if p not in points]
        self.assertLessEqual(len(stray), 2, f"the cursor strayed from the plan: {stray[:10]}")
        return plan, [p for p in trace[start:] if p in points]

    def assert_one_run_along_the_plan(self, trace, plans):
        plan, run = self.run_part(trace, plans)
        points = [(x, y) for _, x, y in plan]
        self.assertTrue(follows(run, points), f"the run left the plan's order: {run[:40]}")
        self.assertEqual(run[-1], points[-1], "the run ends on the plan's last point")
        self.assertGreater(len(set(run)), 0.6 * len(set(points)), "most planned points were seen")

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
        def click_twice():
            self.probe.ask(f"post-click {self.window} {SHOW_NOW}")
            # Late enough that the first run has left its first character (a
            # character's strokes take tens of ms here, then a 200 ms pause),
            # early enough that it is far from done.
            time.sleep(0.35)
            self.probe.ask(f"post-click {self.window} {SHOW_NOW}")

        trace, plans = self.trace_run(click_twice)
        plan, run = self.run_part(trace, plans)
        where = {(x, y): i for i, x, y in reversed(plan)}
        self.assertTrue(began_again(run, plan),
                        f"the second run began mid-way: {[where[p] for p in run]}")
        self.assertEqual(run[-1], (plan[-1][1], plan[-1][2]))


if __name__ == "__main__":
    unittest.main()
