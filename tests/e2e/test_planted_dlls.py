"""DLLs dropped beside the program or in its current folder are never loaded.

A download can leave a DLL named like a system one next to the program; a
program that lets the system search its own folder for DLLs runs that file's
code. Here a marker DLL, which leaves NAME.loaded beside itself when any
process loads it, is planted under the names of the DLLs the program, its
dialogs and a clock run load, both in the program's folder and in the
current folder. Then every path that loads DLLs is taken: start-up, both
file dialogs, the colour dialog, the Character Creator and a run with trails.
"""

import glob
import os
import shutil
import subprocess
import unittest

from harness import (BROWSE, BUILD, KILL, PROBE, SHOW_NOW, Probe, ProgramTest, poll,
                     settings_bytes, xdotool)

PLANTED_DLL = os.path.join(BUILD, "planted-dll.dll")
CREATOR = "Mouse Motion Capture Character Creator"
EDIT, COLOUR_FIELD = 2013, 2031
SAVE_SET, QUIT_EDITOR = 1032, 1033

# What the program, its dialogs and its runs load under Wine (WINEDEBUG=+loaddll),
# and what the file and colour dialogs load by name on Windows.
PLANTED = [
    "actxprxy", "advapi32", "apphelp", "bcrypt", "cfgmgr32", "clbcatq", "combase", "comctl32",
    "comdlg32", "compstui", "coremessaging", "cryptbase", "dwmapi", "explorerframe", "gdiplus",
    "imm32", "iphlpapi", "kernel.appcore", "linkinfo", "msctf", "msimg32", "msvcrt", "netapi32",
    "ntmarta", "ole32", "oleacc", "oleaut32", "powrprof", "profapi", "propsys", "rpcrt4",
    "sechost", "setupapi", "shcore", "shell32", "shlwapi", "sspicli", "textinputframework",
    "textshaping", "ucrtbase", "urlmon", "userenv", "uxtheme", "version", "win32u",
    "windows.storage", "windowscodecs", "winmm", "winspool.drv", "wintypes", "wldp", "zlib1",
]
# Windows takes its known DLLs, and what they import, from the system folder whatever the
# search order; so does Wine with these, and with what its own DLLs import (msimg32 late).
# Wine prefers its builtin copy of any DLL it has: for the rest it is told to prefer the
# planted file, as Windows would, so that a search that reaches it loads it.
SYSTEM_ONLY = {"advapi32", "clbcatq", "combase", "comdlg32", "gdiplus", "imm32", "msctf",
               "msimg32", "msvcrt", "ole32", "oleaut32", "rpcrt4", "sechost", "setupapi",
               "shcore", "shell32", "shlwapi", "ucrtbase", "version", "win32u", "zlib1"}
PLANTED_FIRST = ";" + ",".join(name for name in PLANTED if name not in SYSTEM_ONLY) + "=n,b"


class PlantedDlls(ProgramTest):
    def plant(self, folder):
        for name in PLANTED:
            file_name = name if name.endswith(".drv") else name + ".dll"
            shutil.copy(PLANTED_DLL, os.path.join(folder, file_name))

    def traces(self):
        return sorted(os.path.relpath(path, self.folder) for path in
                      glob.glob(os.path.join(self.folder, "**", "*.loaded"), recursive=True))

    def dismiss(self, caption):
        """Waits for a dialog and closes it with Escape, as a user cancels it."""
        self.probe.wait_window(caption, 60000)
        window = poll(lambda: xdotool("search", "--onlyvisible", "--name", f"^{caption}$"), 30)
        self.assertTrue(window, caption)
        xdotool("windowfocus", "--sync", window[0])
        xdotool("key", "--window", window[0], "Escape")
        self.assertTrue(poll(lambda: not self.probe.windows(caption), 30), caption)

    def take_every_path(self, program):
        main = self.probe.wait_window()
        self.probe.ask(f"post-click {main} {BROWSE}")
        self.dismiss("Please select a file to load from")

        left, top, right, bottom = (int(v) for v in
                                    self.probe.ask(f"item-rect {main} {COLOUR_FIELD}").split())
        # A click is lost while the window is still disabled by the dialog just closed.
        for _ in range(5):
            xdotool("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2, "click", 1)
            if poll(lambda: self.probe.windows("Color"), 3):
                break
        self.dismiss("Color")

        # The Creator, and the other file dialog from it ("Load Set" is Browse's).
        self.probe.ask(f"post-click {main} {EDIT}")
        creator = self.probe.wait_window(CREATOR)
        self.probe.ask(f"post-click {creator} {SAVE_SET}")
        self.dismiss("Please select a file to save to")
        self.probe.ask(f"post-click {creator} {QUIT_EDITOR}")
        self.assertTrue(poll(lambda: not self.probe.windows(CREATOR), 30))

        self.probe.ask(f"post-click {main} {SHOW_NOW}")
        self.probe.wait_window("1", 10000)  # the run's ink overlay
        self.assertTrue(poll(lambda: not self.probe.windows("1"), 60), "the run ends")

        self.probe.ask(f"post-click {main} {KILL}")
        self.assertEqual(program.wait(timeout=30), 0)
        # The cancelled colour dialog took its path to the end: "no colour" saved.
        self.assertEqual(self.settings(), settings_bytes(
            TrailsColor=-1, LeaveMouseTrails=1, SlowdownFactor=1, ClockStyle="HHMM (24hr)"))

    def test_no_planted_dll_is_loaded_whatever_the_user_opens(self):
        current = os.path.join(self.folder, "current")
        os.mkdir(current)
        self.plant(self.folder)
        self.plant(current)
        # Trails on, so that a run also photographs the screen and fades an overlay.
        self.write_settings(LeaveMouseTrails=1, SlowdownFactor=1, ClockStyle="HHMM (24hr)")
        env = dict(os.environ, WINEDLLOVERRIDES=os.environ["WINEDLLOVERRIDES"] + PLANTED_FIRST)
        program = subprocess.Popen(["wine", os.path.join(self.folder, "spindrift-clock.exe")],
                                   cwd=current, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.programs.append(program)
        # A planted DLL can keep the program from working at all: what was
        # loaded is the first thing to report.
        failure = None
        try:
            self.take_every_path(program)
        except AssertionError as error:
            failure = error
        self.assertEqual(self.traces(), [], "planted DLLs were loaded")
        if failure:
            raise failure

        # The control: a program beside them that searches its own folder first does load
        # one, and its trace is seen (the probe itself imports winmm).
        shutil.copy(PROBE, os.path.join(self.folder, "control.exe"))
        env["WINEDLLOVERRIDES"] = os.environ["WINEDLLOVERRIDES"] + ";dwmapi=n,b"
        control = Probe(os.path.join(self.folder, "control.exe"), cwd=current, env=env)
        try:
            self.assertEqual(control.ask("load dwmapi.dll"), "1")
        finally:
            control.close()
        self.assertEqual(self.traces(), ["dwmapi.dll.loaded"])


if __name__ == "__main__":
    unittest.main()
