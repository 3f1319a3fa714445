#include "cli.h"
#include "examine/checks.h"
#include "io.h"
#include "json_text.h"

#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>

namespace vectrim::cli {

namespace {

// The marks the view draws after the check, with the corner angle where the
// mouse readout shows one.
std::string marksJson(const Session& s) {
    const Drawing& d = s.drawing;
    std::vector<FreeEnd> marks;
    if (s.view.markMode == 1) marks = endpointMarks(d);
    if (s.view.markMode == 2) marks.assign(d.freeends.begin(), d.freeends.begin() + d.freecount);
    std::string out = "[";
    for (size_t i = 0; i < marks.size(); ++i) {
        const FreeEnd& m = marks[i];
        out += i ? ", [" : "[";
        appendJsonNumber(out, m.x);
        out += ", ";
        appendJsonNumber(out, m.y);
        out += ", " + std::to_string(m.ref.raw()) + ", " + std::to_string(static_cast<int>(m.end)) + ", ";
        if (s.view.markMode == 2 && s.view.angleReadout == 1)
            appendJsonNumber(out, d.markAngle[i]);
        else
            out += "null";
        out += "]";
    }
    return out + "]";
}

} // namespace

// Runs one check of the frame "Kontrolle" and prints the marks and the two
// result labels (null for a hidden label).
int cmdCheck(const std::vector<std::string>& argv) {
    static const std::map<std::string, Check> kChecks = {{"endpoints", Check::EndPoints},
                                                         {"directions", Check::Directions},
                                                         {"open", Check::OpenContours},
                                                         {"junctions", Check::Junctions},
                                                         {"small", Check::SmallElements}};
    Args args(argv, {}, {"--keep-position"});
    if (!args.ok()) return usage(args.error);
    if (args.positional.size() != 2 || !kChecks.count(args.positional[0]))
        return usage("check endpoints|directions|open|junctions|small IN");
    const char* answers = std::getenv("VECTRIM_ANSWERS");
    CliHost host(answers ? answers : "");
    auto session = std::make_unique<Session>(host);
    if (!loadDrawing(*session, args.positional[1], args.flag("--keep-position"))) return kRefused;
    BatchViewFrame frame(session->drawing, session->view, host);
    runCheck(session->drawing, session->view, host, kChecks.at(args.positional[0]), frame);

    const CheckLabels& l = frame.labels;
    std::string out = "{\"marks\": " + marksJson(*session) + ",\n \"labels\": {\"Label3\": ";
    appendJsonText(out, l.label3Visible ? std::optional(l.label3) : std::nullopt);
    out += ", \"Label2\": ";
    appendJsonText(out, l.label2Visible ? std::optional(l.label2) : std::nullopt);
    out += "}}\n";
    std::cout << out;
    return std::cout.flush() ? kOk : kRefused;
}

} // namespace vectrim::cli
