"""Both windows on a scaled display: a stroke recorded across the Character
Creator's drawing area is drawn under the path the cursor took. scripts/test runs
this in a Wine prefix at 144 DPI (150 %) and leaves a picture of both windows in
artifacts/scaled-windows.png; at 96 DPI the Creator's own test covers it."""

import os
import subprocess
import time
import unittest

from harness import ARTIFACTS, ProgramTest

CREATOR = "Mouse Motion Capture Character Creator"
EDIT, DRAWING_AREA, VIEW_TWO = 2013, 1001, 1602
RED = (255, 0, 0)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True, timeout=60).stdout.split()


def screen_pixels(left, top, right, bottom):
    """The screen's colours in a rectangle: {(x, y): (r, g, b)} in screen coordinates."""
    text = subprocess.run(["import", "-window", "root", "-crop",
                           f"{right - left}x{bottom - top}+{left}+{top}", "-depth", "8", "txt:-"],
                          check=True, capture_output=True, text=True, timeout=60).stdout
    pixels = {}
    for line in text.splitlines()[1:]:
        where, colour = line.split(":", 1)
        x, y = (int(v) for v in where.split(","))
        r, g, b = (int(v) for v in colour.split("(")[1].split(")")[0].split(",")[:3])
        pixels[(left + x, top + y)] = (r, g, b)
    return pixels


class ScaledWindows(ProgramTest):
    def test_a_stroke_across_the_area_is_drawn_under_the_cursor(self):
        if self.probe.dpi() == 96:
            self.skipTest("the display is not scaled")
        main = self.start_and_wait()
        time.sleep(1.2)  # the preview shows the time
        main_shot = self.screenshot("scaled-main.png", main)
        self.probe.ask(f"post-click {main} {EDIT}")
        creator = self.probe.wait_window(CREATOR)

        # Corner to corner of the area, inside its border.
        left, top, right, bottom = (int(v) for v in
                                    self.probe.ask(f"item-rect {creator} {DRAWING_AREA}").split())
        path = [(left + 3 + (right - left - 6) * i // 60, top + 3 + (bottom - top - 6) * i // 60)
                for i in range(61)]
        xdotool("mousemove", "--sync", *path[0])
        creator_x = xdotool("search", "--name", "^" + CREATOR + "$")[0]
        xdotool("windowfocus", "--sync", creator_x)
        xdotool("key", "--window", creator_x, "5")
        time.sleep(0.3)  # the recording waits for the first movement
        moves = []
        for x, y in path[1:]:
            moves += ["mousemove", x, y, "sleep", "0.015"]
        xdotool(*moves)
        xdotool("key", "--window", creator_x, "space")
        time.sleep(0.3)

        # The live stroke lies under the cursor's path, within a dialog unit (the
        # drawing snaps to them) and the area's border.
        pixels = screen_pixels(left, top, right, bottom)
        reach = 4
        missed = [(x, y) for x, y in path[2:-2]
                  if not any(pixels.get((x + dx, y + dy)) == RED
                             for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1))]
        self.assertEqual(missed, [], "points of the path with no stroke under them")

        self.probe.ask(f"post-click {creator} {VIEW_TWO}")  # the built-in "2", in blue
        time.sleep(0.5)
        creator_shot = self.screenshot("scaled-creator.png", creator)
        subprocess.run(["convert", main_shot, "-size", "16x1", "xc:white", creator_shot,
                        "-background", "white", "-gravity", "north", "+append", "+repage",
                        os.path.join(ARTIFACTS, "scaled-windows.png")], check=True, timeout=60)


if __name__ == "__main__":
    unittest.main()
