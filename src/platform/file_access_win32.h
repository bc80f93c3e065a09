#pragma once
// What the file functions share: opening a file that another program may
// hold for a moment, and writing bytes whole. Internal to platform/.

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "platform/handles.h"

// How long an open or a replace waits for another program to let go of a file:
// long enough for another copy to finish writing the settings, well under
// what a user would notice.
inline constexpr unsigned kInUseWaitMilliseconds = 200;

// What clears by itself within the wait: another program has the file open or
// locked (another copy of this one reading it, or in the middle of replacing
// it), or the file is being deleted. A plain refusal (the user may not write
// there, a read-only or locked-down file) is an answer, never waited for.
// Windows answers ERROR_ACCESS_DENIED for a file pending deletion too; the
// status the system keeps of the failed call tells the two apart, so call
// this straight after the call that failed.
bool InUseByAnother(DWORD error);

// The moment after which a file in use is no longer waited for
// (kInUseWaitMilliseconds from now); the steps of one operation share it.
ULONGLONG InUseDeadline();

// Runs `attempt` until it succeeds, or fails for another reason than the file
// being in use, or the deadline has passed; at least once. The last error is
// that of the last attempt.
template <typename Attempt> bool RetryWhileInUse(ULONGLONG deadline, Attempt attempt) {
    for (;;) {
        if (attempt()) return true;
        const DWORD error = GetLastError();
        if (!InUseByAnother(error) || GetTickCount64() >= deadline) {
            SetLastError(error);
            return false;
        }
        Sleep(5);
    }
}

// Runs `open` (a CreateFile call) until it gives a handle, or fails for
// another reason than the file being in use, or the deadline has passed.
template <typename Open> KernelHandle OpenWhileInUse(ULONGLONG deadline, Open open) {
    KernelHandle file;
    RetryWhileInUse(deadline, [&] {
        file.Reset(open());
        return static_cast<bool>(file);
    });
    return file;
}

// CreateFile without sharing, waiting for a file in use until the deadline.
KernelHandle OpenExclusive(const std::string& path, DWORD access, DWORD disposition, DWORD flags,
                           ULONGLONG deadline);
KernelHandle OpenExclusive(const std::wstring& path, DWORD access, DWORD disposition, DWORD flags,
                           ULONGLONG deadline);

// Writes all the pieces at the file's position; false on any failure.
bool WriteAll(HANDLE file, std::span<const std::string_view> pieces);
