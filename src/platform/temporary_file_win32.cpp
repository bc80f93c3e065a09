#include "platform/temporary_file_win32.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <string_view>
#include <vector>

#include "platform/file_access_win32.h"

namespace {

// Temporary files are "spd", eight upper-case hexadecimal digits and ".tmp":
// no other file matches all of it.
constexpr std::size_t kTemporaryNameLength = 15;

bool IsTemporaryName(std::wstring_view leaf) {
    if (leaf.size() != kTemporaryNameLength || !leaf.starts_with(L"spd") ||
        !leaf.ends_with(L".tmp"))
        return false;
    return std::all_of(leaf.begin() + 3, leaf.end() - 4, [](wchar_t c) {
        return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F');
    });
}

// Whether another program has the file open, or it is being deleted: asked
// with an open that shares nothing.
bool HeldByAnother(const std::wstring& path) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file && InUseByAnother(GetLastError());
}

} // namespace

TemporaryFile::TemporaryFile(const std::wstring& folder, DWORD access) {
    // Named as GetTempFileName would name it. That call cannot be used: it
    // cuts its answer at MAX_PATH.
    DWORD unique = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 64; ++attempt, ++unique) {
        wchar_t leaf[kTemporaryNameLength + 1];
        std::swprintf(leaf, std::size(leaf), L"spd%08lX.tmp", static_cast<unsigned long>(unique));
        name_ = folder + leaf;
        file_.Reset(CreateFileW(name_.c_str(), GENERIC_WRITE | DELETE | access, 0, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file_) {
            marked_ = MarkForDeletion(true);
            return;
        }
        // Taken, or still being deleted: try the next name, 64 at most.
        // Anything else (a folder that refuses new files, a missing folder)
        // will not change.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS && !InUseByAnother(error))
            break;
    }
    name_.clear();
}

TemporaryFile::~TemporaryFile() {
    if (!file_ || placed_) return;
    if (!marked_) marked_ = MarkForDeletion(true);
    file_.Reset();
    // A file system that keeps no such mark: removed by name.
    if (!marked_) DeleteFileW(name_.c_str());
}

bool TemporaryFile::MarkForDeletion(bool marked) {
    FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(marked)};
    return SetFileInformationByHandle(file_.Get(), FileDispositionInfo, &disposition,
                                      sizeof disposition) != FALSE;
}

bool TemporaryFile::RenameTo(const std::wstring& target) {
    const std::size_t nameBytes = target.size() * sizeof(wchar_t);
    const std::size_t size = offsetof(FILE_RENAME_INFO, FileName) + nameBytes + sizeof(wchar_t);
    // Whole 8-byte units: the structure holds a handle.
    std::vector<std::uint64_t> buffer((size + 7) / 8);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(reinterpret_cast<std::byte*>(rename) + offsetof(FILE_RENAME_INFO, FileName),
                target.c_str(), nameBytes + sizeof(wchar_t));
    return SetFileInformationByHandle(file_.Get(), FileRenameInfo, rename,
                                      static_cast<DWORD>(size)) != FALSE;
}

bool TemporaryFile::PutInPlace(const std::wstring& target, ULONGLONG deadline) {
    // The mark is lifted for the rename alone (renamed with it, the file
    // would be deleted in its new place), and put back when it fails.
    const auto rename = [&] {
        if (marked_ && !MarkForDeletion(false)) return false;
        marked_ = false;
        if (RenameTo(target)) return placed_ = true;
        // Told apart now: the calls below change what the system keeps of
        // the failure.
        const DWORD error =
            InUseByAnother(GetLastError()) ? ERROR_SHARING_VIOLATION : GetLastError();
        marked_ = MarkForDeletion(true);
        SetLastError(error);
        return false;
    };
    // A rename onto a file that another program has open is refused as
    // access denied, exactly as one that the user may not make: an open that
    // shares nothing tells the two apart, and only the first is waited for.
    return RetryWhileInUse(deadline, [&] {
        if (rename()) return true;
        if (GetLastError() != ERROR_ACCESS_DENIED) return false;
        if (HeldByAnother(target)) {
            SetLastError(ERROR_SHARING_VIOLATION);
            return false;
        }
        // Nobody has it open (any longer): once more, and a refusal stands.
        return rename();
    });
}

void RemoveLeftovers(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    FindHandle search(FindFirstFileW((folder + L"spd*.tmp").c_str(), &found));
    if (!search) return;
    do {
        // The pattern also finds longer names through their short 8.3 ones.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            !IsTemporaryName(found.cFileName))
            continue;
        // A replace under way holds its temporary file open sharing nothing:
        // it stays.
        KernelHandle leftover(CreateFileW((folder + found.cFileName).c_str(), DELETE, 0, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    } while (FindNextFileW(search.Get(), &found));
}
