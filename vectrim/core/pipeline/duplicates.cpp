#include "pipeline/duplicates.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"
#include "pipeline/spatial_grid.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace vectrim {

namespace {

Point pointAt(const Arc& a, double w) { return {a.cx + a.r * std::cos(w), a.cy + a.r * std::sin(w)}; }

bool sameLine(const Line& a, const Line& b) {
    return (coincide(a.x1, a.y1, b.x1, b.y1) && coincide(a.x2, a.y2, b.x2, b.y2)) ||
           (coincide(a.x1, a.y1, b.x2, b.y2) && coincide(a.x2, a.y2, b.x1, b.y1));
}

// Arcs with the same start and end points are duplicates when 21 points of
// arc i, evenly spread over its sweep, all lie on arc j.
bool sameArc(const Arc& ai, const Arc& aj) {
    const double i1 = ai.a1 * kDegToRadShort, i2 = ai.a2 * kDegToRadShort;
    const double j1 = aj.a1 * kDegToRadShort, j2 = aj.a2 * kDegToRadShort;
    const Point si = pointAt(ai, i1), ei = pointAt(ai, i2);
    const Point sj = pointAt(aj, j1), ej = pointAt(aj, j2);
    if (!coincide(si.x, si.y, sj.x, sj.y) || !coincide(ei.x, ei.y, ej.x, ej.y)) return false;
    const double step = arcsweep(i1, i2) / kDuplicateArcSamples;
    for (int k = 0; k <= kDuplicateArcSamples; ++k) {
        const Point p = pointAt(ai, i1 + k * step);
        const Point on = pointAt(aj, kg::winkelx(aj.cx, aj.cy, p.x, p.y));
        if (!coincide(p.x, p.y, on.x, on.y)) return false;
    }
    return true;
}

void showPhaseProgress(Host& host, int32_t i, int32_t gone) {
    showProgress(host,
                 std::string(i % 300 == 0 ? msg::tr(msg::kDuplicatesLong) : msg::tr(msg::kDuplicatesShort)) +
                     msg::tr(msg::kDeletedSoFar) + std::to_string(gone));
}

// One phase (lines or arcs) over the n elements present at its start. The
// literal phase deletes, for the element at position i, its first later
// duplicate, starts again at the same i, and so on, then moves on to i + 1.
// Its net effect: every element that survives removes all later survivors
// that duplicate it. Here the later duplicates of each survivor are looked
// for among the elements near its start point (`near`), marked in `gone`
// and listed in the order of deletion in `sequence`; the caller removes
// them. The progress comes as the literal walk shows it: at each position i
// that is a multiple of 100, once on arrival and once after each deletion
// there, with the number deleted so far in both phases. Returns the number
// deleted.
template <typename Near, typename Same>
int32_t markPhase(Host& host, int32_t n, int32_t goneBefore, std::vector<char>& gone,
                  std::vector<int32_t>& sequence, Near near, Same same) {
    gone.assign(static_cast<size_t>(n), 0);
    sequence.clear();
    std::vector<int32_t> candidates;
    int32_t position = 0;
    for (int32_t k = 0; k < n; ++k) {
        if (gone[static_cast<size_t>(k)]) continue;
        const bool show = position % 100 == 0;
        if (show) showPhaseProgress(host, position, goneBefore + static_cast<int32_t>(sequence.size()));
        near(k, candidates);
        for (const int32_t m : candidates) {
            if (m <= k || gone[static_cast<size_t>(m)] || !same(k, m)) continue;
            gone[static_cast<size_t>(m)] = 1;
            sequence.push_back(m);
            if (show) showPhaseProgress(host, position, goneBefore + static_cast<int32_t>(sequence.size()));
        }
        ++position;
    }
    return static_cast<int32_t>(sequence.size());
}

// Deletes the elements of one kind listed in `sequence` (indices at the
// start of the phase, in the order the literal phase deletes them). With an
// order table that lists every element once this is one compaction; else
// each goes by itself, at its index of that moment, as the literal phase
// does it.
void removeMarked(Drawing& d, ElementKind kind, const std::vector<int32_t>& sequence) {
    if (sequence.empty()) return;
    for (const int32_t m : sequence) recordRemoved(d, ElementRef::of(kind, m));
    if (orderListsEachOnce(d)) {
        std::vector<ElementRef> refs;
        refs.reserve(sequence.size());
        for (const int32_t m : sequence) refs.push_back(ElementRef::of(kind, m));
        removeElements(d, refs);
        return;
    }
    for (size_t k = 0; k < sequence.size(); ++k) {
        int32_t index = sequence[k];
        for (size_t e = 0; e < k; ++e) index -= sequence[e] < sequence[k];
        deleteElement(d, ElementRef::of(kind, index));
    }
}

// The end points of lines (both ends) or the start points of arcs in a
// grid: a duplicate has an end at the start point of the element it
// repeats.
class PointGrid {
public:
    explicit PointGrid(size_t points) { grid_.reserve(points); }
    void add(int32_t item, Point p) {
        // A point that is not finite coincides with nothing.
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
        grid_.add(item, boxAround(p.x, p.y, 0));
        extent_ = std::max({extent_, std::fabs(p.x), std::fabs(p.y)});
    }
    void build() { grid_.build(std::max(16 * kSamePoint, extent_ * 1e-12)); }
    void near(Point p, std::vector<int32_t>& out) const {
        out.clear();
        if (std::isfinite(p.x) && std::isfinite(p.y)) grid_.query(boxAround(p.x, p.y, 2 * kSamePoint), out);
    }

private:
    SpatialGrid grid_;
    double extent_ = 0;
};

} // namespace

void removeduplicates(Drawing& d, Host& host) {
    const int32_t l0 = d.linecount, a0 = d.arccount;
    std::vector<char> gone;
    std::vector<int32_t> sequence;
    int32_t deleted = 0;
    if (l0 > 0) {
        PointGrid ends(2 * static_cast<size_t>(l0));
        for (int32_t i = 0; i < l0; ++i) {
            ends.add(i, {d.lines[i].x1, d.lines[i].y1});
            ends.add(i, {d.lines[i].x2, d.lines[i].y2});
        }
        ends.build();
        deleted = markPhase(
            host, l0, 0, gone, sequence,
            [&](int32_t k, std::vector<int32_t>& out) {
                ends.near({d.lines[k].x1, d.lines[k].y1}, out);
            },
            [&](int32_t i, int32_t j) { return sameLine(d.lines[i], d.lines[j]); });
        removeMarked(d, ElementKind::Line, sequence);
    }
    if (a0 > 0) {
        PointGrid starts(static_cast<size_t>(a0));
        for (int32_t i = 0; i < a0; ++i) starts.add(i, pointAt(d.arcs[i], d.arcs[i].a1 * kDegToRadShort));
        starts.build();
        markPhase(
            host, a0, deleted, gone, sequence,
            [&](int32_t k, std::vector<int32_t>& out) {
                starts.near(pointAt(d.arcs[k], d.arcs[k].a1 * kDegToRadShort), out);
            },
            [&](int32_t i, int32_t j) { return sameArc(d.arcs[i], d.arcs[j]); });
        removeMarked(d, ElementKind::Arc, sequence);
    }
}

} // namespace vectrim
