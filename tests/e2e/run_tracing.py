"""Tracing a clock run of the real program and holding it against the plan
the clock's core computes for the same time, settings and character set."""

import time

from harness import DEFAULT_SET, clock_text, planned_points

STYLE = "HH:MM (24hr)"
ACCELERATION = 10
SLOWDOWN = 5  # ms a point is held: a trace polled every 1 ms under load misses shorter holds
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


class RunTracing:
    """For a ProgramTest whose program runs with STYLE, ACCELERATION and self.height."""

    set_file = DEFAULT_SET  # the set the program writes with

    def plans(self, moments):
        """The plans of runs started at these moments."""
        area = self.probe.work_area()
        dpi = self.probe.dpi()
        return [planned_points(clock_text(STYLE, moment), self.height, ACCELERATION, area,
                               self.set_file, dpi)
                for moment in moments]

    def trace_run(self, start_run):
        """Traces the cursor while start_run starts runs, until it rests; gives the trace
        and the plans for the minutes around it."""
        before = time.localtime()
        trace = self.probe.trace_while(20000, 700, start_run)
        return trace, self.plans((before, time.localtime()))

    def run_part(self, trace, plans):
        """The plan the trace follows, and the traced points from the plan's first point on.

        Around a run Wine may report the cursor for a sample or two where it was before (the
        X server reports old pointer positions late); one or two such points are let
        through, more are a fault. A point of the other minute's plan is no stray: when the
        minute turns between two overlapping runs, the second writes the new time."""
        self.assertTrue(trace, "the cursor never moved")
        plan = next((p for p in plans if (p[0][1], p[0][2]) in trace), None)
        self.assertIsNotNone(plan, f"the plan's first point was never visited: {trace[:20]}")
        points = set((x, y) for _, x, y in plan)
        start = trace.index((plan[0][1], plan[0][2]))
        self.assertLessEqual(start, 4, f"the run began elsewhere: {trace[:start]}")
        planned = set((x, y) for plan_of_a_minute in plans for _, x, y in plan_of_a_minute)
        stray = [p for p in trace[start:] if p not in planned]
        self.assertLessEqual(len(stray), 2, f"the cursor strayed from the plan: {stray[:10]}")
        return plan, [p for p in trace[start:] if p in points]

    def assert_one_run_along_the_plan(self, trace, plans):
        plan, run = self.run_part(trace, plans)
        points = [(x, y) for _, x, y in plan]
        self.assertTrue(follows(run, points), f"the run left the plan's order: {run[:40]}")
        self.assertEqual(run[-1], points[-1], "the run ends on the plan's last point")
        self.assertGreater(len(set(run)), 0.6 * len(set(points)), "most planned points were seen")

