// Element joining: arcs that continue one another on the same circle, and
// lines that continue one another in the same direction, become one element.
// The drawn geometry does not change.
#pragma once

#include "model/drawing.h"

namespace vectrim {

// Merges arc j into arc i (i < j) when j continues i counter-clockwise.
void joinarcs(Drawing& d);

// Merges line B into line A when they share an end and run in one direction.
void joinlines(Drawing& d);

void swapvalues(double& a, double& b);

// The arc cosine as the line joining computes it; 0 when |x| > 1.
void arccos(double x, double& result);

} // namespace vectrim
