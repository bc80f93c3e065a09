#pragma once
// The settings file "spindrift-clock.ini": nine lines "Key: value", CR LF.

#include <string>
#include <string_view>

#include "app/settings.h"

inline constexpr const char* kSettingsFileName = "spindrift-clock.ini";

// The whole file for these values: nine lines in a fixed order, each a key
// text, the value and CR LF. Numbers in plain decimal, texts byte for byte.
std::string FormatSettingsFile(const SettingsValues& values);

// Reads the file's lines over the given values. Keys are matched whatever
// their case and surrounding blanks; only the first colon splits key from
// value; lines with an empty value and unknown keys are ignored; a later line
// wins over an earlier one. Numbers are read with ParseWholeNumber and are
// not range-checked.
void ApplySettingsFile(std::string_view bytes, SettingsValues& values);
