// The literal small-element deletion, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "reference/reference.h"

#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"

namespace vectrim::reference {

void reattachend(Drawing& d, double px, double py, double qx, double qy, int32_t index, ElementKind kind,
                 int16_t& found) {
    found = reference::moveFirstEndAt(d, {px, py}, {qx, qy}, ElementRef::of(kind, index)) ? 0 : 1;
}

namespace {

// The number of element ends, other than those of `self`, that lie at p
// (within 0.001 on each axis, arc ends included).
int32_t endsAt(const Drawing& d, Point p, ElementRef self) {
    int32_t n = 0;
    for (int32_t j = 0; j < d.linecount; ++j) {
        if (self == ElementRef::line(j)) continue;
        const Line& l = d.lines[j];
        n += coincide(l.x1, l.y1, p.x, p.y);
        n += coincide(l.x2, l.y2, p.x, p.y);
    }
    for (int32_t j = 0; j < d.arccount; ++j) {
        if (self == ElementRef::arc(j)) continue;
        const Point st = arcStart(d.arcs[j]), en = arcEnd(d.arcs[j]);
        n += coincide(st.x, st.y, p.x, p.y);
        n += coincide(en.x, en.y, p.x, p.y);
    }
    return n;
}

// Moves every end of the elements other than `self` that lies at p onto q,
// so that they all still meet there. False, moving nothing, when one of
// them has both its ends at p.
bool moveEveryEndAt(Drawing& d, Point p, Point q, ElementRef self) {
    for (int32_t j = 0; j < d.linecount; ++j) {
        const Line& l = d.lines[j];
        if (self != ElementRef::line(j) && coincide(l.x1, l.y1, p.x, p.y) && coincide(l.x2, l.y2, p.x, p.y))
            return false;
    }
    for (int32_t j = 0; j < d.arccount; ++j) {
        const Point st = arcStart(d.arcs[j]), en = arcEnd(d.arcs[j]);
        if (self != ElementRef::arc(j) && coincide(st.x, st.y, p.x, p.y) && coincide(en.x, en.y, p.x, p.y))
            return false;
    }
    for (int32_t j = 0; j < d.linecount; ++j) {
        if (self == ElementRef::line(j)) continue;
        Line& l = d.lines[j];
        if (coincide(l.x1, l.y1, p.x, p.y)) {
            l.x1 = q.x;
            l.y1 = q.y;
        } else if (coincide(l.x2, l.y2, p.x, p.y)) {
            l.x2 = q.x;
            l.y2 = q.y;
        }
    }
    for (int32_t j = 0; j < d.arccount; ++j) {
        if (self == ElementRef::arc(j)) continue;
        Arc& a = d.arcs[j];
        const Point st = arcStart(a), en = arcEnd(a), mid = arcMiddle(a);
        if (coincide(st.x, st.y, p.x, p.y))
            refitArc(a, q, en, mid);
        else if (coincide(en.x, en.y, p.x, p.y))
            refitArc(a, st, q, mid);
    }
    return true;
}

// Tries to delete the short element named by `ref`, from P to Q. The one
// neighbour at P is stretched to Q, or else the one at Q to P; an end where
// two or more other elements meet is never moved alone, since that would
// tear it from the others. A spur, free at one end with two or more
// elements at the other, goes without stretching. Where two or more meet at
// each end, all the ends at P move to Q together. False when the element
// stays: it touches nothing, or no neighbour can follow it.
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
    const int32_t atP = endsAt(d, p, ref), atQ = endsAt(d, q, ref);
    int16_t found = 1;
    if (atP == 1) reference::reattachend(d, p.x, p.y, q.x, q.y, index, ref.kind(), found);
    if (found == 1 && atQ == 1) reference::reattachend(d, q.x, q.y, p.x, p.y, index, ref.kind(), found);
    const bool spur = (atP == 0 && atQ >= 2) || (atQ == 0 && atP >= 2);
    if (found == 1 && !spur && !(atP >= 2 && atQ >= 2 && moveEveryEndAt(d, p, q, ref))) return false;
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
    while (reference::deleteFirstShorterThan(d, kNullLength)) {}
}

} // namespace vectrim::reference
