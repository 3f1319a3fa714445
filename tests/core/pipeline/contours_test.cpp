// Contour building: free ends, chains, closed contours, orientation.
#include "fixture.h"
#include "pipeline/contours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

namespace vectrim {
namespace {

using test::Fixture;

std::vector<int32_t> order(const Drawing& d) { return test::rawOrder(d); }

TEST(Contours, EmptyDrawingIsLeftAlone) {
    Fixture f;
    f.d.freecount = 5;
    buildcontours(f.d, f.host);
    EXPECT_EQ(f.d.freecount, 5);
}

TEST(Contours, SingleLine) {
    Fixture f;
    f.line(0, 0, 10, 0);
    buildcontours(f.d, f.host);
    EXPECT_EQ(f.d.lines[0].contour, 0);
    EXPECT_EQ(order(f.d), std::vector<int32_t>{0});
    EXPECT_EQ(f.d.lines[0].x1, 0); // its start was the first free end
}

TEST(Contours, CommonStartTurnsTheFirstLineRound) {
    // Line 0 from A to B, line 1 from A to C: free ends B then C.
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(0, 0, 0, 10);
    buildcontours(f.d, f.host);
    EXPECT_EQ(f.d.lines[0].x1, 10); // now runs B -> A
    EXPECT_EQ(f.d.lines[0].x2, 0);
    EXPECT_EQ(f.d.lines[1].y2, 10); // unchanged
    EXPECT_EQ(f.d.lines[0].contour, 0);
    EXPECT_EQ(f.d.lines[1].contour, 0);
    EXPECT_EQ(order(f.d), (std::vector<int32_t>{0, 1}));
}

TEST(Contours, FullCircleIsClosedAndHasNoFreeEnd) {
    Fixture f;
    f.arc(5, 5, 2, 0, 360);
    findfreeends(f.d);
    EXPECT_EQ(f.d.freecount, 0);
    buildcontours(f.d, f.host);
    EXPECT_EQ(f.d.arcs[0].contour, 0);
    EXPECT_EQ(order(f.d), std::vector<int32_t>{kArcRef});
}

TEST(Contours, ClosedSquareInChainOrder) {
    Fixture f;
    f.line(0, 0, 10, 0);   // 0
    f.line(10, 10, 0, 10); // 1
    f.line(10, 0, 10, 10); // 2
    f.line(0, 10, 0, 0);   // 3
    buildcontours(f.d, f.host);
    EXPECT_EQ(f.d.freecount, 0);
    EXPECT_EQ(order(f.d), (std::vector<int32_t>{0, 2, 1, 3}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f.d.lines[i].contour, 0);
}

TEST(Contours, JunctionTakesTheStraightestBranch) {
    // From (0,0) to (10,0), then a branch straight on and one turning up.
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10, 10); // up
    f.line(10, 0, 20, 0);  // straight on
    buildcontours(f.d, f.host);
    EXPECT_EQ(f.d.lines[0].contour, 0);
    EXPECT_EQ(f.d.lines[2].contour, 0);
    EXPECT_EQ(f.d.lines[1].contour, 1);
}

TEST(Contours, DirectionsAreComparedWithoutWrapping) {
    // Current direction 6.2 rad; candidates at 0.1 rad and 5.0 rad: the plain
    // differences are 6.1 and 1.2, so the 5.0 branch wins.
    Fixture f;
    const double a = 6.2, b = 0.1, c = 5.0;
    f.line(-10 * std::cos(a), -10 * std::sin(a), 0, 0);
    f.line(0, 0, 10 * std::cos(b), 10 * std::sin(b));
    f.line(0, 0, 10 * std::cos(c), 10 * std::sin(c));
    buildcontours(f.d, f.host);
    EXPECT_EQ(f.d.lines[2].contour, f.d.lines[0].contour);
    EXPECT_NE(f.d.lines[1].contour, f.d.lines[0].contour);
}

TEST(Contours, ArcAndLinesFormOneOpenChain) {
    Fixture f;
    f.line(-10, 0, 0, 0);
    f.arc(0, 5, 5, 270, 360); // from (0,0) to (5,5)
    f.line(5, 5, 5, 20);
    buildcontours(f.d, f.host);
    EXPECT_EQ(order(f.d), (std::vector<int32_t>{0, kArcRef, 1}));
    EXPECT_EQ(f.d.arcs[0].contour, 0);
    EXPECT_EQ(f.d.lines[1].contour, 0);
}

TEST(Contours, EveryElementExactlyOnceOnAMixedDrawing) {
    Fixture f;
    for (int k = 0; k < 20; ++k) {
        const double x = k * 30;
        f.line(x, 0, x + 10, 0);
        f.line(x + 10, 0, x + 10, 10);
        f.arc(x + 5, 10, 5, 0, 180);
        f.line(x, 10, x, 0);
        f.line(x + 10, 0, x + 20, -5); // a branch
        f.arc(x + 25, 25, 3, 0, 360);
    }
    buildcontours(f.d, f.host);
    const auto o = order(f.d);
    std::set<int32_t> seen(o.begin(), o.end());
    EXPECT_EQ(seen.size(), o.size());
    EXPECT_EQ(o.size(), static_cast<size_t>(f.d.elementCount()));
    for (int32_t i = 0; i < f.d.linecount; ++i) EXPECT_GE(f.d.lines[i].contour, 0);
    for (int32_t i = 0; i < f.d.arccount; ++i) EXPECT_GE(f.d.arcs[i].contour, 0);
    for (int32_t i = 0; i < f.d.freecount; ++i) EXPECT_EQ(f.d.freeends[i].x, kConsumed);
}

TEST(FreeEnds, OwnOtherEndDoesNotCountOthersDo) {
    Fixture f;
    f.line(0, 0, 0.0005, 0); // both ends within 0.001 of each other
    f.line(5, 5, 6, 6);
    f.line(6, 6, 7, 5);
    findfreeends(f.d);
    ASSERT_EQ(f.d.freecount, 4);
    EXPECT_EQ(f.d.freeends[0].ref, ElementRef::line(0));
    EXPECT_EQ(f.d.freeends[0].end, EndCode::Start);
    EXPECT_EQ(f.d.freeends[1].ref, ElementRef::line(1));
    EXPECT_EQ(f.d.freeends[2].ref, ElementRef::line(0));
    EXPECT_EQ(f.d.freeends[2].end, EndCode::End);
    EXPECT_EQ(f.d.freeends[3].ref, ElementRef::line(2));
}

TEST(FindElementAt, LinesBeforeArcsStartsBeforeEnds) {
    Fixture f;
    f.arc(0, 5, 5, 270, 0);
    f.line(3, 3, 0, 0);
    const ElementAt at = findelementat(f.d, 0, 0);
    EXPECT_EQ(at.kind, ElementKind::Line);
    EXPECT_EQ(at.end, EndCode::End);
    EXPECT_EQ(at.other.x, 3);
    f.d.lines[0].contour = 0;
    const ElementAt arc = findelementat(f.d, 0, 0);
    EXPECT_EQ(arc.kind, ElementKind::Arc);
    EXPECT_EQ(arc.end, EndCode::Start);
    EXPECT_NEAR(arc.other.x, 5, 1e-12);
    EXPECT_EQ(findelementat(f.d, 100, 100).kind, ElementKind::None);
}

} // namespace
} // namespace vectrim

namespace vectrim {
namespace {

// Every end compared with every other element's ends, as the free-end rule
// states it; the table built with the sorted index must agree entry by entry.
std::vector<FreeEnd> freeEndsByComparingAll(const Drawing& d) {
    struct End {
        Point p;
        ElementRef ref;
        EndCode code;
    };
    std::vector<End> ends;
    for (int32_t i = 0; i < d.linecount; ++i)
        ends.push_back({{d.lines[i].x1, d.lines[i].y1}, ElementRef::line(i), EndCode::Start});
    for (int32_t i = 0; i < d.linecount; ++i)
        ends.push_back({{d.lines[i].x2, d.lines[i].y2}, ElementRef::line(i), EndCode::End});
    for (int32_t i = 0; i < d.arccount; ++i)
        ends.push_back({arcStart(d.arcs[i]), ElementRef::arc(i), EndCode::Start});
    for (int32_t i = 0; i < d.arccount; ++i)
        ends.push_back({arcEnd(d.arcs[i]), ElementRef::arc(i), EndCode::End});
    std::vector<FreeEnd> out;
    for (const End& e : ends) {
        bool touches = false;
        if (e.ref.isArc()) {
            const Arc& a = d.arcs[e.ref.index()];
            touches = coincide(arcStart(a).x, arcStart(a).y, arcEnd(a).x, arcEnd(a).y);
        }
        for (const End& o : ends)
            if (o.ref != e.ref && coincide(e.p.x, e.p.y, o.p.x, o.p.y)) touches = true;
        if (!touches) out.push_back({e.p.x, e.p.y, e.ref, e.code});
    }
    return out;
}

TEST(FreeEnds, SortedIndexAgreesWithComparingAll) {
    std::mt19937 rng(5);
    // Ends on a coarse grid with small jitter, so that many pairs lie right
    // around the 0.001 tolerance.
    std::uniform_int_distribution<int> cell(0, 30);
    std::uniform_real_distribution<double> jitter(-0.0012, 0.0012);
    auto coord = [&] { return cell(rng) * 0.5 + jitter(rng); };
    for (int round = 0; round < 5; ++round) {
        Fixture f;
        for (int k = 0; k < 300; ++k) f.line(coord(), coord(), coord(), coord());
        for (int k = 0; k < 100; ++k) {
            const double a1 = cell(rng) * 12.0, a2 = cell(rng) * 12.0;
            f.arc(coord(), coord(), 0.5 + cell(rng) * 0.1, a1, k % 7 == 0 ? a1 + 360 : a2);
        }
        f.line(NAN, 0, 1, 1);
        findfreeends(f.d);
        const auto want = freeEndsByComparingAll(f.d);
        ASSERT_EQ(f.d.freecount, static_cast<int32_t>(want.size()));
        for (size_t i = 0; i < want.size(); ++i) {
            EXPECT_EQ(f.d.freeends[i].ref, want[i].ref);
            EXPECT_EQ(f.d.freeends[i].end, want[i].end);
        }
    }
}

} // namespace
} // namespace vectrim
