// Seeded random drawings for the differential tests: lines and arcs on a
// coarse grid so that ends coincide, with the faults the stages exist for:
// near misses of 0.0001 and 0.001 (and just either side of them),
// duplicates and reversed copies, T-junctions on lines and arcs, tiny and
// short elements, polygonised arcs and circles, nearly straight arcs.
#pragma once

#include "model/drawing.h"

#include <cstdint>

namespace vectrim::differential {

// Fills `d` (emptied first) with a drawing of roughly `features` pieces of
// the kinds above, the same for the same seed. Angles lie in 0 .. 360.
void randomDrawing(Drawing& d, uint32_t seed, int features);

// Shuffles the used entries of the contour order table and makes a few of
// them name an element twice or one beyond the counts, as the table is after
// a stage that compacts the lines and leaves the table to contour building.
void unsettleOrder(Drawing& d, uint32_t seed);

} // namespace vectrim::differential
