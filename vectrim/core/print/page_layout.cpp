#include "print/page_layout.h"

#include "app/drawing_unit.h"
#include "kgeom_api.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "view/arc_polyline.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {

constexpr double kQuarterTurn = kPi / 2;
constexpr int16_t kFitDecimals = 4;

struct Extender {
    Box b{1e50, 1e50, -1e50, -1e50};
    bool any = false;
    void add(const Box& x) {
        b.xmin = std::min(b.xmin, x.xmin);
        b.ymin = std::min(b.ymin, x.ymin);
        b.xmax = std::max(b.xmax, x.xmax);
        b.ymax = std::max(b.ymax, x.ymax);
        any = true;
    }
    void add(double x, double y) { add(Box{x, y, x, y}); }
};

// min(w / W, h / H) * 0.8; a side of no extent sets no limit.
double fitFactor(const Box& b, double w, double h) {
    const double width = b.xmax - b.xmin, height = b.ymax - b.ymin;
    double s = -1;
    if (width > 0) s = w / width;
    if (height > 0) s = s < 0 ? h / height : std::min(s, h / height);
    return s < 0 ? kPointScale : s * kFitReserve;
}

RadianArc radianArc(const Arc& a, double degToRad) {
    return {a.cx, a.cy, a.r, normalisedAngle(a.a1) * degToRad, normalisedAngle(a.a2) * degToRad};
}

// An angle brought into 0 .. 2π by whole turns.
double intoFullTurn(double a) {
    if (a >= 0 && a <= kTwoPi) return a;
    a = std::fmod(a, kTwoPi);
    return a < 0 ? a + kTwoPi : a;
}

// The sweep of an arc of the drawing in degrees: a2 - a1, or a whole turn
// less a1 plus a2 when a2 does not lie above a1 (equal angles: a whole turn).
constexpr double kHalfTurnDegrees = 180;
double modelSweep(const Arc& a) {
    const double a1 = normalisedAngle(a.a1), a2 = normalisedAngle(a.a2);
    return a1 < a2 ? a2 - a1 : 2 * kHalfTurnDegrees - a1 + a2;
}

bool finite(double a, double b, double c = 0) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

} // namespace

std::optional<PageExtents> getminmax2(const Drawing& d) {
    Extender e;
    for (int32_t i = 0; i < d.arccount; ++i) {
        const RadianArc a = radianArc(d.arcs[i], kDegToRad);
        e.add(arcbox(a.cx, a.cy, a.r, a.a1, a.a2).box);
    }
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        e.add(l.x1, l.y1);
        e.add(l.x2, l.y2);
    }
    if (!e.any) return std::nullopt;
    return PageExtents{e.b, fitFactor(e.b, kPlaceWidth, kPlaceHeight)};
}

std::optional<PageExtents> getminmax3(const Drawing& d) {
    const std::optional<PageExtents> plain = getminmax2(d);
    if (!plain) return std::nullopt;
    const Point c{(plain->box.xmin + plain->box.xmax) / 2, (plain->box.ymin + plain->box.ymax) / 2};
    Extender e;
    for (int32_t i = 0; i < d.arccount; ++i) {
        const RadianArc a = turnedArc(radianArc(d.arcs[i], kDegToRad), c);
        e.add(arcbox(a.cx, a.cy, a.r, a.a1, a.a2).box);
    }
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line l = turnedLine(d.lines[i], c);
        e.add(l.x1, l.y1);
        e.add(l.x2, l.y2);
    }
    return PageExtents{e.b, fitFactor(e.b, kFitWidthTurned, kFitHeightTurned)};
}

std::string fitScaleText(const Drawing& d, bool rotate) {
    const std::optional<PageExtents> e = rotate ? getminmax3(d) : getminmax2(d);
    if (!e) return {};
    double s = e->s;
    int16_t decimals = kFitDecimals;
    kg::api().rounder(&s, &decimals);
    return numberText(s);
}

std::optional<Placement> placement(const Drawing& d, double s, bool rotate) {
    const std::optional<PageExtents> plain = getminmax2(d);
    if (!plain) return std::nullopt;
    Placement p;
    p.rotate = rotate;
    p.s = s;
    p.centre = {(plain->box.xmin + plain->box.xmax) / 2, (plain->box.ymin + plain->box.ymax) / 2};
    p.box = rotate ? getminmax3(d)->box : plain->box;
    p.ox = (kPlaceWidth - (p.box.xmax - p.box.xmin) * s) * 0.5;
    p.oy = (kPlaceHeight - (p.box.ymax - p.box.ymin) * s) * 0.5;
    return p;
}

Point toPage(const Placement& p, double x, double y) {
    return {(x - p.box.xmin) * p.s + p.ox, kPlaceHeight - (y - p.box.ymin) * p.s - p.oy};
}

Line turnedLine(const Line& l, Point c) {
    Line t = l;
    double x0 = c.x, y0 = c.y, dw = kQuarterTurn;
    kg::api().drehlinie(&x0, &y0, &dw, &t.x1, &t.y1, &t.x2, &t.y2);
    return t;
}

RadianArc turnedArc(const RadianArc& a, Point c) {
    RadianArc t = a;
    double x0 = c.x, y0 = c.y, dw = kQuarterTurn;
    kg::api().drehkreis(&x0, &y0, &dw, &t.cx, &t.cy, &t.r, &t.a1, &t.a2);
    return t;
}

PageArc pageArc(const Placement& p, const Arc& arc) {
    RadianArc a{arc.cx, arc.cy, arc.r, arc.a1 * kPrintDegToRad, arc.a2 * kPrintDegToRad};
    if (p.rotate) a = turnedArc(a, p.centre);
    PageArc g;
    g.a1 = intoFullTurn(a.a1);
    g.a2 = intoFullTurn(a.a2);
    const Point c = toPage(p, a.cx, a.cy);
    g.cx = c.x;
    g.cy = c.y;
    g.r = a.r * p.s;
    kg::api().kdaten2(&g.cx, &g.cy, &g.r, &g.a1, &g.start.x, &g.start.y);
    kg::api().kdaten2(&g.cx, &g.cy, &g.r, &g.a2, &g.end.x, &g.end.y);
    g.sweep = g.a2 < g.a1 ? kTwoPi - g.a1 + g.a2 : g.a2 - g.a1;
    // Ends that meet make a full circle only of an arc that sweeps more than
    // half a turn in the drawing; a sliver of an arc whose ends meet stays
    // the sliver it is (its chord).
    g.full =
        coincide(g.start.x, g.start.y, g.end.x, g.end.y, kClosedArc) && modelSweep(arc) > kHalfTurnDegrees;
    if (g.full) g.sweep = kTwoPi;
    g.length = g.r * g.sweep;
    return g;
}

ArcShape arcShape(const PageArc& a) {
    if (a.length <= kShortArc) return ArcShape::Segment;
    return a.full ? ArcShape::Circle : ArcShape::Arc;
}

int lineColour(PrintMode) { return kBlack; }
int arcColour(PrintMode mode) { return mode == PrintMode::BlackWhite ? kBlack : kRed; }

std::string headerLine(const PageSetup& setup) {
    return msg::tr(msg::kPageScale) + setup.scaleText +
           msg::tr(drawingUnit() == DrawingUnit::Inch ? msg::kPageSizeInch : msg::kPageSize) +
           setup.heightText + msg::tr(msg::kPageSizeTimes) + setup.widthText;
}

void maketext(PageCanvas& canvas, const PageSetup& setup) {
    canvas.text(kMarginLeft, kHeaderTop, msg::tr(msg::kPageTitle), kHeaderFontHeight, kBlack);
    canvas.text(kMarginLeft, kHeaderTop + kHeaderLineStep, headerLine(setup), kHeaderFontHeight, kBlack);
}

void kreiso(Canvas& canvas, double x, double y, double r, double a1, double a2, int colour) {
    arcPolyline(x, y, r, a1, a2, kTwoPi,
                [&](double x1, double y1, double x2, double y2) { canvas.line(x1, y1, x2, y2, colour); });
}

namespace {

// Draws one element; false when a page coordinate is not finite.
bool drawLine(const Placement& p, const Line& line, PrintMode mode, Canvas& canvas) {
    const Line l = p.rotate ? turnedLine(line, p.centre) : line;
    const Point a = toPage(p, l.x1, l.y1), b = toPage(p, l.x2, l.y2);
    if (!finite(a.x, a.y) || !finite(b.x, b.y)) return false;
    const double mx = mode == PrintMode::Preview ? 0 : kMarginLeft;
    const double my = mode == PrintMode::Preview ? 0 : kMarginTop;
    canvas.line(a.x + mx, a.y + my, b.x + mx, b.y + my, lineColour(mode));
    return true;
}

bool drawArc(const Placement& p, const Arc& arc, PrintMode mode, PageCanvas& canvas) {
    const PageArc a = pageArc(p, arc);
    if (!finite(a.cx, a.cy, a.r) || !finite(a.start.x, a.start.y) || !finite(a.end.x, a.end.y)) return false;
    const int colour = arcColour(mode);
    if (mode == PrintMode::Preview) {
        if (a.full) {
            // the sweep of a full circle counts as a whole turn
            kreiso(canvas, a.cx, a.cy, a.r, a.a1, a.a1, colour);
            canvas.circle(a.cx, a.cy, a.r, colour);
        } else if (a.length <= kShortArc) {
            canvas.line(a.start.x, a.start.y, a.end.x, a.end.y, colour);
        } else {
            kreiso(canvas, a.cx, a.cy, a.r, a.a1, a.a2, colour);
        }
        return true;
    }
    switch (arcShape(a)) {
        case ArcShape::Segment:
            canvas.line(a.start.x + kMarginLeft, a.start.y + kMarginTop, a.end.x + kMarginLeft,
                        a.end.y + kMarginTop, colour);
            break;
        case ArcShape::Circle: canvas.circle(a.cx + kMarginLeft, a.cy + kMarginTop, a.r, colour); break;
        case ArcShape::Arc: canvas.arc(a.cx + kMarginLeft, a.cy + kMarginTop, a.r, a.a1, a.a2, colour); break;
    }
    return true;
}

} // namespace

bool painter(const Drawing& d, const PageSetup& setup, PrintMode mode, PageCanvas& canvas) {
    if (mode == PrintMode::Preview) canvas.clear();
    // The factor as typed, with "," or "." as decimal point.
    const double s = fieldNumber(setup.scaleText).value_or(0);
    // A factor of zero or below (also a text that is no number) would
    // put the drawing on one point or turn it over with every arc lost to
    // its chord: such a page is not drawn.
    bool ok = std::isfinite(s) && s > 0;
    if (ok && mode != PrintMode::Preview) maketext(canvas, setup);
    const std::optional<Placement> p = ok ? placement(d, s, setup.rotate) : std::nullopt;
    if (p) {
        const int32_t n = std::min(d.linecount + d.arccount, static_cast<int32_t>(d.order.size()));
        for (int32_t i = 0; i < n && ok; ++i) {
            const ElementRef ref = d.order[i];
            if (!d.holds(ref)) continue;
            if (ref.isArc())
                ok = drawArc(*p, d.arcs[ref.index()], mode, canvas);
            else
                ok = drawLine(*p, d.lines[ref.index()], mode, canvas);
        }
    }
    canvas.flush();
    return ok;
}

} // namespace vectrim
