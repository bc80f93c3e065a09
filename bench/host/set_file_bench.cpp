// Loading a set file and reading every glyph's numbers, as the size of the set
// grows from a hand-recorded 1k points to a hostile 10M. The time per point
// should stay flat: nothing may rescan a line from its start.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>

#include "base/number_text.h"
#include "charset/glyph_fields.h"
#include "charset/set_file.h"
#include "clock/clock_plan.h"

namespace {

// A set file in the writer's syntax with `points` points spread over the 13
// slots, coordinates wandering inside the 230 x 323 cell like a hand.
const std::string& SetFileOf(std::int64_t points) {
    static std::map<std::int64_t, std::string> made;
    std::string& bytes = made[points];
    if (!bytes.empty()) return bytes;
    std::uint32_t seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::int64_t>((seed >> 8) % static_cast<std::uint32_t>(range));
    };
    bytes.reserve(static_cast<std::size_t>(points) * 9);
    for (int slot = 0; slot < kGlyphSlotCount; ++slot) {
        const std::int64_t count = points / kGlyphSlotCount + (slot < points % kGlyphSlotCount);
        for (std::int64_t j = 0; j < count; ++j) {
            if (j > 0) bytes += ", ";
            bytes += FormatNumber(11 + next(194)) + "," + FormatNumber(25 + next(284));
        }
        bytes += "\r\n";
    }
    return bytes;
}

void ReportPerPoint(benchmark::State& state, std::int64_t points) {
    state.counters["points"] = static_cast<double>(points);
    state.counters["time_per_point"] = benchmark::Counter(
        static_cast<double>(points),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// What loading a set does once the file is in memory: split it into the 13
// texts and count its figures.
void BM_LoadSet(benchmark::State& state) {
    const std::string& bytes = SetFileOf(state.range(0));
    for (auto _ : state) {
        const GlyphTexts texts = ParseSetFile(bytes);
        benchmark::DoNotOptimize(CountSetFigures(texts));
    }
    ReportPerPoint(state, state.range(0));
}

// Loading, then reading every number of every glyph once, as playback does.
void BM_LoadAndTokenizeSet(benchmark::State& state) {
    const std::string& bytes = SetFileOf(state.range(0));
    for (auto _ : state) {
        const GlyphTexts texts = ParseSetFile(bytes);
        benchmark::DoNotOptimize(CountSetFigures(texts));
        double sum = 0;
        for (const std::string& text : texts) {
            GlyphFieldReader fields(text);
            for (double value; fields.Next(value);) sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
    ReportPerPoint(state, state.range(0));
}

// Loading, then planning every glyph as a clock run does: the screen point of
// each visited sample at the default height on a 1920 x 1080 screen, with
// acceleration 1 so that every point is visited.
void BM_LoadAndPlanSet(benchmark::State& state) {
    const std::string& bytes = SetFileOf(state.range(0));
    const ClockLayout layout = ComputeClockLayout(kGlyphSlotCount, 323, 1920, 1040);
    for (auto _ : state) {
        const GlyphTexts texts = ParseSetFile(bytes);
        std::int64_t sum = 0;
        for (GlyphSlot slot = 0; slot < kGlyphSlotCount; ++slot) {
            VisitGlyphPoints(texts[slot], CellOrigin(layout, slot), layout.Scale, 1,
                             [&sum](ScreenPoint p) { sum += p.x + p.y; });
        }
        benchmark::DoNotOptimize(sum);
    }
    ReportPerPoint(state, state.range(0));
}

BENCHMARK(BM_LoadSet)->Arg(1'000)->Arg(100'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadAndTokenizeSet)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadAndPlanSet)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
