// Generated drawings that look like sheet-metal parts: outlines of lines and
// arcs run both ways, holes, slots, open chains and loose elements, at
// coordinates that are not round numbers.
#pragma once

#include "model/drawing.h"

#include <cmath>
#include <random>

namespace vectrim::test {

class PartMaker {
public:
    PartMaker(Drawing& d, unsigned seed) : d_(d), rng_(seed) {}

    double any(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }

    // A rectangle w x h at (x, y) with corner radius r. Its arcs are stored
    // counter-clockwise as always; its lines run clockwise when `clockwise`,
    // so the contour passes every arc backwards. The lines start and end
    // exactly on the arcs' end points.
    void roundedRectangle(double x, double y, double w, double h, double r, bool clockwise) {
        const Arc corners[4] = {{x + w - r, y + r, r, 270, 360},
                                {x + w - r, y + h - r, r, 0, 90},
                                {x + r, y + h - r, r, 90, 180},
                                {x + r, y + r, r, 180, 270}};
        for (const Arc& a : corners) d_.appendArc(a.cx, a.cy, a.r, a.a1, a.a2);
        for (int k = 0; k < 4; ++k) {
            const Point from = arcEnd(corners[k]), to = arcStart(corners[(k + 1) % 4]);
            if (clockwise)
                d_.appendLine(to.x, to.y, from.x, from.y);
            else
                d_.appendLine(from.x, from.y, to.x, to.y);
        }
    }

    // A slot: two half circles of radius r joined by two lines.
    void slot(double x, double y, double length, double r) {
        const Arc right{x + length, y, r, 270, 90}, left{x, y, r, 90, 270};
        d_.appendArc(right.cx, right.cy, right.r, right.a1, right.a2);
        d_.appendArc(left.cx, left.cy, left.r, left.a1, left.a2);
        const Point a = arcEnd(right), b = arcStart(left), c = arcEnd(left), e = arcStart(right);
        d_.appendLine(a.x, a.y, b.x, b.y);
        d_.appendLine(c.x, c.y, e.x, e.y);
    }

    // An open chain: a line, an arc of more than 180 degrees, a line.
    void hook(double x, double y, double r) {
        const Arc a{x, y, r, any(0, 60), any(250, 330)};
        d_.appendArc(a.cx, a.cy, a.r, a.a1, a.a2);
        const Point s = arcStart(a), e = arcEnd(a);
        d_.appendLine(s.x + r, s.y - r, s.x, s.y);
        d_.appendLine(e.x, e.y, e.x + r, e.y + r);
    }

    // A complete part at (x, y) with some extra loose elements.
    void part(double x, double y) {
        const double w = any(80, 200), h = any(50, 150);
        roundedRectangle(x, y, w, h, any(2, 10), std::bernoulli_distribution(0.5)(rng_));
        for (int i = 0; i < 3; ++i) {
            const double r = any(1, 5);
            d_.appendArc(x + any(15, w - 15), y + any(15, h - 15), r, 0, 360);
        }
        slot(x + w * 0.3, y + h * 0.5, w * 0.3, any(2, 4));
        hook(x + w + 30, y + h / 2, any(5, 15));
        // An arc crossing the 0-degree direction, and a loose line.
        d_.appendArc(x + w / 2, y - 20, any(3, 9), any(300, 350), any(10, 60));
        d_.appendLine(x + any(0, w), y - 40, x + any(0, w), y - any(45, 60));
    }

    // Circles as 60 chords with small gaps and jitter, and a rectangle whose
    // corners miss by a few tenths of a micrometre: work for a processing run.
    void polygonised(double x, double y) {
        for (int c = 0; c < 4; ++c) {
            const double cx = x + 50 * c, cy = y + 20 * (c % 2), r = 10 + c;
            const int n = 60;
            for (int i = 0; i < n; ++i) {
                const double a1 = 2 * M_PI * i / n, a2 = 2 * M_PI * (i + 1) / n;
                const double gap = i % 17 == 0 ? 0.05 / r : 0;
                d_.appendLine(cx + r * std::cos(a1) + any(-1e-4, 1e-4), cy + r * std::sin(a1),
                              cx + r * std::cos(a2 - gap), cy + r * std::sin(a2 - gap));
            }
        }
        d_.appendLine(x - 20, y - 30, x + 200, y - 30);
        d_.appendLine(x + 200.0003, y - 30, x + 200, y + 50);
        d_.appendLine(x + 200, y + 50, x - 20, y + 50.0002);
        d_.appendLine(x - 20, y + 50, x - 20, y - 30);
    }

private:
    Drawing& d_;
    std::mt19937 rng_;
};

} // namespace vectrim::test
