"""Names outside the old ANSI code pages: the program in a folder named in four
scripts, set files chosen and saved under such names, and a settings file from
an earlier version that holds a set path in code page 1252."""

import os
import subprocess
import time
import unittest

from harness import (BROWSE, BUILD, CLOCK_STYLE, DEFAULT_SET, KILL, PREVIEW, SET_BOX,
                     ProgramTest, poll, settings_bytes)

HOLD_FILE = os.path.join(BUILD, "hold-file.exe")
CREATOR = "Mouse Motion Capture Character Creator"
EDIT, SAVE_SET, QUIT_EDITOR = 2013, 1032, 1033
LOAD_TITLE = "Please select a file to load from"
SAVE_TITLE = "Please select a file to save to"
NAME_FIELDS = (1148, 1152)  # the file dialogs' name box: cmb13, or edt1 in older dialogs
SAVED = "Your data set of mouse motion digits has been saved to "

# Greek, Cyrillic, CJK and accented Latin letters, and enough of them that the
# program's paths pass MAX_PATH in UTF-8 bytes, though not in characters.
MANY_SCRIPTS = "-Müller-Ωмега-日本-" + "時計" * 33

with open(DEFAULT_SET, "rb") as built_in:
    # A set of its own: the built-in set's first seven characters, six empty slots.
    SEVEN = b"".join(line + b"\r\n" for line in built_in.read().split(b"\r\n")[:7]) + b"\r\n" * 6
SEVEN_POINTS = sum((line.count(b",") + 1) // 2 for line in SEVEN.split(b"\r\n")[:7])
SEVEN_LOADED = ("Number of data sets of mouse motion digits loaded is 7 with "
                f"{SEVEN_POINTS} individual coordinates")


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class NamesTest(ProgramTest):
    def answer_file_dialog(self, title, name, screenshot=None):
        dialog = self.probe.wait_window(title)
        for field in NAME_FIELDS:
            try:
                self.probe.ask(f"edit {dialog} {field} {name}")
                break
            except AssertionError:
                continue
        if screenshot:
            time.sleep(0.5)  # painted
            self.screenshot(screenshot)
        self.probe.ask(f"post-click {dialog} 1")

    def answer_box(self, caption):
        """The text of the one box with that caption, which is then closed with OK."""
        boxes = poll(lambda: self.probe.boxes(caption), 30)
        self.assertEqual(len(boxes), 1, caption)
        self.probe.ask(f"press {caption}")
        return boxes[0]

    def save_in_creator(self, main, name, screenshot=None):
        """Saves the set in use with the Creator's "Save Set"; gives the saved path."""
        self.probe.ask(f"post-click {main} {EDIT}")
        creator = self.probe.wait_window(CREATOR)
        self.probe.ask(f"post-click {creator} {SAVE_SET}")
        self.answer_file_dialog(SAVE_TITLE, name, screenshot)
        text = self.answer_box("Saved Successfully")
        self.assertTrue(text.startswith(SAVED), text)
        self.probe.ask(f"post-click {creator} {QUIT_EDITOR}")
        self.assertTrue(poll(lambda: not self.probe.windows(CREATOR), 30))
        return text[len(SAVED):]

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()


class ProgramInAFolderOfManyScripts(NamesTest):
    folder_suffix = MANY_SCRIPTS

    def test_every_file_of_the_program_works_there(self):
        with open(DEFAULT_SET, "rb") as f:
            built_in = f.read()
        chosen = windows_path(self.path("Ωмега-日本.set"))
        with open(self.path("Ωмега-日本.set"), "wb") as f:
            f.write(SEVEN)
        program = self.start()
        main = self.probe.wait_window()

        # First start: the built-in set written beside the program and loaded.
        self.assertTrue(poll(lambda: os.path.exists(self.path("default.set")), 10))
        self.assertEqual(self.read("default.set"), built_in)
        self.assertEqual(self.probe.text(main, SET_BOX), "Default.set")
        self.probe.ask(f"choose {main} {CLOCK_STYLE} 5")
        self.assertEqual(self.read("spindrift-clock.ini"), settings_bytes(ClockStyle="HHMM (24hr)"))

        # "Save Set": the set in use, under a name of the same kind, is the new setting.
        saved = self.save_in_creator(main, "Набор-日本.set", "names-save-dialog.png")
        self.assertEqual(saved, windows_path(self.path("Набор-日本.set")))
        self.assertEqual(self.read("Набор-日本.set"), built_in)
        self.assertEqual(self.probe.text(main, SET_BOX), saved)
        self.assertEqual(self.read("spindrift-clock.ini"),
                         settings_bytes(ClockStyle="HHMM (24hr)", CharacterSet=saved))

        # "Browse": a file another program holds is named in the error, then read.
        holder = subprocess.Popen(["wine", HOLD_FILE, chosen], stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        try:
            self.assertEqual(holder.stdout.readline().strip(), b"held")
            holder.stdout.close()
            self.probe.ask(f"post-click {main} {BROWSE}")
            self.answer_file_dialog(LOAD_TITLE, chosen)
            poll(lambda: self.probe.boxes("Error"), 30)
            self.screenshot("names-error.png")
            self.assertEqual(self.answer_box("Error"), f"Error: I could not read the file "
                             f"{chosen} -- it may be in use by another program.")
        finally:
            holder.stdin.close()
            holder.wait(timeout=30)
        self.probe.ask(f"post-click {main} {BROWSE}")
        self.answer_file_dialog(LOAD_TITLE, chosen)
        self.assertEqual(self.answer_box("Loaded Successfully"), SEVEN_LOADED)
        self.assertEqual(self.probe.text(main, SET_BOX), chosen)

        # The next start loads the saved set, not the one last loaded.
        self.probe.ask(f"post-click {main} {KILL}")
        self.assertEqual(program.wait(timeout=30), 0)
        main = self.start_and_wait()
        self.assertEqual(self.probe.text(main, SET_BOX), saved)
        poll(lambda: self.probe.text(main, PREVIEW) != "HH:MM AM", 5)
        time.sleep(0.3)  # painted
        self.screenshot("names-main-window.png", main)
        self.save_in_creator(main, "again.set")
        self.assertEqual(self.read("again.set"), built_in)


class AnOlderSettingsFile(NamesTest):
    def test_a_set_path_in_code_page_1252_is_read_and_kept_in_utf8(self):
        path = windows_path(self.path("Café.set"))
        with open(self.path("Café.set"), "wb") as f:
            f.write(SEVEN)
        with open(self.path("spindrift-clock.ini"), "wb") as f:
            f.write(settings_bytes().replace(b"Default.set", path.encode("cp1252")))
        main = self.start_and_wait()
        self.assertEqual(self.probe.text(main, SET_BOX), path)
        self.probe.ask(f"choose {main} {CLOCK_STYLE} 5")
        self.assertEqual(self.read("spindrift-clock.ini"),
                         settings_bytes(ClockStyle="HHMM (24hr)", CharacterSet=path))
        self.save_in_creator(main, "check.set")
        self.assertEqual(self.read("check.set"), SEVEN)


if __name__ == "__main__":
    unittest.main()
