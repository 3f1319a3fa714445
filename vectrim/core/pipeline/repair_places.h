// The places the stages write into the report of a run, worked out alike
// by the fast stages and their literal copies: a removed element at its
// middle with its length, a joint, a fitted arc at its middle with the
// largest deviation of the lines it replaces. Nothing is worked out when no
// run is recorded.
#pragma once

#include "model/drawing.h"
#include "model/repair_log.h"

#include <cmath>
#include <span>

namespace vectrim {

// The element `ref`, still in the tables, is about to be removed.
void recordRemoved(const Drawing& d, ElementRef ref);
void recordRemoved(const Arc& a);

// Arc `a` (in the tables) replaces the chain of points p[from .. to].
void recordFittedArc(const Arc& a, std::span<const Point> p, int32_t from, int32_t to);

// An element is cut at (x, y).
inline void recordSplit(double x, double y) {
    recordRepair(RepairKind::Split, x, y);
    countRepair(RepairCount::Split);
}

// Two elements become one; p is where they met.
inline void recordMerged(Point p) { recordRepair(RepairKind::Merged, p.x, p.y); }
// The joining stages count what they merged.
inline void recordJoined(Point p) {
    recordMerged(p);
    countRepair(RepairCount::Merged);
}

// The gap between the free ends a and b is closed: at its middle, with its
// width.
void recordGapClosed(Point a, Point b);

// Two elements were reshaped so that their junction moved from `from` to
// `to`.
inline void recordJunctionMoved(Point from, Point to) {
    recordRepair(RepairKind::Moved, to.x, to.y, std::hypot(to.x - from.x, to.y - from.y));
    countRepair(RepairCount::Moved, 2);
}

// The largest distance of the chain p[from .. to] from the circle around
// (cx, cy) with radius r.
double chainDeviation(std::span<const Point> p, int32_t from, int32_t to, double cx, double cy, double r);

} // namespace vectrim
