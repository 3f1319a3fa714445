// Measuring the drawing: the bounding box of an arc, the extents of the
// whole drawing, and the view window that shows it all.
#pragma once

#include "model/drawing.h"
#include "model/session.h"

namespace vectrim {

struct Box {
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

// Start and end point and bounding box of an arc (angles in radians). The box
// of the two end points grows to the circle at each of the directions 0, π/2,
// π and 3π/2 that the arc sweeps over; equal angles count as a full circle.
struct ArcBox {
    double sx, sy, ex, ey;
    Box box;
};
ArcBox arcbox(double cx, double cy, double r, double a1, double a2);

// The extents of all lines and arcs. Brings every arc's angles into
// 0 .. 360 in the table first. With onlyMeasure = 1 the box is returned as
// measured; with 0 it is turned into a view window (square, 10 % margin, the
// 4:3 shape of the view). Without elements it returns false and leaves `box`
// untouched.
bool getextents(Drawing& drawing, Box& box, int onlyMeasure);

// Moves the drawing so that its lower-left extreme lies at (0, 0), and fits
// the view window to it (as a drawing is shown after loading).
void moveToOrigin(Drawing& drawing, ViewWindow& window);

} // namespace vectrim
