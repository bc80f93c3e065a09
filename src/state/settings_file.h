#pragma once
// The settings file "spindrift-clock.ini": nine lines "Key: value", CR LF.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "state/settings.h"

struct TextCodePages;

inline constexpr const char* kSettingsFileName = "spindrift-clock.ini";

// The digits of the five numeric values, which the file's pieces point into.
using SettingsNumberTexts = std::array<std::string, 5>;

// The whole file for these values as the pieces it is made of, in order: nine
// lines, each a key text, the value and CR LF. Numbers in plain decimal
// (written into `numbers`), texts byte for byte. The pieces point into
// `values` and `numbers`, which must outlive them: a value of any size is
// written to disk without being copied.
std::vector<std::string_view> SettingsFilePieces(const SettingsValues& values,
                                                 SettingsNumberTexts& numbers);

// The same pieces joined.
std::string FormatSettingsFile(const SettingsValues& values);

// Reads the file's lines over the given values. Keys are matched whatever
// their case and surrounding blanks; only the first colon splits key from
// value; lines with an empty value and unknown keys are ignored; a later line
// wins over an earlier one. Numbers are read with ParseWholeNumber and are
// not range-checked. Each value taken is copied once, however large, and
// nothing else of the file is copied.
// With the code pages given, each text is read through DecodeSettingsText.
void ApplySettingsFile(std::string_view bytes, SettingsValues& values,
                       const TextCodePages* pages = nullptr);
