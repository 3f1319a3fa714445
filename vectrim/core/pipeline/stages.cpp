#include "pipeline/stages.h"

#include "pipeline/arc_fitting.h"
#include "pipeline/arcs_to_lines.h"
#include "pipeline/contours.h"
#include "pipeline/duplicates.h"
#include "pipeline/gaps.h"
#include "pipeline/joining.h"
#include "pipeline/junctions.h"
#include "pipeline/line_runs.h"
#include "pipeline/small_elements.h"
#include "pipeline/smoothing.h"
#include "pipeline/tiny_elements.h"

namespace vectrim {

namespace {

template <void (*F)(Drawing&, Host&)>
bool withHost(Drawing& d, RunSettings&, Host& host) {
    F(d, host);
    return true;
}

template <void (*F)(Drawing&, const RunSettings&, Host&)>
bool withSettings(Drawing& d, RunSettings& t, Host& host) {
    F(d, t, host);
    return true;
}

template <void (*F)(Drawing&)>
bool plain(Drawing& d, RunSettings&, Host&) {
    F(d);
    return true;
}

bool chords(Drawing& d, RunSettings& t, Host&) {
    arcstolines(d, t);
    return true;
}

// The corner stages run with the corner window the run sets for them.
template <void (*F)(Drawing&, const RunSettings&, Host&)>
bool corner(Drawing& d, RunSettings& t, Host& host) {
    t.cornermaxangle = kCornerMaxAngle;
    t.cornerminangle = kCornerMinAngle;
    F(d, t, host);
    return true;
}

bool split(Drawing& d, RunSettings&, Host& host) {
    int16_t full = 0;
    splitatjunctions(d, host, full);
    return full == 0;
}

// Gap closing with a private copy of the gap radius; a radius of 0 stands
// for the smallest one, as in the run.
bool gaps(Drawing& d, RunSettings& t, Host& host) {
    double radius = t.gaptol == 0 ? kGapRadiusWhenOff : t.gaptol;
    closegaps(d, host, radius);
    return true;
}

constexpr NamedStage kStages[] = {
    {"splitatjunctions", StageTolerance::None, split},
    {"removeduplicates", StageTolerance::None, withHost<removeduplicates>},
    {"arcstolines", StageTolerance::None, chords},
    {"convertlines", StageTolerance::Reduce, withSettings<convertlines>},
    {"reducelines", StageTolerance::Reduce, withSettings<reducelines>},
    {"deletesmallelements", StageTolerance::None, withSettings<deletesmallelements>},
    {"closegaps", StageTolerance::Gap, gaps},
    {"smootharcline", StageTolerance::Smooth, corner<smootharcline>},
    {"smootharcarc", StageTolerance::Smooth, corner<smootharcarc>},
    {"roundlinecorners", StageTolerance::Smooth, corner<roundlinecorners>},
    {"roundarcline", StageTolerance::Smooth, corner<roundarcline>},
    {"roundarcarc", StageTolerance::Smooth, corner<roundarcarc>},
    {"deletetinyelements", StageTolerance::None, plain<deletetinyelements>},
    {"buildcontours", StageTolerance::None, withHost<buildcontours>},
    {"joinarcs", StageTolerance::None, plain<joinarcs>},
    {"joinlines", StageTolerance::None, plain<joinlines>},
};

} // namespace

std::span<const NamedStage> namedStages() { return kStages; }

const NamedStage* findStage(std::string_view name) {
    for (const NamedStage& st : kStages)
        if (name == st.name) return &st;
    return nullptr;
}

} // namespace vectrim
