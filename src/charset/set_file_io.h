#pragma once
// Character set files on disk, the built-in set, and loading the set that the
// CharacterSet setting names. All run on the caller's thread.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "charset/character_set.h"

struct SetFileLoad {
    std::int32_t slots = 0;  // slots whose text is not blank
    std::int32_t points = 0; // sum of their point counts
    bool unreadable = false; // the file exists but could not be opened or read
    bool tooLarge = false;   // ... because it or its set would not fit in memory
};

// Reads a set file into the program's character set. A missing file (or a
// directory, hidden or system file) gives 0 and 0 and changes nothing. A file
// that exists but cannot be read (held open by another program, too large to
// hold) also changes nothing, and says so in `unreadable`; `tooLarge` tells
// the second kind.
SetFileLoad ReadSetFile(const std::string& path);

// The two answers to a set file the user chose to load ("Browse", "Load
// Set"): the "Error" box for a file that exists but could not be read (held
// open elsewhere or too large: the user is told the same), and
// "Loaded Successfully" with the load's two figures. Neither has an owner.
void ShowSetFileUnreadable(const std::string& path);
void ShowSetFileLoaded(const SetFileLoad& load);

// Writes the program's character set as a set file, crash-safely where the
// folder allows it (see ReplaceFileContents). False when the file could not be
// written; the old file is then unchanged, unless it was being written in
// place (a folder that refuses new files) when the write failed.
bool WriteSetFile(const std::string& path);

// A setting that holds a backslash is a path; otherwise it names a file in the
// program's folder.
std::string ResolveSetPath(std::string_view setting);

// Writes the built-in set as "default.set" in the program's folder unless an
// ordinary file of that name exists. Shows an "Error" box when the built-in
// block is missing or cannot be loaded.
void EnsureDefaultSetFile();

// Loads the set that the CharacterSet setting names, writing the built-in set
// out first when the setting is exactly "Default.set". Shows no message.
void LoadCurrentSet();

// The same against a given set, folder, module and setting: what the
// functions above do with the program's own, and what the tests drive.
SetFileLoad ReadSetFileInto(const std::string& path, CharacterSet& set);
bool WriteSetFileFrom(const std::string& path, const CharacterSet& set);
std::string ResolveSetPathIn(const std::string& folder, std::string_view setting);
void EnsureDefaultSetFileIn(const std::string& folder, HMODULE module);
SetFileLoad LoadSetNamedBy(std::string_view setting, const std::string& folder, CharacterSet& set);
