#include "cli.h"
#include "io.h"

#include <memory>

namespace vectrim::cli {

// Reads IN as the main program would and writes it out again: a .dxf becomes
// the imported model, a .dat the model as JSON.
int cmdConvert(const std::vector<std::string>& argv) {
    Args args(argv, {"-o"}, {"--keep-position"});
    if (!args.ok()) return usage(args.error);
    if (args.positional.size() != 1) return usage("convert IN [-o OUT] [--keep-position]");
    CliHost host;
    auto session = std::make_unique<Session>(host);
    if (!loadDrawing(*session, args.positional[0], args.flag("--keep-position"))) return kRefused;
    return writeDrawing(*session, host, args.value("-o").value_or("")) ? kOk : kRefused;
}

} // namespace vectrim::cli
