// The Character Creator window: built in memory, laid out in dialog units of
// "MS Sans Serif" 8 pt, run modally over its owner with a message loop of its
// own, so that its keyboard table works and the owner's timer and hot key
// messages are still dispatched.

#include "charset/creator_window.h"

#include <vector>

#include "charset/character_set.h"
#include "charset/creator_commands_win32.h"
#include "charset/creator_fonts_win32.h"
#include "charset/creator_layout.h"
#include "charset/creator_open_win32.h"
#include "charset/creator_scale_win32.h"
#include "charset/creator_state.h"
#include "charset/creator_window_win32.h"
#include "charset/recording_win32.h"
#include "ui/dialog_template_win32.h"
#include "ui/drawing_surface.h"

namespace {

// The window's template: no controls (they are added once the window's
// dialog-unit metrics are known), the caption, and the dialog font.
DialogTemplate CreatorTemplate() {
    return DialogTemplate(kCreatorCaption, kCreatorStyle, WS_EX_CONTROLPARENT,
                          {kCreatorX, kCreatorY, kCreatorWidth, kCreatorHeight}, kCreatorFontFace,
                          kCreatorFontPoints);
}

RECT ToPixels(HWND window, DialogRect rect) {
    RECT pixels{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
    MapDialogRect(window, &pixels);
    return pixels;
}

void AddControl(HWND window, const char* className, const char* text, DWORD style,
                DialogRect rect, int id) {
    const RECT at = ToPixels(window, rect);
    const HWND control = CreateWindowExA(
        0, className, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.right - at.left,
        at.bottom - at.top, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleA(nullptr), nullptr);
    if (control) SendMessageA(control, WM_SETFONT, SendMessageA(window, WM_GETFONT, 0, 0), FALSE);
}

void AddButton(HWND window, const char* text, DialogRect rect, int id) {
    AddControl(window, "BUTTON", text, WS_TABSTOP | BS_PUSHBUTTON, rect, id);
}

// The drawing area, and where it lies in pixels.
void AddDrawingArea(CreatorWindow& creator) {
    const DialogRect area = kDrawingAreaRect;
    CreateDrawingSurface(creator.window, kDrawingAreaId, area.x, area.y, area.width, area.height,
                         WS_BORDER | SS_NOTIFY, SurfaceLayout::DialogUnits, "Drawing area");
    MeasureArea(creator);
}

void BuildCreator(CreatorWindow& creator, HWND window) {
    creator.window = window;
    AddDrawingArea(creator);
    for (int slot = 0; slot < kGlyphSlotCount; ++slot)
        AddButton(window, SlotLabel(slot).c_str(), RecordButtonRect(slot),
                  kRecordButtonBase + slot);
    for (int slot = 0; slot < kGlyphSlotCount; ++slot)
        AddButton(window, SlotLabel(slot).c_str(), ViewButtonRect(slot), kViewButtonBase + slot);
    AddControl(window, "STATIC", "", SS_LEFT, kHelpTextRect, kHelpTextId);
    SetDlgItemTextA(window, kHelpTextId, kCreatorHelpText);
    for (const CommandButton& button : kCommandButtons)
        AddButton(window, button.text, button.rect, button.id);
    creator.accelerators.Reset(CreatorAccelerators());
    creator.fonts = MakeCreatorFonts(window);
    RefreshViewButtonFonts();
    if (HICON icon = LoadIconA(GetModuleHandleA(nullptr), "0L"))
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    PublishOpenCreatorWindow(window);
}

// Focus memory: the control that had the focus when the window was left gets
// it back when the window is activated again.
void OnActivate(CreatorWindow& creator, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(creator.window, focus)) creator.rememberedFocus = focus;
    } else if (creator.rememberedFocus) {
        if (IsWindow(creator.rememberedFocus)) SetFocus(creator.rememberedFocus);
        creator.rememberedFocus = nullptr;
    }
}

// Ends the window at once: a running recording is stopped and waited for, the
// owner is enabled again, and the window is destroyed.
void EndCreator(CreatorWindow& creator) {
    if (creator.closing.exchange(true)) return;
    StopRecording(ProgramCreatorState());
    WaitForRecordingTask(creator);
    // The owner first, so that it is the window activated when this one goes.
    if (creator.ownerDisabled) EnableWindow(creator.owner, TRUE);
    creator.ownerDisabled = false;
    DestroyWindow(creator.window);
}

void OnCommand(CreatorWindow& creator, int id) {
    if (id >= kRecordButtonBase && id < kRecordButtonBase + kGlyphSlotCount) {
        StartRecording(creator, id - kRecordButtonBase);
    } else if (id >= kViewButtonBase && id < kViewButtonBase + kGlyphSlotCount) {
        ShowGlyph(creator, id - kViewButtonBase);
    } else if (id == kStopRecordingId || id == kDrawingAreaId) {
        StopRecording(ProgramCreatorState());
    } else if (id == kNewSetId) {
        NewSetCommand(creator);
    } else if (id == kLoadSetId) {
        LoadSetCommand(creator);
    } else if (id == kSaveSetId) {
        SaveSetCommand(creator);
    } else if (id == kQuitEditorId) {
        EndCreator(creator);
    }
}

INT_PTR CALLBACK CreatorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CreatorWindow* creator = OpenCreator();
    if (!creator) return FALSE;
    try {
        switch (message) {
        case WM_INITDIALOG:
            BuildCreator(*creator, window);
            return TRUE;
        case WM_COMMAND:
            // Clicks and keys only: 0 is a click (or a click in the area), 1 a key
            // of the table (or a double click in the area).
            if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) OnCommand(*creator, LOWORD(wParam));
            return TRUE;
        case WM_ACTIVATE:
            OnActivate(*creator, wParam);
            return TRUE;
        case kButtonFontMessage:
            ApplyButtonFont(*creator, static_cast<int>(wParam), static_cast<ButtonFont>(lParam));
            return TRUE;
        case WM_DPICHANGED:
            // The system scales the dialog, its controls and their fonts when
            // this returns; what the program made itself follows after that.
            PostMessageA(window, kScaleChangedMessage, 0, 0);
            return FALSE;
        case kScaleChangedMessage:
            FollowNewScale(*creator);
            return TRUE;
        case WM_CLOSE:
            EndCreator(*creator);
            return TRUE;
        case WM_DESTROY:
            // However the window goes, no recording outlives it.
            StopRecording(ProgramCreatorState());
            WaitForRecordingTask(*creator);
            return FALSE;
        case WM_NCDESTROY:
            PublishOpenCreatorWindow(nullptr);
            creator->destroyed = true;
            return FALSE;
        }
    } catch (...) {
        // Nothing may unwind into the window manager.
    }
    return FALSE;
}

}  // namespace

HWND CreatorWindowHandle() {
    return OpenCreatorWindow();
}

HACCEL CreatorAccelerators() {
    std::vector<ACCEL> table;
    for (const CreatorKey& key : kCreatorKeys)
        table.push_back({FVIRTKEY, key.virtualKey, key.command});
    return CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}

void RunCreatorDialog(HWND owner) {
    CreatorWindow creator;
    if (!ClaimOpenCreator(creator)) return;
    creator.owner = owner;
    // EnableWindow tells whether the window was disabled before.
    creator.ownerDisabled = owner && !EnableWindow(owner, FALSE);

    DialogTemplate layout = CreatorTemplate();
    const HWND window =
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr), layout.Get(), owner, CreatorProc, 0);
    if (window) {
        MSG message;
        while (!creator.destroyed) {
            const BOOL got = GetMessageA(&message, nullptr, 0, 0);
            if (got == 0) {
                // The program is ending: leave the quit for the loop outside.
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            if (got == -1) break;
            DispatchCreatorMessage(creator, message);
        }
        if (!creator.destroyed) EndCreator(creator);
    }
    if (creator.ownerDisabled) EnableWindow(owner, TRUE);
    ReleaseOpenCreator();
}
