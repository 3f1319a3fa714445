#include "cli/cli.h"

namespace vectrim::cli {

int cmdAnalyse(const std::vector<std::string>&) { return usage("analyse is not available in this build"); }

} // namespace vectrim::cli
