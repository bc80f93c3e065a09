#pragma once
// The hand model shared by every generated handwriting set: a glyph is a few
// spline strokes in a design box, joined into one continuous mouse path, timed
// like a hand (slower in curves and into corners), sampled every 10 ms, given a
// little tremor, rounded, with pauses at the start, at corners and at the end.
//
// Everything is deterministic: fixed seeds, a small private PRNG, no clock, no
// standard random distributions.

#include <cmath>
#include <cstdint>
#include <vector>

namespace hand {

constexpr double kPi = 3.14159265358979323846;

// Small deterministic PRNG (splitmix64).
struct Rng {
    std::uint64_t s;
    explicit Rng(std::uint64_t seed) : s(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-a, a).
    double sym(double a) { return (2.0 * unit() - 1.0) * a; }
};

struct Pt {
    double x = 0, y = 0;
};
inline Pt operator+(Pt a, Pt b) {
    return {a.x + b.x, a.y + b.y};
}
inline Pt operator-(Pt a, Pt b) {
    return {a.x - b.x, a.y - b.y};
}
inline Pt operator*(Pt a, double k) {
    return {a.x * k, a.y * k};
}
inline double len(Pt a) {
    return std::sqrt(a.x * a.x + a.y * a.y);
}

struct IPt {
    int x = 0, y = 0;
    bool operator==(const IPt&) const = default;
};

// Glyph description.
//
// A glyph is a list of nodes in its own design box (u to the right, v downwards,
// v = 0 top, v = 1 baseline). Between two corner nodes the path is a smooth spline
// through the nodes; at a corner the direction may change abruptly and the hand slows
// down to (nearly) a stop. `pause` is the relative share of the glyph's pauses spent
// at that node; `speed` scales the hand's speed on the way from this node to the next.
struct Node {
    double u, v;
    bool corner = false;
    double pause = 0.0;
    double speed = 1.0;
};

inline Node S(double u, double v) {
    return {u, v, false, 0.0, 1.0};
}
inline Node C(double u, double v, double pause = 0.0) {
    return {u, v, true, pause, 1.0};
}
inline Node Fast(Node n, double speed) {
    n.speed = speed;
    return n;
}

// Where a glyph's design box sits in the cell: x = left + u * width + slant * (1 - v) *
// height, y = top + v * height. The slant leans the tops of the glyphs to the right.
struct Box {
    double left, top, width, height, slant;
};

struct GlyphDesign {
    std::vector<Node> nodes;
    Box box;
    double centre; // where the middle of the glyph's extent should land (x)
};

// A colon: a scribbled dot, a quick travel down through `via` (at the speed of
// `via`), and a second scribbled dot. Each dot spirals in from radius r0 to r1
// (cell units) over `turns` turns while the hand stays nearly in place, so the
// ink fills a small blob; (u, v) is its centre in the box, with pauses on
// entering and leaving it.
struct Dot {
    double u, v, startAngle, pauseIn, pauseOut;
};
std::vector<Node> Colon(const Box& box, double r0, double r1, double turns, const Dot& upper,
                        Node via, const Dot& lower);

// How a glyph is timed. `points` > 0 fixes the number of samples; otherwise the
// glyph takes as long as the hand needs at `step` units per sample on a straight
// run, so a longer or curvier glyph gets more points. `pauses` of the points
// repeat the one before them.
struct GlyphTiming {
    std::uint64_t seed;
    int points;
    int pauses;
    double step;
};

// The glyph's points, unplaced: the caller centres and places them.
std::vector<IPt> DrawGlyph(const GlyphDesign& d, const GlyphTiming& timing);

} // namespace hand
