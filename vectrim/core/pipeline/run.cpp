#include "pipeline/run.h"

#include "model/messages.h"
#include "model/numtext.h"
#include "pipeline/progress.h"
#include "pipeline/stage_set.h"

#include <optional>
#include <string_view>

namespace vectrim {

void getwerte(RunSettings& t, Host& host, RunFrame& frame, int16_t& error) {
    t.maxradius = kMaxRadius;
    t.minradius = kMinRadius;
    t.minlength = kMinLength;
    // A decimal comma reads as the point; a text that is no number at all
    // gets the field's range message.
    const std::optional<double> reduce = fieldNumber(frame.fieldText(ToleranceField::Reduce));
    const std::optional<double> gap = fieldNumber(frame.fieldText(ToleranceField::Gap));
    const std::optional<double> smooth = fieldNumber(frame.fieldText(ToleranceField::Smooth));
    t.reducetol = reduce.value_or(0);
    t.gaptol = gap.value_or(0);
    t.smoothtol = smooth.value_or(0);
    error = 0;
    struct Check {
        std::optional<double> value;
        double limit;
        ToleranceField field;
        const char* text;
    };
    const Check checks[] = {
        {reduce, 5, ToleranceField::Reduce, msg::tr(msg::kReduceOutOfRange)},
        {gap, 5, ToleranceField::Gap, msg::tr(msg::kGapOutOfRange)},
        {smooth, 2, ToleranceField::Smooth, msg::tr(msg::kSmoothOutOfRange)},
    };
    for (const Check& c : checks) {
        if (!(c.value && *c.value >= 0 && *c.value <= c.limit)) {
            host.message(c.text, msg::tr(msg::kTitleExit), Icon::Critical);
            frame.focusField(c.field);
            error = 1;
            return;
        }
    }
}

namespace {

// The steps of one run, in the window of the run.
class Run {
public:
    Run(Session& s, RunFrame& frame)
        : s_(s), d_(s.drawing), t_(s.settings), host_(*s.host), frame_(frame), set_(stageSet()) {}

    RunOutcome go() {
        frame_.aboutToChange(msg::tr(msg::kStepRun));
        frame_.showAbortWindow();
        if (frame_.minimiseChecked()) frame_.minimiseWindow();
        frame_.setWindowEnabled(false);
        // The stages reuse the free-end table, so the marks of a check mean
        // nothing from here on.
        s_.view.markMode = 0;
        showProgress(host_, msg::tr(msg::kRunStarting));

        int16_t full = 0;
        stage("splitatjunctions", [&] { set_.splitatjunctions(d_, host_, full); });
        if (full) return errorExit(msg::tr(msg::kRunFailedTooSmall));
        host_.doEvents();
        stage("removeduplicates", [&] { set_.removeduplicates(d_, host_); });

        if (t_.reducetol > 0) reductionGroup();

        if (d_.linecount > kLineQuestionLimit && !goOnWithManyLines()) {
            frame_.restoreWindow();
            frame_.setWindowEnabled(true);
            finalStep();
            return RunOutcome::Declined;
        }

        // The gap group always runs: a gap field of 0 stands for the
        // smallest radius, for this run only.
        const bool gapReplaced = t_.gaptol == 0;
        if (gapReplaced) t_.gaptol = kGapRadiusWhenOff;
        if (t_.gaptol > 0) {
            stage("deletesmallelements", [&] { set_.deletesmallelements(d_, t_, host_); });
            double radius = t_.gaptol;
            stage("closegaps", [&] { set_.closegaps(d_, host_, radius); });
            stage("splitatjunctions", [&] { set_.splitatjunctions(d_, host_, full); });
            if (full) {
                if (gapReplaced) t_.gaptol = 0;
                return errorExit(msg::tr(msg::kRunFailedValues));
            }
            stage("removeduplicates", [&] { set_.removeduplicates(d_, host_); });
        }
        if (gapReplaced) t_.gaptol = 0;

        if (t_.smoothtol > 0) smoothingGroup();

        stage("deletesmallelements", [&] { set_.deletesmallelements(d_, t_, host_); });
        stage("deletetinyelements", [&] { set_.deletetinyelements(d_); });
        stage("buildcontours", [&] { set_.buildcontours(d_, host_); });

        showProgress(host_, msg::tr(msg::kJoining));
        stage("joinarcs", [&] { set_.joinarcs(d_); });
        stage("joinlines", [&] { set_.joinlines(d_); });
        frame_.showCounts();
        host_.doEvents();

        finalStep();
        return RunOutcome::Finished;
    }

private:
    Session& s_;
    Drawing& d_;
    RunSettings& t_;
    Host& host_;
    RunFrame& frame_;
    const StageSet& set_; // the stages in use

    template <typename F>
    void stage(std::string_view name, F&& f) {
        frame_.stageStarted(name);
        f();
        frame_.stageFinished(name);
    }

    // Nearly straight and very short arcs to chords, chains of lines to arcs,
    // runs of lines to fewer lines.
    void reductionGroup() {
        stage("arcstolines", [&] { set_.arcstolines(d_, t_); });
        stage("convertlines", [&] { set_.convertlines(d_, t_, host_); });
        stage("reducelines", [&] { set_.reducelines(d_, t_, host_); });
        frame_.showCounts();
        host_.doEvents();
    }

    // Asks whether to go on with a drawing of more than 1000 lines.
    bool goOnWithManyLines() {
        if (frame_.minimiseChecked()) frame_.restoreWindow();
        if (host_.ask(msg::tr(msg::kTitleProgram), msg::tr(msg::kManyLines)) == 'N') return false;
        if (frame_.minimiseChecked()) frame_.minimiseWindow();
        return true;
    }

    void setCornerAngles() {
        t_.cornermaxangle = kCornerMaxAngle;
        t_.cornerminangle = kCornerMinAngle;
    }

    void smoothingGroup() {
        stage("smootharcline", [&] { set_.smootharcline(d_, t_, host_); });
        stage("smootharcarc", [&] { set_.smootharcarc(d_, t_, host_); });
        frame_.showCounts();
        frame_.paint();
        host_.doEvents();
        setCornerAngles();
        if (frame_.roundLineLineChecked())
            stage("roundlinecorners", [&] { set_.roundlinecorners(d_, t_, host_); });
        stage("roundarcline", [&] { set_.roundarcline(d_, t_, host_); });
        setCornerAngles();
        stage("roundarcarc", [&] { set_.roundarcarc(d_, t_, host_); });
    }

    // A table ran full: the drawing is discarded and must be loaded again.
    RunOutcome errorExit(const char* text) {
        if (frame_.minimiseChecked()) frame_.restoreWindow();
        frame_.setWindowEnabled(true);
        host_.message(text, msg::tr(msg::kTitleError), Icon::Critical);
        d_.linecount = 0;
        d_.arccount = 0;
        finalStep();
        return RunOutcome::Failed;
    }

    void finalStep() {
        frame_.getmima();
        frame_.setWindowEnabled(true);
        frame_.showCounts();
        host_.info(msg::tr(msg::kRunFinished));
        frame_.clearMarks();
        s_.state.busyflag = 0;
        frame_.unloadAbortWindow();
        frame_.clearMinimise();
        frame_.restoreWindow();
    }
};

} // namespace

RunOutcome bearbeitungeinfach(Session& s, RunFrame& frame) {
    s.state.busyflag = 1;
    int16_t error = 0;
    getwerte(s.settings, *s.host, frame, error);
    if (error) {
        s.state.busyflag = 0;
        return RunOutcome::InvalidInput;
    }
    return Run(s, frame).go();
}

} // namespace vectrim
