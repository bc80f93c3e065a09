#include "platform/file_access_win32.h"

#include <algorithm>

bool InUseByAnother(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_ACCESS_DENIED;
}

ULONGLONG InUseDeadline() {
    return GetTickCount64() + kInUseWaitMilliseconds;
}

KernelHandle OpenExclusive(const std::string& path, DWORD access, DWORD disposition, DWORD flags,
                           ULONGLONG deadline) {
    KernelHandle file;
    RetryWhileInUse(deadline, [&] {
        file.Reset(CreateFileA(path.c_str(), access, 0, nullptr, disposition, flags, nullptr));
        return static_cast<bool>(file);
    });
    return file;
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
