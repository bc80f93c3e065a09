#pragma once
// The Character Creator window.

#include <windows.h>

// Builds the Creator, runs it modally over `owner` and returns when it closes.
void RunCreatorDialog(HWND owner);
