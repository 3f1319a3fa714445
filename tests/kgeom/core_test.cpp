// Angles, circles through three points, rotation, scaling, view mapping,
// clipping and the pause.
#include "kgeom_api.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace {

const kg::Api& K = kg::api();
constexpr double kPi = 3.141592653589793;
constexpr double kEps = 1e-12;

TEST(Winkelx, CardinalDirectionsAndEqualPoints) {
    EXPECT_EQ(kg::winkelx(0, 0, 1, 0), 0.0);
    EXPECT_NEAR(kg::winkelx(0, 0, 0, 1), kPi / 2, kEps);
    EXPECT_NEAR(kg::winkelx(0, 0, -1, 0), kPi, kEps);
    EXPECT_NEAR(kg::winkelx(0, 0, 0, -1), 1.5 * kPi, kEps);
    EXPECT_NEAR(kg::winkelx(0, 0, 1, -1), 1.75 * kPi, kEps);
    EXPECT_EQ(kg::winkelx(3, 4, 3, 4), 0.0);
    // Every quadrant lands in [0, 2π).
    for (int k = 0; k < 360; k += 7) {
        const double a = k * kPi / 180;
        const double w = kg::winkelx(1, 1, 1 + std::cos(a), 1 + std::sin(a));
        EXPECT_NEAR(w, a, 1e-9) << k;
    }
}

TEST(Winkelx, WinkelxbAgrees) {
    double x1 = 1, y1 = 2, x2 = -3, y2 = -0.5, a = 0, b = 0;
    K.winkelx(&x1, &y1, &x2, &y2, &a);
    K.winkelxb(&x1, &y1, &x2, &y2, &b);
    EXPECT_EQ(a, b);
}

TEST(Rech, HorizontalChordThroughTopAndBottom) {
    kg::Circle c = kg::rech(1, 0, -1, 0, 0, 1);
    EXPECT_NEAR(c.xc, 0, kEps);
    EXPECT_NEAR(c.yc, 0, kEps);
    EXPECT_NEAR(c.r, 1, kEps);
    EXPECT_NEAR(c.w1, 0, kEps);
    EXPECT_NEAR(c.w2, kPi, kEps);
    // Through the bottom the ends are exchanged so the arc still runs
    // counter-clockwise through point 3.
    c = kg::rech(1, 0, -1, 0, 0, -1);
    EXPECT_NEAR(c.w1, kPi, kEps);
    EXPECT_NEAR(c.w2, 0, kEps);
}

TEST(Rech, CallerVariablesComeBackUnchanged) {
    double x1 = 1, y1 = 0, x2 = -1, y2 = 0, x3 = 0, y3 = 1, xc = 0, yc = 0, w1 = 0, w2 = 0, r = 0;
    K.rech(&x1, &y1, &x2, &y2, &xc, &yc, &w1, &w2, &r, &x3, &y3);
    EXPECT_EQ(x1, 1);
    EXPECT_EQ(y1, 0);
    EXPECT_EQ(x2, -1);
    EXPECT_EQ(x3, 0);
    EXPECT_EQ(y3, 1);
}

TEST(Rech, GeneralArcPassesThroughAllThreePoints) {
    const double cx = 3.5, cy = -2.25, r = 7.0;
    const double a = 0.3, b = 2.1, m = 1.0;
    auto px = [&](double t) { return cx + r * std::cos(t); };
    auto py = [&](double t) { return cy + r * std::sin(t); };
    const kg::Circle c = kg::rech(px(a), py(a), px(b), py(b), px(m), py(m));
    EXPECT_NEAR(c.xc, cx, 1e-9);
    EXPECT_NEAR(c.yc, cy, 1e-9);
    EXPECT_NEAR(c.r, r, 1e-9);
    EXPECT_NEAR(c.w1, a, 1e-9);
    EXPECT_NEAR(c.w2, b, 1e-9);
}

TEST(Rech, CollinearPointsDoNotFault) {
    // No circle exists; the result is meaningless but must not fault.
    const kg::Circle c = kg::rech(0, 0, 10, 10, 5, 5);
    (void)c;
    SUCCEED();
}

TEST(Rotation, LineQuarterTurn) {
    double x0 = 1, y0 = 1, dw = kPi / 2, x1 = 2, y1 = 1, x2 = 1, y2 = 3;
    K.drehlinie(&x0, &y0, &dw, &x1, &y1, &x2, &y2);
    EXPECT_NEAR(x1, 1, kEps);
    EXPECT_NEAR(y1, 2, kEps);
    EXPECT_NEAR(x2, -1, kEps);
    EXPECT_NEAR(y2, 1, kEps);
}

TEST(Rotation, FullCircleStaysFull) {
    for (double dw : {0.3, 1.0, 2.5, 5.9}) {
        double x0 = 3, y0 = -1, xc = 10, yc = 5, r = 2, w1 = 0, w2 = 2 * kPi;
        K.drehkreis(&x0, &y0, &dw, &xc, &yc, &r, &w1, &w2);
        EXPECT_EQ(w1, 0);
        EXPECT_EQ(w2, 6.283185307179586);
    }
    // 0.0005 .. 6.2830 counts as a full circle, 0.002 .. 6.2830 does not.
    double x0 = 0, y0 = 0, dw = 1, xc = 1, yc = 0, r = 1, w1 = 0.0005, w2 = 6.2830;
    K.drehkreis(&x0, &y0, &dw, &xc, &yc, &r, &w1, &w2);
    EXPECT_EQ(w1, 0);
    xc = 1, yc = 0, w1 = 0.002, w2 = 6.2830;
    K.drehkreis(&x0, &y0, &dw, &xc, &yc, &r, &w1, &w2);
    EXPECT_NEAR(w1, 1.002, 1e-9);
}

TEST(Rotation, ArcTurnsWithItsCentre) {
    double x0 = 0, y0 = 0, dw = kPi / 2, xc = 5, yc = 0, r = 1, w1 = 0, w2 = kPi / 2;
    K.drehkreis(&x0, &y0, &dw, &xc, &yc, &r, &w1, &w2);
    EXPECT_NEAR(xc, 0, kEps);
    EXPECT_NEAR(yc, 5, kEps);
    EXPECT_NEAR(w1, kPi / 2, 1e-9);
    EXPECT_NEAR(w2, kPi, 1e-9);
}

TEST(Scaling, LineAboutAPoint) {
    double x0 = 1, y0 = 1, fx = 2, fy = 3, x1 = 2, y1 = 2, x2 = 0, y2 = 0;
    K.lskalieren(&x0, &y0, &fx, &fy, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 3);
    EXPECT_EQ(y1, 4);
    EXPECT_EQ(x2, -1);
    EXPECT_EQ(y2, -2);
}

TEST(Scaling, ArcUniformKeepsAngles) {
    double x0 = 0, y0 = 0, fx = 2, fy = 2, r = 1, xc = 1, yc = 1, w1 = 0.5, w2 = 2.0;
    K.kskalieren(&x0, &y0, &fx, &fy, &r, &xc, &yc, &w1, &w2);
    EXPECT_NEAR(xc, 2, kEps);
    EXPECT_NEAR(yc, 2, kEps);
    EXPECT_NEAR(r, 2, kEps);
    EXPECT_NEAR(w1, 0.5, 1e-9);
    EXPECT_NEAR(w2, 2.0, 1e-9);
}

TEST(Scaling, MirroredArcExchangesStartAndEnd) {
    // fx = -1 about the centre: the arc 0.2 .. 1.2 becomes π-1.2 .. π-0.2.
    double x0 = 4, y0 = 4, fx = -1, fy = 1, r = 3, xc = 4, yc = 4, w1 = 0.2, w2 = 1.2;
    K.kskalieren(&x0, &y0, &fx, &fy, &r, &xc, &yc, &w1, &w2);
    EXPECT_NEAR(r, 3, kEps);
    EXPECT_NEAR(w1, kPi - 1.2, 1e-9);
    EXPECT_NEAR(w2, kPi - 0.2, 1e-9);
}

TEST(ViewMapping, RoundTripAndEmptySpan) {
    double xmin = -10, xmax = 30, ymin = 5, ymax = 35, x = 12.5, y = 20, px = 0, py = 0;
    K.ersatz2(&px, &py, &x, &y, &xmin, &xmax, &ymin, &ymax);
    EXPECT_NEAR(px, 640 * 22.5 / 40, kEps);
    EXPECT_NEAR(py, 480 * 15 / 30.0, kEps);
    double bx = 0, by = 0;
    K.ersatz1(&px, &py, &bx, &by, &xmin, &xmax, &ymin, &ymax);
    EXPECT_NEAR(bx, x, 1e-12);
    EXPECT_NEAR(by, y, 1e-12);
    double same = 3, px2 = -7, py2 = -8;
    K.ersatz2(&px2, &py2, &x, &y, &same, &same, &ymin, &ymax);
    EXPECT_EQ(px2, -7);
    EXPECT_EQ(py2, -8);
}

TEST(Clipping, InsideUnchangedOutsideReported) {
    double x1 = 10, y1 = 20, x2 = 300, y2 = 400;
    int16_t outside = 9;
    K.bilz(&x1, &y1, &x2, &y2, &outside);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(x1, 10);
    EXPECT_EQ(y2, 400);

    x1 = -500, y1 = -600, x2 = -100, y2 = -50;
    K.bilz(&x1, &y1, &x2, &y2, &outside);
    EXPECT_EQ(outside, 1);
}

TEST(Clipping, CrossingLineIsCutToTheScreen) {
    double x1 = -100, y1 = 240, x2 = 1000, y2 = 240;
    int16_t outside = 1;
    K.bilz(&x1, &y1, &x2, &y2, &outside);
    EXPECT_EQ(outside, 0);
    EXPECT_NEAR(x1, 0, 1e-9);
    EXPECT_NEAR(x2, 639, 1e-9);
    EXPECT_NEAR(y1, 240, 1e-9);
}

TEST(Pause, WaitsAndRefusesNonsense) {
    using clock = std::chrono::steady_clock;
    double s = 0.05;
    auto t0 = clock::now();
    K.mpause(&s);
    EXPECT_GE(std::chrono::duration<double>(clock::now() - t0).count(), 0.045);
    for (double bad : {std::nan(""), -1.0, 0.0}) {
        t0 = clock::now();
        K.mpause(&bad);
        EXPECT_LT(std::chrono::duration<double>(clock::now() - t0).count(), 0.01);
    }
}

} // namespace
