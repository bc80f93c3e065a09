// Placement by dynamic programming over the glyphs and the running count of
// three-digit numbers.

#include "hand/placement.h"

#include <limits>

namespace hand {
namespace {

bool InBounds(const std::vector<IPt>& p, const Bounds& b, int dx, int dy) {
    for (const IPt& q : p)
        if (q.x + dx < b.minX || q.x + dx > b.maxX || q.y + dy < b.minY || q.y + dy > b.maxY)
            return false;
    return true;
}

} // namespace

int ThreeDigitCount(const std::vector<IPt>& p, int dx, int dy) {
    int c = 0;
    for (const IPt& q : p)
        c += (q.x + dx >= 100) + (q.y + dy >= 100);
    return c;
}

bool ChooseShifts(const std::vector<std::vector<IPt>>& glyphs, const Bounds& bounds, int target,
                  std::vector<Shift>& shifts) {
    constexpr int kRangeX = 12, kRangeY = 3;
    int maxCount = 0;
    for (const auto& g : glyphs)
        maxCount += 2 * static_cast<int>(g.size());
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
                if (!InBounds(glyphs[i], bounds, dx, dy)) continue;
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

} // namespace hand
