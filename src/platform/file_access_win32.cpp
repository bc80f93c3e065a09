#include "platform/file_access_win32.h"

#include <algorithm>

#include "platform/system_library.h"

namespace {

constexpr LONG kStatusDeletePending = static_cast<LONG>(0xC0000056);

// The status behind the last error of this thread. ntdll is in every process,
// so the look-up loads nothing; it is made before any file call, so that it
// cannot itself change the status it is asked for. Without it nothing is
// taken for a deletion.
using LastNtStatus = LONG(WINAPI*)();
const LastNtStatus g_lastStatus =
    LibraryEntry<LastNtStatus>(GetModuleHandleA("ntdll.dll"), "RtlGetLastNtStatus");

LONG LastStatus() {
    return g_lastStatus ? g_lastStatus() : 0;
}

} // namespace

bool InUseByAnother(DWORD error) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_DELETE_PENDING:
        return true;
    case ERROR_ACCESS_DENIED:
        return LastStatus() == kStatusDeletePending;
    default:
        return false;
    }
}

ULONGLONG InUseDeadline() {
    return GetTickCount64() + kInUseWaitMilliseconds;
}

KernelHandle OpenExclusive(const std::string& path, DWORD access, DWORD disposition, DWORD flags,
                           ULONGLONG deadline) {
    return OpenWhileInUse(deadline, [&] {
        return CreateFileA(path.c_str(), access, 0, nullptr, disposition, flags, nullptr);
    });
}

KernelHandle OpenExclusive(const std::wstring& path, DWORD access, DWORD disposition, DWORD flags,
                           ULONGLONG deadline) {
    return OpenWhileInUse(deadline, [&] {
        return CreateFileW(path.c_str(), access, 0, nullptr, disposition, flags, nullptr);
    });
}

bool WriteAll(HANDLE file, std::span<const std::string_view> pieces) {
    for (std::string_view bytes : pieces) {
        while (!bytes.empty()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 24));
            if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
                return false;
            bytes.remove_prefix(written);
        }
    }
    return true;
}
