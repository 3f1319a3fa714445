#include "pipeline/tiny_elements.h"

#include "pipeline/elements.h"

namespace vectrim {

// Tiny elements go one by one, the first in order-table order each time.
void deletetinyelements(Drawing& d) {
    while (deleteFirstShorterThan(d, kTinyLength)) {}
}

} // namespace vectrim
