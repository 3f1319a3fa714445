// Contour building, the free ends and the element at a point as they were
// literally, kept as the measure of the fast ones in vectrim/core/pipeline:
// the same tables from the same full scans.
#include "reference/reference.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "pipeline/elements.h"
#include "reference/end_index.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace vectrim::reference {

namespace {

constexpr int32_t kChainStepLimit = 300000;

// Contour numbers are 16-bit; beyond 32767 contours they start again at 0, so
// that no contour ever gets the -1 of "not in a contour".
int16_t nextContour(int16_t c) { return c == 32767 ? int16_t{0} : static_cast<int16_t>(c + 1); }
constexpr double kNeverCloses = 1000000;

bool consumed(const FreeEnd& f) { return f.x == kConsumed && f.y == kConsumed; }

void addFreeEnd(Drawing& d, Point p, ElementRef ref, EndCode end) {
    if (d.freecount >= kFreeEndSlots) return;
    d.freeends[d.freecount++] = FreeEnd{p.x, p.y, ref, end};
}

// Whether P coincides with an end of any element other than `self`. An arc
// whose two ends coincide is a closed circle: its own other end counts, so a
// circle is never open.
bool touchesOther(const Drawing& d, const EndIndex& ends, Point p, ElementRef self) {
    if (self.isArc()) {
        const Arc& a = d.arcs[self.index()];
        const Point s = arcStart(a), e = arcEnd(a);
        if (coincide(s.x, s.y, e.x, e.y)) return true;
    }
    return ends.anyAt(p, kSamePoint, [&](const EndIndex::End& e) { return e.ref != self; });
}

// One chain from the current point and direction; ends when no element
// continues it or when it comes back to the closing point. Returns false when
// the step limit was reached.
class ChainFollower {
public:
    ChainFollower(Drawing& d, Host& host, int32_t& steps, int32_t& fill)
        : d_(d), host_(host), steps_(steps), fill_(fill) {}

    bool follow(int16_t contour, Point current, double direction, Point closing) {
        for (;;) {
            if (++steps_ > kChainStepLimit) return false;
            if (steps_ % 100 == 0) {
                host_.info(steps_ % 200 == 0 ? msg::tr(msg::kContoursLong) : msg::tr(msg::kContoursShort));
                host_.doEvents();
            }
            double best = 1000.0, newDirection = 0;
            Point next{};
            std::optional<ElementRef> chosen;
            for (int32_t j = 0; j < d_.linecount; ++j) {
                Line& l = d_.lines[j];
                if (l.contour != -1) continue;
                if (coincide(l.x1, l.y1, current.x, current.y)) {
                    const double c = kg::winkelx(l.x1, l.y1, l.x2, l.y2);
                    if (std::fabs(direction - c) < best) {
                        best = std::fabs(direction - c);
                        newDirection = c;
                        next = {l.x2, l.y2};
                        chosen = ElementRef::line(j);
                    }
                }
                if (coincide(l.x2, l.y2, current.x, current.y)) {
                    const double c = kg::winkelx(l.x2, l.y2, l.x1, l.y1);
                    if (std::fabs(direction - c) < best) {
                        best = std::fabs(direction - c);
                        newDirection = c;
                        next = {l.x1, l.y1};
                        chosen = ElementRef::line(j);
                        // The line is turned round now; that stays even if
                        // a later candidate wins.
                        std::swap(l.x1, l.x2);
                        std::swap(l.y1, l.y2);
                    }
                }
            }
            for (int32_t j = 0; j < d_.arccount; ++j) {
                const Arc& a = d_.arcs[j];
                if (a.contour != -1) continue;
                const Point st = arcStart(a), en = arcEnd(a);
                if (coincide(st.x, st.y, current.x, current.y)) {
                    const double c = endTangent(a.a2);
                    if (std::fabs(direction - c) < best) {
                        best = std::fabs(direction - c);
                        newDirection = c;
                        next = en;
                        chosen = ElementRef::arc(j);
                    }
                }
                if (coincide(en.x, en.y, current.x, current.y)) {
                    const double c = startTangent(a.a1);
                    if (std::fabs(direction - c) < best) {
                        best = std::fabs(direction - c);
                        newDirection = c;
                        next = st;
                        chosen = ElementRef::arc(j);
                    }
                }
            }
            if (!chosen) return true;
            take(*chosen, contour);
            current = next;
            direction = newDirection;
            if (coincide(current.x, current.y, closing.x, closing.y)) return true;
        }
    }

    void take(ElementRef ref, int16_t contour) {
        if (ref.isArc())
            d_.arcs[ref.index()].contour = contour;
        else
            d_.lines[ref.index()].contour = contour;
        d_.order[fill_++] = ref;
    }

private:
    Drawing& d_;
    Host& host_;
    int32_t& steps_;
    int32_t& fill_;
};

} // namespace

void findfreeends(Drawing& d) {
    const EndIndex ends(d);
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Point p{d.lines[i].x1, d.lines[i].y1};
        if (!touchesOther(d, ends, p, ElementRef::line(i)))
            addFreeEnd(d, p, ElementRef::line(i), EndCode::Start);
    }
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Point p{d.lines[i].x2, d.lines[i].y2};
        if (!touchesOther(d, ends, p, ElementRef::line(i)))
            addFreeEnd(d, p, ElementRef::line(i), EndCode::End);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Point p = arcStart(d.arcs[i]);
        if (!touchesOther(d, ends, p, ElementRef::arc(i)))
            addFreeEnd(d, p, ElementRef::arc(i), EndCode::Start);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Point p = arcEnd(d.arcs[i]);
        if (!touchesOther(d, ends, p, ElementRef::arc(i))) addFreeEnd(d, p, ElementRef::arc(i), EndCode::End);
    }
}

ElementAt findelementat(const Drawing& d, double px, double py) {
    for (int32_t j = 0; j < d.linecount; ++j) {
        const Line& l = d.lines[j];
        if (l.contour != -1) continue;
        if (coincide(l.x1, l.y1, px, py)) return {ElementKind::Line, j, EndCode::Start, {l.x2, l.y2}};
        if (coincide(l.x2, l.y2, px, py)) return {ElementKind::Line, j, EndCode::End, {l.x1, l.y1}};
    }
    for (int32_t j = 0; j < d.arccount; ++j) {
        const Arc& a = d.arcs[j];
        if (a.contour != -1) continue;
        const Point s = arcStart(a), e = arcEnd(a);
        if (coincide(s.x, s.y, px, py)) return {ElementKind::Arc, j, EndCode::Start, e};
        if (coincide(e.x, e.y, px, py)) return {ElementKind::Arc, j, EndCode::End, s};
    }
    return {};
}

void buildcontours(Drawing& d, Host& host) {
    if (d.linecount == 0 && d.arccount == 0) return;
    for (int32_t i = 0; i < kTableSlots; ++i) {
        d.lines[i].contour = -1;
        d.arcs[i].contour = -1;
    }
    int16_t contour = 0;
    int32_t fill = 0, steps = 0;
    d.freecount = 0;
    reference::findfreeends(d);
    ChainFollower chain(d, host, steps, fill);
    const Point never{kNeverCloses, kNeverCloses};

    // Open contours, each begun at the next free end.
    for (int32_t i = 0; i < d.freecount; ++i) {
        FreeEnd& f = d.freeends[i];
        if (consumed(f)) continue;
        const ElementAt at = reference::findelementat(d, f.x, f.y);
        f.x = f.y = kConsumed;
        if (at.kind == ElementKind::None) continue;
        double direction;
        if (at.kind == ElementKind::Line) {
            Line& l = d.lines[at.index];
            if (at.end == EndCode::End) {
                std::swap(l.x1, l.x2);
                std::swap(l.y1, l.y2);
            }
            direction = kg::winkelx(l.x1, l.y1, l.x2, l.y2);
            chain.take(ElementRef::line(at.index), contour);
        } else {
            const Arc& a = d.arcs[at.index];
            direction = at.end == EndCode::Start ? endTangent(a.a2) : startTangent(a.a1);
            chain.take(ElementRef::arc(at.index), contour);
        }
        if (!chain.follow(contour, at.other, direction, never)) return;
        contour = nextContour(contour);
    }

    // Closed contours: those with an arc first, then those of lines only.
    for (;;) {
        std::optional<ElementRef> next;
        for (int32_t j = 0; j < d.arccount && !next; ++j)
            if (d.arcs[j].contour == -1) next = ElementRef::arc(j);
        for (int32_t j = 0; j < d.linecount && !next; ++j)
            if (d.lines[j].contour == -1) next = ElementRef::line(j);
        if (!next) return;
        Point current, closing;
        double direction;
        if (next->isArc()) {
            const Arc& a = d.arcs[next->index()];
            current = arcEnd(a);
            closing = arcStart(a);
            direction = endTangent(a.a2);
        } else {
            const Line& l = d.lines[next->index()];
            current = {l.x2, l.y2};
            closing = {l.x1, l.y1};
            direction = kg::winkelx(l.x1, l.y1, l.x2, l.y2);
        }
        chain.take(*next, contour);
        if (!chain.follow(contour, current, direction, closing)) return;
        contour = nextContour(contour);
    }
}

std::unique_ptr<Drawing> contoursOnCopy(const Drawing& d, Host& host) {
    auto copy = std::make_unique<Drawing>();
    Drawing& c = *copy;
    std::copy(d.usedLines().begin(), d.usedLines().end(), c.lines.begin());
    std::copy(d.usedArcs().begin(), d.usedArcs().end(), c.arcs.begin());
    std::copy(d.usedOrder().begin(), d.usedOrder().end(), c.order.begin());
    c.linecount = d.linecount;
    c.arccount = d.arccount;
    reference::buildcontours(c, host);
    return copy;
}

bool anyFreeEnd(Drawing& d) {
    d.freecount = 0;
    reference::findfreeends(d);
    const bool any = d.freecount > 0;
    d.freecount = 0;
    return any;
}

} // namespace vectrim::reference
