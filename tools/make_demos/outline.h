// Outlines of the demo drawings: smooth curves through hand-placed points
// (with sharp corners where asked), parametric curves, and the faults of
// real drawings (small gaps, elements drawn twice) when they are written.
#pragma once

#include "demo_dxf.h"

#include <cmath>
#include <vector>

namespace demos {

inline constexpr double kPi = 3.141592653589793;

// A curve through knots: between two knots a cubic whose tangents follow
// the neighbouring knots, or the chord at a corner knot.
class Outline {
public:
    Outline& smooth(double x, double y) { return add(x, y, false); }
    Outline& corner(double x, double y) { return add(x, y, true); }
    // Points on the curve about `step` apart; a closed curve's last point
    // is its first.
    Points sample(double step, bool closed) const;

private:
    struct Knot {
        double x, y;
        bool corner;
    };
    Outline& add(double x, double y, bool corner) {
        knots_.push_back({x, y, corner});
        return *this;
    }
    std::vector<Knot> knots_;
};

// n + 1 points of the polar curve r(t) about (cx, cy), t from `from` to `to`.
template <class Radius>
Points polar(double cx, double cy, int n, double from, double to, Radius radius) {
    Points p;
    for (int i = 0; i <= n; ++i) {
        const double t = from + (to - from) * i / n;
        const double r = radius(t);
        p.emplace_back(cx + r * std::cos(t), cy + r * std::sin(t));
    }
    return p;
}

// The points moved by (dx, dy) after scaling by s about the origin; with
// `mirror` also mirrored at the y axis.
Points placed(const Points& pts, double s, double dx, double dy, bool mirror = false);

// The points in reverse order.
Points reversed(Points pts);

// Where a drawing gets its faults, as fractions of its outline's points.
struct Faults {
    struct Gap {
        double at;     // position along the outline, 0 to 1
        double length; // the gap's width in millimetres
    };
    struct Doubled {
        double from, to; // the stretch of the outline drawn twice
    };
    std::vector<Gap> gaps;
    std::vector<Doubled> doubled;
};

// Writes a polygonised outline as LINE entities with its faults: at each gap
// one line ends short by the gap's width; a doubled stretch is drawn a
// second time, backwards.
void faultyLines(DemoDxf& d, const Points& pts, const Faults& faults, const char* layer = "KONTUR");

// Writes an outline as open LWPOLYLINEs, broken at the gaps.
void faultyPolylines(DemoDxf& d, const Points& pts, const Faults& faults, const char* layer = "KONTUR");

} // namespace demos
