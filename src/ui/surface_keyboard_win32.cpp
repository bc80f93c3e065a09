// A drawing surface that is a tab stop and reports clicks (the trails colour
// field) works from the keyboard as a button does: Space or Enter clicks it,
// and it shows a focus rectangle while it has the focus.

#include "ui/surface_state_win32.h"

namespace {

bool IsClickKey(WPARAM key) {
    return key == VK_SPACE || key == VK_RETURN;
}

} // namespace

bool TakesKeyboard(HWND control) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    return (style & WS_TABSTOP) && (style & SS_NOTIFY);
}

LRESULT KeyboardDialogCode(const MSG* message) {
    // Only the click keys: Tab and the rest stay the dialog's, and Enter
    // clicks the field rather than the dialog's default.
    const bool click = message && message->message == WM_KEYDOWN && IsClickKey(message->wParam);
    return click ? DLGC_WANTMESSAGE : 0;
}

bool ClickByKey(HWND control, WPARAM key, LPARAM flags) {
    if (!IsClickKey(key)) return false;
    constexpr LPARAM kRepeat = 1 << 30; // the key was already down
    if (!(flags & kRepeat))
        SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), STN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    return true;
}

void DrawFocusCue(HWND control, HDC target, const RECT& area) {
    // The focus belongs to the window's own thread; a surface drawn from
    // another thread never has it. Until the keyboard is used the window may
    // hide focus rectangles, as every dialog does.
    if (!TakesKeyboard(control) || GetFocus() != control ||
        (SendMessageA(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        return;
    RECT cue{};
    GetClientRect(control, &cue);
    InflateRect(&cue, -1, -1);
    // A dotted rectangle drawn by inverting: only over the part just copied
    // from the bitmap, so that it is never inverted twice.
    const int saved = SaveDC(target);
    IntersectClipRect(target, area.left, area.top, area.right, area.bottom);
    DrawFocusRect(target, &cue);
    RestoreDC(target, saved);
}
