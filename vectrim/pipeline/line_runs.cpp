#include "pipeline/line_runs.h"

#include "kgeom_api.h"
#include "pipeline/contours.h"
#include "pipeline/elements.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vectrim {

bool nearsegment(Point q, Point a, Point b, double r) {
    if (q.x < std::min(a.x, b.x) - kNearBoxMargin || q.x > std::max(a.x, b.x) + kNearBoxMargin ||
        q.y < std::min(a.y, b.y) - kNearBoxMargin || q.y > std::max(a.y, b.y) + kNearBoxMargin)
        return false;
    const double w = kg::winkelx(a.x, a.y, b.x, b.y);
    const double aq = std::sqrt((q.x - a.x) * (q.x - a.x) + (q.y - a.y) * (q.y - a.y));
    const double tx = a.x + aq * std::cos(w), ty = a.y + aq * std::sin(w);
    return std::sqrt((tx - q.x) * (tx - q.x) + (ty - q.y) * (ty - q.y)) < r;
}

void simplifyrun(Session& s, std::span<const FreeEnd> p, int32_t m, double r) {
    Drawing& d = s.drawing;
    auto at = [&](int32_t k) { return Point{p[k].x, p[k].y}; };
    auto append = [&](int32_t from, int32_t to) {
        d.appendLine(p[from].x, p[from].y, p[to].x, p[to].y, 0);
    };
    int32_t start = 0, k = 1;
    while (start < m) {
        bool all = true;
        for (int32_t q = start; q <= start + k && all; ++q) all = nearsegment(at(q), at(start), at(start + k), r);
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

void reducelines(Session& s) {
    Drawing& d = s.drawing;
    buildcontours(s);
    std::vector<char> replaced(kTableSlots, 0);
    const double r = s.settings.reducetol;

    // The point list of a run lies in the free-end table: the start of each
    // line, then the end of the last.
    auto reduceRun = [&](int32_t begin, int32_t end) {
        if (end - begin < 2) return;
        int32_t count = 0;
        for (int32_t k = begin; k < end; ++k) {
            const Line& l = d.lines[d.order[k]];
            d.freeends[count].x = l.x1;
            d.freeends[count].y = l.y1;
            ++count;
            replaced[d.order[k]] = 1;
        }
        const Line& last = d.lines[d.order[end - 1]];
        d.freeends[count].x = last.x2;
        d.freeends[count].y = last.y2;
        simplifyrun(s, std::span<const FreeEnd>(d.freeends), count, r);
    };

    // Runs of consecutive line entries of one contour; the walk covers the
    // entries as they were before any reduction.
    const int32_t entries = d.elementCount();
    int32_t runStart = -1;
    int16_t runContour = -1;
    for (int32_t k = 0; k < entries; ++k) {
        const int32_t ref = d.order[k];
        const bool line = validRef(d, ref) && !isArcRef(ref);
        if (runStart >= 0 && (!line || d.lines[ref].contour != runContour)) {
            reduceRun(runStart, k);
            runStart = -1;
        }
        if (line && runStart < 0) {
            runStart = k;
            runContour = d.lines[ref].contour;
        }
    }
    if (runStart >= 0) reduceRun(runStart, entries);

    // Surviving old lines first, in their old order, then the new lines.
    // Each takes its contour number along, so a moved line keeps the number
    // of its own contour rather than that of the slot it moves into.
    int32_t kept = 0;
    for (int32_t i = 0; i < d.linecount; ++i)
        if (!replaced[i]) d.lines[kept++] = d.lines[i];
    d.linecount = kept;
    buildcontours(s);
}

} // namespace vectrim
