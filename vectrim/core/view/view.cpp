#include "view/view.h"

#include "model/messages.h"

#include "examine/checks.h"
#include "examine/selection.h"
#include "kgeom_api.h"
#include "model/numtext.h"
#include "view/arc_polyline.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {

// A full turn as the arc polylines use it.
constexpr double kFullTurn = 6.28318530718;
// breaks passes the mouse this many times over this surface point.
constexpr int kBreakMoves = 4;
constexpr double kBreakPoint = 100;

double roundTo(double value, double scale) { return std::nearbyint(value * scale) / scale; }

} // namespace

SurfacePoint toSurface(const ViewWindow& w, double x, double y) {
    SurfacePoint p;
    ViewWindow v = w;
    kg::api().ersatz2(&p.x, &p.y, &x, &y, &v.xmin, &v.xmax, &v.ymin, &v.ymax);
    return p;
}

Point toModel(const ViewWindow& w, double sx, double sy) {
    Point p;
    ViewWindow v = w;
    kg::api().ersatz1(&sx, &sy, &p.x, &p.y, &v.xmin, &v.xmax, &v.ymin, &v.ymax);
    return p;
}

std::string trunderText(const std::string& text) { return numberText(roundTo(val(text), 100)); }

// ---- drawing ---------------------------------------------------------------

View::SurfaceReach View::SurfaceReach::of(const ViewWindow& w) {
    SurfaceReach r;
    const double mx = (w.xmax - w.xmin) / kSurfaceWidth, my = (w.ymax - w.ymin) / kSurfaceHeight;
    // Only a window of positive, finite spans maps model boxes onto surface
    // boxes; any other window tests nothing here.
    if (!(mx > 0 && my > 0 && std::isfinite(mx) && std::isfinite(my))) return r;
    r.active = true;
    r.xmin = w.xmin - mx;
    r.xmax = w.xmax + mx;
    r.ymin = w.ymin - my;
    r.ymax = w.ymax + my;
    return r;
}

bool View::paint() {
    ViewWindow& w = v_.window;
    const bool zeroWindow = std::fabs(w.xmin) < kZeroWindow && std::fabs(w.ymin) < kZeroWindow &&
                            std::fabs(w.xmax) < kZeroWindow && std::fabs(w.ymax) < kZeroWindow;
    if (!zeroWindow) {
        const double width = w.xmax - w.xmin;
        if (!(width >= kMinViewWidth && width <= kMaxViewWidth)) {
            host_.message(msg::tr(msg::kViewOutOfRange), msg::tr(msg::kTitleViewRange), Icon::Critical);
            w = kStartWindow;
            return false;
        }
    }
    canvas_.clear();
    reach_ = SurfaceReach::of(w);
    const Drawing& d = d_;
    const int32_t n = std::min(d.linecount + d.arccount, kOrderSlots);
    for (int32_t i = 0; i < n; ++i) drawElement(d.order[i], kBlack, kLightRed);
    if (highlight_)
        for (const ElementRef ref : *highlight_) drawElement(ref, kHighlightColour, kHighlightColour);
    drawMarks();
    canvas_.flush();
    return true;
}

void View::drawElement(ElementRef ref, int colour, int arcColour) {
    Drawing& d = d_;
    const ViewWindow& w = v_.window;
    if (!d.holds(ref)) return;
    if (ref.isLine()) {
        const Line& l = d.lines[ref.index()];
        if (reach_.misses(std::min(l.x1, l.x2), std::min(l.y1, l.y2), std::max(l.x1, l.x2),
                          std::max(l.y1, l.y2)))
            return;
        drawline(l.x1, l.y1, l.x2, l.y2, colour);
        return;
    }
    Arc& a = d.arcs[ref.index()];
    if (a.a1 > 360) a.a1 -= 360;
    if (a.a2 > 360) a.a2 -= 360;
    // Only arcs whose bounding square touches the window are drawn.
    if (a.cx + a.r >= w.xmin && a.cx - a.r <= w.xmax && a.cy + a.r >= w.ymin && a.cy - a.r <= w.ymax) {
        const SurfacePoint c = toSurface(w, a.cx, a.cy);
        const double sr = toSurface(w, w.xmin + a.r, w.ymin).x;
        kreis(c.x, c.y, sr, a.a1 * kDegToRad, a.a2 * kDegToRad, arcColour);
    }
}

void View::drawMarks() {
    const Drawing& d = d_;
    if (v_.markMode == 1) {
        for (int32_t i = 0; i < d.linecount; ++i) {
            markAt(d.lines[i].x1, d.lines[i].y1);
            markAt(d.lines[i].x2, d.lines[i].y2);
        }
        for (int32_t i = 0; i < d.arccount; ++i) {
            const Arc& a = d.arcs[i];
            if (reach_.misses(a.cx - a.r, a.cy - a.r, a.cx + a.r, a.cy + a.r)) continue;
            const double a1 = a.a1 * kDegToRad, a2 = a.a2 * kDegToRad;
            markAt(a.cx + a.r * std::cos(a1), a.cy + a.r * std::sin(a1));
            markAt(a.cx + a.r * std::cos(a2), a.cy + a.r * std::sin(a2));
        }
    } else if (v_.markMode == 2) {
        const int32_t n = std::min(d.freecount, kFreeEndSlots);
        for (int32_t i = 0; i < n; ++i) markAt(d.freeends[i].x, d.freeends[i].y);
    } else if (v_.markMode == kMarkPlaces) {
        for (const PlaceMark& m : v_.placeMarks) markAt(m.x, m.y, m.colour);
    }
}

void View::markAt(double x, double y, int colour) {
    if (reach_.misses(x, y, x, y)) return;
    const SurfacePoint p = toSurface(v_.window, x, y);
    // Only marks whose point lies on the surface are drawn.
    if (p.x >= 0 && p.x <= kSurfaceWidth && p.y >= 0 && p.y <= kSurfaceHeight)
        canvas_.box(p.x - kMarkHalfSize, p.y - kMarkHalfSize, p.x + kMarkHalfSize, p.y + kMarkHalfSize,
                    colour);
}

void View::drawline(double x1, double y1, double x2, double y2, int colour) {
    const SurfacePoint a = toSurface(v_.window, x1, y1);
    const SurfacePoint b = toSurface(v_.window, x2, y2);
    surfaceSegment(a.x, a.y, b.x, b.y, colour);
}

void View::surfaceSegment(double x1, double y1, double x2, double y2, int colour) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    int16_t outside = 1;
    kg::api().bilz(&x1, &y1, &x2, &y2, &outside);
    if (outside != 0) return;
    if ((x1 >= 0 || x2 >= 0) && (x1 <= kSurfaceWidth || x2 <= kSurfaceWidth) && (y1 >= 0 || y2 >= 0) &&
        (y1 <= kSurfaceHeight || y2 <= kSurfaceHeight))
        canvas_.line(x1, y1, x2, y2, colour);
}

void View::kreis(double sx, double sy, double sr, double a1, double a2, int colour) {
    arcPolyline(sx, sy, sr, a1, a2, kFullTurn,
                [&](double x1, double y1, double x2, double y2) { surfaceSegment(x1, y1, x2, y2, colour); });
}

void View::rechteck() {
    const ViewState& v = v_;
    canvas_.setMode(DrawMode::Xor);
    const SurfacePoint a = toSurface(v.window, std::min(v.selX1, v.selX2), std::min(v.selY1, v.selY2));
    const SurfacePoint b = toSurface(v.window, std::max(v.selX1, v.selX2), std::max(v.selY1, v.selY2));
    canvas_.box(a.x, a.y, b.x, b.y, kWhite);
    canvas_.setMode(DrawMode::Copy);
    canvas_.flush();
}

// ---- commands ----------------------------------------------------------------

void View::showAll() {
    Box b{0, 0, 0, 0};
    getextents(d_, b, 0);
    v_.window = {b.xmin, b.ymin, b.xmax, b.ymax};
    paint();
}

void View::paintNew() { paint(); }

void View::zoomIn() {
    ViewWindow& w = v_.window;
    const double q = (w.xmax - w.xmin) * 0.25;
    if (q >= kMinHalfWidth) {
        const double qy = (w.ymax - w.ymin) * 0.25;
        const double cx = w.xmin + (w.xmax - w.xmin) * 0.5;
        const double cy = w.ymin + (w.ymax - w.ymin) * 0.5;
        w = {cx - q, cy - qy, cx + q, cy + qy};
    }
    paint();
}

void View::zoomOut() {
    ViewWindow& w = v_.window;
    const double h = (w.xmax - w.xmin) * 0.5;
    if (h < kMaxZoomOutHalf) {
        const double hy = (w.ymax - w.ymin) * 0.5;
        w = {w.xmin - h, w.ymin - hy, w.xmax + h, w.ymax + hy};
    }
    paint();
}

void View::mouseDown(MouseButton b, double sx, double sy) {
    if (d_.linecount == 0 && d_.arccount == 0) return;
    ViewWindow& w = v_.window;
    if (b == MouseButton::Left) {
        if (!(w.xmax - w.xmin >= kMinClickWidth)) return;
        const Point p = toModel(w, sx, sy);
        const double q = (w.xmax - w.xmin) * 0.25, qy = (w.ymax - w.ymin) * 0.25;
        if (q >= kMinHalfWidth) w = {p.x - q, p.y - qy, p.x + q, p.y + qy};
    } else if (b == MouseButton::Right) {
        const Point p = toModel(w, sx, sy);
        const double q = (w.xmax - w.xmin) * 1.1, qy = (w.ymax - w.ymin) * 1.1;
        w = {p.x - q, p.y - qy, p.x + q, p.y + qy};
    } else {
        return;
    }
    paint();
    pause();
}

void View::wheelZoom(double sx, double sy, int notches) {
    if (d_.linecount == 0 && d_.arccount == 0) return;
    ViewWindow& w = v_.window;
    const Point p = toModel(w, sx, sy);
    // The window about p scaled by f: p keeps its place on the surface.
    auto scaled = [&](double f) {
        w = {p.x + (w.xmin - p.x) * f, p.y + (w.ymin - p.y) * f, p.x + (w.xmax - p.x) * f,
             p.y + (w.ymax - p.y) * f};
    };
    for (int k = 0; k < notches && (w.xmax - w.xmin) * 0.25 >= kMinHalfWidth; ++k) scaled(0.5);
    for (int k = 0; k < -notches && (w.xmax - w.xmin) * 0.5 < kMaxZoomOutHalf; ++k) scaled(2);
    paint();
}

void View::pan(double dsx, double dsy) {
    if (d_.linecount == 0 && d_.arccount == 0) return;
    ViewWindow& w = v_.window;
    const double dx = -dsx * (w.xmax - w.xmin) / kSurfaceWidth;
    const double dy = dsy * (w.ymax - w.ymin) / kSurfaceHeight;
    w = {w.xmin + dx, w.ymin + dy, w.xmax + dx, w.ymax + dy};
    paint();
}

void View::pause() {
    if (clickPause <= 0) return;
    double seconds = clickPause;
    kg::api().mpause(&seconds);
}

void View::mouseMove(double sx, double sy) {
    ViewState& v = v_;
    panel_.setPointer(v.pickMode == 0 ? kArrowPointer : kCrossPointer);
    const Point p = toModel(v.window, sx, sy);
    if (v.dragActive == 1 && v.pickMode == kPickElements) {
        if (!(v.selPrevX == -10000 && v.selPrevY == -10000)) {
            v.selX2 = v.selPrevX;
            v.selY2 = v.selPrevY;
            rechteck(); // removes the rectangle drawn last
        }
        v.selX2 = p.x;
        v.selY2 = p.y;
        rechteck();
        v.selPrevX = p.x;
        v.selPrevY = p.y;
    }
    if (const auto text = angleReadoutText(d_, v_, p.x, p.y)) panel_.setAngleText(*text);
}

void View::breaks() {
    for (int k = 0; k < kBreakMoves; ++k) mouseMove(kBreakPoint, kBreakPoint);
    v_.pickMode = 0;
    v_.dragActive = 0;
}

} // namespace vectrim
