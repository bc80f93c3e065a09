#pragma once
// Small byte-string helpers shared by the file formats. Text is bytes in the
// system's ANSI code page; only the blank (byte 32) counts as trimmable.

#include <span>
#include <string>
#include <string_view>

// Removes leading and trailing blanks (byte 32 only: tabs stay).
std::string_view TrimBlanks(std::string_view text);

// True when the text equals `lower` once its ASCII letters A-Z are lower-cased
// (every other byte compared as it is). `lower` is in lower case already.
bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower);

// The pieces one after the other, in one allocation.
std::string JoinPieces(std::span<const std::string_view> pieces);
