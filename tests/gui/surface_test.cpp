// The drawing area's pixels: lines black where they run and clipped at the
// edges, arcs light red through 0°, marks light blue, the rubber band
// removed by drawing it again.
#include "drawing_area.h"
#include "window_fixture.h"

#include <QColor>
#include <QImage>

#include <cmath>

namespace vectrim {
namespace {

using test::WindowTest;

class Surface : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        make();
        s().view.window = {0, 0, 640, 480}; // one model unit per surface unit
    }
    const QImage& image() { return c().Bild1->image(); }
    // The pixel of a model point.
    QPoint pixel(double x, double y) {
        const ViewWindow& w = s().view.window;
        const double sx = 640 * (x - w.xmin) / (w.xmax - w.xmin);
        const double sy = 480 * (w.ymax - y) / (w.ymax - w.ymin);
        return {static_cast<int>(std::floor(sx * image().width() / 640)),
                static_cast<int>(std::floor(sy * image().height() / 480))};
    }
    // The darkest pixel within one pixel of p (grey value 0 .. 255).
    int darkest(QPoint p) {
        int best = 255;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QPoint q = p + QPoint(dx, dy);
                if (image().rect().contains(q)) best = std::min(best, qGray(image().pixel(q)));
            }
        return best;
    }
    // The most saturated colour within one pixel of p.
    QColor strongest(QPoint p) {
        QColor best = Qt::white;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QPoint q = p + QPoint(dx, dy);
                if (!image().rect().contains(q)) continue;
                const QColor c = image().pixelColor(q);
                if (c.saturation() > best.saturation()) best = c;
            }
        return best;
    }
    int inkPixels() {
        int n = 0;
        for (int y = 0; y < image().height(); ++y)
            for (int x = 0; x < image().width(); ++x) n += image().pixel(x, y) != qRgb(255, 255, 255);
        return n;
    }
};

TEST_F(Surface, ALineIsBlackAlongItsLengthAndNowhereElse) {
    s().drawing.appendLine(100, 300, 500, 300);
    form->paint();
    for (double x : {101.0, 200.0, 300.0, 499.0}) EXPECT_LT(darkest(pixel(x, 300)), 100) << x;
    EXPECT_EQ(darkest(pixel(300, 310)), 255);
    EXPECT_EQ(darkest(pixel(90, 300)), 255);  // before its start
    EXPECT_EQ(darkest(pixel(510, 300)), 255); // after its end
}

TEST_F(Surface, ALineLeavingTheSurfaceIsClippedAtItsEdges) {
    s().drawing.appendLine(-300, -150, 900, 450); // slope 1/2, enters at the left edge
    s().drawing.appendLine(-500, 100, -10, 400);  // wholly left: nothing
    form->paint();
    // (the surface clips at its last pixel row, 479 units down)
    EXPECT_LT(darkest(pixel(4, 2)), 100);
    EXPECT_LT(darkest(pixel(320, 160)), 100);
    EXPECT_LT(darkest(pixel(637, 318.5)), 100);
    // the ink is the one visible line and no more: about its pixel length
    const double length = std::hypot(image().width(), image().height() / 2.0);
    EXPECT_LT(inkPixels(), 3 * length);
    EXPECT_GT(inkPixels(), length * 0.9);
}

TEST_F(Surface, AnArcThroughZeroIsLightRedAtZeroAndAbsentOpposite) {
    s().drawing.appendArc(320, 240, 100, 350, 10);
    form->paint();
    const QColor at0 = strongest(pixel(420, 240));
    EXPECT_GT(at0.red(), 200);
    EXPECT_LT(at0.green(), 120);
    EXPECT_LT(at0.blue(), 120);
    EXPECT_GT(strongest(pixel(320 + 100 * std::cos(0.15), 240 + 100 * std::sin(0.15))).red(), 200);
    EXPECT_EQ(darkest(pixel(220, 240)), 255); // 180°: not part of the arc
    EXPECT_EQ(darkest(pixel(320 + 100 * std::cos(0.35), 240 + 100 * std::sin(0.35))), 255); // 20°
}

TEST_F(Surface, MarksAreLightBlueBoxes) {
    s().drawing.appendLine(200, 200, 400, 200);
    s().view.markMode = 1;
    form->paint();
    const QPoint p = pixel(200, 200);
    const int half = static_cast<int>(3 * image().width() / 640.0);
    EXPECT_EQ(image().pixelColor(p + QPoint(-half, -half + 1)), QColor(0, 0, 255));
}

TEST_F(Surface, TheRubberBandDrawnTwiceLeavesTheSurfaceAsItWas) {
    s().drawing.appendLine(100, 100, 500, 400);
    form->paint();
    const QImage before = image().copy();
    s().view.selX1 = 50;
    s().view.selY1 = 50;
    s().view.selX2 = 300;
    s().view.selY2 = 350;
    form->view().rechteck();
    EXPECT_NE(image(), before);
    EXPECT_LT(darkest(pixel(175, 50)), 60); // white xor white: black
    form->view().rechteck();
    EXPECT_EQ(image(), before);
}

TEST_F(Surface, RepaintsOfTheWindowDoNotRedrawTheDrawing) {
    s().drawing.appendLine(100, 100, 500, 400);
    form->paint();
    s().drawing.clear(); // a change the view has not been told about
    c().Bild1->repaint();
    EXPECT_LT(darkest(pixel(300, 250)), 100); // still the retained picture
}

} // namespace
} // namespace vectrim
