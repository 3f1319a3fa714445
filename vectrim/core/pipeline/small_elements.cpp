#include "pipeline/small_elements.h"

#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/end_grid.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"

#include <functional>
#include <queue>
#include <vector>

namespace vectrim {

void reattachend(Drawing& d, double px, double py, double qx, double qy, int32_t index, ElementKind kind,
                 int16_t& found) {
    found = moveFirstEndAt(d, {px, py}, {qx, qy}, ElementRef::of(kind, index)) ? 0 : 1;
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
    if (atP == 1) reattachend(d, p.x, p.y, q.x, q.y, index, ref.kind(), found);
    if (found == 1 && atQ == 1) reattachend(d, q.x, q.y, p.x, p.y, index, ref.kind(), found);
    const bool spur = (atP == 0 && atQ >= 2) || (atQ == 0 && atP >= 2);
    if (found == 1 && !spur && !(atP >= 2 && atQ >= 2 && moveEveryEndAt(d, p, q, ref))) return false;
    recordRemoved(d, ref);
    deleteElement(d, ref);
    return true;
}

// One walk of the order table: the first short element that can go goes.
// False when the walk found none. Kept for an order table that does not
// list every element once.
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

// moveEveryEndAt with the element ends in a grid; the points where ends
// went or came are added to `changed`.
bool moveEveryEndAt(Drawing& d, EndGrid& ends, Point p, Point q, ElementRef self, std::vector<int32_t>& near,
                    std::vector<Point>& changed) {
    ends.near(p, 2 * kSamePoint, near);
    for (const int32_t item : near) {
        Point s, e;
        EndGrid::endsOf(d, ends.refOf(item), s, e);
        if (ends.refOf(item) != self && coincide(s.x, s.y, p.x, p.y) && coincide(e.x, e.y, p.x, p.y))
            return false;
    }
    for (const int32_t item : near) {
        const ElementRef ref = ends.refOf(item);
        if (ref == self) continue;
        Point s, e;
        EndGrid::endsOf(d, ref, s, e);
        if (!EndGrid::moveEndAt(d, ref, s, e, p, q)) continue;
        ends.moved(d, item);
        Point s2, e2;
        EndGrid::endsOf(d, ref, s2, e2);
        changed.insert(changed.end(), {s, e, s2, e2});
    }
    return true;
}

// bridgeAndDelete with the element ends in a grid; the element is not
// deleted here. On success `changed` holds every point where an element end
// went or came.
bool bridge(Drawing& d, EndGrid& ends, ElementRef ref, std::vector<int32_t>& near,
            std::vector<Point>& changed) {
    Point p, q;
    EndGrid::endsOf(d, ref, p, q);
    const int32_t atP = ends.endsAt(d, p, ref), atQ = ends.endsAt(d, q, ref);
    EndGrid::Move m;
    if (atP == 1) m = ends.moveFirstEndAt(d, p, q, ref);
    if (m.item < 0 && atQ == 1) m = ends.moveFirstEndAt(d, q, p, ref);
    changed.assign({p, q});
    if (m.item >= 0) {
        Point s, e;
        EndGrid::endsOf(d, ends.refOf(m.item), s, e);
        changed.insert(changed.end(), {m.start, m.end, s, e});
        return true;
    }
    if ((atP == 0 && atQ >= 2) || (atQ == 0 && atP >= 2)) return true; // a spur
    return atP >= 2 && atQ >= 2 && moveEveryEndAt(d, ends, p, q, ref, near, changed);
}

// The literal stage walks the order table and starts again from its first
// entry after each deletion, until a walk deletes nothing. Each deletion
// changes only the elements with an end where an end went or came, so one
// walk does the same: the elements before the walk's position that such a
// change touches are looked at again, first in table order, before the walk
// goes on. The progress comes every 100 entries of this one walk.
void walkOnce(Drawing& d, double minlength, Host& host) {
    const std::vector<ElementRef> order(d.usedOrder().begin(), d.usedOrder().end());
    const int32_t n = static_cast<int32_t>(order.size());
    std::vector<char> gone(static_cast<size_t>(n), 0), waiting(static_cast<size_t>(n), 0);
    EndGrid ends(d, gone);
    std::vector<int32_t> positionOf(static_cast<size_t>(n));
    for (int32_t pos = 0; pos < n; ++pos) positionOf[ends.itemOf(order[pos])] = pos;
    std::priority_queue<int32_t, std::vector<int32_t>, std::greater<>> again;
    std::vector<ElementRef> sequence;
    std::vector<Point> changed;
    std::vector<int32_t> near;
    int32_t next = 0; // the entries before it, and not waiting again, cannot go
    for (;;) {
        int32_t pos;
        if (!again.empty()) {
            pos = again.top();
            again.pop();
            waiting[pos] = 0;
        } else if (next < n) {
            pos = next++;
            if (pos % 100 == 0)
                showProgress(host, pos % 300 == 0 ? msg::tr(msg::kSmallLong) : msg::tr(msg::kSmallShort));
        } else {
            break;
        }
        const ElementRef ref = order[pos];
        const int32_t item = ends.itemOf(ref);
        if (gone[item] || !(elementLength(d, ref) < minlength) || !bridge(d, ends, ref, near, changed))
            continue;
        recordRemoved(d, ref);
        gone[item] = 1;
        sequence.push_back(ref);
        for (const Point c : changed) {
            ends.near(c, 2 * kSamePoint, near);
            for (const int32_t k : near) {
                const int32_t at = positionOf[k];
                if (at >= next || waiting[at]) continue;
                waiting[at] = 1;
                again.push(at);
            }
        }
    }
    // then every element shorter than 0.0001, touching anything or not
    for (const ElementRef ref : order)
        if (!gone[ends.itemOf(ref)] && elementLength(d, ref) < kNullLength) {
            recordRemoved(d, ref);
            sequence.push_back(ref);
        }
    removeElements(d, sequence);
}

} // namespace

void deletesmallelements(Drawing& d, const RunSettings& t, Host& host) {
    if (orderListsEachOnce(d)) {
        walkOnce(d, t.minlength, host);
        return;
    }
    while (deleteOneSmall(d, t.minlength, host)) {}
    // then every element shorter than 0.0001, touching anything or not
    while (deleteFirstShorterThan(d, kNullLength)) {}
}

} // namespace vectrim
