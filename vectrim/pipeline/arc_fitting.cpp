#include "pipeline/arc_fitting.h"

#include "kgeom_api.h"
#include "model/numtext.h"
#include "pipeline/contours.h"
#include "pipeline/elements.h"
#include "pipeline/progress.h"

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
bool acceptableArc(const Session& s, const kg::Circle& c, int32_t from, int32_t to,
                   std::span<const FreeEnd> p) {
    const RunSettings& t = s.settings;
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

void fitarcs(Session& s, int32_t first, int32_t last, std::span<const FreeEnd> p) {
    Drawing& d = s.drawing;
    int32_t from = first, to = last;
    while (from < last) {
        if (to - from == 1) {
            // One segment left: it stays a line.
            d.appendLine(p[from].x, p[from].y, p[to].x, p[to].y);
            s.host->doEvents();
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
            fits = acceptableArc(s, c, from, to, p);
        }
        if (!fits) {
            --to;
            continue;
        }
        d.appendArc(c.xc, c.yc, c.r, c.w1 * kRadToDeg, c.w2 * kRadToDeg);
        s.host->doEvents();
        from = to;
        to = last;
    }
}

void convertlines(Session& s) {
    Drawing& d = s.drawing;
    buildcontours(s);
    std::vector<char> taken(kTableSlots, 0);
    std::span<const FreeEnd> buffer(d.freeends);
    int32_t runs = 0;

    // Converts the run of lines order[begin .. end - 1] when it has two or
    // more lines.
    auto convertRun = [&](int32_t begin, int32_t end) {
        const int32_t n = end - begin;
        if (n < 2) return;
        ++runs;
        showProgress(s, "Konvertiere Linien:" + numberText(runs) + "  ");
        int32_t count = 0;
        for (int32_t k = begin; k < end; ++k) {
            const Line& l = d.lines[d.order[k]];
            d.freeends[count++] = FreeEnd{l.x1, l.y1, 0, 0};
            taken[d.order[k]] = 1;
        }
        const Line& lastLine = d.lines[d.order[end - 1]];
        d.freeends[count++] = FreeEnd{lastLine.x2, lastLine.y2, 0, 0};
        fitarcs(s, 0, count - 1, buffer);
    };

    // Runs of consecutive line entries of one contour, in chain order. The
    // walk covers the entries as they were before any conversion.
    const int32_t entries = d.elementCount();
    int32_t runStart = -1;
    int16_t runContour = -1;
    for (int32_t k = 0; k < entries; ++k) {
        const int32_t ref = d.order[k];
        const bool valid = validRef(d, ref);
        const bool line = valid && !isArcRef(ref);
        if (runStart >= 0 && (!line || d.lines[ref].contour != runContour)) {
            convertRun(runStart, k);
            runStart = -1;
        }
        if (line && runStart < 0) {
            runStart = k;
            runContour = d.lines[ref].contour;
        }
    }
    if (runStart >= 0) convertRun(runStart, entries);

    // The lines of converted runs go; the others, and those the fitting
    // appended, move down in index order. Each takes its contour number
    // along, so a moved line keeps the number of its own contour rather than
    // that of the slot it moves into.
    int32_t kept = 0;
    for (int32_t i = 0; i < d.linecount; ++i)
        if (!taken[i]) d.lines[kept++] = d.lines[i];
    d.linecount = kept;
}

} // namespace vectrim
