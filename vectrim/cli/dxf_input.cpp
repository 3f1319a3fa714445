#include "cli/dxf_input.h"

namespace vectrim::cli {

bool importDxf(const std::string&, int, const std::string&, Host& host) {
    host.message("Dateizugriffsfehler !", "Error", Icon::Critical);
    return false;
}

} // namespace vectrim::cli
