// Replacing a file's contents whole, keeping what the file is: its attributes,
// its permissions, and any other names or links it has; and clearing what
// interrupted replaces left behind.

#include "platform/files.h"

#include <optional>
#include <vector>

#include "platform/code_pages.h"
#include "platform/file_access_win32.h"
#include "platform/file_security_win32.h"
#include "platform/temporary_file_win32.h"

namespace {

// The attributes a file can be given (SetFileAttributes refuses the others).
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;

// Every copy of the program in the session replaces its files in turn: two
// replaces of one file at the same moment would each find the other's rename
// in the way. Clearing leftovers takes the turn too, though it needs no turn
// to be safe: a temporary file is held open, sharing nothing, from its
// creation until it is in place, so no clean-up in any session can take it.
// Waited for no longer than a file in use.
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

    // The turn is ours, or there is none to have (no mutex could be made:
    // saving stays possible). Otherwise another copy is replacing for longer
    // than a file in use is waited for: the file counts as in use.
    bool Ours() const { return owned_ || !mutex_; }

  private:
    KernelHandle mutex_;
    bool owned_ = false;
};

// What a replace must know of the file it is to take the place of.
struct Target {
    std::wstring path; // the file itself: where a link leads, else as given
    bool exists = false;
    DWORD attributes = 0;
    // The file may be removed (the rename needs that) and has no other name
    // that a rename would part from it.
    bool swappable = true;
    std::optional<FilePermissions> permissions;
};

// The path of the file a handle is open on, with links followed (a symbolic
// link, a junction or a substituted drive on the way); empty when the system
// cannot name it.
std::wstring FinalPath(HANDLE file) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(
            file, buffer.data(), static_cast<DWORD>(buffer.size()), VOLUME_NAME_DOS);
        if (length == 0) return std::wstring();
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(length + 1); // the length asked for, with its terminator
    }
}

// Asks the file through one open that follows links and keeps nobody out. It
// may not be removed (no right to delete it) or its permissions not read:
// then it is written in place, keeping them. False when the file is there
// but held by another program for longer than the wait.
bool Examine(const std::wstring& path, ULONGLONG deadline, Target& target) {
    target.path = path;
    const auto open = [&](DWORD access) {
        return OpenWhileInUse(deadline, [&] {
            return CreateFileW(path.c_str(), access,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        });
    };
    KernelHandle file = open(DELETE | READ_CONTROL | FILE_READ_ATTRIBUTES);
    if (!file && GetLastError() == ERROR_ACCESS_DENIED) {
        target.swappable = false;
        file = open(FILE_READ_ATTRIBUTES);
    }
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    target.exists = true;
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.Get(), &information)) return false;
    target.attributes = information.dwFileAttributes;
    // A file with more names: a rename would leave the others on the old one.
    if (information.nNumberOfLinks > 1) target.swappable = false;
    if (std::wstring final = FinalPath(file.Get()); !final.empty()) target.path = std::move(final);
    if (target.swappable) target.permissions = ReadPermissions(file.Get());
    return true;
}

// The new contents written over the old from the start, then the file cut to
// their length: it is never shorter than its new contents while they are
// written. Attributes, security and names are the file's own throughout.
bool OverwriteInPlace(const std::wstring& path, std::span<const std::string_view> pieces,
                      ULONGLONG deadline) {
    KernelHandle file =
        OpenExclusive(path, GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, deadline);
    return file && WriteAll(file.Get(), pieces) && SetEndOfFile(file.Get()) &&
           FlushFileBuffers(file.Get());
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring(L".\\") : path.substr(0, slash + 1);
}

enum class Swap {
    Done,
    Failed,  // in use, or the bytes could not be written: nothing changed
    Refused, // the folder will not let the file be swapped
};

// The new contents written to a temporary file beside the target, which is
// given the target's attributes (with the archive bit set: the file has
// changed) and permissions and then takes its place.
Swap SwapIn(const Target& target, std::span<const std::string_view> pieces, ULONGLONG deadline) {
    const std::wstring folder = FolderOf(target.path);
    // Where an earlier replace in this folder was cut off.
    RemoveLeftovers(folder);
    TemporaryFile temporary(folder, target.permissions ? READ_CONTROL | WRITE_DAC : 0);
    if (!temporary) return Swap::Refused;
    if (!WriteAll(temporary.Get(), pieces) || !FlushFileBuffers(temporary.Get()))
        return Swap::Failed;
    if (target.exists) {
        FILE_BASIC_INFO basic{}; // times of zero are left as they are
        basic.FileAttributes = (target.attributes & kSettableAttributes) | FILE_ATTRIBUTE_ARCHIVE;
        SetFileInformationByHandle(temporary.Get(), FileBasicInfo, &basic, sizeof basic);
    }
    if (target.permissions && !GivePermissions(temporary.Get(), *target.permissions))
        return Swap::Refused;
    if (temporary.PutInPlace(target.path, deadline)) return Swap::Done;
    // Another program still has the file open: writing into it now could
    // hand that program a mix of two versions.
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? Swap::Failed
                                                                             : Swap::Refused;
}

} // namespace

bool ReplaceFileContents(const std::string& path, std::span<const std::string_view> pieces) {
    const ULONGLONG deadline = InUseDeadline();
    const ReplaceTurn turn(deadline);
    if (!turn.Ours()) return false;
    const std::optional<std::wstring> wide = ToUtf16(path, ProgramCodePage());
    Target target;
    if (!wide || !Examine(*wide, deadline, target)) return false;
    // Windows refuses to replace a read-only file; Wine does not, so ask first.
    if (target.attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (target.exists && !target.swappable) return OverwriteInPlace(target.path, pieces, deadline);
    switch (SwapIn(target, pieces, deadline)) {
    case Swap::Done:
        return true;
    case Swap::Failed:
        return false;
    case Swap::Refused:
        break;
    }
    // The folder will not let the file be swapped (no right to make or rename
    // files there, or the file's permissions cannot go to a new one): the
    // file itself may still be written, keeping what it is.
    return target.exists && OverwriteInPlace(target.path, pieces, deadline);
}

void RemoveLeftoverTemporaryFiles(const std::string& folder) {
    const ReplaceTurn turn(InUseDeadline());
    if (!turn.Ours()) return;
    if (const std::optional<std::wstring> wide = ToUtf16(folder, ProgramCodePage()))
        RemoveLeftovers(*wide);
}
