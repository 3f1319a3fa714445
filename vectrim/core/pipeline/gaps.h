// Gap closing: each open element end is joined to the nearest other open end
// within the gap radius by stretching one of the two elements.
#pragma once

#include "model/drawing.h"
#include "model/host.h"

#include <cstdint>

namespace vectrim {

// Closes gaps shorter than t between free ends.
void closegaps(Drawing& d, Host& host, double& t);

// Moves the first element end found at P to Q. found = 0 on success, 1 when
// no element has an end at P.
void moveendto(Drawing& d, double px, double py, double qx, double qy, int16_t& found);

} // namespace vectrim
