// An arc as the screen shows it: a polyline from a1 to a2 (radians,
// counter-clockwise) whose step is a fixed share of the sweep, ending at the
// exact end point. An arc through 0 is walked in two runs, one up to the full
// turn and one from 0; equal angles give the full circle. The view and the
// print preview both draw their arcs this way.
#pragma once

#include "kgeom_api.h"
#include "model/drawing.h"

#include <cmath>

namespace vectrim {

// The step is sweep * kArcCoarseStep, or sweep * kArcFineStep for sweeps
// above kArcWideSweep radians (about 33 or 100 segments).
inline constexpr double kArcCoarseStep = 0.03;
inline constexpr double kArcFineStep = 0.01;
inline constexpr double kArcWideSweep = 1.5;
// No run of an arc polyline has more points than this.
inline constexpr int kMaxArcPoints = 256;

// Calls segment(x1, y1, x2, y2) for each piece of the polyline; fullTurn is
// the caller's value of 2π. Nothing is drawn for non-finite input.
template <typename Segment>
void arcPolyline(double x, double y, double r, double a1, double a2, double fullTurn, Segment segment) {
    struct Run {
        double from, to;
    };
    Run runs[2]{};
    int runCount = 1;
    double sweep = 0;
    if (a1 < a2) {
        sweep = a2 - a1;
        runs[0] = {a1, a2};
    } else if (a1 > a2) {
        sweep = (fullTurn - a1) + a2;
        runs[0] = {a1, fullTurn};
        runs[1] = {0, a2};
        runCount = 2;
    } else {
        sweep = fullTurn;
        runs[0] = {a1, a1 + fullTurn};
    }
    const double step = sweep * (sweep > kArcWideSweep ? kArcFineStep : kArcCoarseStep);
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(r))
        return;

    auto pointAt = [&](double t) {
        Point p;
        double cx = x, cy = y, radius = r;
        kg::api().kdaten2(&cx, &cy, &radius, &t, &p.x, &p.y);
        return p;
    };
    Point last = pointAt(a1); // the exact start point
    for (int k = 0; k < runCount; ++k) {
        double t = runs[k].from + (k == 0 ? step : 0);
        for (int n = 0; n < kMaxArcPoints && t <= runs[k].to - step; ++n, t += step) {
            const Point p = pointAt(t);
            segment(last.x, last.y, p.x, p.y);
            last = p;
        }
    }
    const Point end = pointAt(runCount == 2 ? a2 : runs[0].to);
    segment(last.x, last.y, end.x, end.y);
}

} // namespace vectrim
