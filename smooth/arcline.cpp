// An arc and a line that share an end point: the deflection there, the
// tangent reshaping of a small kink and the fillet of a corner.
#include "smooth.h"

#include "geom.h"
#include "kgeom_api.h"

namespace smooth {
namespace {

// Which ends of an arc and a line meet.
struct ArcLineMeet {
    bool arcAtStart = false;  // the arc's start point is the common point
    bool lineAtStart = false; // the line's (x1, y1) is the common point
};

// Tried in the order arc start / line start, arc start / line end, arc end /
// line start, arc end / line end; the first pair that meets counts.
bool findMeet(const ArcV& a, Vec p1, Vec p2, ArcLineMeet& m) {
    for (int k = 0; k < 4; ++k) {
        const bool atS = k < 2, atP1 = (k % 2) == 0;
        if (meet(a.at(atS), atP1 ? p1 : p2)) {
            m = {atS, atP1};
            return true;
        }
    }
    return false;
}

bool usableLine(Vec p1, Vec p2) { return finite({p1.x, p1.y, p2.x, p2.y}) && (p1.x != p2.x || p1.y != p2.y); }

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

double sweep(const ArcV& a) { return a.a1 < a.a2 ? a.a2 - a.a1 : kTwoPi - a.a1 + a.a2; }

// The arc (far end A, travel tA there) and line (common end K, far end F)
// of one junction, the path running A -> arc -> K -> line -> F.
struct Corner {
    Vec a, ta, k, f, d; // d: unit direction from K to F
};

// The construction of kliner: the line keeps F and its direction, the arc
// keeps A and tA; the new common point P is where the line touches the
// circle tangent to tA at A. With n the left normal, the centre is
// A + s ρ n(tA) and P = centre - s ρ n(d); P on the line gives
// s ρ (1 - tA·d) = (F - A) × d.
bool keepLineDirection(const Corner& c, PathArc& out) {
    const double num = cross(c.f - c.a, c.d);
    const double den = 1 - dot(c.ta, c.d);
    if (!(den > kParallel) || !finite({num})) return false;
    const double rho = std::fabs(num) / den;
    if (!(rho > 0) || !std::isfinite(rho)) return false;
    const int s = num > 0 ? 1 : -1;
    out.c = c.a + (s * rho) * leftNormal(c.ta);
    out.r = rho;
    out.sense = s;
    out.from = c.a;
    out.to = out.c - (s * rho) * leftNormal(c.d);
    // The common point must stay on the line's side of its far end.
    return finite({out.to.x, out.to.y}) && dot(c.f - out.to, c.d) > kMeet;
}

} // namespace
} // namespace smooth

using namespace smooth;

extern "C" {

void getkl2(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1, double* x2,
            double* y2, int16_t* touch, double* deflection) {
    const ArcV a{*cx, *cy, *r, *a1, *a2};
    const Vec p1{*x1, *y1}, p2{*x2, *y2};
    *touch = 0;
    *deflection = 0;
    ArcLineMeet m;
    if (!a.usable() || !usableLine(p1, p2) || !findMeet(a, p1, p2, m)) return;
    const Vec arriving = -a.away(m.arcAtStart);
    const Vec leaving = m.lineAtStart ? unit(p2 - p1) : unit(p1 - p2);
    const double d = angleBetween(arriving, leaving);
    if (!std::isfinite(d)) return; // a line too long for its direction to be computed
    *touch = 1;
    *deflection = d;
}

void kliner(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1, double* x2,
            double* y2, int16_t* err) {
    *err = 1;
    const ArcV a{*cx, *cy, *r, *a1, *a2};
    const Vec p1{*x1, *y1}, p2{*x2, *y2};
    ArcLineMeet m;
    if (!a.usable() || !usableLine(p1, p2) || !findMeet(a, p1, p2, m)) return;
    Corner c;
    c.a = a.at(!m.arcAtStart);
    c.ta = a.away(!m.arcAtStart);
    c.k = m.lineAtStart ? p1 : p2;
    c.f = m.lineAtStart ? p2 : p1;
    c.d = unit(c.f - c.k);
    if (meet(c.a, c.k)) return; // the arc has no far end of its own

    // Refitting the arc through its far end tangent to the unchanged line
    // would also do, but it turns the arc's tangent at the far end by the
    // very kink it removes: the kink would only move to the arc's other
    // junction. Without the first construction there is no result.
    PathArc piece;
    if (!keepLineDirection(c, piece) || sweep(piece.arc()) > kPi) return;
    const ArcV out = piece.arc();
    if (!pathFits(out, c.a, piece.to, c.ta, c.d)) return;
    *cx = out.cx;
    *cy = out.cy;
    *r = out.r;
    *a1 = out.a1;
    *a2 = out.a2;
    if (m.lineAtStart) {
        *x1 = piece.to.x;
        *y1 = piece.to.y;
    } else {
        *x2 = piece.to.x;
        *y2 = piece.to.y;
    }
    *err = 0;
}

void klrund(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1, double* x2,
            double* y2, double* fxc, double* fyc, double* fr, double* fa1, double* fa2, int16_t* err) {
    *err = 1;
    const ArcV a{*cx, *cy, *r, *a1, *a2};
    const Vec p1{*x1, *y1}, p2{*x2, *y2};
    const double radius = *fr;
    ArcLineMeet m;
    if (!a.usable() || !usableLine(p1, p2) || !finite({radius}) || !(radius > 0) || !findMeet(a, p1, p2, m))
        return;
    const Vec arriving = -a.away(m.arcAtStart);
    const Vec leaving = m.lineAtStart ? unit(p2 - p1) : unit(p1 - p2);
    const double turn = cross(arriving, leaving);
    if (std::fabs(turn) < kParallel) return; // no corner to round

    // kgeom cuts both elements back at the common point.
    ArcV cut = a;
    Vec q1 = p1, q2 = p2;
    double centreX = 0, centreY = 0, rr = radius, tol = kMeet;
    int16_t only = 0, failed = 1;
    kg::api().roundkl(&cut.cx, &cut.cy, &cut.r, &cut.a1, &cut.a2, &q1.x, &q1.y, &q2.x, &q2.y, &centreX,
                      &centreY, &rr, &tol, &only, &failed);
    if (failed != 0) return;

    const Vec onArc = cut.at(m.arcAtStart);
    const Vec onLine = m.lineAtStart ? q1 : q2;
    PathArc fillet{{centreX, centreY}, radius, turn > 0 ? 1 : -1, onArc, onLine};
    const ArcV f = fillet.arc();
    // The path arc -> fillet -> line must close and run on without a kink.
    const Vec intoFillet = -cut.away(m.arcAtStart);
    if (!pathFits(f, onArc, onLine, intoFillet, leaving)) return;
    if (!meet(cut.at(!m.arcAtStart), a.at(!m.arcAtStart), kVerify)) return;

    *a1 = cut.a1;
    *a2 = cut.a2;
    *x1 = q1.x;
    *y1 = q1.y;
    *x2 = q2.x;
    *y2 = q2.y;
    *fxc = f.cx;
    *fyc = f.cy;
    *fa1 = f.a1;
    *fa2 = f.a2;
    *err = 0;
}

} // extern "C"
