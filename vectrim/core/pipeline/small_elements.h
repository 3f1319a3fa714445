// Small-element deletion: elements shorter than minlength go without opening
// the drawing, because a neighbour is first stretched across the gap.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"

#include <cstdint>

namespace vectrim {

// Deletes every short element that can go without opening the drawing: the
// one neighbour at one of its ends is stretched to its other end. An end
// where two or more other elements meet is never moved alone: a short spur
// from such an end goes as it is, and where two or more meet at both ends,
// all the ends at its start move to its end together. Then every element
// shorter than 0.0001 goes, whether it touches anything or not.
void deletesmallelements(Drawing& d, const RunSettings& t, Host& host);

// Stretches the first element (other than the one named by index and kind)
// that has an end at P so that the end lies at Q. found = 0
// when an element was stretched, 1 when none has an end at P.
void reattachend(Drawing& d, double px, double py, double qx, double qy, int32_t index, ElementKind kind,
                 int16_t& found);

} // namespace vectrim
