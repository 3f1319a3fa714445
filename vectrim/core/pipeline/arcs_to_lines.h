// Chord conversion: nearly straight arcs (radius above maxradius) become one
// or more lines, and arcs shorter than minlength become one line each.
#pragma once

#include "model/session.h"

namespace vectrim {

void arcstolines(Session& s);

} // namespace vectrim
