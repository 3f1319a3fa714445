// The stages of the processing run by name, for batch use and tests: each
// runs as the processing run runs it (the stage of the set in use,
// stageSet()), with the tolerance it reads already in the settings.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"

#include <span>
#include <string_view>

namespace vectrim {

// Which tolerance field a stage reads.
enum class StageTolerance { None, Reduce, Gap, Smooth };

struct NamedStage {
    const char* name;
    StageTolerance tolerance;
    // Runs the stage; false when it stopped because a table ran full.
    bool (*run)(Drawing& d, RunSettings& t, Host& host);
};

std::span<const NamedStage> namedStages();

// The stage of that name, or nullptr.
const NamedStage* findStage(std::string_view name);

} // namespace vectrim
