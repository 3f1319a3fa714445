// The smoothing stages on small drawings: which corners and kinks they
// change, and that what they change comes out tangent and within tolerance.
#include "fixture.h"
#include "junctions.h"
#include "pipeline/contours.h"
#include "pipeline/smoothing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vectrim {
namespace {

using test::Fixture;
using test::junctionDeflection;

constexpr double kJoin = 1e-7; // tangency after the round trip through degrees

Fixture withTolerance(double t) {
    Fixture f;
    f.session->settings.smoothtol = t;
    return f;
}

// Contour building may turn a line round: compare lines as point sets.
bool sameLine(const Line& a, const Line& b) {
    return (a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2) ||
           (a.x1 == b.x2 && a.y1 == b.y2 && a.x2 == b.x1 && a.y2 == b.y1);
}
bool hasEnd(const Line& l, double x, double y) {
    return (l.x1 == x && l.y1 == y) || (l.x2 == x && l.y2 == y);
}
double spanDeg(const Arc& a) { return a.a1 < a.a2 ? a.a2 - a.a1 : 360 - a.a1 + a.a2; }

// ---- line to line ----------------------------------------------------------

TEST(RoundLineCorners, RightAngleGetsTheLargestFilletWithinT) {
    Fixture f = withTolerance(2);
    f.line(0, 0, 20, 0);
    f.line(20, 0, 20, 20);
    roundlinecorners(f.d, f.session->settings, f.host);
    ASSERT_EQ(f.d.arccount, 1);
    const Arc& a = f.d.arcs[0];
    // Radii run 10, 9.803, ... in steps of 0.197. The middle sample of a
    // quarter fillet lies 0.317 r from the point of a line at the same
    // distance from the corner, so 6.257 is the first radius within 2 mm.
    EXPECT_NEAR(a.r, 6.257, 1e-9);
    EXPECT_NEAR(a.cx, 20 - a.r, 1e-9);
    EXPECT_NEAR(a.cy, a.r, 1e-9);
    EXPECT_EQ(a.contour, f.d.lines[0].contour);
    EXPECT_EQ(f.d.order[2].raw(), kArcRef);
    // From 270° to 360°: roundl's ten-digit π gives a hair above 360°, which
    // the table holds as a hair above 0°.
    EXPECT_NEAR(a.a1, 270, 1e-6);
    EXPECT_NEAR(a.a2, 0, 1e-6);
    EXPECT_GE(a.a2, 0);
    // Both lines run from their tangent point to their far end.
    EXPECT_NEAR(f.d.lines[0].x1, 20 - a.r, 1e-9);
    EXPECT_EQ(f.d.lines[0].x2, 0);
    EXPECT_NEAR(f.d.lines[1].y1, a.r, 1e-9);
    EXPECT_EQ(f.d.lines[1].y2, 20);
    EXPECT_LT(junctionDeflection(f.d, 0, kArcRef), kJoin);
    EXPECT_LT(junctionDeflection(f.d, 1, kArcRef), kJoin);
    // Running the stage again finds no corner left.
    roundlinecorners(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, 1);
}

TEST(RoundLineCorners, TheFifty1stRadiusIsTheSmallest) {
    // Within 0.05 mm only the last radius of the sequence, just above 0.15,
    // keeps the fillet near the lines; within 0.04 mm none does.
    Fixture f = withTolerance(0.05);
    f.line(0, 0, 20, 0);
    f.line(20, 0, 20, 20);
    roundlinecorners(f.d, f.session->settings, f.host);
    ASSERT_EQ(f.d.arccount, 1);
    EXPECT_NEAR(f.d.arcs[0].r, 0.15, 1e-12);
    EXPECT_GT(f.d.arcs[0].r, 0.15);

    Fixture g = withTolerance(0.04);
    g.line(0, 0, 20, 0);
    g.line(20, 0, 20, 20);
    roundlinecorners(g.d, g.session->settings, g.host);
    EXPECT_EQ(g.d.arccount, 0);
    EXPECT_EQ(g.d.lines[0].x2, 20);
}

TEST(RoundLineCorners, StraightOnAndDoublingBackStay) {
    Fixture f = withTolerance(2);
    f.line(0, 0, 10, 0);
    f.line(10, 0, 20, 0); // straight on
    f.line(30, 0, 40, 0);
    f.line(40, 0, 35, 0); // doubling back
    f.line(50, 0, 60, 0);
    f.line(60, 0, 70, 0.01); // 0.057°: below the corner window
    roundlinecorners(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, 0);
    EXPECT_EQ(f.d.lines[1].x1, 10);
    EXPECT_EQ(f.d.lines[3].x2, 35);
}

TEST(RoundLineCorners, LinesOfDifferentContoursAreNeverPaired) {
    // Three lines meet at (10, 0): the chain from (0, 0) runs on into the
    // nearly straight line; the line up becomes a contour of its own.
    Fixture f = withTolerance(2);
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10, 10);
    f.line(10, 0, 20, 1);
    roundlinecorners(f.d, f.session->settings, f.host);
    ASSERT_NE(f.d.lines[1].contour, f.d.lines[0].contour);
    EXPECT_TRUE(hasEnd(f.d.lines[1], 10, 0));
    // The kink of 5.7° between the first and third line is rounded.
    EXPECT_EQ(f.d.arccount, 1);
}

TEST(RoundLineCorners, AShortLineKeepsItsCorner) {
    // Any fillet that fits leaves less than 0.1 of the 0.15 line.
    Fixture f = withTolerance(2);
    f.line(0, 0, 0.15, 0);
    f.line(0.15, 0, 0.15, 10);
    roundlinecorners(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, 0);
    EXPECT_EQ(f.d.lines[0].x2, 0.15);
}

// ---- arc to line -----------------------------------------------------------

// A quarter arc from (10, 0) to (0, 10) around the origin and a line leaving
// its end, turned by `kinkDeg` to the left.
void arcThenLine(Fixture& f, double kinkDeg, double length) {
    f.arc(0, 0, 10, 0, 90);
    const double w = (180 + kinkDeg) * kDegToRad;
    f.line(0, 10, length * std::cos(w), 10 + length * std::sin(w));
}

TEST(SmoothArcLine, TangentLineStays) {
    Fixture f = withTolerance(1);
    arcThenLine(f, 0.0005, 10); // 8.7e-6 rad
    const Line before = f.d.lines[0];
    smootharcline(f.d, f.session->settings, f.host);
    roundarcline(f.d, f.session->settings, f.host);
    EXPECT_TRUE(sameLine(f.d.lines[0], before));
    EXPECT_EQ(f.d.arcs[0].a2, 90);
    EXPECT_EQ(f.d.arccount, 1);
}

TEST(SmoothArcLine, TenDegreeKinkIsSmoothedOnlyWithinT) {
    Fixture tight = withTolerance(0.01);
    arcThenLine(tight, 10, 10);
    const Line line = tight.d.lines[0];
    const Arc arc = tight.d.arcs[0];
    smootharcline(tight.d, tight.session->settings, tight.host);
    EXPECT_TRUE(sameLine(tight.d.lines[0], line));
    EXPECT_EQ(tight.d.arcs[0].r, arc.r);

    Fixture loose = withTolerance(1);
    arcThenLine(loose, 10, 10);
    smootharcline(loose.d, loose.session->settings, loose.host);
    EXPECT_NE(loose.d.arcs[0].r, arc.r);
    EXPECT_LT(junctionDeflection(loose.d, 0, kArcRef), kJoin);
    // The far ends stayed.
    EXPECT_TRUE(hasEnd(loose.d.lines[0], line.x2, line.y2));
    const Point start = arcStart(loose.d.arcs[0]);
    EXPECT_NEAR(start.x, 10, 1e-9);
    EXPECT_NEAR(start.y, 0, 1e-9);
    // Within T of the drawing as it was: the arc's samples lie near the old
    // circle or the old line.
    const Arc& a = loose.d.arcs[0];
    for (int k = 0; k <= 10; ++k) {
        const double t = (a.a1 + spanDeg(a) * k / 10) * kDegToRad;
        const double x = a.cx + a.r * std::cos(t), y = a.cy + a.r * std::sin(t);
        const double toCircle = std::fabs(std::hypot(x, y) - 10);
        const double toLine =
            std::fabs((x - line.x1) * std::sin(190 * kDegToRad) - (y - line.y1) * std::cos(190 * kDegToRad));
        EXPECT_LE(std::min(toCircle, toLine), 1 + 1e-9);
    }
}

TEST(SmoothArcLine, RightAngleIsLeftToTheRounding) {
    Fixture f = withTolerance(0.5);
    arcThenLine(f, 90, 5); // the line runs down from (0, 10) to (0, 5)
    smootharcline(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arcs[0].r, 10);
    EXPECT_EQ(f.d.arccount, 1);
    roundarcline(f.d, f.session->settings, f.host);
    ASSERT_EQ(f.d.arccount, 2);
    const Arc& fillet = f.d.arcs[1];
    // Radii from the arc's radius down in steps of 1 % of (10 - 0.15).
    const double k = (10 - fillet.r) / ((10 - 0.15) * 0.01);
    EXPECT_NEAR(k, std::round(k), 1e-6);
    EXPECT_LT(fillet.r, 10);
    EXPECT_EQ(fillet.contour, f.d.arcs[0].contour);
    EXPECT_EQ(f.d.order[2].raw(), kArcRef + 1);
    EXPECT_LT(junctionDeflection(f.d, kArcRef, kArcRef + 1), kJoin);
    EXPECT_LT(junctionDeflection(f.d, 0, kArcRef + 1), kJoin);
    // The fillet stays within T of the corner as drawn.
    for (int i = 0; i <= 10; ++i) {
        const double t = (fillet.a1 + spanDeg(fillet) * i / 10) * kDegToRad;
        const double x = fillet.cx + fillet.r * std::cos(t), y = fillet.cy + fillet.r * std::sin(t);
        EXPECT_LE(std::min(std::fabs(std::hypot(x, y) - 10), std::fabs(x)), 0.5 + 1e-9);
    }
    // The next larger radius would not have stayed within T: running again
    // changes nothing.
    roundarcline(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, 2);
}

TEST(SmoothArcLine, LineAndArcOfDifferentContoursAreNeverPaired) {
    // Two lines and an arc meet at (0, 10); the chain from the arc's free
    // start takes the line straight on, the other line (at a 10° kink from
    // the arc) becomes a contour of its own.
    Fixture f = withTolerance(1);
    f.arc(0, 0, 10, 0, 90);
    f.line(0, 10, -10, 10);
    const double w = 190 * kDegToRad;
    f.line(0, 10, 10 * std::cos(w), 10 + 10 * std::sin(w));
    const Line other = f.d.lines[1];
    smootharcline(f.d, f.session->settings, f.host);
    roundarcline(f.d, f.session->settings, f.host);
    ASSERT_NE(f.d.lines[1].contour, f.d.arcs[0].contour);
    EXPECT_TRUE(sameLine(f.d.lines[1], other));
    EXPECT_EQ(f.d.arcs[0].a2, 90);
    EXPECT_EQ(f.d.arccount, 1);
}

// ---- arc to arc ------------------------------------------------------------

TEST(SmoothArcArc, TangentArcsStay) {
    Fixture f = withTolerance(1);
    f.arc(0, 0, 10, 0, 90);
    // On from (0, 10) turned by 0.005°: below the 0.01° of a kink.
    const double k = 0.005 * kDegToRad;
    f.arc(5 * std::sin(k), 10 - 5 * std::cos(k), 5, 90.005, 150.005);
    smootharcarc(f.d, f.session->settings, f.host);
    roundarcarc(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arcs[0].r, 10);
    EXPECT_EQ(f.d.arcs[1].r, 5);
    EXPECT_EQ(f.d.arccount, 2);
}

TEST(SmoothArcArc, ArcsOfDifferentContoursAreNeverPaired) {
    // Three arcs meet at (0, 10): the chain from the quarter's start runs on
    // into the short tangent arc (its far end turns least); the arc with a
    // 5° kink becomes a contour of its own and keeps its kink.
    Fixture f = withTolerance(1);
    f.arc(0, 0, 10, 0, 90);
    f.arc(0, 5, 5, 90, 100);
    const double h = 185 * kDegToRad; // arc 3 leaves (0, 10) turned by 5°
    const double cx = -20 * std::sin(h), cy = 10 + 20 * std::cos(h);
    const double a = std::atan2(10 - cy, -cx) * kRadToDeg + 360;
    f.arc(cx, cy, 20, std::fmod(a, 360), std::fmod(a + 90, 360));
    const Arc kinked = f.d.arcs[2];
    smootharcarc(f.d, f.session->settings, f.host);
    ASSERT_NE(f.d.arcs[2].contour, f.d.arcs[0].contour);
    EXPECT_EQ(f.d.arcs[0].r, 10);
    EXPECT_EQ(f.d.arcs[2].r, kinked.r);
    EXPECT_EQ(f.d.arcs[2].a1, kinked.a1);
}

TEST(SmoothArcArc, NoBiarcOnTheWrongSideOfItsCircle) {
    // Two half circles of r 2.31 meeting at a notch, T = 2: the biarc lies
    // on one circle of twice the radius, its middle inside both old arcs.
    // Taking the other side of that circle would reverse the junction.
    Fixture f = withTolerance(2);
    f.arc(4, 0, 2.3094010767585034, 270, 90);
    f.arc(2, 3.4641016151377553, 2.3094010767585034, 330, 150);
    const double before = junctionDeflection(f.d, kArcRef, kArcRef + 1, 1e-6);
    ASSERT_GT(before, 0.5);
    smootharcarc(f.d, f.session->settings, f.host);
    const double after = junctionDeflection(f.d, kArcRef, kArcRef + 1, 1e-6);
    EXPECT_TRUE(after < kJoin || std::fabs(after - before) < 1e-9) << after;
}

// Arc 1 ends at (0, 10) heading in -x; arc 2 starts there turned by kinkDeg.
void kinkedArcs(Fixture& f, double kinkDeg) {
    f.arc(0, 0, 10, 0, 90);
    const double h = (180 + kinkDeg) * kDegToRad;
    // Centre of arc 2 to the left of its start direction, radius 20.
    const double cx = -20 * std::sin(h), cy = 10 + 20 * std::cos(h);
    const double a = std::atan2(10 - cy, 0 - cx) * kRadToDeg;
    const double start = a < 0 ? a + 360 : a;
    f.arc(cx, cy, 20, start, std::fmod(start + 30, 360));
}

TEST(SmoothArcArc, KinkBecomesABiarcWithinT) {
    Fixture f = withTolerance(0.5);
    kinkedArcs(f, 5);
    const Point far1 = arcStart(f.d.arcs[0]), far2 = arcEnd(f.d.arcs[1]);
    smootharcarc(f.d, f.session->settings, f.host);
    EXPECT_NE(f.d.arcs[0].r, 10);
    EXPECT_LT(junctionDeflection(f.d, kArcRef, kArcRef + 1), kJoin);
    // The far ends stay where they were.
    const Point n1 = arcStart(f.d.arcs[0]), n2 = arcEnd(f.d.arcs[1]);
    EXPECT_NEAR(n1.x, far1.x, 1e-9);
    EXPECT_NEAR(n1.y, far1.y, 1e-9);
    EXPECT_NEAR(n2.x, far2.x, 1e-9);
    EXPECT_NEAR(n2.y, far2.y, 1e-9);

    Fixture tight = withTolerance(0.001);
    kinkedArcs(tight, 5);
    const Arc before = tight.d.arcs[0];
    smootharcarc(tight.d, tight.session->settings, tight.host);
    EXPECT_EQ(tight.d.arcs[0].r, before.r); // the biarc would leave T
}

TEST(RoundArcArc, CornerGetsAFillet) {
    Fixture f = withTolerance(0.5);
    kinkedArcs(f, 60); // a left turn where arc 1 runs on into arc 2
    buildcontours(f.d, f.host);
    roundarcarc(f.d, f.session->settings, f.host);
    ASSERT_EQ(f.d.arccount, 3);
    const Arc& fillet = f.d.arcs[2];
    EXPECT_LE(fillet.r, 60);
    EXPECT_EQ(fillet.contour, f.d.arcs[0].contour);
    EXPECT_EQ(f.d.order[2].raw(), kArcRef + 2);
    EXPECT_LT(junctionDeflection(f.d, kArcRef, kArcRef + 2), kJoin);
    EXPECT_LT(junctionDeflection(f.d, kArcRef + 1, kArcRef + 2), kJoin);
    EXPECT_EQ(f.d.freecount, 0);
}

TEST(RoundArcArc, RightTurnBetweenArcsThatRunOnStaysSharp) {
    // A fillet of a right turn runs clockwise: its ends meet the arcs end to
    // end and start to start, against the way they run on into each other.
    Fixture f = withTolerance(0.5);
    kinkedArcs(f, -60);
    buildcontours(f.d, f.host);
    roundarcarc(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, 2);
    EXPECT_EQ(f.d.arcs[0].a2, 90);
}

TEST(RoundArcArc, ArcsOfDifferentContoursAreNeverPaired) {
    Fixture f = withTolerance(0.5);
    kinkedArcs(f, 60);
    f.d.arcs[0].contour = 0;
    f.d.arcs[1].contour = 1;
    roundarcarc(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, 2);
}

TEST(RoundArcArc, AFullArcTableLeavesTheCornerSharp) {
    // The arc table holds 99999 arcs: the corner's two and far-off circles
    // in contours of their own.
    Fixture f = withTolerance(0.5);
    kinkedArcs(f, 60);
    f.d.arcs[0].contour = f.d.arcs[1].contour = 0;
    for (int32_t i = 2; i < kMaxElements; ++i)
        f.d.arcs[i] = Arc{1000.0 + i, 0, 1, 0, 90, static_cast<int16_t>(1 + i % 32000)};
    f.d.arccount = kMaxElements;
    roundarcarc(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, kMaxElements);
    EXPECT_EQ(f.d.arcs[0].a2, 90);
    EXPECT_EQ(f.d.arcs[kMaxElements].r, 0); // nothing written past the table
    // One slot free: the fillet takes it.
    f.d.arccount = kMaxElements - 1;
    roundarcarc(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, kMaxElements);
}

} // namespace
} // namespace vectrim
