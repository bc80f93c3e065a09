#pragma once
// What the main window does when its controls are worked. Internal to the
// main window.

#include <windows.h>

#include <optional>
#include <string>

// A WM_COMMAND from control `id` with notification `code`.
void OnMainWindowCommand(HWND window, int id, int code);

// A click on the colour field: the colour dialog, and the colour it gives.
void ChooseTrailsColor(HWND window);

// The colour dialog's 16 custom colours, kept from one opening to the next.
const COLORREF* TrailsCustomColours();

// The text of a list's entry; none when there is no such entry.
std::optional<std::string> ListEntry(HWND list, LRESULT index);
