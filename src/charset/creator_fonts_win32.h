#pragma once
// The Creator's two button fonts, made for the window's DPI. Internal to
// src/charset.

#include <windows.h>

#include "charset/creator_window_win32.h"

CreatorFonts MakeCreatorFonts(HWND window);
// Gives slot button `id` a font, from any thread: set without redrawing, then
// the button redrawn at once, on the window's thread.
void SetButtonFont(CreatorWindow& creator, int id, ButtonFont font);
// The window's thread's side of SetButtonFont, on kButtonFontMessage.
inline constexpr UINT kButtonFontMessage = WM_APP + 0x20;
void ApplyButtonFont(CreatorWindow& creator, int id, ButtonFont font);
// After a change of scale: both fonts made again for the window's DPI, every
// slot button that shows one of them given its new one, the old ones released.
void RemakeCreatorFonts(CreatorWindow& creator);

// Gives each view button the highlight font if its slot holds a recording and
// the plain font otherwise. Does nothing when the Creator is not open.
void RefreshViewButtonFonts();
