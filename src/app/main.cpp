// The program's entry point: prepares the program-wide state, builds and
// fills the main window, runs it until it is closed, and ends the process.
// No command line is read.

#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/settings.h"
#include "app/settings_storage.h"
#include "charset/character_set.h"
#include "charset/creator_state.h"
#include "clock/hotkey.h"

namespace {

// Window classes of the common controls, taken from whichever version the
// system offers; without the library the program goes on without them.
void InitialiseCommonControls() {
    const HMODULE library = LoadLibraryA("COMCTL32.DLL");
    if (!library) return;
    using InitialiseEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initialiseEx = reinterpret_cast<InitialiseEx>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "InitCommonControlsEx")));
    if (initialiseEx) {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES |
                                                                             ICC_DATE_CLASSES |
                                                                             ICC_INTERNET_CLASSES};
        static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
        static_assert((ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES) == 0x9FF);
        initialiseEx(&classes);
    } else {
        InitCommonControls();
    }
    FreeLibrary(library);
}

void GiveProgramIcon(HWND window) {
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), "0L");
    if (window && icon) SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitialiseCommonControls();
    ProgramCharacterSet().Clear();
    CreatorState& creator = ProgramCreatorState();
    creator.RecordingSlot = -1;
    creator.LastViewedSlot = -1;

    const HWND window = BuildMainWindow();
    GivePreviewFont(window);
    SetDefaultSettings();
    ReadSettingsFile();
    // Before the window shows and before the set is loaded: a refused
    // combination is reported first.
    RegisterClockHotkey();
    RefreshMainWindow();
    GiveProgramIcon(window);
    RunMainWindow();

    // Clock runs that are still drawing end with the process, where they are.
    // Ending it here, rather than returning, keeps them from meeting the
    // program's state while the runtime takes it apart.
    ExitProcess(0);
}
