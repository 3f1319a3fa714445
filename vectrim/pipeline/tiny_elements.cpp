#include "pipeline/tiny_elements.h"

#include "pipeline/elements.h"

namespace vectrim {

namespace {

// The first tiny element in order-table order goes. False when there is none.
bool deleteOneTiny(Drawing& d) {
    for (int32_t pos = 0; pos < d.elementCount(); ++pos) {
        const int32_t ref = d.order[pos];
        if (!validRef(d, ref) || !(elementLength(d, ref) < kTinyLength)) continue;
        if (isArcRef(ref))
            deletearc(d, ref - kArcRef);
        else
            deleteline(d, ref);
        return true;
    }
    return false;
}

} // namespace

void deletetinyelements(Session& s) {
    while (deleteOneTiny(s.drawing)) {
    }
}

} // namespace vectrim
