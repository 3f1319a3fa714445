#include "examine/scaling.h"

#include "kgeom_api.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "pipeline/elements.h"
#include "view/extents.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

void refused(Host& host, const char* text) { host.message(text, msg::tr(msg::kTitleError), Icon::Critical); }

// The sizes the scale commands work with: the current ones, exact where the
// fields show the drawing's exact extent rounded, and the new ones, which
// are the current ones where the size shown was typed again.
struct Sizes {
    double width = 0, height = 0, newWidth = 0, newHeight = 0;
};

// The fields show the extent rounded to 2 (the main window) or 5 decimals.
constexpr double kShownRounding = 0.005;

double current(double shown, double exact) {
    return std::isfinite(exact) && std::fabs(shown - exact) <= kShownRounding * (1 + 1e-9) ? exact : shown;
}

Sizes sizes(const ScaleForm& f) {
    const double shownWidth = fieldNumber(f.text4).value_or(0),
                 shownHeight = fieldNumber(f.text3).value_or(0);
    const double typedWidth = fieldNumber(f.text1).value_or(0),
                 typedHeight = fieldNumber(f.text2).value_or(0);
    Sizes z;
    z.width = current(shownWidth, f.exactWidth);
    z.height = current(shownHeight, f.exactHeight);
    z.newWidth = typedWidth == shownWidth ? z.width : typedWidth;
    z.newHeight = typedHeight == shownHeight ? z.height : typedHeight;
    return z;
}

// The scale commands of the inch conversion end alike.
void convertInch(Drawing& d, int16_t& inchConverted, ViewFrame& frame, double factor, int16_t converted,
                 const char* what) {
    frame.aboutToChange(what);
    scaledrawing(d, factor, factor);
    inchConverted = converted;
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

bool divisionFits(const Drawing& d, DivisionQuality quality) {
    int64_t needed = 0;
    for (int32_t i = 0; i < d.arccount; ++i) needed += std::max(divisionCount(d.arcs[i], quality), 1);
    return d.linecount + needed <= kMaxElements;
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

bool dividearcs(Drawing& d, Host& host, DivisionQuality quality) {
    if (!divisionFits(d, quality)) {
        host.message(msg::tr(msg::kLineTableFull), msg::tr(msg::kTitleError), Icon::Critical);
        return false;
    }
    // As if each last arc in turn were deleted and its lines appended: the
    // order table keeps its line entries and gets the new lines at the end.
    const int32_t n = d.elementCount();
    int32_t fill = 0;
    for (int32_t k = 0; k < n; ++k)
        if (!d.order[k].isArc()) d.order[fill++] = d.order[k];
    auto append = [&](Point p, Point q, int16_t contour) {
        d.lines[d.linecount] = Line{p.x, p.y, q.x, q.y, contour};
        d.order[fill++] = ElementRef::line(d.linecount++);
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

bool scaledrawingxy(Drawing& d, Host& host, double fx, double fy, DivisionQuality quality) {
    if (std::fabs(fx - fy) >= kUniformScale && !dividearcs(d, host, quality)) return false;
    scaledrawing(d, fx, fy);
    return true;
}

bool massstabOpen(const Drawing& d, Host& host, ViewFrame& frame) {
    frame.breaks();
    if (d.elementCount() > 0) return true;
    host.message(msg::tr(msg::kNoElements), msg::tr(msg::kTitleExit), Icon::Information);
    return false;
}

ScaleForm form399Load(const ViewFrame& frame) {
    ScaleForm f;
    f.text4 = frame.sizeText(SizeField::Width);
    f.text3 = frame.sizeText(SizeField::Height);
    return f;
}

ScaleForm form399Load(const ViewFrame& frame, Drawing& d) {
    ScaleForm f = form399Load(frame);
    Box b{0, 0, 0, 0};
    if (getextents(d, b, 1)) {
        f.exactWidth = b.xmax - b.xmin;
        f.exactHeight = b.ymax - b.ymin;
    }
    return f;
}

void proportion(Host& host, ScaleForm& f) {
    // An empty field is not given; any other text must be a number.
    std::optional<double> newWidth = 0.0, newHeight = 0.0;
    if (!f.text1.empty()) newWidth = fieldNumber(f.text1);
    if (!f.text2.empty()) newHeight = fieldNumber(f.text2);
    if (!newWidth || !newHeight) return refused(host, msg::tr(msg::kValueNotPositive));
    const Sizes z = sizes(f);
    if (*newHeight != 0) {
        if (*newHeight <= 0) return refused(host, msg::tr(msg::kValueNotPositive));
        if (z.height > 0) f.text1 = numberText(rounded(z.width * (z.newHeight / z.height), 6));
    } else if (*newWidth != 0) {
        if (*newWidth <= 0) return refused(host, msg::tr(msg::kValueNotPositive));
        if (z.width > 0) f.text2 = numberText(rounded(z.height * (z.newWidth / z.width), 6));
    }
}

bool applyScale(Drawing& d, Host& host, ScaleForm& f, ViewFrame* frame) {
    const std::optional<double> typedWidth = fieldNumber(f.text1), typedHeight = fieldNumber(f.text2);
    if (!typedWidth || !typedHeight || *typedWidth <= 0 || *typedHeight <= 0) {
        refused(host, msg::tr(msg::kValueNotPositive));
        return false;
    }
    if (!(*typedWidth <= kMaxScaledSize && *typedHeight <= kMaxScaledSize)) {
        refused(host, msg::tr(msg::kValueTooLarge));
        return false;
    }
    const Sizes z = sizes(f);
    const double width = z.width, height = z.height, newWidth = z.newWidth, newHeight = z.newHeight;
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
        refused(host, msg::tr(msg::kValueTooLarge));
        return false;
    }
    if (std::fabs(fy - fx) < kUniformScale) fy = fx;
    // The current size comes from fields the user may have typed over: the
    // drawing itself must not grow beyond the largest size either.
    Box now{0, 0, 0, 0};
    getextents(d, now, 1);
    if (!((now.xmax - now.xmin) * fx <= kMaxScaledSize && (now.ymax - now.ymin) * fy <= kMaxScaledSize)) {
        refused(host, msg::tr(msg::kValueTooLarge));
        return false;
    }
    if (std::fabs(fx - fy) >= kUniformScale && !divisionFits(d, f.quality)) {
        host.message(msg::tr(msg::kLineTableFull), msg::tr(msg::kTitleError), Icon::Critical);
        return false;
    }
    if (frame) frame->aboutToChange(msg::tr(msg::kStepScale));
    return scaledrawingxy(d, host, fx, fy, f.quality);
}

void massstabClosed(ViewFrame& frame) {
    frame.showCounts();
    frame.clearMarks();
    frame.showAll();
    frame.paint();
    frame.getmima();
}

void wandel1(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame) {
    if (inchConverted == 1) {
        host.message(msg::tr(msg::kAlreadyConverted), msg::tr(msg::kTitleExit), Icon::Critical);
        return;
    }
    frame.breaks();
    if (host.ask(msg::tr(msg::kTitleProgram), msg::tr(msg::kConvertInch)) == 'N') return;
    convertInch(d, inchConverted, frame, kInchToMm, 1, msg::tr(msg::kStepInch));
}

void mzurueck(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame) {
    if (inchConverted == 0) return;
    frame.breaks();
    if (host.ask(msg::tr(msg::kTitleProgram), msg::tr(msg::kConvertBack)) == 'N') return;
    convertInch(d, inchConverted, frame, 1 / kInchToMm, 0, msg::tr(msg::kStepInchBack));
}

bool askInchConversion(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame) {
    constexpr double kSmallDrawing = 20; // width and height below this may well be inches
    if (!(val(frame.sizeText(SizeField::Width)) < kSmallDrawing &&
          val(frame.sizeText(SizeField::Height)) < kSmallDrawing))
        return false;
    frame.breaks(); // a selection would not survive the conversion
    if (host.ask(msg::tr(msg::kTitleSmallDrawing), msg::tr(msg::kIsItInch)) != 'N')
        convertInch(d, inchConverted, frame, kInchToMm, 1, msg::tr(msg::kStepInch));
    return true;
}

bool askInchBeforeRun(Drawing& d, MainState& state, Host& host, ViewFrame& frame) {
    if (!state.inchQuestionPending) return false;
    state.inchQuestionPending = false;
    if (state.inchConverted != 0) return false;
    frame.breaks();
    if (host.ask(msg::tr(msg::kTitleProgram), msg::tr(msg::kIsItInch)) != 'N')
        convertInch(d, state.inchConverted, frame, kInchToMm, 1, msg::tr(msg::kStepInch));
    return true;
}

} // namespace vectrim
