#pragma once
// The Character Creator window: recording, showing, saving and loading the
// program's character set.

#include <windows.h>

#include <string>

// Builds the Creator, runs it modally over `owner` (disabled meanwhile; its
// timers and hot key go on, since their messages are dispatched here too) and
// returns when it closes. A second call while one is open does nothing.
void RunCreatorDialog(HWND owner);

// The open Creator's window, or null.
HWND CreatorWindowHandle();

// The keyboard table of the Creator, built from kCreatorKeys.
HACCEL CreatorAccelerators();

// Gives each view button the highlight font if its slot holds a recording and
// the plain font otherwise. Does nothing when the Creator is not open.
void RefreshViewButtonFonts();

// What "Load Set" and "Save Set" do with the name the file dialog gave, with
// the blanks around it removed: load the set and report it, or save it and
// make it the CharacterSet setting. A file that cannot be read or written
// gets an "Error" box and changes nothing.
void LoadSetNamed(const std::string& name);
void SaveSetNamed(const std::string& name);
