#include "geom.h"

#include "kgeom_api.h"

namespace smooth {

double direction(Vec a, Vec b) { return kg::winkelx(a.x, a.y, b.x, b.y); }

ArcV PathArc::arc() const {
    const double ta = direction(c, from), tb = direction(c, to);
    ArcV a{c.x, c.y, r, ta, tb};
    if (sense < 0) {
        a.a1 = tb;
        a.a2 = ta;
    }
    return a;
}

bool circleFromTangent(Vec p, Vec t, Vec q, PathArc& out) {
    const Vec w = q - p;
    const double len2 = dot(w, w);
    const double side = dot(w, leftNormal(t));
    if (!finite({len2, side}) || len2 == 0) return false;
    if (std::fabs(side) <= kParallel * std::sqrt(len2)) return false; // q on the tangent line
    // Centre p + s n with |q - centre| = |s|: s = |w|² / (2 w·n).
    const double s = len2 / (2 * side);
    out.c = p + s * leftNormal(t);
    out.r = std::fabs(s);
    out.sense = s > 0 ? 1 : -1;
    out.from = p;
    out.to = q;
    return finite({out.c.x, out.c.y, out.r}) && out.r > 0;
}

bool circleIntoTangent(Vec q, Vec p, Vec t, PathArc& out) {
    // Walked backwards the path leaves p in direction -t and reaches q.
    if (!circleFromTangent(p, -t, q, out)) return false;
    out.sense = -out.sense;
    out.from = q;
    out.to = p;
    return true;
}

bool pathFits(const ArcV& a, Vec from, Vec to, Vec tFrom, Vec tTo) {
    if (!a.usable()) return false;
    const Vec s = a.start(), e = a.end();
    if (meet(s, from, kVerify) && meet(e, to, kVerify))
        return angleBetween(forward(a, true), tFrom) < kVerify &&
               angleBetween(forward(a, false), tTo) < kVerify;
    if (meet(e, from, kVerify) && meet(s, to, kVerify))
        return angleBetween(-forward(a, false), tFrom) < kVerify &&
               angleBetween(-forward(a, true), tTo) < kVerify;
    return false;
}

} // namespace smooth
