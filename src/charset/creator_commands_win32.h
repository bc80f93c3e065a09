#pragma once
// The Creator's set commands, with their questions and dialogs.

#include <string>

#include "charset/creator_window_win32.h"

void NewSetCommand(CreatorWindow& creator);
void LoadSetCommand(CreatorWindow& creator);
void SaveSetCommand(CreatorWindow& creator);

// What "Load Set" and "Save Set" do with the name the file dialog gave, with
// the blanks around it removed: load the set and report it, or save it and
// make it the CharacterSet setting. A file that cannot be read or written
// gets an "Error" box and changes nothing.
void LoadSetNamed(const std::string& name);
void SaveSetNamed(const std::string& name);
