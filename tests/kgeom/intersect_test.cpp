// Segment crossings, circle and arc intersections, nearest point on an arc.
#include "kgeom_api.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const kg::Api& K = kg::api();
constexpr double kPi = 3.141592653589793;

struct Crossing {
    int16_t ok;
    double xs, ys;
};
Crossing cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    Crossing c{9, -1, -1};
    K.lschnittpunkt(&x1, &y1, &x2, &y2, &x3, &y3, &x4, &y4, &c.xs, &c.ys, &c.ok);
    return c;
}

TEST(Lschnittpunkt, ProperCrossing) {
    const Crossing c = cross(0, 0, 10, 10, 0, 10, 10, 0);
    EXPECT_EQ(c.ok, 1);
    EXPECT_NEAR(c.xs, 5, 1e-12);
    EXPECT_NEAR(c.ys, 5, 1e-12);
}

TEST(Lschnittpunkt, CrossingBeyondASegmentOrAtAnEndIsNone) {
    EXPECT_EQ(cross(0, 0, 4, 4, 0, 10, 10, 0).ok, 0);
    EXPECT_EQ(cross(0, 0, 5, 5, 5, 5, 10, 0).ok, 0);
    // Backward extension of a segment.
    EXPECT_EQ(cross(6, 6, 10, 10, 0, 10, 10, 0).ok, 0);
}

TEST(Lschnittpunkt, VerticalSegments) {
    Crossing c = cross(5, -5, 5, 5, 0, 0, 10, 2);
    EXPECT_EQ(c.ok, 1);
    EXPECT_NEAR(c.xs, 5, 1e-12);
    EXPECT_NEAR(c.ys, 1, 1e-12);
    c = cross(0, 0, 10, 2, 5, -5, 5, 5);
    EXPECT_EQ(c.ok, 1);
    EXPECT_NEAR(c.ys, 1, 1e-12);
    EXPECT_EQ(cross(0, 0, 0, 5, 1, 0, 1, 5).ok, 0);
}

TEST(Lschnittpunkt, OverlappingHorizontalsReportWithoutPoint) {
    const Crossing c = cross(0, 1, 10, 1, 5, 1, 20, 1);
    EXPECT_EQ(c.ok, 1);
    EXPECT_EQ(c.xs, -1);
    EXPECT_EQ(cross(0, 1, 10, 1, 0, 2, 10, 2).ok, 0);
}

TEST(Lschnittpunkt, CallerCoordinatesAreRestored) {
    double x1 = 10, y1 = 1, x2 = 0, y2 = 1, x3 = 20, y3 = 1, x4 = 5, y4 = 1, xs = 0, ys = 0;
    int16_t ok = 0;
    K.lschnittpunkt(&x1, &y1, &x2, &y2, &x3, &y3, &x4, &y4, &xs, &ys, &ok);
    EXPECT_EQ(x1, 10);
    EXPECT_EQ(x2, 0);
    EXPECT_EQ(x3, 20);
    EXPECT_EQ(x4, 5);
}

TEST(Lschnittpunkt, HugeValuesGiveNoCrossing) {
    const double big = 1e308;
    const Crossing c = cross(-big, -big, big, big, -big, big, big, -big);
    EXPECT_TRUE(c.ok == 0 || (std::isfinite(c.xs) && std::isfinite(c.ys)));
}

struct Hits {
    double x1 = 7, y1 = 7, x2 = 7, y2 = 7;
    int16_t n = 9, m = 9;
};

Hits arcs(double c1x, double c1y, double r1, double s1, double e1, double c2x, double c2y, double r2,
          double s2, double e2) {
    Hits h;
    K.kschnittpunkt(&c1x, &c1y, &r1, &s1, &e1, &c2x, &c2y, &r2, &s2, &e2, &h.x1, &h.y1, &h.x2, &h.y2, &h.n,
                    &h.m);
    return h;
}

TEST(Kschnittpunkt, TwoCirclesMeetTwice) {
    const Hits h = arcs(0, 0, 1, 0, 0, 1, 0, 1, 0, 0);
    ASSERT_EQ(h.m, 2);
    EXPECT_EQ(h.n, 2);
    for (auto [x, y] : {std::pair{h.x1, h.y1}, std::pair{h.x2, h.y2}}) {
        EXPECT_NEAR(std::hypot(x, y), 1, 1e-12);
        EXPECT_NEAR(std::hypot(x - 1, y), 1, 1e-12);
    }
}

TEST(Kschnittpunkt, ArcRangesDecideWhichPointsCount) {
    // Upper halves only: only the point above the x axis lies on both.
    const Hits h = arcs(0, 0, 1, 0, kPi, 1, 0, 1, 0, kPi);
    EXPECT_EQ(h.m, 2);
    EXPECT_EQ(h.n, 1);
    EXPECT_GT(h.y1, 0);
}

TEST(Kschnittpunkt, TouchingApartAndUnusable) {
    EXPECT_EQ(arcs(0, 0, 1, 0, 0, 2, 0, 1, 0, 0).m, 1);
    EXPECT_EQ(arcs(0, 0, 1, 0, 0, 5, 0, 1, 0, 0).m, 0);
    EXPECT_EQ(arcs(0, 0, 1, 0, 0, 0, 0, 2, 0, 0).m, -1);
    EXPECT_EQ(arcs(0, 0, 0, 0, 0, 1, 0, 1, 0, 0).m, -1);
    EXPECT_EQ(arcs(0, 0, std::nan(""), 0, 0, 1, 0, 1, 0, 0).m, -1);
}

Hits arcLine(double cx, double cy, double r, double a1, double a2, double x1, double y1, double x2,
             double y2) {
    Hits h;
    K.klschnittpunkt(&cx, &cy, &r, &a1, &a2, &x1, &y1, &x2, &y2, &h.x1, &h.y1, &h.x2, &h.y2, &h.n, &h.m);
    return h;
}

TEST(Klschnittpunkt, SegmentThroughCircle) {
    Hits h = arcLine(0, 0, 1, 0, 0, -2, 0, 2, 0);
    ASSERT_EQ(h.m, 2);
    EXPECT_EQ(h.n, 2);
    EXPECT_NEAR(h.x1, -1, 1e-12);
    EXPECT_NEAR(h.x2, 1, 1e-12);
    // The arc 0 .. π/2 holds only (1, 0); a short segment only reaches x = -1.
    h = arcLine(0, 0, 1, 0, kPi / 2, -2, 0, 2, 0);
    EXPECT_EQ(h.n, 1);
    EXPECT_NEAR(h.x1, 1, 1e-12);
    h = arcLine(0, 0, 1, 0, 0, -2, 0, 0, 0);
    EXPECT_EQ(h.n, 1);
    EXPECT_NEAR(h.x1, -1, 1e-12);
}

TEST(Klschnittpunkt, TangentMissAndUnusable) {
    Hits h = arcLine(0, 0, 1, 0, 0, -2, 1, 2, 1);
    EXPECT_EQ(h.m, 1);
    EXPECT_NEAR(h.x1, 0, 1e-12);
    EXPECT_EQ(arcLine(0, 0, 1, 0, 0, -2, 3, 2, 3).m, 0);
    EXPECT_EQ(arcLine(0, 0, 1, 0, 0, 1, 1, 1, 1).m, -1);
    EXPECT_EQ(arcLine(0, 0, -1, 0, 0, -2, 0, 2, 0).m, -1);
}

TEST(Comparer, NearestPointOnOrOffTheArc) {
    double px = 3, py = 3, cx = 0, cy = 0, r = 2, a1 = 0, a2 = kPi, d = 0, qx = 0, qy = 0, t = 0;
    int16_t on = 9;
    K.comparer(&px, &py, &cx, &cy, &r, &a1, &a2, &d, &qx, &qy, &t, &on);
    EXPECT_EQ(on, 1);
    EXPECT_NEAR(d, std::hypot(3, 3) - 2, 1e-12);
    EXPECT_NEAR(t, kPi / 4, 1e-12);
    px = 1, py = -5; // below: the nearer end (2, 0) of the upper half
    K.comparer(&px, &py, &cx, &cy, &r, &a1, &a2, &d, &qx, &qy, &t, &on);
    EXPECT_EQ(on, 0);
    EXPECT_NEAR(qx, 2, 1e-12);
    EXPECT_NEAR(qy, 0, 1e-12);
    EXPECT_NEAR(d, std::hypot(1, 5), 1e-12);
}

} // namespace
