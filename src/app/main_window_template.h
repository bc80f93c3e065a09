#pragma once
// The main window's layout: the window and its controls in dialog units.

#include <windows.h>

#include <optional>
#include <span>

#include "ui/dialog_template_win32.h"

inline constexpr char kMainWindowCaption[] = "The Spindrift Clock";

struct MainWindowRow {
    // The control's class; none for the colour field, a drawing surface that
    // is made after the window, in its place in the tab order.
    std::optional<DialogControlClass> kind;
    int id = 0;
    const char* text = "";
    DialogRect rect;
    DWORD style = 0; // complete, WS_CHILD and WS_VISIBLE included
    DWORD exStyle = 0;
};

// Every control, in creation order, which is also the tab order.
std::span<const MainWindowRow> MainWindowRows();

// The window with every control that has a class.
DialogTemplate MainWindowTemplate();
