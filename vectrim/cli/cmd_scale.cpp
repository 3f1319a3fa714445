#include "cli/cli.h"

namespace vectrim::cli {

int cmdScale(const std::vector<std::string>&) { return usage("scale is not available in this build"); }

} // namespace vectrim::cli
