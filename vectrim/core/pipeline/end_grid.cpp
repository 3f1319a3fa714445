#include "pipeline/end_grid.h"

#include "pipeline/elements.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

} // namespace

void EndGrid::endsOf(const Drawing& d, ElementRef ref, Point& start, Point& end) {
    if (ref.isArc()) {
        start = arcStart(d.arcs[ref.index()]);
        end = arcEnd(d.arcs[ref.index()]);
    } else {
        const Line& l = d.lines[ref.index()];
        start = {l.x1, l.y1};
        end = {l.x2, l.y2};
    }
}

EndGrid::EndGrid(const Drawing& d, const std::vector<char>& gone) : lines_(d.linecount), gone_(gone) {
    double extent = 0;
    grid_.reserve(2 * static_cast<size_t>(d.elementCount()));
    for (int32_t item = 0; item < d.elementCount(); ++item) {
        Point s, e;
        endsOf(d, refOf(item), s, e);
        for (const Point p : {s, e}) {
            if (!finite(p)) continue; // such an end meets nothing
            add(item, p);
            extent = std::max({extent, std::fabs(p.x), std::fabs(p.y)});
        }
    }
    grid_.build(std::max(16 * kSamePoint, extent * 1e-12));
}

void EndGrid::add(int32_t item, Point p) { grid_.add(item, boxAround(p.x, p.y, 0)); }

void EndGrid::near(Point p, double r, std::vector<int32_t>& out) const {
    out.clear();
    if (!finite(p)) return; // no end coincides with it
    grid_.query(boxAround(p.x, p.y, r), out);
    out.erase(std::remove_if(out.begin(), out.end(), [&](int32_t item) { return gone_[item] != 0; }),
              out.end());
}

void EndGrid::moved(const Drawing& d, int32_t item) {
    Point s, e;
    endsOf(d, refOf(item), s, e);
    for (const Point p : {s, e})
        if (finite(p)) add(item, p);
}

int32_t EndGrid::endsAt(const Drawing& d, Point p, ElementRef self) {
    near(p, 2 * kSamePoint, found_);
    int32_t n = 0;
    for (const int32_t item : found_) {
        const ElementRef ref = refOf(item);
        if (ref == self) continue;
        Point s, e;
        endsOf(d, ref, s, e);
        n += coincide(s.x, s.y, p.x, p.y);
        n += coincide(e.x, e.y, p.x, p.y);
    }
    return n;
}

bool EndGrid::moveEndAt(Drawing& d, ElementRef ref, Point start, Point end, Point p, Point q,
                        double arcEndMatch) {
    if (ref.isLine()) {
        Line& l = d.lines[ref.index()];
        if (coincide(l.x1, l.y1, p.x, p.y)) {
            l.x1 = q.x;
            l.y1 = q.y;
        } else if (coincide(l.x2, l.y2, p.x, p.y)) {
            l.x2 = q.x;
            l.y2 = q.y;
        } else {
            return false;
        }
        return true;
    }
    Arc& a = d.arcs[ref.index()];
    const Point mid = arcMiddle(a);
    if (coincide(start.x, start.y, p.x, p.y))
        refitArc(a, q, end, mid);
    else if (coincide(end.x, end.y, p.x, p.y, arcEndMatch))
        refitArc(a, start, q, mid);
    else
        return false;
    return true;
}

EndGrid::Move EndGrid::moveFirstEndAt(Drawing& d, Point p, Point q, std::optional<ElementRef> skip) {
    near(p, 2 * kSamePoint, found_);
    for (const int32_t item : found_) {
        const ElementRef ref = refOf(item);
        if (skip == ref) continue;
        Move m{item, {}, {}};
        endsOf(d, ref, m.start, m.end);
        if (!moveEndAt(d, ref, m.start, m.end, p, q, kArcEndMatch)) continue;
        moved(d, item);
        return m;
    }
    return {};
}

} // namespace vectrim
