"""Both windows on a scaled display: a stroke recorded across the Character
Creator's drawing area is drawn under the path the cursor took. scripts/test runs
this in a Wine prefix at 144 DPI (150 %), naming the DPI in SPINDRIFT_DISPLAY_DPI,
and leaves a picture of both windows in artifacts/scaled-windows.png; at 96 DPI
the Creator's own test covers it."""

import os
import subprocess
import time
import unittest

from harness import (ARTIFACTS, BLACK, BLUE, CREATOR, ProgramTest, poll, screen_pixels, shows,
                     start_recording, xdotool)

EDIT, DRAWING_AREA, VIEW_TWO = 2013, 1001, 1602
RED = (255, 0, 0)


class ScaledWindows(ProgramTest):
    def test_a_stroke_across_the_area_is_drawn_under_the_cursor(self):
        # The pass at 150 % names the DPI it set: there any other fails, never skips.
        if "SPINDRIFT_DISPLAY_DPI" in os.environ:
            self.assertEqual(self.probe.dpi(), int(os.environ["SPINDRIFT_DISPLAY_DPI"]))
        elif self.probe.dpi() == 96:
            self.skipTest("the display is not scaled")
        main = self.start_and_wait()
        time.sleep(1.2)  # the preview shows the time
        main_shot = self.screenshot("scaled-main.png", main)
        self.probe.ask(f"post-click {main} {EDIT}")
        creator = self.probe.wait_window(CREATOR)

        # Corner to corner of the area, inside its border.
        area = [int(v) for v in self.probe.ask(f"item-rect {creator} {DRAWING_AREA}").split()]
        left, top, right, bottom = area
        path = [(left + 3 + (right - left - 6) * i // 60, top + 3 + (bottom - top - 6) * i // 60)
                for i in range(61)]
        xdotool("mousemove", "--sync", *path[0])
        start_recording(self.probe, creator, area, 5)
        moves = []
        for x, y in path[1:]:
            moves += ["mousemove", x, y, "sleep", "0.015"]
        xdotool(*moves)

        # The live stroke lies under the cursor's path, within a dialog unit (the
        # drawing snaps to them) and the area's border.
        def missed():
            pixels = screen_pixels(left, top, right, bottom)
            near = range(-4, 5)
            return [(x, y) for x, y in path[2:-2]
                    if not any(pixels.get((x + dx, y + dy)) == RED for dx in near for dy in near)]
        poll(lambda: not missed(), 10)  # the last samples are drawn a moment later
        self.assertEqual(missed(), [], "points of the path with no stroke under them")
        xdotool("key", "--window", xdotool("search", "--name", "^" + CREATOR + "$")[0], "space")
        self.assertTrue(poll(lambda: shows(area, BLACK), 10), "the recording's summary shows")

        self.probe.ask(f"post-click {creator} {VIEW_TWO}")  # the built-in "2", in blue
        self.assertTrue(poll(lambda: shows(area, BLUE), 10), "the view shows")
        creator_shot = self.screenshot("scaled-creator.png", creator)
        subprocess.run(["convert", main_shot, "-size", "16x1", "xc:white", creator_shot,
                        "-background", "white", "-gravity", "north", "+append", "+repage",
                        os.path.join(ARTIFACTS, "scaled-windows.png")], check=True, timeout=60)


if __name__ == "__main__":
    unittest.main()
