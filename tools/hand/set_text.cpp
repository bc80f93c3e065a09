// Writing a hand as a set file and checking the written bytes.

#include "hand/set_text.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace hand {
namespace {

// Reads an unsigned decimal number in the writer's form (no sign, no leading zero);
// advances `i`. Returns false if there is none.
bool ReadNumber(const std::string& s, std::size_t& i, int& value) {
    const std::size_t start = i;
    long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < 6) {
        v = v * 10 + (s[i] - '0');
        ++i;
    }
    if (i == start) return false;
    if (s[start] == '0' && i - start > 1) return false;
    if (i < s.size() && s[i] >= '0' && s[i] <= '9') return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

std::string FormatSet(const std::vector<std::vector<IPt>>& glyphs) {
    std::string s;
    for (const auto& g : glyphs) {
        for (std::size_t i = 0; i < g.size(); ++i) {
            if (i > 0) s += ", ";
            s += std::to_string(g[i].x);
            s += ',';
            s += std::to_string(g[i].y);
        }
        s += "\r\n";
    }
    return s;
}

CheckReport CheckSet(const std::string& s, const SetShape& want) {
    CheckReport r;
    r.bytes = s.size();
    std::size_t i = 0;
    int line = 0;
    while (i < s.size()) {
        if (line == kSlots) {
            r.fail("bytes after line 13");
            break;
        }
        std::vector<IPt> pts;
        bool syntaxOk = true;
        while (true) {
            IPt p;
            if (!ReadNumber(s, i, p.x) || i >= s.size() || s[i] != ',') {
                syntaxOk = false;
                break;
            }
            ++i;
            if (!ReadNumber(s, i, p.y)) {
                syntaxOk = false;
                break;
            }
            pts.push_back(p);
            if (i + 1 < s.size() && s[i] == ',' && s[i + 1] == ' ') {
                i += 2;
                continue;
            }
            break;
        }
        if (!syntaxOk || i + 1 >= s.size() || s[i] != '\r' || s[i + 1] != '\n') {
            r.fail("line " + std::to_string(line + 1) + ": not in x,y, x,y form ending CR LF");
            return r;
        }
        i += 2;
        int rep = 0;
        for (std::size_t k = 0; k < pts.size(); ++k) {
            const IPt& p = pts[k];
            if (k > 0 && p == pts[k - 1]) ++rep;
            r.minX = std::min(r.minX, p.x);
            r.maxX = std::max(r.maxX, p.x);
            r.minY = std::min(r.minY, p.y);
            r.maxY = std::max(r.maxY, p.y);
            r.threeDigit += (p.x >= 100) + (p.y >= 100);
            r.numbers += 2;
        }
        r.points[static_cast<std::size_t>(line)] = static_cast<int>(pts.size());
        r.pauses[static_cast<std::size_t>(line)] = rep;
        r.totalPoints += static_cast<int>(pts.size());
        r.totalPauses += rep;
        const auto slot = static_cast<std::size_t>(line);
        if (r.points[slot] != want.points[slot] || r.pauses[slot] != want.pauses[slot])
            r.fail("glyph \"" + std::string(kSlotName[line]) + "\" has " +
                   std::to_string(r.points[slot]) + " points, " + std::to_string(r.pauses[slot]) +
                   " repeated; wants " + std::to_string(want.points[slot]) + ", " +
                   std::to_string(want.pauses[slot]));
        ++line;
    }
    if (line != kSlots) r.fail("file has " + std::to_string(line) + " lines, wants 13");
    const Bounds& b = want.bounds;
    if (r.minX < b.minX || r.maxX > b.maxX || r.minY < b.minY || r.maxY > b.maxY)
        r.fail("coordinates outside x " + std::to_string(b.minX) + ".." + std::to_string(b.maxX) +
               ", y " + std::to_string(b.minY) + ".." + std::to_string(b.maxY));
    if (want.bytes > 0 && r.bytes != static_cast<std::size_t>(want.bytes))
        r.fail("size " + std::to_string(r.bytes) + " bytes, wants " + std::to_string(want.bytes));
    return r;
}

void PrintReport(const char* tool, const CheckReport& r, const SetShape& want) {
    std::fprintf(stderr, "%s: %s\n", tool, r.ok ? "all checks passed" : "CHECK FAILED");
    std::fprintf(stderr, "  bytes %zu", r.bytes);
    if (want.bytes > 0) std::fprintf(stderr, " (want %d)", want.bytes);
    std::fprintf(stderr, "\n  points %d, repeated points %d\n", r.totalPoints, r.totalPauses);
    std::fprintf(stderr, "  numbers %d, three-digit %d\n", r.numbers, r.threeDigit);
    std::fprintf(stderr, "  x %d..%d (allowed %d..%d), y %d..%d (allowed %d..%d)\n", r.minX, r.maxX,
                 want.bounds.minX, want.bounds.maxX, r.minY, r.maxY, want.bounds.minY,
                 want.bounds.maxY);
    std::fprintf(stderr, "  per glyph points/pauses:");
    for (int k = 0; k < kSlots; ++k)
        std::fprintf(stderr, " %s=%d/%d", kSlotName[k], r.points[static_cast<std::size_t>(k)],
                     r.pauses[static_cast<std::size_t>(k)]);
    std::fprintf(stderr, "\n");
    for (const auto& e : r.errors)
        std::fprintf(stderr, "  error: %s\n", e.c_str());
}

// What is on disk must be exactly what was checked: the file is read back.
int WriteSet(const char* tool, const char* path, const std::string& text) {
    if (!path) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    }
    {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(text.data(), static_cast<std::streamsize>(text.size()));
        f.close();
        if (!f) {
            std::fprintf(stderr, "%s: cannot write %s\n", tool, path);
            return 2;
        }
    }
    std::ifstream in(path, std::ios::binary);
    const std::string back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (back != text) {
        std::fprintf(stderr, "%s: %s does not read back as written\n", tool, path);
        return 2;
    }
    std::fprintf(stderr, "%s: wrote %s\n", tool, path);
    return 0;
}

} // namespace hand
