#pragma once
// The rules of recording and showing a glyph that need no window: how samples
// become a recording's text, which samples the drawing area keeps, how the
// Creator's pixels become its dialog units, and which points a view draws.

#include <cstdint>
#include <string>
#include <string_view>

#include "charset/glyph_fields.h"

// A cursor position in whole pixels relative to the drawing area's top-left
// corner, or a drawing position in dialog units: x to the right, y downwards.
struct RecordedPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const RecordedPoint&) const = default;
};

// A sample as the recording stores it: "x,y" in plain decimal. The first one
// replaces the slot's text; each later one is appended after ", ".
std::string SampleText(RecordedPoint sample);

// A sample is kept when it lies strictly inside an area of the given size:
// the edges themselves are outside.
bool InsideArea(RecordedPoint sample, std::int32_t width, std::int32_t height);

// Recordings are stored in units of the drawing area as it measures at 96
// DPI, so that a character drawn across the whole area has the same size at
// every display scale. Per axis, a unit is the area's size at 96 DPI over its
// size now; at 96 DPI units and pixels are the same numbers.
struct AreaScale {
    std::int32_t width = 0; // the area now, in pixels
    std::int32_t height = 0;
    std::int32_t width96 = 0; // the area at 96 DPI
    std::int32_t height96 = 0;
};

// A sample's pixels (relative to the area's top-left corner) in recording
// units, each axis rounded half to even. A first sample keeps its place
// wherever it lies; `inside` is for a sample that lies inside the area, whose
// units are then kept strictly inside the area's 96-DPI size too (at high
// scales a pixel next to an edge can round onto the edge). An axis with a
// size of zero or less is not scaled.
RecordedPoint PixelsToRecordingUnits(const AreaScale& area, RecordedPoint pixels,
                                     bool inside = false);

// Recording units as pixels of the area as it is now, rounded half to even:
// where a stored point lies on the screen.
RecordedPoint RecordingUnitsToPixels(const AreaScale& area, RecordedPoint units);

// One axis of a pixel position in dialog units, given how many pixels 1024
// dialog units measure on that axis: pixels x 1024 / pixelsPer1024Units,
// rounded to the nearest whole unit with halves up for zero and positive
// pixels, and down (toward minus infinity) for negative pixels whenever the
// division is not exact. A measure of zero or less gives 0; the result
// saturates at the 32-bit limits.
std::int32_t PixelsToDialogUnitsAxis(std::int32_t pixels, std::int32_t pixelsPer1024Units);

// The points a view of a recording draws, read front to back in one pass:
// the point (field 1, field 2), then (field k, field k + 1) for k = 3, 5, ...
// up to the last field, a missing last y reading 0; every number rounded half
// to even. A text of four fields or fewer draws nothing. The text must outlive
// the walker.
class ShownGlyphPoints {
public:
    explicit ShownGlyphPoints(std::string_view text);

    // False when the text holds too few fields to be drawn.
    bool Drawable() const { return drawable_; }

    // The next point; false when there is none (always, for a text that is
    // not drawable).
    bool Next(RecordedPoint& point);

private:
    GlyphFieldReader reader_;
    bool drawable_;
};
