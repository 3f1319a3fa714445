// Junction splitting and duplicate removal.
#include "drawings.h"
#include "pipeline/duplicates.h"
#include "pipeline/junctions.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::Fixture;

void split(Fixture& f, int16_t expectFull = 0) {
    int16_t full = -1;
    splitatjunctions(f.d, f.host, full);
    EXPECT_EQ(full, expectFull);
}

TEST(SplitAtJunctions, TJunctionCutsTheCrossedLine) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(4, 0, 4, 6); // ends in the middle of line 0
    split(f);
    ASSERT_EQ(f.d.linecount, 3);
    EXPECT_EQ(f.d.lines[0].x2, 4);
    EXPECT_EQ(f.d.lines[0].y2, 0);
    EXPECT_EQ(f.d.lines[2].x1, 4); // the new line runs on to the old end
    EXPECT_EQ(f.d.lines[2].x2, 10);
    EXPECT_EQ(f.d.lines[1].y2, 6); // the stem itself is not cut
    EXPECT_EQ(test::orderOf(f.d), (std::vector<int32_t>{0, 1, 2}));
}

TEST(SplitAtJunctions, CrossingLinesAreNotCutOnlyEndsCut) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(5, -5, 5, 5); // crosses, no end on line 0
    split(f);
    EXPECT_EQ(f.d.linecount, 2);
}

TEST(SplitAtJunctions, NearMissesByATenthOfAMicronCutNothing) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10.00005, 0, 10.00005, 5); // within 0.0001 of line 0's end
    f.line(20, 0, 30, 0);
    f.line(25, 0.0002, 25, 5); // 0.0002 beside line 2: the foot point is too far
    split(f);
    EXPECT_EQ(f.d.linecount, 4);
    Fixture g;
    g.line(20, 0, 30, 0);
    g.line(25, 0.00005, 25, 5); // 0.00005 beside: close enough, line 0 is cut
    split(g);
    EXPECT_EQ(g.d.linecount, 3);
    EXPECT_EQ(g.d.lines[0].y2, 0.00005);
}

TEST(SplitAtJunctions, LineEndOnAnArcCutsTheArc) {
    Fixture f;
    f.arc(0, 0, 10, 0, 180);
    f.line(0, 10, 0, 20); // starts on the arc at 90 degrees
    split(f);
    ASSERT_EQ(f.d.arccount, 2);
    EXPECT_NEAR(f.d.arcs[0].a1, 0, 1e-12);
    EXPECT_NEAR(f.d.arcs[0].a2, 90, 1e-9);
    EXPECT_NEAR(f.d.arcs[1].a1, 90, 1e-9);
    EXPECT_NEAR(f.d.arcs[1].a2, 180, 1e-12);
    for (const Arc& a : {f.d.arcs[0], f.d.arcs[1]}) {
        EXPECT_EQ(a.cx, 0);
        EXPECT_EQ(a.cy, 0);
        EXPECT_EQ(a.r, 10);
    }
    EXPECT_EQ(test::orderOf(f.d), (std::vector<int32_t>{kArcRef, 0, kArcRef + 1}));
}

TEST(SplitAtJunctions, ArcAcrossZeroIsCutOnEitherSide) {
    Fixture f;
    f.arc(0, 0, 10, 300, 60);
    f.line(10, 0, 20, 0); // at 0 degrees, inside the sweep
    split(f);
    ASSERT_EQ(f.d.arccount, 2);
    EXPECT_EQ(f.d.arcs[0].a1, 300);
    EXPECT_NEAR(f.d.arcs[0].a2, 0, 1e-9);
    EXPECT_NEAR(f.d.arcs[1].a1, 0, 1e-9);
    EXPECT_EQ(f.d.arcs[1].a2, 60);
}

TEST(SplitAtJunctions, PointAtAnArcEndCutsNothing) {
    Fixture f;
    f.arc(0, 0, 10, 0, 180);
    f.line(10, 0, 20, 0); // at the arc's start
    split(f);
    EXPECT_EQ(f.d.arccount, 1);
    EXPECT_EQ(f.d.linecount, 1);
}

TEST(SplitAtJunctions, ClosedCircleCutsAtItsStartTinyOneDoesNot) {
    Fixture f;
    f.arc(0, 0, 10, 0, 360); // start and end at (10, 0)
    f.line(10, -5, 10, 5);   // passes through (10, 0)
    split(f);
    EXPECT_EQ(f.d.linecount, 2);
    EXPECT_EQ(f.d.lines[0].y2, 0);

    Fixture g;
    g.arc(0, 0, 0.015, 0, 360); // length 0.094: skipped
    g.line(0.015, -5, 0.015, 5);
    split(g);
    EXPECT_EQ(g.d.linecount, 1);
}

TEST(SplitAtJunctions, ProgressEveryHundredLines) {
    Fixture f;
    for (int k = 0; k < 301; ++k) f.line(k * 10, 0, k * 10 + 5, 0);
    split(f);
    ASSERT_GE(f.host.infos.size(), 4u);
    EXPECT_EQ(f.host.infos[0], "Suche doppelte Elemente...    ");
    EXPECT_EQ(f.host.infos[1], "Suche doppelte Elemente...... ");
    EXPECT_EQ(f.host.infos[2], "Suche doppelte Elemente...... ");
    EXPECT_EQ(f.host.infos[3], "Suche doppelte Elemente...    ");
    EXPECT_GE(f.host.events, 4);
}

TEST(SplitElementsAt, FullLineTableStopsWithItsMessage) {
    Fixture f;
    f.line(0, 0, 10, 0);
    for (int k = 1; k < kMaxElements; ++k) f.line(1000 + k, 1000, 1000 + k, 1000); // fill the table
    ASSERT_EQ(f.d.linecount, kMaxElements);
    int16_t full = 0;
    splitelementsat(f.d, f.host, 4, 0, -1, ElementKind::Line, full);
    EXPECT_EQ(full, 1);
    EXPECT_EQ(f.d.linecount, kMaxElements);
    EXPECT_EQ(f.d.lines[0].x2, 4); // already shortened
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].title, "Error");
    EXPECT_EQ(f.host.messages[0].text, "Linienspeicher voll !");
    EXPECT_EQ(f.host.messages[0].icon, Icon::Critical);
}

TEST(SplitElementsAt, FullArcTableStopsWithItsMessage) {
    Fixture f;
    f.arc(0, 0, 10, 0, 180);
    for (int k = 1; k < kMaxElements; ++k) f.arc(1000 + k, 1000, 0.2, 0, 90);
    int16_t full = 0;
    splitelementsat(f.d, f.host, 0, 10, -1, ElementKind::Line, full);
    EXPECT_EQ(full, 1);
    EXPECT_EQ(f.d.arccount, kMaxElements);
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].text, "Bogenspeicher voll !");
}

TEST(RemoveDuplicates, SameLineEitherWayRoundGoes) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(0, 0, 10, 0);      // same
    f.line(10, 0, 0, 0.0005); // reversed, within 0.001
    f.line(0, 0, 10, 0.001);  // 0.001 off: kept
    removeduplicates(f.d, f.host);
    ASSERT_EQ(f.d.linecount, 2);
    EXPECT_EQ(f.d.lines[1].y2, 0.001);
}

TEST(RemoveDuplicates, ThreeCopiesLeaveOneAndCountTwo) {
    Fixture f;
    for (int k = 0; k < 3; ++k) f.line(1, 2, 3, 4);
    removeduplicates(f.d, f.host);
    EXPECT_EQ(f.d.linecount, 1);
    ASSERT_FALSE(f.host.infos.empty());
    EXPECT_EQ(f.host.infos.back(), "Suche doppelte Elemente...      Gelöscht:2");
}

TEST(RemoveDuplicates, ArcsOnTheSameCircleGoOthersStay) {
    Fixture f;
    f.arc(0, 0, 10, 0, 90);
    f.arc(0.0002, 0, 10, 0, 90); // the same arc within 0.001
    // Same ends, other bulge: the arc of centre (-10, -10) from (10, 0) to (0, 10).
    const double r = std::sqrt(500.0), a1 = std::atan2(10.0, 20.0) * 180 / kPi;
    f.arc(-10, -10, r, a1, 90 - a1);
    f.arc(0, 0, 10, 90, 0); // the rest of the circle, not the same arc
    removeduplicates(f.d, f.host);
    ASSERT_EQ(f.d.arccount, 3);
    EXPECT_EQ(f.d.arcs[1].cx, -10);
    EXPECT_EQ(f.d.arcs[2].a1, 90);
    EXPECT_EQ(test::orderOf(f.d), (std::vector<int32_t>{kArcRef, kArcRef + 1, kArcRef + 2}));
}

TEST(RemoveDuplicates, RunningTwiceChangesNothingMore) {
    Fixture f;
    for (int k = 0; k < 40; ++k) {
        if (k % 2)
            f.line(k % 5, 0, k % 5 + 1, 9);
        else
            f.line(k % 5 + 1, 9, k % 5, 0);
        f.arc(k % 4, 0, 5, 10.0 * (k % 6), 200);
    }
    removeduplicates(f.d, f.host);
    const int32_t lines = f.d.linecount, arcs = f.d.arccount;
    EXPECT_EQ(lines, 5);
    EXPECT_EQ(arcs, 12);
    removeduplicates(f.d, f.host);
    EXPECT_EQ(f.d.linecount, lines);
    EXPECT_EQ(f.d.arccount, arcs);
}

} // namespace
} // namespace vectrim
