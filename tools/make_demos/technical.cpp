// The parametric and technical demo drawings: a flower of short lines, an
// ornament of overlapping circles, a four-leaf clover of arcs, a cam of
// digitised points and a flange plate drawn partly twice.
#include "drawings.h"
#include "outline.h"

#include <cstdint>

namespace demos {

// A six-petalled flower with a ringed centre, a stem and two leaves, all as
// short lines: material for the reduction and the line-to-arc conversion.
void flower(DemoDxf& d) {
    const double cx = 100, cy = 130;
    d.lines(polar(cx, cy, 720, 0, 2 * kPi, [](double t) { return 40 + 22 * std::cos(6 * t); }));
    d.lines(polar(cx, cy, 360, 0, 2 * kPi, [](double t) { return 17 + 2.2 * std::cos(12 * t + kPi / 12); }));
    d.lines(polar(cx, cy, 120, 0, 2 * kPi, [](double) { return 9.0; }));
    // the stem: two gently curved sides
    Points left, right;
    for (int i = 0; i <= 60; ++i) {
        const double y = cy - 60 - 90.0 * i / 60;
        const double bend = 6 * std::sin(kPi * i / 60);
        left.emplace_back(cx - 2.5 + bend, y);
        right.emplace_back(cx + 2.5 + bend, y);
    }
    d.lines(left);
    d.lines(right);
    d.line(left.back(), right.back());
    // two leaves, each two circular flanks sampled into lines
    for (int side : {-1, 1}) {
        const double bx = cx + 5 * side, by = cy - 105;
        const double tx = cx + 48 * side, ty = cy - 78;
        Points upper, lower;
        for (int i = 0; i <= 80; ++i) {
            const double u = static_cast<double>(i) / 80;
            const double x = bx + (tx - bx) * u, y = by + (ty - by) * u;
            const double bulge = 11 * std::sin(kPi * u);
            upper.emplace_back(x - 0.5 * bulge * side, y + bulge);
            lower.emplace_back(x + 0.5 * bulge * side, y - bulge);
        }
        d.lines(upper);
        d.lines(lower);
    }
}

// A rosette: seven overlapping circles (the "flower of life") inside a
// looped band, a ring of two half arcs and a scalloped rim. The circles and
// the loops cross each other, which junction splitting turns into arcs and
// lines that meet end to end.
void ornament(DemoDxf& d) {
    const Point c{100, 100};
    d.circle(c, 24, "ROSETTE");
    for (int k = 0; k < 6; ++k)
        d.circle({c.first + 24 * std::cos(k * kPi / 3), c.second + 24 * std::sin(k * kPi / 3)}, 24,
                 "ROSETTE");
    // a band of twelve loops (a hypotrochoid), polygonised
    Points band;
    const int n = 1440;
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * kPi * i / n;
        const double R = 66, r = 5.5, h = 9;
        band.emplace_back(c.first + (R - r) * std::cos(t) + h * std::cos((R - r) / r * t),
                          c.second + (R - r) * std::sin(t) - h * std::sin((R - r) / r * t));
    }
    d.lines(band, "BAND");
    // the ring: two half arcs, one ending 0.1 mm short
    d.arc(c, 76, 0, 180, "RING");
    d.arc(c, 76, 180, 360 - 0.0754, "RING");
    // the rim: 24 scallops as one closed polyline of arcs
    Points rim;
    std::vector<double> bulges;
    for (int k = 0; k < 24; ++k) {
        const double t = 2 * kPi * k / 24;
        rim.emplace_back(c.first + 88 * std::cos(t), c.second + 88 * std::sin(t));
        bulges.push_back(0.45);
    }
    d.polyline(rim, true, "RAND", bulges);
}

// A four-leaf clover with its stem as one closed polyline of lines and
// arcs: each leaf is two round lobes meeting in a notch; the leaves meet at
// corners that the smoothing rounds.
void cloverleaf(DemoDxf& d) {
    const Point c{100, 110};
    // one leaf along the x axis: lobes of radius r about (a, +-b), reached
    // from the valleys beside it by straight flanks
    const double a = 28, b = 8, r = 12;
    const double notchX = a + std::sqrt(r * r - b * b);
    const double dist = std::hypot(a, b), phi = std::atan2(b, a), alpha = std::asin(r / dist);
    const double tangentLength = std::sqrt(dist * dist - r * r);
    const Point upperT{tangentLength * std::cos(phi + alpha), tangentLength * std::sin(phi + alpha)};
    const double startAngle = std::atan2(upperT.second - b, upperT.first - a); // on the upper lobe
    const double notchAngle = std::atan2(-b, notchX - a);
    auto bulge = [](double sweep) { return std::tan(sweep / 4); };
    const double lobeSweep = startAngle - notchAngle; // counter-clockwise from the notch

    Points pts;
    std::vector<double> bulges;
    auto add = [&](double x, double y, double rot, double bulgeAfter) {
        pts.emplace_back(c.first + x * std::cos(rot) - y * std::sin(rot),
                         c.second + x * std::sin(rot) + y * std::cos(rot));
        bulges.push_back(bulgeAfter);
    };
    const double valley = 5;
    for (int k = 0; k < 4; ++k) {
        const double rot = kPi / 4 + k * kPi / 2;
        if (k == 3) {
            // the stem between the two lower leaves: straight down from the
            // flank ends of the leaves, then curving, with a round end
            const double x = upperT.first * std::cos(rot) + upperT.second * std::sin(rot); // about 2.2
            add(-x, -48, 0, 0.08);
            add(4, -85, 0, 1);
            add(4 + 2 * x, -85, 0, -0.08);
            add(x, -48, 0, 0);
        } else {
            add(valley * std::cos(rot - kPi / 4), valley * std::sin(rot - kPi / 4), 0, 0);
        }
        // the leaf: lower flank end, lower lobe, notch, upper lobe, upper flank end
        add(upperT.first, -upperT.second, rot, bulge(lobeSweep));
        add(notchX, 0, rot, bulge(lobeSweep));
        add(upperT.first, upperT.second, rot, 0);
    }
    d.polyline(pts, true, "KLEE", bulges);
}

// A cam disc as a digitiser would deliver it: its outline and its bore as
// short lines through points that scatter by a few hundredths of a
// millimetre, a keyway in the bore and a gap of 0.12 mm.
void curve1(DemoDxf& d) {
    const Point c{90, 90};
    std::uint32_t seed = 12345;
    auto scatter = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (static_cast<double>(seed >> 8) / 16777216.0 - 0.5) * 0.06; // +-0.03
    };
    Points cam = polar(c.first, c.second, 900, 0, 2 * kPi, [](double t) {
        return 62 + 14 * std::cos(t) + 5 * std::cos(2 * t + 0.6) - 2.5 * std::sin(3 * t);
    });
    for (size_t i = 0; i + 1 < cam.size(); ++i) {
        cam[i].first += scatter();
        cam[i].second += scatter();
    }
    cam.back() = cam.front();
    faultyLines(d, cam, {{{0.37, 0.12}}, {}}, "NOCKE");
    // the bore with a keyway at the top
    const double rb = 16, key = 3;
    const double half = std::asin(key / rb);
    Points bore =
        polar(c.first, c.second, 120, kPi / 2 + half, kPi / 2 - half + 2 * kPi, [rb](double) { return rb; });
    bore.emplace_back(c.first + key, c.second + rb + 3.5);
    bore.emplace_back(c.first - key, c.second + rb + 3.5);
    bore.push_back(bore.front());
    d.lines(bore, "BOHRUNG");
}

// A flange plate 160 x 100 with rounded corners, holes, a slot and a
// hexagonal pocket, with the faults of real drawings: two gaps of 0.3 and
// 0.15 mm, an edge piece 0.05 mm long, and much of it drawn twice: a line,
// a circle, the slot, the hexagon and an overlapping piece of the bottom
// edge.
void doublePart(DemoDxf& d) {
    const double w = 160, h = 100, r = 12;
    // outline, counter-clockwise from the bottom edge
    d.line({r, 0}, {w - r, 0});
    d.line({40, 0}, {110, 0}); // lies on the bottom edge
    d.arc({w - r, r}, r, 270, 360);
    d.line({w, r}, {w, h - r - 0.3}); // a gap of 0.3 below the next corner
    d.arc({w - r, h - r}, r, 0, 90);
    d.line({w - r, h}, {80.05, h}); // the top edge in three pieces ...
    d.line({80.05, h}, {80, h});    // ... one of them only 0.05 long
    d.line({80, h}, {r, h});
    d.arc({r, h - r}, r, 90, 180);
    d.line({0, h - r}, {0, r});
    d.line({0, r}, {0, h - r}); // drawn twice, the other way round
    d.arc({r, r}, r, 180, 270);
    // bolt holes
    for (const Point& p : {Point{14, 14}, Point{w - 14, 14}, Point{w - 14, h - 14}, Point{14, h - 14}})
        d.circle(p, 4.5, "BOHRUNG");
    d.circle({14, 14}, 4.5, "BOHRUNG"); // drawn twice
    // the central bore
    d.circle({58, 50}, 20, "BOHRUNG");
    // a slot with a gap of 0.15 at one end, drawn twice
    for (int copy = 0; copy < 2; ++copy) {
        d.line({100, 30}, {130, 30}, "NUT");
        d.arc({130, 40}, 10, 270, 90, "NUT");
        d.line({130, 50}, {100, 50}, "NUT");
        d.arc({100, 40}, 10, 90, 270 - 0.86, "NUT"); // ends 0.15 short of the first line
    }
    // a hexagonal pocket as one closed polyline and again as lines
    Points hex;
    for (int i = 0; i < 6; ++i) {
        const double t = kPi / 6 + i * kPi / 3;
        hex.emplace_back(115 + 14 * std::cos(t), 75 + 14 * std::sin(t));
    }
    d.polyline(hex, true, "TASCHE");
    hex.push_back(hex.front());
    d.lines(hex, "TASCHE");
}

} // namespace demos
