// getkl2, kliner and klrund on exact arc-line junctions.
#include "smooth.h"
#include "walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace smoothtest {
namespace {

P rotate(P v, double a) {
    return {v.x * std::cos(a) - v.y * std::sin(a), v.x * std::sin(a) + v.y * std::cos(a)};
}

// An arc and a line meeting at a corner: the path walks the arc into the
// common point K and leaves along the line, turned by `kink` (left > 0).
struct Corner {
    Arc5 arc;
    Seg line;
    bool arcAtStart = false, lineAtStart = true;
    P k, a, f; // common point, far end of the arc, far end of the line

    Corner(Arc5 arc_, bool arcAtStart_, bool lineAtStart_, double kink, double length)
        : arc(arc_), arcAtStart(arcAtStart_), lineAtStart(lineAtStart_) {
        const Walk w = walkArc(arc, !arcAtStart); // walked into K
        k = w.to;
        a = w.from;
        const P d = rotate(w.tTo, kink);
        f = {k.x + length * d.x, k.y + length * d.y};
        line = lineAtStart ? Seg{k.x, k.y, f.x, f.y} : Seg{f.x, f.y, k.x, k.y};
    }
    // Where the path goes after a change: from A over the arc to the line's
    // end that is not F.
    Walk arcWalk() const { return walkArcFrom(arc, a); }
    Walk lineWalk() const { return walkLine(line, lineAtStart); }
};

struct Kl2 {
    int16_t touch = 7;
    double deflection = -1;
};
Kl2 getkl2Of(Arc5 a, Seg l) {
    Kl2 r;
    getkl2(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &l.x1, &l.y1, &l.x2, &l.y2, &r.touch, &r.deflection);
    return r;
}

int16_t klinerOn(Arc5& a, Seg& l) {
    int16_t err = 9;
    kliner(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &l.x1, &l.y1, &l.x2, &l.y2, &err);
    return err;
}

struct Fillet {
    Arc5 arc;
    int16_t err = 9;
};
Fillet klrundOn(Arc5& a, Seg& l, double radius) {
    Fillet f;
    f.arc.r = radius;
    klrund(&a.cx, &a.cy, &a.r, &a.a1, &a.a2, &l.x1, &l.y1, &l.x2, &l.y2, &f.arc.cx, &f.arc.cy, &f.arc.r,
           &f.arc.a1, &f.arc.a2, &f.err);
    return f;
}

const Arc5 kQuarter{0, 0, 10, 0, kPi / 2}; // (10, 0) -> (0, 10)

TEST(Getkl2, DeflectionAtEachPairOfEnds) {
    // The quarter arrives at (0, 10) heading in -x.
    EXPECT_NEAR(getkl2Of(kQuarter, {0, 10, -10, 10}).deflection, 0, 1e-15);
    EXPECT_NEAR(getkl2Of(kQuarter, {-10, 10, 0, 10}).deflection, 0, 1e-15);
    EXPECT_NEAR(getkl2Of(kQuarter, {0, 10, 0, 20}).deflection, kPi / 2, 1e-12);
    EXPECT_NEAR(getkl2Of(kQuarter, {0, 10, 10, 10}).deflection, kPi, 1e-12);
    const double d = 10 * kDeg;
    EXPECT_NEAR(getkl2Of(kQuarter, {0, 10, -10, 10 + 10 * std::tan(d)}).deflection, d, 1e-12);
    // At the start: a line arriving upwards at (10, 0) runs straight on into it.
    const Kl2 start = getkl2Of(kQuarter, {10, -5, 10, 0});
    EXPECT_EQ(start.touch, 1);
    EXPECT_NEAR(start.deflection, 0, 1e-15);
    EXPECT_NEAR(getkl2Of(kQuarter, {10, 0, 15, 0}).deflection, kPi / 2, 1e-12);
    // A tiny kink is measured, not lost in rounding.
    EXPECT_NEAR(getkl2Of(kQuarter, {0, 10, -10, 10 + 10 * std::tan(1e-6)}).deflection, 1e-6, 1e-13);
    // Ends within 0.001 on each axis meet; 0.001 does not.
    EXPECT_EQ(getkl2Of(kQuarter, {0.0009, 10.0009, -10, 10}).touch, 1);
    EXPECT_EQ(getkl2Of(kQuarter, {0.0011, 10, -10, 10}).touch, 0);
}

TEST(Getkl2, NoTouchAndUnusableInput) {
    const Kl2 apart = getkl2Of(kQuarter, {5, 5, 6, 6});
    EXPECT_EQ(apart.touch, 0);
    EXPECT_EQ(apart.deflection, 0);
    Arc5 zero = kQuarter;
    zero.r = 0;
    EXPECT_EQ(getkl2Of(zero, {0, 0, 1, 1}).touch, 0);
    EXPECT_EQ(getkl2Of(kQuarter, {0, 10, 0, 10}).touch, 0); // a point, not a line
    Arc5 bad = kQuarter;
    bad.a2 = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(getkl2Of(bad, {0, 10, -10, 10}).touch, 0);
}

// Checks what kliner promises for a corner it reshaped.
void expectTangentReshape(const Corner& before, const Corner& after) {
    // Both far ends stay.
    EXPECT_TRUE(same(after.arcWalk().from, before.a));
    EXPECT_EQ(after.lineAtStart ? after.line.p2().x : after.line.p1().x, before.f.x);
    EXPECT_EQ(after.lineAtStart ? after.line.p2().y : after.line.p1().y, before.f.y);
    // They meet and run on without a kink.
    EXPECT_TRUE(joins(after.arcWalk(), after.lineWalk()));
    EXPECT_TRUE(normalAngles(after.arc));
    // The line keeps its direction, the arc its tangent at the far end.
    EXPECT_LT(angleOf(after.lineWalk().tFrom, before.lineWalk().tFrom), kExact);
    EXPECT_LT(angleOf(after.arcWalk().tFrom, before.arcWalk().tFrom), kExact);
}

TEST(Kliner, SmallKinkBecomesTangentInEveryEndConfiguration) {
    const Arc5 arc{3, -2, 10, 20 * kDeg, 80 * kDeg};
    for (bool arcAtStart : {false, true})
        for (bool lineAtStart : {false, true})
            for (double kink : {-0.3, -0.05, 1e-4, 0.05, 0.3}) {
                SCOPED_TRACE(::testing::Message() << "arcAtStart " << arcAtStart << " lineAtStart "
                                                  << lineAtStart << " kink " << kink);
                const Corner before(arc, arcAtStart, lineAtStart, kink, 20);
                Corner after = before;
                ASSERT_EQ(klinerOn(after.arc, after.line), 0);
                expectTangentReshape(before, after);
                EXPECT_NE(after.line.length(), before.line.length());
            }
}

TEST(Kliner, RandomCornersKeepTheirPromises) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> u(0, 1);
    int reshaped = 0;
    const int n = 400;
    for (int i = 0; i < n; ++i) {
        const double a1 = u(rng) * kTwoPi, sweep = (2 + 150 * u(rng)) * kDeg;
        Arc5 arc{200 * u(rng) - 100, 200 * u(rng) - 100, 0.2 + 50 * u(rng), a1,
                 std::fmod(a1 + sweep, kTwoPi)};
        const Corner before(arc, u(rng) < 0.5, u(rng) < 0.5, (u(rng) - 0.5) * 0.8, 0.2 + 40 * u(rng));
        Corner after = before;
        if (klinerOn(after.arc, after.line) != 0) continue;
        ++reshaped;
        SCOPED_TRACE(i);
        expectTangentReshape(before, after);
    }
    EXPECT_GT(reshaped, n * 9 / 10);
}

TEST(Kliner, NoCircleWithinTheLineSetsTheFlag) {
    // A quarter arc and a line of 0.5 turned 20° further left: the circle
    // tangent at the arc's far end would touch the line's carrier beyond the
    // line's far end.
    const Corner before({0, 0, 10, 0, kPi / 2}, false, true, 20 * kDeg, 0.5);
    Corner after = before;
    EXPECT_EQ(klinerOn(after.arc, after.line), 1);
    EXPECT_EQ(after.line.x2, before.line.x2);
    EXPECT_EQ(after.arc.r, 10);
    // With a longer line it fits, the arc tighter than before.
    const Corner longer({0, 0, 10, 0, kPi / 2}, false, true, 20 * kDeg, 20);
    after = longer;
    ASSERT_EQ(klinerOn(after.arc, after.line), 0);
    expectTangentReshape(longer, after);
    EXPECT_LT(after.arc.r, 10);
}

TEST(Kliner, TangentInputComesBackUnchanged) {
    const Corner before(kQuarter, false, true, 0, 10);
    Corner after = before;
    ASSERT_EQ(klinerOn(after.arc, after.line), 0);
    EXPECT_NEAR(after.arc.cx, 0, 1e-9);
    EXPECT_NEAR(after.arc.cy, 0, 1e-9);
    EXPECT_NEAR(after.arc.r, 10, 1e-9);
    EXPECT_TRUE(same(after.line.p1(), before.line.p1()));
}

TEST(Kliner, UnusableInputSetsTheFlagAndChangesNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Arc5 bad[] = {
        {0, 0, 0, 0, kPi / 2}, {0, 0, -1, 0, kPi / 2}, {0, 0, 10, nan, 1}, {0, 0, 10, 0, 1e308 * 10}};
    for (Arc5 a : bad) {
        Seg l{0, 10, -10, 10};
        const Arc5 keep = a;
        EXPECT_EQ(klinerOn(a, l), 1);
        EXPECT_EQ(a.r, keep.r);
        EXPECT_EQ(l.x2, -10);
    }
    Arc5 a = kQuarter;
    Seg apart{20, 20, 30, 30}, point{0, 10, 0, 10};
    EXPECT_EQ(klinerOn(a, apart), 1);
    EXPECT_EQ(klinerOn(a, point), 1);
    EXPECT_EQ(apart.x1, 20);
    // The arc's own chord: the line's far end is the arc's far end.
    Arc5 b = kQuarter;
    Seg back{0, 10, 10, 0};
    EXPECT_EQ(klinerOn(b, back), 1);
    EXPECT_EQ(b.a2, kPi / 2);
}

// Checks what klrund promises: arc -> fillet -> line (or reversed) without
// gaps or kinks, the fillet of the requested radius, the far ends kept.
void expectFilletJoins(const Corner& before, const Corner& after, const Fillet& f, double radius) {
    EXPECT_EQ(f.arc.r, radius);
    EXPECT_TRUE(normalAngles(f.arc));
    EXPECT_TRUE(normalAngles(after.arc));
    const Walk arc = after.arcWalk();
    const Walk fillet = walkArcFrom(f.arc, arc.to);
    EXPECT_TRUE(same(arc.from, before.a));
    EXPECT_EQ(after.arc.r, before.arc.r);
    EXPECT_TRUE(joins(arc, fillet));
    EXPECT_TRUE(joins(fillet, after.lineWalk()));
    // The line is cut back along itself.
    EXPECT_LT(angleOf(after.lineWalk().tFrom, before.lineWalk().tFrom), kExact);
    EXPECT_LT(after.line.length(), before.line.length());
    EXPECT_LT(after.arc.sweep(), before.arc.sweep());
}

TEST(Klrund, RightAngleCorner) {
    // Arc centre (0, 10), 270° .. 360°, starting at the corner (0, 0); the
    // line runs from the corner down to (0, -10).
    const Arc5 arc{0, 10, 10, 1.5 * kPi, 2 * kPi};
    const Corner before(arc, true, true, kPi / 2, 10);
    ASSERT_NEAR(before.f.x, 0, 1e-12);
    ASSERT_NEAR(before.f.y, -10, 1e-12);
    Corner after = before;
    const Fillet f = klrundOn(after.arc, after.line, 1);
    ASSERT_EQ(f.err, 0);
    expectFilletJoins(before, after, f, 1);
    // Tangent to the line x = 0 from the right, outside the arc's circle.
    EXPECT_NEAR(f.arc.cx, 1, 1e-12);
    EXPECT_NEAR(std::hypot(f.arc.cx - 0, f.arc.cy - 10), 11, 1e-9);
    EXPECT_EQ(after.arc.a2, 2 * kPi); // the far end's angle is untouched
}

TEST(Klrund, RandomCornersKeepTheirPromises) {
    std::mt19937 rng(17);
    std::uniform_real_distribution<double> u(0, 1);
    int rounded = 0;
    const int n = 400;
    for (int i = 0; i < n; ++i) {
        const double a1 = u(rng) * kTwoPi, sweep = (10 + 160 * u(rng)) * kDeg;
        const double r = 1 + 50 * u(rng);
        const Arc5 arc{200 * u(rng) - 100, 200 * u(rng) - 100, r, a1, std::fmod(a1 + sweep, kTwoPi)};
        const double kink = (u(rng) < 0.5 ? -1 : 1) * (5 + 170 * u(rng)) * kDeg;
        const Corner before(arc, u(rng) < 0.5, u(rng) < 0.5, kink, 1 + 40 * u(rng));
        Corner after = before;
        const double radius = 0.05 + 0.2 * r * u(rng);
        const Fillet f = klrundOn(after.arc, after.line, radius);
        if (f.err != 0) {
            EXPECT_EQ(after.arc.a1, before.arc.a1);
            EXPECT_EQ(after.line.x1, before.line.x1);
            continue;
        }
        ++rounded;
        SCOPED_TRACE(i);
        expectFilletJoins(before, after, f, radius);
    }
    EXPECT_GT(rounded, n * 3 / 4);
}

TEST(Klrund, NoFilletFitsOrNoCorner) {
    // Radius far too large for a line of length 1.
    const Corner before(kQuarter, false, true, kPi / 2, 1);
    Corner after = before;
    EXPECT_EQ(klrundOn(after.arc, after.line, 50).err, 1);
    EXPECT_EQ(after.arc.a2, before.arc.a2);
    EXPECT_EQ(after.line.x1, before.line.x1);
    // A tangent continuation has no corner.
    Corner tangent(kQuarter, false, true, 0, 10);
    EXPECT_EQ(klrundOn(tangent.arc, tangent.line, 1).err, 1);
    // Zero and non-finite radii.
    Corner c = before;
    EXPECT_EQ(klrundOn(c.arc, c.line, 0).err, 1);
    EXPECT_EQ(klrundOn(c.arc, c.line, std::numeric_limits<double>::infinity()).err, 1);
    Seg apart{20, 20, 30, 30};
    Arc5 a = kQuarter;
    EXPECT_EQ(klrundOn(a, apart, 1).err, 1);
}

} // namespace
} // namespace smoothtest
