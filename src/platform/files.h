#pragma once
// Files, as the program uses them. Paths are ANSI byte strings.

#include <optional>
#include <string>
#include <string_view>

// The folder of the running program file, ending in a backslash. Paths longer
// than MAX_PATH are returned whole, not cut.
std::string ProgramFolder();

// True when a search finds an ordinary file of that name: directories, hidden
// and system files count as missing, and so does a name with wildcards.
bool IsPlainFile(const std::string& path);

// Reads a whole file opened without sharing. Empty when the file cannot be
// opened (missing, held open by another program) or read, or is too large to
// hold in memory (more than kMaxReadableFileSize bytes).
std::optional<std::string> ReadWholeFile(const std::string& path);
inline constexpr unsigned long long kMaxReadableFileSize = 512ull * 1024 * 1024;

// Replaces a file with new contents without ever leaving it half-written: the
// bytes go to a temporary file in the same folder, which then takes the
// target's place in one step. On any failure (folder not writable, target
// held open or read-only, disk full) the target is left exactly as it was,
// the temporary file is removed, and the result is false.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// Writes the bytes from the start of the file, creating it if needed and not
// shortening an existing one. False when the file cannot be opened or written.
bool WriteFileInPlace(const std::string& path, std::string_view bytes);
