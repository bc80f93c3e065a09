// The two button fonts of the Creator. Both are made when the window is built,
// from the screen's pixels per inch at that moment, and live as long as the
// window: every recording and load hands the same two to its buttons, so no
// font is made per recording.

#include "base/text.h"
#include "charset/character_set.h"
#include "charset/creator_layout.h"
#include "charset/creator_window.h"
#include "charset/creator_window_win32.h"
#include "ui/fonts_win32.h"

CreatorFonts MakeCreatorFonts() {
    CreatorFonts fonts;
    fonts.highlight.Reset(CreateSansSerifFont(10, FW_BOLD));
    fonts.plain.Reset(CreateSansSerifFont(8, FW_NORMAL));
    return fonts;
}

void SetButtonFont(HWND window, int id, HFONT font) {
    const HWND button = GetDlgItem(window, id);
    if (!button || !font) return;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    RedrawWindow(button, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void RefreshViewButtonFonts() {
    CreatorWindow* creator = OpenCreator();
    if (!creator || creator->destroyed) return;
    for (int slot = 0; slot < kGlyphSlotCount; ++slot) {
        const bool recorded = !TrimBlanks(ProgramCharacterSet().Slot(slot).View()).empty();
        SetButtonFont(creator->window, kViewButtonBase + slot,
                      recorded ? creator->fonts.highlight.Get() : creator->fonts.plain.Get());
    }
}
