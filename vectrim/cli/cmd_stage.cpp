#include "cli/cli.h"

namespace vectrim::cli {

int cmdStage(const std::vector<std::string>&) { return usage("stage is not available in this build"); }

} // namespace vectrim::cli
