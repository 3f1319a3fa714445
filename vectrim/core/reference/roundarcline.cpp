// The literal arc-to-line corner rounding, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "pipeline/repair_places.h"
#include "reference/arcline_pairs.h"
#include "reference/reference.h"

namespace vectrim::reference {

using namespace smoothing;

namespace {

struct Rounded {
    ArcR arc, fillet;
    Line line;
};

bool filletFits(const ArcR& keptArc, const Line& keptLine, double radius, const RunSettings& s,
                Rounded& out) {
    out.arc = keptArc;
    out.line = keptLine;
    ArcR& a = out.arc;
    Line& l = out.line;
    ArcR& f = out.fillet;
    f.r = radius;
    int16_t err = 1;
    klrund(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &l.x1, &l.y1, &l.x2, &l.y2, &f.cx, &f.cy, &f.r, &f.a1, &f.a2,
           &err);
    if (err != 0) return false;
    if (!checkarc(a, s) || !checkarc(f, s) || lineLength(l) < s.minlength) return false;
    const Point k1{keptLine.x1, keptLine.y1}, k2{keptLine.x2, keptLine.y2};
    return allSamples(f, [&](Point q) { return nearcircleline(q, keptArc, k1, k2, s.smoothtol); });
}

} // namespace

void roundarcline(Drawing& d, const RunSettings& t, Host& host) {
    const RunSettings& set = t;
    const double minAngle = set.cornerminangle * kDegToRad;
    const double maxAngle = set.cornermaxangle * kDegToRad;
    forArcLinePairs(d, host, [&](const ArcLinePair& p) {
        if (p.deflection < minAngle || p.deflection > maxAngle) return;
        if (d.arccount >= kMaxElements) return; // a full arc table leaves the corner sharp
        const ArcR keptArc = radians(d.arcs[p.arc]);
        const Line keptLine = d.lines[p.line];
        const double step = (keptArc.r - set.minradius) * kFilletStepShare;
        double radius = keptArc.r;
        do {
            Rounded r;
            if (filletFits(keptArc, keptLine, radius, set, r)) {
                const Point corner = meetingPoint(keptArc, keptLine);
                recordRepair(RepairKind::CornerRounded, corner.x, corner.y, radius);
                store(d.arcs[p.arc], r.arc);
                Line& l = d.lines[p.line];
                l.x1 = r.line.x1, l.y1 = r.line.y1, l.x2 = r.line.x2, l.y2 = r.line.y2;
                const int16_t contour = d.arcs[p.arc].contour;
                d.appendArc(r.fillet.cx, r.fillet.cy, radius, r.fillet.a1 * kRadToDeg,
                            r.fillet.a2 * kRadToDeg, contour);
                return;
            }
            radius -= step;
        } while (radius > set.minradius);
    });
}

} // namespace vectrim::reference
