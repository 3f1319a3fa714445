#include "examine/analysis.h"

#include "examine/checks.h"
#include "examine/end_cells.h"
#include "kgeom_api.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "pipeline/contours.h"
#include "pipeline/elements.h"
#include "pipeline/run.h"
#include "pipeline/stage_set.h"

#include <algorithm>

namespace vectrim {

namespace {

constexpr double kNoValue = 1e6; // start value of the four measures

std::string roundedText(double v) {
    int16_t decimals = 3;
    kg::api().rounder(&v, &decimals);
    return numberText(v);
}

} // namespace

bool anyOpenEnd(Drawing& d) {
    d.freecount = 0;
    ElementEnds ends(d, kSamePoint);
    for (size_t k = 0; k < ends.size(); ++k)
        if (!ends.touchesOther(ends.start(k), k) || !ends.touchesOther(ends.end(k), k)) return true;
    return false;
}

Analysis analyse(Drawing& d, double minlength) {
    double rmin = kNoValue, rmax = -kNoValue, arcmin = kNoValue, linemin = kNoValue;
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Arc& a = d.arcs[i];
        if (a.r > rmax) rmax = a.r;
        if (a.r < rmin) rmin = a.r;
        arcmin = std::min(arcmin, arclength(a.r, a.a1 * kDegToRad, a.a2 * kDegToRad));
    }
    for (int32_t i = 0; i < d.linecount; ++i) linemin = std::min(linemin, lineLength(d.lines[i]));

    Analysis out;
    out.text3 = d.arccount ? roundedText(rmin) : msg::tr(msg::kNoValue);
    out.text4 = d.arccount ? roundedText(rmax) : msg::tr(msg::kNoValue);
    out.text5 = d.arccount ? roundedText(arcmin) : msg::tr(msg::kNoValue);
    out.text6 = d.linecount ? roundedText(linemin) : msg::tr(msg::kNoValue);

    // The window leaves no marks behind.
    out.label9 = !stageSet().anyFreeEnd(d) ? ResultLabel{msg::tr(msg::kNoOpenContour), kResultGood}
                                           : ResultLabel{msg::tr(msg::kOpenContours), kResultBad};

    out.label10 = (arcmin < minlength || linemin < minlength)
                      ? ResultLabel{msg::tr(msg::kBelowMinLength), kResultBad}
                      : ResultLabel{msg::tr(msg::kNotBelowMinLength), kResultGood};

    const bool any = d.elementCount() > 0;
    out.label9.visible = any;
    out.label10.visible = any;
    return out;
}

bool pruefen(const Drawing& d, Host& host) { return confirmLongCheck(d, host); }

Analysis form400Load(Drawing& d, RunSettings& t, Host& host, RunFrame& frame) {
    int16_t error = 0;
    getwerte(t, host, frame, error); // the fixed minimum length is set even when a field is invalid
    host.info(msg::tr(msg::kAnalysing));
    Analysis a = analyse(d, t.minlength);
    host.info(msg::tr(msg::kAnalysed));
    return a;
}

} // namespace vectrim
