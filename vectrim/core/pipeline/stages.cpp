#include "pipeline/stages.h"

#include "pipeline/stage_set.h"

namespace vectrim {

namespace {

// Each adapter calls the stage of the set in use (stageSet()).
using HostStage = void (*)(Drawing&, Host&);
using SettingsStage = void (*)(Drawing&, const RunSettings&, Host&);
using PlainStage = void (*)(Drawing&);

template <HostStage StageSet::*F>
bool withHost(Drawing& d, RunSettings&, Host& host) {
    (stageSet().*F)(d, host);
    return true;
}

template <SettingsStage StageSet::*F>
bool withSettings(Drawing& d, RunSettings& t, Host& host) {
    (stageSet().*F)(d, t, host);
    return true;
}

template <PlainStage StageSet::*F>
bool plain(Drawing& d, RunSettings&, Host&) {
    (stageSet().*F)(d);
    return true;
}

bool chords(Drawing& d, RunSettings& t, Host&) {
    stageSet().arcstolines(d, t);
    return true;
}

// The corner stages run with the corner window the run sets for them.
template <SettingsStage StageSet::*F>
bool corner(Drawing& d, RunSettings& t, Host& host) {
    t.cornermaxangle = kCornerMaxAngle;
    t.cornerminangle = kCornerMinAngle;
    (stageSet().*F)(d, t, host);
    return true;
}

bool split(Drawing& d, RunSettings&, Host& host) {
    int16_t full = 0;
    stageSet().splitatjunctions(d, host, full);
    return full == 0;
}

// Gap closing with a private copy of the gap radius; a radius of 0 stands
// for the smallest one, as in the run.
bool gaps(Drawing& d, RunSettings& t, Host& host) {
    double radius = t.gaptol == 0 ? kGapRadiusWhenOff : t.gaptol;
    stageSet().closegaps(d, host, radius);
    return true;
}

constexpr NamedStage kStages[] = {
    {"splitatjunctions", StageTolerance::None, split},
    {"removeduplicates", StageTolerance::None, withHost<&StageSet::removeduplicates>},
    {"arcstolines", StageTolerance::None, chords},
    {"convertlines", StageTolerance::Reduce, withSettings<&StageSet::convertlines>},
    {"reducelines", StageTolerance::Reduce, withSettings<&StageSet::reducelines>},
    {"deletesmallelements", StageTolerance::None, withSettings<&StageSet::deletesmallelements>},
    {"closegaps", StageTolerance::Gap, gaps},
    {"smootharcline", StageTolerance::Smooth, corner<&StageSet::smootharcline>},
    {"smootharcarc", StageTolerance::Smooth, corner<&StageSet::smootharcarc>},
    {"roundlinecorners", StageTolerance::Smooth, corner<&StageSet::roundlinecorners>},
    {"roundarcline", StageTolerance::Smooth, corner<&StageSet::roundarcline>},
    {"roundarcarc", StageTolerance::Smooth, corner<&StageSet::roundarcarc>},
    {"deletetinyelements", StageTolerance::None, plain<&StageSet::deletetinyelements>},
    {"buildcontours", StageTolerance::None, withHost<&StageSet::buildcontours>},
    {"joinarcs", StageTolerance::None, plain<&StageSet::joinarcs>},
    {"joinlines", StageTolerance::None, plain<&StageSet::joinlines>},
};

} // namespace

std::span<const NamedStage> namedStages() { return kStages; }

const NamedStage* findStage(std::string_view name) {
    for (const NamedStage& st : kStages)
        if (name == st.name) return &st;
    return nullptr;
}

} // namespace vectrim
