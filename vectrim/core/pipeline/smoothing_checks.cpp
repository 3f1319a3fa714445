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

double directionDifference(double a, double b) { return std::remainder(a - b, kTwoPi); }

double travelAt(const ArcR& a, bool atStart, bool leaving) {
    // Counter-clockwise the direction is the angle plus a quarter turn.
    if (atStart) return leaving ? a.a1 + kPi / 2 : a.a1 - kPi / 2;
    return leaving ? a.a2 - kPi / 2 : a.a2 + kPi / 2;
}

bool filletRunsWithPath(const ArcR& one, bool oneAtStart, const ArcR& fillet, const ArcR& two,
                        bool twoAtStart) {
    const Point p1 = oneAtStart ? startOf(one) : endOf(one);
    const Point p2 = twoAtStart ? startOf(two) : endOf(two);
    const Point fs = startOf(fillet), fe = endOf(fillet);
    auto gap = [](Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y); };
    // Which end of the fillet lies at arc one.
    const bool fromStart = gap(fs, p1) + gap(fe, p2) <= gap(fe, p1) + gap(fs, p2);
    const Point at1 = fromStart ? fs : fe, at2 = fromStart ? fe : fs;
    if (!coincide(at1.x, at1.y, p1.x, p1.y, kArcJunctionPoint) ||
        !coincide(at2.x, at2.y, p2.x, p2.y, kArcJunctionPoint))
        return false;
    const double in =
        directionDifference(travelAt(one, oneAtStart, false), travelAt(fillet, fromStart, true));
    const double out =
        directionDifference(travelAt(fillet, !fromStart, false), travelAt(two, twoAtStart, true));
    return std::fabs(in) < kWithThePath && std::fabs(out) < kWithThePath;
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

Point meetingPoint(const ArcR& a, const Line& l) {
    const Point s = startOf(a), e = endOf(a);
    auto nearer = [&](double x, double y) {
        return std::min(std::hypot(x - s.x, y - s.y), std::hypot(x - e.x, y - e.y));
    };
    return nearer(l.x1, l.y1) <= nearer(l.x2, l.y2) ? Point{l.x1, l.y1} : Point{l.x2, l.y2};
}

Point junctionOf(const ArcR& first, int16_t type) {
    const int kind = std::abs(type);
    return kind == 2 || kind == 3 ? startOf(first) : endOf(first);
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
