// The checks of "Kontrolle" as they were literally, kept as the measure of
// the fast ones in vectrim/core/examine: the same marks from the same scans.
#include "reference/reference.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "pipeline/elements.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vectrim::reference {

namespace {

// Appends a mark. At the capacity the entry still lands in the last slot, the
// count stays at the limit and false tells the check to end.
bool addMark(Drawing& d, Point p, ElementRef ref, EndCode end, double angle = 0) {
    const int32_t slot = std::min(d.freecount, kMarkLimit);
    d.freeends[slot] = FreeEnd{p.x, p.y, ref, end};
    d.markAngle[slot] = angle;
    if (slot >= kMarkLimit) {
        d.freecount = kMarkLimit;
        return false;
    }
    d.freecount = slot + 1;
    return true;
}

// One end of an element as the direction checks see it: the end point, a
// point towards the element's inside (the far end of a line, a point just
// inside an arc) and which end it is.
struct ElementEnd {
    Point p;
    Point inner;
    EndCode code;
};

void lineEnds(const Line& l, ElementEnd out[2]) {
    out[0] = {{l.x1, l.y1}, {l.x2, l.y2}, EndCode::Start};
    out[1] = {{l.x2, l.y2}, {l.x1, l.y1}, EndCode::End};
}

void arcEnds(const Arc& a, ElementEnd out[2]) {
    const double a1 = a.a1 * kDegToRad, a2 = a.a2 * kDegToRad;
    auto at = [&](double t) { return Point{a.cx + a.r * std::cos(t), a.cy + a.r * std::sin(t)}; };
    out[0] = {at(a1), at(a1 + kArcProbe), EndCode::Start};
    out[1] = {at(a2), at(a2 - kArcProbe), EndCode::End};
}

// The change of direction in radians (0 .. π) of travel that arrives at a
// joint along one element end and leaves along the other.
double deflection(const ElementEnd& arriving, const ElementEnd& leaving) {
    double a = kg::winkelx(arriving.inner.x, arriving.inner.y, arriving.p.x, arriving.p.y);
    double b = kg::winkelx(leaving.p.x, leaving.p.y, leaving.inner.x, leaving.inner.y);
    if (a > b) std::swap(a, b);
    double d = b - a;
    if (d > kPi) d = kTwoPi - d;
    return d;
}

bool withinDistance(Point p, Point q, double tol) {
    const double dx = p.x - q.x, dy = p.y - q.y;
    return std::sqrt(dx * dx + dy * dy) < tol;
}

// The corner test shared by the three direction checks. False when the mark
// table is full.
bool markCorner(Drawing& d, const ElementEnd& e1, const ElementEnd& e2, ElementRef ref, bool skipReversal) {
    const double dev = deflection(e1, e2);
    if (!(dev > kDirectionThreshold)) return true;
    const double angle = 180 - dev * kRadToDeg;
    if (skipReversal && angle < kReversalAngle) return true;
    return addMark(d, e1.p, ref, e1.code, angle);
}

struct SquareBox {
    double xmin, ymin, xmax, ymax;
};

SquareBox widenedSquare(const Arc& a) {
    const double h = a.r + kArcPairMargin;
    return {a.cx - h, a.cy - h, a.cx + h, a.cy + h};
}

bool overlap(const SquareBox& p, const SquareBox& q) {
    return p.xmin <= q.xmax && q.xmin <= p.xmax && p.ymin <= q.ymax && q.ymin <= p.ymax;
}

// The element ends of a drawing sorted by x, so that the ends near a point
// are found without visiting every element. Counts the same elements as
// countendsat.
class EndIndex {
public:
    explicit EndIndex(const Drawing& d) : stamp_(static_cast<size_t>(d.linecount) + d.arccount, 0) {
        ends_.reserve(2 * stamp_.size());
        auto add = [&](Point p, int32_t slot) {
            if (std::isfinite(p.x) && std::isfinite(p.y)) ends_.push_back({p.x, p.y, slot});
        };
        for (int32_t i = 0; i < d.linecount; ++i) {
            add({d.lines[i].x1, d.lines[i].y1}, i);
            add({d.lines[i].x2, d.lines[i].y2}, i);
        }
        for (int32_t i = 0; i < d.arccount; ++i) {
            add(arcStart(d.arcs[i]), d.linecount + i);
            add(arcEnd(d.arcs[i]), d.linecount + i);
        }
        std::sort(ends_.begin(), ends_.end(), [](const End& a, const End& b) { return a.x < b.x; });
    }

    int32_t countAt(Point p) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return 0;
        ++query_;
        // A window twice the tolerance wide holds every end that coincides;
        // the exact test follows.
        const double lo = p.x - 2 * kJunctionPoint, hi = p.x + 2 * kJunctionPoint;
        auto it =
            std::lower_bound(ends_.begin(), ends_.end(), lo, [](const End& e, double x) { return e.x < x; });
        int32_t n = 0;
        for (; it != ends_.end() && it->x <= hi; ++it) {
            if (!coincide(p.x, p.y, it->x, it->y, kJunctionPoint)) continue;
            if (stamp_[it->slot] == query_) continue;
            stamp_[it->slot] = query_;
            ++n;
        }
        return n;
    }

private:
    struct End {
        double x, y;
        int32_t slot; // line index, or line count + arc index
    };
    std::vector<End> ends_;
    std::vector<uint64_t> stamp_; // the query that last counted an element
    uint64_t query_ = 0;
};

} // namespace

void eck3(Drawing& d) {
    ElementEnd ei[2], ej[2];
    for (int32_t i = 0; i < d.linecount; ++i) {
        lineEnds(d.lines[i], ei);
        for (int32_t j = i + 1; j < d.linecount; ++j) {
            if (d.lines[j].contour != d.lines[i].contour) continue;
            lineEnds(d.lines[j], ej);
            for (const ElementEnd& a : ei)
                for (const ElementEnd& b : ej)
                    if (coincide(a.p.x, a.p.y, b.p.x, b.p.y) &&
                        !markCorner(d, a, b, ElementRef::line(i), false))
                        return;
        }
    }
}

void eck2(Drawing& d) {
    ElementEnd ea[2], el[2];
    for (int32_t i = 0; i < d.arccount; ++i) {
        arcEnds(d.arcs[i], ea);
        for (int32_t j = 0; j < d.linecount; ++j) {
            if (d.lines[j].contour != d.arcs[i].contour) continue;
            lineEnds(d.lines[j], el);
            for (const ElementEnd& a : ea)
                for (const ElementEnd& b : el)
                    if (withinDistance(a.p, b.p, kSamePoint) &&
                        !markCorner(d, a, b, ElementRef::arc(i), false))
                        return;
        }
    }
}

void eck1(Drawing& d) {
    ElementEnd ei[2], ej[2];
    for (int32_t i = 0; i < d.arccount; ++i) {
        const SquareBox bi = widenedSquare(d.arcs[i]);
        arcEnds(d.arcs[i], ei);
        for (int32_t j = i + 1; j < d.arccount; ++j) {
            if (d.arcs[j].contour != d.arcs[i].contour) continue;
            if (!overlap(bi, widenedSquare(d.arcs[j]))) continue;
            arcEnds(d.arcs[j], ej);
            for (const ElementEnd& a : ei)
                for (const ElementEnd& b : ej)
                    if (withinDistance(a.p, b.p, kSamePoint) &&
                        !markCorner(d, a, b, ElementRef::arc(i), true))
                        return;
        }
    }
}

int16_t countendsat(const Drawing& d, double x, double y) {
    int32_t n = 0;
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        if (coincide(x, y, l.x1, l.y1, kJunctionPoint) || coincide(x, y, l.x2, l.y2, kJunctionPoint)) ++n;
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Point s = arcStart(d.arcs[i]), e = arcEnd(d.arcs[i]);
        if (coincide(x, y, s.x, s.y, kJunctionPoint) || coincide(x, y, e.x, e.y, kJunctionPoint)) ++n;
    }
    return static_cast<int16_t>(std::min<int32_t>(n, INT16_MAX));
}

void findjunctions(Drawing& d) {
    EndIndex index(d);
    auto test = [&](Point p, ElementRef ref, EndCode end) {
        return index.countAt(p) <= 2 || addMark(d, p, ref, end);
    };
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        if (!test({l.x1, l.y1}, ElementRef::line(i), EndCode::Start) ||
            !test({l.x2, l.y2}, ElementRef::line(i), EndCode::End))
            return;
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        if (!test(arcStart(d.arcs[i]), ElementRef::arc(i), EndCode::Start) ||
            !test(arcEnd(d.arcs[i]), ElementRef::arc(i), EndCode::End))
            return;
    }
}

void findsmallelements(Drawing& d) {
    const int32_t n = std::min(d.elementCount(), kOrderSlots);
    for (int32_t k = 0; k < n; ++k) {
        const ElementRef ref = d.order[k];
        if (!d.holds(ref)) continue;
        if (ref.isLine()) {
            const Line& l = d.lines[ref.index()];
            const double len = lineLength(l);
            if (!(len < kMinLength)) continue;
            const double a = kg::winkelx(l.x1, l.y1, l.x2, l.y2);
            const Point mid{l.x1 + 0.5 * len * std::cos(a), l.y1 + 0.5 * len * std::sin(a)};
            if (!addMark(d, mid, ref, EndCode::None)) return;
        } else {
            const Arc& a = d.arcs[ref.index()];
            const double a1 = a.a1 * kDegToRad, a2 = a.a2 * kDegToRad;
            // Equal angles are a full circle, as everywhere else.
            const double sweep = arcsweep(a1, a2);
            if (!(sweep * a.r < kMinLength)) continue;
            const double t = a1 + 0.5 * sweep;
            if (!addMark(d, {a.cx + a.r * std::cos(t), a.cy + a.r * std::sin(t)}, ref, EndCode::None)) return;
        }
    }
}

} // namespace vectrim::reference
