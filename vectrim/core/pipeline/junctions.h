// Junction splitting: every point where an element ends becomes an end point
// of every other element that passes through it.
#pragma once

#include "model/drawing.h"
#include "model/host.h"

#include <cstdint>

namespace vectrim {

// Cuts every line and arc that passes through an end of another element.
// full = 1 when a table ran full (the message has been shown).
void splitatjunctions(Drawing& d, Host& host, int16_t& full);

// Cuts every element (other than the one named by index and kind) that
// passes through (x, y) there. full = 1 when a table ran full.
void splitelementsat(Drawing& d, Host& host, double x, double y, int32_t index, ElementKind kind,
                     int16_t& full);

} // namespace vectrim
