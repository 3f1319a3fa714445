#include "pipeline/repair_places.h"

#include "pipeline/elements.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

void recordRemoved(const Arc& a) {
    if (!repairsRecorded()) return;
    const Point m = arcMiddle(a);
    recordRepair(RepairKind::Removed, m.x, m.y, arclength(a.r, a.a1 * kDegToRad, a.a2 * kDegToRad));
}

void recordRemoved(const Drawing& d, ElementRef ref) {
    if (!repairsRecorded() || !d.holds(ref)) return;
    if (ref.isArc()) {
        recordRemoved(d.arcs[ref.index()]);
        return;
    }
    const Line& l = d.lines[ref.index()];
    recordRepair(RepairKind::Removed, (l.x1 + l.x2) / 2, (l.y1 + l.y2) / 2, lineLength(l));
}

void recordGapClosed(Point a, Point b) {
    const double width = std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
    recordRepair(RepairKind::GapClosed, (a.x + b.x) / 2, (a.y + b.y) / 2, width);
    countRepair(RepairCount::Moved);
}

double chainDeviation(std::span<const Point> p, int32_t from, int32_t to, double cx, double cy, double r) {
    // Along a segment the distance from the centre is largest at an end and
    // smallest at the foot of the centre on it.
    double largest = 0;
    for (int32_t k = from; k <= to; ++k)
        largest = std::max(largest, std::fabs(std::hypot(p[k].x - cx, p[k].y - cy) - r));
    for (int32_t k = from; k < to; ++k) {
        const double dx = p[k + 1].x - p[k].x, dy = p[k + 1].y - p[k].y, len2 = dx * dx + dy * dy;
        if (!(len2 > 0)) continue;
        const double t = std::clamp(((cx - p[k].x) * dx + (cy - p[k].y) * dy) / len2, 0.0, 1.0);
        largest = std::max(largest, std::fabs(std::hypot(p[k].x + t * dx - cx, p[k].y + t * dy - cy) - r));
    }
    return largest;
}

void recordFittedArc(const Arc& a, std::span<const Point> p, int32_t from, int32_t to) {
    if (!repairsRecorded()) return;
    const Point m = arcMiddle(a);
    recordRepair(RepairKind::ArcFitted, m.x, m.y, chainDeviation(p, from, to, a.cx, a.cy, a.r));
}

} // namespace vectrim
