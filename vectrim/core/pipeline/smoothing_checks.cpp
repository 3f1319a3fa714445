#include "pipeline/smoothing_checks.h"

#include "kgeom_api.h"

#include <algorithm>

namespace vectrim::smoothing {

ArcR radians(const Arc& a) { return {a.cx, a.cy, a.r, a.a1 * kDegToRad, a.a2 * kDegToRad}; }

void store(Arc& to, const ArcR& a) {
    to.cx = a.cx;
    to.cy = a.cy;
    to.r = a.r;
    to.a1 = a.a1 * kRadToDeg;
    to.a2 = a.a2 * kRadToDeg;
}

Point startOf(const ArcR& a) { return {a.cx + a.r * std::cos(a.a1), a.cy + a.r * std::sin(a.a1)}; }
Point endOf(const ArcR& a) { return {a.cx + a.r * std::cos(a.a2), a.cy + a.r * std::sin(a.a2)}; }

double span(const ArcR& a) { return a.a1 < a.a2 ? a.a2 - a.a1 : kTwoPi - a.a1 + a.a2; }
double length(const ArcR& a) { return span(a) * a.r; }

bool checkarc(const ArcR& a, const RunSettings& s) {
    return a.r <= s.maxradius && span(a) <= kArcMaxSweep && span(a) * a.r >= s.minlength &&
           a.r >= s.minradius;
}

bool checkarcpos(const ArcR& a, const RunSettings& s) { return checkarc(a, s) && a.a1 >= 0 && a.a2 >= 0; }

bool nearsegment(Point q, Point p1, Point p2, double t) {
    const double len = kg::differenz(p1.x, p1.y, p2.x, p2.y);
    if (len == 0) return false;
    const double dq = kg::differenz(p1.x, p1.y, q.x, q.y);
    if (!(dq <= len + t)) return false;
    const double w = kg::winkelx(p1.x, p1.y, p2.x, p2.y);
    const Point along{p1.x + dq * std::cos(w), p1.y + dq * std::sin(w)};
    return kg::differenz(along.x, along.y, q.x, q.y) <= t;
}

bool nearlines(Point q, Point k, Point fi, Point fj, double t) {
    return nearsegment(q, k, fi, t) || nearsegment(q, k, fj, t);
}

static bool nearcircle(Point q, const ArcR& c, double t) {
    return std::fabs(c.r - kg::differenz(c.cx, c.cy, q.x, q.y)) <= t;
}

bool nearcircleline(Point q, const ArcR& c, Point p1, Point p2, double t) {
    return nearcircle(q, c, t) || nearsegment(q, p1, p2, t);
}

bool nearcircles(Point q, const ArcR& c1, const ArcR& c2, double t) {
    return nearcircle(q, c1, t) || nearcircle(q, c2, t);
}

bool anglewithin(const ArcR& range, Point q) {
    const double th = kg::winkelx(range.cx, range.cy, q.x, q.y);
    if (range.a1 < range.a2) return range.a1 <= th && th <= range.a2;
    return th >= range.a1 || (th >= 0 && th <= range.a2);
}

int16_t arcjunction(const ArcR& a, const ArcR& b) {
    const Point as = startOf(a), ae = endOf(a), bs = startOf(b), be = endOf(b);
    auto meet = [](Point p, Point q) { return coincide(p.x, p.y, q.x, q.y, kArcJunctionPoint); };
    int16_t code = 0;
    if (meet(as, bs)) code = 1;
    if (meet(as, be)) code = 2;
    if (meet(ae, bs)) code = 2;
    if (meet(ae, be)) code = 1;
    return code;
}

size_t ByContour::after(int16_t contour, int32_t index) const {
    const std::vector<int32_t>& l = of(contour);
    return static_cast<size_t>(std::upper_bound(l.begin(), l.end(), index) - l.begin());
}

ByContour linesByContour(const Drawing& d) {
    ByContour b;
    for (int32_t i = 0; i < d.linecount; ++i) b.add(d.lines[i].contour, i);
    return b;
}

ByContour arcsByContour(const Drawing& d) {
    ByContour b;
    for (int32_t i = 0; i < d.arccount; ++i) b.add(d.arcs[i].contour, i);
    return b;
}

void progress(Host& host, int32_t i, const char* longText, const char* shortText) {
    if (i % 100 != 0) return;
    host.info(i % 300 == 0 ? longText : shortText);
    host.doEvents();
}

} // namespace vectrim::smoothing
