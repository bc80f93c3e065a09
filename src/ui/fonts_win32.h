#pragma once
// The program's one typeface, "MS Sans Serif", at a size in points.

#include <windows.h>

// A new font of `points` points and `weight` (FW_NORMAL, FW_BOLD) for a
// display of `dpi` (WindowDpi of the window it is for): its height is
// -(dpi x points) / 72, truncated. The caller owns the font.
HFONT CreateSansSerifFont(int points, int weight, int dpi);
