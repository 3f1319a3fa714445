// Duplicate removal: lines that repeat another line (either way round) and
// arcs that lie on another arc; the first of each group stays.
#pragma once

#include "model/session.h"

namespace vectrim {

void removeduplicates(Session& s);

} // namespace vectrim
