// Replacing a file's contents whole, keeping what the file is: its attributes
// and its permissions; and clearing what interrupted replaces left behind.

#include "platform/files.h"

#include <algorithm>
#include <cstdio>

#include "platform/file_access_win32.h"
#include "platform/file_security_win32.h"

namespace {

// The attributes a file can be given (SetFileAttributesA refuses the others).
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;

// Every copy of the program replaces its files in turn, and clears the
// leftovers of interrupted replaces only while none is replacing: a
// temporary file is then never one that a running copy is about to rename.
// Two replaces of one file at the same moment would also each find the
// other's rename in the way. Waited for no longer than a file in use. The
// turn is per session ("Local\\"); a copy in another session is told by its
// open temporary file instead.
class ReplaceTurn {
  public:
    explicit ReplaceTurn(ULONGLONG deadline)
        : mutex_(CreateMutexA(nullptr, FALSE, "Local\\SpindriftClock.FileReplace")) {
        if (!mutex_) return;
        const ULONGLONG now = GetTickCount64();
        const DWORD wait = static_cast<DWORD>(deadline > now ? deadline - now : 0);
        const DWORD result = WaitForSingleObject(mutex_.Get(), wait);
        // Abandoned: a copy ended (was killed) while replacing; the turn is ours.
        owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
    ~ReplaceTurn() {
        if (owned_) ReleaseMutex(mutex_.Get());
    }
    ReplaceTurn(const ReplaceTurn&) = delete;
    ReplaceTurn& operator=(const ReplaceTurn&) = delete;

    bool Owned() const { return owned_; }

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

// Whether another program has the file open, or it is being deleted: asked
// with an open that shares nothing.
bool HeldByAnother(const std::string& path) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file && InUseByAnother(GetLastError());
}

// Puts the written temporary file in the target's place with one rename,
// which happens whole or not at all: a reader, and a program killed at any
// moment, find the old file or the new one. False (with the temporary file
// still there) when that cannot be done. A rename onto a file that another
// program has open is refused as access denied, exactly as one that the user
// may not make: an open that shares nothing tells the two apart, and only
// the first is waited for.
bool PutInPlace(const std::string& temporary, const std::string& path, ULONGLONG deadline) {
    const auto moveIn = [&] {
        return MoveFileExA(temporary.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    };
    return RetryWhileInUse(deadline, [&] {
        if (moveIn()) return true;
        if (GetLastError() != ERROR_ACCESS_DENIED) return false;
        if (HeldByAnother(path)) {
            SetLastError(ERROR_SHARING_VIOLATION);
            return false;
        }
        // Nobody has it open (any longer): once more, and a refusal stands.
        return moveIn();
    });
}

// Temporary files are "spd", eight upper-case hexadecimal digits and ".tmp":
// no other file matches all of it.
constexpr std::size_t kTemporaryNameLength = 15;
bool IsTemporaryName(std::string_view leaf) {
    if (leaf.size() != kTemporaryNameLength || !leaf.starts_with("spd") || !leaf.ends_with(".tmp"))
        return false;
    return std::all_of(leaf.begin() + 3, leaf.end() - 4,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
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
        char leaf[kTemporaryNameLength + 1];
        std::snprintf(leaf, sizeof leaf, "spd%08lX.tmp", static_cast<unsigned long>(unique));
        name = folder + leaf;
        KernelHandle file(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return file;
        // Taken, or still being deleted: try the next name, 64 at most.
        // Anything else (a folder that refuses new files, a missing folder)
        // will not change.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS && !InUseByAnother(error))
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
    // The folder will not let the file be swapped (no right to rename there,
    // or its own permissions cannot go to a new file): the file itself may
    // still be written, keeping what it is.
    const auto writeInPlaceInstead = [&] {
        DeleteFileA(temporary.c_str());
        return exists && OverwriteInPlace(path, pieces, deadline);
    };
    if (exists) {
        // The new file is what the old one was, and counts as changed for
        // backups that go by the archive bit.
        SetFileAttributesA(temporary.c_str(),
                           (attributes & kSettableAttributes) | FILE_ATTRIBUTE_ARCHIVE);
        if (!CarryPermissions(path, temporary)) return writeInPlaceInstead();
    }
    if (PutInPlace(temporary, path, deadline)) return true;
    const DWORD error = GetLastError();
    // Another program still has the file open: writing into it now could
    // hand that program a mix of two versions.
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return writeInPlaceInstead();
}

void RemoveLeftoverTemporaryFiles(const std::string& folder) {
    const ReplaceTurn turn(InUseDeadline());
    if (!turn.Owned()) return;
    WIN32_FIND_DATAA found{};
    FindHandle search(FindFirstFileA((folder + "spd*.tmp").c_str(), &found));
    if (!search) return;
    do {
        // The pattern also finds longer names through their short 8.3 ones.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            !IsTemporaryName(found.cFileName))
            continue;
        // A file that a copy in another session still writes will not open
        // without sharing: it stays.
        KernelHandle leftover(CreateFileA((folder + found.cFileName).c_str(), DELETE, 0, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    } while (FindNextFileA(search.Get(), &found));
}
