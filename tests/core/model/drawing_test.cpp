// Capacities, references and angle normalisation of the drawing model.
#include "model/drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace vectrim {
namespace {

TEST(Drawing, LineTableHoldsAtMost99999) {
    auto d = std::make_unique<Drawing>();
    for (int i = 0; i < 99998; ++i) ASSERT_TRUE(d->appendLine(i, 0, i, 1));
    EXPECT_TRUE(d->appendLine(1, 2, 3, 4)); // index 99998
    EXPECT_EQ(d->linecount, 99999);
    EXPECT_FALSE(d->appendLine(5, 6, 7, 8));
    EXPECT_EQ(d->linecount, 99999);
    EXPECT_EQ(d->order[99998], ElementRef::line(99998));
}

TEST(Drawing, OrderTableEncodesArcsAbove100000) {
    auto d = std::make_unique<Drawing>();
    d->appendLine(0, 0, 1, 0);
    d->appendArc(0, 0, 1, 0, 90);
    d->appendLine(1, 0, 2, 0);
    d->appendArc(5, 5, 2, 0, 360);
    EXPECT_EQ(d->order[0], ElementRef::line(0));
    EXPECT_EQ(d->order[1], ElementRef::arc(0));
    EXPECT_EQ(d->order[2].raw(), 1);           // stored as the line index
    EXPECT_EQ(d->order[3].raw(), kArcRef + 1); // stored as arc index + 100000
    EXPECT_EQ(d->elementCount(), 4);
    d->clear();
    EXPECT_EQ(d->elementCount(), 0);
}

TEST(Drawing, ArcTableFullAlsoReported) {
    auto d = std::make_unique<Drawing>();
    d->arccount = kMaxElements;
    EXPECT_FALSE(d->appendArc(0, 0, 1, 0, 360));
    EXPECT_EQ(d->arccount, kMaxElements);
}

TEST(AngleNormalisation, IntoZeroTo360) {
    EXPECT_EQ(normalisedAngle(360), 360);
    EXPECT_EQ(normalisedAngle(0), 0);
    EXPECT_EQ(normalisedAngle(725), 5);
    EXPECT_EQ(normalisedAngle(-30), 330);
    EXPECT_NEAR(normalisedAngle(1e300), std::fmod(1e300, 360.0), 1e-6);
    EXPECT_TRUE(std::isinf(normalisedAngle(INFINITY))); // returns, does not loop
}

TEST(ArcPoints, StartAndEndFromDegrees) {
    const Arc a{1, 2, 3, 90, 180, -1};
    EXPECT_NEAR(arcStart(a).x, 1, 1e-12);
    EXPECT_NEAR(arcStart(a).y, 5, 1e-12);
    EXPECT_NEAR(arcEnd(a).x, -2, 1e-12);
    EXPECT_NEAR(arcEnd(a).y, 2, 1e-12);
}

TEST(Coincide, StrictPerAxis) {
    EXPECT_TRUE(coincide(0, 0, 0.0009, -0.0009));
    EXPECT_FALSE(coincide(0, 0, 0.001, 0));
    EXPECT_FALSE(coincide(0, 0, 0, 0.0011));
    EXPECT_TRUE(coincide(0, 0, 0.00009, 0, 0.0001));
}

} // namespace
} // namespace vectrim
