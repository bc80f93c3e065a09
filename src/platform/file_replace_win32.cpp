// Replacing a file's contents whole, keeping what the file is: its attributes
// and its security.

#include "platform/files.h"

#include <cstdio>

#include "platform/file_access_win32.h"

namespace {

// The attributes a file can be given (SetFileAttributesA refuses the others).
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;

// Every copy of the program replaces its files in turn. Two replaces of one
// file at the same moment each meet the other's half-done step: the loser
// fails where it need not, and some systems' ReplaceFileA (Wine's) then leave
// a stray temporary file behind. Waited for no longer than a file in use.
class ReplaceTurn {
  public:
    explicit ReplaceTurn(ULONGLONG deadline)
        : mutex_(CreateMutexA(nullptr, FALSE, "Local\\SpindriftClock.FileReplace")) {
        if (!mutex_) return;
        const ULONGLONG now = GetTickCount64();
        const DWORD wait = static_cast<DWORD>(deadline > now ? deadline - now : 0);
        const DWORD result = WaitForSingleObject(mutex_.Get(), wait);
        owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
    ~ReplaceTurn() {
        if (owned_) ReleaseMutex(mutex_.Get());
    }
    ReplaceTurn(const ReplaceTurn&) = delete;
    ReplaceTurn& operator=(const ReplaceTurn&) = delete;

  private:
    KernelHandle mutex_;
    bool owned_ = false;
};

// The new contents written over the old from the start, then the file cut to
// their length: it is never shorter than its new contents while they are
// written. Attributes and security are the file's own throughout.
bool OverwriteInPlace(const std::string& path, std::span<const std::string_view> pieces,
                      ULONGLONG deadline) {
    KernelHandle file =
        OpenExclusive(path, GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, deadline);
    return file && WriteAll(file.Get(), pieces) && SetEndOfFile(file.Get()) &&
           FlushFileBuffers(file.Get());
}

// Whether the target may be replaced now, asked the way the replace will open
// it: a replace that fails on a file in use may leave a stray temporary file
// behind (Wine's does), so it is not tried until the file is free.
bool TargetFree(const std::string& path) {
    KernelHandle target(CreateFileA(path.c_str(), DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return target || GetLastError() == ERROR_FILE_NOT_FOUND;
}

// Puts the written temporary file in the target's place. False (with the
// temporary file still there) when that cannot be done.
bool PutInPlace(const std::string& temporary, const std::string& path, bool targetExists,
                ULONGLONG deadline) {
    return RetryWhileInUse(deadline, [&] {
        if (targetExists) {
            if (!TargetFree(path)) return false;
            if (ReplaceFileA(path.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr))
                return true;
            const DWORD error = GetLastError();
            // The target has gone meanwhile (the replace took it away and then
            // failed, or it was deleted): the temporary file simply moves in.
            if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT && error != ERROR_FILE_NOT_FOUND) {
                SetLastError(error);
                return false;
            }
        }
        return MoveFileExA(temporary.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    });
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? std::string(".\\") : path.substr(0, slash + 1);
}

// A new, empty file in the folder, named as GetTempFileNameA would name it.
// That call cannot be used: it cuts its answer at MAX_PATH bytes, which a
// UTF-8 path passes long before it reaches MAX_PATH characters.
KernelHandle CreateTemporaryFile(const std::string& folder, std::string& name) {
    DWORD unique = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 64; ++attempt, ++unique) {
        char leaf[16];
        std::snprintf(leaf, sizeof leaf, "spd%08lX.tmp", static_cast<unsigned long>(unique));
        name = folder + leaf;
        KernelHandle file(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return file;
        // Taken, or still being deleted (which says access denied, as a folder
        // that refuses new files does too): try the next name, 64 at most.
        // Anything else (a missing folder) will not change.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS &&
            error != ERROR_ACCESS_DENIED)
            break;
    }
    name.clear();
    return KernelHandle();
}

} // namespace

bool ReplaceFileContents(const std::string& path, std::span<const std::string_view> pieces) {
    const ULONGLONG deadline = InUseDeadline();
    const ReplaceTurn turn(deadline);
    // Windows refuses to replace a read-only file; Wine does not, so ask first.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;

    std::string temporary;
    KernelHandle file = CreateTemporaryFile(FolderOf(path), temporary);
    if (!file) return exists && OverwriteInPlace(path, pieces, deadline);
    const bool written = WriteAll(file.Get(), pieces) && FlushFileBuffers(file.Get());
    file.Reset();
    if (!written) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    if (exists) {
        // ReplaceFileA carries the attributes over on Windows, but not
        // everywhere (Wine): the new file is given them first.
        const DWORD keep = attributes & kSettableAttributes;
        SetFileAttributesA(temporary.c_str(), keep ? keep : FILE_ATTRIBUTE_NORMAL);
    }
    if (PutInPlace(temporary, path, exists, deadline)) return true;
    const DWORD error = GetLastError();
    if (exists && GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        // A failed replace took the old file away: the new one is all there
        // is, so it stays rather than leave nothing.
        return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    }
    DeleteFileA(temporary.c_str());
    // Another program still has the file open: writing into it now could
    // hand that program a mix of two versions.
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return false;
    // The folder would not let the file be swapped (no right to delete or
    // rename there, or the security could not be carried over): the file
    // itself may still be written.
    return exists && OverwriteInPlace(path, pieces, deadline);
}
