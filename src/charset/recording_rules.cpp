#include "charset/recording_rules.h"

#include <algorithm>
#include <limits>

#include "base/number_text.h"

namespace {

std::string PairText(RecordedPoint sample) {
    return FormatNumber(sample.x) + "," + FormatNumber(sample.y);
}

// Whether a text has more than four fields, reading no further than the fifth.
bool HasFiveFields(std::string_view text) {
    GlyphFieldReader reader(text);
    std::string_view field;
    int count = 0;
    while (count < 5 && reader.NextField(field)) ++count;
    return count == 5;
}

std::int64_t FloorDivide(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    return numerator % denominator != 0 && numerator < 0 ? quotient - 1 : quotient;
}

// value x to / from, rounded half to even; unscaled when either size is not
// positive. Exact for whole results: the product is exact in a double.
std::int32_t Rescale(std::int32_t value, std::int32_t to, std::int32_t from) {
    if (to <= 0 || from <= 0 || to == from) return value;
    return RoundHalfEven(static_cast<double>(value) * to / from);
}

std::int32_t UnitsInside(std::int32_t units, std::int32_t size96) {
    return size96 >= 2 ? std::clamp(units, 1, size96 - 1) : units;
}

}  // namespace

std::string SampleText(RecordedPoint sample) {
    return PairText(sample);
}

bool InsideArea(RecordedPoint sample, std::int32_t width, std::int32_t height) {
    return sample.x > 0 && sample.x < width && sample.y > 0 && sample.y < height;
}

RecordedPoint PixelsToRecordingUnits(const AreaScale& area, RecordedPoint pixels, bool inside) {
    RecordedPoint units{Rescale(pixels.x, area.width96, area.width),
                        Rescale(pixels.y, area.height96, area.height)};
    if (inside) units = {UnitsInside(units.x, area.width96), UnitsInside(units.y, area.height96)};
    return units;
}

RecordedPoint RecordingUnitsToPixels(const AreaScale& area, RecordedPoint units) {
    return {Rescale(units.x, area.width, area.width96),
            Rescale(units.y, area.height, area.height96)};
}

std::int32_t PixelsToDialogUnitsAxis(std::int32_t pixels, std::int32_t pixelsPer1024Units) {
    if (pixelsPer1024Units <= 0) return 0;
    const std::int64_t scaled = std::int64_t{pixels} * 1024;
    const std::int64_t measure = pixelsPer1024Units;
    // Zero and up: nearest, halves up, which is floor((2a + b) / 2b).
    const std::int64_t units = pixels >= 0 ? FloorDivide(2 * scaled + measure, 2 * measure)
                                           : FloorDivide(scaled, measure);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        units, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

ShownGlyphPoints::ShownGlyphPoints(std::string_view text)
    : reader_(text), drawable_(HasFiveFields(text)) {}

bool ShownGlyphPoints::Next(RecordedPoint& point) {
    if (!drawable_) return false;
    double x = 0;
    double y = 0;
    if (!reader_.Next(x)) return false;
    if (!reader_.Next(y)) y = 0;
    point = {RoundHalfEven(x), RoundHalfEven(y)};
    return true;
}
