#include "cli/cli.h"

namespace vectrim::cli {

int cmdExport(const std::vector<std::string>&) { return usage("export is not available in this build"); }

} // namespace vectrim::cli
