"""The Character Creator through the real program: a character recorded from
the real mouse, saved as a set, made the program's set, and written by the
clock after the Creator is closed."""

import os
import time
import unittest

from harness import (BLACK, CREATOR, DEFAULT_SET, SHOW_NOW, ProgramTest, clock_text, poll,
                     settings_bytes, shows, start_recording, xdotool)
from run_tracing import ACCELERATION, SLOWDOWN, START, STYLE, RunTracing

EDIT, SET_BOX = 2013, 2010
DRAWING_AREA, SAVE_SET, QUIT_EDITOR = 1001, 1032, 1033
SAVE_DIALOG = "Please select a file to save to"


def stroke(width, height):
    """A seven-like path in the drawing area's pixels, one point per 4 pixels: along
    the top, then down and to the left."""
    corners = [(0.2, 0.15), (0.8, 0.15), (0.35, 0.85)]
    points = []
    for (x0, y0), (x1, y1) in zip(corners, corners[1:]):
        steps = int(max(abs(x1 - x0) * width, abs(y1 - y0) * height) / 4)
        for i in range(steps):
            t = i / steps
            points.append((round((x0 + (x1 - x0) * t) * width),
                           round((y0 + (y1 - y0) * t) * height)))
    return points


class RecordSaveAndWrite(RunTracing, ProgramTest):
    height = 207  # apart from the heights of the other run tests

    def test_a_recorded_character_is_saved_and_then_written_by_the_clock(self):
        self.write_settings(ClockStyle=STYLE, MaxPixelHeight=self.height,
                            SlowdownFactor=SLOWDOWN, AccelerationFactor=ACCELERATION)
        main = self.start_and_wait()
        self.probe.ask(f"post-click {main} {EDIT}")
        creator = self.probe.wait_window(CREATOR)

        # Record the hour's first digit, so that the run below writes it.
        slot = int(clock_text(STYLE, time.localtime())[0])
        area = [int(v) for v in self.probe.ask(f"item-rect {creator} {DRAWING_AREA}").split()]
        left, top, right, bottom = area
        path = stroke(right - left, bottom - top)
        xdotool("mousemove", "--sync", left + path[0][0], top + path[0][1])
        start_recording(self.probe, creator, area, slot)
        moves = []
        for x, y in path[1:]:
            moves += ["mousemove", left + x, top + y, "sleep", "0.01"]
        xdotool(*moves)
        xdotool("key", "--window", xdotool("search", "--name", "^" + CREATOR + "$")[0], "space")
        self.assertTrue(poll(lambda: shows(area, BLACK), 10), "the recording's summary shows")
        self.screenshot("creator.png", creator)

        self.probe.ask(f"post-click {creator} {SAVE_SET}")
        self.probe.wait_window(SAVE_DIALOG)
        dialog_x = xdotool("search", "--name", "^" + SAVE_DIALOG + "$")[0]
        xdotool("windowfocus", "--sync", dialog_x)
        xdotool("type", "--window", dialog_x, "mine.set")
        xdotool("key", "--window", dialog_x, "Return")
        saved = poll(lambda: self.probe.boxes("Saved Successfully"), 30)
        self.assertEqual(len(saved), 1)
        self.assertTrue(saved[0].startswith(
            "Your data set of mouse motion digits has been saved to "), saved[0])
        name = saved[0][len("Your data set of mouse motion digits has been saved to "):]
        self.assertTrue(name.lower().endswith("mine.set"), name)
        self.probe.ask("press Saved Successfully")

        # The file: the recorded slot holds the motion, every other slot the built-in set.
        with open(self.path("mine.set"), "rb") as f:
            lines = f.read().split(b"\r\n")
        with open(DEFAULT_SET, "rb") as f:
            built_in = f.read().split(b"\r\n")
        self.assertEqual(len(lines), 14)
        for other in range(13):
            if other != slot:
                self.assertEqual(lines[other], built_in[other])
        numbers = [int(v) for v in lines[slot].replace(b" ", b"").split(b",")]
        samples = list(zip(numbers[0::2], numbers[1::2]))
        self.assertEqual(samples[0], path[1], "the first sample is where the motion began")
        # Every sample a place the mouse went, in the order it went there (the Creator's
        # own tests hold the rate against the time).
        distinct, on_path = [s for s, t in zip(samples, samples[1:]) if s != t], iter(path)
        self.assertTrue(all(sample in on_path for sample in distinct), samples)
        self.assertEqual(samples[-1], path[-1], "the last sample is where the motion ended")

        # It is now the program's set: in the box and in the settings file.
        self.assertEqual(self.probe.text(main, SET_BOX), name)
        self.assertEqual(self.settings(), settings_bytes(
            ClockStyle=STYLE, MaxPixelHeight=self.height, SlowdownFactor=SLOWDOWN,
            AccelerationFactor=ACCELERATION, CharacterSet=name))

        self.probe.ask(f"post-click {creator} {QUIT_EDITOR}")
        self.assertTrue(poll(lambda: not self.probe.windows(CREATOR), 30))

        # The clock writes with the new recording.
        self.set_file = self.path("mine.set")
        xdotool("mousemove", "--sync", *START)
        self.probe.ask("set-cursor %d %d" % START)
        trace, plans = self.trace_run(lambda: self.probe.ask(f"post-click {main} {SHOW_NOW}"))
        self.assert_one_run_along_the_plan(trace, plans)
        self.assertTrue(os.path.exists(self.path("default.set")))


if __name__ == "__main__":
    unittest.main()
