#pragma once
// A file's permissions, carried from the file that a replace takes the place
// of to the new one, through handles. Internal to platform/.

#include <windows.h>

#include <memory>
#include <optional>

struct LocalFreer {
    void operator()(void* memory) const { LocalFree(memory); }
};

// A file's DACL as read, and whether it is shut off from its folder's.
struct FilePermissions {
    std::unique_ptr<void, LocalFreer> descriptor; // owns what `dacl` points into
    PACL dacl = nullptr;                          // null: no DACL, nothing refused
    bool shutOff = false;
};

// The permissions of a file opened with READ_CONTROL; nothing when they
// cannot be read.
std::optional<FilePermissions> ReadPermissions(HANDLE file);

// Gives a file (opened with READ_CONTROL and WRITE_DAC) the permissions where
// its own differ. A DACL that only inherits from the folder is what a new file
// in the same folder has already, so the two differ where the old file had
// permissions of its own (entries of its own, or inheritance switched off):
// those are what the new one is given. True when nothing needed doing or it
// was done; false when they could not be given.
bool GivePermissions(HANDLE to, const FilePermissions& permissions);
