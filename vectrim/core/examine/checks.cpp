#include "examine/checks.h"

#include "examine/end_cells.h"
#include "kgeom_api.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "pipeline/contours.h"
#include "pipeline/elements.h"
#include "pipeline/stage_set.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace vectrim {

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

// The ends of every line in cells, items the line indices.
void lineEndCells(const Drawing& d, EndCells& cells) {
    ElementEnd e[2];
    for (int32_t i = 0; i < d.linecount; ++i) {
        lineEnds(d.lines[i], e);
        cells.add(i, e[0].p);
        cells.add(i, e[1].p);
    }
    cells.build(kSamePoint);
}

CheckLabels resultLabels(const Drawing& d, Check check) {
    const int32_t n = d.freecount;
    CheckLabels l;
    l.label2Visible = true;
    switch (check) {
        case Check::Directions: l.label3 = msg::tr(msg::kCorners) + numberText(n); break;
        case Check::OpenContours:
            l.label3 = msg::tr(msg::kOpenContour);
            l.label2 = n > 0 ? msg::tr(msg::kPresent) : msg::tr(msg::kNone);
            l.label2Colour = n > 0 ? 12 : 0;
            break;
        case Check::Junctions:
            l.label3 = msg::tr(msg::kJunctions);
            l.label2 = n > 0 ? numberText(n) : msg::tr(msg::kNone);
            l.label2Colour = n > 0 ? 12 : 0;
            break;
        case Check::SmallElements:
            l.label3 = msg::tr(msg::kShorterThanMin);
            l.label2 = numberText(n);
            break;
        default: break;
    }
    return l;
}

} // namespace

bool confirmLongCheck(const Drawing& d, Host& host) {
    if (d.elementCount() <= kLongCheckElements) return true;
    return host.ask(msg::tr(msg::kTitleLongCheck), msg::tr(msg::kLongCheck)) != 'N';
}

bool runCheck(Drawing& d, ViewState& v, Host& host, Check check, ViewFrame& frame) {
    if (check == Check::EndPoints) {
        v.markMode = 1;
        v.angleReadout = 0;
        CheckLabels l;
        l.label3 = msg::tr(msg::kEndPoints);
        l.label2Visible = true;
        frame.showCheckLabels(l);
        frame.paint();
        return true;
    }
    if (check == Check::ClearMarks) {
        d.freecount = 0;
        v.angleReadout = 0;
        v.markMode = 0;
        frame.showCheckLabels(CheckLabels{});
        frame.paint();
        return true;
    }
    if ((check == Check::Directions || check == Check::OpenContours) && !confirmLongCheck(d, host))
        return false;

    CheckLabels waiting;
    waiting.label3 = msg::tr(msg::kPleaseWait);
    frame.showCheckLabels(waiting);
    v.markMode = 2;
    d.freecount = 0;
    v.angleReadout = 0;
    host.doEvents();

    const StageSet& set = stageSet();
    switch (check) {
        case Check::Directions:
            set.eck2(d);
            set.eck3(d);
            set.eck1(d);
            if (d.freecount > 0) v.angleReadout = 1;
            break;
        case Check::OpenContours: set.findfreeends(d); break;
        case Check::Junctions: set.findjunctions(d); break;
        case Check::SmallElements: set.findsmallelements(d); break;
        default: break;
    }
    frame.showCheckLabels(resultLabels(d, check));
    frame.paint();
    return true;
}

// The direction checks test the pairs the literal scans test, in the same
// order; an element that has no end near one of the other's ends cannot
// form a corner with it, so only the elements the cells give are visited.
void eck3(Drawing& d) {
    EndCells ends;
    lineEndCells(d, ends);
    std::vector<int32_t> near;
    ElementEnd ei[2], ej[2];
    for (int32_t i = 0; i < d.linecount; ++i) {
        lineEnds(d.lines[i], ei);
        ends.near(ei[0].p, ei[1].p, near);
        for (const int32_t j : near) {
            if (j <= i || d.lines[j].contour != d.lines[i].contour) continue;
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
    if (d.arccount == 0) return;
    EndCells ends;
    lineEndCells(d, ends);
    std::vector<int32_t> near;
    ElementEnd ea[2], el[2];
    for (int32_t i = 0; i < d.arccount; ++i) {
        arcEnds(d.arcs[i], ea);
        ends.near(ea[0].p, ea[1].p, near);
        for (const int32_t j : near) {
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
    // The arcs' ends are computed once, as the literal scan computes them.
    std::vector<std::array<ElementEnd, 2>> arcEndsOf(static_cast<size_t>(d.arccount));
    EndCells ends;
    for (int32_t i = 0; i < d.arccount; ++i) {
        ElementEnd e[2];
        arcEnds(d.arcs[i], e);
        arcEndsOf[static_cast<size_t>(i)] = {e[0], e[1]};
        ends.add(i, e[0].p);
        ends.add(i, e[1].p);
    }
    ends.build(kSamePoint);
    std::vector<int32_t> near;
    ElementEnd ei[2];
    for (int32_t i = 0; i < d.arccount; ++i) {
        const SquareBox bi = widenedSquare(d.arcs[i]);
        ei[0] = arcEndsOf[static_cast<size_t>(i)][0];
        ei[1] = arcEndsOf[static_cast<size_t>(i)][1];
        ends.near(ei[0].p, ei[1].p, near);
        for (const int32_t j : near) {
            if (j <= i || d.arcs[j].contour != d.arcs[i].contour) continue;
            if (!overlap(bi, widenedSquare(d.arcs[j]))) continue;
            for (const ElementEnd& a : ei)
                for (const ElementEnd& b : arcEndsOf[static_cast<size_t>(j)])
                    if (withinDistance(a.p, b.p, kSamePoint) &&
                        !markCorner(d, a, b, ElementRef::arc(i), true))
                        return;
        }
    }
}

void findopenends(Drawing& d) {
    ElementEnds ends(d, kSamePoint);
    const size_t lines = static_cast<size_t>(d.linecount);
    auto add = [&](Point p, ElementRef ref, EndCode end) {
        if (d.freecount < kFreeEndSlots) d.freeends[d.freecount++] = FreeEnd{p.x, p.y, ref, end};
    };
    for (size_t k = 0; k < lines; ++k)
        if (!ends.touchesOther(ends.start(k), k))
            add(ends.start(k), ElementRef::line(int32_t(k)), EndCode::Start);
    for (size_t k = 0; k < lines; ++k)
        if (!ends.touchesOther(ends.end(k), k)) add(ends.end(k), ElementRef::line(int32_t(k)), EndCode::End);
    for (size_t k = lines; k < ends.size(); ++k)
        if (!ends.touchesOther(ends.start(k), k))
            add(ends.start(k), ElementRef::arc(int32_t(k - lines)), EndCode::Start);
    for (size_t k = lines; k < ends.size(); ++k)
        if (!ends.touchesOther(ends.end(k), k))
            add(ends.end(k), ElementRef::arc(int32_t(k - lines)), EndCode::End);
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
    ElementEnds index(d, kJunctionPoint);
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

std::vector<FreeEnd> endpointMarks(const Drawing& d) {
    std::vector<FreeEnd> marks;
    marks.reserve(2 * static_cast<size_t>(d.elementCount()));
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        marks.push_back({l.x1, l.y1, ElementRef::line(i), EndCode::Start});
        marks.push_back({l.x2, l.y2, ElementRef::line(i), EndCode::End});
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Point s = arcStart(d.arcs[i]), e = arcEnd(d.arcs[i]);
        marks.push_back({s.x, s.y, ElementRef::arc(i), EndCode::Start});
        marks.push_back({e.x, e.y, ElementRef::arc(i), EndCode::End});
    }
    return marks;
}

std::optional<std::string> angleReadoutText(const Drawing& d, const ViewState& v, double x, double y) {
    if (v.angleReadout != 1) return std::nullopt;
    const double t = (v.window.xmax - v.window.xmin) / kPickDivisor;
    // The last matching mark wins.
    for (int32_t i = std::min(d.freecount, kMarkLimit) - 1; i >= 0; --i) {
        const FreeEnd& m = d.freeends[i];
        if (std::fabs(x - m.x) < t && std::fabs(y - m.y) < t) {
            double angle = d.markAngle[i];
            int16_t decimals = 1;
            kg::api().rounder(&angle, &decimals);
            return numberText(angle) + msg::tr(msg::kDegrees);
        }
    }
    return std::string();
}

} // namespace vectrim
