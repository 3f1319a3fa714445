#include "pipeline/contours.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/spatial_grid.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace vectrim {

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

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The ends of all elements in a grid. Items are the lines by index, then the
// arcs (line count + arc index), so that ascending items visit the elements
// in the order of the literal scans: lines in index order, then arcs. The
// arcs' end points are computed once; contour building never changes an arc,
// and turning a line round keeps its two end points.
class Ends {
public:
    explicit Ends(const Drawing& d) : lines_(d.linecount) {
        arcStart_.resize(static_cast<size_t>(d.arccount));
        arcEnd_.resize(static_cast<size_t>(d.arccount));
        double extent = 0;
        auto grow = [&](Point p) {
            if (finite(p)) extent = std::max({extent, std::fabs(p.x), std::fabs(p.y)});
        };
        for (int32_t i = 0; i < d.linecount; ++i) {
            grow({d.lines[i].x1, d.lines[i].y1});
            grow({d.lines[i].x2, d.lines[i].y2});
        }
        for (int32_t i = 0; i < d.arccount; ++i) {
            arcStart_[static_cast<size_t>(i)] = arcStart(d.arcs[i]);
            arcEnd_[static_cast<size_t>(i)] = arcEnd(d.arcs[i]);
            grow(arcStart_[static_cast<size_t>(i)]);
            grow(arcEnd_[static_cast<size_t>(i)]);
        }
        // A point that is not finite coincides with nothing: it is left out.
        grid_.reserve(2 * static_cast<size_t>(d.linecount + d.arccount));
        auto add = [&](int32_t item, Point p) {
            if (finite(p)) grid_.add(item, boxAround(p.x, p.y, 0));
        };
        for (int32_t i = 0; i < d.linecount; ++i) {
            add(i, {d.lines[i].x1, d.lines[i].y1});
            add(i, {d.lines[i].x2, d.lines[i].y2});
        }
        for (int32_t i = 0; i < d.arccount; ++i) {
            add(lines_ + i, arcStart_[static_cast<size_t>(i)]);
            add(lines_ + i, arcEnd_[static_cast<size_t>(i)]);
        }
        grid_.build(std::max(16 * kSamePoint, extent * 1e-12));
    }

    // The elements that may have an end coinciding with P, ascending.
    void near(Point p, std::vector<int32_t>& out) const {
        if (!finite(p)) {
            out.clear();
            return;
        }
        grid_.query(boxAround(p.x, p.y, 2 * kSamePoint), out);
    }

    int32_t lines() const { return lines_; }
    Point arcStartOf(int32_t j) const { return arcStart_[static_cast<size_t>(j)]; }
    Point arcEndOf(int32_t j) const { return arcEnd_[static_cast<size_t>(j)]; }

private:
    int32_t lines_;
    std::vector<Point> arcStart_, arcEnd_;
    SpatialGrid grid_;
};

// Whether P coincides with an end of any element other than `self` (an
// item of Ends). An arc whose two ends coincide is a closed circle: its own
// other end counts, so a circle is never open.
bool touchesOther(const Drawing& d, const Ends& ends, Point p, int32_t self, std::vector<int32_t>& near) {
    if (self >= ends.lines()) {
        const Point s = ends.arcStartOf(self - ends.lines()), e = ends.arcEndOf(self - ends.lines());
        if (coincide(s.x, s.y, e.x, e.y)) return true;
    }
    ends.near(p, near);
    for (const int32_t item : near) {
        if (item == self) continue;
        Point s, e;
        if (item < ends.lines()) {
            const Line& l = d.lines[item];
            s = {l.x1, l.y1};
            e = {l.x2, l.y2};
        } else {
            s = ends.arcStartOf(item - ends.lines());
            e = ends.arcEndOf(item - ends.lines());
        }
        if (coincide(p.x, p.y, s.x, s.y) || coincide(p.x, p.y, e.x, e.y)) return true;
    }
    return false;
}

// Whether P coincides with an end of the line or arc just before or after
// `self` in its table: where it does, P is no free end, and the search of
// all ends is not needed (consecutive elements usually join).
bool touchesNeighbour(const Drawing& d, const Ends& ends, Point p, int32_t self) {
    const bool arc = self >= ends.lines();
    const int32_t i = arc ? self - ends.lines() : self, count = arc ? d.arccount : d.linecount;
    for (const int32_t k : {i - 1, i + 1}) {
        if (k < 0 || k >= count) continue;
        Point s, e;
        if (arc) {
            s = ends.arcStartOf(k);
            e = ends.arcEndOf(k);
        } else {
            s = {d.lines[k].x1, d.lines[k].y1};
            e = {d.lines[k].x2, d.lines[k].y2};
        }
        if (coincide(p.x, p.y, s.x, s.y) || coincide(p.x, p.y, e.x, e.y)) return true;
    }
    return false;
}

bool isFree(const Drawing& d, const Ends& ends, Point p, int32_t self, std::vector<int32_t>& near) {
    return !touchesNeighbour(d, ends, p, self) && !touchesOther(d, ends, p, self, near);
}

void appendFreeEnds(Drawing& d, const Ends& ends, std::vector<int32_t>& near) {
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Point p{d.lines[i].x1, d.lines[i].y1};
        if (isFree(d, ends, p, i, near)) addFreeEnd(d, p, ElementRef::line(i), EndCode::Start);
    }
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Point p{d.lines[i].x2, d.lines[i].y2};
        if (isFree(d, ends, p, i, near)) addFreeEnd(d, p, ElementRef::line(i), EndCode::End);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Point p = ends.arcStartOf(i);
        if (isFree(d, ends, p, ends.lines() + i, near)) addFreeEnd(d, p, ElementRef::arc(i), EndCode::Start);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Point p = ends.arcEndOf(i);
        if (isFree(d, ends, p, ends.lines() + i, near)) addFreeEnd(d, p, ElementRef::arc(i), EndCode::End);
    }
}

// One chain from the current point and direction; ends when no element
// continues it or when it comes back to the closing point. Returns false when
// the step limit was reached. The candidates of a step are the elements with
// an end near the current point, visited as the literal scan visits all
// elements: lines in index order (start, then end), then arcs.
class ChainFollower {
public:
    ChainFollower(Drawing& d, const Ends& ends, Host& host, int32_t& steps, int32_t& fill)
        : d_(d), ends_(ends), host_(host), steps_(steps), fill_(fill) {}

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
            ends_.near(current, near_);
            for (const int32_t item : near_) {
                if (item >= ends_.lines()) {
                    const int32_t j = item - ends_.lines();
                    if (d_.arcs[j].contour != -1) continue;
                    const Arc& a = d_.arcs[j];
                    const Point st = ends_.arcStartOf(j), en = ends_.arcEndOf(j);
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
                    continue;
                }
                const int32_t j = item;
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
            if (!chosen) return true;
            take(*chosen, contour);
            current = next;
            direction = newDirection;
            if (coincide(current.x, current.y, closing.x, closing.y)) return true;
        }
    }

    // The first element without contour number with an end at P: lines
    // before arcs, each in index order, the start before the end.
    ElementAt elementAt(Point p) {
        ends_.near(p, near_);
        for (const int32_t item : near_) {
            if (item < ends_.lines()) {
                const Line& l = d_.lines[item];
                if (l.contour != -1) continue;
                if (coincide(l.x1, l.y1, p.x, p.y))
                    return {ElementKind::Line, item, EndCode::Start, {l.x2, l.y2}};
                if (coincide(l.x2, l.y2, p.x, p.y))
                    return {ElementKind::Line, item, EndCode::End, {l.x1, l.y1}};
                continue;
            }
            const int32_t j = item - ends_.lines();
            if (d_.arcs[j].contour != -1) continue;
            const Point s = ends_.arcStartOf(j), e = ends_.arcEndOf(j);
            if (coincide(s.x, s.y, p.x, p.y)) return {ElementKind::Arc, j, EndCode::Start, e};
            if (coincide(e.x, e.y, p.x, p.y)) return {ElementKind::Arc, j, EndCode::End, s};
        }
        return {};
    }

    void take(ElementRef ref, int16_t contour) {
        if (ref.isArc())
            d_.arcs[ref.index()].contour = contour;
        else
            d_.lines[ref.index()].contour = contour;
        d_.order[fill_++] = ref;
    }

    std::vector<int32_t>& scratch() { return near_; }

private:
    Drawing& d_;
    const Ends& ends_;
    Host& host_;
    int32_t& steps_;
    int32_t& fill_;
    std::vector<int32_t> near_; // the candidates of the current step
};

} // namespace

void findfreeends(Drawing& d) {
    const Ends ends(d);
    std::vector<int32_t> near;
    appendFreeEnds(d, ends, near);
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
    for (Line& l : d.usedLines()) l.contour = -1;
    for (Arc& a : d.usedArcs()) a.contour = -1;
    int16_t contour = 0;
    int32_t fill = 0, steps = 0;
    d.freecount = 0;
    const Ends ends(d);
    ChainFollower chain(d, ends, host, steps, fill);
    appendFreeEnds(d, ends, chain.scratch());
    const Point never{kNeverCloses, kNeverCloses};

    // Open contours, each begun at the next free end. The literal walk
    // starts again at the first entry after each contour; the entries before
    // are all consumed by then, so one pass does the same.
    for (int32_t i = 0; i < d.freecount; ++i) {
        FreeEnd& f = d.freeends[i];
        if (consumed(f)) continue;
        const ElementAt at = chain.elementAt({f.x, f.y});
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
    // Elements only ever get a contour number here, so the first one without
    // is found by cursors that move forward.
    int32_t arcCursor = 0, lineCursor = 0;
    for (;;) {
        std::optional<ElementRef> next;
        while (arcCursor < d.arccount && d.arcs[arcCursor].contour != -1) ++arcCursor;
        if (arcCursor < d.arccount) {
            next = ElementRef::arc(arcCursor);
        } else {
            while (lineCursor < d.linecount && d.lines[lineCursor].contour != -1) ++lineCursor;
            if (lineCursor < d.linecount) next = ElementRef::line(lineCursor);
        }
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
    buildcontours(c, host);
    return copy;
}

bool anyFreeEnd(Drawing& d) {
    d.freecount = 0;
    findfreeends(d);
    const bool any = d.freecount > 0;
    d.freecount = 0;
    return any;
}

} // namespace vectrim
