#pragma once
// The settings file's texts are UTF-8; the program's are in its own ANSI code
// page (UTF-8 where Windows offers that, the system's legacy code page on
// older Windows). A file written by an earlier version holds its texts in the
// system's legacy code page. Each text is converted as it is read and
// written: keys and numbers are ASCII and pass as they are.
// What cannot be converted is kept as the file's bytes and written back as
// they were, so no value is ever lost or changed by a read and a write.

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr unsigned kUtf8CodePage = 65001;

// Converts a text exactly between two code pages: nothing when the bytes are
// not valid in `from` or a character has no equivalent in `to`.
using CodePageConverter = std::optional<std::string> (*)(std::string_view text, unsigned from,
                                                         unsigned to);

struct TextCodePages {
    unsigned program; // the code page of the program's ANSI calls
    unsigned legacy;  // the system's default ANSI code page
    CodePageConverter convert;
};

// One text of the file as the program holds it: a text in valid UTF-8 is
// UTF-8, any other is in the legacy code page.
std::string DecodeSettingsText(std::string_view stored, const TextCodePages& pages);

// One text of the program's as the file holds it, in UTF-8.
std::string EncodeSettingsText(std::string_view text, const TextCodePages& pages);

// The file's pieces (see SettingsFilePieces) as the file holds them, in UTF-8.
// A piece that changes is converted into `converted`, which must outlive the
// pieces. Where the program's code page is UTF-8 already, or a piece is plain
// ASCII, nothing is converted or copied.
void EncodeSettingsPieces(std::vector<std::string_view>& pieces, std::deque<std::string>& converted,
                          const TextCodePages& pages);
