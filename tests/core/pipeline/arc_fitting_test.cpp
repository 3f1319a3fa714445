// Line-to-arc conversion and tiny-element cleanup.
#include "drawings.h"
#include "pipeline/arc_fitting.h"
#include "pipeline/elements.h"
#include "pipeline/tiny_elements.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::arcPoint;
using test::dist;
using test::Fixture;

void convert(Fixture& f, double reducetol) {
    f.session->settings.reducetol = reducetol;
    convertlines(f.d, f.session->settings, f.host);
}

double sweepOf(const Arc& a) { return arcsweep(a.a1 * kDegToRad, a.a2 * kDegToRad); }

TEST(ConvertLines, PolygonisedCircleBecomesArcsOfItsCentre) {
    Fixture f;
    test::polygon(f, 50, 40, 10, 36); // a 20 mm circle
    convert(f, 0.1);
    EXPECT_EQ(f.d.linecount, 0);
    ASSERT_GE(f.d.arccount, 3);
    double total = 0;
    for (int32_t i = 0; i < f.d.arccount; ++i) {
        const Arc& a = f.d.arcs[i];
        EXPECT_NEAR(a.cx, 50, 1e-6);
        EXPECT_NEAR(a.cy, 40, 1e-6);
        EXPECT_NEAR(a.r, 10, 1e-6);
        EXPECT_LE(sweepOf(a), 3.0);
        total += sweepOf(a);
    }
    EXPECT_NEAR(total, 2 * kPi, 1e-6);
    ASSERT_FALSE(f.host.infos.empty());
    EXPECT_EQ(f.host.infos[0], "Konvertiere Linien: 1  ");
}

TEST(ConvertLines, CollinearChainsComeBackAsTheirLines) {
    // Subdivided straight edges: horizontal, vertical, slanted, and the
    // 2.5 mm to 27 mm pieces that once turned into arcs.
    for (const double piece : {2.5, 5.0, 10.0, 27.0}) {
        Fixture f;
        test::subdividedEdge(f, 0, 0, 4 * piece, 0, 4);
        test::subdividedEdge(f, 200, 0, 200, 4 * piece, 4);
        test::subdividedEdge(f, 300, 0, 300 + 3 * piece, 4 * piece, 5); // 3-4-5 steps
        convert(f, 0.3);
        EXPECT_EQ(f.d.arccount, 0) << piece;
        ASSERT_EQ(f.d.linecount, 13) << piece;
        // Every line is one piece of its chain.
        for (int32_t i = 0; i < f.d.linecount; ++i)
            EXPECT_NEAR(lineLength(f.d.lines[i]), piece, 1e-9) << piece;
    }
}

TEST(ConvertLines, SingleLineBetweenArcsIsLeftAlone) {
    Fixture f;
    f.arc(0, 10, 10, 270, 360); // (0,0) -> (10,10)
    f.line(10, 10, 10, 20);
    f.arc(0, 20, 10, 0, 90); // (10,20) -> (0,30)
    convert(f, 0.3);
    ASSERT_EQ(f.d.linecount, 1);
    EXPECT_EQ(f.d.lines[0].y2, 20);
    EXPECT_EQ(f.d.arccount, 2);
}

TEST(ConvertLines, QuarterPolygonBetweenStraightsKeepsItsEnds) {
    // A rounded corner: straight, 9 lines of a quarter circle, straight.
    Fixture f;
    f.line(-20, 0, 0, 0);
    for (int k = 0; k < 9; ++k) {
        const double a = (270 + 10 * k) * kDegToRad, b = (280 + 10 * k) * kDegToRad;
        f.line(5 * std::cos(a), 5 + 5 * std::sin(a), 5 * std::cos(b), 5 + 5 * std::sin(b));
    }
    f.line(5, 5, 5, 30);
    convert(f, 0.05);
    ASSERT_GE(f.d.arccount, 1);
    for (int32_t i = 0; i < f.d.arccount; ++i) {
        const Arc& a = f.d.arcs[i];
        EXPECT_NEAR(a.cx, 0, 1e-6);
        EXPECT_NEAR(a.cy, 5, 1e-6);
        EXPECT_NEAR(a.r, 5, 1e-6);
    }
    // The arcs together run from (0, 0) to (5, 5).
    bool start = false, end = false;
    for (int32_t i = 0; i < f.d.arccount; ++i) {
        start = start || dist(arcPoint(f.d.arcs[i], f.d.arcs[i].a1), {0, 0}) < 1e-6;
        end = end || dist(arcPoint(f.d.arcs[i], f.d.arcs[i].a2), {5, 5}) < 1e-6;
    }
    EXPECT_TRUE(start);
    EXPECT_TRUE(end);
}

TEST(SegmentOnArc, SamplesWithinToleranceAndSweep) {
    const double pi = kPi;
    int16_t ok = 0;
    // A chord of the unit circle from 0 to 10 degrees: the middle is 0.0038 inside.
    const double c = std::cos(10 * kDegToRad), s = std::sin(10 * kDegToRad);
    segmentonarc(1, 0, c, s, 0, 0, 1, 0, pi / 2, ok, 0.01);
    EXPECT_EQ(ok, 1);
    segmentonarc(1, 0, c, s, 0, 0, 1, 0, pi / 2, ok, 0.001);
    EXPECT_EQ(ok, 0);
    segmentonarc(1, 0, c, s, 0, 0, 1, pi / 2, pi, ok, 0.01); // outside the sweep
    EXPECT_EQ(ok, 0);
    segmentonarc(1, 0, c, s, 0, 0, 1, 1.5 * pi, 0.1, ok, 0.01); // sweep across 0 (sampled to 0.8 only)
    EXPECT_EQ(ok, 0);
    segmentonarc(1, 0, c, s, 0, 0, 1, 1.5 * pi, 0.2, ok, 0.01);
    EXPECT_EQ(ok, 1);
    segmentonarc(5, 5, 5.0005, 5, 0, 0, 1, 0, 1, ok, 0.01); // coinciding ends
    EXPECT_EQ(ok, 1);
}

TEST(DeleteTinyElements, ShorterThanAHundredthGoesExactlyAHundredthStays) {
    Fixture f;
    f.line(0, 0, 0.01, 0);   // exactly 0.01
    f.line(1, 0, 1.0099, 0); // shorter
    f.arc(5, 5, 1, 0, 0.5);  // 0.0087 long
    f.arc(5, 5, 1, 90, 180);
    f.line(2, 0, 2, 0); // no length at all
    deletetinyelements(f.d);
    ASSERT_EQ(f.d.linecount, 1);
    EXPECT_EQ(f.d.lines[0].x2, 0.01);
    ASSERT_EQ(f.d.arccount, 1);
    EXPECT_EQ(f.d.arcs[0].a1, 90);
    EXPECT_EQ(test::orderOf(f.d), (std::vector<int32_t>{0, kArcRef}));
}

} // namespace
} // namespace vectrim
