#pragma once
// The stack protector's guard (stack_guard_win32.cpp).

#include <cstdint>

// The guard's value as linked, which it keeps only until the program's first
// constructor seeds it.
inline constexpr std::uintptr_t kUnseededStackGuard =
    static_cast<std::uintptr_t>(0x2B992DDFA232ull);

extern "C" std::uintptr_t __stack_chk_guard;
