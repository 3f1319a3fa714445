// Angles, distances, arc points, circle through three points, rotation,
// scaling, view mapping, clipping and the timed pause.
#include "kgeom.h"
#include "kgeom_internal.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <utility>

namespace kgeom {

double direction(double x1, double y1, double x2, double y2) {
    double w = 0;
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    if (dx != 0) w = std::fabs(std::atan(dy / dx));
    // Each rule whose condition holds is applied in turn; a later one wins.
    if (x1 > x2 && y1 < y2) w = kPi - w;
    if (x1 > x2 && y1 > y2) w = kPi + w;
    if (x1 < x2 && y1 > y2) w = kTwoPi - w;
    if (x1 == x2 && y1 < y2) w = 0.5 * kPi;
    if (x1 > x2 && y1 == y2) w = kPi;
    if (x1 == x2 && y1 > y2) w = 1.5 * kPi;
    return w;
}

double distance(double x1, double y1, double x2, double y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

// Rotates one point about (x0, y0) the way drehlinie does it: distance and
// direction from the pivot, direction plus dw, point on that circle.
static void rotatePoint(double x0, double y0, double dw, double& x, double& y) {
    const double r = distance(x0, y0, x, y);
    const double a = direction(x0, y0, x, y) + dw;
    x = x0 + r * std::cos(a);
    y = y0 + r * std::sin(a);
}

} // namespace kgeom

using namespace kgeom;

extern "C" {

void winkelx(double* x1, double* y1, double* x2, double* y2, double* w) {
    *w = direction(*x1, *y1, *x2, *y2);
}

void winkelxb(double* x1, double* y1, double* x2, double* y2, double* w) {
    *w = direction(*x1, *y1, *x2, *y2);
}

void differenz(double* x1, double* y1, double* x2, double* y2, double* d) {
    *d = distance(*x1, *y1, *x2, *y2);
}

void kdaten(double* xc, double* yc, double* r, double* w, double* x, double* y) {
    const double cx = *xc, cy = *yc, rr = *r, ww = *w;
    *x = cx + rr * std::cos(ww);
    *y = cy + rr * std::sin(ww);
}

void kdaten2(double* xc, double* yc, double* r, double* w, double* x, double* y) {
    const double cx = *xc, cy = *yc, rr = *r, ww = *w;
    *x = cx + rr * std::cos(ww);
    *y = cy - rr * std::sin(ww);
}

void rech(double* x1, double* y1, double* x2, double* y2, double* xc, double* yc, double* w1, double* w2,
          double* r, double* x3, double* y3) {
    // A horizontal chord would make the divisor a zero: work with x and y
    // exchanged (in the caller's variables) and exchange back at the end.
    const bool swapped = (*y2 == *y1);
    if (swapped) {
        std::swap(*x1, *y1);
        std::swap(*x2, *y2);
        std::swap(*x3, *y3);
    }
    const double a = 2 * *y2 - 2 * *y1;
    const double b = 2 * *y3 - 2 * *y1;
    const double s2 = std::pow(*x2, 2) - std::pow(*x1, 2) - std::pow(*y1, 2) + std::pow(*y2, 2);
    const double s3 = std::pow(*x3, 2) - std::pow(*x1, 2) - std::pow(*y1, 2) + std::pow(*y3, 2);
    double cx = s2 * b - s3 * a;
    const double d = (2 * a * *x1 - 2 * a * *x3) - (2 * b * *x1 - 2 * b * *x2);
    if (d != 0) cx = cx / d;
    *xc = cx;
    if (a != 0) *yc = (s2 + (2 * *x1 - 2 * *x2) * cx) / a;
    *r = std::sqrt((*x3 - *xc) * (*x3 - *xc) + (*y3 - *yc) * (*y3 - *yc));
    if (swapped) {
        std::swap(*x1, *y1);
        std::swap(*x2, *y2);
        std::swap(*x3, *y3);
        std::swap(*xc, *yc);
    }
    double s = direction(*xc, *yc, *x1, *y1);
    double m = direction(*xc, *yc, *x3, *y3);
    double e = direction(*xc, *yc, *x2, *y2);
    bool through;
    if (e > s)
        through = (s <= m && m <= e);
    else
        through = (s <= m && m <= kTwoPi) || (0 <= m && m <= e);
    if (!through) std::swap(s, e);
    *w1 = s;
    *w2 = e;
}

void drehlinie(double* x0, double* y0, double* dw, double* x1, double* y1, double* x2, double* y2) {
    rotatePoint(*x0, *y0, *dw, *x1, *y1);
    rotatePoint(*x0, *y0, *dw, *x2, *y2);
}

void drehkreis(double* x0, double* y0, double* dw, double* xc, double* yc, double* r, double* w1,
               double* w2) {
    // The full-circle test uses the single-precision 0.001 of the original.
    const double eps = static_cast<double>(0.001f);
    const bool full = *w1 < eps && std::fabs(*w2 - kTwoPi) < eps;
    double sx = *xc + *r * std::cos(*w1), sy = *yc + *r * std::sin(*w1);
    double ex = *xc + *r * std::cos(*w2), ey = *yc + *r * std::sin(*w2);
    rotatePoint(*x0, *y0, *dw, *xc, *yc);
    rotatePoint(*x0, *y0, *dw, sx, sy);
    rotatePoint(*x0, *y0, *dw, ex, ey);
    *w1 = direction(*xc, *yc, sx, sy);
    *w2 = direction(*xc, *yc, ex, ey);
    if (full) {
        *w1 = 0;
        *w2 = kTwoPi;
    }
}

void lskalieren(double* x0, double* y0, double* fx, double* fy, double* x1, double* y1, double* x2,
                double* y2) {
    *x1 = *x0 + *fx * (*x1 - *x0);
    *y1 = *y0 + *fy * (*y1 - *y0);
    *x2 = *x0 + *fx * (*x2 - *x0);
    *y2 = *y0 + *fy * (*y2 - *y0);
}

void kskalieren(double* x0, double* y0, double* fx, double* fy, double* r, double* xc, double* yc, double* w1,
                double* w2) {
    const double cx = *xc, cy = *yc, rr = *r, s = *w1, e = *w2;
    double sx = cx + rr * std::cos(s), sy = cy + rr * std::sin(s);
    double ex = cx + rr * std::cos(e), ey = cy + rr * std::sin(e);
    double mx = 0, my = 0;
    if (e != s) {
        const double wm = e > s ? s + 0.5 * (e - s) : 0.0;
        mx = cx + rr * std::cos(wm);
        my = cy + rr * std::sin(wm);
    }
    auto scale = [&](double& x, double& y) {
        x = *x0 + *fx * (x - *x0);
        y = *y0 + *fy * (y - *y0);
    };
    scale(sx, sy);
    scale(ex, ey);
    scale(mx, my);
    double ncx = cx, ncy = cy;
    scale(ncx, ncy);
    *xc = ncx;
    *yc = ncy;
    *r = std::fabs(*fx) * rr;
    double ns = direction(ncx, ncy, sx, sy);
    double ne = direction(ncx, ncy, ex, ey);
    const double nm = direction(ncx, ncy, mx, my);
    if (ne > ns && (ns > nm || ne < nm))
        std::swap(ns, ne);
    else if (ne < ns && ne < nm && nm < ns)
        std::swap(ns, ne);
    *w1 = ns;
    *w2 = ne;
}

void ersatz1(double* px, double* py, double* x, double* y, double* xmin, double* xmax, double* ymin,
             double* ymax) {
    *x = *xmin + (*xmax - *xmin) * *px / kScreenWidth;
    *y = *ymax - (*ymax - *ymin) * *py / kScreenHeight;
}

void ersatz2(double* px, double* py, double* x, double* y, double* xmin, double* xmax, double* ymin,
             double* ymax) {
    const double w = *xmax - *xmin;
    const double h = *ymax - *ymin;
    if (w == 0 || h == 0) return;
    *px = kScreenWidth * (*x - *xmin) / w;
    *py = kScreenHeight * (*ymax - *y) / h;
}

void bilz(double* x1, double* y1, double* x2, double* y2, int16_t* outside) {
    *outside = 1;
    if ((*x1 >= 0 && *x1 <= kScreenWidth) || (*x2 >= 0 && *x2 <= kScreenWidth)) *outside = 0;
    if ((*y1 >= 0 && *y1 <= kScreenHeight) || (*y2 >= 0 && *y2 <= kScreenHeight)) *outside = 0;

    // Intersects the line with one screen border and moves the given end
    // there when lschnittpunkt reports a crossing.
    auto clip = [&](double bx1, double by1, double bx2, double by2, double& ex, double& ey) {
        double xs = 0, ys = 0;
        int16_t ok = 0;
        lschnittpunkt(x1, y1, x2, y2, &bx1, &by1, &bx2, &by2, &xs, &ys, &ok);
        if (ok == 1) {
            *outside = 0;
            ex = xs;
            ey = ys;
        }
    };
    const double right = kScreenWidth - 1, bottom = kScreenHeight - 1;
    if (*x2 < *x1) {
        std::swap(*x1, *x2);
        std::swap(*y1, *y2);
    }
    if (*x2 > right) clip(right, 0, right, bottom, *x2, *y2);
    if (*x1 < 0) clip(0, 0, 0, bottom, *x1, *y1);
    if (*y2 < *y1) {
        std::swap(*x1, *x2);
        std::swap(*y1, *y2);
    }
    if (*y2 > bottom) clip(0, bottom, right, bottom, *x2, *y2);
    if (*y1 < 0) clip(0, 0, right, 0, *x1, *y1);
}

void mpause(double* seconds) {
    const double want = *seconds;
    if (!(want > 0) || !std::isfinite(want)) return;
    const double limit = want > 60.0 ? 60.0 : want;
    // Time of day in seconds since local midnight, millisecond resolution.
    auto timeOfDay = [] {
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t tt = system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&tt, &local);
        const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
        return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
    };
    const double t0 = timeOfDay();
    // A steady clock bounds the wait, so that a clock change cannot hang it.
    const auto start = std::chrono::steady_clock::now();
    while (std::fabs(t0 - timeOfDay()) < limit) {
        if (std::chrono::steady_clock::now() - start > std::chrono::duration<double>(limit)) break;
    }
}

} // extern "C"
