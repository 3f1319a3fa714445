// The literal arc-to-arc smoothing, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "pipeline/repair_places.h"
#include "reference/arcarc_pairs.h"
#include "reference/reference.h"

#include <cstdlib>

namespace vectrim::reference {

using namespace smoothing;

namespace {

using Runde = void (*)(double*, double*, double*, double*, double*, double*, double*, double*, double*,
                       double*, int16_t*, int16_t*);

// The functions to try for a junction type, in order.
struct Tries {
    Runde first, second;
};
Tries triesFor(int16_t type) {
    switch (std::abs(type)) {
        case 1:
        case 2: return {runde2b, runde1b};
        case 3: return {runde3bc, runde3b};
        default: return {runde4bc, runde4b};
    }
}

double midAngle(const ArcR& a) {
    double m = a.a1 + span(a) / 2;
    if (m > kTwoPi) m -= kTwoPi;
    return m;
}

// A reshaped arc must sweep at most 1.5π, and its middle must not lie inside
// both arcs as they were (seen from their centres): such an arc has taken
// the wrong side of its circle. Taking the complementary sweep instead would
// keep the ends but reverse the arc's direction at the new junction, so the
// pair would turn back on itself there; the try fails instead.
bool sweepOnTheRightSide(const ArcR& changed, const ArcR& keptSame, const ArcR& keptOther) {
    if (span(changed) > kBiarcMaxSweep * kPi) return false;
    const double m = midAngle(changed);
    const Point mid{changed.cx + changed.r * std::cos(m), changed.cy + changed.r * std::sin(m)};
    return !(anglewithin(keptSame, mid) && anglewithin(keptOther, mid));
}

bool accepted(const ArcR& one, const ArcR& two, const ArcR& kept1, const ArcR& kept2, int16_t type,
              const RunSettings& s) {
    if (!checkarcpos(one, s) || !checkarcpos(two, s)) return false;
    for (const ArcR* a : {&one, &two})
        if (a->r < s.minradius || a->r > s.maxradius) return false;
    if (!sweepOnTheRightSide(one, kept1, kept2) || !sweepOnTheRightSide(two, kept2, kept1)) return false;
    if (std::abs(type) == 3 && length(one) + length(two) > kOppositeGrowth * (length(kept1) + length(kept2)))
        return false;
    const double t = s.smoothtol;
    auto near = [&](Point q) { return nearcircles(q, kept1, kept2, t); };
    return allSamples(one, near) && allSamples(two, near);
}

} // namespace

void smootharcarc(Drawing& d, const RunSettings& t, Host& host) {
    if (d.arccount == 0) return;
    reference::buildcontours(d, host);
    forArcArcPairs(d, host, [&](const ArcArcPair& p) {
        if (p.type == 0 || p.deflection < kArcArcMinKink * kDegToRad) return;
        const ArcR kept1 = radians(d.arcs[p.first]), kept2 = radians(d.arcs[p.second]);
        const Tries tries = triesFor(p.type);
        for (Runde f : {tries.first, tries.second}) {
            ArcR one = kept1, two = kept2;
            int16_t err = 0, type = p.type;
            f(&one.cx, &one.cy, &one.r, &one.a1, &one.a2, &two.cx, &two.cy, &two.r, &two.a1, &two.a2, &err,
              &type);
            if (err != 0 || !accepted(one, two, kept1, kept2, p.type, t)) continue;
            recordJunctionMoved(junctionOf(kept1, p.type), junctionOf(one, p.type));
            store(d.arcs[p.first], one);
            store(d.arcs[p.second], two);
            return;
        }
    });
}

} // namespace vectrim::reference
