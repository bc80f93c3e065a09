#pragma once
// DLLs come from the system folder only, never from the program's folder or
// the current folder, where a download may have dropped a file of the same
// name. The program imports only kernel32, user32 and gdi32 (and the C
// runtime's msvcrt), which Windows maps from its own known copies; every
// other DLL, and every DLL those load by name, is found through the search
// restricted here.

#include <windows.h>

// Restricts the process's DLL search to the system folder, for the program's
// own loads and for those the system's DLLs make on its behalf (the common
// dialogs load dozens). Where the system lacks that (before the 2011 loader
// update), the current folder at least is taken out of the search. Called
// first thing at start-up.
void RestrictDllSearchToSystem();

// Loads a system DLL by its file name ("winmm.dll") from the system folder.
// Null when the system has no such DLL. The caller releases it with
// FreeLibrary.
HMODULE LoadSystemLibrary(const char* name);

// Loads a DLL that the program's manifest binds to a side-by-side version
// ("comctl32.dll", version 6): by name, so that the manifest's redirection
// applies (a full path would bypass it and give the old version 5), and
// otherwise only from the system folder.
HMODULE LoadSideBySideLibrary(const char* name);

// An entry of a loaded DLL as a function pointer of type Function; null when
// the module is null or lacks the entry.
template <typename Function>
Function LibraryEntry(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
