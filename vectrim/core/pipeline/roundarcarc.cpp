// Arc-to-arc corner rounding: where two arcs of one contour meet at a
// corner, a fillet joins them, with the largest radius from three times the
// larger arc radius down whose arc stays within the smoothing tolerance.
#include "pipeline/arcarc_pairs.h"
#include "pipeline/smoothing.h"

#include <algorithm>

namespace vectrim {

using namespace smoothing;

namespace {

struct Rounded {
    ArcR one, two, fillet;
};

bool filletFits(const ArcR& kept1, const ArcR& kept2, int16_t type, int16_t keptCode, double radius,
                const RunSettings& s, Rounded& out) {
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
    // A fillet must run on with the arcs it joins where they ran on into
    // each other.
    return !(keptCode == 2 && (arcjunction(f, a) == 1 || arcjunction(f, b) == 1));
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
        const int16_t code = arcjunction(kept1, kept2);
        const double start = kArcArcFilletFactor * std::max(kept1.r, kept2.r);
        const double step = (start - kArcArcFilletLowest) * kFilletStepShare;
        double radius = start;
        do {
            Rounded r;
            if (filletFits(kept1, kept2, p.type, code, radius, set, r)) {
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
