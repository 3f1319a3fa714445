// The literal tiny-element cleanup, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "reference/reference.h"

#include "pipeline/elements.h"

namespace vectrim::reference {

// Tiny elements go one by one, the first in order-table order each time.
void deletetinyelements(Drawing& d) {
    while (reference::deleteFirstShorterThan(d, kTinyLength)) {}
}

} // namespace vectrim::reference
