#include "cli.h"

#ifdef VECTRIM_PRINT
#include "io.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "print/page_layout.h"
#include "qt_page.h"
#include "view/view.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <memory>
#else
#include "qt_twin.h"
#endif

namespace vectrim::cli {

#ifdef VECTRIM_PRINT

// Prints the drawing as the print window does, into a PDF file of one A4
// page: fitted to the page (the default, or --scale fit) or at the scale
// factor given as it would be typed into the window; --rotate turns it by
// 90°, --bw prints black and white. Writes the scale factor used.
int cmdPrint(const std::vector<std::string>& argv) {
    Args args(argv, {"--pdf", "--scale"}, {"--rotate", "--bw"});
    if (!args.ok()) return usage(args.error);
    const std::optional<std::string> pdf = args.value("--pdf");
    if (args.positional.size() != 1 || !pdf || pdf->empty())
        return usage("print IN --pdf OUT.pdf [--scale S|fit] [--rotate] [--bw]");
    const char* answers = std::getenv("VECTRIM_ANSWERS");
    CliHost host(answers ? answers : "");
    auto session = std::make_unique<Session>(host);
    if (!loadDrawing(*session, args.positional[0], false)) return kRefused;
    Drawing& d = session->drawing;
    if (d.linecount == 0 && d.arccount == 0) {
        host.message(msg::tr(msg::kNoElements), msg::tr(msg::kTitleExit), Icon::Information);
        return kRefused;
    }
    // The header shows the size fields as the main window does.
    BatchViewFrame frame(session->drawing, session->view, host);
    frame.getmima();
    PageSetup setup;
    setup.rotate = args.flag("--rotate");
    setup.widthText = trunderText(frame.widthText);
    setup.heightText = trunderText(frame.heightText);
    const std::string scale = args.value("--scale").value_or("fit");
    setup.scaleText = scale == "fit" ? fitScaleText(d, setup.rotate) : scale;
    const PrintMode mode = args.flag("--bw") ? PrintMode::BlackWhite : PrintMode::Colour;
    const auto app = makeGuiApplication();
    if (!printToPdf(*pdf, d, setup, mode)) {
        host.message(msg::tr(msg::kPrintFailed), msg::tr(msg::kTitleError), Icon::Critical);
        return kRefused;
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, val(setup.scaleText));
    std::printf("%.*s\n", static_cast<int>(r.ptr - buf), buf);
    return kOk;
}

#else

int cmdPrint(const std::vector<std::string>&) {
    if (twinTakesQtJobs()) throw QtNeeded{};
    return usage("print is not available in this build");
}

#endif

} // namespace vectrim::cli
