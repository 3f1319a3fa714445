// Corner rounding: fillets between two lines, an arc and a line, two arcs;
// rounding of numbers to decimals.
#include "kgeom.h"
#include "kgeom_internal.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

using namespace kgeom;

namespace {

bool allFinite(std::initializer_list<double> v) {
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

struct Vec {
    double x = 0, y = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
double norm(Vec a) { return std::hypot(a.x, a.y); }
Vec unit(Vec a) {
    const double n = norm(a);
    return {a.x / n, a.y / n};
}
Vec onCircle(Vec c, double r, double a) { return {c.x + r * std::cos(a), c.y + r * std::sin(a)}; }
bool near(Vec a, Vec b, double tol) { return std::fabs(a.x - b.x) < tol && std::fabs(a.y - b.y) < tol; }

// Direction of travel along an arc away from one of its ends: from the start
// the arc runs counter-clockwise, from the end it runs back clockwise.
Vec travelAway(double a1, double a2, bool atStart) {
    if (atStart) return {-std::sin(a1), std::cos(a1)};
    return {std::sin(a2), -std::cos(a2)};
}

// The radius of the circle, concentric with an element's circle, on which the
// fillet centre lies: inside the circle when the corner opens into it.
double offsetRadius(Vec centre, double r, Vec corner, Vec bisector, double fr) {
    return dot(bisector, centre - corner) > 0 ? r - fr : r + fr;
}

double toleranceOf(const double* tol) { return (std::isfinite(*tol) && *tol > 0) ? *tol : 0.001; }

// Tangent point on a circle for a fillet centred at f.
Vec tangentOnCircle(Vec c, double r, Vec f) { return c + r * unit(f - c); }

constexpr double kSlack = 1e-9;

} // namespace

namespace kgeom {

void filletLines(double* x1, double* y1, double* x2, double* y2, double* x3, double* y3, double* x4,
                 double* y4, double* r, double* xc, double* yc, double* a1, double* a2, int16_t* err,
                 double* theta, int16_t* anglesonly) {
    *err = 0;
    double p1x = *x1, p1y = *y1, p2x = *x2, p2y = *y2;
    double p3x = *x3, p3y = *y3, p4x = *x4, p4y = *y4;
    double w1 = direction(p1x, p1y, p2x, p2y);
    double w2 = direction(p3x, p3y, p4x, p4y);
    int exchanges = 0;
    auto exchange = [&] {
        std::swap(p1x, p3x);
        std::swap(p1y, p3y);
        std::swap(p2x, p4x);
        std::swap(p2y, p4y);
        std::swap(w1, w2);
        ++exchanges;
    };
    if (w2 < w1) exchange();
    double th = w2 - w1;
    if (th > kTwoPi10 - th) {
        th = kTwoPi10 - th;
        exchange();
    }
    *theta = th;
    if (*anglesonly == 1) return; // the points are not moved

    auto fail = [&] { *err = 1; }; // the caller's coordinates were never touched
    double wb = w1 + th / 2;
    if (wb > kTwoPi10) wb -= kTwoPi10;
    const double sh = std::sin(th / 2);
    if (sh == 0) return fail();
    const double dc = std::fabs(*r / sh);
    const double t = std::fabs(dc * std::cos(th / 2));
    const double cx = p1x + dc * std::cos(wb);
    const double cy = p1y + dc * std::sin(wb);
    if (distance(p1x, p1y, p2x, p2y) - t < 0.001 || distance(p3x, p3y, p4x, p4y) - t < 0.001) return fail();
    const double wc = direction(cx, cy, p1x, p1y);
    p1x += t * std::cos(w1);
    p1y += t * std::sin(w1);
    p3x += t * std::cos(w2);
    p3y += t * std::sin(w2);
    double s = w2 + kPi10 / 2;
    double e = w1 + 1.5 * kPi10;
    if (s > kTwoPi10) s -= kTwoPi10;
    if (e > kTwoPi10) e -= kTwoPi10;
    const bool inside = s < e ? (s < wc && wc < e) : (wc > s || wc < e);
    if (!inside) std::swap(s, e);
    if (!allFinite({p1x, p1y, p3x, p3y, cx, cy, s, e, t})) return fail();
    if (exchanges % 2 == 1) exchange();
    *x1 = p1x;
    *y1 = p1y;
    *x3 = p3x;
    *y3 = p3y;
    *xc = cx;
    *yc = cy;
    *a1 = s;
    *a2 = e;
}

} // namespace kgeom

extern "C" {

void roundkl(double* cx, double* cy, double* r, double* a1, double* a2, double* x1, double* y1, double* x2,
             double* y2, double* fxc, double* fyc, double* fr, double* tol, int16_t* computeonly,
             int16_t* err) {
    *err = 1;
    const Vec c{*cx, *cy};
    const double rr = *r, s = *a1, e = *a2, rf = *fr;
    const Vec p1{*x1, *y1}, p2{*x2, *y2};
    if (!allFinite({c.x, c.y, rr, s, e, p1.x, p1.y, p2.x, p2.y, rf}) || !(rr > 0) || !(rf > 0)) return;
    if (norm(p2 - p1) == 0) return;
    const double tl = toleranceOf(tol);
    const Vec as = onCircle(c, rr, s), ae = onCircle(c, rr, e);

    bool arcAtStart = false, lineAtStart = false, found = false;
    for (int k = 0; k < 4 && !found; ++k) {
        const bool atS = k < 2, atP1 = (k % 2) == 0;
        if (near(atS ? as : ae, atP1 ? p1 : p2, tl)) {
            arcAtStart = atS;
            lineAtStart = atP1;
            found = true;
        }
    }
    if (!found) return;
    const Vec corner = lineAtStart ? p1 : p2;
    const Vec far = lineAtStart ? p2 : p1;
    const double lineLength = norm(far - corner);
    const Vec u = unit(far - corner);
    const Vec v = travelAway(s, e, arcAtStart);
    const double turn = cross(u, v);
    if (std::fabs(turn) < 1e-12) return; // tangent or reversed: no corner
    const Vec n = turn > 0 ? Vec{-u.y, u.x} : Vec{u.y, -u.x};
    const Vec bis = u + v;
    const double ro = offsetRadius(c, rr, corner, bis, rf);
    if (!(ro > 0)) return;

    // Fillet centre f = corner + rf n + t u at distance ro from the centre.
    const Vec q0 = corner + rf * n - c;
    const double b = dot(q0, u);
    const double disc = b * b - (dot(q0, q0) - ro * ro);
    if (disc < 0) return;
    const double root = std::sqrt(disc);
    double best = -1;
    double bestAngle = 0;
    for (double t : {-b - root, -b + root}) {
        if (!(t > kSlack) || !(t < lineLength - kSlack)) continue;
        const Vec f = corner + rf * n + t * u;
        const Vec ta = tangentOnCircle(c, rr, f);
        const double ang = direction(c.x, c.y, ta.x, ta.y);
        if (!onArc(ang, s, e, kSlack)) continue;
        if (near(ta, corner, 1e-12)) continue;
        if (best < 0 || t < best) {
            best = t;
            bestAngle = ang;
        }
    }
    if (best < 0) return;
    const Vec f = corner + rf * n + best * u;
    const Vec tlPoint = corner + best * u;
    if (!allFinite({f.x, f.y, tlPoint.x, tlPoint.y, bestAngle})) return;
    *fxc = f.x;
    *fyc = f.y;
    if (*computeonly != 1) {
        if (arcAtStart)
            *a1 = bestAngle;
        else
            *a2 = bestAngle;
        if (lineAtStart) {
            *x1 = tlPoint.x;
            *y1 = tlPoint.y;
        } else {
            *x2 = tlPoint.x;
            *y2 = tlPoint.y;
        }
    }
    *err = 0;
}

void roundkk(double* cx1, double* cy1, double* r1, double* a1s, double* a1e, double* cx2, double* cy2,
             double* r2, double* a2s, double* a2e, double* fxc, double* fyc, double* fr, double* tol,
             int16_t* computeonly, int16_t* err) {
    *err = 1;
    const Vec c1{*cx1, *cy1}, c2{*cx2, *cy2};
    const double ra = *r1, rb = *r2, s1 = *a1s, e1 = *a1e, s2 = *a2s, e2 = *a2e, rf = *fr;
    if (!allFinite({c1.x, c1.y, ra, s1, e1, c2.x, c2.y, rb, s2, e2, rf}) || !(ra > 0) || !(rb > 0) ||
        !(rf > 0))
        return;
    const double tl = toleranceOf(tol);
    const Vec p1s = onCircle(c1, ra, s1), p1e = onCircle(c1, ra, e1);
    const Vec p2s = onCircle(c2, rb, s2), p2e = onCircle(c2, rb, e2);
    // Which ends meet, in this order: end on start, start on end, start on
    // start, end on end.
    const struct {
        bool firstAtStart, secondAtStart;
    } cases[4] = {{false, true}, {true, false}, {true, true}, {false, false}};
    int which = -1;
    for (int k = 0; k < 4 && which < 0; ++k) {
        const Vec a = cases[k].firstAtStart ? p1s : p1e;
        const Vec b = cases[k].secondAtStart ? p2s : p2e;
        if (near(a, b, tl)) which = k;
    }
    if (which < 0) return;
    const bool firstAtStart = cases[which].firstAtStart;
    const bool secondAtStart = cases[which].secondAtStart;
    const Vec corner = firstAtStart ? p1s : p1e;
    const Vec v1 = travelAway(s1, e1, firstAtStart);
    const Vec v2 = travelAway(s2, e2, secondAtStart);
    const Vec bis = v1 + v2;
    if (norm(bis) < 1e-12 || std::fabs(cross(v1, v2)) < 1e-12) return;
    const double ro1 = offsetRadius(c1, ra, corner, bis, rf);
    const double ro2 = offsetRadius(c2, rb, corner, bis, rf);
    if (!(ro1 > 0) || !(ro2 > 0)) return;

    double xs[2] = {0, 0}, ys[2] = {0, 0};
    double zero = 0, full = 0, ro1v = ro1, ro2v = ro2, c1x = c1.x, c1y = c1.y, c2x = c2.x, c2y = c2.y;
    int16_t n = 0, m = 0;
    kschnittpunkt(&c1x, &c1y, &ro1v, &zero, &full, &c2x, &c2y, &ro2v, &zero, &full, &xs[0], &ys[0], &xs[1],
                  &ys[1], &n, &m);
    double bestDist = -1, bestT1 = 0, bestT2 = 0;
    Vec bestF;
    for (int i = 0; i < m; ++i) {
        const Vec f{xs[i], ys[i]};
        if (dot(f - corner, bis) <= 0) continue;
        const Vec t1 = tangentOnCircle(c1, ra, f), t2 = tangentOnCircle(c2, rb, f);
        const double ang1 = direction(c1.x, c1.y, t1.x, t1.y);
        const double ang2 = direction(c2.x, c2.y, t2.x, t2.y);
        if (!onArc(ang1, s1, e1, kSlack) || !onArc(ang2, s2, e2, kSlack)) continue;
        if (near(t1, corner, 1e-12) || near(t2, corner, 1e-12)) continue;
        const double d = norm(f - corner);
        if (bestDist < 0 || d < bestDist) {
            bestDist = d;
            bestF = f;
            bestT1 = ang1;
            bestT2 = ang2;
        }
    }
    if (bestDist < 0 || !allFinite({bestF.x, bestF.y, bestT1, bestT2})) return;
    *fxc = bestF.x;
    *fyc = bestF.y;
    if (*computeonly != 1) {
        (firstAtStart ? *a1s : *a1e) = bestT1;
        (secondAtStart ? *a2s : *a2e) = bestT2;
    }
    *err = 0;
}

void rounder(double* x, int16_t* n) {
    if (*n < 1) return;
    const int digits = std::min<int>(*n, 18);
    const double scale = std::pow(10.0, digits);
    const double scaled = *x * scale;
    // Beyond 2^53 a double holds no fraction digits worth rounding.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9007199254740992.0) return;
    *x = std::nearbyint(scaled) / scale;
}

} // extern "C"
