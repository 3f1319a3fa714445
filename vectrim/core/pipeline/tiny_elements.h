// Tiny-element cleanup: every line and arc shorter than 0.01 goes; no
// neighbour is adjusted.
#pragma once

#include "model/drawing.h"

namespace vectrim {

void deletetinyelements(Drawing& d);

} // namespace vectrim
