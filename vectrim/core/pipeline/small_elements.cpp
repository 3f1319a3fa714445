#include "pipeline/small_elements.h"

#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"

namespace vectrim {

void reattachend(Drawing& d, double px, double py, double qx, double qy, int32_t index, ElementKind kind,
                 int16_t& found) {
    found = moveFirstEndAt(d, {px, py}, {qx, qy}, ElementRef::of(kind, index)) ? 0 : 1;
}

namespace {

// Tries to delete the short element named by `ref`: one neighbour at either
// end is stretched to the other end first. False when nothing touches it.
bool bridgeAndDelete(Drawing& d, ElementRef ref) {
    const int32_t index = ref.index();
    Point p, q;
    if (ref.isArc()) {
        p = arcStart(d.arcs[index]);
        q = arcEnd(d.arcs[index]);
    } else {
        p = {d.lines[index].x1, d.lines[index].y1};
        q = {d.lines[index].x2, d.lines[index].y2};
    }
    int16_t found = 1;
    reattachend(d, p.x, p.y, q.x, q.y, index, ref.kind(), found);
    if (found == 1) reattachend(d, q.x, q.y, p.x, p.y, index, ref.kind(), found);
    if (found == 1) return false;
    recordRemoved(d, ref);
    deleteElement(d, ref);
    return true;
}

// One walk of the order table: the first short element that can go goes.
// False when the walk found none.
bool deleteOneSmall(Drawing& d, double minlength, Host& host) {
    for (int32_t pos = 0; pos < d.elementCount(); ++pos) {
        if (pos % 100 == 0)
            showProgress(host, pos % 300 == 0 ? msg::tr(msg::kSmallLong) : msg::tr(msg::kSmallShort));
        const ElementRef ref = d.order[pos];
        if (!d.holds(ref)) continue;
        if (elementLength(d, ref) < minlength && bridgeAndDelete(d, ref)) return true;
    }
    return false;
}

} // namespace

void deletesmallelements(Drawing& d, const RunSettings& t, Host& host) {
    while (deleteOneSmall(d, t.minlength, host)) {}
    // then every element shorter than 0.0001, touching anything or not
    while (deleteFirstShorterThan(d, kNullLength)) {}
}

} // namespace vectrim
