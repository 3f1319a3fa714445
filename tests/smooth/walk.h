// Paths through arcs and lines for the tests of the rounding functions: where
// a path enters and leaves an element and in which direction, so that a test
// can state "these two pieces join tangentially".
#pragma once

#include <gtest/gtest.h>

#include <cmath>

namespace smoothtest {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 2 * kPi;
constexpr double kDeg = kPi / 180;
// Closing and tangency of a returned junction.
constexpr double kExact = 1e-9;

struct P {
    double x = 0, y = 0;
};
inline double dist(P a, P b) { return std::hypot(a.x - b.x, a.y - b.y); }
inline P polarP(double a) { return {std::cos(a), std::sin(a)}; }

struct Arc5 {
    double cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0;
    P at(double a) const { return {cx + r * std::cos(a), cy + r * std::sin(a)}; }
    P start() const { return at(a1); }
    P end() const { return at(a2); }
    double sweep() const { return a1 < a2 ? a2 - a1 : kTwoPi - a1 + a2; }
};

struct Seg {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    P p1() const { return {x1, y1}; }
    P p2() const { return {x2, y2}; }
    double length() const { return std::hypot(x2 - x1, y2 - y1); }
};

// One element as the path walks it: entry and exit point, direction of
// travel at both (unit vectors).
struct Walk {
    P from, to, tFrom, tTo;
};

inline Walk walkArc(const Arc5& a, bool forward) {
    const P ts{-std::sin(a.a1), std::cos(a.a1)}, te{-std::sin(a.a2), std::cos(a.a2)};
    if (forward) return {a.start(), a.end(), ts, te};
    return {a.end(), a.start(), {-te.x, -te.y}, {-ts.x, -ts.y}};
}
// Walks the arc in the sense that starts nearer to `from`.
inline Walk walkArcFrom(const Arc5& a, P from) {
    return walkArc(a, dist(a.start(), from) <= dist(a.end(), from));
}
inline Walk walkLine(const Seg& s, bool forward) {
    const double l = s.length();
    const P d{(s.x2 - s.x1) / l, (s.y2 - s.y1) / l};
    if (forward) return {s.p1(), s.p2(), d, d};
    return {s.p2(), s.p1(), {-d.x, -d.y}, {-d.x, -d.y}};
}
inline Walk walkLineFrom(const Seg& s, P from) {
    return walkLine(s, dist(s.p1(), from) <= dist(s.p2(), from));
}

inline double angleOf(P u, P v) {
    return std::atan2(std::fabs(u.x * v.y - u.y * v.x), u.x * v.x + u.y * v.y);
}

// The path runs from a into b without a gap and without a kink.
inline ::testing::AssertionResult joins(const Walk& a, const Walk& b, double tol = kExact) {
    const double gap = dist(a.to, b.from), kink = angleOf(a.tTo, b.tFrom);
    if (gap <= tol && kink <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "gap " << gap << ", kink " << kink << " rad";
}

// Angles as the contract promises them: in [0, 2π).
inline ::testing::AssertionResult normalAngles(const Arc5& a) {
    if (a.a1 >= 0 && a.a1 <= kTwoPi && a.a2 >= 0 && a.a2 <= kTwoPi && a.r > 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "angles " << a.a1 << ", " << a.a2 << ", radius " << a.r;
}

inline bool same(P a, P b, double tol = kExact) { return dist(a, b) <= tol; }

} // namespace smoothtest
