// Generated drawings of the kind polygonising CAD exports produce: circles,
// rounded rectangles and slots as chains of short lines, straight edges cut
// into pieces, some corners left open by 0.1 mm; arcs may be added. Shared
// by the benchmarks, the drawing generator and the smoothing survey.
#pragma once

#include "model/drawing.h"

#include <cmath>

namespace vectrim {

class PolygonisedDrawing {
public:
    explicit PolygonisedDrawing(Drawing& d) : d_(d) {}

    // Shapes in a grid of 60 mm cells until `lines` lines are there.
    void fill(int lines) {
        d_.clear();
        const int columns = static_cast<int>(std::sqrt(lines / 30.0)) + 1;
        for (int cell = 0; d_.linecount < lines; ++cell) {
            const double x = (cell % columns) * 60.0, y = (cell / columns) * 60.0;
            switch (cell % 4) {
                case 0: circle(x + 25, y + 25, 5 + cell % 17, 36); break;
                case 1: roundedRectangle(x + 5, y + 5, 45, 30, 3 + cell % 5, cell % 3 == 0); break;
                case 2: slot(x + 10, y + 25, 30, 4 + cell % 4); break;
                default: cutRectangle(x + 5, y + 5, 40, 40, 5); break;
            }
        }
        d_.linecount = lines;
    }

    // Adds `arcs` arcs of a quarter to three quarters of a turn in the cells
    // that fill(lines) used, beside the shapes rather than on them.
    void addArcs(int arcs, int lines) {
        const int columns = static_cast<int>(std::sqrt(lines / 30.0)) + 1;
        for (int k = 0; k < arcs; ++k) {
            const int cell = k / 4, quarter = k % 4;
            const double x = (cell % columns) * 60.0, y = (cell / columns) * 60.0;
            const double start = 90.0 * quarter + 10.0 * (cell % 5);
            d_.appendArc(x + 52, y + 52, 2 + quarter, start, std::fmod(start + 90 + 45 * (cell % 3), 360.0));
        }
    }

private:
    static constexpr double kPiD = 3.14159265358979323846;
    Drawing& d_;

    void line(double x1, double y1, double x2, double y2) { d_.appendLine(x1, y1, x2, y2); }

    // A polygon of n lines along the circle from angle a to angle b.
    void polyArc(double cx, double cy, double r, double a, double b, int n) {
        for (int k = 0; k < n; ++k) {
            const double u = a + (b - a) * k / n, v = a + (b - a) * (k + 1) / n;
            line(cx + r * std::cos(u), cy + r * std::sin(u), cx + r * std::cos(v), cy + r * std::sin(v));
        }
    }

    void circle(double cx, double cy, double r, int n) { polyArc(cx, cy, r, 0, 2 * kPiD, n); }

    void roundedRectangle(double x, double y, double w, double h, double r, bool open) {
        const double gap = open ? 0.1 : 0;
        line(x + r, y, x + w - r, y);
        polyArc(x + w - r, y + r, r, 1.5 * kPiD, 2 * kPiD, 8);
        line(x + w, y + r, x + w, y + h - r);
        polyArc(x + w - r, y + h - r, r, 0, 0.5 * kPiD, 8);
        line(x + w - r, y + h, x + r, y + h);
        polyArc(x + r, y + h - r, r, 0.5 * kPiD, kPiD, 8);
        line(x, y + h - r, x, y + r + gap);
        polyArc(x + r, y + r, r, kPiD, 1.5 * kPiD, 8);
    }

    void slot(double x, double y, double len, double r) {
        polyArc(x + len, y, r, -0.5 * kPiD, 0.5 * kPiD, 18);
        line(x + len, y + r, x, y + r);
        polyArc(x, y, r, 0.5 * kPiD, 1.5 * kPiD, 18);
        line(x, y - r, x + len, y - r);
    }

    void cutRectangle(double x, double y, double w, double h, int pieces) {
        const double px[5] = {x, x + w, x + w, x, x}, py[5] = {y, y, y + h, y + h, y};
        for (int e = 0; e < 4; ++e)
            for (int k = 0; k < pieces; ++k)
                line(px[e] + (px[e + 1] - px[e]) * k / pieces, py[e] + (py[e + 1] - py[e]) * k / pieces,
                     px[e] + (px[e + 1] - px[e]) * (k + 1) / pieces,
                     py[e] + (py[e + 1] - py[e]) * (k + 1) / pieces);
    }
};

} // namespace vectrim
