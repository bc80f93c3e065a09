#pragma once
// How sizes follow the display's scale (its pixels per inch, 96 at 100 %):
// font heights, the dialog manager's units, and pixels counted at 96 DPI.

#include <cstdint>

inline constexpr std::int32_t kBaseDpi = 96;

// a x b / c, rounded to the nearest integer with halves away from zero, as
// MulDiv rounds; saturates at the 32-bit limits, and gives -1 when c is 0 as
// MulDiv does.
std::int32_t MulDivRounded(std::int32_t a, std::int32_t b, std::int32_t c);

// The height of one of the program's own fonts: -(dpi x points) / 72,
// truncated toward zero (-10 for 8 pt and -13 for 10 pt at 96 DPI).
std::int32_t FontHeightAt(std::int32_t points, std::int32_t dpi);

// The height the dialog manager gives a dialog's font: -MulDiv(points, dpi,
// 72) (-11 for 8 pt at 96 DPI).
std::int32_t DialogFontHeightAt(std::int32_t points, std::int32_t dpi);

// A dialog's horizontal base unit from the width in pixels of the 52 letters
// "A".."Z" "a".."z" in its font: the average letter width, rounded.
std::int32_t DialogBaseUnitX(std::int32_t alphabetWidth);

// Dialog units to pixels along one axis, as MapDialogRect converts them: a
// horizontal unit is a quarter of the base unit, a vertical one an eighth.
std::int32_t DialogUnitsToPixelsX(std::int32_t units, std::int32_t baseUnitX);
std::int32_t DialogUnitsToPixelsY(std::int32_t units, std::int32_t baseUnitY);

// Pixels counted at 96 DPI as pixels of a display at `dpi`, rounded as MulDiv
// rounds: 323 at 144 DPI is 485. A DPI of zero or less counts as 96.
std::int32_t PixelsAtDpi(std::int32_t pixels96, std::int32_t dpi);
