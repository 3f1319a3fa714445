#include "pipeline/small_elements.h"

#include "pipeline/elements.h"
#include "pipeline/progress.h"

namespace vectrim {

void reattachend(Drawing& d, double px, double py, double qx, double qy, int32_t index, int16_t kind,
                 int16_t& found) {
    const int32_t self = kind == 2 ? index + kArcRef : index;
    found = moveFirstEndAt(d, {px, py}, {qx, qy}, self) ? 0 : 1;
}

namespace {

// Tries to delete the short element named by `ref`: one neighbour at either
// end is stretched to the other end first. False when nothing touches it.
bool bridgeAndDelete(Drawing& d, int32_t ref) {
    Point p, q;
    int16_t kind;
    int32_t index;
    if (isArcRef(ref)) {
        index = ref - kArcRef;
        kind = 2;
        p = arcStart(d.arcs[index]);
        q = arcEnd(d.arcs[index]);
    } else {
        index = ref;
        kind = 1;
        p = {d.lines[index].x1, d.lines[index].y1};
        q = {d.lines[index].x2, d.lines[index].y2};
    }
    int16_t found = 1;
    reattachend(d, p.x, p.y, q.x, q.y, index, kind, found);
    if (found == 1) reattachend(d, q.x, q.y, p.x, p.y, index, kind, found);
    if (found == 1) return false;
    if (kind == 2)
        deletearc(d, index);
    else
        deleteline(d, index);
    return true;
}

// One walk of the order table: the first short element that can go goes.
// False when the walk found none.
bool deleteOneSmall(Session& s) {
    Drawing& d = s.drawing;
    const double minlength = s.settings.minlength;
    for (int32_t pos = 0; pos < d.elementCount(); ++pos) {
        if (pos % 100 == 0)
            showProgress(s, pos % 300 == 0 ? "Lösche zu kleine Elemente...  "
                                           : "Lösche zu kleine Elemente.....");
        const int32_t ref = d.order[pos];
        if (!validRef(d, ref)) continue;
        if (elementLength(d, ref) < minlength && bridgeAndDelete(d, ref)) return true;
    }
    return false;
}

} // namespace

void deletesmallelements(Session& s) {
    while (deleteOneSmall(s)) {}
    // then every element shorter than 0.0001, touching anything or not
    while (deleteFirstShorterThan(s.drawing, kNullLength)) {}
}

} // namespace vectrim
