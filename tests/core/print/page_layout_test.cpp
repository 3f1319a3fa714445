// The drawing on the A4 page: fit factors, placement and centring, the
// turned copies, the shapes arcs take, colours, the header and the failure of
// an absurd scale factor.
#include "fixture.h"
#include "print/page_layout.h"
#include "recording_page_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vectrim {
namespace {

using test::Fixture;
using test::PageOp;
using test::RecordingPageCanvas;

constexpr double kMm = 1e-9;    // page positions computed from exact inputs
constexpr double kAngle = 1e-6; // radians after the printout's degree factor

// The closed 100 x 50 rectangle with its lower left corner at (0, 0).
void rectangle(Fixture& f, double x = 0, double y = 0) {
    f.line(x, y, x + 100, y);
    f.line(x + 100, y, x + 100, y + 50);
    f.line(x + 100, y + 50, x, y + 50);
    f.line(x, y + 50, x, y);
}

PageSetup setup(std::string scale, bool rotate = false) {
    PageSetup p;
    p.scaleText = std::move(scale);
    p.rotate = rotate;
    p.heightText = " 50";
    p.widthText = " 100";
    return p;
}

bool sameDrawing(const Drawing& a, const Drawing& b) {
    if (a.linecount != b.linecount || a.arccount != b.arccount) return false;
    for (int32_t i = 0; i < a.linecount; ++i) {
        const Line &p = a.lines[i], &q = b.lines[i];
        if (p.x1 != q.x1 || p.y1 != q.y1 || p.x2 != q.x2 || p.y2 != q.y2) return false;
    }
    for (int32_t i = 0; i < a.arccount; ++i) {
        const Arc &p = a.arcs[i], &q = b.arcs[i];
        if (p.cx != q.cx || p.cy != q.cy || p.r != q.r || p.a1 != q.a1 || p.a2 != q.a2) return false;
    }
    return true;
}

TEST(PageFit, A100By50DrawingFitsWithFactor1504AndIsCentred) {
    Fixture f;
    rectangle(f, 20, 30);
    const auto e = getminmax2(f.d);
    ASSERT_TRUE(e);
    EXPECT_NEAR(e->s, 1.504, 1e-12); // min(188 / 100, 265 / 50) * 0.8
    EXPECT_EQ(fitScaleText(f.d, false), " 1.504");
    const auto p = placement(f.d, 1.504, false);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->ox, 18.8, kMm); // (188 - 150.4) / 2
    EXPECT_NEAR(p->oy, 94.9, kMm); // (265 - 75.2) / 2
    // lower left and upper right corner on the page (y downwards)
    const Point a = toPage(*p, 20, 30), b = toPage(*p, 120, 80);
    EXPECT_NEAR(a.x, 18.8, kMm);
    EXPECT_NEAR(a.y, 265 - 94.9, kMm);
    EXPECT_NEAR(b.x, 188 - 18.8, kMm);
    EXPECT_NEAR(b.y, 94.9, kMm);
}

TEST(PageFit, TheTurnedDrawingFitsWithFactor2376AndTheModelStays) {
    Fixture f;
    rectangle(f);
    f.arc(50, 25, 10, 0, 90);
    Fixture copy;
    rectangle(copy);
    copy.arc(50, 25, 10, 0, 90);

    const auto e = getminmax3(f.d);
    ASSERT_TRUE(e);
    EXPECT_NEAR(e->box.xmax - e->box.xmin, 50, 1e-9);
    EXPECT_NEAR(e->box.ymax - e->box.ymin, 100, 1e-9);
    EXPECT_NEAR(e->s, 2.376, 1e-9); // min(210 / 50, 297 / 100) * 0.8
    EXPECT_EQ(fitScaleText(f.d, true), " 2.376");

    // The rectangle's bottom edge (0,0)-(100,0) turned about (50, 25) runs
    // from (75, -25) to (75, 75): the right edge of the turned drawing.
    RecordingPageCanvas page;
    ASSERT_TRUE(painter(f.d, setup(" 2.376", true), PrintMode::Preview, page));
    const auto lines = page.of(PageOp::Line);
    ASSERT_FALSE(lines.empty());
    const double ox = (188 - 50 * 2.376) / 2, oy = (265 - 100 * 2.376) / 2;
    EXPECT_NEAR(lines[0].x1, 50 * 2.376 + ox, 1e-9);
    EXPECT_NEAR(lines[0].y1, 265 - oy, 1e-9);
    EXPECT_NEAR(lines[0].x2, 50 * 2.376 + ox, 1e-9);
    EXPECT_NEAR(lines[0].y2, 265 - 100 * 2.376 - oy, 1e-9);
    EXPECT_TRUE(sameDrawing(f.d, copy.d)); // measured and drawn on copies
}

TEST(PageFit, DrawingsWithoutExtentInOneOrBothDirections) {
    Fixture line;
    line.line(0, 0, 94, 0); // no height: the width alone decides
    EXPECT_NEAR(getminmax2(line.d)->s, 188.0 / 94 * 0.8, 1e-12);
    Fixture dot;
    dot.line(5, 5, 5, 5);
    EXPECT_EQ(getminmax2(dot.d)->s, kPointScale);
    EXPECT_EQ(getminmax3(dot.d)->s, kPointScale);
    Fixture none;
    EXPECT_FALSE(getminmax2(none.d));
    EXPECT_EQ(fitScaleText(none.d, false), "");
}

TEST(PagePrint, LinesAreBlackAndPrintedWithTheMarginsAndTheHeader) {
    Fixture f;
    rectangle(f);
    RecordingPageCanvas preview, printed;
    ASSERT_TRUE(painter(f.d, setup(" 1.504"), PrintMode::Preview, preview));
    ASSERT_TRUE(painter(f.d, setup(" 1.504"), PrintMode::Colour, printed));
    EXPECT_EQ(preview.ops.front().kind, PageOp::Clear);
    EXPECT_TRUE(preview.of(PageOp::Text).empty());
    const auto a = preview.of(PageOp::Line), b = printed.of(PageOp::Line);
    ASSERT_EQ(a.size(), 4u);
    ASSERT_EQ(b.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(a[i].colour, kBlack);
        EXPECT_EQ(b[i].colour, kBlack);
        EXPECT_NEAR(b[i].x1, a[i].x1 + 10, kMm);
        EXPECT_NEAR(b[i].y1, a[i].y1 + 12, kMm);
        EXPECT_NEAR(b[i].x2, a[i].x2 + 10, kMm);
        EXPECT_NEAR(b[i].y2, a[i].y2 + 12, kMm);
    }
    const auto text = printed.of(PageOp::Text);
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[0].text, "Vectrim");
    EXPECT_EQ(text[1].text, "Maßstabsfaktor:  1.504  /  H x B [mm]: 50 x 100");
    EXPECT_LT(text[1].y1 + text[1].x2, 12); // the header stays above the placing area
    EXPECT_EQ(printed.ops.back().kind, PageOp::Flush);
}

TEST(PagePrint, TheTypedScaleIsUsedAsTypedAndAnAbsurdOneAbandonsTheOutput) {
    Fixture f;
    f.line(0, 0, 100, 0);
    RecordingPageCanvas half;
    ASSERT_TRUE(painter(f.d, setup("0.5"), PrintMode::Preview, half));
    const auto l = half.of(PageOp::Line);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_NEAR(l[0].x2 - l[0].x1, 50, kMm);
    EXPECT_NEAR(l[0].x1, (188 - 50) / 2.0, kMm);
    EXPECT_NEAR(l[0].y1, 265 / 2.0, kMm);

    // Factors that put the drawing on one point or turn it over: nothing
    // drawn, no header, but the pass is ended (the preview is shown).
    for (const char* absurd : {"0", "-1", "-.5", "abc", "", "1e-400"}) {
        RecordingPageCanvas page, preview;
        EXPECT_FALSE(painter(f.d, setup(absurd), PrintMode::Colour, page)) << absurd;
        ASSERT_EQ(page.ops.size(), 1u) << absurd;
        EXPECT_EQ(page.ops[0].kind, PageOp::Flush);
        EXPECT_FALSE(painter(f.d, setup(absurd), PrintMode::Preview, preview)) << absurd;
        EXPECT_EQ(preview.ops.back().kind, PageOp::Flush);
        EXPECT_TRUE(preview.of(PageOp::Line).empty());
    }

    RecordingPageCanvas huge;
    EXPECT_FALSE(painter(f.d, setup("1e400"), PrintMode::Colour, huge));
    EXPECT_TRUE(huge.of(PageOp::Line).empty());
    RecordingPageCanvas overflow; // finite factor, but the page coordinates overflow
    EXPECT_FALSE(painter(f.d, setup("1e307"), PrintMode::Colour, overflow));
}

// Arcs at scale 1 about (50, 50) beside a line that fixes the extents, so
// that the page centre of every arc is known.
struct ArcPage : ::testing::Test {
    Fixture f;
    void SetUp() override { f.line(0, 0, 100, 100); }
    // Page position of model point (x, y) at scale 1: ox = 44, oy = 82.5.
    static Point page(double x, double y) { return {x + 44, 265 - y - 82.5}; }
};

TEST_F(ArcPage, AShortArcIsASegmentALongerOneAnArcAFullCircleACircle) {
    f.arc(50, 50, 1, 0, 28);     // 0.4887 mm: a segment
    f.arc(50, 50, 1, 0, 30);     // 0.5236 mm: an arc
    f.arc(50, 50, 2, 0, 360);    // a full circle
    f.arc(50, 50, 0.05, 0, 360); // a full circle of 0.314 mm: a point on paper
    RecordingPageCanvas paper;
    ASSERT_TRUE(painter(f.d, setup("1"), PrintMode::Colour, paper));
    const auto lines = paper.of(PageOp::Line);
    ASSERT_EQ(lines.size(), 3u); // the drawing's line, the short arc, the tiny circle
    const Point c = page(50, 50);
    EXPECT_NEAR(lines[1].x1, c.x + 1 + 10, kMm);
    EXPECT_NEAR(lines[1].y1, c.y + 12, kMm);
    EXPECT_NEAR(lines[1].x2, c.x + std::cos(28 * kDegToRad) + 10, 1e-9);
    EXPECT_NEAR(lines[1].y2, c.y - std::sin(28 * kDegToRad) + 12, 1e-9);
    EXPECT_EQ(lines[1].colour, kRed);
    EXPECT_NEAR(lines[2].x1, lines[2].x2, 1e-9); // the tiny circle: start and end meet
    const auto arcs = paper.of(PageOp::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_NEAR(arcs[0].x1, c.x + 10, kMm);
    EXPECT_NEAR(arcs[0].y1, c.y + 12, kMm);
    EXPECT_NEAR(arcs[0].x2, 1, kMm);
    EXPECT_NEAR(arcs[0].a1, 0, kAngle);
    EXPECT_NEAR(arcs[0].a2, 30 * kDegToRad, kAngle);
    const auto circles = paper.of(PageOp::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_NEAR(circles[0].x1, c.x + 10, kMm);
    EXPECT_NEAR(circles[0].x2, 2, kMm);
    EXPECT_EQ(circles[0].colour, kRed);
}

TEST_F(ArcPage, ThePreviewDrawsArcsAsPolylinesAndFullCirclesAlsoAsCircles) {
    f.arc(50, 50, 1, 0, 28);       // short: one segment
    f.arc(50, 50, 10, 0, 57.2958); // one radian: 33 segments of the view's rule
    f.arc(50, 50, 10, 0, 360);
    RecordingPageCanvas preview;
    ASSERT_TRUE(painter(f.d, setup("1"), PrintMode::Preview, preview));
    const auto lines = preview.of(PageOp::Line);
    const Point c = page(50, 50);
    std::vector<PageOp> onRadius10;
    for (const PageOp& l : lines)
        if (l.colour == kRed && std::fabs(std::hypot(l.x1 - c.x, l.y1 - c.y) - 10) < 1e-6)
            onRadius10.push_back(l);
    // the one-radian arc in 33 segments, the full circle in 100 before the
    // circle itself (99 or 100, as the summed steps fall)
    ASSERT_GE(onRadius10.size(), 132u);
    ASSERT_LE(onRadius10.size(), 133u);
    EXPECT_NEAR(onRadius10.front().x1, c.x + 10, 1e-9); // the arc starts at 0
    EXPECT_NEAR(onRadius10.front().y1, c.y, 1e-9);
    EXPECT_NEAR(onRadius10[32].x2, c.x + 10 * std::cos(57.2958 * kDegToRad), 1e-6);
    EXPECT_NEAR(onRadius10[32].y2, c.y - 10 * std::sin(57.2958 * kDegToRad), 1e-6);
    const auto isShortArc = [&](const PageOp& l) {
        return l.colour == kRed && std::fabs(l.x1 - (c.x + 1)) < 1e-9 && std::fabs(l.y1 - c.y) < 1e-9;
    };
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), isShortArc), 1);
    const auto circles = preview.of(PageOp::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_NEAR(circles[0].x2, 10, kMm);
    EXPECT_TRUE(preview.of(PageOp::Arc).empty());
}

TEST_F(ArcPage, BlackAndWhitePrintsArcsInBlack) {
    f.arc(50, 50, 10, 0, 90);
    f.arc(50, 50, 10, 0, 360);
    f.arc(50, 50, 0.1, 0, 10);
    RecordingPageCanvas bw;
    ASSERT_TRUE(painter(f.d, setup("1"), PrintMode::BlackWhite, bw));
    for (const PageOp& op : bw.ops) {
        if (op.kind == PageOp::Line || op.kind == PageOp::Arc || op.kind == PageOp::Circle) {
            EXPECT_EQ(op.colour, kBlack);
        }
    }
    EXPECT_EQ(bw.of(PageOp::Arc).size(), 1u);
    EXPECT_EQ(bw.of(PageOp::Circle).size(), 1u);
}

TEST_F(ArcPage, AnArcThroughZeroKeepsItsAnglesAndItsSweep) {
    f.arc(50, 50, 10, 350, 10);
    RecordingPageCanvas paper;
    ASSERT_TRUE(painter(f.d, setup("1"), PrintMode::Colour, paper));
    const auto arcs = paper.of(PageOp::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_NEAR(arcs[0].a1, 350 * kDegToRad, kAngle);
    EXPECT_NEAR(arcs[0].a2, 10 * kDegToRad, kAngle);
    const PageArc a = pageArc(*placement(f.d, 1, false), f.d.arcs[0]);
    EXPECT_NEAR(a.sweep, 20 * kDegToRad, kAngle);
    EXPECT_NEAR(a.length, 10 * 20 * kDegToRad, 1e-5);
    EXPECT_FALSE(a.full);
}

TEST_F(ArcPage, ArcsWhoseEndsMeetOnThePageAreFullCircles) {
    f.arc(50, 50, 1, 10, 9.999999); // ends 1.7e-8 mm apart
    f.arc(50, 50, 1, 0, 359);       // ends 0.017 mm apart
    const auto p = placement(f.d, 1, false);
    EXPECT_TRUE(pageArc(*p, f.d.arcs[0]).full);
    EXPECT_NEAR(pageArc(*p, f.d.arcs[0]).sweep, kTwoPi, 1e-12);
    EXPECT_EQ(arcShape(pageArc(*p, f.d.arcs[0])), ArcShape::Circle);
    EXPECT_FALSE(pageArc(*p, f.d.arcs[1]).full);
    EXPECT_EQ(arcShape(pageArc(*p, f.d.arcs[1])), ArcShape::Arc);
    // turned by 90°, a full circle stays one
    const auto turned = placement(f.d, 1, true);
    EXPECT_TRUE(pageArc(*turned, f.d.arcs[0]).full);
}

TEST_F(ArcPage, ASliverOfAnArcWhoseEndsMeetIsNoFullCircle) {
    // radius 40, from 10° to 10.000001°: ends 7e-7 mm apart, sweeping almost nothing
    f.arc(50, 50, 40, 10, 10.000001);
    const PageArc a = pageArc(*placement(f.d, 1, false), f.d.arcs[0]);
    EXPECT_FALSE(a.full);
    EXPECT_LT(a.length, 1e-5);
    EXPECT_EQ(arcShape(a), ArcShape::Segment);
    RecordingPageCanvas paper, preview;
    ASSERT_TRUE(painter(f.d, setup("1"), PrintMode::Colour, paper));
    ASSERT_TRUE(painter(f.d, setup("1"), PrintMode::Preview, preview));
    EXPECT_TRUE(paper.of(PageOp::Circle).empty());
    EXPECT_TRUE(preview.of(PageOp::Circle).empty());
    ASSERT_EQ(paper.of(PageOp::Line).size(), 2u); // the drawing's line and the chord
    // the whole circle stored as equal angles still is one
    f.arc(50, 50, 40, 10, 10);
    EXPECT_TRUE(pageArc(*placement(f.d, 1, false), f.d.arcs[1]).full);
}

TEST(PagePrint, ElementsAreDrawnInTheOrderOfTheContourTableAndStaleEntriesAreSkipped) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(0, 5, 10, 5);
    f.d.order[0] = ElementRef::line(1); // the second line first
    f.d.order[1] = ElementRef::line(7); // a stale reference beyond the line count
    RecordingPageCanvas page;
    ASSERT_TRUE(painter(f.d, setup("1"), PrintMode::Preview, page));
    const auto lines = page.of(PageOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].y1, (265 - 5) / 2.0, kMm); // y = 5 is the top of the drawing
}

TEST(Kreiso, FollowsTheStepRuleOfTheView) {
    RecordingPageCanvas small, wide;
    kreiso(small, 0, 0, 10, 0, 1, kRed); // step 0.03 of the sweep: 33 segments
    kreiso(wide, 0, 0, 10, 0, 3, kRed);  // above 1.5 radians 0.01: 100 segments
    EXPECT_EQ(small.of(PageOp::Line).size(), 33u);
    EXPECT_NEAR(static_cast<double>(wide.of(PageOp::Line).size()), 100, 1);
    const PageOp end = small.ops.back();
    EXPECT_NEAR(end.x2, 10 * std::cos(1.0), 1e-12);
    EXPECT_NEAR(end.y2, -10 * std::sin(1.0), 1e-12); // y downwards
}

} // namespace
} // namespace vectrim
