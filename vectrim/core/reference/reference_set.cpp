// The literal functions as a stage set, for useStageSet.
#include "reference/reference.h"

namespace vectrim::reference {

namespace {

constexpr StageSet kReference = {
    .name = "reference",
    .splitatjunctions = reference::splitatjunctions,
    .removeduplicates = reference::removeduplicates,
    .arcstolines = reference::arcstolines,
    .convertlines = reference::convertlines,
    .reducelines = reference::reducelines,
    .deletesmallelements = reference::deletesmallelements,
    .closegaps = reference::closegaps,
    .smootharcline = reference::smootharcline,
    .smootharcarc = reference::smootharcarc,
    .roundlinecorners = reference::roundlinecorners,
    .roundarcline = reference::roundarcline,
    .roundarcarc = reference::roundarcarc,
    .deletetinyelements = reference::deletetinyelements,
    .buildcontours = reference::buildcontours,
    .joinarcs = reference::joinarcs,
    .joinlines = reference::joinlines,
    .findfreeends = reference::findfreeends,
    .eck3 = reference::eck3,
    .eck2 = reference::eck2,
    .eck1 = reference::eck1,
    .findjunctions = reference::findjunctions,
    .findsmallelements = reference::findsmallelements,
    .anyFreeEnd = reference::anyFreeEnd,
    .contoursOnCopy = reference::contoursOnCopy,
    .contourOf = reference::contourOf,
};

} // namespace

const StageSet& referenceStageSet() { return kReference; }

} // namespace vectrim::reference
