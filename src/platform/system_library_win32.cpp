#include "platform/system_library.h"

#include <string>

HMODULE LoadSystemLibrary(const char* name) {
    // Systems that know the restricted search take it directly.
    if (HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    // Older ones refuse the flag: name the file in the system folder in full.
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::string path = std::string(folder, length) + "\\" + name;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
