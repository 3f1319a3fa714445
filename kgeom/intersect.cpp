// Intersections of segments, arcs and circles, and the nearest point of an arc.
#include "kgeom.h"
#include "kgeom_internal.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kgeom {

bool onArc(double t, double a1, double a2, double slack) {
    if (a1 == a2) return true;
    const double sweep = sweepOf(a1, a2);
    double rel = std::fmod(t - a1, kTwoPi);
    if (rel < 0) rel += kTwoPi;
    return rel <= sweep + slack || rel >= kTwoPi - slack;
}

namespace {

// Slack for "lies on the arc" and "lies on the segment": intersection points
// are computed, so they may miss an exact end by rounding.
constexpr double kAngleSlack = 1e-9;
constexpr double kParamSlack = 1e-9;

bool finite(std::initializer_list<double> v) {
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

struct Point {
    double x = 0, y = 0;
};

// Intersection points of two full circles; returns their number, or -1 for
// unusable input.
int circleCircle(double cx1, double cy1, double r1, double cx2, double cy2, double r2, Point out[2]) {
    if (!finite({cx1, cy1, r1, cx2, cy2, r2}) || !(r1 > 0) || !(r2 > 0)) return -1;
    const double dx = cx2 - cx1, dy = cy2 - cy1;
    const double d = std::hypot(dx, dy);
    if (d == 0) return -1;
    const double scale = std::max({1.0, r1, r2, d});
    const double eps = 1e-12 * scale;
    if (d > r1 + r2 + eps || d < std::fabs(r1 - r2) - eps) return 0;
    const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);
    const double h2 = r1 * r1 - a * a;
    const double ux = dx / d, uy = dy / d;
    const double fx = cx1 + a * ux, fy = cy1 + a * uy;
    if (h2 <= (eps * eps)) {
        out[0] = {fx, fy};
        return 1;
    }
    const double h = std::sqrt(h2);
    out[0] = {fx - h * uy, fy + h * ux};
    out[1] = {fx + h * uy, fy - h * ux};
    return 2;
}

// Intersection points of a full circle with the infinite line through P and
// Q, with their parameters along P -> Q; returns their number or -1.
int circleLine(double cx, double cy, double r, double px, double py, double qx, double qy, Point out[2],
               double s[2]) {
    if (!finite({cx, cy, r, px, py, qx, qy}) || !(r > 0)) return -1;
    const double dx = qx - px, dy = qy - py;
    const double dd = dx * dx + dy * dy;
    if (dd == 0) return -1;
    const double s0 = ((cx - px) * dx + (cy - py) * dy) / dd;
    const double fx = px + s0 * dx, fy = py + s0 * dy;
    const double h = std::hypot(fx - cx, fy - cy);
    const double eps = 1e-12 * std::max(1.0, r);
    if (h > r + eps) return 0;
    if (h >= r - eps) {
        out[0] = {fx, fy};
        s[0] = s0;
        return 1;
    }
    const double half = std::sqrt(r * r - h * h) / std::sqrt(dd);
    s[0] = s0 - half;
    s[1] = s0 + half;
    out[0] = {px + s[0] * dx, py + s[0] * dy};
    out[1] = {px + s[1] * dx, py + s[1] * dy};
    return 2;
}

} // namespace
} // namespace kgeom

using namespace kgeom;

extern "C" {

void lschnittpunkt(double* x1, double* y1, double* x2, double* y2, double* x3, double* y3, double* x4,
                   double* y4, double* xs, double* ys, int16_t* ok) {
    // Work on copies: the caller's eight coordinates come back unchanged.
    double ax = *x1, ay = *y1, bx = *x2, by = *y2;
    double cx = *x3, cy = *y3, dx = *x4, dy = *y4;
    int16_t found = 0;
    double sx = 0, sy = 0;

    if (ax != bx && cx != dx) {
        const double m1 = (by - ay) / (bx - ax);
        const double m2 = (dy - cy) / (dx - cx);
        const double b1 = by - bx * m1;
        const double b2 = dy - dx * m2;
        if (m1 != m2) {
            sx = (b2 - b1) / (m1 - m2);
            sy = sx * m1 + b1;
            found = 1;
        } else {
            // Parallel: only overlapping pieces of one horizontal count, and
            // no point is reported for them.
            const double t = 0.0001;
            if (std::fabs(ay - by) < t && std::fabs(ay - cy) < t && std::fabs(ay - dy) < t) {
                if (bx < ax) std::swap(ax, bx);
                if (dx < cx) std::swap(cx, dx);
                if ((cx < ax && ax < dx) || (cx < bx && bx < dx)) found = 1;
            }
            *ok = found;
            return;
        }
    } else if (std::fabs(bx - ax) < 0.0001 && cx != dx) {
        const double m2 = (dy - cy) / (dx - cx);
        const double b2 = dy - dx * m2;
        sx = ax;
        sy = ax * m2 + b2;
        found = 1;
    } else if (std::fabs(dx - cx) < 0.0001 && ax != bx) {
        const double m1 = (by - ay) / (bx - ax);
        const double b1 = by - bx * m1;
        sx = cx;
        sy = cx * m1 + b1;
        found = 1;
    }

    if (found == 1 && !(std::isfinite(sx) && std::isfinite(sy))) {
        // An overflow counts as no crossing, as the error trap would have it.
        *ok = 0;
        return;
    }
    if (found == 1) {
        *xs = sx;
        *ys = sy;
        const double w1 = direction(ax, ay, bx, by);
        const double w2 = direction(cx, cy, dx, dy);
        const double l1 = distance(ax, ay, bx, by);
        const double l2 = distance(cx, cy, dx, dy);
        const double d1 = distance(ax, ay, sx, sy);
        const double d2 = distance(cx, cy, sx, sy);
        if (d1 > l1 + 0.001 || d2 > l2 + 0.001) {
            found = 0;
        } else {
            // The point must lie ahead of each segment's start, not on the
            // backward extension.
            const double p1x = ax + d1 * std::cos(w1), p1y = ay + d1 * std::sin(w1);
            const double p2x = cx + d2 * std::cos(w2), p2y = cy + d2 * std::sin(w2);
            const double t = 0.005;
            if (!(std::fabs(p1x - sx) < t && std::fabs(p1y - sy) < t)) found = 0;
            if (!(std::fabs(p2x - sx) < t && std::fabs(p2y - sy) < t)) found = 0;
        }
        if (found == 1) {
            const double t = 0.005;
            auto near = [&](double px, double py) {
                return std::fabs(px - sx) < t && std::fabs(py - sy) < t;
            };
            if (near(ax, ay) || near(bx, by) || near(cx, cy) || near(dx, dy)) found = 0;
        }
    }
    *ok = found;
}

void kschnittpunkt(double* cx1, double* cy1, double* r1, double* a1s, double* a1e, double* cx2, double* cy2,
                   double* r2, double* a2s, double* a2e, double* xs1, double* ys1, double* xs2, double* ys2,
                   int16_t* n, int16_t* m) {
    Point p[2];
    const int count = circleCircle(*cx1, *cy1, *r1, *cx2, *cy2, *r2, p);
    int on = 0;
    bool valid[2] = {false, false};
    for (int i = 0; i < count; ++i) {
        const double t1 = direction(*cx1, *cy1, p[i].x, p[i].y);
        const double t2 = direction(*cx2, *cy2, p[i].x, p[i].y);
        valid[i] = onArc(t1, *a1s, *a1e, kAngleSlack) && onArc(t2, *a2s, *a2e, kAngleSlack);
        on += valid[i] ? 1 : 0;
    }
    if (count == 2 && !valid[0] && valid[1]) std::swap(p[0], p[1]);
    *xs1 = count >= 1 ? p[0].x : 0;
    *ys1 = count >= 1 ? p[0].y : 0;
    *xs2 = count == 2 ? p[1].x : 0;
    *ys2 = count == 2 ? p[1].y : 0;
    *n = static_cast<int16_t>(on);
    *m = static_cast<int16_t>(count);
}

void klschnittpunkt(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1,
                    double* x2, double* y2, double* xs1, double* ys1, double* xs2, double* ys2, int16_t* n,
                    int16_t* m) {
    Point p[2];
    double s[2] = {0, 0};
    const int count = circleLine(*cx, *cy, *r, *x1, *y1, *x2, *y2, p, s);
    int on = 0;
    bool valid[2] = {false, false};
    for (int i = 0; i < count; ++i) {
        const double t = direction(*cx, *cy, p[i].x, p[i].y);
        valid[i] = s[i] >= -kParamSlack && s[i] <= 1 + kParamSlack && onArc(t, *a1, *a2, kAngleSlack);
        on += valid[i] ? 1 : 0;
    }
    if (count == 2 && !valid[0] && valid[1]) std::swap(p[0], p[1]);
    *xs1 = count >= 1 ? p[0].x : 0;
    *ys1 = count >= 1 ? p[0].y : 0;
    *xs2 = count == 2 ? p[1].x : 0;
    *ys2 = count == 2 ? p[1].y : 0;
    *n = static_cast<int16_t>(on);
    *m = static_cast<int16_t>(count);
}

void comparer(double* px, double* py, double* cx, double* cy, double* r, double* a1, double* a2, double* d,
              double* qx, double* qy, double* t, int16_t* on) {
    const double x = *px, y = *py, ccx = *cx, ccy = *cy, rr = *r, s = *a1, e = *a2;
    const double dc = distance(ccx, ccy, x, y);
    const double w = direction(ccx, ccy, x, y);
    if (rr > 0 && onArc(w, s, e, 0.0)) {
        *qx = ccx + rr * std::cos(w);
        *qy = ccy + rr * std::sin(w);
        *t = w;
        *d = std::fabs(rr - dc);
        *on = 1;
        return;
    }
    const double sx = ccx + rr * std::cos(s), sy = ccy + rr * std::sin(s);
    const double ex = ccx + rr * std::cos(e), ey = ccy + rr * std::sin(e);
    const double ds = distance(x, y, sx, sy), de = distance(x, y, ex, ey);
    const bool startNearer = ds <= de;
    *qx = startNearer ? sx : ex;
    *qy = startNearer ? sy : ey;
    *t = startNearer ? s : e;
    *d = startNearer ? ds : de;
    *on = 0;
}

} // extern "C"
