#include "cli/cli.h"

namespace vectrim::cli {

int cmdPrint(const std::vector<std::string>&) { return usage("print is not available in this build"); }

} // namespace vectrim::cli
