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

template <void (*F)(Session&)>
bool plain(Session& s) {
    F(s);
    return true;
}

// The corner stages run with the corner window the run sets for them.
template <void (*F)(Session&)>
bool corner(Session& s) {
    s.settings.cornermaxangle = kCornerMaxAngle;
    s.settings.cornerminangle = kCornerMinAngle;
    F(s);
    return true;
}

bool split(Session& s) {
    int16_t full = 0;
    splitatjunctions(s, full);
    return full == 0;
}

// Gap closing with a private copy of the gap radius; a radius of 0 stands
// for the smallest one, as in the run.
bool gaps(Session& s) {
    double radius = s.settings.gaptol == 0 ? kGapRadiusWhenOff : s.settings.gaptol;
    closegaps(s, radius);
    return true;
}

constexpr NamedStage kStages[] = {
    {"splitatjunctions", StageTolerance::None, split},
    {"removeduplicates", StageTolerance::None, plain<removeduplicates>},
    {"arcstolines", StageTolerance::None, plain<arcstolines>},
    {"convertlines", StageTolerance::Reduce, plain<convertlines>},
    {"reducelines", StageTolerance::Reduce, plain<reducelines>},
    {"deletesmallelements", StageTolerance::None, plain<deletesmallelements>},
    {"closegaps", StageTolerance::Gap, gaps},
    {"smootharcline", StageTolerance::Smooth, corner<smootharcline>},
    {"smootharcarc", StageTolerance::Smooth, corner<smootharcarc>},
    {"roundlinecorners", StageTolerance::Smooth, corner<roundlinecorners>},
    {"roundarcline", StageTolerance::Smooth, corner<roundarcline>},
    {"roundarcarc", StageTolerance::Smooth, corner<roundarcarc>},
    {"deletetinyelements", StageTolerance::None, plain<deletetinyelements>},
    {"buildcontours", StageTolerance::None, plain<buildcontours>},
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
