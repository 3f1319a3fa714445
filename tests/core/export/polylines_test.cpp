// Contours as polylines: chain order, bulge signs, closing, splitting of
// long arcs, and geometry that matches the drawing.
#include "export/polylines.h"
#include "fixture.h"
#include "geometry_compare.h"
#include "parts.h"
#include "pipeline/contours.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vectrim {
namespace {

using test::Fixture;
using test::piecesOf;
using test::sameGeometry;

constexpr double kExact = 1e-9; // mm: what "the same geometry" allows for rounding

Polylines built(Fixture& f) {
    buildcontours(f.d, f.host);
    return contourPolylines(f.d);
}

TEST(Polylines, ClosedSquareIsOneClosedPolyline) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 10, 10, 0); // runs against the chain: contour building turns it
    f.line(10, 10, 0, 10);
    f.line(0, 10, 0, 0);
    const Polylines p = built(f);
    ASSERT_EQ(p.runs.size(), 1u);
    EXPECT_TRUE(p.runs[0].closed);
    ASSERT_EQ(p.runs[0].count, 4);
    const double expected[4][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(p.vertices[k].x, expected[k][0]);
        EXPECT_EQ(p.vertices[k].y, expected[k][1]);
        EXPECT_EQ(p.vertices[k].bulge, 0);
    }
}

TEST(Polylines, FullCircleIsTwoHalvesWithBulgeOne) {
    Fixture f;
    f.arc(5, 5, 2, 0, 360);
    const Polylines p = built(f);
    ASSERT_EQ(p.runs.size(), 1u);
    EXPECT_TRUE(p.runs[0].closed);
    ASSERT_EQ(p.runs[0].count, 2);
    EXPECT_NEAR(p.vertices[0].x, 7, 1e-12);
    EXPECT_NEAR(p.vertices[1].x, 3, 1e-12);
    EXPECT_NEAR(p.vertices[0].bulge, 1, 1e-12);
    EXPECT_NEAR(p.vertices[1].bulge, 1, 1e-12);
}

// A line that ends at a quarter arc's end point: the chain runs the arc
// backwards, so its bulge is negative.
TEST(Polylines, ArcRunBackwardsGetsANegativeBulge) {
    Fixture f;
    f.line(0, 20, 0, 10);   // ends at the arc's end (0, 10)
    f.arc(0, 0, 10, 0, 90); // (10, 0) to (0, 10)
    const Polylines p = built(f);
    ASSERT_EQ(p.runs.size(), 1u);
    EXPECT_FALSE(p.runs[0].closed);
    ASSERT_EQ(p.runs[0].count, 3);
    // (0, 20) is the first free end, so the chain starts there.
    EXPECT_EQ(p.vertices[0].x, 0);
    EXPECT_EQ(p.vertices[0].y, 20);
    EXPECT_EQ(p.vertices[0].bulge, 0);
    EXPECT_NEAR(p.vertices[1].y, 10, 1e-12);
    EXPECT_NEAR(p.vertices[1].bulge, -std::tan(M_PI / 8), 1e-15);
    EXPECT_NEAR(p.vertices[2].x, 10, 1e-12);
    EXPECT_NEAR(p.vertices[2].y, 0, 1e-12);
    EXPECT_EQ(p.vertices[2].bulge, 0);
    EXPECT_TRUE(sameGeometry(piecesOf(f.d), piecesOf(p), kExact));
}

TEST(Polylines, ArcOverHalfACircleIsSplit) {
    Fixture f;
    f.arc(0, 0, 10, 10, 280); // 270 degrees
    const Polylines p = built(f);
    ASSERT_EQ(p.runs.size(), 1u);
    ASSERT_EQ(p.runs[0].count, 3);
    EXPECT_NEAR(p.vertices[0].bulge, std::tan(135.0 / 4 * M_PI / 180), 1e-15);
    EXPECT_NEAR(p.vertices[1].bulge, std::tan(135.0 / 4 * M_PI / 180), 1e-15);
    // The split point lies half-way, at 145 degrees.
    EXPECT_NEAR(p.vertices[1].x, 10 * std::cos(145 * M_PI / 180), 1e-12);
    EXPECT_TRUE(sameGeometry(piecesOf(f.d), piecesOf(p), kExact));
    // Exactly 180 degrees stays one segment with bulge 1.
    Fixture g;
    g.arc(0, 0, 10, 90, 270);
    const Polylines q = built(g);
    ASSERT_EQ(q.runs[0].count, 2);
    EXPECT_NEAR(q.vertices[0].bulge, 1, 1e-15);
}

// Ends that meet only within the coincidence tolerance still make one closed
// polyline; the line moves to the arc's end, the arc keeps its shape.
TEST(Polylines, NearlyMeetingEndsBendTheLineToTheArc) {
    Fixture f;
    f.arc(0, 0, 10, 0, 180); // (10, 0) to (-10, 0)
    f.line(-10.0004, 0.0003, 9.9996, -0.0002);
    const Polylines p = built(f);
    ASSERT_EQ(p.runs.size(), 1u);
    EXPECT_TRUE(p.runs[0].closed);
    ASSERT_EQ(p.runs[0].count, 2);
    for (int k = 0; k < 2; ++k) {
        EXPECT_NEAR(std::fabs(p.vertices[k].x), 10, 1e-12);
        EXPECT_NEAR(p.vertices[k].y, 0, 1e-12);
    }
}

TEST(Polylines, ChainThatDoesNotMeetStartsANewPolyline) {
    // Contour numbers set by hand, as a damaged contour table might hold them.
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(20, 0, 30, 0);
    f.d.lines[0].contour = f.d.lines[1].contour = 0;
    f.d.order[0] = ElementRef::line(0), f.d.order[1] = ElementRef::line(1);
    const Polylines p = contourPolylines(f.d);
    ASSERT_EQ(p.runs.size(), 2u);
    EXPECT_EQ(p.runs[0].count, 2);
    EXPECT_EQ(p.runs[1].count, 2);
}

TEST(Polylines, ElementsOutsideAnyContourBecomeTheirOwnPolylines) {
    // As when contour building stopped at its step limit.
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10, 10);
    f.arc(50, 50, 5, 0, 90);
    f.d.lines[0].contour = 0;
    f.d.lines[1].contour = -1;
    f.d.arcs[0].contour = -1;
    f.d.order[0] = ElementRef::line(0);
    const Polylines p = contourPolylines(f.d);
    ASSERT_EQ(p.runs.size(), 3u);
    EXPECT_TRUE(sameGeometry(piecesOf(f.d), piecesOf(p), kExact));
}

TEST(Polylines, DegenerateElementsAreCounted) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10, 0);
    f.arc(0, 0, 1, 360, 0);
    const Polylines p = built(f);
    EXPECT_EQ(p.skipped, 2);
    EXPECT_TRUE(sameGeometry(piecesOf(f.d), piecesOf(p), kExact));
}

// Generated parts: every contour that closes in the drawing is a closed
// polyline, and the polylines trace exactly the drawing's elements.
TEST(Polylines, GeneratedPartsKeepTheirGeometry) {
    Fixture f;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        f.d.clear();
        test::PartMaker maker(f.d, seed);
        maker.part(10, 10);
        maker.part(300, 40);
        const std::vector<test::Piece> before = piecesOf(f.d);
        const Polylines p = built(f);
        EXPECT_TRUE(sameGeometry(before, piecesOf(p), kExact)) << "seed " << seed;
        int closed = 0;
        for (const PolyRun& r : p.runs) closed += r.closed;
        // Per part: the outline, three holes and the slot.
        EXPECT_EQ(closed, 10) << "seed " << seed;
        // Per part: the hook, the loose arc and the loose line.
        EXPECT_EQ(static_cast<int>(p.runs.size()) - closed, 6) << "seed " << seed;
    }
}

} // namespace
} // namespace vectrim
