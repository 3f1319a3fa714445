// The drawing's contours as polylines with bulges, the form in which a CAM
// program takes a closed outline as one path.
//
// A segment from vertex i to vertex i + 1 is straight when the vertex's
// bulge is 0 and a circular arc otherwise: bulge = tan(sweep / 4), positive
// when the arc turns counter-clockwise from vertex i to vertex i + 1,
// negative when it turns clockwise.
#pragma once

#include "model/drawing.h"

#include <cstdint>
#include <vector>

namespace vectrim {

// The sweep of an arc in degrees by the table's rule: a2 - a1 when a1 < a2,
// otherwise 360 - a1 + a2 (equal angles are a full circle), from the angles
// brought into 0 .. 360.
double sweepDegrees(const Arc& a);

// Elements that describe no cut and are left out of a saved file: a line
// whose two ends are the same point, an arc of no sweep or with a radius of
// 0 or less.
bool isDegenerate(const Line& l);
bool isDegenerate(const Arc& a);

struct PolyVertex {
    double x = 0, y = 0;
    double bulge = 0; // of the segment that starts here
};

// One polyline: vertices [first, first + count) of Polylines::vertices. A
// closed polyline also has a segment from its last vertex back to the first.
struct PolyRun {
    int32_t first = 0;
    int32_t count = 0;
    bool closed = false;
};

struct Polylines {
    std::vector<PolyVertex> vertices;
    std::vector<PolyRun> runs;
    int32_t skipped = 0; // degenerate elements left out
};

// The contours of a drawing on which contour building has run. Each
// contour (consecutive entries of the contour order table with the same
// contour number) becomes one polyline in chain order; an element that is in
// no contour becomes a polyline of its own. Arcs sweeping more than
// kPolylineMaxSweep become two segments. Where two elements of a chain meet
// only within kSamePoint, the shared vertex is the arc's end when one of them
// is an arc (the line bends to the arc), otherwise the end of the earlier
// element. Where consecutive elements do not meet, a new polyline begins. A
// polyline is closed when its last point coincides with its first.
Polylines contourPolylines(const Drawing& d);

} // namespace vectrim
