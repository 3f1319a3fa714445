// The literal duplicate removal, kept as the measure of the fast one in
// vectrim/core/pipeline: the same tables, by the same full scans.
#include "reference/reference.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "pipeline/elements.h"
#include "pipeline/progress.h"
#include "pipeline/repair_places.h"

#include <cmath>
#include <string>

namespace vectrim::reference {

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

// One phase (lines or arcs): for each i the later duplicates are deleted one
// by one, and after each deletion the search starts again at the same i,
// showing the progress afresh. The number of starts is bounded by the element
// count at entry.
template <typename Same, typename Remove>
void removePhase(const Drawing& d, Host& host, const int32_t& count, int32_t countAtEntry,
                 int32_t elementsAtEntry, Same same, Remove remove) {
    int32_t i = 0;
    for (int32_t start = 0; start < countAtEntry; ++start) {
        bool deleted = false;
        for (;; ++i) {
            if (i % 100 == 0) {
                const int32_t gone = elementsAtEntry - d.elementCount();
                showProgress(host, std::string(i % 300 == 0 ? msg::tr(msg::kDuplicatesLong)
                                                            : msg::tr(msg::kDuplicatesShort)) +
                                       msg::tr(msg::kDeletedSoFar) + std::to_string(gone));
            }
            if (i > count - 2) return;
            for (int32_t j = i + 1; j <= count - 1 && !deleted; ++j) {
                if (same(i, j)) {
                    remove(j);
                    deleted = true;
                }
            }
            if (deleted) break; // start again at the same i
        }
    }
}

} // namespace

void removeduplicates(Drawing& d, Host& host) {
    const int32_t l0 = d.linecount, a0 = d.arccount;
    removePhase(
        d, host, d.linecount, l0, l0 + a0,
        [&](int32_t i, int32_t j) { return sameLine(d.lines[i], d.lines[j]); },
        [&](int32_t j) {
            recordRemoved(d, ElementRef::line(j));
            deleteline(d, j);
        });
    removePhase(
        d, host, d.arccount, a0, l0 + a0, [&](int32_t i, int32_t j) { return sameArc(d.arcs[i], d.arcs[j]); },
        [&](int32_t j) {
            recordRemoved(d, ElementRef::arc(j));
            deletearc(d, j);
        });
}

} // namespace vectrim::reference
