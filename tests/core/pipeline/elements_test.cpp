// Deleting elements keeps the tables compact and the contour order table
// consistent; arc lengths and tangents.
#include "fixture.h"
#include "pipeline/elements.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vectrim {
namespace {

using test::Fixture;

TEST(DeleteElements, LineRemovedAndLaterReferencesLowered) {
    Fixture f;
    f.line(0, 0, 1, 0);    // 0
    f.arc(0, 0, 1, 0, 90); // arc 0
    f.line(1, 0, 2, 0);    // 1
    f.line(2, 0, 3, 0);    // 2
    deleteline(f.d, 1);
    ASSERT_EQ(f.d.linecount, 2);
    EXPECT_EQ(f.d.lines[1].x1, 2);
    ASSERT_EQ(f.d.elementCount(), 3);
    EXPECT_EQ(f.d.order[0].raw(), 0);
    EXPECT_EQ(f.d.order[1].raw(), kArcRef);
    EXPECT_EQ(f.d.order[2].raw(), 1); // was line 2
}

TEST(DeleteElements, ArcRemovedLinesUntouched) {
    Fixture f;
    f.arc(0, 0, 1, 0, 90);
    f.line(0, 0, 1, 0);
    f.arc(5, 5, 2, 0, 360);
    f.arc(9, 9, 3, 10, 20);
    deletearc(f.d, 0);
    ASSERT_EQ(f.d.arccount, 2);
    EXPECT_EQ(f.d.arcs[0].cx, 5);
    EXPECT_EQ(f.d.order[0].raw(), 0);
    EXPECT_EQ(f.d.order[1].raw(), kArcRef + 0);
    EXPECT_EQ(f.d.order[2].raw(), kArcRef + 1);
    deletearc(f.d, 7); // no such arc: nothing happens
    EXPECT_EQ(f.d.arccount, 2);
}

TEST(ArcLength, SweepRule) {
    const double pi = 3.14159265358979;
    EXPECT_NEAR(arclength(2, 0, pi / 2), pi, 1e-12);
    EXPECT_NEAR(arclength(1, 3 * pi / 2, pi / 2), pi, 1e-12); // across 0
    EXPECT_NEAR(arclength(1, 1, 1), 2 * pi, 1e-12);           // equal angles: full circle
}

TEST(ArcTangents, LeavingAtEitherEnd) {
    EXPECT_NEAR(endTangent(0), kPi / 2, 1e-12);
    EXPECT_NEAR(endTangent(300), 30 * kDegToRad, 1e-12);
    EXPECT_NEAR(startTangent(90), 0, 1e-12);
    EXPECT_NEAR(startTangent(30), 300 * kDegToRad, 1e-12);
}

} // namespace
} // namespace vectrim
