#pragma once
// The system's code pages, for texts that cross a file's boundary.

#include <optional>
#include <string>
#include <string_view>

// The code page of the program's ANSI calls: UTF-8 (65001) where Windows
// honours the manifest's request for it, else the system's legacy code page.
unsigned ProgramCodePage();

// The system's default ANSI code page, whatever this program runs with: what
// ANSI programs, this one's earlier versions among them, wrote texts in.
unsigned LegacyCodePage();

// Converts a text exactly between two code pages: nothing when the bytes are
// not valid in `from`, or when a character has no equivalent in `to` (no
// look-alike stands in for it, so a path never changes its meaning).
std::optional<std::string> ConvertCodePage(std::string_view text, unsigned from, unsigned to);

// The first half of that: a text in a code page as UTF-16, exactly, for the
// calls that take wide names (any length, with "\\?\").
std::optional<std::wstring> ToUtf16(std::string_view text, unsigned codePage);
