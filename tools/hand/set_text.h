#pragma once
// A hand written as a set file, in the program's own syntax ("x,y, x,y" lines
// each ending CR LF), an independent check of the written bytes, and writing them.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "hand/hands.h"

namespace hand {

std::string FormatSet(const std::vector<std::vector<IPt>>& glyphs);

// What the bytes must hold: per-glyph points and repeated points, every point
// inside `bounds`, and, when `bytes` > 0, exactly that many bytes.
struct SetShape {
    std::array<int, kSlots> points{}, pauses{};
    Bounds bounds{};
    int bytes = 0;
};

struct CheckReport {
    bool ok = true;
    std::vector<std::string> errors;
    std::array<int, kSlots> points{}, pauses{};
    int totalPoints = 0, totalPauses = 0, threeDigit = 0, numbers = 0;
    int minX = 1 << 30, maxX = -(1 << 30), minY = 1 << 30, maxY = -(1 << 30);
    std::size_t bytes = 0;
    void fail(const std::string& e) {
        ok = false;
        errors.push_back(e);
    }
};

// Reads the bytes from scratch rather than trusting the generator's own numbers:
// syntax, line ends, counts, pauses, bounds, size.
CheckReport CheckSet(const std::string& s, const SetShape& want);

// The figures and any errors, on standard error, after the tool's name.
void PrintReport(const char* tool, const CheckReport& r, const SetShape& want);

// Writes the checked bytes to `path` (created or replaced) and reads them back,
// or, with no path, to standard output. Gives the tool's exit status: 0, or 2
// when the bytes could not be written.
int WriteSet(const char* tool, const char* path, const std::string& text);

} // namespace hand
