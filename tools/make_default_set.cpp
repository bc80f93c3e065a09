// make_default_set: builds the clock's one built-in handwriting set.
//
// Usage:  make_default_set [output-path]
//   With a path, the set is written to that file (created or replaced).
//   Without one, the set is written to standard output.
//   Exit status 0 when the produced bytes pass every check below, 1 when a check
//   fails (nothing is written then), 2 on a usage or file error.
//
// Each glyph is one continuous mouse path, as if a person had drawn it in the
// Character Creator: the pointer is sampled every 10 ms, so the spacing of the points
// is the drawing speed and a point that repeats the one before it is a pause. A glyph
// is described as a few spline strokes in cell units; the strokes are joined at sharp
// corners (travel between strokes is part of the path, as with a real mouse). The path
// is timed with a speed that drops in tight curves and runs up to and out of corners,
// sampled at equal time steps, given a little hand tremor, rounded to whole units, and
// pauses are added at the start, at corners and at the end.
//
// Everything is deterministic: fixed seeds, a small private PRNG, no clock, no
// standard random distributions. Running the tool twice gives identical bytes.
//
// The result must have exactly this shape (checked on the produced bytes before
// anything is written):
//   - 13 non-empty lines "x,y, x,y, ..." each ending with CR LF, nothing after;
//   - per-glyph point counts kPointCount below, 1049 points in all;
//   - 213 points equal to the point before them in the same line;
//   - every x in 11..204 and every y in 25..308;
//   - 8766 bytes in total.
// With 1049 points the separators and line ends take a fixed 3147 bytes, so the
// digits must take 5619: exactly 1423 of the 2098 numbers have three digits. The last
// step places each glyph (a shift of a few units) so that this count comes out exact.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int kSlots = 13;
constexpr std::array<int, kSlots> kPointCount = {95, 39, 61, 67, 78, 73, 60,
                                                 37, 84, 80, 92, 141, 142};
// Pauses (points repeating their predecessor) per glyph; the colon's dots and the
// two-letter marks carry the most.
constexpr std::array<int, kSlots> kPauseCount = {12, 8, 11, 12, 15, 14, 9, 7, 12, 13, 40, 30, 30};
constexpr int kTotalPoints = 1049;
constexpr int kTotalPauses = 213;
constexpr int kFileBytes = 8766;
constexpr int kMinX = 11, kMaxX = 204, kMinY = 25, kMaxY = 308;
constexpr const char* kSlotName[kSlots] = {"0", "1", "2", "3", "4",  "5", "6",
                                           "7", "8", "9", ":", "AM", "PM"};

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------------------
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
Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
double len(Pt a) { return std::sqrt(a.x * a.x + a.y * a.y); }

struct IPt {
    int x = 0, y = 0;
    bool operator==(const IPt&) const = default;
};

// ---------------------------------------------------------------------------
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

Node S(double u, double v) { return {u, v, false, 0.0, 1.0}; }
Node C(double u, double v, double pause = 0.0) { return {u, v, true, pause, 1.0}; }
Node Fast(Node n, double speed) {
    n.speed = speed;
    return n;
}

// Where a glyph's design box sits in the cell: x = left + u * width + slant * (1 - v) *
// height, y = top + v * height. The slant leans the tops of the glyphs to the right.
struct Box {
    double left, top, width, height, slant;
};

// Digits and colon: tops near y 46, baseline near y 292.
constexpr Box kDigitBox = {0, 46, 112, 246, 0.13};
// The AM/PM marks: smaller capitals on the same baseline; u is in cell units.
constexpr Box kMarkBox = {0, 160, 1, 132, 0.13};

struct GlyphDesign {
    std::vector<Node> nodes;
    Box box;
    double centre;  // where the middle of the glyph's extent should land (x)
};

// A scribbled dot: the hand spirals in from radius r0 to r1 over `turns` turns while
// it stays nearly in place, so the ink fills a small blob. (cu, cv) is the dot's
// centre in the box, radii in cell units; pauses on entering and leaving the dot.
void AddDot(std::vector<Node>& nodes, const Box& box, double cu, double cv, double r0,
            double r1, double turns, double startAngle, double pauseIn, double pauseOut) {
    const int steps = static_cast<int>(std::ceil(turns * 6.0));
    for (int i = 0; i <= steps; ++i) {
        const double f = static_cast<double>(i) / steps;
        const double a = startAngle - 2.0 * kPi * turns * f;
        const double r = r0 + (r1 - r0) * f;
        Node n = S(cu + r * std::cos(a) / box.width, cv + r * std::sin(a) / box.height);
        if (i == 0) n = C(n.u, n.v, pauseIn);
        if (i == steps) n = C(n.u, n.v, pauseOut);
        nodes.push_back(n);
    }
}

std::vector<GlyphDesign> Designs() {
    std::vector<GlyphDesign> g(kSlots);
    // One hand, but no two glyphs quite alike: each digit gets a slightly different
    // height, slant, baseline and place.
    for (std::size_t i = 0; i < g.size(); ++i) {
        Rng r(0xD161700ull + i);
        GlyphDesign& d = g[i];
        d.box = kDigitBox;
        const double baseline = d.box.top + d.box.height + r.sym(2.0);
        d.box.height *= 1.0 + r.sym(0.025);
        d.box.width *= 1.0 + r.sym(0.04);
        d.box.top = baseline - d.box.height;
        d.box.slant += r.sym(0.025);
        d.centre = 107.5 + r.sym(3.0);
    }

    // "0": starts at the top, goes round anticlockwise and overlaps its start a little.
    g[0].nodes = {C(0.58, 0.03, 4), S(0.36, 0.02), S(0.15, 0.13), S(0.04, 0.36),
                  S(0.03, 0.64),    S(0.15, 0.89), S(0.42, 1.00), S(0.72, 0.94),
                  S(0.93, 0.72),    S(0.98, 0.42), S(0.88, 0.15), S(0.68, 0.02),
                  C(0.47, 0.04, 8)};
    // "1": a short lead-in flag up to the top, then straight down.
    g[1].nodes = {C(0.24, 0.20, 3), S(0.40, 0.09), C(0.56, 0.00, 2), S(0.54, 0.50),
                  C(0.52, 1.00, 3)};
    // "2": hook over the top, curve into the diagonal, corner, base line to the right.
    g[2].nodes = {C(0.07, 0.21, 3), S(0.22, 0.05), S(0.50, 0.00), S(0.80, 0.06),
                  S(0.93, 0.24),    S(0.85, 0.45), S(0.58, 0.68), S(0.28, 0.86),
                  C(0.02, 1.00, 3), S(0.50, 0.99), C(1.00, 0.97, 5)};
    // "3": top bowl into a cusp in the middle, larger bottom bowl, tail to the left.
    g[3].nodes = {C(0.08, 0.13, 3), S(0.33, 0.01), S(0.68, 0.01), S(0.87, 0.13),
                  S(0.85, 0.31),    S(0.62, 0.44), C(0.36, 0.47, 4), S(0.68, 0.52),
                  S(0.94, 0.68),    S(0.93, 0.87), S(0.72, 0.99), S(0.40, 1.00),
                  S(0.14, 0.93),    C(0.02, 0.83, 5)};
    // "4": down-stroke, across, back along the bar to the stem, up the stem and
    // down it to the baseline (the travel runs over lines already drawn).
    g[4].nodes = {C(0.30, 0.00, 3),     S(0.16, 0.34), C(0.02, 0.66, 3), S(0.50, 0.665),
                  C(1.00, 0.655, 2),    Fast(C(0.76, 0.66, 1), 1.25),
                  Fast(S(0.765, 0.33), 1.25), C(0.775, 0.01, 2), S(0.76, 0.50),
                  C(0.74, 1.00, 4)};
    // "5": flag from right to left, down, then the round belly and a tail.
    g[5].nodes = {C(0.92, 0.00, 3), S(0.55, 0.005), C(0.19, 0.01, 3), S(0.15, 0.22),
                  C(0.11, 0.44, 3), S(0.36, 0.38),  S(0.66, 0.39),    S(0.90, 0.52),
                  S(0.97, 0.73),    S(0.85, 0.92),  S(0.55, 1.00),    S(0.25, 0.98),
                  C(0.03, 0.86, 5)};
    // "6": from the top right down the left side, round the bottom, loop closed.
    g[6].nodes = {C(0.86, 0.05, 3), S(0.60, 0.00), S(0.34, 0.08), S(0.14, 0.30),
                  S(0.04, 0.58),    S(0.09, 0.85), S(0.32, 0.99), S(0.64, 0.99),
                  S(0.89, 0.85),    S(0.94, 0.66), S(0.79, 0.50), S(0.51, 0.45),
                  S(0.24, 0.52),    C(0.08, 0.69, 6)};
    // "7": top bar, sharp corner, long slightly curved diagonal.
    g[7].nodes = {C(0.02, 0.03, 2), S(0.50, 0.00), C(0.99, 0.01, 2), S(0.72, 0.38),
                  S(0.48, 0.73),    C(0.34, 1.00, 3)};
    // "8": upper loop anticlockwise, across the waist into the lower loop clockwise,
    // back up through the waist to the start.
    g[8].nodes = {C(0.80, 0.10, 3), S(0.58, 0.00), S(0.32, 0.02), S(0.17, 0.14),
                  S(0.20, 0.31),    S(0.44, 0.44), S(0.72, 0.56), S(0.93, 0.73),
                  S(0.88, 0.92),    S(0.60, 1.00), S(0.30, 0.99), S(0.07, 0.88),
                  S(0.09, 0.70),    S(0.32, 0.55), S(0.60, 0.44), S(0.80, 0.29),
                  S(0.82, 0.14),    C(0.70, 0.05, 7)};
    // "9": loop anticlockwise from its right side back to the start, stem down.
    g[9].nodes = {C(0.90, 0.25, 3), S(0.80, 0.06), S(0.56, 0.00), S(0.28, 0.04),
                  S(0.09, 0.19),    S(0.09, 0.39), S(0.33, 0.50), S(0.67, 0.45),
                  C(0.90, 0.24, 3), S(0.88, 0.50), S(0.84, 0.76), C(0.79, 1.00, 5)};

    // ":": a scribbled dot, a quick travel down, a second scribbled dot.
    {
        std::vector<Node>& n = g[10].nodes;
        const Box& b = g[10].box;
        AddDot(n, b, 0.50, 0.38, 9.0, 1.5, 2.4, -0.4, 9, 12);
        n.back().speed = 1.6;  // travel to the lower dot, in a slight arc
        n.push_back(Fast(S(0.492, 0.61), 1.6));
        AddDot(n, b, 0.47, 0.83, 9.0, 1.5, 2.4, -2.0, 7, 12);
    }

    // Marks: capitals 132 units high on the digits' baseline, u in cell units.
    // "AM": A (up, down), back up its right leg to the bar, bar to the left and back,
    // down the leg, a short run along the baseline to M, then M.
    g[11].box = kMarkBox;
    g[11].centre = 107.0;
    g[11].nodes = {C(0, 1.00, 4),     C(33, 0.00, 3),   C(66, 1.00, 3),
                   Fast(C(54.5, 0.64, 1), 1.2),         C(12, 0.645, 3),
                   Fast(C(54, 0.64, 1), 1.3),           Fast(C(66, 0.99, 1), 1.3),
                   C(78, 1.00, 2),    C(80, 0.00, 3),   C(118, 0.72, 3),
                   C(156, 0.00, 3),   C(157, 1.00, 6)};
    // "PM": P stem up and the bowl round to the stem; back round the lower bowl and a
    // short join to the top of M; down M's first leg and back up, then the rest of M.
    // (A join along the baseline would close the P into a D.)
    g[12].box = kMarkBox;
    g[12].centre = 105.0;
    g[12].nodes = {C(0, 1.00, 4),   C(1, 0.00, 3),    S(22, -0.01),   S(42, 0.06),
                   S(49, 0.24),     S(41, 0.43),      S(21, 0.51),    C(3, 0.52, 2),
                   Fast(S(22, 0.505), 1.3),           Fast(S(41, 0.425), 1.3),
                   C(48.5, 0.25, 1),C(72, 0.00, 3),   C(70, 1.00, 3), Fast(C(72, 0.01, 1), 1.3),
                   C(108, 0.72, 3), C(144, 0.00, 3),  C(145, 1.00, 6)};
    return g;
}

// ---------------------------------------------------------------------------
// From a design to points.

Pt ToCell(const Box& b, double u, double v) {
    return {b.left + u * b.width + b.slant * (1.0 - v) * b.height, b.top + v * b.height};
}

// Centripetal Catmull-Rom through p[0..n-1], densely sampled (spacing <= step). For
// each output point, `piece` gets the index of the node the piece started from.
void SplineRun(const std::vector<Pt>& p, double step, std::vector<Pt>& out,
               std::vector<std::size_t>& piece) {
    const std::size_t n = p.size();
    if (n < 2) return;
    auto at = [&](long i) -> Pt {
        if (i < 0) return p[0] + (p[0] - p[1]);  // phantom ends: reflect
        if (i >= static_cast<long>(n)) return p[n - 1] + (p[n - 1] - p[n - 2]);
        return p[static_cast<std::size_t>(i)];
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Pt p0 = at(static_cast<long>(i) - 1), p1 = p[i], p2 = p[i + 1],
                 p3 = at(static_cast<long>(i) + 2);
        auto knot = [](Pt a, Pt b) { return std::max(1e-6, std::sqrt(len(b - a))); };
        const double t0 = 0, t1 = t0 + knot(p0, p1), t2 = t1 + knot(p1, p2),
                     t3 = t2 + knot(p2, p3);
        const int k = std::max(2, static_cast<int>(std::ceil(len(p2 - p1) / step)) * 2);
        for (int j = (i == 0 ? 0 : 1); j <= k; ++j) {
            const double t = t1 + (t2 - t1) * j / k;
            const Pt a1 = p0 * ((t1 - t) / (t1 - t0)) + p1 * ((t - t0) / (t1 - t0));
            const Pt a2 = p1 * ((t2 - t) / (t2 - t1)) + p2 * ((t - t1) / (t2 - t1));
            const Pt a3 = p2 * ((t3 - t) / (t3 - t2)) + p3 * ((t - t2) / (t3 - t2));
            const Pt b1 = a1 * ((t2 - t) / (t2 - t0)) + a2 * ((t - t0) / (t2 - t0));
            const Pt b2 = a2 * ((t3 - t) / (t3 - t1)) + a3 * ((t - t1) / (t3 - t1));
            out.push_back(b1 * ((t2 - t) / (t2 - t1)) + b2 * ((t - t1) / (t2 - t1)));
            piece.push_back(i);
        }
    }
}

struct Dense {
    std::vector<Pt> pts;
    std::vector<double> speedScale;  // per point: the node speed factor of its stretch
    std::vector<bool> corner;        // per point: a corner sits here
    std::vector<std::size_t> nodeAt; // dense index of each corner node, in node order
    std::vector<double> nodePause;   // pause weight of each corner node
};

Dense BuildDense(const GlyphDesign& d, Rng& rng) {
    Dense r;
    std::vector<Pt> cell;
    for (const Node& n : d.nodes) cell.push_back(ToCell(d.box, n.u, n.v));
    std::size_t start = 0;
    for (std::size_t i = 1; i < d.nodes.size(); ++i) {
        if (!d.nodes[i].corner && i + 1 != d.nodes.size()) continue;
        std::vector<Pt> run(cell.begin() + static_cast<long>(start),
                            cell.begin() + static_cast<long>(i) + 1);
        std::vector<Pt> seg;
        std::vector<std::size_t> piece;
        if (run.size() == 2 && len(run[1] - run[0]) > 40.0) {
            // a hand never draws a long line quite straight: bow it a little
            const Pt a = run[0], b = run[1], dir = (b - a) * (1.0 / len(b - a));
            const double bow = rng.sym(0.012) * len(b - a);
            const double at = 0.4 + 0.2 * rng.unit();
            run.insert(run.begin() + 1, a + (b - a) * at + Pt{-dir.y, dir.x} * bow);
            SplineRun(run, 0.25, seg, piece);
            for (std::size_t& k : piece) k = 0;  // still one piece between two nodes
        } else {
            SplineRun(run, 0.25, seg, piece);
        }
        if (r.pts.empty()) {
            r.nodeAt.push_back(0);
            r.nodePause.push_back(d.nodes[start].pause);
        }
        // the corner point is shared with the previous run
        for (std::size_t k = r.pts.empty() ? 0 : 1; k < seg.size(); ++k) {
            r.pts.push_back(seg[k]);
            r.speedScale.push_back(d.nodes[start + piece[k]].speed);
            r.corner.push_back(false);
        }
        r.corner[0] = true;
        r.corner.back() = true;
        r.nodeAt.push_back(r.pts.size() - 1);
        r.nodePause.push_back(d.nodes[i].pause);
        start = i;
    }
    return r;
}

// Hand speed along the dense path (arbitrary units; only ratios matter). Slower in
// tight curves (speed ~ radius^(1/3)), slowing into and speeding out of corners.
std::vector<double> SpeedProfile(const Dense& dn, Rng& rng) {
    const std::size_t n = dn.pts.size();
    std::vector<double> s(n, 0.0);  // arc length
    for (std::size_t i = 1; i < n; ++i) s[i] = s[i - 1] + len(dn.pts[i] - dn.pts[i - 1]);
    const double total = s.back();

    std::vector<double> v(n, 1.0);
    // curvature from the turn over a window of about +-3 units
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t a = i, b = i;
        while (a > 0 && s[i] - s[a] < 3.0 && !(dn.corner[a] && a != i)) --a;
        while (b + 1 < n && s[b] - s[i] < 3.0 && !(dn.corner[b] && b != i)) ++b;
        if (a == i || b == i) continue;
        const Pt d1 = dn.pts[i] - dn.pts[a], d2 = dn.pts[b] - dn.pts[i];
        const double l1 = len(d1), l2 = len(d2);
        if (l1 < 1e-9 || l2 < 1e-9) continue;
        double c = (d1.x * d2.x + d1.y * d2.y) / (l1 * l2);
        c = std::clamp(c, -1.0, 1.0);
        const double kappa = std::acos(c) / (0.5 * (l1 + l2));
        const double radius = 1.0 / std::max(kappa, 1e-6);
        v[i] = std::min(1.0, std::cbrt(radius / 70.0));
    }
    // smooth the curvature term a little
    std::vector<double> vs = v;
    for (int pass = 0; pass < 3; ++pass) {
        for (std::size_t i = 1; i + 1 < n; ++i) vs[i] = (v[i - 1] + 2 * v[i] + v[i + 1]) / 4;
        v = vs;
    }
    // distance to the nearest corner behind and ahead
    std::vector<double> back(n), ahead(n);
    double last = -1e9;
    for (std::size_t i = 0; i < n; ++i) {
        if (dn.corner[i]) last = s[i];
        back[i] = s[i] - last;
    }
    last = 1e9;
    for (std::size_t i = n; i-- > 0;) {
        if (dn.corner[i]) last = s[i];
        ahead[i] = last - s[i];
    }
    const double phase = rng.unit() * 2 * kPi, waves = 1.5 + rng.unit();
    for (std::size_t i = 0; i < n; ++i) {
        const double ramp = std::min(1.0, std::sqrt(std::min(back[i], ahead[i]) / 28.0));
        const double wobble = 1.0 + 0.10 * std::sin(phase + 2 * kPi * waves * s[i] / total);
        v[i] = std::max(0.06, v[i] * ramp) * wobble * dn.speedScale[i];
    }
    return v;
}

struct Smooth2 {
    std::array<double, 3> ax, ay, fx, fy, px, py;
};

// Tremor: a few slow sine waves in time (sample index), under a unit in size.
Smooth2 MakeTremor(Rng& rng) {
    Smooth2 t{};
    for (int i = 0; i < 3; ++i) {
        t.ax[i] = (0.45 - 0.12 * i) * (0.6 + 0.4 * rng.unit());
        t.ay[i] = (0.45 - 0.12 * i) * (0.6 + 0.4 * rng.unit());
        t.fx[i] = 2 * kPi / (55.0 / (i + 1) * (0.8 + 0.4 * rng.unit()));
        t.fy[i] = 2 * kPi / (55.0 / (i + 1) * (0.8 + 0.4 * rng.unit()));
        t.px[i] = rng.unit() * 2 * kPi;
        t.py[i] = rng.unit() * 2 * kPi;
    }
    return t;
}

// Produces the glyph's points (unplaced: placement comes later).
std::vector<IPt> DrawGlyph(int slot, const GlyphDesign& d) {
    Rng rng(0x5EED0000ull + 0x9E37ull * static_cast<std::uint64_t>(slot + 1));
    const Dense dn = BuildDense(d, rng);
    const std::vector<double> v = SpeedProfile(dn, rng);
    const std::size_t n = dn.pts.size();

    // time along the path
    std::vector<double> t(n, 0.0);
    for (std::size_t i = 1; i < n; ++i) {
        const double ds = len(dn.pts[i] - dn.pts[i - 1]);
        t[i] = t[i - 1] + ds * 2.0 / (v[i] + v[i - 1]);
    }
    const int pauses = kPauseCount[slot];
    const int moving = kPointCount[slot] - pauses;
    const double total = t.back();

    // sample at equal time steps
    std::vector<Pt> smp;
    std::vector<double> smpT;
    std::size_t j = 0;
    for (int k = 0; k < moving; ++k) {
        const double tk = total * k / (moving - 1);
        while (j + 2 < n && t[j + 1] < tk) ++j;
        const double span = t[j + 1] - t[j];
        const double f = span > 0 ? std::clamp((tk - t[j]) / span, 0.0, 1.0) : 0.0;
        smp.push_back(dn.pts[j] + (dn.pts[j + 1] - dn.pts[j]) * f);
        smpT.push_back(tk);
    }

    // tremor and rounding to whole units
    const Smooth2 tr = MakeTremor(rng);
    std::vector<IPt> pts;
    for (int k = 0; k < moving; ++k) {
        double dx = 0, dy = 0;
        for (int i = 0; i < 3; ++i) {
            dx += tr.ax[i] * std::sin(tr.fx[i] * k + tr.px[i]);
            dy += tr.ay[i] * std::sin(tr.fy[i] * k + tr.py[i]);
        }
        dx += rng.sym(0.3);
        dy += rng.sym(0.3);
        pts.push_back({static_cast<int>(std::lround(smp[static_cast<std::size_t>(k)].x + dx)),
                       static_cast<int>(std::lround(smp[static_cast<std::size_t>(k)].y + dy))});
    }
    // A moving hand never gives the same sample twice in a row here: where rounding
    // merged two slow samples, nudge the later one a unit along the motion.
    for (std::size_t k = 1; k < pts.size(); ++k) {
        if (!(pts[k] == pts[k - 1])) continue;
        const IPt nxt = k + 1 < pts.size() ? pts[k + 1] : pts[k];
        int sx = (nxt.x > pts[k - 1].x) - (nxt.x < pts[k - 1].x);
        int sy = (nxt.y > pts[k - 1].y) - (nxt.y < pts[k - 1].y);
        if (sx == 0 && sy == 0) sx = 1;
        if (std::abs(nxt.x - pts[k - 1].x) >= std::abs(nxt.y - pts[k - 1].y)) {
            pts[k].x += sx != 0 ? sx : 1;
        } else {
            pts[k].y += sy;
        }
    }

    // Pauses: share them out over the weighted nodes (largest remainder), then repeat
    // the sample nearest to each node's moment.
    const std::size_t nodes = dn.nodeAt.size();
    double weightSum = 0;
    for (double w : dn.nodePause) weightSum += w;
    std::vector<int> count(nodes, 0);
    std::vector<double> rem(nodes, 0.0);
    int given = 0;
    for (std::size_t i = 0; i < nodes; ++i) {
        const double share = pauses * dn.nodePause[i] / weightSum;
        count[i] = static_cast<int>(std::floor(share));
        rem[i] = share - count[i];
        given += count[i];
    }
    while (given < pauses) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < nodes; ++i)
            if (rem[i] > rem[best] + 1e-12) best = i;
        ++count[best];
        rem[best] = -1;
        ++given;
    }
    std::vector<int> extra(pts.size(), 0);
    for (std::size_t i = 0; i < nodes; ++i) {
        if (count[i] == 0) continue;
        const double tn = t[dn.nodeAt[i]];
        std::size_t best = 0;
        for (std::size_t k = 1; k < smpT.size(); ++k)
            if (std::abs(smpT[k] - tn) < std::abs(smpT[best] - tn)) best = k;
        extra[best] += count[i];
    }
    std::vector<IPt> out;
    for (std::size_t k = 0; k < pts.size(); ++k) {
        out.push_back(pts[k]);
        for (int e = 0; e < extra[k]; ++e) out.push_back(pts[k]);
    }
    return out;
}

// ---------------------------------------------------------------------------
// Placement: each glyph is centred on its design centre, then shifted by a few units
// so that exactly the right number of coordinates have three digits.

int ThreeDigitCount(const std::vector<IPt>& p, int dx, int dy) {
    int c = 0;
    for (const IPt& q : p) c += (q.x + dx >= 100) + (q.y + dy >= 100);
    return c;
}

bool InBounds(const std::vector<IPt>& p, int dx, int dy) {
    for (const IPt& q : p)
        if (q.x + dx < kMinX || q.x + dx > kMaxX || q.y + dy < kMinY || q.y + dy > kMaxY)
            return false;
    return true;
}

struct Shift {
    int dx = 0, dy = 0;
};

// Chooses one shift per glyph (small, preferring sideways moves and spreading them
// over the glyphs) so that the three-digit numbers add up to `target`. Returns false
// if no combination does.
bool ChooseShifts(const std::vector<std::vector<IPt>>& glyphs, int target,
                  std::vector<Shift>& shifts) {
    constexpr int kRangeX = 12, kRangeY = 3;
    const int maxCount = 2 * kTotalPoints;
    const double inf = std::numeric_limits<double>::infinity();
    const std::size_t g = glyphs.size();
    // best[i][c]: least cost to reach c three-digit numbers with glyphs 0..i-1
    std::vector<std::vector<double>> best(g + 1, std::vector<double>(maxCount + 1, inf));
    std::vector<std::vector<Shift>> pick(g, std::vector<Shift>(maxCount + 1));
    std::vector<std::vector<int>> from(g, std::vector<int>(maxCount + 1, -1));
    best[0][0] = 0;
    for (std::size_t i = 0; i < g; ++i) {
        for (int dy = -kRangeY; dy <= kRangeY; ++dy) {
            for (int dx = -kRangeX; dx <= kRangeX; ++dx) {
                if (!InBounds(glyphs[i], dx, dy)) continue;
                const int add = ThreeDigitCount(glyphs[i], dx, dy);
                const double cost = dx * dx + 6.0 * dy * dy;
                for (int c = 0; c + add <= maxCount; ++c) {
                    if (best[i][static_cast<std::size_t>(c)] == inf) continue;
                    const double nc = best[i][static_cast<std::size_t>(c)] + cost;
                    auto& slot = best[i + 1][static_cast<std::size_t>(c + add)];
                    if (nc < slot) {
                        slot = nc;
                        pick[i][static_cast<std::size_t>(c + add)] = {dx, dy};
                        from[i][static_cast<std::size_t>(c + add)] = c;
                    }
                }
            }
        }
    }
    if (target < 0 || target > maxCount || best[g][static_cast<std::size_t>(target)] == inf)
        return false;
    shifts.assign(g, {});
    int c = target;
    for (std::size_t i = g; i-- > 0;) {
        shifts[i] = pick[i][static_cast<std::size_t>(c)];
        c = from[i][static_cast<std::size_t>(c)];
    }
    return true;
}

// ---------------------------------------------------------------------------
// Writing and checking.

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

// Checks the produced bytes from scratch: syntax, line ends, counts, pauses, bounds,
// size. It reads the text itself rather than trusting the generator's own numbers.
CheckReport CheckSet(const std::string& s) {
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
        if (static_cast<int>(pts.size()) != kPointCount[static_cast<std::size_t>(line)])
            r.fail("glyph \"" + std::string(kSlotName[line]) + "\" has " +
                   std::to_string(pts.size()) + " points, wants " +
                   std::to_string(kPointCount[static_cast<std::size_t>(line)]));
        ++line;
    }
    if (line != kSlots) r.fail("file has " + std::to_string(line) + " lines, wants 13");
    if (r.totalPoints != kTotalPoints)
        r.fail("total points " + std::to_string(r.totalPoints) + ", wants 1049");
    if (r.totalPauses != kTotalPauses)
        r.fail("repeated points " + std::to_string(r.totalPauses) + ", wants 213");
    if (r.minX < kMinX || r.maxX > kMaxX || r.minY < kMinY || r.maxY > kMaxY)
        r.fail("coordinates outside x 11..204, y 25..308");
    if (r.bytes != static_cast<std::size_t>(kFileBytes))
        r.fail("size " + std::to_string(r.bytes) + " bytes, wants 8766");
    return r;
}

void PrintReport(const CheckReport& r) {
    std::fprintf(stderr, "make_default_set: %s\n", r.ok ? "all checks passed" : "CHECK FAILED");
    std::fprintf(stderr, "  bytes %zu (want %d)\n", r.bytes, kFileBytes);
    std::fprintf(stderr, "  points %d (want %d), repeated points %d (want %d)\n",
                 r.totalPoints, kTotalPoints, r.totalPauses, kTotalPauses);
    std::fprintf(stderr, "  numbers %d, three-digit %d\n", r.numbers, r.threeDigit);
    std::fprintf(stderr, "  x %d..%d (allowed %d..%d), y %d..%d (allowed %d..%d)\n", r.minX,
                 r.maxX, kMinX, kMaxX, r.minY, r.maxY, kMinY, kMaxY);
    std::fprintf(stderr, "  per glyph points/pauses:");
    for (int k = 0; k < kSlots; ++k)
        std::fprintf(stderr, " %s=%d/%d", kSlotName[k], r.points[static_cast<std::size_t>(k)],
                     r.pauses[static_cast<std::size_t>(k)]);
    std::fprintf(stderr, "\n");
    for (const auto& e : r.errors) std::fprintf(stderr, "  error: %s\n", e.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0')) {
        std::fprintf(stderr, "usage: make_default_set [output-path]\n");
        return 2;
    }
    const std::vector<GlyphDesign> designs = Designs();
    std::vector<std::vector<IPt>> glyphs;
    for (int slot = 0; slot < kSlots; ++slot) {
        std::vector<IPt> p = DrawGlyph(slot, designs[static_cast<std::size_t>(slot)]);
        // centre the glyph's horizontal extent on its design centre
        int lo = p[0].x, hi = p[0].x;
        for (const IPt& q : p) {
            lo = std::min(lo, q.x);
            hi = std::max(hi, q.x);
        }
        const int dx = static_cast<int>(
            std::lround(designs[static_cast<std::size_t>(slot)].centre - 0.5 * (lo + hi)));
        for (IPt& q : p) q.x += dx;
        glyphs.push_back(std::move(p));
    }

    // Fixed bytes: 2 per pair comma, 2 per pair separator ", ", 2 per line end.
    const int fixedBytes = kTotalPoints + 2 * (kTotalPoints - kSlots) + 2 * kSlots;
    const int digitBytes = kFileBytes - fixedBytes;
    const int target = digitBytes - 2 * (2 * kTotalPoints);  // numbers are 2 or 3 digits
    int before = 0;
    for (const auto& g : glyphs) before += ThreeDigitCount(g, 0, 0);
    std::vector<Shift> shifts;
    if (!ChooseShifts(glyphs, target, shifts)) {
        std::fprintf(stderr, "make_default_set: no placement gives %d three-digit numbers "
                             "(unplaced: %d)\n",
                     target, before);
        return 1;
    }
    std::fprintf(stderr, "make_default_set: three-digit numbers %d before placement, %d wanted;"
                         " shifts (dx,dy):",
                 before, target);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        std::fprintf(stderr, " %s(%d,%d)", kSlotName[i], shifts[i].dx, shifts[i].dy);
        for (IPt& q : glyphs[i]) {
            q.x += shifts[i].dx;
            q.y += shifts[i].dy;
        }
    }
    std::fprintf(stderr, "\n");

    const std::string text = FormatSet(glyphs);
    const CheckReport report = CheckSet(text);
    PrintReport(report);
    if (!report.ok) return 1;

    if (argc == 2) {
        const std::string path = argv[1];
        {
            std::ofstream f(path, std::ios::binary | std::ios::trunc);
            f.write(text.data(), static_cast<std::streamsize>(text.size()));
            f.close();
            if (!f) {
                std::fprintf(stderr, "make_default_set: cannot write %s\n", path.c_str());
                return 2;
            }
        }
        // read it back: what is on disk must be exactly what was checked
        std::ifstream in(path, std::ios::binary);
        std::string back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (back != text) {
            std::fprintf(stderr, "make_default_set: %s does not read back as written\n",
                         path.c_str());
            return 2;
        }
        std::fprintf(stderr, "make_default_set: wrote %s\n", path.c_str());
    } else {
        std::fwrite(text.data(), 1, text.size(), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) return 2;
    }
    return 0;
}
