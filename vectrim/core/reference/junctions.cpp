// The literal junction splitting, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "reference/reference.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"

#include <algorithm>
#include <cmath>

namespace vectrim::reference {

namespace {

// Whether two points differ by at least the split tolerance in x or in y.
bool apart(double x1, double y1, double x2, double y2) {
    return std::fabs(x1 - x2) >= kSplitPoint || std::fabs(y1 - y2) >= kSplitPoint;
}

Point pointAt(double cx, double cy, double r, double w) {
    return {cx + r * std::cos(w), cy + r * std::sin(w)};
}

// Whether the point lies in the interior of line j, far enough from its ends
// to cut it there.
bool cutsLine(const Line& l, double x, double y) {
    if (x < std::min(l.x1, l.x2) - kSplitSearchMargin || x > std::max(l.x1, l.x2) + kSplitSearchMargin ||
        y < std::min(l.y1, l.y2) - kSplitSearchMargin || y > std::max(l.y1, l.y2) + kSplitSearchMargin)
        return false;
    if (!apart(x, y, l.x1, l.y1) || !apart(x, y, l.x2, l.y2)) return false;
    const double w = kg::winkelx(l.x1, l.y1, l.x2, l.y2);
    const double len = lineLength(l);
    const double d1 = std::sqrt((x - l.x1) * (x - l.x1) + (y - l.y1) * (y - l.y1));
    const double d2 = std::sqrt((x - l.x2) * (x - l.x2) + (y - l.y2) * (y - l.y2));
    if (!(d1 <= len && d1 >= kSamePoint && d2 >= kSamePoint)) return false;
    const double fx = l.x1 + d1 * std::cos(w), fy = l.y1 + d1 * std::sin(w);
    return std::fabs(fx - x) < kSplitPoint && std::fabs(fy - y) < kSplitPoint;
}

// The angle (radians) at which the point cuts arc j, or a negative value
// when it does not cut it.
double cutsArc(const Arc& a, double x, double y) {
    if (!(x - kSplitSearchMargin <= a.cx + a.r && x + kSplitSearchMargin >= a.cx - a.r &&
          y - kSplitSearchMargin <= a.cy + a.r && y + kSplitSearchMargin >= a.cy - a.r))
        return -1;
    const double a1 = a.a1 * kDegToRadShort, a2 = a.a2 * kDegToRadShort;
    const Point st = pointAt(a.cx, a.cy, a.r, a1), en = pointAt(a.cx, a.cy, a.r, a2);
    if (!apart(x, y, st.x, st.y) || !apart(x, y, en.x, en.y)) return -1;
    const double d = std::sqrt((x - a.cx) * (x - a.cx) + (y - a.cy) * (y - a.cy));
    if (!(std::fabs(d - a.r) < kSplitPoint)) return -1;
    const double w = kg::winkelx(a.cx, a.cy, x, y);
    const bool inside = a1 < a2 ? (a1 < w && w < a2) : (w > a1 || w < a2);
    return inside ? w : -1;
}

} // namespace

void splitelementsat(Drawing& d, Host& host, double x, double y, int32_t index, ElementKind kind,
                     int16_t& full) {
    full = 0;
    for (int32_t j = 0; j < d.linecount;) {
        if (kind == ElementKind::Line && j == index) {
            ++j;
            continue;
        }
        if (!cutsLine(d.lines[j], x, y)) {
            ++j;
            continue;
        }
        // The part beyond the point becomes a new line; line j ends there.
        Line& l = d.lines[j];
        const double x2 = l.x2, y2 = l.y2;
        const int16_t contour = l.contour;
        l.x2 = x;
        l.y2 = y;
        if (!d.appendLine(x, y, x2, y2, contour)) {
            host.message(msg::tr(msg::kLineTableFull), msg::tr(msg::kTitleError), Icon::Critical);
            full = 1;
            return;
        }
        recordSplit(x, y);
        // Line j is looked at again; the point is now its end.
    }
    for (int32_t j = 0; j < d.arccount;) {
        if (kind == ElementKind::Arc && j == index) {
            ++j;
            continue;
        }
        const double w = cutsArc(d.arcs[j], x, y);
        if (w < 0) {
            ++j;
            continue;
        }
        Arc& a = d.arcs[j];
        const double oldEnd = a.a2;
        a.a2 = w * kRadToDeg;
        if (!d.appendArc(a.cx, a.cy, a.r, a.a2, oldEnd, a.contour)) {
            host.message(msg::tr(msg::kArcTableFull), msg::tr(msg::kTitleError), Icon::Critical);
            full = 1;
            return;
        }
        recordSplit(x, y);
    }
}

void splitatjunctions(Drawing& d, Host& host, int16_t& full) {
    full = 0;
    // Elements added while splitting are not used as cutting points.
    const int32_t n = d.linecount, m = d.arccount;
    for (int32_t i = 0; i < n; ++i) {
        if (i % 100 == 0)
            showProgress(host, i % 300 == 0 ? msg::tr(msg::kDuplicatesLong) : msg::tr(msg::kDuplicatesShort));
        const Line l = d.lines[i];
        if (std::fabs(l.x1 - l.x2) <= kSamePoint && std::fabs(l.y1 - l.y2) <= kSamePoint) continue;
        // Line i itself is never cut by its own ends.
        reference::splitelementsat(d, host, l.x1, l.y1, i, ElementKind::Line, full);
        if (full) return;
        reference::splitelementsat(d, host, l.x2, l.y2, i, ElementKind::Line, full);
        if (full) return;
    }
    for (int32_t i = 0; i < m; ++i) {
        if (i % 100 == 0)
            showProgress(host, i % 300 == 0 ? msg::tr(msg::kDuplicatesLong) : msg::tr(msg::kDuplicatesShort));
        const Arc a = d.arcs[i];
        const double a1 = a.a1 * kDegToRadShort, a2 = a.a2 * kDegToRadShort;
        const Point st = pointAt(a.cx, a.cy, a.r, a1), en = pointAt(a.cx, a.cy, a.r, a2);
        const double len = arclength(a.r, a1, a2);
        // A tiny closed circle cuts nothing.
        if (std::fabs(st.x - en.x) <= kSamePoint && std::fabs(st.y - en.y) <= kSamePoint &&
            len <= kTinyCircleLength)
            continue;
        reference::splitelementsat(d, host, st.x, st.y, i, ElementKind::Arc, full);
        if (full) return;
        reference::splitelementsat(d, host, en.x, en.y, i, ElementKind::Arc, full);
        if (full) return;
    }
}

} // namespace vectrim::reference
