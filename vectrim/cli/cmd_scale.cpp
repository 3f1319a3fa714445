#include "cli.h"
#include "examine/scaling.h"
#include "io.h"

#include <cstdlib>
#include <memory>

namespace vectrim::cli {

// Scales the drawing to a new width and height as the window "Maßstab
// ändern" does; with only one of them the other follows in proportion.
int cmdScale(const std::vector<std::string>& argv) {
    Args args(argv, {"--width", "--height", "--quality", "-o"}, {"--keep-position"});
    if (!args.ok()) return usage(args.error);
    const char* kUsageText = "scale IN --width W --height H [--quality fein|mittel|grob] [-o OUT]";
    if (args.positional.size() != 1) return usage(kUsageText);
    const auto width = args.value("--width"), height = args.value("--height");
    if (!width && !height) return usage(kUsageText);
    DivisionQuality quality = DivisionQuality::None;
    if (const auto q = args.value("--quality")) {
        if (*q == "fein")
            quality = DivisionQuality::Fein;
        else if (*q == "mittel")
            quality = DivisionQuality::Mittel;
        else if (*q == "grob")
            quality = DivisionQuality::Grob;
        else
            return usage("--quality takes fein, mittel or grob");
    }

    const char* answers = std::getenv("VECTRIM_ANSWERS");
    CliHost host(answers ? answers : "");
    auto session = std::make_unique<Session>(host);
    if (!loadDrawing(*session, args.positional[0], args.flag("--keep-position"))) return kRefused;
    BatchViewFrame frame(session->drawing, session->view, host);
    frame.getmima();
    if (!massstabOpen(session->drawing, host, frame)) return kRefused;
    ScaleForm form = form399Load(frame, session->drawing);
    form.text1 = width.value_or("");
    form.text2 = height.value_or("");
    form.quality = quality;
    if (!width || !height) proportion(host, form);
    if (!applyScale(session->drawing, host, form)) return kRefused;
    massstabClosed(frame);
    return writeDrawing(*session, host, args.value("-o").value_or("")) ? kOk : kRefused;
}

} // namespace vectrim::cli
