// Joining of continuing arcs and collinear lines.
#include "drawings.h"
#include "pipeline/joining.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::Fixture;

// Two collinear lines on the x axis, met every way round, become the line
// 0-10, running as the merge turned line A.
TEST(JoinLines, CollinearLinesBecomeOne) {
    struct Case {
        double a1, a2, b1, b2, x1, x2;
    };
    const Case cases[] = {
        {0, 5, 5, 10, 0, 10},  // A's end on B's start
        {5, 0, 5, 10, 0, 10},  // the starts meet: A is turned
        {5, 10, 0, 5, 10, 0},  // A's start on B's end: both turned
        {0, 5, 10, 5, 0, 10},  // the ends meet: B is turned
    };
    for (const Case& c : cases) {
        Fixture f;
        f.line(c.a1, 0, c.a2, 0);
        f.line(c.b1, 0, c.b2, 0);
        joinlines(f.d);
        ASSERT_EQ(f.d.linecount, 1) << c.a1 << " " << c.b1;
        EXPECT_EQ(f.d.lines[0].x1, c.x1) << c.a1 << " " << c.b1;
        EXPECT_EQ(f.d.lines[0].x2, c.x2) << c.a1 << " " << c.b1;
        EXPECT_EQ(test::orderOf(f.d), std::vector<int32_t>{0});
    }
}

TEST(JoinLines, EveryWayRoundAndChainsOutOfOrder) {
    Fixture f;
    f.line(30, 30, 20, 20); // index order is not chain order
    f.line(0, 0, 10, 10);
    f.line(20, 20, 10, 10);
    f.line(40, 40, 30, 30);
    joinlines(f.d);
    ASSERT_EQ(f.d.linecount, 1);
    const Line& l = f.d.lines[0];
    EXPECT_EQ(std::min(l.x1, l.x2), 0);
    EXPECT_EQ(std::max(l.x1, l.x2), 40);
}

TEST(JoinLines, SlightBendStaysNearMissOfTheEndJoins) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10 + 10 * std::cos(0.001), 10 * std::sin(0.001)); // turned by 0.001 rad
    f.line(100, 0, 110, 0);
    f.line(110.00005, 0, 120, 0); // starts 0.00005 after line 2's end
    f.line(200, 0, 210, 0);
    f.line(210.0002, 0, 220, 0); // 0.0002 after: no shared end
    joinlines(f.d);
    ASSERT_EQ(f.d.linecount, 5);
    EXPECT_EQ(f.d.lines[2].x2, 120);
}

TEST(ArcCos, AllBranches) {
    double r = -1;
    arccos(1, r);
    EXPECT_NEAR(r, 0, 1e-15);
    arccos(0.5, r);
    EXPECT_NEAR(r, kPi / 3, 1e-12);
    arccos(-0.5, r);
    EXPECT_NEAR(r, 2 * kPi / 3, 1e-9);
    arccos(0, r);
    EXPECT_NEAR(r, kPi / 2, 1e-15);
    arccos(1.0000001, r);
    EXPECT_EQ(r, 0);
    double a = 1, b = 2;
    swapvalues(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

Arc joinedPair(double a1, double a2, double b1, double b2) {
    Fixture f;
    f.arc(3, 4, 10, a1, a2);
    f.arc(3, 4, 10, b1, b2);
    joinarcs(f.d);
    EXPECT_EQ(f.d.arccount, 1);
    return f.d.arcs[0];
}

TEST(JoinArcs, ContinuingArcsBecomeOne) {
    Arc a = joinedPair(0, 90, 90, 180);
    EXPECT_EQ(a.a1, 0);
    EXPECT_EQ(a.a2, 180);
    a = joinedPair(270, 360, 0, 90); // across 0 degrees
    EXPECT_EQ(a.a1, 270);
    EXPECT_EQ(a.a2, 90);
    a = joinedPair(0, 180, 180, 360); // closes on itself
    EXPECT_EQ(a.a1, 0);
    EXPECT_EQ(a.a2, 360);
    a = joinedPair(100, 200, 200.005, 300); // angles within 0.01 degrees
    EXPECT_EQ(a.a2, 300);
}

TEST(JoinArcs, ChainOfQuartersBecomesTheCircle) {
    Fixture f;
    f.arc(0, 0, 5, 180, 270);
    f.arc(0, 0, 5, 0, 90);
    f.arc(0, 0, 5, 90, 180);
    f.arc(0, 0, 5, 270, 360);
    joinarcs(f.d);
    ASSERT_EQ(f.d.arccount, 1);
    EXPECT_EQ(f.d.arcs[0].a1, 0);
    EXPECT_EQ(f.d.arcs[0].a2, 360);
}

TEST(JoinArcs, OtherCentreOrWrongOrderStays) {
    Fixture f;
    f.arc(0, 0, 10, 0, 90);
    f.arc(0.002, 0, 10, 90, 180); // centre 0.002 away
    f.arc(50, 0, 10, 90, 180);    // index 2
    f.arc(50, 0, 10, 0, 90);      // index 3 comes first counter-clockwise: not joined
    f.arc(90, 0, 10, 0, 90);
    f.arc(90, 0, 10.002, 90, 180); // other radius
    joinarcs(f.d);
    EXPECT_EQ(f.d.arccount, 6);
}

} // namespace
} // namespace vectrim
