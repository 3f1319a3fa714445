// The checks of the frame "Kontrolle": what each marks, the labels it shows
// and when it asks first.
#include "examine/checks.h"
#include "view_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vectrim {
namespace {

using test::ViewFixture;

constexpr double kAngleTol = 1e-6; // degrees

std::vector<FreeEnd> marks(const Drawing& d) {
    return {d.freeends.begin(), d.freeends.begin() + d.freecount};
}

// Two lines meeting at (10, 0), the second bent up by `degrees`.
void bend(ViewFixture& f, double degrees) {
    const double t = degrees * M_PI / 180;
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10 + 10 * std::cos(t), 10 * std::sin(t));
}

TEST(DirectionCheck, ClosedSquareHasFourRightCorners) {
    ViewFixture f;
    f.square();
    ASSERT_TRUE(runCheck(f.d, f.session->view, f.host, Check::Directions, f.frame));
    ASSERT_EQ(f.d.freecount, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(f.d.markAngle[i], 90, kAngleTol);
        EXPECT_LT(f.d.freeends[i].ref.raw(), 4);
    }
    EXPECT_EQ(f.frame.labels.label3, "Ecken: 4");
    EXPECT_TRUE(f.frame.labels.label2Visible);
    EXPECT_EQ(f.frame.labels.label2, "");
    EXPECT_EQ(f.session->view.markMode, 2);
    EXPECT_EQ(f.session->view.angleReadout, 1);
    EXPECT_TRUE(f.host.questions.empty());
}

TEST(DirectionCheck, StraightAndSlightBendsAreNoCorner) {
    for (double degrees : {0.0, 0.12}) {
        ViewFixture f;
        bend(f, degrees);
        runCheck(f.d, f.session->view, f.host, Check::Directions, f.frame);
        EXPECT_EQ(f.d.freecount, 0) << degrees;
        EXPECT_EQ(f.frame.labels.label3, "Ecken: 0");
        EXPECT_EQ(f.session->view.angleReadout, 0);
    }
}

TEST(DirectionCheck, BendOfPointTwoDegreesIsMarked) {
    ViewFixture f;
    bend(f, 0.2);
    runCheck(f.d, f.session->view, f.host, Check::Directions, f.frame);
    ASSERT_EQ(f.d.freecount, 1);
    EXPECT_NEAR(f.d.markAngle[0], 179.8, kAngleTol);
    EXPECT_DOUBLE_EQ(f.d.freeends[0].x, 10);
    EXPECT_EQ(f.d.freeends[0].ref.raw(), 0);
    EXPECT_EQ(static_cast<int>(f.d.freeends[0].end), 2); // the end of line 0 lies at the corner
}

TEST(DirectionCheck, OnlyElementsOfOneContourAreCompared) {
    ViewFixture f;
    f.d.appendLine(0, 0, 10, 0, 1);
    f.d.appendLine(10, 0, 10, 10, 2);
    runCheck(f.d, f.session->view, f.host, Check::Directions, f.frame);
    EXPECT_EQ(f.d.freecount, 0);
}

TEST(DirectionCheck, LineArcJoints) {
    // A half circle closed by its diameter: two right corners.
    ViewFixture f;
    f.arc(0, 0, 1, 0, 180);
    f.line(-1, 0, 1, 0);
    runCheck(f.d, f.session->view, f.host, Check::Directions, f.frame);
    ASSERT_EQ(f.d.freecount, 2);
    for (const FreeEnd& m : marks(f.d)) EXPECT_EQ(m.ref, ElementRef::arc(0));
    EXPECT_NEAR(f.d.markAngle[0], 90, 0.001);
    EXPECT_NEAR(f.d.markAngle[1], 90, 0.001);

    // A line leaving a quarter arc along its tangent is no corner.
    ViewFixture g;
    g.arc(0, 0, 1, 0, 90); // ends at (0, 1) heading in -x
    g.line(0, 1, -5, 1);
    runCheck(g.d, g.session->view, g.host, Check::Directions, g.frame);
    EXPECT_EQ(g.d.freecount, 0);
}

TEST(DirectionCheck, ArcArcJoints) {
    // A smooth S: no corner.
    ViewFixture s;
    s.arc(0, 0, 1, 270, 360);
    s.arc(2, 0, 1, 90, 180);
    runCheck(s.d, s.session->view, s.host, Check::Directions, s.frame);
    EXPECT_EQ(s.d.freecount, 0);

    // A right angle between two arcs.
    ViewFixture r;
    r.arc(0, 0, 1, 0, 90);    // arrives at (0, 1) heading in -x
    r.arc(1, 1, 1, 180, 200); // leaves (0, 1) heading in -y
    runCheck(r.d, r.session->view, r.host, Check::Directions, r.frame);
    ASSERT_EQ(r.d.freecount, 1);
    EXPECT_NEAR(r.d.markAngle[0], 90, 0.001);
    EXPECT_NEAR(r.d.freeends[0].y, 1, 1e-12);

    // Two arcs that touch and turn back on each other: a reversal, not marked.
    ViewFixture b;
    b.arc(0, 0, 1, 270, 360); // arrives at (1, 0) heading in +y
    b.arc(2, 0, 1, 180, 270); // leaves (1, 0) heading in -y
    runCheck(b.d, b.session->view, b.host, Check::Directions, b.frame);
    EXPECT_EQ(b.d.freecount, 0);
}

TEST(DirectionCheck, MarkTableStopsAtItsCapacity) {
    // 900 lines from one point in 900 directions make 404550 corners.
    ViewFixture f;
    for (int i = 0; i < 900; ++i) {
        const double t = i * 0.4 * M_PI / 180;
        f.line(0, 0, 10 * std::cos(t), 10 * std::sin(t));
    }
    runCheck(f.d, f.session->view, f.host, Check::Directions, f.frame);
    EXPECT_EQ(f.d.freecount, kMarkLimit);
    EXPECT_EQ(f.frame.labels.label3, "Ecken: 400000");
}

TEST(OpenContourCheck, ReportsFreeEnds) {
    ViewFixture closed;
    closed.square();
    runCheck(closed.d, closed.session->view, closed.host, Check::OpenContours, closed.frame);
    EXPECT_EQ(closed.d.freecount, 0);
    EXPECT_EQ(closed.frame.labels.label3, "Offene Kontur");
    EXPECT_EQ(closed.frame.labels.label2, "Keine !");
    EXPECT_EQ(closed.frame.labels.label2Colour, 0);

    ViewFixture open;
    open.line(0, 0, 10, 0);
    open.line(10, 0, 10, 10);
    runCheck(open.d, open.session->view, open.host, Check::OpenContours, open.frame);
    ASSERT_EQ(open.d.freecount, 2);
    EXPECT_DOUBLE_EQ(open.d.freeends[0].x, 0);
    EXPECT_DOUBLE_EQ(open.d.freeends[1].y, 10);
    EXPECT_EQ(open.frame.labels.label2, "Vorhanden !");
    EXPECT_EQ(open.frame.labels.label2Colour, 12);
    EXPECT_EQ(open.session->view.angleReadout, 0);
}

TEST(JunctionCheck, SquareHasNoneAndTeeHasThreeEnds) {
    ViewFixture sq;
    sq.square();
    runCheck(sq.d, sq.session->view, sq.host, Check::Junctions, sq.frame);
    EXPECT_EQ(sq.d.freecount, 0);
    EXPECT_EQ(sq.frame.labels.label3, "Schnittpunkte");
    EXPECT_EQ(sq.frame.labels.label2, "Keine !");
    EXPECT_EQ(sq.frame.labels.label2Colour, 0);

    ViewFixture tee;
    tee.line(0, 0, 5, 0);
    tee.line(5, 0, 10, 0);
    tee.line(5, 0, 5, 5);
    runCheck(tee.d, tee.session->view, tee.host, Check::Junctions, tee.frame);
    ASSERT_EQ(tee.d.freecount, 3);
    for (const FreeEnd& m : marks(tee.d)) {
        EXPECT_DOUBLE_EQ(m.x, 5);
        EXPECT_DOUBLE_EQ(m.y, 0);
    }
    EXPECT_EQ(tee.frame.labels.label2, " 3");
    EXPECT_EQ(tee.frame.labels.label2Colour, 12);
}

TEST(JunctionCheck, CountsElementsNotEnds) {
    ViewFixture f;
    f.line(0, 0, 0.00005, 0.00005); // both ends at the point: counts once
    f.line(0, 0, 5, 0);
    f.arc(0, 5, 5, 270, 300); // starts at (0, 0)
    EXPECT_EQ(countendsat(f.d, 0, 0), 3);
    EXPECT_EQ(countendsat(f.d, 0.0001, 0), 2); // the tolerance is strict
    EXPECT_EQ(countendsat(f.d, 5, 0), 1);
}

TEST(JunctionCheck, SameMarksAsCountingEveryElement) {
    // Ends scattered round a few points, some within the tolerance of each
    // other and some just outside; near the origin and far from it, where
    // the tolerance is a few steps of the numbers.
    for (const double origin : {0.0, 1e6, 3e9, -7.5e10}) {
        ViewFixture f;
        std::mt19937 rng(7);
        std::uniform_int_distribution<int> cell(0, 5);
        std::uniform_real_distribution<double> jitter(-0.00008, 0.00008);
        auto p = [&] {
            return std::pair{origin + cell(rng) + jitter(rng), origin + cell(rng) + jitter(rng)};
        };
        for (int i = 0; i < 300; ++i) {
            const auto [x1, y1] = p();
            const auto [x2, y2] = p();
            f.line(x1, y1, x2, y2);
        }
        for (int i = 0; i < 100; ++i) {
            const auto [x, y] = p();
            f.arc(x, y, 1, i * 3.6, i * 3.6 + 90);
        }
        std::vector<FreeEnd> expected;
        auto visit = [&](Point q, ElementRef ref, EndCode end) {
            if (countendsat(f.d, q.x, q.y) > 2) expected.push_back({q.x, q.y, ref, end});
        };
        for (int32_t i = 0; i < f.d.linecount; ++i) {
            visit({f.d.lines[i].x1, f.d.lines[i].y1}, ElementRef::line(i), EndCode::Start);
            visit({f.d.lines[i].x2, f.d.lines[i].y2}, ElementRef::line(i), EndCode::End);
        }
        for (int32_t i = 0; i < f.d.arccount; ++i) {
            visit(arcStart(f.d.arcs[i]), ElementRef::arc(i), EndCode::Start);
            visit(arcEnd(f.d.arcs[i]), ElementRef::arc(i), EndCode::End);
        }
        findjunctions(f.d);
        const std::vector<FreeEnd> found = marks(f.d);
        ASSERT_EQ(found.size(), expected.size()) << origin;
        ASSERT_GT(found.size(), 100u) << origin;
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].ref, expected[i].ref) << origin;
            EXPECT_EQ(found[i].end, expected[i].end) << origin;
        }
    }
}

TEST(SmallElementCheck, ShortLineMarkedAtItsMiddle) {
    ViewFixture f;
    f.line(1, 1, 1.03, 1.04); // 0.05 long
    f.line(2, 2, 2.1, 2);     // exactly 0.1: not small
    f.line(5, 5, 10, 5);
    runCheck(f.d, f.session->view, f.host, Check::SmallElements, f.frame);
    ASSERT_EQ(f.d.freecount, 1);
    EXPECT_NEAR(f.d.freeends[0].x, 1.015, 1e-12);
    EXPECT_NEAR(f.d.freeends[0].y, 1.02, 1e-12);
    EXPECT_EQ(f.d.freeends[0].ref.raw(), 0);
    EXPECT_EQ(f.frame.labels.label3, "Länge < 0.1");
    EXPECT_EQ(f.frame.labels.label2, " 1");
    EXPECT_EQ(f.frame.labels.label2Colour, 0);
}

TEST(SmallElementCheck, ArcThroughZeroMarkedAtZeroDegrees) {
    ViewFixture f;
    f.arc(3, 4, 0.2, 350, 10); // 0.2 * 20° = 0.07 long
    f.arc(3, 4, 0.2, 0, 180);
    runCheck(f.d, f.session->view, f.host, Check::SmallElements, f.frame);
    ASSERT_EQ(f.d.freecount, 1);
    EXPECT_NEAR(f.d.freeends[0].x, 3.2, 1e-12);
    EXPECT_NEAR(f.d.freeends[0].y, 4, 1e-12);
    EXPECT_EQ(f.d.freeends[0].ref.raw(), kArcRef);
}

TEST(SmallElementCheck, EqualAnglesAreAFullCircle) {
    ViewFixture f;
    f.arc(0, 0, 0.01, 90, 90); // 0.063 round
    f.arc(0, 0, 1, 90, 90);    // 6.28 round
    findsmallelements(f.d);
    ASSERT_EQ(f.d.freecount, 1);
    EXPECT_NEAR(f.d.freeends[0].y, -0.01, 1e-12); // half way round from 90°
}

TEST(LongCheckQuestion, OnlyTheTwoLongChecksAsk) {
    ViewFixture f("NNNN");
    for (int i = 0; i < 5001; ++i) f.line(i, 0, i, 1);
    const Check checks[] = {Check::Directions,    Check::OpenContours, Check::Junctions,
                            Check::SmallElements, Check::EndPoints,    Check::ClearMarks};
    for (Check c : checks) runCheck(f.d, f.session->view, f.host, c, f.frame);
    ASSERT_EQ(f.host.questions.size(), 2u);
    EXPECT_EQ(f.host.questions[0].title, "Längere Berechnungszeit");
    EXPECT_EQ(f.host.questions[0].text, "Kontrolle fortsetzen ? Elemente>5000");
}

TEST(LongCheckQuestion, DeclinedChangesNothing) {
    ViewFixture f("N");
    for (int i = 0; i < 5001; ++i) f.line(i, 0, i, 1);
    f.d.freecount = 3;
    f.session->view.markMode = 1;
    EXPECT_FALSE(runCheck(f.d, f.session->view, f.host, Check::OpenContours, f.frame));
    EXPECT_EQ(f.d.freecount, 3);
    EXPECT_EQ(f.session->view.markMode, 1);
    EXPECT_TRUE(f.frame.shown.empty());
    EXPECT_EQ(f.frame.paints, 0);

    ViewFixture g("J");
    for (int i = 0; i < 5001; ++i) g.line(i, 0, i + 0.5, 1);
    EXPECT_TRUE(runCheck(g.d, g.session->view, g.host, Check::OpenContours, g.frame));
    EXPECT_EQ(g.d.freecount, 10002);
}

TEST(CheckFrame, WaitTextFirstThenResultAndRedraw) {
    ViewFixture f;
    f.square();
    f.d.freecount = 7;
    runCheck(f.d, f.session->view, f.host, Check::Junctions, f.frame);
    ASSERT_EQ(f.frame.shown.size(), 2u);
    EXPECT_EQ(f.frame.shown[0].label3, "Bitte warten !");
    EXPECT_TRUE(f.frame.shown[0].label3Visible);
    EXPECT_FALSE(f.frame.shown[0].label2Visible);
    EXPECT_TRUE(f.frame.shown[1].label2Visible);
    EXPECT_EQ(f.host.events, 1);
    EXPECT_EQ(f.frame.paints, 1);
}

TEST(CheckFrame, EndPointsAndClearMarks) {
    ViewFixture f;
    f.line(0, 0, 10, 0);
    f.arc(0, 0, 2, 0, 90);
    runCheck(f.d, f.session->view, f.host, Check::EndPoints, f.frame);
    EXPECT_EQ(f.session->view.markMode, 1);
    EXPECT_EQ(f.frame.labels.label3, "Endpunkte");
    EXPECT_TRUE(f.frame.labels.label2Visible);
    EXPECT_EQ(f.frame.labels.label2, "");
    const auto points = endpointMarks(f.d);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_DOUBLE_EQ(points[1].x, 10);
    EXPECT_NEAR(points[2].x, 2, 1e-12);
    EXPECT_NEAR(points[3].y, 2, 1e-12);
    EXPECT_EQ(points[3].ref, ElementRef::arc(0));
    EXPECT_EQ(points[3].end, EndCode::End);

    runCheck(f.d, f.session->view, f.host, Check::Directions, f.frame);
    runCheck(f.d, f.session->view, f.host, Check::ClearMarks, f.frame);
    EXPECT_EQ(f.session->view.markMode, 0);
    EXPECT_EQ(f.session->view.angleReadout, 0);
    EXPECT_EQ(f.d.freecount, 0);
    EXPECT_EQ(f.frame.labels.label3, "Kontrolle");
    EXPECT_FALSE(f.frame.labels.label2Visible);
}

TEST(AngleReadout, ShowsTheCornerUnderTheMouse) {
    ViewFixture f;
    bend(f, 0.2);
    f.session->view.window = {0, 0, 160, 120};                               // tolerance 1
    EXPECT_FALSE(angleReadoutText(f.d, f.session->view, 10, 0).has_value()); // off before a check
    runCheck(f.d, f.session->view, f.host, Check::Directions, f.frame);
    EXPECT_EQ(angleReadoutText(f.d, f.session->view, 10.5, -0.5), " 179.8 Grad");
    EXPECT_EQ(angleReadoutText(f.d, f.session->view, 11, 0), "");
    runCheck(f.d, f.session->view, f.host, Check::ClearMarks, f.frame);
    EXPECT_FALSE(angleReadoutText(f.d, f.session->view, 10, 0).has_value());
}

} // namespace
} // namespace vectrim
