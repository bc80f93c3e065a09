// The program's entry point: prepares the program-wide state, builds and
// fills the main window, runs it until it is closed, and ends the process.
// No command line is read.

#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "charset/character_set.h"
#include "charset/creator_state.h"
#include "clock/hotkey.h"
#include "platform/files.h"
#include "platform/system_library.h"
#include "state/settings.h"
#include "state/settings_storage.h"

namespace {

// Window classes of the common controls, taken from whichever version the
// system offers; without the library the program goes on without them. The
// library stays loaded for the life of the process (the program does not
// import it, so this is its one reference): the window classes it registers
// point into its code.
void InitialiseCommonControls() {
    const HMODULE library = LoadSideBySideLibrary("comctl32.dll");
    if (!library) return;
    using InitialiseEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using Initialise = void(WINAPI*)();
    if (const auto initialiseEx = LibraryEntry<InitialiseEx>(library, "InitCommonControlsEx")) {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES |
                                                                             ICC_DATE_CLASSES |
                                                                             ICC_INTERNET_CLASSES};
        static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
        static_assert((ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES) == 0x9FF);
        initialiseEx(&classes);
    } else if (const auto initialise = LibraryEntry<Initialise>(library, "InitCommonControls")) {
        initialise();
    }
}

void GiveProgramIcon(HWND window) {
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), "0L");
    if (window && icon) SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

// One step of start-up. A step that runs out of memory (a settings value of
// hundreds of megabytes) has done what it could; start-up goes on with what
// the program has, silently, as after any other step that fails.
template <typename Step> void Attempt(Step step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything can load a DLL by name.
    RestrictDllSearchToSystem();
    // What a save cut off by a crash or a power cut left beside the program,
    // before anything reads or writes a file there.
    Attempt([] { RemoveLeftoverTemporaryFiles(ProgramFolder()); });
    InitialiseCommonControls();
    Attempt([] { ProgramCharacterSet().Clear(); });
    CreatorState& creator = ProgramCreatorState();
    creator.RecordingSlot = -1;
    creator.LastViewedSlot = -1;

    HWND window = nullptr;
    Attempt([&] {
        window = BuildMainWindow();
        GivePreviewFont(window);
    });
    Attempt(SetDefaultSettings);
    Attempt(ReadSettingsFile);
    // Before the window shows and before the set is loaded: a refused
    // combination is reported first.
    Attempt(RegisterClockHotkey);
    Attempt(RefreshMainWindow);
    GiveProgramIcon(window);
    Attempt(RunMainWindow);

    // Clock runs that are still drawing end with the process, where they are.
    // Ending it here, rather than returning, keeps them from meeting the
    // program's state while the runtime takes it apart.
    ExitProcess(0);
}
