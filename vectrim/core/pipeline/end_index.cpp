#include "pipeline/end_index.h"

#include <cmath>

namespace vectrim {

EndIndex::EndIndex(const Drawing& d) {
    ends_.reserve(2 * static_cast<size_t>(d.elementCount()));
    auto add = [&](Point p, int32_t ref, int16_t end) {
        // A point that is not a number coincides with nothing.
        if (!std::isnan(p.x) && !std::isnan(p.y)) ends_.push_back({p.x, p.y, ref, end});
    };
    for (int32_t i = 0; i < d.linecount; ++i) {
        add({d.lines[i].x1, d.lines[i].y1}, i, 1);
        add({d.lines[i].x2, d.lines[i].y2}, i, 2);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        add(arcStart(d.arcs[i]), i + kArcRef, 1);
        add(arcEnd(d.arcs[i]), i + kArcRef, 2);
    }
    std::stable_sort(ends_.begin(), ends_.end(), [](const End& a, const End& b) { return a.x < b.x; });
}

} // namespace vectrim
