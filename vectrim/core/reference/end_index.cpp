#include "reference/end_index.h"

#include <cmath>

namespace vectrim::reference {

EndIndex::EndIndex(const Drawing& d) {
    ends_.reserve(2 * static_cast<size_t>(d.elementCount()));
    auto add = [&](Point p, ElementRef ref, EndCode end) {
        // A point that is not a number coincides with nothing.
        if (!std::isnan(p.x) && !std::isnan(p.y)) ends_.push_back({p.x, p.y, ref, end});
    };
    for (int32_t i = 0; i < d.linecount; ++i) {
        add({d.lines[i].x1, d.lines[i].y1}, ElementRef::line(i), EndCode::Start);
        add({d.lines[i].x2, d.lines[i].y2}, ElementRef::line(i), EndCode::End);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        add(arcStart(d.arcs[i]), ElementRef::arc(i), EndCode::Start);
        add(arcEnd(d.arcs[i]), ElementRef::arc(i), EndCode::End);
    }
    std::stable_sort(ends_.begin(), ends_.end(), [](const End& a, const End& b) { return a.x < b.x; });
}

} // namespace vectrim::reference
