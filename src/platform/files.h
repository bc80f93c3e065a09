#pragma once
// Files, as the program uses them. Paths are ANSI byte strings.

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The folder of the running program file, ending in a backslash. Paths longer
// than MAX_PATH are returned whole, not cut.
std::string ProgramFolder();

// The longest path Windows can name is 32767 UTF-16 units, at most three bytes
// each in any ANSI code page: no file has a longer name.
inline constexpr std::size_t kLongestPathBytes = 3 * 32767;

// True when a search finds an ordinary file of that name: directories, hidden
// and system files count as missing, and so does a name with wildcards.
bool IsPlainFile(const std::string& path);

// Reads a whole file opened without sharing. Empty when the file cannot be
// opened (missing, held open by another program for longer than a moment) or
// read. A file too large to hold (more than kMaxReadableFileSize bytes) throws
// std::bad_alloc, as running out of memory while reading it does: the caller
// treats both as one.
std::optional<std::string> ReadWholeFile(const std::string& path);
inline constexpr unsigned long long kMaxReadableFileSize = 512ull * 1024 * 1024;

// Replaces a file's contents with the pieces, one after the other, and keeps
// the file's attributes and security. The bytes go to a temporary file in the
// same folder, which then takes the file's place in one step (ReplaceFileA
// where the file exists), so a reader always finds one whole version. Where
// that cannot be done but the file itself can be written (a folder that lets
// its files be written but refuses new ones), the file is written over in
// place and then cut to its new length: a saved setting matters more there
// than crash safety. A file that another program (another copy of this one)
// has open is waited for briefly. On failure (folder not writable, file held
// open for longer or read-only, disk full) the result is false and the file
// and its folder are left exactly as they were.
bool ReplaceFileContents(const std::string& path, std::span<const std::string_view> pieces);
inline bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    return ReplaceFileContents(path, std::span(&bytes, 1));
}

// Writes the bytes from the start of the file, creating it if needed and not
// shortening an existing one. False when the file cannot be opened or written.
bool WriteFileInPlace(const std::string& path, std::string_view bytes);
