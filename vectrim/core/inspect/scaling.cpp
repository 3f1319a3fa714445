#include "inspect/scaling.h"

#include "kgeom_api.h"
#include "model/numtext.h"
#include "pipeline/elements.h"
#include "view/extents.h"

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {

double qualityFactor(DivisionQuality q) {
    switch (q) {
        case DivisionQuality::Mittel: return 0.75;
        case DivisionQuality::Grob: return 0.5;
        default: return 1.0; // "Fein", also when no option is chosen
    }
}

// Rounded to the nearest whole number, halves to even.
int32_t roundEven(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

double rounded(double v, int16_t decimals) {
    kg::api().rounder(&v, &decimals);
    return v;
}

void refused(Session& s, const char* text) { s.host->message(text, "Error", Icon::Critical); }

// The scale commands of the inch conversion end alike.
void convertInch(Session& s, ViewFrame& frame, double factor, int16_t converted) {
    scaledrawing(s.drawing, factor, factor);
    s.state.inchConverted = converted;
    frame.getmima();
    frame.clearMarks();
    frame.showAll();
}

} // namespace

void scaledrawing(Drawing& d, double fx, double fy) {
    const kg::Api& g = kg::api();
    double x0 = 0, y0 = 0;
    for (int32_t i = 0; i < d.linecount; ++i) {
        Line& l = d.lines[i];
        g.lskalieren(&x0, &y0, &fx, &fy, &l.x1, &l.y1, &l.x2, &l.y2);
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        Arc& a = d.arcs[i];
        // The angles go in as radian copies; the table keeps its degrees.
        double w1 = a.a1 * kDegToRad, w2 = a.a2 * kDegToRad;
        g.kskalieren(&x0, &y0, &fx, &fy, &a.r, &a.cx, &a.cy, &w1, &w2);
    }
}

int32_t divisionCount(const Arc& a, DivisionQuality quality) {
    const double a1 = a.a1 * kDegToRad, a2 = a.a2 * kDegToRad;
    // Equal angles are a full circle, as for the arc length.
    const double sweep = arcsweep(a1, a2);
    const double sagitta = std::fabs(a.r * (1 - std::cos(sweep / 2)));
    if (sagitta < kDivisionSagitta) return 0;
    const double steps = arclength(a.r, a1, a2) / kDivisionStep;
    int32_t n = steps <= 30.5 ? roundEven(steps) : 20; // more than 30 (and non-finite) gives 20
    if (n < 6) n = 6;
    return roundEven(n * qualityFactor(quality));
}

bool dividearcs(Session& s, DivisionQuality quality) {
    Drawing& d = s.drawing;
    int64_t needed = 0;
    for (int32_t i = 0; i < d.arccount; ++i) needed += std::max(divisionCount(d.arcs[i], quality), 1);
    if (d.linecount + needed > kMaxElements) {
        s.host->message("Linienspeicher voll !", "Error", Icon::Critical);
        return false;
    }
    // As if each last arc in turn were deleted and its lines appended: the
    // order table keeps its line entries and gets the new lines at the end.
    const int32_t n = d.elementCount();
    int32_t fill = 0;
    for (int32_t k = 0; k < n; ++k)
        if (!isArcRef(d.order[k])) d.order[fill++] = d.order[k];
    auto append = [&](Point p, Point q, int16_t contour) {
        d.lines[d.linecount] = Line{p.x, p.y, q.x, q.y, contour};
        d.order[fill++] = d.linecount++;
    };
    for (int32_t k = d.arccount - 1; k >= 0; --k) {
        const Arc a = d.arcs[k];
        const int32_t parts = divisionCount(a, quality);
        if (parts < 2) {
            append(arcStart(a), arcEnd(a), a.contour);
            continue;
        }
        const double a1 = a.a1 * kDegToRad;
        const double step = arcsweep(a1, a.a2 * kDegToRad) / parts;
        auto at = [&](int32_t i) {
            const double t = a1 + i * step;
            return Point{a.cx + a.r * std::cos(t), a.cy + a.r * std::sin(t)};
        };
        Point p = at(0);
        for (int32_t i = 1; i <= parts; ++i) {
            const Point q = at(i);
            append(p, q, a.contour);
            p = q;
        }
    }
    d.arccount = 0;
    return true;
}

bool scaledrawingxy(Session& s, double fx, double fy, DivisionQuality quality) {
    if (std::fabs(fx - fy) >= kUniformScale && !dividearcs(s, quality)) return false;
    scaledrawing(s.drawing, fx, fy);
    return true;
}

bool massstabOpen(Session& s, ViewFrame& frame) {
    frame.breaks();
    if (s.drawing.elementCount() > 0) return true;
    s.host->message("Keine Elemente vorhanden !", "Exit", Icon::Information);
    return false;
}

ScaleForm form399Load(const ViewFrame& frame) {
    ScaleForm f;
    f.text4 = frame.sizeText(SizeField::Width);
    f.text3 = frame.sizeText(SizeField::Height);
    return f;
}

void proportion(Session& s, ScaleForm& f) {
    const double newWidth = val(f.text1), newHeight = val(f.text2);
    const double width = val(f.text4), height = val(f.text3);
    if (newHeight != 0) {
        if (newHeight <= 0) return refused(s, "Eingabewert kleiner oder gleich Null !");
        if (height > 0) f.text1 = numberText(rounded(width * (newHeight / height), 6));
    } else if (newWidth != 0) {
        if (newWidth <= 0) return refused(s, "Eingabewert kleiner oder gleich Null !");
        if (width > 0) f.text2 = numberText(rounded(height * (newWidth / width), 6));
    }
}

bool applyScale(Session& s, ScaleForm& f) {
    const double newWidth = val(f.text1), newHeight = val(f.text2);
    if (newWidth <= 0 || newHeight <= 0) {
        refused(s, "Eingabewert kleiner oder gleich Null !");
        return false;
    }
    if (!(newWidth <= kMaxScaledSize && newHeight <= kMaxScaledSize)) {
        refused(s, "Eingabewert zu groß !");
        return false;
    }
    const double width = val(f.text4), height = val(f.text3);
    // A drawing without width (or height) takes the other axis' factor; one
    // without either is left as it is.
    double fx = newWidth / width, fy = newHeight / height;
    if (!(width > 0) && !(height > 0))
        fx = fy = 1;
    else if (!(width > 0))
        fx = fy;
    else if (!(height > 0))
        fy = fx;
    if (!std::isfinite(fx) || !std::isfinite(fy)) {
        refused(s, "Eingabewert zu groß !");
        return false;
    }
    if (std::fabs(fy - fx) < kUniformScale) fy = fx;
    // The current size comes from fields the user may have typed over: the
    // drawing itself must not grow beyond the largest size either.
    Box now{0, 0, 0, 0};
    getextents(s.drawing, now, 1);
    if (!((now.xmax - now.xmin) * fx <= kMaxScaledSize && (now.ymax - now.ymin) * fy <= kMaxScaledSize)) {
        refused(s, "Eingabewert zu groß !");
        return false;
    }
    return scaledrawingxy(s, fx, fy, f.quality);
}

void massstabClosed(ViewFrame& frame) {
    frame.showCounts();
    frame.clearMarks();
    frame.showAll();
    frame.paint();
    frame.getmima();
}

void wandel1(Session& s, ViewFrame& frame) {
    if (s.state.inchConverted == 1) {
        s.host->message("Maße wurden bereits umgewandelt !", "Exit", Icon::Critical);
        return;
    }
    frame.breaks();
    if (s.host->ask("Vectrim", "Maße von Inch in Millimeter umwandeln ?") == 'N') return;
    convertInch(s, frame, kInchToMm, 1);
}

void mzurueck(Session& s, ViewFrame& frame) {
    if (s.state.inchConverted == 0) return;
    frame.breaks();
    if (s.host->ask("Vectrim", "Zurück ?") == 'N') return;
    convertInch(s, frame, 1 / kInchToMm, 0);
}

bool askInchConversion(Session& s, ViewFrame& frame) {
    constexpr double kSmallDrawing = 20; // width and height below this may well be inches
    if (!(val(frame.sizeText(SizeField::Width)) < kSmallDrawing &&
          val(frame.sizeText(SizeField::Height)) < kSmallDrawing))
        return false;
    frame.breaks(); // a selection would not survive the conversion
    if (s.host->ask("Zeichnung sehr klein !",
                    "Liegt die Grafik in Inch vor ?  Maße von Inch in Millimeter umwandeln ?") != 'N')
        convertInch(s, frame, kInchToMm, 1);
    return true;
}

} // namespace vectrim
