#include "pipeline/joining.h"

#include "kgeom_api.h"
#include "pipeline/elements.h"
#include "pipeline/repair_places.h"
#include "pipeline/spatial_grid.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <queue>
#include <vector>

namespace vectrim {

void swapvalues(double& a, double& b) {
    const double t = a;
    a = b;
    b = t;
}

void arccos(double x, double& result) {
    if (x > 1 || x < -1) {
        result = 0;
    } else if (x > 0) {
        result = std::atan(std::sqrt(1 - x * x) / x);
    } else if (x < 0) {
        result = kPiShort - std::atan(std::sqrt(1 - x * x) / std::fabs(x));
    } else if (x == 0) {
        result = kPi / 2;
    } else {
        result = x; // not a number: the pair is not merged
    }
}

namespace {

Point pointAt(const Arc& a, double degrees) {
    const double w = degrees * kDegToRadShort;
    return {a.cx + a.r * std::cos(w), a.cy + a.r * std::sin(w)};
}

// Whether arc j continues arc i counter-clockwise on the same circle.
bool continues(const Arc& i, const Arc& j) {
    if (!coincide(i.cx, i.cy, j.cx, j.cy) || !(std::fabs(i.r - j.r) < kArcJoinRadius)) return false;
    const bool angles = std::fabs(i.a2 - j.a1) < kArcJoinAngle ||
                        (std::fabs(i.a2 - 360) < kArcJoinFull && std::fabs(j.a1) < kArcJoinFull);
    if (!angles) return false;
    const Point ie = pointAt(i, i.a2), js = pointAt(j, j.a1);
    return coincide(ie.x, ie.y, js.x, js.y);
}

bool finite(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

// Arc i takes over arc j, which continues it.
void merge(Arc& ai, const Arc& aj) {
    const Point is = pointAt(ai, ai.a1), je = pointAt(aj, aj.a2);
    recordJoined(pointAt(ai, ai.a2));
    if (coincide(is.x, is.y, je.x, je.y)) {
        ai.a1 = 0; // closed on itself
        ai.a2 = 360;
    } else {
        ai.a2 = aj.a2;
    }
}

void reverse(Line& l) {
    swapvalues(l.x1, l.x2);
    swapvalues(l.y1, l.y2);
}

// Turns A and B so that A ends where B starts. False when they share no end.
bool orientPair(Line& a, Line& b) {
    if (coincide(a.x1, a.y1, b.x1, b.y1, kJoinEndMatch)) {
        reverse(a);
    } else if (coincide(a.x2, a.y2, b.x1, b.y1, kJoinEndMatch)) {
    } else if (coincide(a.x1, a.y1, b.x2, b.y2, kJoinEndMatch)) {
        reverse(a);
        reverse(b);
    } else if (coincide(a.x2, a.y2, b.x2, b.y2, kJoinEndMatch)) {
        reverse(b);
    } else {
        return false;
    }
    return true;
}

// How far the shared point lies from the line from A's start to B's end.
double deviation(const Line& a, const Line& b) {
    const double la = lineLength(a), lb = lineLength(b);
    const double c = std::sqrt((b.x2 - a.x1) * (b.x2 - a.x1) + (b.y2 - a.y1) * (b.y2 - a.y1));
    if (2 * la * c == 0) return 1.1;
    double angle = 0;
    arccos((la * la + c * c - lb * lb) / (2 * la * c), angle);
    return std::fabs(std::sin(angle)) * la;
}

} // namespace

// The literal stage merges the first pair (i, j), i < j, in the order of
// the arc table, and starts again from the first pair. A merge changes only
// arc i, and only its end angle unless it closes on itself: so the pairs
// before (i, j) stay apart, except those that end in arc i when its start
// moved to 0 degrees. Here the arcs are taken in table order, each looks for
// its first partner among the arcs with a centre near its own, and an arc
// whose pairs may have changed is taken again before any later one.
void joinarcs(Drawing& d) {
    const int32_t n = d.arccount;
    if (n < 2) return;
    SpatialGrid centres;
    double extent = 0;
    for (int32_t i = 0; i < n; ++i) {
        const Arc& a = d.arcs[i];
        if (!finite(a.cx, a.cy)) continue; // its centre coincides with none
        centres.add(i, boxAround(a.cx, a.cy, 0));
        extent = std::max({extent, std::fabs(a.cx), std::fabs(a.cy)});
    }
    centres.build(std::max(4 * kSamePoint, extent * 1e-12));
    std::vector<char> gone(static_cast<size_t>(n), 0);
    std::vector<ElementRef> sequence;
    std::vector<int32_t> near;
    std::priority_queue<int32_t, std::vector<int32_t>, std::greater<>> again;
    int32_t next = 0; // the arcs before it, and not waiting again, have no partner
    for (;;) {
        int32_t i;
        if (!again.empty()) {
            i = again.top();
            again.pop();
        } else if (next < n) {
            i = next++;
        } else {
            break;
        }
        Arc& ai = d.arcs[i];
        if (gone[i] || !finite(ai.cx, ai.cy)) continue;
        centres.query(boxAround(ai.cx, ai.cy, 2 * kSamePoint), near);
        const auto partner = std::find_if(near.begin(), near.end(), [&](int32_t j) {
            return j > i && !gone[j] && continues(ai, d.arcs[j]);
        });
        if (partner == near.end()) continue;
        const double a1 = ai.a1;
        merge(ai, d.arcs[*partner]);
        gone[*partner] = 1;
        sequence.push_back(ElementRef::arc(*partner));
        again.push(i);
        if (ai.a1 != a1)
            for (const int32_t k : near)
                if (k < i && !gone[k]) again.push(k);
    }
    removeInSequence(d, sequence);
}

// The literal stage compares line A with every later line B; after a merge
// it compares the longer A with every later line again. Only lines with an
// end at one of A's ends can be turned or merged, so these are looked for in
// a grid of line ends, in table order.
void joinlines(Drawing& d) {
    const int32_t n = d.linecount;
    if (n < 2) return;
    SpatialGrid ends;
    double extent = 0;
    const auto addEnd = [&](int32_t i, double x, double y) {
        if (!finite(x, y)) return; // such an end meets none
        ends.add(i, boxAround(x, y, 0));
        extent = std::max({extent, std::fabs(x), std::fabs(y)});
    };
    for (int32_t i = 0; i < n; ++i) {
        addEnd(i, d.lines[i].x1, d.lines[i].y1);
        addEnd(i, d.lines[i].x2, d.lines[i].y2);
    }
    ends.build(std::max(4 * kJoinEndMatch, extent * 1e-12));
    std::vector<char> gone(static_cast<size_t>(n), 0);
    std::vector<ElementRef> sequence;
    std::vector<int32_t> atStart, atEnd, near;
    const auto query = [&](double x, double y, std::vector<int32_t>& out) {
        out.clear();
        if (finite(x, y)) ends.query(boxAround(x, y, 2 * kJoinEndMatch), out);
    };
    for (int32_t i = 0; i < n; ++i) {
        if (gone[i]) continue;
        bool merged = true;
        while (merged) {
            merged = false;
            Line& a = d.lines[i];
            query(a.x1, a.y1, atStart);
            query(a.x2, a.y2, atEnd);
            near.clear();
            std::set_union(atStart.begin(), atStart.end(), atEnd.begin(), atEnd.end(),
                           std::back_inserter(near));
            for (const int32_t j : near) {
                if (j <= i || gone[j]) continue;
                Line& b = d.lines[j];
                if (!orientPair(a, b)) continue;
                const double wa = kg::winkelx(a.x1, a.y1, a.x2, a.y2);
                const double wb = kg::winkelx(b.x1, b.y1, b.x2, b.y2);
                if (std::fabs(wa - wb) > kJoinDirection) continue;
                if (!(deviation(a, b) < kJoinDeviation)) continue;
                recordJoined({a.x2, a.y2});
                a.x2 = b.x2;
                a.y2 = b.y2;
                addEnd(i, a.x2, a.y2);
                gone[j] = 1;
                sequence.push_back(ElementRef::line(j));
                merged = true; // the longer A is compared with every later line again
                break;
            }
        }
    }
    removeInSequence(d, sequence);
}

} // namespace vectrim
