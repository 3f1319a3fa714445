// Junctions of a drawing as the smoothing stage tests see them: where two
// elements meet and how sharply the path turns there.
#pragma once

#include "model/drawing.h"

#include <array>
#include <cmath>

namespace vectrim::test {

struct EndOf {
    Point p;
    double ax = 0, ay = 0; // unit direction moving from the end into the element
};

inline std::array<EndOf, 2> endsOf(const Drawing& d, int32_t ref) {
    if (ref >= kArcRef) {
        const Arc& a = d.arcs[ref - kArcRef];
        const double s = a.a1 * kDegToRad, e = a.a2 * kDegToRad;
        return {EndOf{arcStart(a), -std::sin(s), std::cos(s)}, EndOf{arcEnd(a), std::sin(e), -std::cos(e)}};
    }
    const Line& l = d.lines[ref];
    const double len = std::hypot(l.x2 - l.x1, l.y2 - l.y1);
    const double ux = (l.x2 - l.x1) / len, uy = (l.y2 - l.y1) / len;
    return {EndOf{{l.x1, l.y1}, ux, uy}, EndOf{{l.x2, l.y2}, -ux, -uy}};
}

// The deflection (0 = tangent, π = reversal) where elements a and b meet with
// ends closer than `gap`; -1 when no ends meet.
inline double junctionDeflection(const Drawing& d, int32_t a, int32_t b, double gap = 1e-7) {
    for (const EndOf& ea : endsOf(d, a))
        for (const EndOf& eb : endsOf(d, b)) {
            if (std::hypot(ea.p.x - eb.p.x, ea.p.y - eb.p.y) > gap) continue;
            const double cr = ea.ax * eb.ay - ea.ay * eb.ax, dt = ea.ax * eb.ax + ea.ay * eb.ay;
            // Arriving along a is the reverse of a's away direction.
            return std::atan2(std::fabs(cr), -dt);
        }
    return -1;
}

} // namespace vectrim::test
