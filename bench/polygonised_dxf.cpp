// Writes a generated polygonised drawing (bench/polygonised.h) as a DXF of
// lines and arcs, or as an exchange file, for measuring programs on big
// drawings: the main window, vectrim-cli, other CAM programs.
//
//   polygonised_dxf LINES OUT.dxf|OUT.dat [--arcs N]
//
// LINES lines of circles, rounded rectangles, slots and cut rectangles in
// 60 mm cells; --arcs adds N arcs spread over the same cells.
#include "export/dxf_save.h"
#include "model/exchange_file.h"
#include "model/session.h"
#include "polygonised.h"
#include "quiet_host.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace vectrim;

using bench::QuietHost;

int usage() {
    std::fprintf(stderr, "usage: polygonised_dxf LINES OUT.dxf|OUT.dat [--arcs N]\n");
    return 2;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) return usage();
    const int lines = std::atoi(argv[1]);
    const std::string out = argv[2];
    int arcs = 0;
    if (argc == 5) {
        if (std::string(argv[3]) != "--arcs") return usage();
        arcs = std::atoi(argv[4]);
    }
    if (lines < 1 || lines > kMaxElements || arcs < 0 || arcs > kMaxElements) return usage();

    QuietHost host(true); // its messages shown
    auto session = std::make_unique<Session>(host);
    Drawing& d = session->drawing;
    PolygonisedDrawing polygonised(d);
    polygonised.fill(lines);
    polygonised.addArcs(arcs, lines);

    bool ok = false;
    if (endsWith(out, ".dat")) {
        ok = writeExchangeFile(out, d);
    } else {
        ok = savedxf(d, host, out, DxfForm::LinesArcs, DxfUnit::Millimetre).ok;
    }
    if (!ok) {
        std::fprintf(stderr, "polygonised_dxf: %s could not be written\n", out.c_str());
        return 1;
    }
    std::printf("%s: %d lines, %d arcs\n", out.c_str(), d.linecount, d.arccount);
    return 0;
}
