#include "export/polylines.h"

#include <cmath>

namespace vectrim {

double sweepDegrees(const Arc& a) {
    const double a1 = normalisedAngle(a.a1), a2 = normalisedAngle(a.a2);
    return a1 < a2 ? a2 - a1 : 360 - a1 + a2;
}

bool isDegenerate(const Line& l) { return l.x1 == l.x2 && l.y1 == l.y2; }

bool isDegenerate(const Arc& a) { return !(a.r > 0) || !(sweepDegrees(a) > 0); }

namespace {

struct Segment {
    Point from, to;
    double bulge = 0;
    bool arc = false;
};

Point onCircle(const Arc& a, double degrees) {
    const double t = degrees * kDegToRad;
    return {a.cx + a.r * std::cos(t), a.cy + a.r * std::sin(t)};
}

bool same(Point p, Point q) { return coincide(p.x, p.y, q.x, q.y); }

// Builds the polylines one chain at a time; the segment buffer is reused.
class Builder {
public:
    explicit Builder(const Drawing& d) : d_(d), done_(static_cast<size_t>(d.elementCount()), 0) {}

    Polylines build() {
        const int32_t fill = chainedEntries();
        int32_t k = 0;
        while (k < fill) {
            const ElementRef ref = d_.order[k];
            if (!usable(ref)) {
                ++k;
                continue;
            }
            // The contour: the following entries with the same number.
            const int16_t contour = contourOf(ref);
            chain_.clear();
            while (k < fill && usable(d_.order[k]) && contourOf(d_.order[k]) == contour) {
                chain_.push_back(d_.order[k]);
                take(d_.order[k]);
                ++k;
            }
            emitChain();
        }
        // Elements in no contour, or missing from the order table.
        for (int32_t i = 0; i < d_.linecount; ++i)
            if (!done_[static_cast<size_t>(i)]) single(ElementRef::line(i));
        for (int32_t i = 0; i < d_.arccount; ++i)
            if (!done_[static_cast<size_t>(d_.linecount + i)]) single(ElementRef::arc(i));
        return std::move(out_);
    }

private:
    const Drawing& d_;
    std::vector<char> done_; // per element: lines, then arcs
    std::vector<ElementRef> chain_;
    std::vector<Segment> segs_;
    Polylines out_;

    // How many order entries contour building filled: one per element that
    // got a contour number (fewer than all when it stopped at its step limit).
    int32_t chainedEntries() const {
        int32_t n = 0;
        for (int32_t i = 0; i < d_.linecount; ++i) n += d_.lines[i].contour != -1;
        for (int32_t i = 0; i < d_.arccount; ++i) n += d_.arcs[i].contour != -1;
        return n;
    }

    size_t slot(ElementRef ref) const { return static_cast<size_t>(d_.denseIndex(ref)); }
    bool usable(ElementRef ref) const { return d_.holds(ref) && !done_[slot(ref)] && contourOf(ref) != -1; }
    int16_t contourOf(ElementRef ref) const { return d_.contourOf(ref); }
    void take(ElementRef ref) { done_[slot(ref)] = 1; }

    void single(ElementRef ref) {
        chain_.assign(1, ref);
        take(ref);
        emitChain();
    }

    Point startOf(ElementRef ref) const {
        if (ref.isArc()) return arcStart(d_.arcs[ref.index()]);
        const Line& l = d_.lines[ref.index()];
        return {l.x1, l.y1};
    }
    Point endOf(ElementRef ref) const {
        if (ref.isArc()) return arcEnd(d_.arcs[ref.index()]);
        const Line& l = d_.lines[ref.index()];
        return {l.x2, l.y2};
    }

    // Appends the segments of one element, run forwards (start to end) or
    // backwards.
    void addSegments(ElementRef ref, bool forwards) {
        if (ref.isLine()) {
            const Line& l = d_.lines[ref.index()];
            if (isDegenerate(l)) {
                ++out_.skipped;
                return;
            }
            const Point s{l.x1, l.y1}, e{l.x2, l.y2};
            segs_.push_back(forwards ? Segment{s, e, 0, false} : Segment{e, s, 0, false});
            return;
        }
        const Arc& a = d_.arcs[ref.index()];
        if (isDegenerate(a)) {
            ++out_.skipped;
            return;
        }
        const double sweep = sweepDegrees(a);
        const int pieces = sweep > kPolylineMaxSweep ? 2 : 1;
        const double bulge = std::tan(sweep / pieces * kDegToRad / 4);
        Point p[3] = {arcStart(a), arcEnd(a), arcEnd(a)};
        if (pieces == 2) p[1] = onCircle(a, normalisedAngle(a.a1) + sweep / 2);
        if (forwards) {
            for (int i = 0; i < pieces; ++i) segs_.push_back({p[i], p[i + 1], bulge, true});
        } else {
            for (int i = pieces; i > 0; --i) segs_.push_back({p[i], p[i - 1], -bulge, true});
        }
    }

    // The point where segment a ends and b begins.
    static Point joint(const Segment& a, const Segment& b) {
        if (a.to.x == b.from.x && a.to.y == b.from.y) return a.to;
        return b.arc && !a.arc ? b.from : a.to;
    }

    void emitChain() {
        // Direction of the first element: towards the second one.
        bool forwards = true;
        if (chain_.size() > 1) {
            const Point s = startOf(chain_[0]), e = endOf(chain_[0]);
            const Point ns = startOf(chain_[1]), ne = endOf(chain_[1]);
            forwards = same(e, ns) || same(e, ne) || !(same(s, ns) || same(s, ne));
        }
        segs_.clear();
        Point current{};
        for (size_t i = 0; i < chain_.size(); ++i) {
            const ElementRef ref = chain_[i];
            if (i > 0) {
                const Point s = startOf(ref), e = endOf(ref);
                forwards = same(s, current) || !same(e, current);
                if (!same(forwards ? s : e, current)) flush(); // the chain is broken here
            }
            current = forwards ? endOf(ref) : startOf(ref);
            addSegments(ref, forwards);
        }
        flush();
    }

    // Writes the buffered segments as one polyline.
    void flush() {
        const size_t m = segs_.size();
        if (m == 0) return;
        PolyRun run;
        run.first = static_cast<int32_t>(out_.vertices.size());
        run.closed = m >= 2 && same(segs_[m - 1].to, segs_[0].from);
        for (size_t k = 0; k < m; ++k) {
            Point p = segs_[k].from;
            if (k > 0)
                p = joint(segs_[k - 1], segs_[k]);
            else if (run.closed)
                p = joint(segs_[m - 1], segs_[0]);
            out_.vertices.push_back({p.x, p.y, segs_[k].bulge});
        }
        if (!run.closed) out_.vertices.push_back({segs_[m - 1].to.x, segs_[m - 1].to.y, 0});
        run.count = static_cast<int32_t>(out_.vertices.size()) - run.first;
        out_.runs.push_back(run);
        segs_.clear();
    }
};

} // namespace

Polylines contourPolylines(const Drawing& d) { return Builder(d).build(); }

} // namespace vectrim
