#pragma once
// The screen and the system cursor, as a clock run uses them.

struct WorkAreaSize {
    int width = 0;
    int height = 0;
};

// The size of the desktop's work area (the screen less the taskbar). The clock
// centres on (width / 2, height / 2) from the screen origin.
WorkAreaSize DesktopWorkArea();

// Moves the system cursor; the system holds it inside the screen.
void MoveCursorTo(int x, int y);

// Gives the cursor the system's arrow shape.
void ShowArrowCursor();
