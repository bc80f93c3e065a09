#pragma once
// The main window: every setting in its own control, a preview of the time,
// and the buttons that start a run, load or edit the character set, reset the
// settings and end the program. A dialog built in memory, run modally on the
// main thread.

#include <windows.h>

#include "platform/handles.h"

// Creates the window hidden and without owner, with all its controls and
// their lists, and makes it the program's main window (MainWindowHandle).
// Null if the window could not be made.
HWND BuildMainWindow();

// Gives the preview control its font, "MS Sans Serif" 10 pt bold for the
// window's DPI. The window keeps the font, releases the one it replaces, and
// releases the last one when it is destroyed.
void GivePreviewFont(HWND window);

// Makes every control show the current settings and loads the character set
// (whose error boxes may appear).
void RefreshMainWindow();

// Initialises the window (its preview timer starts), shows it and runs the
// main thread's messages until the window has been destroyed.
void RunMainWindow();

// Fills the colour field with TrailsColor, or with the button-face colour
// when no colour was chosen (-1).
void PaintTrailsColorSwatch();
