// Helpers on single elements that many stages share: deletion that keeps the
// tables compact and the contour order table consistent, arc length, and the
// end points and tangent directions of arcs.
#pragma once

#include "model/drawing.h"

#include <cstdint>

namespace vectrim {

// Removes line k (arc k): later elements move down one slot, the order table
// loses k's entry and later references of the same kind are lowered.
void deleteline(Drawing& d, int32_t k);
void deletearc(Drawing& d, int32_t k);

// Length of an arc from its radius and angles in radians: the sweep is
// a2 - a1 when a1 < a2, otherwise 2π - a1 + a2 (so a1 = a2 is a full circle).
double arclength(double r, double a1, double a2);

// The sweep of an arc in radians by the same rule.
double arcsweep(double a1, double a2);

// Direction of travel (radians) leaving an arc at its end point, and leaving
// it backwards at its start point; a1 and a2 in degrees.
double endTangent(double a2Degrees);
double startTangent(double a1Degrees);

// Length of a line.
double lineLength(const Line& l);

} // namespace vectrim
