#include "inspect/selection.h"

#include "kgeom_api.h"
#include "model/numtext.h"
#include "pipeline/contours.h"
#include "view/extents.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {

constexpr double kNoCorner = -10000; // SelPrevX / SelPrevY before a rectangle is drawn

Box selectionBox(const ViewState& v) {
    return {std::min(v.selX1, v.selX2), std::min(v.selY1, v.selY2), std::max(v.selX1, v.selX2),
            std::max(v.selY1, v.selY2)};
}

bool inside(const Box& b, double x, double y) {
    return b.xmin <= x && x <= b.xmax && b.ymin <= y && y <= b.ymax;
}

double segmentDistance(const Line& l, double x, double y) {
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - l.x1) * dx + (y - l.y1) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (l.x1 + t * dx), y - (l.y1 + t * dy));
}

double arcDistance(const Arc& a, double x, double y) {
    double px = x, py = y, cx = a.cx, cy = a.cy, r = a.r;
    double a1 = normalisedAngle(a.a1) * kDegToRad, a2 = normalisedAngle(a.a2) * kDegToRad;
    double d = 0, qx = 0, qy = 0, t = 0;
    int16_t on = 0;
    kg::api().comparer(&px, &py, &cx, &cy, &r, &a1, &a2, &d, &qx, &qy, &t, &on);
    return d;
}

} // namespace

void linebox(const Drawing& d, const ViewState& v, int32_t t, int32_t& s) {
    const Box b = selectionBox(v);
    const Line& l = d.lines[t];
    s = inside(b, l.x1, l.y1) && inside(b, l.x2, l.y2) ? 1 : 0;
}

void kreisbox(const Drawing& d, const ViewState& v, int32_t t, int32_t& s) {
    const Box b = selectionBox(v);
    const Arc& a = d.arcs[t];
    const ArcBox ab = arcbox(a.cx, a.cy, a.r, a.a1 * kDegToRad, a.a2 * kDegToRad);
    s = inside(b, ab.box.xmin, ab.box.ymin) && inside(b, ab.box.xmax, ab.box.ymax) ? 1 : 0;
}

std::vector<int32_t> elementsInside(const Drawing& d, const ViewState& v) {
    std::vector<int32_t> refs;
    int32_t s = 0;
    for (int32_t i = 0; i < d.linecount; ++i) {
        linebox(d, v, i, s);
        if (s) refs.push_back(i);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        kreisbox(d, v, i, s);
        if (s) refs.push_back(i + kArcRef);
    }
    return refs;
}

std::optional<int32_t> elementAt(const Drawing& d, double x, double y, double tol) {
    std::optional<int32_t> best;
    double bestDistance = tol;
    for (int32_t i = 0; i < d.linecount; ++i) {
        const double dist = segmentDistance(d.lines[i], x, y);
        if (dist < bestDistance) {
            bestDistance = dist;
            best = i;
        }
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const double dist = arcDistance(d.arcs[i], x, y);
        if (dist < bestDistance) {
            bestDistance = dist;
            best = i + kArcRef;
        }
    }
    return best;
}

std::vector<int32_t> contourOf(const Session& s, int32_t ref) {
    const bool arc = isArcRef(ref);
    if (ref < 0 || (arc ? ref - kArcRef >= s.drawing.arccount : ref >= s.drawing.linecount)) return {};
    // Built on a copy, so that a declined deletion leaves the drawing as it was.
    const auto scratch = contoursOnCopy(s);
    const Drawing& d = scratch->drawing;
    auto contour = [&](int32_t e) { return isArcRef(e) ? d.arcs[e - kArcRef].contour : d.lines[e].contour; };
    const int16_t c = contour(ref);
    const int32_t n = d.elementCount();
    const int32_t* first = d.order.data();
    const int32_t* pos = std::find(first, first + n, ref);
    if (c == -1 || pos == first + n) return {ref};
    // The contour order table lists each contour as one run of entries.
    const int32_t* lo = pos;
    const int32_t* hi = pos + 1;
    while (lo > first && contour(*(lo - 1)) == c) --lo;
    while (hi < first + n && contour(*hi) == c) ++hi;
    std::vector<int32_t> refs(lo, hi);
    std::sort(refs.begin(), refs.end());
    return refs;
}

void removeElements(Drawing& d, const std::vector<int32_t>& refs) {
    // New index of every line and arc, -1 for the removed ones.
    std::vector<int32_t> lineTo(static_cast<size_t>(d.linecount), 0),
        arcTo(static_cast<size_t>(d.arccount), 0);
    for (const int32_t r : refs) {
        if (isArcRef(r)) {
            if (r - kArcRef < d.arccount) arcTo[r - kArcRef] = -1;
        } else if (r >= 0 && r < d.linecount) {
            lineTo[r] = -1;
        }
    }
    int32_t lines = 0, arcs = 0;
    for (int32_t i = 0; i < d.linecount; ++i) {
        if (lineTo[i] < 0) continue;
        d.lines[lines] = d.lines[i];
        lineTo[i] = lines++;
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        if (arcTo[i] < 0) continue;
        d.arcs[arcs] = d.arcs[i];
        arcTo[i] = arcs++;
    }
    const int32_t n = d.elementCount();
    int32_t out = 0;
    for (int32_t k = 0; k < n; ++k) {
        const int32_t e = d.order[k];
        int32_t to = -1;
        if (isArcRef(e)) {
            if (e - kArcRef < d.arccount) to = arcTo[e - kArcRef] < 0 ? -1 : arcTo[e - kArcRef] + kArcRef;
        } else if (e >= 0 && e < d.linecount) {
            to = lineTo[e];
        }
        if (to >= 0) d.order[out++] = to;
    }
    d.linecount = lines;
    d.arccount = arcs;
}

// ---- ElementEditor ---------------------------------------------------------

bool ElementEditor::bandDrawn() const {
    return !(s_.view.selPrevX == kNoCorner && s_.view.selPrevY == kNoCorner);
}

void ElementEditor::eraseBand() {
    ViewState& v = s_.view;
    if (v.dragActive == 1 && bandDrawn()) {
        v.selX2 = v.selPrevX;
        v.selY2 = v.selPrevY;
        frame_.rechteck();
    }
    v.selPrevX = v.selPrevY = kNoCorner;
    v.dragActive = 0;
}

void ElementEditor::forgetSelection() {
    if (selection_.empty()) return;
    selection_.clear();
    frame_.paint();
}

bool ElementEditor::noElements() {
    if (s_.drawing.elementCount() > 0) return false;
    s_.host->message("Keine Elemente vorhanden !", "Exit", Icon::Information);
    return true;
}

void ElementEditor::eloesch() {
    if (s_.view.pickMode == kPickElements && !selection_.empty()) {
        deleteSelection("Ausgewählte Elemente löschen ?");
        return;
    }
    if (noElements()) return;
    eraseBand();
    forgetSelection();
    s_.view.pickMode = kPickElements;
    s_.host->info("Elemente mit der Maus einrahmen, Entf = löschen, Esc = Ende");
}

void ElementEditor::konl() {
    if (noElements()) return;
    eraseBand();
    forgetSelection();
    s_.view.pickMode = kPickContour;
    s_.host->info("Kontur anklicken, Esc = Ende");
}

bool ElementEditor::mouseDown(double x, double y) {
    ViewState& v = s_.view;
    if (v.pickMode == kPickContour) {
        pickContour(x, y);
        return true;
    }
    if (v.pickMode != kPickElements) return false;
    eraseBand();
    // The highlight goes before the band is drawn: a later redraw would
    // wipe the band and the exclusive-or drawing would lose track of it.
    forgetSelection();
    v.selX1 = v.selX2 = x;
    v.selY1 = v.selY2 = y;
    v.selPrevX = v.selPrevY = kNoCorner;
    v.dragActive = 1;
    return true;
}

void ElementEditor::mouseMove(double x, double y) {
    ViewState& v = s_.view;
    if (v.dragActive != 1 || v.pickMode != kPickElements) return;
    if (bandDrawn()) {
        v.selX2 = v.selPrevX;
        v.selY2 = v.selPrevY;
        frame_.rechteck();
    }
    v.selX2 = x;
    v.selY2 = y;
    frame_.rechteck();
    v.selPrevX = x;
    v.selPrevY = y;
}

void ElementEditor::mouseUp(double x, double y) {
    ViewState& v = s_.view;
    if (v.dragActive != 1 || v.pickMode != kPickElements) return;
    eraseBand();
    v.selX2 = x;
    v.selY2 = y;
    selection_ = elementsInside(s_.drawing, v);
    s_.host->info("Ausgewählt:" + numberText(static_cast<int64_t>(selection_.size())) + " Element(e)");
    frame_.paint();
}

bool ElementEditor::deleteKey() {
    if (s_.view.pickMode != kPickElements || selection_.empty() || s_.view.dragActive == 1) return false;
    deleteSelection("Ausgewählte Elemente löschen ?");
    return true;
}

bool ElementEditor::escapeKey() {
    if (s_.view.pickMode == 0) return false;
    breaks();
    return true;
}

void ElementEditor::breaks() {
    eraseBand();
    s_.view.pickMode = 0;
    s_.view.dragActive = 0;
    forgetSelection();
}

void ElementEditor::pickContour(double x, double y) {
    const ViewWindow& w = s_.view.window;
    const auto ref = elementAt(s_.drawing, x, y, (w.xmax - w.xmin) / kPickDivisor);
    if (!ref) return;
    selection_ = contourOf(s_, *ref);
    frame_.paint(); // the contour highlighted while the question is open
    if (!deleteSelection("Kontur löschen ?")) forgetSelection();
}

bool ElementEditor::deleteSelection(const char* question) {
    if (s_.host->ask("Vectrim", question) == 'N') return false;
    removeElements(s_.drawing, selection_);
    s_.host->info("Gelöscht:" + numberText(static_cast<int64_t>(selection_.size())) + " Element(e)");
    selection_.clear();
    frame_.getmima();
    frame_.showCounts();
    frame_.clearMarks(); // marks of the old drawing are void; redraws
    return true;
}

} // namespace vectrim
