// The literal line-run reduction, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "reference/reference.h"

#include "kgeom_api.h"
#include "pipeline/elements.h"
#include "pipeline/line_run_walk.h"
#include "pipeline/repair_places.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vectrim::reference {

bool nearsegment(Point q, Point a, Point b, double r) {
    if (q.x < std::min(a.x, b.x) - kNearBoxMargin || q.x > std::max(a.x, b.x) + kNearBoxMargin ||
        q.y < std::min(a.y, b.y) - kNearBoxMargin || q.y > std::max(a.y, b.y) + kNearBoxMargin)
        return false;
    const double w = kg::winkelx(a.x, a.y, b.x, b.y);
    const double aq = std::sqrt((q.x - a.x) * (q.x - a.x) + (q.y - a.y) * (q.y - a.y));
    const double tx = a.x + aq * std::cos(w), ty = a.y + aq * std::sin(w);
    return std::sqrt((tx - q.x) * (tx - q.x) + (ty - q.y) * (ty - q.y)) < r;
}

void simplifyrun(Drawing& d, std::span<const Point> p, int32_t m, double r, AppendedLines& lines) {
    auto at = [&](int32_t k) { return p[k]; };
    auto append = [&](int32_t from, int32_t to) {
        // The points left out are the joints of the lines merged.
        lines.append(d, p[from].x, p[from].y, p[to].x, p[to].y, 0);
        for (int32_t k = from + 1; k < to; ++k) recordMerged(p[k]);
    };
    int32_t start = 0, k = 1;
    while (start < m) {
        bool all = true;
        for (int32_t q = start; q <= start + k && all; ++q)
            all = reference::nearsegment(at(q), at(start), at(start + k), r);
        if (all) {
            if (start + k == m) {
                append(start, m);
                return;
            }
            ++k;
            continue;
        }
        // The last good segment becomes a line. A single segment always
        // passes unless its numbers are not finite; it is then kept as it is.
        const int32_t good = k > 1 ? k - 1 : 1;
        append(start, start + good);
        start += good;
        k = 1;
    }
}

void reducelines(Drawing& d, const RunSettings& t, Host& host) {
    reference::buildcontours(d, host);
    std::vector<char> replaced(kTableSlots, 0);
    AppendedLines appended;
    std::vector<Point> points;
    // Each run of two or more lines is simplified; the walk covers the
    // entries as they were before any reduction.
    forEachLineRun(d, [&](int32_t begin, int32_t end) {
        if (end - begin < 2) return;
        runPoints(d, begin, end, points);
        for (int32_t k = begin; k < end; ++k) replaced[static_cast<size_t>(d.order[k].index())] = 1;
        reference::simplifyrun(d, points, static_cast<int32_t>(points.size()) - 1, t.reducetol, appended);
    });
    // Surviving old lines first, in their old order, then the new lines.
    // Whole line records move, contour numbers included; contour building
    // renumbers them at once.
    compactLines(d, replaced);
    appended.appendWaiting(d);
    reference::buildcontours(d, host);
}

} // namespace vectrim::reference
