#pragma once
// The screen and the system cursor, as the program moves it.

#include "base/screen_rect.h"

// The bounding rectangle of every monitor, in virtual-screen coordinates.
ScreenRect VirtualScreen();

// Moves the system cursor; the system holds it inside the screen.
void MoveCursorTo(int x, int y);

// Gives the cursor the system's arrow shape.
void ShowArrowCursor();
