#include "cli/cli.h"

namespace vectrim::cli {

int cmdImport(const std::vector<std::string>&) { return usage("import is not available in this build"); }

} // namespace vectrim::cli
