#pragma once
// The Character Creator window: recording, showing, saving and loading the
// program's character set. Its set commands are in creator_commands_win32.h,
// its button fonts in creator_fonts_win32.h.

#include <windows.h>

// Builds the Creator, runs it modally over `owner` (disabled meanwhile; its
// timers and hot key go on, since their messages are dispatched here too) and
// returns when it closes. A second call while one is open does nothing.
void RunCreatorDialog(HWND owner);

// The open Creator's window, or null.
HWND CreatorWindowHandle();

// The keyboard table of the Creator, built from kCreatorKeys.
HACCEL CreatorAccelerators();
