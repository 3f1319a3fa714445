// Chord conversion of nearly straight arcs and reduction of line runs.
#include "drawings.h"
#include "pipeline/arc_fitting.h"
#include "pipeline/arcs_to_lines.h"
#include "pipeline/elements.h"
#include "pipeline/line_runs.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::Fixture;

// An arc of radius r and the given length, symmetric about 90 degrees.
void arcOfLength(Fixture& f, double r, double length) {
    const double half = length / r / 2 * kRadToDeg;
    f.arc(0, -r, r, 90 - half, 90 + half);
}

TEST(ArcsToLines, NearlyStraightArcsBecomeChords) {
    for (const auto& [length, lines] : {std::pair{100.0, 1}, {150.0, 15}, {500.0, 40}}) {
        Fixture f;
        arcOfLength(f, 20000, length);
        f.d.arcs[0].contour = 7;
        const Point start = test::arcPoint(f.d.arcs[0], f.d.arcs[0].a1);
        arcstolines(f.d, f.session->settings);
        EXPECT_EQ(f.d.arccount, 0);
        ASSERT_EQ(f.d.linecount, lines) << length;
        EXPECT_NEAR(f.d.lines[0].x1, start.x, 1e-6);
        for (int32_t i = 0; i < f.d.linecount; ++i) {
            EXPECT_EQ(f.d.lines[i].contour, 7);
            if (i > 0) {
                EXPECT_EQ(f.d.lines[i].x1, f.d.lines[i - 1].x2);
            }
        }
        EXPECT_EQ(test::orderOf(f.d).size(), static_cast<size_t>(lines));
    }
}

TEST(ArcsToLines, ShortArcBecomesOneLineOthersStay) {
    Fixture f;
    f.arc(0, 0, 5, 0, 1);      // 0.087 long
    f.arc(0, 0, 5, 90, 180);   // stays
    f.arc(0, 0, 10000, 0, 10); // radius not above 10000: stays
    arcstolines(f.d, f.session->settings);
    EXPECT_EQ(f.d.arccount, 2);
    ASSERT_EQ(f.d.linecount, 1);
    EXPECT_NEAR(f.d.lines[0].x1, 5, 1e-12);
    EXPECT_EQ(f.d.arcs[0].a1, 90);
}

TEST(NearSegment, BoxFirstThenDistance) {
    // |AQ| = 7.214 along 45 degrees lands 0.141 from Q.
    EXPECT_TRUE(nearsegment({5, 5.2}, {0, 0}, {10, 10}, 0.3));
    EXPECT_FALSE(nearsegment({5, 5.2}, {0, 0}, {10, 10}, 0.1));
    EXPECT_FALSE(nearsegment({10.1, 10}, {0, 0}, {10, 10}, 0.3)); // beyond the box
    EXPECT_TRUE(nearsegment({10.000005, 10}, {0, 0}, {10, 10}, 0.3));
    // An axis-parallel line spans a box only 0.00002 wide: a point beside it
    // is never near, however large the tolerance.
    EXPECT_FALSE(nearsegment({5, 0.2}, {0, 0}, {10, 0}, 1.0));
    EXPECT_TRUE(nearsegment({5, 0.000005}, {0, 0}, {10, 0}, 1.0));
}

TEST(ReduceLines, CollinearRunBecomesOneLine) {
    Fixture f;
    test::subdividedEdge(f, 0, 0, 50, 0, 5);
    f.session->settings.reducetol = 0.3;
    reducelines(f.d, f.session->settings, f.host);
    ASSERT_EQ(f.d.linecount, 1);
    const Line& l = f.d.lines[0];
    EXPECT_EQ(std::min(l.x1, l.x2), 0);
    EXPECT_EQ(std::max(l.x1, l.x2), 50);
    EXPECT_EQ(test::orderOf(f.d), std::vector<int32_t>{0});
}

TEST(ReduceLines, ZigzagWithinToleranceGoesBeyondItStays) {
    // Six lines along 30 degrees, every other point 0.2 to the side.
    const double ux = std::cos(30 * kDegToRad), uy = std::sin(30 * kDegToRad);
    auto p = [&](int k) { return Point{5 * k * ux - (k % 2) * 0.2 * uy, 5 * k * uy + (k % 2) * 0.2 * ux}; };
    for (const auto& [tol, lines] : {std::pair{0.3, 1}, {0.1, 6}}) {
        Fixture f;
        for (int k = 0; k < 6; ++k) f.line(p(k).x, p(k).y, p(k + 1).x, p(k + 1).y);
        f.session->settings.reducetol = tol;
        reducelines(f.d, f.session->settings, f.host);
        EXPECT_EQ(f.d.linecount, lines) << tol;
    }
}

TEST(ReduceLines, ArcInterruptsTheRun) {
    Fixture f;
    f.line(0, 0, 5, 0);
    f.line(5, 0, 10, 0);
    f.arc(15, 0, 5, 180, 360); // (10,0) -> (20,0) below the axis
    f.line(20, 0, 25, 0);
    f.line(25, 0, 30, 0);
    f.session->settings.reducetol = 0.3;
    reducelines(f.d, f.session->settings, f.host);
    EXPECT_EQ(f.d.arccount, 1);
    ASSERT_EQ(f.d.linecount, 2);
    for (int32_t i = 0; i < 2; ++i) EXPECT_NEAR(std::fabs(f.d.lines[i].x2 - f.d.lines[i].x1), 10, 1e-12);
}

TEST(ReduceLines, SingleLineBetweenArcsUnchanged) {
    Fixture f;
    f.arc(0, 10, 10, 270, 360);
    f.line(10, 10, 10, 20);
    f.arc(0, 20, 10, 0, 90);
    f.session->settings.reducetol = 0.3;
    reducelines(f.d, f.session->settings, f.host);
    ASSERT_EQ(f.d.linecount, 1);
    EXPECT_EQ(f.d.lines[0].x1, 10);
    EXPECT_EQ(f.d.lines[0].y1, 10);
    EXPECT_EQ(f.d.lines[0].y2, 20);
}

// Both stages append their lines while the lines they replace still hold
// their slots; a full line table must not swallow them. 33,333 straight
// chains of three 1 mm pieces fill the table: fitting gives every piece
// back as a line, reduction one line per chain.
TEST(ReplacingLines, AFullTableLosesNoLine) {
    struct Case {
        const char* stage;
        void (*run)(Drawing&, const RunSettings&, Host&);
        int32_t lines;
        double length;
    };
    for (const Case& c : {Case{"convertlines", convertlines, kMaxElements, 1.0},
                          Case{"reducelines", reducelines, kMaxElements / 3, 3.0}}) {
        Fixture f;
        for (int32_t k = 0; k < kMaxElements / 3; ++k) test::subdividedEdge(f, 0, 2.0 * k, 3, 2.0 * k, 3);
        ASSERT_EQ(f.d.linecount, kMaxElements);
        f.session->settings.reducetol = 0.3;
        c.run(f.d, f.session->settings, f.host);
        EXPECT_EQ(f.d.arccount, 0) << c.stage;
        ASSERT_EQ(f.d.linecount, c.lines) << c.stage;
        double total = 0;
        for (const Line& l : f.d.usedLines()) total += lineLength(l);
        EXPECT_NEAR(total, kMaxElements, 1e-6) << c.stage;
        EXPECT_NEAR(lineLength(f.d.lines[c.lines - 1]), c.length, 1e-9) << c.stage;
    }
}

} // namespace
} // namespace vectrim
