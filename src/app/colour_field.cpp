// The trails colour field, a drawing surface filled with the ink colour, and
// the colour dialog it opens when clicked.

#include <windows.h>
#include <commdlg.h>

#include "app/main_window.h"
#include "app/main_window_commands.h"
#include "app/main_window_ids.h"
#include "state/program_state.h"
#include "state/settings.h"
#include "state/settings_storage.h"
#include "ui/common_dialogs_win32.h"
#include "ui/drawing_surface.h"

namespace {

constexpr int kColourDialogOffset = 100;

// The colour dialog's custom colours: kept while the program runs, shared by
// every opening, never saved.
COLORREF g_customColours[16] = {};

// Places the colour dialog beside the main window's top-left corner.
UINT_PTR CALLBACK PlaceColourDialog(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return 0;
    const auto* choice = reinterpret_cast<const CHOOSECOLORA*>(lParam);
    RECT owner{};
    if (choice && GetWindowRect(choice->hwndOwner, &owner)) {
        SetWindowPos(dialog, nullptr, owner.left + kColourDialogOffset,
                     owner.top + kColourDialogOffset, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE; // the dialog sets its own focus
}

} // namespace

const COLORREF* TrailsCustomColours() {
    return g_customColours;
}

void PaintTrailsColorSwatch() {
    const int colour = ProgramSettings().TrailsColor.load();
    SurfaceAttach(MainWindowHandle(), kTrailsColorSwatch, false);
    SurfaceClear(colour == -1 ? static_cast<int>(GetSysColor(COLOR_BTNFACE)) : colour);
    SurfaceDetach();
}

void ChooseTrailsColor(HWND window) {
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = window;
    choice.rgbResult = RGB(0, 0, 0); // always black to begin with, whatever the setting
    choice.lpCustColors = g_customColours;
    choice.Flags = CC_RGBINIT | CC_ENABLEHOOK;
    choice.lpfnHook = PlaceColourDialog;
    const bool chosen = ShowColourDialog(choice) != FALSE;
    ProgramSettings().TrailsColor = chosen ? static_cast<std::int32_t>(choice.rgbResult) : -1;
    PaintTrailsColorSwatch();
    WriteSettingsFile();
}
