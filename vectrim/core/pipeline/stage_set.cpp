#include "pipeline/stage_set.h"

#include "examine/analysis.h"
#include "examine/checks.h"
#include "examine/contour_cache.h"
#include "examine/selection.h"
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

constexpr StageSet kFast = {
    .name = "fast",
    .splitatjunctions = splitatjunctions,
    .removeduplicates = removeduplicates,
    .arcstolines = arcstolines,
    .convertlines = convertlines,
    .reducelines = reducelines,
    .deletesmallelements = deletesmallelements,
    .closegaps = closegaps,
    .smootharcline = smootharcline,
    .smootharcarc = smootharcarc,
    .roundlinecorners = roundlinecorners,
    .roundarcline = roundarcline,
    .roundarcarc = roundarcarc,
    .deletetinyelements = deletetinyelements,
    .buildcontours = buildcontours,
    .joinarcs = joinarcs,
    .joinlines = joinlines,
    .findfreeends = findopenends,
    .eck3 = eck3,
    .eck2 = eck2,
    .eck1 = eck1,
    .findjunctions = findjunctions,
    .findsmallelements = findsmallelements,
    .anyFreeEnd = anyOpenEnd,
    .contoursOnCopy = keptContoursOnCopy,
    .contourOf = contourOf,
};

const StageSet* active = &kFast;

} // namespace

const StageSet& fastStageSet() { return kFast; }

const StageSet& stageSet() { return *active; }

void useStageSet(const StageSet& set) { active = &set; }

} // namespace vectrim
