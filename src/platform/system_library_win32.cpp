#include "platform/system_library.h"

#include <string>

namespace {

// Null, with ERROR_INVALID_PARAMETER, on systems that do not know the flag.
HMODULE LoadRestricted(const char* name) {
    return LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

bool RestrictedSearchUnknown() {
    return GetLastError() == ERROR_INVALID_PARAMETER;
}

} // namespace

void RestrictDllSearchToSystem() {
    // Looked up, not imported: its absence must not stop the program starting.
    // kernel32 is in every process, so the look-up itself loads nothing.
    using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
    const auto setDefault = LibraryEntry<SetDefaultDirectories>(GetModuleHandleA("kernel32.dll"),
                                                                "SetDefaultDllDirectories");
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    SetDllDirectoryA("");
}

HMODULE LoadSystemLibrary(const char* name) {
    if (HMODULE module = LoadRestricted(name)) return module;
    if (!RestrictedSearchUnknown()) return nullptr;
    // Older systems: name the file in the system folder in full.
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::string path = std::string(folder, length) + "\\" + name;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadSideBySideLibrary(const char* name) {
    if (HMODULE module = LoadRestricted(name)) return module;
    if (!RestrictedSearchUnknown()) return nullptr;
    // Older systems: the manifest's redirection comes before any folder is
    // searched, so the name alone finds the side-by-side copy.
    return LoadLibraryA(name);
}
