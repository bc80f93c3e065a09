#pragma once
// Window handles the whole program refers to.

#include <windows.h>

// The main window: owner of the shortcut key registration, and the window
// whose character set box the Character Creator fills. Null until it is built.
HWND MainWindowHandle();
void SetMainWindowHandle(HWND window);
