#pragma once
// The settings record and its file beside the program.

#include <string>

#include "state/settings.h"

// ProgramFolder + "spindrift-clock.ini".
std::string SettingsFilePath();

// Reads the settings file over the program's record, if an ordinary file of
// that name exists and can be opened; otherwise changes nothing, silently.
void ReadSettingsFile();
void ReadSettingsFileAt(const std::string& path, Settings& settings);

// Replaces the settings file with the record's nine values, as
// ReplaceFileContents does: whole, keeping the file's attributes. When it
// cannot be written nothing changes and nothing is reported (the result is
// for tests).
void WriteSettingsFile();
bool WriteSettingsFileAt(const std::string& path, const Settings& settings);
