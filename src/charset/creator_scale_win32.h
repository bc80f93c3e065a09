#pragma once
// Where the Creator's drawing area lies at the display's scale. Internal to
// src/charset.

#include <windows.h>

#include "charset/creator_window_win32.h"

// The drawing area as it is now.
AreaGeometry AreaNow(const CreatorWindow& creator);
// Measures the area where its control lies now and stores it.
void MeasureArea(CreatorWindow& creator);
// After the window has been scaled to another DPI (the system scales the
// dialog and its controls first): fonts, the drawing area's picture and the
// area's geometry made again for the new scale.
inline constexpr UINT kScaleChangedMessage = WM_APP + 0x21;
void FollowNewScale(CreatorWindow& creator);
