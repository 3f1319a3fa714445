// Two arcs that share an end point: the junction type, the biarc that
// replaces a kink and the fillet of a corner.
#include "smooth.h"

#include "geom.h"
#include "kgeom_api.h"

#include <cstdlib>

namespace smooth {
namespace {

// The ends that meet at a junction of type 1 .. 4.
struct ArcArcMeet {
    bool firstAtStart = false;  // arc 1 meets with its start point
    bool secondAtStart = false; // arc 2 meets with its start point
};

constexpr ArcArcMeet kMeetOfType[5] = {{}, {false, true}, {true, false}, {true, true}, {false, false}};

bool meetOfType(int type, ArcArcMeet& m) {
    const int t = std::abs(type);
    if (t < 1 || t > 4) return false;
    m = kMeetOfType[t];
    return true;
}

// One junction between two arcs, the path running from arc 1 into arc 2.
struct Junction {
    Vec k;        // the common point
    Vec arriving; // direction of travel arriving along arc 1
    Vec leaving;  // direction of travel leaving along arc 2
};

Junction junctionOf(const ArcV& a, const ArcV& b, ArcArcMeet m) {
    return {0.5 * (a.at(m.firstAtStart) + b.at(m.secondAtStart)), -a.away(m.firstAtStart),
            b.away(m.secondAtStart)};
}

enum class BiarcPoint { NearestOldJunction, EqualTangents };

// The ends of a biarc: leave p0 in direction t0, arrive at p1 in direction t1.
struct BiarcEnds {
    Vec p0, t0, p1, t1;
};

// The junction points of all biarcs between the given ends lie on one
// circle through p0 and p1: the chord of a circular arc halves the turn of
// its end tangents, so the angle p0 - J - p1 is the same for every J. The
// circle's tangent at p0 has the direction of the chord p0 -> p1 turned back
// by half the turn from t0 to t1 (either half gives the same tangent line).
// Returns false when the circle degenerates to the line through p0 and p1.
bool junctionCircle(const BiarcEnds& e, PathArc& circle) {
    const double turn = std::atan2(cross(e.t0, e.t1), dot(e.t0, e.t1));
    const double chord = std::atan2(e.p1.y - e.p0.y, e.p1.x - e.p0.x);
    return circleFromTangent(e.p0, polar(chord - 0.5 * turn), e.p1, circle);
}

bool nearestJunction(const BiarcEnds& e, Vec old, Vec& j) {
    PathArc circle;
    if (junctionCircle(e, circle)) {
        const Vec off = old - circle.c;
        if (!(norm(off) > 0)) return false;
        j = circle.c + circle.r * unit(off);
        return true;
    }
    // Parallel end tangents: the junction lies on the chord.
    const Vec v = e.p1 - e.p0;
    double s = dot(old - e.p0, v) / dot(v, v);
    if (!(s > 0 && s < 1)) s = 0.5;
    j = e.p0 + s * v;
    return true;
}

// Tangent lengths a = b from p0 along t0 and from p1 back along t1, with the
// two control points a + b apart: 2 (1 - t0·t1) a² + 2 v·(t0 + t1) a - |v|² = 0.
bool equalTangentJunction(const BiarcEnds& e, Vec& j) {
    const Vec v = e.p1 - e.p0;
    const double vv = dot(v, v);
    const double c = 1 - dot(e.t0, e.t1);
    const double b = dot(v, e.t0 + e.t1);
    double a;
    if (c < kParallel) {
        if (!(b > 0)) return false;
        a = vv / (2 * b);
    } else {
        const double root = std::sqrt(b * b + 2 * c * vv);
        a = b >= 0 ? vv / (b + root) : (root - b) / (2 * c);
    }
    if (!(a > 0) || !std::isfinite(a)) return false;
    j = 0.5 * ((e.p0 + a * e.t0) + (e.p1 - a * e.t1));
    return true;
}

// Reshapes both arcs (in place) into a biarc between their far ends.
bool biarc(ArcV& first, ArcV& second, int type, BiarcPoint choice) {
    ArcArcMeet m;
    if (!first.usable() || !second.usable() || !meetOfType(type, m)) return false;
    if (!meet(first.at(m.firstAtStart), second.at(m.secondAtStart))) return false;
    const Junction old = junctionOf(first, second, m);
    BiarcEnds e;
    e.p0 = first.at(!m.firstAtStart);
    e.t0 = first.away(!m.firstAtStart);
    e.p1 = second.at(!m.secondAtStart);
    e.t1 = -second.away(!m.secondAtStart);
    if (meet(e.p0, e.p1)) return false; // a closed pair has no biarc between its ends

    Vec j;
    const bool placed =
        choice == BiarcPoint::NearestOldJunction ? nearestJunction(e, old.k, j) : equalTangentJunction(e, j);
    if (!placed || !finite({j.x, j.y}) || meet(j, e.p0) || meet(j, e.p1)) return false;
    PathArc one, two;
    if (!circleFromTangent(e.p0, e.t0, j, one) || !circleIntoTangent(j, e.p1, e.t1, two)) return false;
    const Vec tj = one.travel(j);
    // Junction points on the far side of the circle give a cusp.
    if (angleBetween(tj, two.travel(j)) >= kVerify) return false;
    const ArcV a = one.arc(), b = two.arc();
    if (!pathFits(a, e.p0, j, e.t0, tj) || !pathFits(b, j, e.p1, tj, e.t1)) return false;
    first = a;
    second = b;
    return true;
}

void runde(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
           double* r2, double* a2s, double* a2e, int16_t* err, const int16_t* type, BiarcPoint choice) {
    *err = 1;
    ArcV first{*c1x, *c1y, *r1, *a1s, *a1e}, second{*c2x, *c2y, *r2, *a2s, *a2e};
    if (!biarc(first, second, *type, choice)) return;
    *c1x = first.cx;
    *c1y = first.cy;
    *r1 = first.r;
    *a1s = first.a1;
    *a1e = first.a2;
    *c2x = second.cx;
    *c2y = second.cy;
    *r2 = second.r;
    *a2s = second.a1;
    *a2e = second.a2;
    *err = 0;
}

} // namespace
} // namespace smooth

using namespace smooth;

extern "C" {

void gettyp2(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* type, double* deflection) {
    *type = 0;
    *deflection = 0;
    const ArcV first{*c1x, *c1y, *r1, *a1s, *a1e}, second{*c2x, *c2y, *r2, *a2s, *a2e};
    if (!first.usable() || !second.usable()) return;
    for (int16_t t = 1; t <= 4; ++t) {
        const ArcArcMeet m = kMeetOfType[t];
        if (!meet(first.at(m.firstAtStart), second.at(m.secondAtStart))) continue;
        const Junction j = junctionOf(first, second, m);
        *type = cross(j.arriving, j.leaving) >= 0 ? t : static_cast<int16_t>(-t);
        *deflection = angleBetween(j.arriving, j.leaving);
        return;
    }
}

void runde1b(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type) {
    runde(c1x, c1y, r1, a1s, a1e, c2x, c2y, r2, a2s, a2e, err, type, BiarcPoint::EqualTangents);
}

void runde2b(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type) {
    runde(c1x, c1y, r1, a1s, a1e, c2x, c2y, r2, a2s, a2e, err, type, BiarcPoint::NearestOldJunction);
}

void runde3b(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type) {
    runde(c1x, c1y, r1, a1s, a1e, c2x, c2y, r2, a2s, a2e, err, type, BiarcPoint::EqualTangents);
}

void runde3bc(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
              double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type) {
    runde(c1x, c1y, r1, a1s, a1e, c2x, c2y, r2, a2s, a2e, err, type, BiarcPoint::NearestOldJunction);
}

void runde4b(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type) {
    runde(c1x, c1y, r1, a1s, a1e, c2x, c2y, r2, a2s, a2e, err, type, BiarcPoint::EqualTangents);
}

void runde4bc(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
              double* r2, double* a2s, double* a2e, int16_t* err, int16_t* type) {
    runde(c1x, c1y, r1, a1s, a1e, c2x, c2y, r2, a2s, a2e, err, type, BiarcPoint::NearestOldJunction);
}

void sround2(double* c1x, double* c1y, double* r1, double* a1s, double* a1e, double* c2x, double* c2y,
             double* r2, double* a2s, double* a2e, double* fxc, double* fyc, double* fr, double* fa1,
             double* fa2, int16_t* flag) {
    const int type = *flag;
    *flag = 1;
    const ArcV first{*c1x, *c1y, *r1, *a1s, *a1e}, second{*c2x, *c2y, *r2, *a2s, *a2e};
    const double radius = *fr;
    ArcArcMeet m;
    if (!first.usable() || !second.usable() || !finite({radius}) || !(radius > 0) || !meetOfType(type, m) ||
        !meet(first.at(m.firstAtStart), second.at(m.secondAtStart)))
        return;
    const Junction j = junctionOf(first, second, m);
    const double turn = cross(j.arriving, j.leaving);
    if (std::fabs(turn) < kParallel) return; // tangent or reversed: no corner

    // kgeom cuts both arcs back at their common point.
    ArcV one = first, two = second;
    double centreX = 0, centreY = 0, rr = radius, tol = kMeet;
    int16_t only = 0, failed = 1;
    kg::api().roundkk(&one.cx, &one.cy, &one.r, &one.a1, &one.a2, &two.cx, &two.cy, &two.r, &two.a1, &two.a2,
                      &centreX, &centreY, &rr, &tol, &only, &failed);
    if (failed != 0) return;
    // It must have cut the ends of this junction and kept the far ends.
    if ((m.firstAtStart ? one.a2 != first.a2 : one.a1 != first.a1) ||
        (m.secondAtStart ? two.a2 != second.a2 : two.a1 != second.a1))
        return;

    const Vec t1 = one.at(m.firstAtStart), t2 = two.at(m.secondAtStart);
    PathArc fillet{{centreX, centreY}, radius, turn > 0 ? 1 : -1, t1, t2};
    const ArcV f = fillet.arc();
    if (!pathFits(f, t1, t2, -one.away(m.firstAtStart), two.away(m.secondAtStart))) return;

    *a1s = one.a1;
    *a1e = one.a2;
    *a2s = two.a1;
    *a2e = two.a2;
    *fxc = f.cx;
    *fyc = f.cy;
    *fa1 = f.a1;
    *fa2 = f.a2;
    *flag = 0;
}

} // extern "C"
