#include "pipeline/arcs_to_lines.h"

#include "pipeline/elements.h"
#include "pipeline/repair_places.h"

#include <cmath>

namespace vectrim {

namespace {

Point pointAt(const Arc& a, double w) { return {a.cx + a.r * std::cos(w), a.cy + a.r * std::sin(w)}; }

// How many chords replace a nearly straight arc: none (one line) when it
// bulges less than minlength, otherwise one per 10 mm of length, at most 40.
int chordCount(const Arc& a, double span, double minlength) {
    const double sagitta = std::fabs((1 - std::cos(span / 2)) * a.r);
    if (!(sagitta >= minlength)) return 0;
    const double n = std::nearbyint(a.r * span * kChordsPerMm); // halves to even
    if (!(n >= 0)) return 0;
    return n >= kMaxChords ? kMaxChords : static_cast<int>(n);
}

// Replaces arc i by n chords (one line from start to end when n < 2).
void replaceByChords(Drawing& d, int32_t i, double a1, double span, int n) {
    const Arc a = d.arcs[i];
    recordRemoved(a);
    deletearc(d, i);
    if (n < 2) {
        const Point st = pointAt(a, a1), en = pointAt(a, a1 + span);
        d.appendLine(st.x, st.y, en.x, en.y, a.contour);
        return;
    }
    for (int k = 0; k < n; ++k) {
        const Point p = pointAt(a, a1 + k * span / n), q = pointAt(a, a1 + (k + 1) * span / n);
        d.appendLine(p.x, p.y, q.x, q.y, a.contour);
    }
}

} // namespace

void arcstolines(Drawing& d, const RunSettings& t) {
    const double maxradius = t.maxradius, minlength = t.minlength;
    for (int32_t i = d.arccount - 1; i >= 0; --i) {
        const Arc& a = d.arcs[i];
        if (!(a.r > maxradius)) continue;
        const double a1 = a.a1 * kDegToRad, a2 = a.a2 * kDegToRad;
        const double span = a1 < a2 ? a2 - a1 : kTwoPiShort - a1 + a2;
        replaceByChords(d, i, a1, span, chordCount(a, span, minlength));
    }
    // Arcs too short to keep become one line from their start to their end.
    for (int32_t i = d.arccount - 1; i >= 0; --i) {
        const Arc a = d.arcs[i];
        if (!(arclength(a.r, a.a1 * kDegToRad, a.a2 * kDegToRad) < minlength)) continue;
        const Point st = arcStart(a), en = arcEnd(a);
        recordRemoved(a);
        deletearc(d, i);
        d.appendLine(st.x, st.y, en.x, en.y, a.contour);
    }
}

} // namespace vectrim
