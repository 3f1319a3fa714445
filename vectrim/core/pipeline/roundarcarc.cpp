// Arc-to-arc corner rounding: where two arcs of one contour meet at a
// corner, a fillet joins them, with the largest radius from three times the
// larger arc radius down whose arc stays within the smoothing tolerance.
#include "pipeline/arcarc_pairs.h"
#include "pipeline/repair_places.h"
#include "pipeline/smoothing.h"

#include <algorithm>
#include <cstdlib>

namespace vectrim {

using namespace smoothing;

namespace {

struct Rounded {
    ArcR one, two, fillet;
};

// Which end of each arc lies at a junction of the given type (1 end on
// start, 2 start on end, 3 start on start, 4 end on end).
struct JunctionEnds {
    bool firstAtStart = false, secondAtStart = false;
};
JunctionEnds endsOf(int16_t type) {
    switch (std::abs(type)) {
        case 1: return {false, true};
        case 2: return {true, false};
        case 3: return {true, true};
        default: return {false, false};
    }
}

bool filletFits(const ArcR& kept1, const ArcR& kept2, int16_t type, double radius, const RunSettings& s,
                Rounded& out) {
    out.one = kept1;
    out.two = kept2;
    ArcR &a = out.one, &b = out.two, &f = out.fillet;
    f.r = radius;
    int16_t flag = type;
    sround2(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &b.cx, &b.cy, &b.r, &b.a1, &b.a2, &f.cx, &f.cy, &f.r, &f.a1,
            &f.a2, &flag);
    if (flag != 0) return false;
    if (!checkarc(a, s) || !checkarc(b, s) || !checkarc(f, s)) return false;
    if (!allSamples(f, [&](Point q) { return nearcircles(q, kept1, kept2, s.smoothtol); })) return false;
    // The fillet must run the way the path runs from arc i into arc j, for
    // a left turn and a right turn alike; it never turns the path round.
    const JunctionEnds e = endsOf(type);
    return filletRunsWithPath(a, e.firstAtStart, f, b, e.secondAtStart);
}

} // namespace

void roundarcarc(Drawing& d, const RunSettings& t, Host& host) {
    const RunSettings& set = t;
    const double minAngle = set.cornerminangle * kDegToRad;
    const double maxAngle = set.cornermaxangle * kDegToRad;
    forArcArcPairs(d, host, [&](const ArcArcPair& p) {
        if (p.type == 0 || p.deflection < kArcArcMinCorner) return;
        if (p.deflection < minAngle || p.deflection > maxAngle) return;
        if (d.arccount >= kMaxElements) return; // a full arc table leaves the corner sharp
        const ArcR kept1 = radians(d.arcs[p.first]), kept2 = radians(d.arcs[p.second]);
        const double start = kArcArcFilletFactor * std::max(kept1.r, kept2.r);
        const double step = (start - kArcArcFilletLowest) * kFilletStepShare;
        double radius = start;
        do {
            Rounded r;
            if (filletFits(kept1, kept2, p.type, radius, set, r)) {
                const Point corner = junctionOf(kept1, p.type);
                recordRepair(RepairKind::CornerRounded, corner.x, corner.y, radius);
                store(d.arcs[p.first], r.one);
                store(d.arcs[p.second], r.two);
                d.appendArc(r.fillet.cx, r.fillet.cy, radius, r.fillet.a1 * kRadToDeg,
                            r.fillet.a2 * kRadToDeg, d.arcs[p.first].contour);
                return;
            }
            radius -= step;
        } while (radius > kArcArcFilletLowest);
    });
    d.freecount = 0;
}

} // namespace vectrim
