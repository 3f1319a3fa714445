// Contour picking as it was literally, kept as the measure of the fast one in
// vectrim/core/examine: the contours built on a copy for each pick.
#include "reference/reference.h"

#include <algorithm>

namespace vectrim::reference {

std::vector<ElementRef> contourOf(const Drawing& drawing, Host& host, ElementRef ref) {
    if (!drawing.holds(ref)) return {};
    // Built on a copy, so that a declined deletion leaves the drawing as it was.
    const auto scratch = reference::contoursOnCopy(drawing, host);
    const Drawing& d = *scratch;
    const int16_t c = d.contourOf(ref);
    const std::span<const ElementRef> order = d.usedOrder();
    const auto pos = std::find(order.begin(), order.end(), ref);
    if (c == -1 || pos == order.end()) return {ref};
    // The contour order table lists each contour as one run of entries.
    auto lo = pos, hi = pos + 1;
    while (lo > order.begin() && d.contourOf(*(lo - 1)) == c) --lo;
    while (hi < order.end() && d.contourOf(*hi) == c) ++hi;
    std::vector<ElementRef> refs(lo, hi);
    std::sort(refs.begin(), refs.end(), [](ElementRef a, ElementRef b) { return a.raw() < b.raw(); });
    return refs;
}

} // namespace vectrim::reference
