// Plane vectors, arcs as paths and the checks that every result of the
// rounding functions passes before it is handed back.
#pragma once

#include <cmath>
#include <initializer_list>

namespace smooth {

// Two end points meet when both coordinate differences are below this.
inline constexpr double kMeet = 0.001;
// A returned junction must close and be tangent to within this (mm, rad).
inline constexpr double kVerify = 1e-7;
// Below this a cross product of unit vectors counts as zero (parallel).
inline constexpr double kParallel = 1e-12;

struct Vec {
    double x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator-(Vec a) { return {-a.x, -a.y}; }
inline Vec operator*(double s, Vec a) { return {s * a.x, s * a.y}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
inline double norm(Vec a) { return std::hypot(a.x, a.y); }
inline Vec leftNormal(Vec a) { return {-a.y, a.x}; }
inline Vec unit(Vec a) {
    const double n = norm(a);
    return {a.x / n, a.y / n};
}
inline Vec polar(double a) { return {std::cos(a), std::sin(a)}; }
inline Vec onCircle(Vec c, double r, double a) { return c + r * polar(a); }
inline bool meet(Vec a, Vec b, double tol = kMeet) {
    return std::fabs(a.x - b.x) < tol && std::fabs(a.y - b.y) < tol;
}
// Angle between two unit directions, in [0, π].
inline double angleBetween(Vec u, Vec v) { return std::atan2(std::fabs(cross(u, v)), dot(u, v)); }

inline bool finite(std::initializer_list<double> v) {
    for (double x : v)
        if (!std::isfinite(x)) return false;
    return true;
}

// Direction angle from a to b in [0, 2π), as kgeom's winkelx gives it.
double direction(Vec a, Vec b);

// An arc as the five values of the calling contract.
struct ArcV {
    double cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0;
    Vec centre() const { return {cx, cy}; }
    Vec start() const { return onCircle(centre(), r, a1); }
    Vec end() const { return onCircle(centre(), r, a2); }
    Vec at(bool atStart) const { return atStart ? start() : end(); }
    bool usable() const { return finite({cx, cy, r, a1, a2}) && r > 0; }
    // Direction of travel leaving the arc at one of its ends: from the start
    // it runs counter-clockwise, from the end it runs back clockwise.
    Vec away(bool atStart) const {
        return atStart ? Vec{-std::sin(a1), std::cos(a1)} : Vec{std::sin(a2), -std::cos(a2)};
    }
};

// A circular piece of a path: centre, radius, the sense in which the path
// runs over it (+1 counter-clockwise, -1 clockwise) and its two points in
// path order. Turned into a table arc, it runs counter-clockwise.
struct PathArc {
    Vec c;
    double r = 0;
    int sense = 1;
    Vec from, to;
    // The arc of the calling contract (angles from the centre, winkelx).
    ArcV arc() const;
    // Direction of travel at a point of the circle.
    Vec travel(Vec p) const { return (static_cast<double>(sense) / r) * leftNormal(p - c); }
};

// The circle that leaves point p in direction t (unit) and passes through q:
// false when q lies on the tangent line (no circle) or the input is unusable.
bool circleFromTangent(Vec p, Vec t, Vec q, PathArc& out);

// The same circle run backwards: it passes through q and arrives at p in
// direction t.
bool circleIntoTangent(Vec q, Vec p, Vec t, PathArc& out);

// Whether the table arc `a`, walked from `from` to `to`, meets both points
// and leaves `from` in direction tFrom and arrives at `to` in direction tTo,
// each within kVerify.
bool pathFits(const ArcV& a, Vec from, Vec to, Vec tFrom, Vec tTo);

// Direction of travel of a table arc at its start (counter-clockwise) or end.
inline Vec forward(const ArcV& a, bool atStart) {
    const double t = atStart ? a.a1 : a.a2;
    return {-std::sin(t), std::cos(t)};
}

} // namespace smooth
