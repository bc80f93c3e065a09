// A DLL that only leaves a trace when it is loaded, for the end-to-end tests:
// planted under the names of system DLLs beside the program and in its
// current folder, it creates "NAME.loaded" next to itself if any process
// ever loads it. It imports nothing but kernel32 and exports nothing.

#include <windows.h>

extern "C" BOOL WINAPI PlantedDllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return TRUE;
    lstrcatA(path, ".loaded");
    const HANDLE trace =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (trace != INVALID_HANDLE_VALUE) CloseHandle(trace);
    return TRUE;
}
