// A clock plan from arbitrary settings values and an arbitrary recording: no
// undefined behaviour, and the visited points are exactly the ones the
// stepping rule names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "clock/clock_plan.h"

namespace {

std::int32_t TakeInt(const std::uint8_t*& data, std::size_t& size) {
    std::int32_t value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::int32_t n = TakeInt(data, size);
    const std::int32_t height = TakeInt(data, size);
    const std::int32_t workWidth = TakeInt(data, size);
    const std::int32_t workHeight = TakeInt(data, size);
    const std::int32_t acceleration = TakeInt(data, size);
    const std::string_view recording(reinterpret_cast<const char*>(data), size);

    // Both the raw values (a layout must stay defined for anything) and the
    // values a run really uses.
    for (const std::int32_t h : {height, RunHeight(height)}) {
        const ClockLayout layout = ComputeClockLayout(n, h, workWidth, workHeight);
        const ScreenPoint cell = CellOrigin(layout, n % 16);
        const std::int32_t a = RunAcceleration(acceleration);
        const std::vector<ScreenPoint> points = GlyphPoints(recording, cell, layout.Scale, a);

        const std::int64_t fields = FieldCount(recording);
        const std::int64_t step = 2 * static_cast<std::int64_t>(a);
        if (static_cast<std::int64_t>(points.size()) != (fields - 1) / step + 1) std::abort();
        const ScreenPoint first{ScreenCoordinate(cell.x, layout.Scale, FieldValue(recording, 1)),
                                ScreenCoordinate(cell.y, layout.Scale, FieldValue(recording, 2))};
        if (!(points.front() == first)) std::abort();
        OverlayPoint(layout, points.back());
    }
    return 0;
}
