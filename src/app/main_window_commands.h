#pragma once
// What the main window does when its controls are worked. Internal to the
// main window.

#include <windows.h>

#include <optional>
#include <string>

// A WM_COMMAND from control `id` with notification `code`.
void OnMainWindowCommand(HWND window, int id, int code);

// The colour field: made in its place among the controls, and clicked.
HWND CreateTrailsColorSwatch(HWND window, HWND after);
void ChooseTrailsColor(HWND window);

// The text of a list's entry; none when there is no such entry.
std::optional<std::string> ListEntry(HWND list, LRESULT index);
