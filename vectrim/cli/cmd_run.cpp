// vectrim-cli run: a whole processing run, with the tolerances typed as into
// the fields of the main window.
#include "app/run_report.h"
#include "cli.h"
#include "io.h"
#include "model/textfile.h"
#include "pipeline/run.h"

#include <cstdio>

namespace vectrim::cli {

int cmdRun(const std::vector<std::string>& args) {
    const Args a(args, {"--reduce", "--gaps", "--smooth", "--answer", "-o", "--report"},
                 {"--round-line-line", "--keep-position"});
    if (!a.ok()) return usage(a.error);
    if (a.positional.size() != 1) return usage("run needs exactly one input file");
    const std::string answer = a.value("--answer").value_or("J");
    if (answer != "J" && answer != "N") return usage("--answer takes J or N");

    CliHost host(answer);
    Session session(host);
    BatchRunFrame frame;
    frame.reduceText = a.value("--reduce").value_or(frame.reduceText);
    frame.gapText = a.value("--gaps").value_or(frame.gapText);
    frame.smoothText = a.value("--smooth").value_or(frame.smoothText);
    frame.roundLineLine = a.flag("--round-line-line");

    if (!loadDrawing(session, a.positional[0], a.flag("--keep-position"))) return kRefused;
    RepairLog log;
    ReportingRunFrame recorded(frame, session.drawing, log);
    const RunOutcome outcome = bearbeitungeinfach(session, recorded);
    if (outcome == RunOutcome::InvalidInput) return kRefused;
    if (const auto report = a.value("--report")) {
        // The report of the run, as the report window lists it.
        AtomicTextFile out(*report);
        out.write(runReportJson(makeRunReport(session.state.import, log)));
        if (!out.commit()) {
            std::fprintf(stderr, "vectrim-cli: %s: cannot be written\n", report->c_str());
            return kRefused;
        }
    }
    if (!writeDrawing(session, host, a.value("-o").value_or(""))) return kRefused;
    return outcome == RunOutcome::Failed ? kRefused : kOk;
}

} // namespace vectrim::cli
