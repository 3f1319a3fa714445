// What the smoothing stages share: arcs in radians, the arc limits, the
// sampling of an arc, the point tests against the drawing as it was, how two
// arcs meet, and the elements of each contour.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"
#include "pipeline/elements.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace vectrim::smoothing {

// An arc as the stages compute with it: angles in radians.
struct ArcR {
    double cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0;
};
ArcR radians(const Arc& a);
// Writes centre, radius and angles (in degrees) into a table arc.
void store(Arc& to, const ArcR& a);
Point startOf(const ArcR& a);
Point endOf(const ArcR& a);
// Sweep (a2 - a1 when a1 < a2, else 2π - a1 + a2) and sweep × radius.
double span(const ArcR& a);
double length(const ArcR& a);

// The arc limits: radius from minradius to maxradius, sweep at most π, arc
// length at least minlength. checkarcpos also refuses negative angles.
bool checkarc(const ArcR& a, const RunSettings& s);
bool checkarcpos(const ArcR& a, const RunSettings& s);

// Calls pass(Q) for the sample points of an arc: ten equal steps over the
// sweep, from a1 up to a2, through angle 0 for an arc that crosses it (an arc
// starting within 0.01 rad below 2π is taken to start at 0). Stops at the
// first point that fails and returns false then.
template <class Pass>
bool allSamples(const ArcR& a, Pass pass);

// Q lies near the segment P1-P2: |P1P2| > 0, |P1Q| <= |P1P2| + T, and the
// point |P1Q| from P1 towards P2 is within T of Q.
bool nearsegment(Point q, Point p1, Point p2, double t);
// Q lies near one of the two lines of a corner K as they were.
bool nearlines(Point q, Point k, Point fi, Point fj, double t);
// Q lies within T of the whole circle of `c`, or near the segment P1-P2.
bool nearcircleline(Point q, const ArcR& c, Point p1, Point p2, double t);
// Q lies within T of the whole circle of c1, or of c2.
bool nearcircles(Point q, const ArcR& c1, const ArcR& c2, double t);
// Seen from the centre of `range`, Q lies within its angle range a1 .. a2.
bool anglewithin(const ArcR& range, Point q);
// How two arcs meet, their ends compared within 0.01 per axis, a later
// comparison overriding an earlier one: start-start 1, start-end 2,
// end-start 2, end-end 1, none 0. 2: one runs on into the other; 1: they run
// in opposite senses.
int16_t arcjunction(const ArcR& a, const ArcR& b);

// The line or arc indices of each contour number, in index order. Elements
// appended during a stage join the list of their contour.
class ByContour {
public:
    ByContour() : lists_(32769) {}
    void add(int16_t contour, int32_t index) { lists_[slot(contour)].push_back(index); }
    const std::vector<int32_t>& of(int16_t contour) const { return lists_[slot(contour)]; }
    // The position of the first index above `index` in the list.
    size_t after(int16_t contour, int32_t index) const;

private:
    static size_t slot(int16_t contour) { return static_cast<size_t>(contour + 1) % 32769; }
    std::vector<std::vector<int32_t>> lists_;
};
ByContour linesByContour(const Drawing& d);
ByContour arcsByContour(const Drawing& d);

// Shows the progress text every 100 elements of a stage's outer loop (the
// long form at multiples of 300) and lets the window run.
void progress(Host& host, int32_t i, const char* longText, const char* shortText);

// ---- template definitions -------------------------------------------------

template <class Pass>
bool allSamples(const ArcR& a, Pass pass) {
    double from1 = a.a1, to1 = a.a2, from2 = 0, to2 = -1, sweep = a.a2 - a.a1;
    if (a.a1 > a.a2) {
        if (std::fabs(a.a1 - kTwoPi) < kSampleWrapAngle) {
            from1 = 0;
            sweep = a.a2;
        } else {
            to1 = kTwoPi;
            from2 = 0;
            to2 = a.a2;
            sweep = kTwoPi - a.a1 + a.a2;
        }
    }
    const double step = sweep * 0.1;
    // At most eleven points per run; a zero step samples the first point.
    auto run = [&](double from, double to) {
        double t = from;
        for (int k = 0; k < 12 && t <= to; ++k, t += step) {
            if (!pass(Point{a.cx + a.r * std::cos(t), a.cy + a.r * std::sin(t)})) return false;
            if (!(step > 0)) break;
        }
        return true;
    };
    return run(from1, to1) && run(from2, to2);
}

} // namespace vectrim::smoothing
