#include "cli/cli.h"

namespace vectrim::cli {

int cmdCheck(const std::vector<std::string>&) { return usage("check is not available in this build"); }

} // namespace vectrim::cli
