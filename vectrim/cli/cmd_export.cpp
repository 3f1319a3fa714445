#include "cli.h"
#include "io.h"

#include <cstdio>
#include <memory>

namespace vectrim::cli {

// Saves IN as a DXF for a CAM program, as "DXF speichern" does: lines and
// arcs (R12), or with --polylines the contours as polylines (R2000).
int cmdExport(const std::vector<std::string>& argv) {
    Args args(argv, {"-o"}, {"--polylines", "--keep-position"});
    if (!args.ok()) return usage(args.error);
    const std::optional<std::string> out = args.value("-o");
    if (args.positional.size() != 1 || !out || out->empty())
        return usage("export IN -o OUT.dxf [--polylines] [--keep-position]");
    CliHost host;
    auto session = std::make_unique<Session>(host);
    if (!loadDrawing(*session, args.positional[0], args.flag("--keep-position"))) return kRefused;
    if (!dxfSaveAllowed(session->drawing, host)) return kRefused;
    const DxfForm form = args.flag("--polylines") ? DxfForm::Polylines : DxfForm::LinesArcs;
    const DxfSaved saved = savedxf(session->drawing, host, *out, form, drawingUnit(session->state));
    if (!saved.ok) return kRefused;
    std::fprintf(stderr, "vectrim-cli: %d entities written", saved.content.entities);
    if (saved.content.skipped > 0)
        std::fprintf(stderr, ", %d degenerate elements (zero length or sweep) left out",
                     saved.content.skipped);
    std::fprintf(stderr, "\n");
    return kOk;
}

} // namespace vectrim::cli
