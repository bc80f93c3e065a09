// The two button fonts of the Creator. Both are made when the window is built,
// for the window's DPI, and live as long as the window: every recording and
// load hands the same two to its buttons, so no font is made per recording.
// When the window moves to a display of another scale both are made again.

#include "charset/creator_fonts_win32.h"

#include <utility>

#include "base/text.h"
#include "charset/character_set.h"
#include "charset/creator_layout.h"
#include "charset/creator_open_win32.h"
#include "ui/display_scale_win32.h"
#include "ui/fonts_win32.h"

namespace {

// The slot buttons' place in CreatorWindow::buttonFonts, or -1.
int ButtonIndex(int id) {
    if (id >= kRecordButtonBase && id < kRecordButtonBase + kGlyphSlotCount)
        return id - kRecordButtonBase;
    if (id >= kViewButtonBase && id < kViewButtonBase + kGlyphSlotCount)
        return kGlyphSlotCount + id - kViewButtonBase;
    return -1;
}

int ButtonId(int index) {
    return index < kGlyphSlotCount ? kRecordButtonBase + index
                                   : kViewButtonBase + index - kGlyphSlotCount;
}

HFONT FontFor(const CreatorWindow& creator, ButtonFont font) {
    switch (font) {
    case ButtonFont::Highlight:
        return creator.fonts.highlight.Get();
    case ButtonFont::Plain:
        return creator.fonts.plain.Get();
    case ButtonFont::Window:
        break;
    }
    return reinterpret_cast<HFONT>(SendMessageA(creator.window, WM_GETFONT, 0, 0));
}

void GiveFont(HWND window, int id, HFONT font) {
    const HWND button = GetDlgItem(window, id);
    if (!button || !font) return;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    RedrawWindow(button, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

} // namespace

CreatorFonts MakeCreatorFonts(HWND window) {
    const int dpi = WindowDpi(window);
    CreatorFonts fonts;
    fonts.highlight.Reset(CreateSansSerifFont(10, FW_BOLD, dpi));
    fonts.plain.Reset(CreateSansSerifFont(8, FW_NORMAL, dpi));
    return fonts;
}

void SetButtonFont(CreatorWindow& creator, int id, ButtonFont font) {
    SendMessageA(creator.window, kButtonFontMessage, static_cast<WPARAM>(id),
                 static_cast<LPARAM>(font));
}

void ApplyButtonFont(CreatorWindow& creator, int id, ButtonFont font) {
    const int index = ButtonIndex(id);
    if (index < 0) return;
    creator.buttonFonts[static_cast<std::size_t>(index)] = font;
    GiveFont(creator.window, id, FontFor(creator, font));
}

void RemakeCreatorFonts(CreatorWindow& creator) {
    CreatorFonts fresh = MakeCreatorFonts(creator.window);
    if (!fresh.highlight || !fresh.plain) return; // the old ones serve on
    // The old fonts stay alive until no button shows them any more.
    const CreatorFonts old = std::exchange(creator.fonts, std::move(fresh));
    for (std::size_t index = 0; index < creator.buttonFonts.size(); ++index)
        if (creator.buttonFonts[index] != ButtonFont::Window)
            GiveFont(creator.window, ButtonId(static_cast<int>(index)),
                     FontFor(creator, creator.buttonFonts[index]));
}

void RefreshViewButtonFonts() {
    CreatorWindow* creator = OpenCreator();
    if (!creator || creator->destroyed) return;
    for (int slot = 0; slot < kGlyphSlotCount; ++slot) {
        const bool recorded = !TrimBlanks(ProgramCharacterSet().Slot(slot)).empty();
        SetButtonFont(*creator, kViewButtonBase + slot,
                      recorded ? ButtonFont::Highlight : ButtonFont::Plain);
    }
}
