#include "ui/surface_scale.h"

#include "base/number_text.h"

namespace {
float AxisScale(int pixels, int units) {
    // A control of -1 units would divide by zero; such a control is empty anyway.
    const int divisor = units + 1;
    return divisor > 0 ? static_cast<float>(pixels) / static_cast<float>(divisor) : 0.0f;
}
}  // namespace

SurfaceScale PixelScale() {
    return {};
}

SurfaceScale DialogUnitScale(int clientWidthPixels, int clientHeightPixels, int widthUnits,
                             int heightUnits) {
    return {false, AxisScale(clientWidthPixels, widthUnits),
            AxisScale(clientHeightPixels, heightUnits)};
}

std::int32_t ScaleX(const SurfaceScale& scale, std::int32_t c) {
    return scale.pixels ? c : RoundHalfEven(static_cast<double>(c) * scale.x);
}

std::int32_t ScaleY(const SurfaceScale& scale, std::int32_t c) {
    return scale.pixels ? c : RoundHalfEven(static_cast<double>(c) * scale.y);
}
