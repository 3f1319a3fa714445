// Arc-to-line smoothing of small kinks: where a line meets an arc of its
// contour with a deflection of at most 0.4 rad, arc and line are reshaped to
// meet tangentially; the result stays only if it keeps within the smoothing
// tolerance of the pair as it was.
#include "pipeline/arcline_pairs.h"
#include "pipeline/repair_places.h"
#include "pipeline/smoothing.h"

#include "kgeom_api.h"

#include <algorithm>

namespace vectrim {

using namespace smoothing;

namespace {

// Where a reshaped arc and line touch and the two directions there: the
// line's leaving the common point, the arc's arriving at it.
struct Touch {
    double lineDirection = 0, arcDirection = 0;
};

bool touchOf(const ArcR& a, const Line& l, Touch& t) {
    const Point as = startOf(a), ae = endOf(a);
    const Point ls{l.x1, l.y1}, le{l.x2, l.y2};
    const struct {
        bool arcAtStart, lineAtStart;
    } order[4] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (const auto& o : order) {
        const Point pa = o.arcAtStart ? as : ae;
        const Point pl = o.lineAtStart ? ls : le;
        if (!coincide(pa.x, pa.y, pl.x, pl.y)) continue;
        const Point other = o.lineAtStart ? le : ls;
        t.lineDirection = kg::winkelx(pl.x, pl.y, other.x, other.y);
        // From a point just inside the arc towards its end: the arc's
        // direction arriving at the common point.
        const double probe = o.arcAtStart ? a.a1 + kTangentProbe : a.a2 - kTangentProbe;
        const Point in{a.cx + a.r * std::cos(probe), a.cy + a.r * std::sin(probe)};
        t.arcDirection = kg::winkelx(in.x, in.y, pa.x, pa.y);
        return true;
    }
    return false;
}

// Every point of a line from its start, 0.1 mm apart. Lines longer than
// 100 m are walked in a million steps.
template <class Pass>
bool allLinePoints(const Line& l, Pass pass) {
    const double len = lineLength(l);
    const double w = kg::winkelx(l.x1, l.y1, l.x2, l.y2);
    const double step = std::max(kLineSampleStep, len / 1e6);
    for (double t = 0; t <= len; t += step)
        if (!pass(Point{l.x1 + t * std::cos(w), l.y1 + t * std::sin(w)})) return false;
    return true;
}

// The reshaped pair stays within T of the pair as it was, and the pair as it
// was within T of the reshaped one.
bool withinTolerance(const ArcR& arc, const Line& line, const ArcR& keptArc, const Line& keptLine, double t) {
    const Point k1{keptLine.x1, keptLine.y1}, k2{keptLine.x2, keptLine.y2};
    const Point n1{line.x1, line.y1}, n2{line.x2, line.y2};
    return allSamples(arc, [&](Point q) { return nearcircleline(q, keptArc, k1, k2, t); }) &&
           allLinePoints(line, [&](Point q) { return nearcircleline(q, keptArc, k1, k2, t); }) &&
           allSamples(keptArc, [&](Point q) { return nearcircleline(q, arc, n1, n2, t); });
}

bool reshaped(ArcR& arc, Line& line, const RunSettings& s) {
    const ArcR keptArc = arc;
    const Line keptLine = line;
    int16_t err = 1;
    kliner(&arc.cx, &arc.cy, &arc.r, &arc.a1, &arc.a2, &line.x1, &line.y1, &line.x2, &line.y2, &err);
    if (err != 0 || !checkarcpos(arc, s) || lineLength(line) < s.minlength) return false;
    Touch t;
    if (!touchOf(arc, line, t)) return false;
    if (std::fabs(directionDifference(t.lineDirection, t.arcDirection)) > kTangentTolerance) return false;
    if (lineLength(line) < s.minlength) return false;
    return withinTolerance(arc, line, keptArc, keptLine, s.smoothtol);
}

} // namespace

void smootharcline(Drawing& d, const RunSettings& t, Host& host) {
    forArcLinePairs(d, host, [&](const ArcLinePair& p) {
        if (!(p.deflection > kKinkMin && p.deflection <= kKinkMax)) return;
        ArcR arc = radians(d.arcs[p.arc]);
        Line line = d.lines[p.line];
        if (!reshaped(arc, line, t)) return;
        recordJunctionMoved(meetingPoint(radians(d.arcs[p.arc]), d.lines[p.line]), meetingPoint(arc, line));
        store(d.arcs[p.arc], arc);
        Line& l = d.lines[p.line];
        l.x1 = line.x1, l.y1 = line.y1, l.x2 = line.x2, l.y2 = line.y2;
    });
}

} // namespace vectrim
