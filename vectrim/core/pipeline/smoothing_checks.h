// What the smoothing stages share: arcs in radians, the arc limits, the
// sampling of an arc, directions compared across angle 0 and the direction
// of travel over an arc, the point tests against the drawing as it was, how
// two arcs meet, and the elements of each contour.
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

// Calls pass(Q) for the eleven sample points of an arc: from a1 to a2 in ten
// equal steps over the sweep, through angle 0 for an arc that crosses it, so
// that an arc is tested at the same points wherever it lies. Stops at the
// first point that fails and returns false then.
template <class Pass>
bool allSamples(const ArcR& a, Pass pass);

// The difference a - b of two directions (radians), taken into -π .. π: two
// directions either side of angle 0 lie close together.
double directionDifference(double a, double b);
// The direction of travel (radians) of a path over arc `a` at one of its
// ends: leaving that end along the arc, or arriving there along it.
double travelAt(const ArcR& a, bool atStart, bool leaving);
// A fillet between two arcs runs with the path from arc `one` over the
// fillet into arc `two` (whichever way each is stored): its ends meet the
// arcs' ends at the junction, and at both it runs the way the path runs
// along the arcs. A fillet running against them would take the path round a
// loop.
bool filletRunsWithPath(const ArcR& one, bool oneAtStart, const ArcR& fillet, const ArcR& two,
                        bool twoAtStart);

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
// Where a line and an arc that touch meet: the end of the line nearer to an
// end of the arc.
Point meetingPoint(const ArcR& a, const Line& l);
// Where arc `first` meets the other arc of a junction of this type (types
// ±2 and ±3: at its start; the others: at its end).
Point junctionOf(const ArcR& first, int16_t type);

// The line or arc indices of each contour number, in index order. Elements
// appended during a stage join the list of their contour.
class ByContour {
public:
    ByContour() : lists_(32769) {}
    void add(int16_t contour, int32_t index) { lists_[slot(contour)].push_back(index); }
    const std::vector<int32_t>& of(int16_t contour) const { return lists_[slot(contour)]; }
    // The position of the first index above `index` in the list.
    size_t after(int16_t contour, int32_t index) const;
    // Whether two contour numbers share one list.
    static bool together(int16_t a, int16_t b) { return slot(a) == slot(b); }

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
    // Equal angles sweep nothing: all samples fall on the first point.
    const double sweep = a.a1 <= a.a2 ? a.a2 - a.a1 : kTwoPi - a.a1 + a.a2;
    for (int k = 0; k <= 10; ++k) {
        const double t = a.a1 + k * (sweep * 0.1);
        if (!pass(Point{a.cx + a.r * std::cos(t), a.cy + a.r * std::sin(t)})) return false;
    }
    return true;
}

} // namespace vectrim::smoothing
