#include "cli.h"
#include "examine/analysis.h"
#include "io.h"
#include "json_text.h"
#include "pipeline/run_frame.h"

#include <cstdlib>
#include <iostream>
#include <memory>

namespace vectrim::cli {

// Prints what the analysis window shows: the four value fields and the two
// result labels (null when hidden).
int cmdAnalyse(const std::vector<std::string>& argv) {
    Args args(argv, {}, {"--keep-position"});
    if (!args.ok()) return usage(args.error);
    if (args.positional.size() != 1) return usage("analyse IN");
    const char* answers = std::getenv("VECTRIM_ANSWERS");
    CliHost host(answers ? answers : "");
    auto session = std::make_unique<Session>(host);
    if (!loadDrawing(*session, args.positional[0], args.flag("--keep-position"))) return kRefused;
    if (!pruefen(session->drawing, host)) return kRefused; // declined: the window does not open
    BatchRunFrame fields;
    const Analysis a = form400Load(session->drawing, session->settings, host, fields);

    auto label = [](const ResultLabel& l) { return l.visible ? std::optional(l.text) : std::nullopt; };
    std::string out = "{";
    const std::pair<const char*, std::optional<std::string>> fieldsShown[] = {
        {"Text3", a.text3}, {"Text4", a.text4},          {"Text5", a.text5},
        {"Text6", a.text6}, {"Label9", label(a.label9)}, {"Label10", label(a.label10)}};
    bool first = true;
    for (const auto& [name, text] : fieldsShown) {
        out += first ? "\"" : ", \"";
        out += name;
        out += "\": ";
        appendJsonText(out, text);
        first = false;
    }
    out += "}\n";
    std::cout << out;
    return std::cout.flush() ? kOk : kRefused;
}

} // namespace vectrim::cli
