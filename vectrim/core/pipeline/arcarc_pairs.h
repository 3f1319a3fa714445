// The frame of the two arc-to-arc stages: every pair of arcs i < j of one
// contour, among the arcs present when the stage began, with the junction
// type and deflection that gettyp2 finds.
#pragma once

#include "model/messages.h"
#include "pipeline/smoothing_checks.h"

#include "smooth.h"

namespace vectrim::smoothing {

struct ArcArcPair {
    int32_t first = 0, second = 0;
    int16_t type = 0;      // 0 no junction, else ±1 .. ±4
    double deflection = 0; // radians
};

template <class Visit>
void forArcArcPairs(Drawing& d, Host& host, Visit visit) {
    const int32_t n = d.arccount;
    const ByContour arcs = arcsByContour(d);
    for (int32_t i = 0; i < n; ++i) {
        progress(host, i, msg::tr(msg::kArcArcLong), msg::tr(msg::kArcArcShort));
        const int16_t contour = d.arcs[i].contour;
        const std::vector<int32_t>& same = arcs.of(contour);
        for (size_t k = arcs.after(contour, i); k < same.size() && same[k] < n; ++k) {
            const int32_t j = same[k];
            ArcR a = radians(d.arcs[i]), b = radians(d.arcs[j]);
            ArcArcPair p{i, j, 0, 0};
            gettyp2(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &b.cx, &b.cy, &b.r, &b.a1, &b.a2, &p.type,
                    &p.deflection);
            visit(p);
        }
    }
}

} // namespace vectrim::smoothing
