// Duplicate removal: lines that repeat another line (either way round) and
// arcs that lie on another arc; the first of each group stays.
#pragma once

#include "model/drawing.h"
#include "model/host.h"

namespace vectrim {

void removeduplicates(Drawing& d, Host& host);

} // namespace vectrim
