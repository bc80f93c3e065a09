#pragma once
// DLLs that the program loads at first use come from the system folder only,
// never from the program's folder or the current folder, where a download may
// have dropped a file of the same name.

#include <windows.h>

// Loads a system DLL by its file name ("winmm.dll"). Null when the system has
// no such DLL. The caller releases it with FreeLibrary.
HMODULE LoadSystemLibrary(const char* name);

// An entry of a loaded DLL as a function pointer of type Function; null when
// the module is null or lacks the entry.
template <typename Function>
Function LibraryEntry(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
