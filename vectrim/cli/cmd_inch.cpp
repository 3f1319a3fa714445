#include "cli/cli.h"

namespace vectrim::cli {

int cmdInch(const std::vector<std::string>&) { return usage("inch is not available in this build"); }

} // namespace vectrim::cli
