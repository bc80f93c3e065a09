// The stack protector's guard value and the routine a damaged stack ends in,
// the program's own. GCC's runtime library would bring both, but it seeds its
// guard through the CryptoAPI from a constructor that runs before WinMain,
// before the DLL search is restricted to the system folder: that loads a
// cryptographic provider whose own imports Windows then looks for in the
// program's folder first, where a download may have left a DLL of that name.
// Here the guard is seeded as Windows' own compilers seed theirs, from the
// clocks, the process and thread ids and where the stack lies, with nothing
// loaded. Compiled without the protector itself, and linked into every
// program that links the Win32 library.

#include "platform/stack_guard_win32.h"

#include <windows.h>

extern "C" {

// Read at the start of every protected function and checked at its end. The
// first value serves only until the constructor below replaces it, before any
// of the program's own code runs.
std::uintptr_t __stack_chk_guard = kUnseededStackGuard;

// A protected function found its guard overwritten: the stack is damaged, and
// nothing of the program may run on it. Ends the process at once, as a
// program from Windows' own compilers ends, through the system's fast failure
// (Windows 8 and later) that reports it as a stack buffer overrun.
[[noreturn]] void __stack_chk_fail() {
    if (IsProcessorFeaturePresent(PF_FASTFAIL_AVAILABLE))
        asm volatile("int $0x29" : : "c"(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE) : "memory");
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    __builtin_unreachable();
}

} // extern "C"

namespace {

// The first of the program's constructors. The guard changes while no
// protected function is running: only the start-up code, which has no guard,
// lies below this one on the stack.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    std::uintptr_t seed = now.dwLowDateTime ^ now.dwHighDateTime;
    seed ^= GetCurrentProcessId();
    seed ^= static_cast<std::uintptr_t>(GetCurrentThreadId()) << 8;
    seed ^= GetTickCount();
    seed ^= static_cast<std::uintptr_t>(counter.QuadPart) ^
            static_cast<std::uintptr_t>(static_cast<std::uint64_t>(counter.QuadPart) >> 32);
    seed ^= reinterpret_cast<std::uintptr_t>(&now); // the stack's place, random with ASLR
    if (seed != 0 && seed != kUnseededStackGuard) __stack_chk_guard = seed;
}

} // namespace
