// gettyp2, the biarc functions runde* and sround2 on exact arc-arc junctions.
#include "smooth.h"
#include "walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

namespace smoothtest {
namespace {

P rotate(P v, double a) {
    return {v.x * std::cos(a) - v.y * std::sin(a), v.x * std::sin(a) + v.y * std::cos(a)};
}
double angleTo(P c, P p) {
    const double a = std::atan2(p.y - c.y, p.x - c.x);
    return a < 0 ? a + kTwoPi : a;
}
double wrap(double a) { return std::fmod(std::fmod(a, kTwoPi) + kTwoPi, kTwoPi); }

// Which ends meet for a junction type, and whether the path from arc 1 into
// arc 2 walks each of them forward (counter-clockwise).
struct Ends {
    bool forward1, forward2;
};
Ends endsOf(int type) {
    switch (std::abs(type)) {
        case 1: return {true, true};   // end of 1 on start of 2
        case 2: return {false, false}; // start of 1 on end of 2
        case 3: return {false, true};  // start on start
        default: return {true, false}; // end on end
    }
}

// Two arcs meeting at K: the path walks arc 1 into K and leaves along arc 2,
// turned by `kink` (left > 0). The type fixes which way the path walks each
// arc, and so which way it bends (forward = counter-clockwise = left).
struct Pair {
    Arc5 one, two;
    int type;
    P p0, p1, t0, t1; // far ends and the directions of travel there

    Pair(Arc5 first, int type_, double kink, double r2, double sweep2) : one(first), type(type_) {
        const Ends e = endsOf(type);
        const Walk w = walkArc(one, e.forward1);
        const P k = w.to;
        const P d = rotate(w.tTo, kink);
        const double side = e.forward2 ? 1 : -1; // centre left or right of d
        const P c{k.x - side * r2 * d.y, k.y + side * r2 * d.x};
        const double ak = angleTo(c, k);
        two = e.forward2 ? Arc5{c.x, c.y, r2, ak, wrap(ak + sweep2)}
                         : Arc5{c.x, c.y, r2, wrap(ak - sweep2), ak};
        p0 = w.from;
        t0 = w.tFrom;
        const Walk w2 = walkArcFrom(two, k);
        p1 = w2.to;
        t1 = w2.tTo;
    }
};

struct Typ {
    int16_t type = 99;
    double deflection = -1;
};
Typ typeOf(Arc5 a, Arc5 b) {
    Typ t;
    gettyp2(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &b.cx, &b.cy, &b.r, &b.a1, &b.a2, &t.type, &t.deflection);
    return t;
}

using Runde = void (*)(double*, double*, double*, double*, double*, double*, double*, double*, double*,
                       double*, int16_t*, int16_t*);
int16_t call(Runde f, Arc5& a, Arc5& b, int16_t type) {
    int16_t err = 0;
    f(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &b.cx, &b.cy, &b.r, &b.a1, &b.a2, &err, &type);
    return err;
}

struct Fillet {
    Arc5 arc;
    int16_t flag = 0;
};
Fillet sround2On(Arc5& a, Arc5& b, double radius, int16_t type) {
    Fillet f;
    f.arc.r = radius;
    f.flag = type;
    sround2(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &b.cx, &b.cy, &b.r, &b.a1, &b.a2, &f.arc.cx, &f.arc.cy,
            &f.arc.r, &f.arc.a1, &f.arc.a2, &f.flag);
    return f;
}

TEST(Gettyp2, TypeSignAndDeflectionForEveryPairOfEnds) {
    const Arc5 first{1, 2, 10, 30 * kDeg, 100 * kDeg};
    for (int t = 1; t <= 4; ++t)
        for (double kink : {-2.0, -0.3, 0.2, 1.5}) {
            SCOPED_TRACE(::testing::Message() << "type " << t << " kink " << kink);
            const Pair p(first, t, kink, 7, 50 * kDeg);
            const Typ got = typeOf(p.one, p.two);
            EXPECT_EQ(got.type, kink > 0 ? t : -t);
            EXPECT_NEAR(got.deflection, std::fabs(kink), 1e-12);
        }
}

TEST(Gettyp2, ArcsThatDoNotMeetAndUnusableInput) {
    const Arc5 a{0, 0, 10, 0, kPi / 2}, far{100, 0, 10, 0, kPi / 2};
    EXPECT_EQ(typeOf(a, far).type, 0);
    EXPECT_EQ(typeOf(a, far).deflection, 0);
    Arc5 zero = a;
    zero.r = 0;
    EXPECT_EQ(typeOf(zero, a).type, 0);
    Arc5 nan = a;
    nan.cx = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(typeOf(a, nan).type, 0);
    // A tangent continuation: deflection 0.
    const Arc5 on{0, 0, 10, kPi / 2, kPi};
    const Typ t = typeOf(a, on);
    EXPECT_EQ(t.type, 1);
    EXPECT_NEAR(t.deflection, 0, 1e-15);
}

// Checks what the biarc functions promise.
void expectBiarc(const Pair& before, const Arc5& one, const Arc5& two) {
    EXPECT_TRUE(normalAngles(one));
    EXPECT_TRUE(normalAngles(two));
    const Walk w1 = walkArcFrom(one, before.p0);
    const Walk w2 = walkArcFrom(two, w1.to);
    EXPECT_TRUE(same(w1.from, before.p0));
    EXPECT_LT(angleOf(w1.tFrom, before.t0), kExact);
    EXPECT_TRUE(joins(w1, w2));
    EXPECT_TRUE(same(w2.to, before.p1));
    EXPECT_LT(angleOf(w2.tTo, before.t1), kExact);
}

const Runde kAll[] = {runde1b, runde2b, runde3b, runde3bc, runde4b, runde4bc};

TEST(Runde, KinkedPairsBecomeBiarcs) {
    const Arc5 first{0, 0, 10, 10 * kDeg, 70 * kDeg};
    for (int t = 1; t <= 4; ++t)
        for (double kink : {-0.3, -0.02, 0.05, 0.4})
            for (Runde f : kAll) {
                SCOPED_TRACE(::testing::Message() << "type " << t << " kink " << kink);
                const Pair before(first, t, kink, 12, 40 * kDeg);
                Arc5 one = before.one, two = before.two;
                const int16_t type = typeOf(one, two).type;
                ASSERT_EQ(std::abs(type), t);
                ASSERT_EQ(call(f, one, two, type), 0);
                expectBiarc(before, one, two);
            }
}

TEST(Runde, RandomPairsKeepTheirPromises) {
    std::mt19937 rng(23);
    std::uniform_real_distribution<double> u(0, 1);
    int nearest = 0, equal = 0;
    const int n = 300;
    for (int i = 0; i < n; ++i) {
        const double a1 = u(rng) * kTwoPi;
        const Arc5 first{100 * u(rng), 100 * u(rng), 0.5 + 40 * u(rng), a1,
                         wrap(a1 + (5 + 120 * u(rng)) * kDeg)};
        const int type = 1 + static_cast<int>(u(rng) * 4) % 4;
        const Pair before(first, type, (u(rng) - 0.5) * 1.0, 0.5 + 40 * u(rng), (5 + 120 * u(rng)) * kDeg);
        SCOPED_TRACE(i);
        for (Runde f : {runde2b, runde1b}) {
            Arc5 one = before.one, two = before.two;
            if (call(f, one, two, static_cast<int16_t>(type)) != 0) {
                EXPECT_EQ(one.a1, before.one.a1); // untouched on failure
                EXPECT_EQ(two.r, before.two.r);
                continue;
            }
            (f == runde2b ? nearest : equal)++;
            expectBiarc(before, one, two);
        }
    }
    EXPECT_GT(nearest, n * 9 / 10);
    EXPECT_GT(equal, n * 9 / 10);
}

TEST(Runde, TheTwoChoicesGiveDifferentJunctions) {
    const Pair before({0, 0, 10, 10 * kDeg, 70 * kDeg}, 1, 0.2, 30, 20 * kDeg);
    Arc5 a1 = before.one, a2 = before.two, b1 = before.one, b2 = before.two;
    ASSERT_EQ(call(runde2b, a1, a2, 1), 0);
    ASSERT_EQ(call(runde1b, b1, b2, 1), 0);
    EXPECT_GT(dist(walkArcFrom(a1, before.p0).to, walkArcFrom(b1, before.p0).to), 0.01);
}

TEST(Runde, NearestJunctionKeepsASmoothPairAsItIs) {
    const Pair before({5, 5, 10, 10 * kDeg, 70 * kDeg}, 3, 0, 4, 60 * kDeg);
    Arc5 one = before.one, two = before.two;
    ASSERT_EQ(call(runde3bc, one, two, typeOf(one, two).type), 0);
    EXPECT_NEAR(one.r, 10, 1e-9);
    EXPECT_NEAR(two.r, 4, 1e-9);
    EXPECT_NEAR(two.cx, before.two.cx, 1e-9);
    EXPECT_NEAR(one.a1, before.one.a1, 1e-9);
}

TEST(Runde, UnusableInputSetsTheFlagAndChangesNothing) {
    const Pair good({0, 0, 10, 10 * kDeg, 70 * kDeg}, 1, 0.2, 12, 40 * kDeg);
    for (Runde f : kAll) {
        Arc5 one = good.one, two = good.two;
        EXPECT_EQ(call(f, one, two, 0), 1);
        EXPECT_EQ(call(f, one, two, 5), 1);
        EXPECT_EQ(call(f, one, two, 3), 1); // start on start does not meet here
        EXPECT_EQ(one.a1, good.one.a1);
        Arc5 zero = one;
        zero.r = 0;
        EXPECT_EQ(call(f, zero, two, 1), 1);
        Arc5 inf = two;
        inf.a2 = std::numeric_limits<double>::infinity();
        EXPECT_EQ(call(f, one, inf, 1), 1);
        // Two halves of a circle meet at both ends: no biarc between far ends
        // that coincide.
        Arc5 top{0, 0, 5, 0, kPi}, bottom{0, 0, 5, kPi, 0};
        EXPECT_EQ(call(f, top, bottom, 1), 1);
    }
}

void expectFillet(const Pair& before, const Arc5& one, const Arc5& two, const Fillet& f, double radius) {
    EXPECT_EQ(f.flag, 0);
    EXPECT_EQ(f.arc.r, radius);
    EXPECT_TRUE(normalAngles(f.arc));
    const Walk w1 = walkArcFrom(one, before.p0);
    const Walk wf = walkArcFrom(f.arc, w1.to);
    const Walk w2 = walkArcFrom(two, wf.to);
    EXPECT_TRUE(same(w1.from, before.p0));
    EXPECT_TRUE(same(w2.to, before.p1));
    EXPECT_TRUE(joins(w1, wf));
    EXPECT_TRUE(joins(wf, w2));
    EXPECT_NEAR(one.r, before.one.r, 1e-12);
    EXPECT_NEAR(two.cx, before.two.cx, 1e-12);
    EXPECT_LT(one.sweep(), before.one.sweep());
    EXPECT_LT(two.sweep(), before.two.sweep());
}

TEST(Sround2, CornerBetweenTwoArcs) {
    // Arc 1 ends at (0, 0) heading up, arc 2 starts there heading right.
    Arc5 one{-10, 0, 10, 1.5 * kPi, 0}, two{0, 10, 10, 1.5 * kPi, 2 * kPi};
    const Typ t = typeOf(one, two);
    ASSERT_EQ(t.type, -1);
    ASSERT_NEAR(t.deflection, kPi / 2, 1e-12);
    Pair before({-10, 0, 10, 1.5 * kPi, 0}, 1, -kPi / 2, 10, kPi / 2);
    ASSERT_NEAR(before.two.cx, 0, 1e-12);
    const Fillet f = sround2On(one, two, 0.5, t.type);
    expectFillet(before, one, two, f, 0.5);
    EXPECT_EQ(one.r, 10);
    EXPECT_EQ(two.cx, 0);
    EXPECT_EQ(one.a1, 1.5 * kPi); // far ends untouched
    EXPECT_EQ(two.a2, 2 * kPi);
}

TEST(Sround2, RandomCornersKeepTheirPromises) {
    std::mt19937 rng(31);
    std::uniform_real_distribution<double> u(0, 1);
    int rounded = 0;
    const int n = 300;
    for (int i = 0; i < n; ++i) {
        const double a1 = u(rng) * kTwoPi, r1 = 1 + 40 * u(rng);
        const Arc5 first{100 * u(rng), 100 * u(rng), r1, a1, wrap(a1 + (10 + 150 * u(rng)) * kDeg)};
        const int type = 1 + static_cast<int>(u(rng) * 4) % 4;
        const double kink = (u(rng) < 0.5 ? -1 : 1) * (5 + 170 * u(rng)) * kDeg;
        const double r2 = 1 + 40 * u(rng);
        const Pair before(first, type, kink, r2, (10 + 150 * u(rng)) * kDeg);
        Arc5 one = before.one, two = before.two;
        const double radius = 0.05 + 0.2 * std::min(r1, r2) * u(rng);
        const Fillet f = sround2On(one, two, radius, typeOf(one, two).type);
        SCOPED_TRACE(i);
        if (f.flag != 0) {
            EXPECT_EQ(one.a1, before.one.a1);
            EXPECT_EQ(two.a2, before.two.a2);
            continue;
        }
        ++rounded;
        expectFillet(before, one, two, f, radius);
    }
    EXPECT_GT(rounded, n * 3 / 4);
}

TEST(Sround2, WrongTypeTooLargeRadiusOrNoCorner) {
    const Pair p({-10, 0, 10, 1.5 * kPi, 0}, 1, -kPi / 2, 10, kPi / 2);
    Arc5 one = p.one, two = p.two;
    EXPECT_EQ(sround2On(one, two, 0.5, 3).flag, 1); // these ends do not meet
    EXPECT_EQ(sround2On(one, two, 0.5, 0).flag, 1);
    // Arcs of 30° each: a large fillet would touch their circles beyond them.
    Arc5 short1{-10, 0, 10, 330 * kDeg, 0}, short2{0, 10, 10, 1.5 * kPi, 300 * kDeg};
    EXPECT_EQ(sround2On(short1, short2, 100, -1).flag, 1);
    EXPECT_EQ(short1.a2, 0);
    EXPECT_EQ(sround2On(one, two, 0, -1).flag, 1);
    EXPECT_EQ(sround2On(one, two, std::numeric_limits<double>::quiet_NaN(), -1).flag, 1);
    EXPECT_EQ(one.a2, p.one.a2);
    EXPECT_EQ(two.a1, p.two.a1);
    const Pair smooth({-10, 0, 10, 1.5 * kPi, 0}, 1, 0, 10, kPi / 2);
    Arc5 s1 = smooth.one, s2 = smooth.two;
    EXPECT_EQ(sround2On(s1, s2, 0.5, 1).flag, 1);
}

} // namespace
} // namespace smoothtest
