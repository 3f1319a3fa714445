// Fillets between lines, an arc and a line, two arcs; rounding of numbers.
#include "kgeom_api.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const kg::Api& K = kg::api();
constexpr double kPi = 3.141592653589793;

struct LineFillet {
    double x1, y1, x2, y2, x3, y3, x4, y4, r;
    double xc = 0, yc = 0, a1 = 0, a2 = 0, theta = 0;
    int16_t err = 9, anglesonly = 0;
    void run() {
        K.roundl(&x1, &y1, &x2, &y2, &x3, &y3, &x4, &y4, &r, &xc, &yc, &a1, &a2, &err, &theta, &anglesonly);
    }
};

TEST(Roundl, RightAngleCorner) {
    LineFillet f{0, 0, 10, 0, 0, 0, 0, 10, 2};
    f.run();
    EXPECT_EQ(f.err, 0);
    EXPECT_NEAR(f.x1, 2, 1e-9);
    EXPECT_NEAR(f.y1, 0, 1e-9);
    EXPECT_NEAR(f.x3, 0, 1e-9);
    EXPECT_NEAR(f.y3, 2, 1e-9);
    EXPECT_NEAR(f.xc, 2, 1e-9);
    EXPECT_NEAR(f.yc, 2, 1e-9);
    EXPECT_NEAR(f.a1, kPi, 1e-8);
    EXPECT_NEAR(f.a2, 1.5 * kPi, 1e-8);
    EXPECT_NEAR(f.theta, kPi / 2, 1e-8);
}

TEST(Roundl, CallersLineOneStaysLineOne) {
    // Line 1 points up, line 2 along x: the routine exchanges them inside.
    LineFillet f{0, 0, 0, 10, 0, 0, 10, 0, 2};
    f.run();
    EXPECT_EQ(f.err, 0);
    EXPECT_NEAR(f.x1, 0, 1e-9);
    EXPECT_NEAR(f.y1, 2, 1e-9);
    EXPECT_NEAR(f.x3, 2, 1e-9);
    EXPECT_NEAR(f.y3, 0, 1e-9);
    EXPECT_NEAR(f.xc, 2, 1e-9);
    EXPECT_NEAR(f.yc, 2, 1e-9);
}

TEST(Roundl, FilletIsTangentToBothLinesAtAnyCorner) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> ang(0, 2 * kPi), rad(0.2, 3);
    int done = 0;
    for (int k = 0; k < 200; ++k) {
        const double u = ang(rng), v = ang(rng), r = rad(rng);
        LineFillet f{1, 2, 1 + 20 * std::cos(u), 2 + 20 * std::sin(u),
                     1, 2, 1 + 20 * std::cos(v), 2 + 20 * std::sin(v),
                     r};
        f.run();
        if (f.err) continue;
        ++done;
        // Both tangent points lie on the fillet circle and on their line, and
        // the radius to each is perpendicular to the line. The routine works
        // with a ten-digit π, which costs a few 1e-9 on 20 mm lines.
        const double tol = 1e-8;
        EXPECT_NEAR(std::hypot(f.x1 - f.xc, f.y1 - f.yc), r, tol);
        EXPECT_NEAR(std::hypot(f.x3 - f.xc, f.y3 - f.yc), r, tol);
        EXPECT_NEAR((f.x1 - f.xc) * std::cos(u) + (f.y1 - f.yc) * std::sin(u), 0, tol);
        EXPECT_NEAR((f.x3 - f.xc) * std::cos(v) + (f.y3 - f.yc) * std::sin(v), 0, tol);
        // The fillet's end points are the tangent points.
        const double sx = f.xc + r * std::cos(f.a1), sy = f.yc + r * std::sin(f.a1);
        const double ex = f.xc + r * std::cos(f.a2), ey = f.yc + r * std::sin(f.a2);
        const double d1 = std::hypot(sx - f.x1, sy - f.y1) + std::hypot(ex - f.x3, ey - f.y3);
        const double d2 = std::hypot(sx - f.x3, sy - f.y3) + std::hypot(ex - f.x1, ey - f.y1);
        EXPECT_LT(std::min(d1, d2), 1e-6);
    }
    EXPECT_GT(done, 100);
}

TEST(Roundl, TooLargeRadiusFailsAndRestores) {
    LineFillet f{0, 0, 10, 0, 0, 0, 0, 10, 10};
    f.run();
    EXPECT_EQ(f.err, 1);
    EXPECT_EQ(f.x1, 0);
    EXPECT_EQ(f.y3, 0);
    EXPECT_EQ(f.x2, 10);
}

TEST(Roundl, LinesOnTopOfEachOtherFail) {
    // Both lines leave the corner in the same direction: no angle to round.
    LineFillet f{0, 0, 10, 0, 0, 0, 5, 0, 1};
    f.run();
    EXPECT_EQ(f.err, 1);
}

TEST(Roundl, AnglesOnly) {
    LineFillet f{0, 0, 10, 0, 0, 0, 0, 10, 2};
    f.anglesonly = 1;
    f.run();
    EXPECT_NEAR(f.theta, kPi / 2, 1e-8);
    EXPECT_EQ(f.x1, 0);
    EXPECT_EQ(f.y3, 0);
    EXPECT_EQ(f.xc, 0);
}

TEST(Rounder, DecimalsHalfToEvenAndLimits) {
    auto round = [](double x, int16_t n) {
        K.rounder(&x, &n);
        return x;
    };
    EXPECT_DOUBLE_EQ(round(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(round(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(round(3.14159, 3), 3.142);
    EXPECT_EQ(round(0.125, 0), 0.125);
    EXPECT_EQ(round(0.125, -3), 0.125);
    EXPECT_EQ(round(1e300, 5), 1e300);
    EXPECT_DOUBLE_EQ(round(0.5, 40), 0.5);
}

// The fillet found by roundkl or roundkk: centre F, radius fr; each element's
// cut end must lie on the fillet and the fillet must touch the element there.
void expectTangentToCircle(double fx, double fy, double fr, double cx, double cy, double r, double angle) {
    const double tx = cx + r * std::cos(angle), ty = cy + r * std::sin(angle);
    EXPECT_NEAR(std::hypot(tx - fx, ty - fy), fr, 1e-9);
    // Centres and tangent point are collinear.
    const double cross = (fx - cx) * (ty - cy) - (fy - cy) * (tx - cx);
    EXPECT_NEAR(cross, 0, 1e-7);
}

TEST(Roundkl, RightAngleBetweenLineAndArc) {
    // Arc: centre (0, 10), r 10, from 270° (the corner (0, 0)) to 360°.
    // Line: from the corner straight down to (0, -10).
    double cx = 0, cy = 10, r = 10, a1 = 1.5 * kPi, a2 = 2 * kPi;
    double x1 = 0, y1 = 0, x2 = 0, y2 = -10, fx = 0, fy = 0, fr = 1, tol = 0.001;
    int16_t only = 0, err = 9;
    K.roundkl(&cx, &cy, &r, &a1, &a2, &x1, &y1, &x2, &y2, &fx, &fy, &fr, &tol, &only, &err);
    ASSERT_EQ(err, 0);
    EXPECT_EQ(fr, 1);
    // Tangent to the line x = 0 from the right.
    EXPECT_NEAR(fx, 1, 1e-12);
    EXPECT_NEAR(x1, 0, 1e-12);
    EXPECT_NEAR(y1, fy, 1e-12);
    EXPECT_LT(y1, 0);
    EXPECT_EQ(x2, 0);
    EXPECT_EQ(y2, -10);
    // Outside the arc's circle: the centres are r + fr apart.
    EXPECT_NEAR(std::hypot(fx - cx, fy - cy), 11, 1e-9);
    expectTangentToCircle(fx, fy, fr, cx, cy, r, a1);
    EXPECT_GT(a1, 1.5 * kPi);
    EXPECT_EQ(a2, 2 * kPi);
}

TEST(Roundkl, TangentContinuationAndStrangersFail) {
    // The line continues the arc's direction at the corner: nothing to round.
    double cx = 0, cy = 10, r = 10, a1 = 1.5 * kPi, a2 = 2 * kPi;
    double x1 = 0, y1 = 0, x2 = -10, y2 = 0, fx = 0, fy = 0, fr = 1, tol = 0.001;
    int16_t only = 0, err = 0;
    K.roundkl(&cx, &cy, &r, &a1, &a2, &x1, &y1, &x2, &y2, &fx, &fy, &fr, &tol, &only, &err);
    EXPECT_EQ(err, 1);
    // A line that does not touch the arc.
    x1 = 5, y1 = -5;
    K.roundkl(&cx, &cy, &r, &a1, &a2, &x1, &y1, &x2, &y2, &fx, &fy, &fr, &tol, &only, &err);
    EXPECT_EQ(err, 1);
    EXPECT_EQ(x1, 5);
}

TEST(Roundkk, CornerBetweenTwoArcs) {
    // Arc 1: centre (-10, 0), 270° .. 0°, ending at (0, 0) heading up; it
    // leaves the corner downwards. Arc 2: centre (0, 10), 270° .. 360°,
    // starting at (0, 0) heading right.
    double c1x = -10, c1y = 0, r1 = 10, s1 = 1.5 * kPi, e1 = 0;
    double c2x = 0, c2y = 10, r2 = 10, s2 = 1.5 * kPi, e2 = 2 * kPi;
    double fx = 0, fy = 0, fr = 0.5, tol = 0.001;
    int16_t only = 0, err = 9;
    K.roundkk(&c1x, &c1y, &r1, &s1, &e1, &c2x, &c2y, &r2, &s2, &e2, &fx, &fy, &fr, &tol, &only, &err);
    ASSERT_EQ(err, 0);
    expectTangentToCircle(fx, fy, fr, c1x, c1y, r1, e1);
    expectTangentToCircle(fx, fy, fr, c2x, c2y, r2, s2);
    EXPECT_EQ(s1, 1.5 * kPi); // far ends stay
    EXPECT_EQ(e2, 2 * kPi);
    EXPECT_GT(fx, 0);
    EXPECT_LT(fy, 0);
}

TEST(Rounding, GarbageNeverFaults) {
    std::mt19937 rng(11);
    const double specials[] = {0.0, -0.0, 1e308, -1e308, std::nan(""), INFINITY, 1e-320, 1.0};
    std::uniform_int_distribution<int> pick(0, 9);
    std::uniform_real_distribution<double> any(-100, 100);
    auto value = [&] {
        const int p = pick(rng);
        return p < 8 ? specials[p] : any(rng);
    };
    for (int k = 0; k < 2000; ++k) {
        double v[16];
        for (double& x : v) x = value();
        int16_t a = 0, b = 0, c = static_cast<int16_t>(k % 2);
        K.roundl(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11], &v[12],
                 &a, &v[13], &c);
        for (double& x : v) x = value();
        K.roundkl(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
                  &v[12], &c, &a);
        for (double& x : v) x = value();
        K.roundkk(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
                  &v[12], &v[13], &c, &a);
        for (double& x : v) x = value();
        K.kschnittpunkt(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
                        &v[12], &v[13], &a, &b);
        for (double& x : v) x = value();
        K.klschnittpunkt(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
                         &v[12], &a, &b);
        for (double& x : v) x = value();
        K.lschnittpunkt(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &a);
        for (double& x : v) x = value();
        K.bilz(&v[0], &v[1], &v[2], &v[3], &a);
        for (double& x : v) x = value();
        K.rech(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10]);
        K.comparer(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &a);
        K.rounder(&v[0], &a);
    }
    SUCCEED();
}

} // namespace
