#include "cli.h"
#include "examine/scaling.h"
#include "io.h"

#include <cstdlib>
#include <memory>

namespace vectrim::cli {

// Converts the drawing from inch to millimetres ("Maße umwandeln"), or with
// --back from millimetres to inch as "Zurück" does after a conversion.
int cmdInch(const std::vector<std::string>& argv) {
    Args args(argv, {"-o"}, {"--back", "--keep-position"});
    if (!args.ok()) return usage(args.error);
    if (args.positional.size() != 1) return usage("inch IN [--back] [-o OUT]");
    const char* answers = std::getenv("VECTRIM_ANSWERS");
    CliHost host(answers ? answers : "");
    auto session = std::make_unique<Session>(host);
    if (!loadDrawing(*session, args.positional[0], args.flag("--keep-position"))) return kRefused;
    BatchViewFrame frame(session->drawing, session->view, host);
    frame.getmima();
    if (args.flag("--back")) {
        session->state.inchConverted = 1; // the input is the result of a conversion
        mzurueck(session->drawing, session->state.inchConverted, host, frame);
    } else {
        wandel1(session->drawing, session->state.inchConverted, host, frame);
    }
    return writeDrawing(*session, host, args.value("-o").value_or("")) ? kOk : kRefused;
}

} // namespace vectrim::cli
