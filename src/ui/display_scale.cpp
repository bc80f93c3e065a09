#include "ui/display_scale.h"

#include "base/number_text.h"

std::int32_t MulDivRounded(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t divisor = c;
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t by = divisor < 0 ? -divisor : divisor;
    const std::int64_t rounded = magnitude / by + (2 * (magnitude % by) >= by ? 1 : 0);
    return SaturateToInt32((product < 0) != (divisor < 0) ? -rounded : rounded);
}

std::int32_t FontHeightAt(std::int32_t points, std::int32_t dpi) {
    return SaturateToInt32(-(std::int64_t{dpi} * points) / 72);
}

std::int32_t DialogFontHeightAt(std::int32_t points, std::int32_t dpi) {
    return SaturateToInt32(-std::int64_t{MulDivRounded(points, dpi, 72)});
}

std::int32_t DialogBaseUnitX(std::int32_t alphabetWidth) {
    return (alphabetWidth / 26 + 1) / 2;
}

std::int32_t DialogUnitsToPixelsX(std::int32_t units, std::int32_t baseUnitX) {
    return MulDivRounded(units, baseUnitX, 4);
}

std::int32_t DialogUnitsToPixelsY(std::int32_t units, std::int32_t baseUnitY) {
    return MulDivRounded(units, baseUnitY, 8);
}

std::int32_t PixelsAtDpi(std::int32_t pixels96, std::int32_t dpi) {
    return dpi > 0 ? MulDivRounded(pixels96, dpi, kBaseDpi) : pixels96;
}
