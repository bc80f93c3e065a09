#pragma once
// Small byte-string helpers shared by the file formats. Text is bytes in the
// system's ANSI code page; only the blank (byte 32) counts as trimmable.

#include <string>
#include <string_view>

// Removes leading and trailing blanks (byte 32 only: tabs stay).
std::string_view TrimBlanks(std::string_view text);

// Lower-cases the ASCII letters A-Z and leaves every other byte alone.
std::string AsciiLower(std::string_view text);
