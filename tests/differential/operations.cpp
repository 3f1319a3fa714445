#include "operations.h"

#include "app/run_report.h"
#include "examine/analysis.h"
#include "examine/checks.h"
#include "export/dxf_writer.h"
#include "export/polylines.h"
#include "import/import.h"
#include "model/exchange_file.h"
#include "model/messages.h"
#include "model/par_file.h"
#include "pipeline/run.h"
#include "pipeline/stage_set.h"
#include "pipeline/stages.h"
#include "reference/reference.h"
#include "view/extents.h"
#include "view/view_frame.h"

#ifdef VECTRIM_TEXT_OUTLINES
#include "qt/qt_outliner.h"
#endif

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace vectrim::differential {

namespace {

// The stage names and fingerprints of the tables after each stage of a run.
class TraceFrame : public BatchRunFrame {
public:
    explicit TraceFrame(const Drawing& d) : d_(d) {}
    std::string stages, trace;
    void stageFinished(std::string_view name) override {
        stages += std::string(name) + " ";
        trace += std::string(name) + ": " + fingerprint(d_) + "\n";
    }

private:
    const Drawing& d_;
};

Operation stageOperation(const NamedStage& st, const char* tolerance) {
    std::string name = std::string("stage ") + st.name;
    if (tolerance) name += std::string(" ") + tolerance;
    std::string tol = tolerance ? tolerance : "";
    const NamedStage* stage = &st;
    return {name, [stage, tol](Session& s) {
                BatchRunFrame frame;
                if (!tol.empty()) {
                    if (stage->tolerance == StageTolerance::Reduce) frame.reduceText = tol;
                    if (stage->tolerance == StageTolerance::Gap) frame.gapText = tol;
                    if (stage->tolerance == StageTolerance::Smooth) frame.smoothText = tol;
                }
                int16_t error = 0;
                getwerte(s.settings, *s.host, frame, error);
                const bool ok = stage->run(s.drawing, s.settings, *s.host);
                return Outcome{ok ? "ok" : "table full", {}, {}};
            }};
}

Operation checkOperation(const char* name, Check check, bool afterContours) {
    return {std::string("check ") + name + (afterContours ? " after buildcontours" : ""),
            [check, afterContours](Session& s) {
                if (afterContours) stageSet().buildcontours(s.drawing, *s.host);
                BatchViewFrame frame(s.drawing, s.view, *s.host);
                const bool done = runCheck(s.drawing, s.view, *s.host, check, frame);
                const CheckLabels& l = frame.labels;
                return Outcome{std::to_string(done) + " mode " + std::to_string(s.view.markMode) +
                                   " readout " + std::to_string(s.view.angleReadout) + " | " + l.label3 +
                                   " | " + l.label2 + " | " + std::to_string(l.label2Colour),
                               {},
                               {}};
            },
            true};
}

std::string labelText(const ResultLabel& l) {
    return l.text + " " + std::to_string(l.colour.r) + "," + std::to_string(l.colour.g) + "," +
           std::to_string(l.colour.b) + (l.visible ? "" : " hidden");
}

Outcome analysis(Session& s) {
    const Analysis a = analyse(s.drawing, kMinLength);
    return {a.text3 + " | " + a.text4 + " | " + a.text5 + " | " + a.text6 + " | " + labelText(a.label9) +
                " | " + labelText(a.label10),
            {},
            {}};
}

// The contours of a few elements: the first, middle and last line and arc.
Outcome pick(Session& s) {
    const Drawing& d = s.drawing;
    std::vector<ElementRef> refs;
    if (d.linecount > 0) refs = {ElementRef::line(0), ElementRef::line(d.linecount / 2)};
    if (d.arccount > 0) refs.push_back(ElementRef::arc(d.arccount - 1));
    std::string out;
    for (const ElementRef ref : refs) {
        out += std::to_string(ref.raw()) + ":";
        for (const ElementRef e : stageSet().contourOf(d, *s.host, ref)) out += " " + std::to_string(e.raw());
        out += "\n";
    }
    return {out, {}, {}};
}

// The file the polyline save writes, without the file.
Outcome polylines(Session& s) {
    const auto copy = stageSet().contoursOnCopy(s.drawing, *s.host);
    std::string text;
    DxfContent content;
    const bool ok = dxfPolylines(*copy, contourPolylines(*copy), DxfUnit::Millimetre, text, content);
    return {std::to_string(ok) + "\n" + text, {}, {}};
}

Operation runOperation(const char* reduce, const char* gap, const char* smooth, bool roundLineLine) {
    const std::string name =
        std::string("run ") + reduce + " " + gap + " " + smooth + (roundLineLine ? " ll" : "");
    return {name, [=](Session& s) {
                TraceFrame frame(s.drawing);
                frame.reduceText = reduce;
                frame.gapText = gap;
                frame.smoothText = smooth;
                frame.roundLineLine = roundLineLine;
                RepairLog log;
                ReportingRunFrame recorded(frame, s.drawing, log);
                const RunOutcome outcome = bearbeitungeinfach(s, recorded);
                return Outcome{std::to_string(static_cast<int>(outcome)) + " " + frame.stages, frame.trace,
                               log.stages()};
            }};
}

std::vector<Operation> makeOperations() {
    std::vector<Operation> ops;
    const char* second[] = {nullptr, "0.05", "1", "1"}; // a second value per tolerance: reduce, gap, smooth
    for (const NamedStage& st : namedStages()) {
        ops.push_back(stageOperation(st, nullptr));
        if (st.tolerance != StageTolerance::None)
            ops.push_back(stageOperation(st, second[static_cast<int>(st.tolerance)]));
    }
    const struct {
        const char* name;
        Check check;
    } checks[] = {{"directions", Check::Directions},
                  {"open", Check::OpenContours},
                  {"junctions", Check::Junctions},
                  {"small", Check::SmallElements}};
    for (const auto& c : checks) {
        ops.push_back(checkOperation(c.name, c.check, false));
        ops.push_back(checkOperation(c.name, c.check, true));
    }
    ops.push_back({"analysis", analysis});
    // The fast picking and polyline save build the contours once per drawing
    // state and show the texts of contour building only then; the stage
    // "buildcontours" compares those texts.
    ops.push_back({"pick", pick, false, false});
    ops.push_back({"polylines", polylines, false, false});
    for (const char* reduce : {"0", "0.3"})
        for (const char* gap : {"0", "0.2"})
            for (const char* smooth : {"0", "0.2"})
                for (const bool ll : {false, true}) ops.push_back(runOperation(reduce, gap, smooth, ll));
    return ops;
}

// Puts a copy of the input's used slots into a session, with fresh view
// and settings.
void load(Session& s, const Drawing& input) {
    Drawing& d = s.drawing;
    std::copy(input.usedLines().begin(), input.usedLines().end(), d.lines.begin());
    std::copy(input.usedArcs().begin(), input.usedArcs().end(), d.arcs.begin());
    std::copy(input.usedOrder().begin(), input.usedOrder().end(), d.order.begin());
    d.linecount = input.linecount;
    d.arccount = input.arccount;
    d.freecount = 0;
    s.view = ViewState{};
    s.settings = RunSettings{};
    s.state = MainState{};
}

// The log without the progress of small-element deletion and the yield after
// each: the literal stage walks again after every deletion, the fast one
// walks once.
std::vector<std::string> withoutSmallElementWalks(const std::vector<std::string>& log) {
    const std::string small[] = {std::string("info ") + msg::tr(msg::kSmallLong),
                                 std::string("info ") + msg::tr(msg::kSmallShort)};
    std::vector<std::string> out;
    for (size_t k = 0; k < log.size(); ++k) {
        if (log[k] == small[0] || log[k] == small[1]) {
            if (k + 1 < log.size() && log[k + 1] == "events") ++k;
            continue;
        }
        out.push_back(log[k]);
    }
    return out;
}

class QuietHost : public Host {
public:
    void info(std::string_view) override {}
    void doEvents() override {}
    void message(std::string_view, std::string_view, Icon) override {}
    char ask(std::string_view, std::string_view) override { return 'J'; }
};

} // namespace

const std::vector<Operation>& allOperations() {
    static const std::vector<Operation> ops = makeOperations();
    return ops;
}

std::vector<const Operation*> operationsNamed(const std::string& prefix) {
    std::vector<const Operation*> out;
    for (const Operation& op : allOperations())
        if (op.name.compare(0, prefix.size(), prefix) == 0) out.push_back(&op);
    return out;
}

Differ::Differ()
    : fast_(std::make_unique<Session>(fastHost_)), reference_(std::make_unique<Session>(referenceHost_)) {}

std::string Differ::compare(const Drawing& input, const Operation& op) {
    load(*fast_, input);
    load(*reference_, input);
    fastHost_.log.clear();
    referenceHost_.log.clear();
    Outcome fast, reference;
    using Clock = std::chrono::steady_clock;
    {
        const ScopedStageSet set(fastStageSet());
        const auto start = Clock::now();
        fast = op.run(*fast_);
        fastSeconds_ = std::chrono::duration<double>(Clock::now() - start).count();
    }
    {
        const ScopedStageSet set(reference::referenceStageSet());
        const auto start = Clock::now();
        reference = op.run(*reference_);
        referenceSeconds_ = std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::string diff = firstDifference(fast_->drawing, reference_->drawing, op.marks);
    if (diff.empty() && fast.result != reference.result)
        diff = "result: fast \"" + fast.result.substr(0, 400) + "\", reference \"" +
               reference.result.substr(0, 400) + "\"";
    if (diff.empty()) diff = firstDifference(fast.report, reference.report);
    if (diff.empty() && op.progress)
        diff = firstDifference(withoutSmallElementWalks(fastHost_.log),
                               withoutSmallElementWalks(referenceHost_.log));
    if (diff.empty()) return {};
    std::string out = op.name + ": " + diff;
    if (fast.trace != reference.trace)
        out += "\nfast stages:\n" + fast.trace + "reference stages:\n" + reference.trace;
    return out;
}

bool readDxf(const std::string& path, Drawing& d) {
    std::string temp = (std::filesystem::temp_directory_path() / "vectrim-differential-XXXXXX").string();
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    close(fd);
    QuietHost host;
#ifdef VECTRIM_TEXT_OUTLINES
    // One for the process: its offscreen application is made once.
    static load::QtOutliner* const outliner = new load::QtOutliner;
    dxf::TextOutliner* textOutliner = outliner;
#else
    dxf::TextOutliner* textOutliner = nullptr;
#endif
    bool ok = load::importToExchangeFile(path, kCurveQuality, temp, host, textOutliner) &&
              readExchangeFile(temp, d, host) == ExchangeRead::Ok;
    std::remove(temp.c_str());
    if (ok) {
        ViewWindow window;
        moveToOrigin(d, window);
    }
    return ok;
}

} // namespace vectrim::differential
