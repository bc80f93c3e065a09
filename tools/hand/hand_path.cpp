// The hand model: from a glyph design to timed, sampled mouse points.

#include "hand/hand_path.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace hand {

namespace {

void AddDot(std::vector<Node>& nodes, const Box& box, double cu, double cv, double r0, double r1,
            double turns, double startAngle, double pauseIn, double pauseOut) {
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
        if (i < 0) return p[0] + (p[0] - p[1]); // phantom ends: reflect
        if (i >= static_cast<long>(n)) return p[n - 1] + (p[n - 1] - p[n - 2]);
        return p[static_cast<std::size_t>(i)];
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Pt p0 = at(static_cast<long>(i) - 1), p1 = p[i], p2 = p[i + 1],
                 p3 = at(static_cast<long>(i) + 2);
        auto knot = [](Pt a, Pt b) { return std::max(1e-6, std::sqrt(len(b - a))); };
        const double t0 = 0, t1 = t0 + knot(p0, p1), t2 = t1 + knot(p1, p2), t3 = t2 + knot(p2, p3);
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
    for (const Node& n : d.nodes)
        cell.push_back(ToCell(d.box, n.u, n.v));
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
            for (std::size_t& k : piece)
                k = 0; // still one piece between two nodes
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
    std::vector<double> s(n, 0.0); // arc length
    for (std::size_t i = 1; i < n; ++i)
        s[i] = s[i - 1] + len(dn.pts[i] - dn.pts[i - 1]);
    const double total = s.back();

    std::vector<double> v(n, 1.0);
    // curvature from the turn over a window of about +-3 units
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t a = i, b = i;
        while (a > 0 && s[i] - s[a] < 3.0 && !(dn.corner[a] && a != i))
            --a;
        while (b + 1 < n && s[b] - s[i] < 3.0 && !(dn.corner[b] && b != i))
            ++b;
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
        for (std::size_t i = 1; i + 1 < n; ++i)
            vs[i] = (v[i - 1] + 2 * v[i] + v[i + 1]) / 4;
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

} // namespace

std::vector<Node> Colon(const Box& box, double r0, double r1, double turns, const Dot& upper,
                        Node via, const Dot& lower) {
    std::vector<Node> n;
    AddDot(n, box, upper.u, upper.v, r0, r1, turns, upper.startAngle, upper.pauseIn,
           upper.pauseOut);
    n.back().speed = via.speed; // the travel to the lower dot, in a slight arc
    n.push_back(via);
    AddDot(n, box, lower.u, lower.v, r0, r1, turns, lower.startAngle, lower.pauseIn,
           lower.pauseOut);
    return n;
}

std::vector<IPt> DrawGlyph(const GlyphDesign& d, const GlyphTiming& timing) {
    Rng rng(timing.seed);
    const Dense dn = BuildDense(d, rng);
    const std::vector<double> v = SpeedProfile(dn, rng);
    const std::size_t n = dn.pts.size();

    // time along the path
    std::vector<double> t(n, 0.0);
    for (std::size_t i = 1; i < n; ++i) {
        const double ds = len(dn.pts[i] - dn.pts[i - 1]);
        t[i] = t[i - 1] + ds * 2.0 / (v[i] + v[i - 1]);
    }
    const double total = t.back();
    const int pauses = timing.pauses;
    const int moving = timing.points > 0
                           ? timing.points - pauses
                           : std::max(8, static_cast<int>(std::lround(total / timing.step)) + 1);

    // sample at equal time steps
    std::vector<Pt> smp;
    std::vector<double> smpT;
    std::size_t j = 0;
    for (int k = 0; k < moving; ++k) {
        const double tk = total * k / (moving - 1);
        while (j + 2 < n && t[j + 1] < tk)
            ++j;
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
    // the sample nearest to each node's moment. A path without pauses (a move with
    // the pen up) may have no weighted node at all.
    const std::size_t nodes = dn.nodeAt.size();
    double weightSum = 0;
    for (double w : dn.nodePause)
        weightSum += w;
    std::vector<int> count(nodes, 0);
    std::vector<double> rem(nodes, 0.0);
    int given = 0;
    for (std::size_t i = 0; i < nodes && pauses > 0; ++i) {
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
        for (int e = 0; e < extra[k]; ++e)
            out.push_back(pts[k]);
    }
    return out;
}

} // namespace hand
