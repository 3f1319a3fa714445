#include "pipeline/elements.h"

#include "kgeom_api.h"
#include "pipeline/repair_places.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vectrim {

namespace {

// Removes the order entry naming `ref` among the first n entries and lowers
// every later reference of the same kind by one.
void dropFromOrder(Drawing& d, ElementRef ref) {
    const int32_t n = d.elementCount();
    int32_t out = 0;
    bool dropped = false;
    for (int32_t i = 0; i < n; ++i) {
        ElementRef e = d.order[i];
        if (!dropped && e == ref) {
            dropped = true;
            continue;
        }
        if (e.kind() == ref.kind() && e.index() > ref.index()) e = ElementRef::of(e.kind(), e.index() - 1);
        d.order[out++] = e;
    }
}

} // namespace

void deleteline(Drawing& d, int32_t k) {
    if (k < 0 || k >= d.linecount) return;
    std::copy(d.lines.begin() + k + 1, d.lines.begin() + d.linecount, d.lines.begin() + k);
    dropFromOrder(d, ElementRef::line(k));
    --d.linecount;
}

void deleteElement(Drawing& d, ElementRef ref) {
    if (ref.isArc())
        deletearc(d, ref.index());
    else
        deleteline(d, ref.index());
}

void deletearc(Drawing& d, int32_t k) {
    if (k < 0 || k >= d.arccount) return;
    std::copy(d.arcs.begin() + k + 1, d.arcs.begin() + d.arccount, d.arcs.begin() + k);
    dropFromOrder(d, ElementRef::arc(k));
    --d.arccount;
}

bool orderListsEachOnce(const Drawing& d) {
    std::vector<char> seen(static_cast<size_t>(d.elementCount()), 0);
    for (const ElementRef e : d.usedOrder()) {
        if (!d.holds(e)) return false;
        char& s = seen[static_cast<size_t>(d.denseIndex(e))];
        if (s) return false;
        s = 1;
    }
    return d.usedOrder().size() == seen.size();
}

void removeElements(Drawing& d, const std::vector<ElementRef>& refs) {
    // New index of every line and arc, -1 for the removed ones.
    std::vector<int32_t> lineTo(static_cast<size_t>(d.linecount), 0),
        arcTo(static_cast<size_t>(d.arccount), 0);
    for (const ElementRef r : refs) {
        if (!d.holds(r)) continue;
        (r.isArc() ? arcTo : lineTo)[static_cast<size_t>(r.index())] = -1;
    }
    int32_t lines = 0, arcs = 0;
    for (int32_t i = 0; i < d.linecount; ++i) {
        if (lineTo[i] < 0) continue;
        d.lines[lines] = d.lines[i];
        lineTo[i] = lines++;
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        if (arcTo[i] < 0) continue;
        d.arcs[arcs] = d.arcs[i];
        arcTo[i] = arcs++;
    }
    const int32_t n = d.elementCount();
    int32_t out = 0;
    for (int32_t k = 0; k < n; ++k) {
        const ElementRef e = d.order[k];
        if (!d.holds(e)) continue;
        const int32_t to = (e.isArc() ? arcTo : lineTo)[static_cast<size_t>(e.index())];
        if (to >= 0) d.order[out++] = ElementRef::of(e.kind(), to);
    }
    d.linecount = lines;
    d.arccount = arcs;
}

void removeInSequence(Drawing& d, const std::vector<ElementRef>& sequence) {
    if (sequence.empty()) return;
    if (orderListsEachOnce(d)) {
        removeElements(d, sequence);
        return;
    }
    for (size_t k = 0; k < sequence.size(); ++k) {
        int32_t index = sequence[k].index();
        for (size_t e = 0; e < k; ++e)
            index -= sequence[e].kind() == sequence[k].kind() && sequence[e].index() < sequence[k].index();
        deleteElement(d, ElementRef::of(sequence[k].kind(), index));
    }
}

double arcsweep(double a1, double a2) { return a1 < a2 ? a2 - a1 : 2 * kPi - a1 + a2; }

double arclength(double r, double a1, double a2) { return arcsweep(a1, a2) * r; }

double endTangent(double a2) { return (a2 > 270 ? a2 + 90 - 360 : a2 + 90) * kDegToRad; }

double startTangent(double a1) { return (a1 < 90 ? a1 + 270 : a1 - 90) * kDegToRad; }

double lineLength(const Line& l) {
    return std::sqrt((l.x2 - l.x1) * (l.x2 - l.x1) + (l.y2 - l.y1) * (l.y2 - l.y1));
}

double elementLength(const Drawing& d, ElementRef ref) {
    if (ref.isLine()) return lineLength(d.lines[ref.index()]);
    const Arc& a = d.arcs[ref.index()];
    return arclength(a.r, a.a1 * kDegToRad, a.a2 * kDegToRad);
}

Point arcMiddle(const Arc& a) {
    const double a1 = a.a1 * kDegToRad, a2 = a.a2 * kDegToRad;
    const double w = a1 + arcsweep(a1, a2) / 2;
    return {a.cx + a.r * std::cos(w), a.cy + a.r * std::sin(w)};
}

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

bool rechFindsCircle(Point p1, Point p2, Point p3) {
    // The divisor exactly as the circle routine forms it, including its
    // exchange of x and y for a horizontal chord.
    if (p2.y == p1.y) {
        std::swap(p1.x, p1.y);
        std::swap(p2.x, p2.y);
        std::swap(p3.x, p3.y);
    }
    const double a = 2 * p2.y - 2 * p1.y;
    const double b = 2 * p3.y - 2 * p1.y;
    const double divisor = (2 * a * p1.x - 2 * a * p3.x) - (2 * b * p1.x - 2 * b * p2.x);
    return divisor != 0;
}

void refitArc(Arc& a, Point p1, Point p2, Point p3) {
    if (!rechFindsCircle(p1, p2, p3)) {
        if (coincide(p1.x, p1.y, p2.x, p2.y)) {
            a.a1 = 0;
            a.a2 = 360;
        }
        return;
    }
    const kg::Circle c = kg::rech(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y);
    if (!(std::isfinite(c.xc) && std::isfinite(c.yc) && std::isfinite(c.r) && c.r > 0)) return;
    a.cx = c.xc;
    a.cy = c.yc;
    a.r = c.r;
    a.a1 = c.w1 * kRadToDegShort;
    a.a2 = c.w2 * kRadToDegShort;
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

} // namespace vectrim
