// The frame of the two arc-to-line stages as it was literally, kept for the
// reference stages: every line of a contour meets every arc of the same
// contour, and the pairs that touch are handed on with their deflection.
#pragma once

#include "model/messages.h"
#include "pipeline/smoothing_checks.h"
#include "reference/reference.h"

#include "smooth.h"

namespace vectrim::reference {

struct ArcLinePair {
    int32_t line = 0, arc = 0;
    double deflection = 0; // radians
};

// Lines in index order; for each, the arcs of its contour in index order,
// as far as the arc count when the line's turn began (so a fillet appended
// for one line is met by the later lines). visit(pair) may change the pair
// in the tables and append arcs.
template <class Visit>
void forArcLinePairs(Drawing& d, Host& host, Visit visit) {
    if (d.linecount == 0 || d.arccount == 0) return;
    reference::buildcontours(d, host);
    smoothing::ByContour arcs = smoothing::arcsByContour(d);
    for (int32_t i = 0; i < d.linecount; ++i) {
        smoothing::progress(host, i, msg::tr(msg::kArcLineLong), msg::tr(msg::kArcLineShort));
        const int32_t arcCount = d.arccount;
        const int16_t contour = d.lines[i].contour;
        for (size_t k = 0; k < arcs.of(contour).size(); ++k) {
            const int32_t j = arcs.of(contour)[k];
            if (j >= arcCount) break;
            smoothing::ArcR a = smoothing::radians(d.arcs[j]);
            Line l = d.lines[i];
            int16_t touch = 0;
            double defl = 0;
            getkl2(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &l.x1, &l.y1, &l.x2, &l.y2, &touch, &defl);
            if (touch != 1) continue;
            const int32_t before = d.arccount;
            visit(ArcLinePair{i, j, defl});
            for (int32_t added = before; added < d.arccount; ++added) arcs.add(d.arcs[added].contour, added);
        }
    }
}

} // namespace vectrim::reference
