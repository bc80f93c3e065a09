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

// Replaces a file's contents with the pieces, one after the other. The bytes
// go to a temporary file in the same folder, which is given the file's
// attributes (with the archive bit set: the file has changed) and any
// permissions of its own, and then takes the file's place with one rename: a
// reader, and a program killed at any moment, find the old file whole or the
// new one whole. A path that is a symbolic link stays one: the file it leads
// to is the one replaced. A file that another program (another copy of this
// one) has open, or is replacing, is waited for briefly; a refusal (no right
// to write, read-only) is not. On failure (folder or file not writable, file
// held for longer, disk full) the result is false and the file is as it was,
// with one exception: where the file may be written but not swapped (a
// folder that refuses new files, a file that may not be deleted, a file with
// more than one name, which a rename would part), the file is written over
// in place and then cut to its new length. A saved setting matters more
// there than crash safety: a crash or a full disk in the middle of that
// write leaves the file half old, half new. The system removes the temporary
// file when the program ends before the rename, except in the instant after
// the file is made and the one before the rename: what a crash there leaves
// is cleared by the next replace in that folder (see
// RemoveLeftoverTemporaryFiles for the program's own at start-up).
bool ReplaceFileContents(const std::string& path, std::span<const std::string_view> pieces);
inline bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    return ReplaceFileContents(path, std::span(&bytes, 1));
}

// Removes the temporary files that interrupted replaces left in the folder,
// and nothing else: only names of their own pattern, and only those that no
// program holds open (a replace under way holds its own until it is in place).
void RemoveLeftoverTemporaryFiles(const std::string& folder);

// Writes the bytes from the start of the file, creating it if needed and not
// shortening an existing one. False when the file cannot be opened or written.
bool WriteFileInPlace(const std::string& path, std::string_view bytes);
