// Small-element deletion: elements shorter than minlength go without opening
// the drawing, because a neighbour is first stretched across the gap.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"

#include <cstdint>

namespace vectrim {

// Deletes every short element one of whose ends touches a neighbour (the
// first neighbour found at that end is stretched to the other end), then
// every element shorter than 0.0001 whether it touches anything or not.
void deletesmallelements(Drawing& d, const RunSettings& t, Host& host);

// Stretches the first element (other than the one named by index and kind)
// that has an end at P so that the end lies at Q. found = 0
// when an element was stretched, 1 when none has an end at P.
void reattachend(Drawing& d, double px, double py, double qx, double qy, int32_t index, ElementKind kind,
                 int16_t& found);

} // namespace vectrim
