// vectrim-cli stage: one stage of the processing run by its name, with the
// settings the run gives it.
#include "cli.h"
#include "io.h"
#include "pipeline/run.h"
#include "pipeline/stages.h"

namespace vectrim::cli {

namespace {

std::string stageNames() {
    std::string names;
    for (const NamedStage& st : namedStages()) names += std::string(names.empty() ? "" : ", ") + st.name;
    return names;
}

} // namespace

int cmdStage(const std::vector<std::string>& args) {
    const Args a(args, {"--tol", "-o"}, {"--keep-position"});
    if (!a.ok()) return usage(a.error);
    if (a.positional.size() != 2) return usage("stage needs a stage name and one input file");
    const NamedStage* stage = findStage(a.positional[0]);
    if (!stage) return usage("unknown stage " + a.positional[0] + " (stages: " + stageNames() + ")");
    const std::optional<std::string> tol = a.value("--tol");
    if (tol && stage->tolerance == StageTolerance::None)
        return usage(std::string("stage ") + stage->name + " reads no tolerance");

    CliHost host;
    Session session(host);
    // The fields keep their design texts; --tol replaces the one the stage reads.
    BatchRunFrame frame;
    if (tol) {
        if (stage->tolerance == StageTolerance::Reduce) frame.reduceText = *tol;
        if (stage->tolerance == StageTolerance::Gap) frame.gapText = *tol;
        if (stage->tolerance == StageTolerance::Smooth) frame.smoothText = *tol;
    }
    int16_t error = 0;
    getwerte(session.settings, host, frame, error);
    if (error) return kRefused;

    if (!loadDrawing(session, a.positional[1], a.flag("--keep-position"))) return kRefused;
    const bool ok = stage->run(session.drawing, session.settings, host);
    if (!writeDrawing(session, host, a.value("-o").value_or(""))) return kRefused;
    return ok ? kOk : kRefused;
}

} // namespace vectrim::cli
