#pragma once
// The program's one typeface, "MS Sans Serif", at a size in points.

#include <windows.h>

// A new font of `points` points and `weight` (FW_NORMAL, FW_BOLD). The height
// is -(LOGPIXELSY x points) / 72, truncated, read from the screen each time so
// that a changed DPI setting is followed. The caller owns the font.
HFONT CreateSansSerifFont(int points, int weight);
