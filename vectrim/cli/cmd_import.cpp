// import IN.dxf [-o OUT]: the exchange file that load writes for the DXF,
// to OUT or to standard output.
#include "cli.h"
#include "cli_host.h"
#include "dxf_input.h"
#include "io.h"
#include "model/par_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace vectrim::cli {

int cmdImport(const std::vector<std::string>& args) {
    const Args a(args, {"-o"}, {});
    if (!a.ok()) return usage(a.error);
    if (a.positional.size() != 1) return usage("import needs one DXF file");
    const std::string out = a.value("-o").value_or("");
    CliHost host;
    if (!out.empty() && out != "-")
        return importDxf(a.positional[0], kCurveQuality, out, host) ? kOk : kRefused;

    // To standard output through a private temporary file.
    const TemporaryFile tmpl("vectrim-import");
    if (tmpl.path().empty()) return kRefused;
    const bool ok = importDxf(a.positional[0], kCurveQuality, tmpl.path(), host);
    if (ok) {
        std::ifstream in(tmpl.path(), std::ios::binary);
        std::cout << in.rdbuf();
        std::cout.flush();
    }
    return ok ? kOk : kRefused;
}

} // namespace vectrim::cli
