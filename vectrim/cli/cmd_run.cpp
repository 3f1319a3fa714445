#include "cli/cli.h"

namespace vectrim::cli {

int cmdRun(const std::vector<std::string>&) { return usage("run is not available in this build"); }

} // namespace vectrim::cli
