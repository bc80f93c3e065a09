// render-set: draws a character set file as an SVG picture.
//
// Usage:  render-set FILE.set [--time TEXT] [--dots] [-o OUT.svg]
//         render-set FILE.set --list
//   Without --time: the 13 glyphs in a 7 + 6 grid of 230 x 323 cells, each cell
//   outlined, the glyph drawn as one line through its points, a label under each cell.
//   With --time: the characters of TEXT in adjacent cells, as the clock lays them out
//   (cell i has its origin at x = (i - 1) * 230, scale 1). TEXT may hold the
//   characters 0-9 : A P; blanks and "M" are dropped as the clock drops them, so
//   "12:34", "9:05", "1205", "12:05P" and "12:05 PM" all work (a and p also do).
//   --dots marks every recorded point with a small dot.
//   -o writes the SVG to OUT.svg instead of standard output.
//   --list prints, instead of a picture, each slot's points as read (one line per slot:
//   the slot number, the point count of the text, then the points), for checking a
//   file or the reading rules.
//
// The file is read with the clock's own code (the core library), so it is read exactly
// as the clock reads set files, and nothing is rejected:
//   - a line ends at CR, and a LF right after that CR belongs to the line end; a LF on
//     its own stays in the text; byte 26 ends the file; only the first 13 lines count,
//     missing lines are empty glyphs;
//   - fields are separated by commas; blanks before a field are skipped; a field that
//     begins with a double quote runs to the next double quote (commas inside do not
//     separate); a field's value is the number at its start after blanks, tabs and line
//     feeds (sign, digits, one decimal point, exponent, or an "&H"/"&O"/"&B" radix
//     literal), 0 when there is none;
//   - point j is fields 2j+1 (x) and 2j+2 (y), rounded to whole units with halves to
//     even; like the clock, a trailing x without a y gets y = 0, and an empty line is a
//     single point at the cell's corner.
// Values are clamped to +-1e6 for drawing so that absurd numbers cannot upset the SVG.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "base/text.h"
#include "charset/glyph_fields.h"
#include "charset/set_file.h"

namespace {

constexpr int kSlots = kGlyphSlotCount;
constexpr int kCellW = 230, kCellH = 323;
constexpr const char* kSlotLabel[kSlots] = {"0", "1", "2", "3", "4",  "5", "6",
                                            "7", "8", "9", ":", "AM", "PM"};

struct Point {
    double x, y;
};

// A value as the clock turns it into a whole unit (halves to even, saturated),
// then held within +-1e6 so that absurd numbers cannot upset the SVG.
double Drawn(double value) {
    return std::clamp<std::int32_t>(RoundHalfEven(value), -1'000'000, 1'000'000);
}

// The points the clock visits for a glyph text (every point, acceleration 1).
std::vector<Point> GlyphPoints(std::string_view text) {
    std::vector<Point> pts;
    GlyphFieldReader fields(text);
    for (double x; fields.Next(x);) {
        double y = 0;  // a trailing x without a y
        fields.Next(y);
        pts.push_back({Drawn(x), Drawn(y)});
    }
    return pts;
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

std::string Escape(const std::string& s) {
    std::string o;
    for (unsigned char c : s) {
        switch (c) {
        case '&': o += "&amp;"; break;
        case '<': o += "&lt;"; break;
        case '>': o += "&gt;"; break;
        case '"': o += "&quot;"; break;
        default:
            if (c >= 32 && c < 127) o += static_cast<char>(c);
            else o += '?';
        }
    }
    return o;
}

std::string Num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
}

// Appends one glyph drawn in the cell whose origin is (ox, oy).
void DrawGlyph(std::string& svg, const std::vector<Point>& pts, double ox, double oy, bool dots) {
    if (pts.size() == 1) {
        svg += "<circle cx=\"" + Num(ox + pts[0].x) + "\" cy=\"" + Num(oy + pts[0].y) +
               "\" r=\"2.5\" fill=\"#123\"/>\n";
    } else {
        svg += std::string("<polyline fill=\"none\" stroke=\"") + (dots ? "#9ab" : "#123") +
               "\" stroke-width=\"4\" "
               "stroke-linejoin=\"round\" stroke-linecap=\"round\" points=\"";
        for (const Point& p : pts) svg += Num(ox + p.x) + "," + Num(oy + p.y) + " ";
        svg += "\"/>\n";
    }
    if (dots) {
        svg += "<g fill=\"#c12\">";
        for (const Point& p : pts)
            svg += "<circle cx=\"" + Num(ox + p.x) + "\" cy=\"" + Num(oy + p.y) + "\" r=\"2\"/>";
        svg += "</g>\n";
        // the first point, where the hand starts
        svg += "<circle cx=\"" + Num(ox + pts[0].x) + "\" cy=\"" + Num(oy + pts[0].y) +
               "\" r=\"4\" fill=\"none\" stroke=\"#2a4\" stroke-width=\"1.5\"/>\n";
    }
}

int SlotOf(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c == ':') return 10;
    if (c == 'A' || c == 'a') return 11;
    if (c == 'P' || c == 'p') return 12;
    return -1;
}

int Usage() {
    std::fprintf(stderr, "usage: render-set FILE.set [--time TEXT] [--dots] [-o OUT.svg]\n"
                         "       render-set FILE.set --list\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string input, output, timeText;
    bool haveTime = false, dots = false, list = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--time" && i + 1 < argc) {
            timeText = argv[++i];
            haveTime = true;
        } else if (a == "-o" && i + 1 < argc) {
            output = argv[++i];
        } else if (a == "--dots") {
            dots = true;
        } else if (a == "--list") {
            list = true;
        } else if (!a.empty() && a[0] != '-' && input.empty()) {
            input = a;
        } else {
            return Usage();
        }
    }
    if (input.empty()) return Usage();

    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "render-set: cannot open %s\n", input.c_str());
        return 1;
    }
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const GlyphTexts lines = ParseSetFile(data);

    if (list) {
        for (int s = 0; s < kSlots; ++s) {
            const std::string& text = lines[static_cast<std::size_t>(s)];
            const std::vector<Point> pts = GlyphPoints(text);
            // PointCount: whole pairs of fields; the drawn points may add a dangling x
            std::printf("%d %lld%s:", s, static_cast<long long>(PointCount(text)),
                        IsBlank(text) ? " empty" : "");
            for (const Point& p : pts) std::printf(" %s,%s", Num(p.x).c_str(), Num(p.y).c_str());
            std::printf("\n");
        }
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    std::string svg;
    const int margin = 20, labelH = 40;
    if (haveTime) {
        std::vector<int> slots;
        for (char c : timeText) {
            if (c == ' ' || c == 'M' || c == 'm') continue;
            const int s = SlotOf(c);
            if (s < 0) {
                std::fprintf(stderr, "render-set: --time may hold only 0-9 : A P (got '%c')\n", c);
                return 2;
            }
            slots.push_back(s);
        }
        if (slots.empty()) {
            std::fprintf(stderr, "render-set: --time text has no characters to draw\n");
            return 2;
        }
        const int w = static_cast<int>(slots.size()) * kCellW + 2 * margin;
        const int h = kCellH + 2 * margin;
        svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(w) +
               "\" height=\"" + std::to_string(h) + "\" viewBox=\"" + std::to_string(-margin) +
               " " + std::to_string(-margin) + " " + std::to_string(w) + " " +
               std::to_string(h) + "\">\n";
        svg += "<title>" + Escape(input) + " " + Escape(timeText) + "</title>\n";
        svg += "<rect x=\"" + std::to_string(-margin) + "\" y=\"" + std::to_string(-margin) +
               "\" width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const int ox = static_cast<int>(i) * kCellW;
            svg += "<rect x=\"" + std::to_string(ox) + "\" y=\"0\" width=\"230\" height=\"323\" "
                   "fill=\"none\" stroke=\"#ccd\" stroke-width=\"1\"/>\n";
            DrawGlyph(svg, GlyphPoints(lines[static_cast<std::size_t>(slots[i])]), ox, 0, dots);
        }
    } else {
        const int cols = 7, gap = 20;
        const int w = cols * kCellW + (cols - 1) * gap + 2 * margin;
        const int h = 2 * (kCellH + labelH) + gap + 2 * margin;
        svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(w) +
               "\" height=\"" + std::to_string(h) + "\" viewBox=\"0 0 " + std::to_string(w) +
               " " + std::to_string(h) + "\">\n";
        svg += "<title>" + Escape(input) + "</title>\n";
        svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
        for (int s = 0; s < kSlots; ++s) {
            const int ox = margin + (s % cols) * (kCellW + gap);
            const int oy = margin + (s / cols) * (kCellH + labelH + gap);
            const std::string& text = lines[static_cast<std::size_t>(s)];
            const std::vector<Point> pts = GlyphPoints(text);
            svg += "<rect x=\"" + std::to_string(ox) + "\" y=\"" + std::to_string(oy) +
                   "\" width=\"230\" height=\"323\" fill=\"none\" stroke=\"#aab\" "
                   "stroke-width=\"1.5\"/>\n";
            DrawGlyph(svg, pts, ox, oy, dots);
            std::string label = std::string(kSlotLabel[s]) + "   (";
            label += IsBlank(text) ? "empty" : std::to_string(pts.size()) + " points";
            label += ")";
            svg += "<text x=\"" + std::to_string(ox + kCellW / 2) + "\" y=\"" +
                   std::to_string(oy + kCellH + 28) +
                   "\" font-family=\"sans-serif\" font-size=\"20\" text-anchor=\"middle\" "
                   "fill=\"#334\">" +
                   Escape(label) + "</text>\n";
        }
    }
    svg += "</svg>\n";

    if (output.empty()) {
        std::fwrite(svg.data(), 1, svg.size(), stdout);
        if (std::fflush(stdout) != 0) return 1;
    } else {
        std::ofstream out(output, std::ios::binary | std::ios::trunc);
        out.write(svg.data(), static_cast<std::streamsize>(svg.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "render-set: cannot write %s\n", output.c_str());
            return 1;
        }
    }
    return 0;
}
