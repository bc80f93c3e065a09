#include "ui/common_dialogs_win32.h"

#include "platform/system_library.h"

namespace {

HMODULE CommonDialogs() {
    // Loaded once, on the main thread, where every dialog is shown.
    static const HMODULE library = LoadSystemLibrary("comdlg32.dll");
    return library;
}

template <typename Function, typename Argument> BOOL Show(const char* entry, Argument& argument) {
    const auto show = LibraryEntry<Function>(CommonDialogs(), entry);
    return show ? show(&argument) : FALSE;
}

} // namespace

BOOL ShowOpenFileDialog(OPENFILENAMEA& dialog) {
    return Show<BOOL(WINAPI*)(OPENFILENAMEA*)>("GetOpenFileNameA", dialog);
}

BOOL ShowSaveFileDialog(OPENFILENAMEA& dialog) {
    return Show<BOOL(WINAPI*)(OPENFILENAMEA*)>("GetSaveFileNameA", dialog);
}

BOOL ShowColourDialog(CHOOSECOLORA& choice) {
    return Show<BOOL(WINAPI*)(CHOOSECOLORA*)>("ChooseColorA", choice);
}
