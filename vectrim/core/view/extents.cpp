#include "view/extents.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {
constexpr double kArcBoxPi = 3.141592653589793;

// Whether the direction d lies on the counter-clockwise sweep a1 -> a2.
bool sweepsOver(double d, double a1, double a2) {
    if (a1 == a2) return true;
    if (a1 < a2) return a1 <= d && d <= a2;
    return d >= a1 || d <= a2;
}
} // namespace

ArcBox arcbox(double cx, double cy, double r, double a1, double a2) {
    ArcBox b{};
    b.sx = cx + r * std::cos(a1);
    b.sy = cy + r * std::sin(a1);
    b.ex = cx + r * std::cos(a2);
    b.ey = cy + r * std::sin(a2);
    b.box = {std::min(b.sx, b.ex), std::min(b.sy, b.ey), std::max(b.sx, b.ex), std::max(b.sy, b.ey)};
    if (sweepsOver(0, a1, a2) || sweepsOver(2 * kArcBoxPi, a1, a2)) b.box.xmax = cx + r;
    if (sweepsOver(kArcBoxPi / 2, a1, a2)) b.box.ymax = cy + r;
    if (sweepsOver(kArcBoxPi, a1, a2)) b.box.xmin = cx - r;
    if (sweepsOver(1.5 * kArcBoxPi, a1, a2)) b.box.ymin = cy - r;
    return b;
}

bool getextents(Drawing& d, Box& box, int onlyMeasure) {
    if (d.linecount == 0 && d.arccount == 0) return false;
    const double start = 1e50;
    Box b{start, start, -start, -start};
    for (int32_t i = 0; i < d.arccount; ++i) {
        Arc& a = d.arcs[i];
        a.a1 = normalisedAngle(a.a1);
        a.a2 = normalisedAngle(a.a2);
        const ArcBox ab = arcbox(a.cx, a.cy, a.r, a.a1 * kDegToRad, a.a2 * kDegToRad);
        b.xmin = std::min(b.xmin, ab.box.xmin);
        b.ymin = std::min(b.ymin, ab.box.ymin);
        b.xmax = std::max(b.xmax, ab.box.xmax);
        b.ymax = std::max(b.ymax, ab.box.ymax);
    }
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        b.xmin = std::min({b.xmin, l.x1, l.x2});
        b.ymin = std::min({b.ymin, l.y1, l.y2});
        b.xmax = std::max({b.xmax, l.x1, l.x2});
        b.ymax = std::max({b.ymax, l.y1, l.y2});
    }
    if (onlyMeasure == 1) {
        box = b;
        return true;
    }
    if (b.xmin == start && b.ymin == start && b.xmax == -start && b.ymax == -start) {
        box = {0, 0, 639, 479};
        return true;
    }
    if (b.xmin == b.xmax && b.ymin == b.ymax) {
        b = {b.xmin - 320, b.ymin - 240, b.xmin + 320, b.ymin + 240};
    }
    double w = b.xmax - b.xmin, h = b.ymax - b.ymin;
    if (w > h) {
        b.ymin -= (w - h) / 2;
        b.ymax += (w - h) / 2;
    } else {
        b.xmin -= (h - w) / 2;
        b.xmax += (h - w) / 2;
    }
    w = b.xmax - b.xmin;
    const double margin = 0.1 * w;
    b = {b.xmin - margin, b.ymin - margin, b.xmax + margin, b.ymax + margin};
    w = b.xmax - b.xmin;
    const double widen = (w * 1.333333333 - w) / 2;
    b.xmin -= widen;
    b.xmax += widen;
    box = b;
    return true;
}

void moveToOrigin(Drawing& d, ViewWindow& window) {
    Box m{0, 0, 0, 0};
    getextents(d, m, 1);
    for (int32_t i = 0; i < d.linecount; ++i) {
        Line& l = d.lines[i];
        l.x1 -= m.xmin;
        l.x2 -= m.xmin;
        l.y1 -= m.ymin;
        l.y2 -= m.ymin;
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        d.arcs[i].cx -= m.xmin;
        d.arcs[i].cy -= m.ymin;
    }
    Box fit{0, 0, 0, 0};
    getextents(d, fit, 0);
    window = {fit.xmin, fit.ymin, fit.xmax, fit.ymax};
}

} // namespace vectrim
