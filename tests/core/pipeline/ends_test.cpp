// Small-element deletion and gap closing: both stretch a neighbour's end.
#include "drawings.h"
#include "pipeline/gaps.h"
#include "pipeline/small_elements.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::arcPoint;
using test::dist;
using test::Fixture;

// Every point of `pts` lies on the arc's circle.
void expectOnCircle(const Arc& a, std::initializer_list<Point> pts, double tol = 1e-9) {
    for (const Point& p : pts) EXPECT_NEAR(dist(p, {a.cx, a.cy}), a.r, tol);
}

TEST(DeleteSmallElements, ShortLineBetweenTwoGoesAndTheChainStaysClosed) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10.05, 0); // 0.05 long
    f.line(10.05, 0, 20, 0);
    deletesmallelements(f.d, f.session->settings, f.host);
    ASSERT_EQ(f.d.linecount, 2);
    EXPECT_EQ(f.d.lines[0].x2, 10.05); // the first neighbour found reaches the far end
    EXPECT_EQ(f.d.lines[1].x1, 10.05);
    EXPECT_EQ(test::orderOf(f.d), (std::vector<int32_t>{0, 1}));
}

TEST(DeleteSmallElements, IsolatedShortLineStaysNullLineGoes) {
    Fixture f;
    f.line(0, 0, 0.05, 0);    // touches nothing: stays
    f.line(5, 5, 5.00005, 5); // shorter than 0.0001: goes anyway
    f.line(10, 0, 10.1, 0);   // exactly 0.1: not short
    deletesmallelements(f.d, f.session->settings, f.host);
    ASSERT_EQ(f.d.linecount, 2);
    EXPECT_EQ(f.d.lines[0].x2, 0.05);
    EXPECT_EQ(f.d.lines[1].x1, 10);
}

TEST(DeleteSmallElements, ArcStartIsBentToTheShortLinesFreeEnd) {
    // The short line's start touches nothing; its end is the arc's start.
    Fixture f;
    f.line(10.03, -0.04, 10, 0);
    f.arc(0, 0, 10, 0, 90);
    const Point end = arcPoint(f.d.arcs[0], 90), mid = arcPoint(f.d.arcs[0], 45);
    deletesmallelements(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.linecount, 0);
    ASSERT_EQ(f.d.arccount, 1);
    const Arc& a = f.d.arcs[0];
    expectOnCircle(a, {{10.03, -0.04}, end, mid});
    EXPECT_LT(dist(arcPoint(a, a.a1), {10.03, -0.04}), 1e-6);
    EXPECT_LT(dist(arcPoint(a, a.a2), end), 1e-6);
}

TEST(DeleteSmallElements, ShortArcGoesNeighbourReachesAcross) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.arc(10, 1, 1, 270, 273); // 0.052 long, starts at (10, 0)
    const Point far = arcPoint(f.d.arcs[0], 273);
    deletesmallelements(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, 0);
    ASSERT_EQ(f.d.linecount, 1);
    EXPECT_NEAR(f.d.lines[0].x2, far.x, 1e-12);
    EXPECT_NEAR(f.d.lines[0].y2, far.y, 1e-12);
}

// Element ends that meet no other end (within 0.001 on each axis); the two
// ends of a full circle meet each other.
int freeEnds(const Drawing& d) {
    std::vector<Point> ends;
    for (int32_t i = 0; i < d.linecount; ++i) {
        ends.push_back({d.lines[i].x1, d.lines[i].y1});
        ends.push_back({d.lines[i].x2, d.lines[i].y2});
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        ends.push_back(arcStart(d.arcs[i]));
        ends.push_back(arcEnd(d.arcs[i]));
    }
    int free = 0;
    for (size_t i = 0; i < ends.size(); ++i) {
        bool met = false;
        for (size_t j = 0; j < ends.size() && !met; ++j)
            met = j != i && coincide(ends[i].x, ends[i].y, ends[j].x, ends[j].y);
        free += !met;
    }
    return free;
}

// Where other elements meet at an end of a short element, none of them is
// torn away: a closed contour stays closed and no free end appears.
TEST(DeleteSmallElements, SharedEndsAreNeverTornApart) {
    const std::vector<Line> square = {
        {0, 0, 10, 0}, {10, 0, 10, 5}, {10, 5.05, 10, 10}, {10, 10, 0, 10}, {0, 10, 0, 0}};
    struct Case {
        const char* name;
        std::vector<Line> lines; // after the square's edges
        bool circle;             // a full circle through (5, 0) besides
        int32_t linesLeft, freeLeft;
    };
    const Case cases[] = {
        {"short edge at a T: the edge beyond it reaches across",
         {{10, 5, 10, 5.05}, {10, 5, 20, 5}},
         false,
         6,
         1},
        {"short edge at a T, drawn the other way", {{10, 5.05, 10, 5}, {10, 5, 20, 5}}, false, 6, 1},
        {"short edge between two T: both junctions meet at its end",
         {{10, 5, 10, 5.05}, {10, 5, 20, 5}, {10, 5.05, 20, 5.05}},
         false,
         7,
         2},
        {"spur from a corner of the square goes", {{10, 5, 10, 5.05}, {10, 0, 10.05, -0.03}}, false, 5, 0},
        {"spur towards a corner of the square goes", {{10, 5, 10, 5.05}, {10.05, -0.03, 10, 0}}, false, 5, 0},
        {"spur from a closed circle goes, the circle stays whole",
         {{10, 5, 10, 5.05}, {5, 0, 5.05, 0}},
         true,
         5,
         0},
    };
    for (const Case& c : cases) {
        Fixture f;
        for (const Line& l : square) f.line(l.x1, l.y1, l.x2, l.y2);
        for (const Line& l : c.lines) f.line(l.x1, l.y1, l.x2, l.y2);
        if (c.circle) f.arc(0, 0, 5, 0, 360);
        const int before = freeEnds(f.d);
        deletesmallelements(f.d, f.session->settings, f.host);
        EXPECT_EQ(f.d.linecount, c.linesLeft) << c.name;
        EXPECT_EQ(f.d.arccount, c.circle ? 1 : 0) << c.name;
        EXPECT_EQ(freeEnds(f.d), c.freeLeft) << c.name;
        EXPECT_LE(freeEnds(f.d), before) << c.name;
        if (c.circle) {
            EXPECT_EQ(f.d.arcs[0].a2 - f.d.arcs[0].a1, 360) << c.name;
        }
    }
}

TEST(Reattachend, ArcEndNeedsTheFinerMatch) {
    Fixture f;
    f.arc(0, 0, 10, 0, 90); // end at (0, 10)
    int16_t found = 0;
    reattachend(f.d, 0.0005, 10, 1, 11, 5, ElementKind::Line,
                found); // 0.0005 from the end: too far for an end
    EXPECT_EQ(found, 1);
    reattachend(f.d, 0.00005, 10, 1, 11, 5, ElementKind::Line, found);
    EXPECT_EQ(found, 0);
    reattachend(f.d, 10.0005, 0, 11, 1, 0, ElementKind::Arc, found); // the arc itself is skipped
    EXPECT_EQ(found, 1);
}

// A gap after line 0 at radius 0.5: below the radius line 1's start (the
// first free end in the table) moves onto line 0's end; at the radius it stays.
TEST(CloseGaps, GapsBelowTheRadiusCloseOntoTheOtherEnd) {
    const std::pair<double, double> cases[] = {{10.3, 10}, {10.49, 10}, {10.5, 10.5}};
    for (const auto& [start, after] : cases) {
        Fixture f;
        f.line(0, 0, 10, 0);
        f.line(start, 0, 20, 0);
        double t = 0.5;
        closegaps(f.d, f.host, t);
        EXPECT_EQ(f.d.lines[1].x1, after) << start;
        EXPECT_EQ(f.d.lines[0].x2, 10) << start;
        EXPECT_EQ(f.d.freecount, 0);
        EXPECT_EQ(f.host.infos.back(), "Beseitige Lücken ...          ");
    }
}

TEST(CloseGaps, NearestPartnerWinsTheOtherStaysFree) {
    Fixture f;
    f.line(10, 0, 0, 0);       // free end (10, 0) is entry 0
    f.line(10, 0.2, 10, 10);   // 0.2 away
    f.line(10, -0.3, 10, -10); // 0.3 away
    f.line(20, 20, 10, -0.5);  // its end is 0.2 from line 2's start
    double t = 0.5;
    closegaps(f.d, f.host, t);
    EXPECT_EQ(f.d.lines[0].y1, 0.2); // joined to the nearer one
    EXPECT_EQ(f.d.lines[1].y1, 0.2);
    EXPECT_EQ(f.d.lines[2].y1, -0.5); // the other was still free for a later end
    EXPECT_EQ(f.d.lines[3].y2, -0.5);
}

TEST(CloseGaps, ArcEndIsBentNotShifted) {
    Fixture f;
    f.arc(0, 0, 10, 0, 90);     // ends at (0, 10)
    f.arc(-5, 10.2, 5, 0, 180); // starts at (0, 10.2), 0.2 from arc 0's end
    const Point end = arcPoint(f.d.arcs[1], 180), mid = arcPoint(f.d.arcs[1], 90);
    double t = 0.5;
    closegaps(f.d, f.host, t);
    const Arc& a = f.d.arcs[1]; // arc starts come before arc ends in the table
    expectOnCircle(a, {{0, 10}, end, mid});
    EXPECT_LT(dist(arcPoint(a, a.a1), {0, 10}), 1e-6);
    EXPECT_LT(dist(arcPoint(a, a.a2), end), 1e-6);
    EXPECT_EQ(f.d.arcs[0].r, 10); // arc 0 untouched
}

TEST(CloseGaps, NearlyClosedArcBecomesTheFullCircle) {
    // An arc from 2 to 358 degrees leaves a gap of 0.14 between its ends;
    // closing it moves its start onto its own end.
    Fixture f;
    f.arc(3, 4, 2, 2, 358);
    double t = 0.2;
    closegaps(f.d, f.host, t);
    const Arc& a = f.d.arcs[0];
    EXPECT_EQ(a.cx, 3);
    EXPECT_EQ(a.cy, 4);
    EXPECT_EQ(a.r, 2);
    EXPECT_EQ(a.a1, 0);
    EXPECT_EQ(a.a2, 360);
}

TEST(CloseGaps, ShortLoneLineKeepsItsLength) {
    // Its two ends are closer than the radius, but they are not a gap.
    Fixture f;
    f.line(0, 0, 0.15, 0);
    f.line(0.3, 0, 5, 0); // 0.15 beyond the short line's end
    double t = 0.2;
    closegaps(f.d, f.host, t);
    EXPECT_EQ(f.d.lines[0].x1, 0);
    EXPECT_EQ(f.d.lines[0].x2, 0.15);
    EXPECT_EQ(f.d.lines[1].x1, 0.15); // the real gap closed
}

TEST(CloseGaps, NothingFreeNothingShown) {
    Fixture f;
    f.arc(0, 0, 5, 0, 360);
    double t = 0.5;
    closegaps(f.d, f.host, t);
    EXPECT_TRUE(f.host.infos.empty());
}

} // namespace
} // namespace vectrim
