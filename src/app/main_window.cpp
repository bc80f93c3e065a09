// The main window: building it, running it, and sending its messages to the
// commands.

#include "app/main_window.h"

#include <string>

#include "app/main_window_commands.h"
#include "app/main_window_ids.h"
#include "app/main_window_lists.h"
#include "app/main_window_template.h"
#include "clock/clock_run.h"
#include "clock/hotkey.h"
#include "clock/time_text.h"
#include "state/program_state.h"
#include "ui/display_scale_win32.h"
#include "ui/drawing_surface.h"
#include "ui/fonts_win32.h"

namespace {

// The system's initialisation message arrives while the window is still being
// built; the window is initialised when it is run, with this marker.
constexpr LPARAM kRunMarker = 0x52554E;

// Posted to itself when the system has scaled the window to another DPI.
constexpr UINT kScaleChangedMessage = WM_APP + 0x30;

// The control that had the keyboard focus when the window was last
// deactivated; given the focus back when it is activated again.
HWND g_rememberedFocus = nullptr;

// The preview's font, made for the window's DPI; released with the window.
OwnedFont g_previewFont;

void FillList(HWND window, int id, const std::vector<std::string>& entries) {
    for (const std::string& entry : entries)
        SendDlgItemMessageA(window, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void OnActivation(bool active) {
    if (!active) {
        g_rememberedFocus = GetFocus();
    } else if (g_rememberedFocus) {
        SetFocus(g_rememberedFocus);
        g_rememberedFocus = nullptr;
    }
}

// The system has scaled the dialog, its controls and their fonts by now;
// what the program made itself follows.
void FollowNewScale(HWND window) {
    GivePreviewFont(window);
    RefitDrawingSurface(GetDlgItem(window, kTrailsColorSwatch));
}

void OnClose(HWND window) {
    KillTimer(window, kPreviewTimerId);
    UnregisterClockHotkey();
    DestroyWindow(window);
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            if (lParam == kRunMarker) SetTimer(window, kPreviewTimerId, 1000, nullptr);
            break;
        case WM_TIMER:
            if (wParam == kPreviewTimerId)
                SetDlgItemTextA(window, kPreview, ClockTimeText().c_str());
            break;
        case WM_HOTKEY:
            if (wParam == kClockHotkeyId && IsNewClockHotkeyPress(window, lParam)) StartClockRun();
            break;
        case WM_NCACTIVATE:
            OnActivation(wParam != FALSE);
            break;
        case WM_CLOSE:
            OnClose(window);
            return TRUE;
        case WM_COMMAND:
            OnMainWindowCommand(window, LOWORD(wParam), HIWORD(wParam));
            break;
        case WM_DPICHANGED:
            PostMessageA(window, kScaleChangedMessage, 0, 0);
            break;
        case kScaleChangedMessage:
            FollowNewScale(window);
            break;
        case WM_NCDESTROY:
            if (MainWindowHandle() == window) SetMainWindowHandle(nullptr);
            g_rememberedFocus = nullptr;
            g_previewFont.Reset(); // the preview is gone with the window's children
            // Closed by a message sent from elsewhere, the window is gone
            // while the loop still waits for a posted one: wake it.
            PostMessageA(nullptr, WM_NULL, 0, 0);
            break;
        }
    } catch (...) {
        // Out of memory in a handler: that one command does nothing. Nothing
        // may unwind into the window manager.
    }
    // Every message also gets the default dialog handling.
    return FALSE;
}

} // namespace

HWND BuildMainWindow() {
    DialogTemplate layout = MainWindowTemplate();
    const HWND window = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), layout.Get(), nullptr,
                                                   MainWindowProc, 0);
    if (!window) return nullptr;
    SetMainWindowHandle(window);

    // The colour field is a drawing surface, made here and put in its place
    // in the tab order, right after the control that precedes it in the table.
    HWND previous = HWND_TOP;
    for (const MainWindowRow& row : MainWindowRows()) {
        if (!row.kind) {
            const HWND surface = CreateDrawingSurface(
                window, row.id, row.rect.x, row.rect.y, row.rect.width, row.rect.height,
                row.style & ~(WS_CHILD | WS_VISIBLE), SurfaceLayout::DialogUnits, row.text);
            if (surface)
                SetWindowPos(surface, previous, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        previous = GetDlgItem(window, row.id);
    }
    FillList(window, kClockStyleBox, ClockStyleList());
    FillList(window, kModifierBox, ModifierList());
    FillList(window, kKeyBox, KeyList());
    return window;
}

void GivePreviewFont(HWND window) {
    OwnedFont preview(CreateSansSerifFont(10, FW_BOLD, WindowDpi(window)));
    if (!preview) return;
    const bool again = static_cast<bool>(g_previewFont);
    SendDlgItemMessageA(window, kPreview, WM_SETFONT, reinterpret_cast<WPARAM>(preview.Get()),
                        again);
    // The old font is released once the preview no longer uses it.
    g_previewFont = std::move(preview);
}

void RunMainWindow() {
    const HWND window = MainWindowHandle();
    if (!window) return;
    SendMessageA(window, WM_INITDIALOG, 0, kRunMarker);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // A quit request ends this loop; passed on, as every modal loop does.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
