#include "build.h"

#include "model/messages.h"

namespace vectrim {

// Without a mark: the windows in tests, not a program of the folder.
const Build kGermanMmBuild{"", "de", DrawingUnit::Millimetre, "info.pdf", "0.3", "0.2", "0.2"};

namespace {
const Build* gBuild = &kGermanMmBuild;
}

void setBuild(const Build& build) {
    gBuild = &build;
    setDrawingUnit(build.unit);
}

const Build& currentBuild() { return *gBuild; }

} // namespace vectrim
