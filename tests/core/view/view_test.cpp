// The view: mapping, redraw with clipping and culling, arcs as polylines,
// marks, zoom limits, the range guard, mouse handling and the size fields.
#include "examine/selection.h"
#include "recording_canvas.h"
#include "recording_host.h"
#include "view/view.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <random>

namespace vectrim {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;
using test::RecordingHost;

constexpr double kTol = 1e-9;
constexpr double kPi = 3.141592653589793;

struct Panel : ViewPanel {
    std::string angle = "(untouched)";
    int angleCalls = 0;
    std::vector<int> pointers;
    void setAngleText(const std::string& t) override {
        angle = t;
        ++angleCalls;
    }
    void setPointer(int shape) override { pointers.push_back(shape); }
};

class ViewTest : public ::testing::Test {
protected:
    RecordingHost host;
    std::unique_ptr<Session> s = std::make_unique<Session>(host);
    RecordingCanvas canvas;
    Panel panel;
    View view{s->drawing, s->view, host, canvas, panel};

    void SetUp() override { view.clickPause = 0; }
    ViewWindow& window() { return s->view.window; }
    Drawing& d() { return s->drawing; }
};

// ---- mapping ----------------------------------------------------------------

TEST_F(ViewTest, MapsTheWindowCornersOntoTheSurfaceWithYDown) {
    window() = {10, 20, 110, 95};
    const SurfacePoint topLeft = toSurface(window(), 10, 95);
    const SurfacePoint bottomRight = toSurface(window(), 110, 20);
    EXPECT_NEAR(topLeft.x, 0, kTol);
    EXPECT_NEAR(topLeft.y, 0, kTol);
    EXPECT_NEAR(bottomRight.x, 640, kTol);
    EXPECT_NEAR(bottomRight.y, 480, kTol);
    const Point back = toModel(window(), 320, 240);
    EXPECT_NEAR(back.x, 60, kTol);
    EXPECT_NEAR(back.y, 57.5, kTol);
}

TEST_F(ViewTest, AWindowOfZeroSpanMapsEverythingToTheOrigin) {
    window() = {5, 5, 5, 9};
    const SurfacePoint p = toSurface(window(), 7, 7);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

// ---- lines ---------------------------------------------------------------------

TEST_F(ViewTest, PaintClearsAndDrawsLinesBlackInOrderTableOrder) {
    window() = {0, 0, 640, 480};
    d().appendLine(0, 480, 640, 0); // top left to bottom right of the surface
    d().appendLine(100, 100, 200, 100);
    ASSERT_TRUE(view.paint());
    ASSERT_FALSE(canvas.ops.empty());
    EXPECT_EQ(canvas.ops.front().kind, CanvasOp::Clear);
    EXPECT_EQ(canvas.ops.back().kind, CanvasOp::Flush);
    const auto lines = canvas.of(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].colour, kBlack);
    EXPECT_NEAR(lines[1].y1, 380, kTol);
    EXPECT_NEAR(std::min(lines[1].x1, lines[1].x2), 100, kTol);
    EXPECT_NEAR(std::max(lines[1].x1, lines[1].x2), 200, kTol);
}

TEST_F(ViewTest, ALineCrossingTheSurfaceIsClippedAndOneBesideItIsNotDrawn) {
    window() = {0, 0, 640, 480};
    d().appendLine(-1000, 240, 2000, 240); // crosses from outside to outside
    d().appendLine(-300, 10, -100, 400);   // wholly left of the surface
    d().appendLine(100, 2000, 200, 3000);  // wholly above
    view.paint();
    const auto lines = canvas.of(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    for (double x : {lines[0].x1, lines[0].x2}) {
        EXPECT_GE(x, 0);
        EXPECT_LE(x, 640);
    }
    EXPECT_NEAR(lines[0].y1, 240, kTol);
    EXPECT_NEAR(std::fabs(lines[0].x2 - lines[0].x1), 639, 1e-6);
}

TEST_F(ViewTest, AbsurdCoordinatesAreNotDrawnAndDoNotBreakThePass) {
    window() = {0, 0, 640, 480};
    d().appendLine(1e300, 1e300, -1e300, 1e300);
    d().appendLine(0, 0, 1e308, -1e308);
    d().appendLine(std::nan(""), 0, 1, 1);
    d().appendArc(1e300, 0, 1e300, 0, 90);
    d().appendLine(10, 10, 20, 20);
    EXPECT_TRUE(view.paint());
    for (const CanvasOp& op : canvas.of(CanvasOp::Line)) {
        EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                    std::isfinite(op.y2));
    }
}

// Elements and marks around every edge of windows of several sizes and
// shapes: the redraw draws exactly what mapping and clipping each of them on
// its own draws, so the box test in front of that drops nothing visible.
TEST_F(ViewTest, TheRedrawDrawsWhatMappingAndClippingEachElementAloneDraw) {
    const ViewWindow windows[] = {{0, 0, 640, 480},
                                  {-50, -20, -49.9, -19.925},
                                  {1e5, -3e4, 2.99999e5, 1.2e5},
                                  {10, 10, 30, 100},
                                  {-7.5, 3.25, 11.125, 4.5}};
    std::mt19937 rng(13);
    for (const ViewWindow& w : windows) {
        const double wx = w.xmax - w.xmin, wy = w.ymax - w.ymin;
        // Coordinates on the edges, a hair and about a surface unit beside
        // them, and anywhere within a fifth of the window beyond them.
        auto coordinate = [&](double lo, double span, double unit) {
            const double edges[] = {lo, lo + span};
            const double offsets[] = {0,     1e-12 * span,  -1e-12 * span, unit,
                                      -unit, 1.0001 * unit, -1.0001 * unit};
            if (rng() % 3 == 0) return edges[rng() % 2] + offsets[rng() % 7];
            return lo - 0.2 * span + 1.4 * span * std::uniform_real_distribution<double>(0, 1)(rng);
        };
        auto x = [&] { return coordinate(w.xmin, wx, wx / 640); };
        auto y = [&] { return coordinate(w.ymin, wy, wy / 480); };
        window() = w;
        s->view.markMode = 1;
        auto expectedMark = [&](RecordingCanvas& c, double px, double py) {
            const SurfacePoint p = toSurface(w, px, py);
            if (p.x >= 0 && p.x <= 640 && p.y >= 0 && p.y <= 480)
                c.box(p.x - 3, p.y - 3, p.x + 3, p.y + 3, kLightBlue);
        };
        auto same = [&](const RecordingCanvas& expected, CanvasOp::Kind kind) {
            const auto got = canvas.of(kind), want = expected.of(kind);
            ASSERT_EQ(got.size(), want.size()) << w.xmin << " " << w.ymin;
            for (size_t i = 0; i < got.size(); ++i)
                EXPECT_TRUE(got[i].x1 == want[i].x1 && got[i].y1 == want[i].y1 && got[i].x2 == want[i].x2 &&
                            got[i].y2 == want[i].y2)
                    << i;
        };

        // Lines: their segments and their end marks.
        d().clear();
        for (int i = 0; i < 3000; ++i) d().appendLine(x(), y(), x(), y());
        RecordingCanvas alone;
        View single{s->drawing, s->view, host, alone, panel};
        for (const Line& l : d().usedLines()) single.drawline(l.x1, l.y1, l.x2, l.y2, kBlack);
        for (const Line& l : d().usedLines())
            expectedMark(alone, l.x1, l.y1), expectedMark(alone, l.x2, l.y2);
        canvas.ops.clear();
        ASSERT_TRUE(view.paint());
        same(alone, CanvasOp::Line);
        same(alone, CanvasOp::Box);
        EXPECT_GT(canvas.of(CanvasOp::Line).size(), 300u); // many are in view, many are not
        EXPECT_LT(canvas.of(CanvasOp::Line).size(), 2900u);

        // Arcs: their end marks.
        d().clear();
        for (int i = 0; i < 1000; ++i)
            d().appendArc(x(), y(), std::fabs(x() - w.xmin) / 4 + 1e-9,
                          std::uniform_real_distribution<double>(0, 360)(rng),
                          std::uniform_real_distribution<double>(0, 360)(rng));
        RecordingCanvas arcMarks;
        for (const Arc& a : d().usedArcs()) {
            expectedMark(arcMarks, a.cx + a.r * std::cos(a.a1 * kDegToRad),
                         a.cy + a.r * std::sin(a.a1 * kDegToRad));
            expectedMark(arcMarks, a.cx + a.r * std::cos(a.a2 * kDegToRad),
                         a.cy + a.r * std::sin(a.a2 * kDegToRad));
        }
        canvas.ops.clear();
        ASSERT_TRUE(view.paint());
        same(arcMarks, CanvasOp::Box);
    }
}

// ---- arcs ------------------------------------------------------------------------

// Angle of a surface point about a surface centre, in model orientation.
double angleAbout(double cx, double cy, double x, double y) {
    double a = std::atan2(-(y - cy), x - cx);
    return a < 0 ? a + 2 * kPi : a;
}

bool sharesEnd(const CanvasOp& a, const CanvasOp& b) {
    auto same = [](double x1, double y1, double x2, double y2) {
        return std::fabs(x1 - x2) < 1e-9 && std::fabs(y1 - y2) < 1e-9;
    };
    return same(a.x1, a.y1, b.x1, b.y1) || same(a.x1, a.y1, b.x2, b.y2) || same(a.x2, a.y2, b.x1, b.y1) ||
           same(a.x2, a.y2, b.x2, b.y2);
}

TEST_F(ViewTest, AnArcStoredAs370To380IsDrawnAndStoredAs10To20) {
    window() = {0, 0, 640, 480};
    d().appendArc(320, 240, 100, 370, 380);
    view.paint();
    EXPECT_DOUBLE_EQ(d().arcs[0].a1, 10);
    EXPECT_DOUBLE_EQ(d().arcs[0].a2, 20);
    const auto lines = canvas.of(CanvasOp::Line);
    ASSERT_FALSE(lines.empty());
    // The polyline runs from the point at 10° to the point at 20°, light red
    // (clipping may hand a segment's ends over exchanged).
    double lo = 360, hi = 0;
    for (const CanvasOp& op : lines) {
        for (double a : {angleAbout(320, 240, op.x1, op.y1), angleAbout(320, 240, op.x2, op.y2)}) {
            lo = std::min(lo, a * 180 / kPi);
            hi = std::max(hi, a * 180 / kPi);
        }
    }
    EXPECT_NEAR(lo, 10, 1e-6);
    EXPECT_NEAR(hi, 20, 1e-6);
    for (const CanvasOp& op : lines) {
        EXPECT_EQ(op.colour, kLightRed);
        EXPECT_NEAR(std::hypot(op.x1 - 320, op.y1 - 240), 100, 1e-6);
    }
}

TEST_F(ViewTest, AnArcThroughZeroIsOnePolylineOfAbout33SegmentsThroughZero) {
    window() = {0, 0, 640, 480};
    d().appendArc(320, 240, 100, 350, 10);
    view.paint();
    const auto lines = canvas.of(CanvasOp::Line);
    EXPECT_GE(lines.size(), 30u);
    EXPECT_LE(lines.size(), 35u);
    bool throughZero = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const CanvasOp& op = lines[i];
        if (i > 0) { // a connected polyline (a segment's ends may come exchanged)
            EXPECT_TRUE(sharesEnd(op, lines[i - 1])) << i;
        }
        for (auto [x, y] : {std::pair{op.x1, op.y1}, std::pair{op.x2, op.y2}}) {
            const double deg = angleAbout(320, 240, x, y) * 180 / kPi;
            EXPECT_TRUE(deg >= 350 - 1e-6 || deg <= 10 + 1e-6) << deg;
        }
        // a segment that crosses the ray at 0° (to the right of the centre)
        if ((op.y1 - 240) * (op.y2 - 240) <= 0 && std::min(op.x1, op.x2) > 400) throughZero = true;
    }
    EXPECT_TRUE(throughZero);
}

TEST_F(ViewTest, WideArcsTakeAbout100SegmentsAndEqualAnglesAFullCircle) {
    window() = {0, 0, 640, 480};
    d().appendArc(320, 240, 100, 0, 360);
    view.paint();
    const size_t full = canvas.of(CanvasOp::Line).size();
    EXPECT_GE(full, 98u);
    EXPECT_LE(full, 102u);

    canvas.ops.clear();
    view.kreis(320, 240, 50, 1, 1, kLightRed); // start = end: the whole circle
    const auto lines = canvas.of(CanvasOp::Line);
    ASSERT_GE(lines.size(), 98u);
    EXPECT_TRUE(sharesEnd(lines.front(), lines.back())); // closed
}

TEST_F(ViewTest, ArcsWhoseBoundingSquareMissesTheWindowAreNotDrawn) {
    window() = {0, 0, 640, 480};
    d().appendArc(800, 240, 150, 0, 360); // square from 650: outside
    d().appendArc(-100, 240, 99, 0, 360); // square up to -1: outside
    view.paint();
    EXPECT_TRUE(canvas.of(CanvasOp::Line).empty());
    d().appendArc(700, 240, 70, 30, 60); // the square touches, the arc is outside
    canvas.ops.clear();
    view.paint();
    EXPECT_TRUE(canvas.of(CanvasOp::Line).empty()); // clipped, but considered
}

// ---- marks ---------------------------------------------------------------------------

TEST_F(ViewTest, EndPointMarksAreDrawnOnlyWhenTheirPointLiesOnTheSurface) {
    window() = {0, 0, 640, 480};
    d().appendLine(100, 100, 641, 100); // second end just right of the surface
    d().appendArc(320, 240, 50, 0, 90); // ends at (370, 240) and (320, 290)
    s->view.markMode = 1;
    view.paint();
    const auto boxes = canvas.of(CanvasOp::Box);
    ASSERT_EQ(boxes.size(), 3u);
    for (const CanvasOp& b : boxes) {
        EXPECT_EQ(b.colour, kLightBlue);
        EXPECT_NEAR(b.x2 - b.x1, 6, kTol);
        EXPECT_NEAR(b.y2 - b.y1, 6, kTol);
    }
    EXPECT_NEAR(boxes[0].x1, 97, kTol); // (100, 100) -> surface (100, 380)
    EXPECT_NEAR(boxes[0].y1, 377, kTol);
}

TEST_F(ViewTest, FreeEndMarksComeFromTheFreeEndTable) {
    window() = {0, 0, 640, 480};
    d().freeends[0] = {10, 10, ElementRef::line(0), EndCode::Start};
    d().freeends[1] = {-5, 10, ElementRef::line(0), EndCode::End}; // left of the surface: not drawn
    d().freeends[2] = {640, 480, ElementRef::line(0), EndCode::Start};
    d().freecount = 3;
    s->view.markMode = 2;
    view.paint();
    EXPECT_EQ(canvas.of(CanvasOp::Box).size(), 2u);
    s->view.markMode = 0;
    canvas.ops.clear();
    view.paint();
    EXPECT_TRUE(canvas.of(CanvasOp::Box).empty());
}

// ---- range guard and fitting -----------------------------------------------------------

TEST_F(ViewTest, TheRangeGuardResetsAWindowTooWideOrTooNarrowAndDrawsNothing) {
    for (double width : {250000.0, 0.05, std::nan("")}) {
        host.messages.clear();
        canvas.ops.clear();
        window() = {0, 0, width, 100};
        EXPECT_FALSE(view.paint());
        ASSERT_EQ(host.messages.size(), 1u) << width;
        EXPECT_EQ(host.messages[0].text, "Zahlenwertüberschreitung ! Darstellung. ");
        EXPECT_EQ(host.messages[0].title, "Error: Auflösung zurück");
        EXPECT_EQ(host.messages[0].icon, Icon::Critical);
        EXPECT_TRUE(canvas.ops.empty());
        EXPECT_EQ(window().xmax, 639);
        EXPECT_EQ(window().ymax, 479);
    }
    window() = {0, 0, 200000, 1};
    EXPECT_TRUE(view.paint());
}

TEST_F(ViewTest, ShowAllOnAnEmptyDrawingLeavesTheZeroWindowWhichIsDrawnBlank) {
    view.showAll();
    EXPECT_EQ(window().xmin, 0);
    EXPECT_EQ(window().xmax, 0);
    EXPECT_EQ(window().ymax, 0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(canvas.of(CanvasOp::Clear).size(), 1u);
    // clicks do nothing on an empty drawing
    view.mouseDown(MouseButton::Left, 320, 240);
    view.mouseDown(MouseButton::Right, 320, 240);
    EXPECT_EQ(canvas.of(CanvasOp::Clear).size(), 1u);
}

TEST_F(ViewTest, ShowAllOfASinglePointGivesA1024By768WindowAroundIt) {
    d().appendLine(50, 70, 50, 70);
    view.showAll();
    EXPECT_NEAR(window().xmax - window().xmin, 1024, 1e-3);
    EXPECT_NEAR(window().ymax - window().ymin, 768, 1e-9);
    EXPECT_NEAR((window().xmin + window().xmax) / 2, 50, 1e-9);
    EXPECT_NEAR((window().ymin + window().ymax) / 2, 70, 1e-9);
}

TEST_F(ViewTest, ShowAllFitsTheDrawingSquaredWithMarginIn4To3) {
    d().appendLine(0, 0, 100, 0);
    d().appendArc(50, 0, 50, 0, 180); // reaches y = 50
    view.showAll();
    // 100 x 50 -> square 100 x 100 -> margins 120 x 120 -> 160 x 120
    EXPECT_NEAR(window().xmax - window().xmin, 160, 1e-6);
    EXPECT_NEAR(window().ymax - window().ymin, 120, 1e-9);
    EXPECT_NEAR(window().ymin, -35, 1e-9);
}

// ---- zoom ----------------------------------------------------------------------------

TEST_F(ViewTest, ZoomButtonsHalveAndDoubleAboutTheCentreWithinTheirLimits) {
    d().appendLine(0, 0, 1, 1);
    window() = {0, 0, 40, 30};
    view.zoomIn();
    EXPECT_NEAR(window().xmin, 10, kTol);
    EXPECT_NEAR(window().xmax, 30, kTol);
    EXPECT_NEAR(window().ymin, 7.5, kTol);
    EXPECT_NEAR(window().ymax, 22.5, kTol);
    view.zoomOut();
    EXPECT_NEAR(window().xmin, 0, kTol);
    EXPECT_NEAR(window().ymax, 30, kTol);

    window() = {0, 0, 0.5, 0.375}; // new half-width 0.125 < 0.15: unchanged
    view.zoomIn();
    EXPECT_EQ(window().xmax, 0.5);
    window() = {0, 0, 0.6, 0.45}; // 0.15 is still allowed
    view.zoomIn();
    EXPECT_NEAR(window().xmax - window().xmin, 0.3, kTol);

    window() = {0, 0, 120000, 90000}; // half-width 60000: unchanged
    view.zoomOut();
    EXPECT_EQ(window().xmax, 120000);
    window() = {0, 0, 100000, 75000};
    view.zoomOut();
    EXPECT_NEAR(window().xmax - window().xmin, 200000, kTol);
}

TEST_F(ViewTest, ClicksZoomInAndOutCentredOnThePoint) {
    d().appendLine(0, 0, 1, 1);
    window() = {0, 0, 640, 480};
    view.mouseDown(MouseButton::Left, 160, 120); // model (160, 360)
    EXPECT_NEAR(window().xmin, 0, kTol);
    EXPECT_NEAR(window().xmax, 320, kTol);
    EXPECT_NEAR(window().ymin, 240, kTol);
    EXPECT_NEAR(window().ymax, 480, kTol);
    view.mouseDown(MouseButton::Right, 320, 240); // model (160, 360): 2.2 times out
    EXPECT_NEAR(window().xmin, 160 - 352, kTol);
    EXPECT_NEAR(window().xmax, 160 + 352, kTol);
    EXPECT_NEAR(window().ymax - window().ymin, 528, kTol);

    window() = {0, 0, 0.9, 0.7}; // narrower than 1: a left click does nothing
    canvas.ops.clear();
    view.mouseDown(MouseButton::Left, 320, 240);
    EXPECT_EQ(window().xmax, 0.9);
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(ViewTest, AZoomClickPausesAfterRedrawing) {
    d().appendLine(0, 0, 1, 1);
    window() = {0, 0, 640, 480};
    view.clickPause = kClickPause;
    const auto t0 = std::chrono::steady_clock::now();
    view.mouseDown(MouseButton::Left, 320, 240);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(90));
}

// ---- mouse movement -----------------------------------------------------------------

TEST_F(ViewTest, TheAngleReadoutShowsTheLastMarkNearTheMouse) {
    window() = {0, 0, 640, 480}; // tolerance 4
    d().freeends[0] = {100, 100, ElementRef::line(0), EndCode::Start};
    d().markAngle[0] = 12.46;
    d().freeends[1] = {102, 101, ElementRef::line(0), EndCode::Start};
    d().markAngle[1] = 90;
    d().freecount = 2;
    s->view.angleReadout = 1;
    view.mouseMove(101, 380); // model (101, 100): both match, the last wins
    EXPECT_EQ(panel.angle, " 90 Grad");
    view.mouseMove(97, 380); // only the first
    EXPECT_EQ(panel.angle, " 12.5 Grad");
    view.mouseMove(300, 300);
    EXPECT_EQ(panel.angle, "");
    s->view.angleReadout = 0;
    const int calls = panel.angleCalls;
    view.mouseMove(100, 380);
    EXPECT_EQ(panel.angleCalls, calls);
}

TEST_F(ViewTest, TheRubberBandIsDrawnInExclusiveOrSoThatTheOldOneIsRemoved) {
    window() = {0, 0, 640, 480};
    s->view.pickMode = kPickElements;
    s->view.dragActive = 1;
    s->view.selX1 = 10;
    s->view.selY1 = 10;
    view.mouseMove(100, 380); // model (100, 100)
    view.mouseMove(200, 280); // model (200, 200)
    const auto boxes = canvas.of(CanvasOp::Box);
    ASSERT_EQ(boxes.size(), 3u); // first, the first again (removed), the second
    EXPECT_EQ(boxes[0].colour, kWhite);
    EXPECT_DOUBLE_EQ(boxes[1].x2, boxes[0].x2);
    EXPECT_DOUBLE_EQ(boxes[1].y1, boxes[0].y1);
    EXPECT_NEAR(boxes[2].x2, 200, kTol);
    // every box is drawn between a switch to exclusive-or and back to copy
    DrawMode mode = DrawMode::Copy;
    for (const CanvasOp& op : canvas.ops) {
        if (op.kind == CanvasOp::Mode) mode = op.mode;
        if (op.kind == CanvasOp::Box) {
            EXPECT_EQ(mode, DrawMode::Xor);
        }
    }
    EXPECT_EQ(mode, DrawMode::Copy);
    EXPECT_EQ(panel.pointers.back(), kCrossPointer);
}

TEST_F(ViewTest, BreaksLeavesSelectionModeAfterFourMovesAtOneHundred) {
    s->view.pickMode = kPickElements;
    s->view.dragActive = 1;
    view.breaks();
    EXPECT_EQ(s->view.pickMode, 0);
    EXPECT_EQ(s->view.dragActive, 0);
    EXPECT_EQ(panel.pointers.size(), 4u);
    view.mouseMove(1, 1);
    EXPECT_EQ(panel.pointers.back(), kArrowPointer);
}

// ---- size fields and marks -------------------------------------------------------------

TEST_F(ViewTest, TheDrawingIsMeasuredTo5AndTheFieldsRoundedTo2Decimals) {
    EXPECT_EQ(measureDrawing(d()).width, 0);
    d().appendLine(1, 1, 1.123456789, 3.5);
    d().appendArc(0, 0, 1, 0, 90); // x from 0
    const DrawingSize z = measureDrawing(d());
    EXPECT_DOUBLE_EQ(z.width, 1.12346);
    EXPECT_DOUBLE_EQ(z.height, 3.5);
    EXPECT_EQ(trunderText(" 1.12346"), " 1.12");
    EXPECT_EQ(trunderText("12.345678"), " 12.35");
    EXPECT_EQ(trunderText("abc"), " 0");
}

} // namespace
} // namespace vectrim
