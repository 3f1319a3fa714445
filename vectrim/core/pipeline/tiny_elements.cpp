#include "pipeline/tiny_elements.h"

#include "pipeline/elements.h"
#include "pipeline/repair_places.h"

#include <vector>

namespace vectrim {

// Tiny elements go one by one, the first in order-table order each time.
// Deleting one changes no other element's length, so when the order table
// lists every element once, all of them go, in one compaction.
void deletetinyelements(Drawing& d) {
    if (!orderListsEachOnce(d)) {
        while (deleteFirstShorterThan(d, kTinyLength)) {}
        return;
    }
    std::vector<ElementRef> tiny;
    for (const ElementRef ref : d.usedOrder())
        if (elementLength(d, ref) < kTinyLength) {
            recordRemoved(d, ref);
            tiny.push_back(ref);
        }
    removeElements(d, tiny);
}

} // namespace vectrim
