#pragma once
// A file's permissions, carried from the file that a replace takes the place
// of to the new one, through handles. Internal to platform/.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

// A file's DACL as read: its security descriptor, which holds the DACL and
// whether it is shut off from its folder's.
struct FilePermissions {
    FilePermissions() = default;
    // Moved, never copied: `dacl` points into the descriptor's bytes.
    FilePermissions(FilePermissions&&) = default;
    FilePermissions& operator=(FilePermissions&&) = default;

    std::vector<std::byte> descriptor; // self-relative
    PACL dacl = nullptr;               // into `descriptor`; null: no DACL, nothing refused
    bool shutOff = false;
};

// The permissions of a file opened with READ_CONTROL; nothing when they
// cannot be read.
std::optional<FilePermissions> ReadPermissions(HANDLE file);

// Gives a file (opened with READ_CONTROL and WRITE_DAC) the same permissions,
// where its own differ. A DACL that only inherits from the folder is what a
// new file in the same folder has already, so the two differ where the old
// file had permissions of its own (entries of its own, or inheritance
// switched off): those are what the new one is given, as they were. True
// when nothing needed doing or it was done; false when they could not be
// given.
bool GivePermissions(HANDLE to, const FilePermissions& permissions);
