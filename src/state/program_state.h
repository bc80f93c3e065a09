#pragma once
// Window handles the whole program refers to.

#include <windows.h>

// The main window: owner of the shortcut key registration, and the window
// whose character set box the Character Creator fills. Null until it is built.
HWND MainWindowHandle();
void SetMainWindowHandle(HWND window);

// The main window's character set box, which the Character Creator fills after
// loading or saving a set. The number is fixed: it is the box's control id.
inline constexpr int kMainCharacterSetBox = 2010;
