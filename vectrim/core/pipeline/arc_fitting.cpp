#include "pipeline/arc_fitting.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "pipeline/contours.h"
#include "pipeline/elements.h"
#include "pipeline/line_run_walk.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"

#include <cmath>
#include <vector>

namespace vectrim {

void segmentonarc(double px, double py, double qx, double qy, double cx, double cy, double r, double a1,
                  double a2, int16_t& ok, double tolerance) {
    ok = 1;
    if (coincide(px, py, qx, qy)) return;
    const double w = kg::winkelx(px, py, qx, qy);
    const double len = std::sqrt((qx - px) * (qx - px) + (qy - py) * (qy - py));
    for (int k = 0; k < kSegmentSamples; ++k) {
        const double at = len * k / kSegmentSamples;
        const double sx = px + at * std::cos(w), sy = py + at * std::sin(w);
        const double d = std::sqrt((sx - cx) * (sx - cx) + (sy - cy) * (sy - cy));
        if (std::fabs(r - d) > tolerance) {
            ok = 0;
            return;
        }
        const double ws = kg::winkelx(cx, cy, sx, sy);
        const bool inside = a1 < a2 ? (a1 <= ws && ws <= a2) : a1 > a2 ? (ws >= a1 || ws <= a2) : true;
        if (!inside) {
            ok = 0;
            return;
        }
    }
}

namespace {

// The arc through points s, m and e of the buffer, when it is one that may
// replace the lines from s to e.
bool acceptableArc(const RunSettings& t, const kg::Circle& c, int32_t from, int32_t to,
                   std::span<const Point> p) {
    if (!(t.minradius <= c.r && c.r <= t.maxradius)) return false;
    const double sweep = c.w1 <= c.w2 ? c.w2 - c.w1 : kTwoPiShort - c.w1 + c.w2;
    if (!(std::fabs((1 - std::cos(sweep / 2)) * c.r) >= kMinSagittaFactor * t.minlength)) return false;
    if (!(c.r * sweep >= t.minlength)) return false;
    if (!(sweep <= kMaxFitSweep)) return false;
    for (int32_t k = from; k < to; ++k) {
        int16_t ok = 1;
        segmentonarc(p[k].x, p[k].y, p[k + 1].x, p[k + 1].y, c.xc, c.yc, c.r, c.w1, c.w2, ok, t.reducetol);
        if (ok == 0) return false;
    }
    return true;
}

} // namespace

void fitarcs(Drawing& d, const RunSettings& t, Host& host, int32_t first, int32_t last,
             std::span<const Point> p, AppendedLines& lines) {
    int32_t from = first, to = last;
    while (from < last) {
        if (to - from == 1) {
            // One segment left: it stays a line.
            lines.append(d, p[from].x, p[from].y, p[to].x, p[to].y);
            host.doEvents();
            ++from;
            to = last;
            continue;
        }
        // The middle point, rounded half to even.
        const auto mid = static_cast<int32_t>(std::nearbyint(from + (to - from) * 0.5));
        const Point p1{p[from].x, p[from].y}, p2{p[to].x, p[to].y}, p3{p[mid].x, p[mid].y};
        // Three collinear points give no circle at all: such a candidate is
        // never acceptable, so straight chains stay lines.
        bool fits = rechFindsCircle(p1, p2, p3);
        kg::Circle c;
        if (fits) {
            c = kg::rech(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y);
            fits = acceptableArc(t, c, from, to, p);
        }
        // With the arc table full, the lines stay lines.
        if (!fits || d.arccount >= kMaxElements) {
            --to;
            continue;
        }
        if (d.appendArc(c.xc, c.yc, c.r, c.w1 * kRadToDeg, c.w2 * kRadToDeg))
            recordFittedArc(d.arcs[d.arccount - 1], p, from, to);
        host.doEvents();
        from = to;
        to = last;
    }
}

void convertlines(Drawing& d, const RunSettings& t, Host& host) {
    buildcontours(d, host);
    std::vector<char> taken(kTableSlots, 0);
    AppendedLines appended;
    std::vector<Point> points;
    int32_t runs = 0;
    // Each run of two or more lines is fitted; the walk covers the entries as
    // they were before any conversion.
    forEachLineRun(d, [&](int32_t begin, int32_t end) {
        if (end - begin < 2) return;
        ++runs;
        showProgress(host, msg::tr(msg::kConvertingLines) + numberText(runs) + "  ");
        runPoints(d, begin, end, points);
        for (int32_t k = begin; k < end; ++k) taken[static_cast<size_t>(d.order[k].index())] = 1;
        fitarcs(d, t, host, 0, static_cast<int32_t>(points.size()) - 1, points, appended);
    });
    // The lines of converted runs go; the others, and those the fitting
    // appended, move down in index order. Whole line records move, contour
    // numbers included, so a surviving line keeps the number of the slot it
    // came from until contours are built again.
    compactLines(d, taken);
    appended.appendWaiting(d);
}

} // namespace vectrim
