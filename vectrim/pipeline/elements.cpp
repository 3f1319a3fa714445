#include "pipeline/elements.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {

// Removes the order entry naming `ref` among the first n entries and lowers
// every later reference of the same kind by one.
void dropFromOrder(Drawing& d, int32_t ref, bool arc) {
    const int32_t n = d.elementCount();
    int32_t out = 0;
    bool dropped = false;
    for (int32_t i = 0; i < n; ++i) {
        int32_t e = d.order[i];
        if (!dropped && e == ref) {
            dropped = true;
            continue;
        }
        if (isArcRef(e) == arc && e > ref) --e;
        d.order[out++] = e;
    }
}

} // namespace

void deleteline(Drawing& d, int32_t k) {
    if (k < 0 || k >= d.linecount) return;
    std::copy(d.lines.begin() + k + 1, d.lines.begin() + d.linecount, d.lines.begin() + k);
    dropFromOrder(d, k, false);
    --d.linecount;
}

void deletearc(Drawing& d, int32_t k) {
    if (k < 0 || k >= d.arccount) return;
    std::copy(d.arcs.begin() + k + 1, d.arcs.begin() + d.arccount, d.arcs.begin() + k);
    dropFromOrder(d, k + kArcRef, true);
    --d.arccount;
}

double arcsweep(double a1, double a2) { return a1 < a2 ? a2 - a1 : 2 * kPi - a1 + a2; }

double arclength(double r, double a1, double a2) { return arcsweep(a1, a2) * r; }

double endTangent(double a2) { return (a2 > 270 ? a2 + 90 - 360 : a2 + 90) * kDegToRad; }

double startTangent(double a1) { return (a1 < 90 ? a1 + 270 : a1 - 90) * kDegToRad; }

double lineLength(const Line& l) {
    return std::sqrt((l.x2 - l.x1) * (l.x2 - l.x1) + (l.y2 - l.y1) * (l.y2 - l.y1));
}

} // namespace vectrim
