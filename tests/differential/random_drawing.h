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

} // namespace vectrim::differential
