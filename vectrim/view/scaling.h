// Rescaling the whole drawing about the origin.
#pragma once

#include "model/drawing.h"

namespace vectrim {

// Millimetres per inch: the factor of the inch-to-millimetre conversion.
inline constexpr double kInchToMm = 25.4;

// Scales every line (geometry library lskalieren) and every arc
// (kskalieren) about (0, 0): fx applies to x, fy to y; an arc's radius takes
// |fx|. The arcs keep their angles in the table.
void scaledrawing(Drawing& d, double fx, double fy);

} // namespace vectrim
