#pragma once
// The display's scale as the system reports it. The program is per-monitor
// DPI aware: its windows and the screen are measured in physical pixels, and
// it scales what it draws itself.

#include <windows.h>

#include "base/screen_rect.h"

// The DPI a window is laid out for: its monitor's, for a window that the
// system scales per monitor (Windows 10 1703 and later), else the screen's,
// which is then the system DPI. Never less than 1.
int WindowDpi(HWND window);

// The system DPI: the scale Windows fixed at sign-in, the primary monitor's
// then. What a monitor's own scale falls back to.
int SystemDpi();

// The monitor that holds the cursor (the nearest one when none does), as the
// system picks it: its work area, the monitor less the taskbar and docked
// bars, in virtual-screen coordinates, and its DPI at this moment, so that a
// scale the user has just changed counts. That is the monitor's own DPI only
// where the process is aware of each monitor's scale (Windows 10 version 1703
// and later). Elsewhere it is the system DPI for every monitor: before
// Windows 8.1 nothing tells a monitor's own, and from Windows 8.1 to 10
// version 1607 the process is system aware, so the system answers it the
// system DPI and stretches the program's windows on the other monitors.
struct MonitorInUse {
    ScreenRect workArea;
    int dpi = 96;
};
MonitorInUse MonitorAtCursor();

// The pixels that the dialog manager gives a width and height in dialog units
// in a dialog whose font is `face` at `points`, on a display of `dpi`: the
// font made as the dialog manager makes it, its base units measured, the
// units converted as MapDialogRect converts them. (0, 0) when the font
// cannot be measured.
SIZE DialogSizeAt(int widthUnits, int heightUnits, const char* face, int points, int dpi);
