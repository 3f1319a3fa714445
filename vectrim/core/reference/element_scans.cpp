// The two element scans of the deletion stages as they were literally, kept
// for the reference stages: the first element end at a point, and the first
// element in order-table order shorter than a length.
#include "reference/reference.h"

#include "pipeline/elements.h"
#include "pipeline/repair_places.h"

namespace vectrim::reference {

bool deleteFirstShorterThan(Drawing& d, double length) {
    for (int32_t pos = 0; pos < d.elementCount(); ++pos) {
        const ElementRef ref = d.order[pos];
        if (!d.holds(ref) || !(elementLength(d, ref) < length)) continue;
        recordRemoved(d, ref);
        deleteElement(d, ref);
        return true;
    }
    return false;
}

bool moveFirstEndAt(Drawing& d, Point p, Point q, std::optional<ElementRef> skip) {
    for (int32_t j = 0; j < d.linecount; ++j) {
        if (skip == ElementRef::line(j)) continue;
        Line& l = d.lines[j];
        if (coincide(l.x1, l.y1, p.x, p.y)) {
            l.x1 = q.x;
            l.y1 = q.y;
            return true;
        }
        if (coincide(l.x2, l.y2, p.x, p.y)) {
            l.x2 = q.x;
            l.y2 = q.y;
            return true;
        }
    }
    for (int32_t j = 0; j < d.arccount; ++j) {
        if (skip == ElementRef::arc(j)) continue;
        Arc& a = d.arcs[j];
        const Point st = arcStart(a), en = arcEnd(a), mid = arcMiddle(a);
        if (coincide(st.x, st.y, p.x, p.y)) {
            refitArc(a, q, en, mid);
            return true;
        }
        if (coincide(en.x, en.y, p.x, p.y, kArcEndMatch)) {
            refitArc(a, st, q, mid);
            return true;
        }
    }
    return false;
}

} // namespace vectrim::reference
