#include "examine/selection.h"

#include "examine/contour_cache.h"
#include "kgeom_api.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "pipeline/contours.h"
#include "pipeline/elements.h"
#include "pipeline/stage_set.h"
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

std::vector<ElementRef> elementsInside(const Drawing& d, const ViewState& v) {
    std::vector<ElementRef> refs;
    int32_t s = 0;
    for (int32_t i = 0; i < d.linecount; ++i) {
        linebox(d, v, i, s);
        if (s) refs.push_back(ElementRef::line(i));
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        kreisbox(d, v, i, s);
        if (s) refs.push_back(ElementRef::arc(i));
    }
    return refs;
}

std::optional<ElementRef> elementAt(const Drawing& d, double x, double y, double tol) {
    std::optional<ElementRef> best;
    double bestDistance = tol;
    for (int32_t i = 0; i < d.linecount; ++i) {
        const double dist = segmentDistance(d.lines[i], x, y);
        if (dist < bestDistance) {
            bestDistance = dist;
            best = ElementRef::line(i);
        }
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const double dist = arcDistance(d.arcs[i], x, y);
        if (dist < bestDistance) {
            bestDistance = dist;
            best = ElementRef::arc(i);
        }
    }
    return best;
}

std::vector<ElementRef> contourOf(const Drawing& drawing, Host& host, ElementRef ref) {
    if (!drawing.holds(ref)) return {};
    // Built on a copy, so that a declined deletion leaves the drawing as it
    // was, and kept for the next pick while the drawing stays the same.
    const auto scratch = keptContours(drawing, host);
    const Drawing& d = *scratch;
    const int16_t c = d.contourOf(ref);
    const std::span<const ElementRef> order = d.usedOrder();
    const auto pos = std::find(order.begin(), order.end(), ref);
    if (c == -1 || pos == order.end()) return {ref};
    // The contour order table lists each contour as one run of entries.
    auto lo = pos, hi = pos + 1;
    while (lo > order.begin() && d.contourOf(*(lo - 1)) == c) --lo;
    while (hi < order.end() && d.contourOf(*hi) == c) ++hi;
    std::vector<ElementRef> refs(lo, hi);
    std::sort(refs.begin(), refs.end(), [](ElementRef a, ElementRef b) { return a.raw() < b.raw(); });
    return refs;
}

// ---- ElementEditor ---------------------------------------------------------

bool ElementEditor::bandDrawn() const { return !(v_.selPrevX == kNoCorner && v_.selPrevY == kNoCorner); }

void ElementEditor::eraseBand() {
    ViewState& v = v_;
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
    if (d_.elementCount() > 0) return false;
    host_.message(msg::tr(msg::kNoElements), msg::tr(msg::kTitleExit), Icon::Information);
    return true;
}

void ElementEditor::eloesch() {
    if (v_.pickMode == kPickElements && !selection_.empty()) {
        deleteSelection(msg::tr(msg::kDeleteSelection), msg::tr(msg::kStepDeleteElements));
        return;
    }
    if (noElements()) return;
    eraseBand();
    forgetSelection();
    v_.pickMode = kPickElements;
    host_.info(msg::tr(msg::kFrameElements));
}

void ElementEditor::konl() {
    if (noElements()) return;
    eraseBand();
    forgetSelection();
    v_.pickMode = kPickContour;
    host_.info(msg::tr(msg::kPickContour));
}

bool ElementEditor::mouseDown(double x, double y) {
    ViewState& v = v_;
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
    ViewState& v = v_;
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
    ViewState& v = v_;
    if (v.dragActive != 1 || v.pickMode != kPickElements) return;
    eraseBand();
    v.selX2 = x;
    v.selY2 = y;
    selection_ = elementsInside(d_, v);
    host_.info(msg::tr(msg::kSelected) + numberText(static_cast<int64_t>(selection_.size())) +
               msg::tr(msg::kElementsSuffix));
    frame_.paint();
}

bool ElementEditor::deleteKey() {
    if (v_.pickMode != kPickElements || selection_.empty() || v_.dragActive == 1) return false;
    deleteSelection(msg::tr(msg::kDeleteSelection), msg::tr(msg::kStepDeleteElements));
    return true;
}

bool ElementEditor::escapeKey() {
    if (v_.pickMode == 0) return false;
    breaks();
    return true;
}

void ElementEditor::breaks() {
    eraseBand();
    v_.pickMode = 0;
    v_.dragActive = 0;
    forgetSelection();
}

void ElementEditor::pickContour(double x, double y) {
    const ViewWindow& w = v_.window;
    const auto ref = elementAt(d_, x, y, (w.xmax - w.xmin) / kPickDivisor);
    if (!ref) return;
    selection_ = stageSet().contourOf(d_, host_, *ref);
    frame_.paint(); // the contour highlighted while the question is open
    if (!deleteSelection(msg::tr(msg::kDeleteContour), msg::tr(msg::kStepDeleteContour))) forgetSelection();
}

bool ElementEditor::deleteSelection(const char* question, const char* what) {
    if (host_.ask(msg::tr(msg::kTitleProgram), question) == 'N') return false;
    frame_.aboutToChange(what);
    removeElements(d_, selection_);
    host_.info(msg::tr(msg::kDeleted) + numberText(static_cast<int64_t>(selection_.size())) +
               msg::tr(msg::kElementsSuffix));
    selection_.clear();
    frame_.getmima();
    frame_.showCounts();
    frame_.clearMarks(); // marks of the old drawing are void; redraws
    return true;
}

} // namespace vectrim
