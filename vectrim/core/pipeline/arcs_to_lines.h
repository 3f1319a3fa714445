// Chord conversion: nearly straight arcs (radius above maxradius) become one
// or more lines, and arcs shorter than minlength become one line each.
#pragma once

#include "model/drawing.h"
#include "model/run_settings.h"

namespace vectrim {

void arcstolines(Drawing& d, const RunSettings& t);

} // namespace vectrim
