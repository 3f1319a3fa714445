#include "view/scaling.h"

#include "kgeom_api.h"

namespace vectrim {

void scaledrawing(Drawing& d, double fx, double fy) {
    const kg::Api& g = kg::api();
    for (int32_t i = 0; i < d.linecount; ++i) {
        Line& l = d.lines[i];
        double x0 = 0, y0 = 0, sx = fx, sy = fy;
        g.lskalieren(&x0, &y0, &sx, &sy, &l.x1, &l.y1, &l.x2, &l.y2);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        Arc& a = d.arcs[i];
        double x0 = 0, y0 = 0, sx = fx, sy = fy;
        // The angles go in as radian copies; the table keeps its own.
        double w1 = a.a1 * kDegToRad, w2 = a.a2 * kDegToRad;
        g.kskalieren(&x0, &y0, &sx, &sy, &a.r, &a.cx, &a.cy, &w1, &w2);
    }
}

} // namespace vectrim
