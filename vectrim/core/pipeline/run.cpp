#include "pipeline/run.h"

#include "model/numtext.h"
#include "pipeline/arc_fitting.h"
#include "pipeline/arcs_to_lines.h"
#include "pipeline/contours.h"
#include "pipeline/duplicates.h"
#include "pipeline/gaps.h"
#include "pipeline/joining.h"
#include "pipeline/junctions.h"
#include "pipeline/line_runs.h"
#include "pipeline/progress.h"
#include "pipeline/small_elements.h"
#include "pipeline/smoothing.h"
#include "pipeline/tiny_elements.h"

#include <string_view>

namespace vectrim {

void getwerte(Session& s, RunFrame& frame, int16_t& error) {
    RunSettings& t = s.settings;
    t.maxradius = kMaxRadius;
    t.minradius = kMinRadius;
    t.minlength = kMinLength;
    t.reducetol = val(frame.fieldText(ToleranceField::Reduce));
    t.gaptol = val(frame.fieldText(ToleranceField::Gap));
    t.smoothtol = val(frame.fieldText(ToleranceField::Smooth));
    error = 0;
    struct Check {
        double value, limit;
        ToleranceField field;
        const char* text;
    };
    const Check checks[] = {
        {t.reducetol, 5, ToleranceField::Reduce, "Eingabe >T:Reduktion< außerhalb Wertbereich (0 bis 5) "},
        {t.gaptol, 5, ToleranceField::Gap, "Eingabe >T:Lücken schließen< außerhalb Wertbereich (0 bis 5) "},
        {t.smoothtol, 2, ToleranceField::Smooth,
         "Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) "},
    };
    for (const Check& c : checks) {
        if (!(c.value >= 0 && c.value <= c.limit)) {
            s.host->message(c.text, "Exit", Icon::Critical);
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
    Run(Session& s, RunFrame& frame) : s_(s), d_(s.drawing), t_(s.settings), frame_(frame) {}

    RunOutcome go() {
        frame_.showAbortWindow();
        if (frame_.minimiseChecked()) frame_.minimiseWindow();
        frame_.setWindowEnabled(false);
        showProgress(s_, "Starte Konvertierung... ");

        int16_t full = 0;
        stage("splitatjunctions", [&] { splitatjunctions(s_, full); });
        if (full) return errorExit("Fehler bei der Bearbeitung ! Zeichnung zu klein ?");
        s_.host->doEvents();
        stage("removeduplicates", [&] { removeduplicates(s_); });

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
            stage("deletesmallelements", [&] { deletesmallelements(s_); });
            double radius = t_.gaptol;
            stage("closegaps", [&] { closegaps(s_, radius); });
            stage("splitatjunctions", [&] { splitatjunctions(s_, full); });
            if (full) {
                if (gapReplaced) t_.gaptol = 0;
                return errorExit(
                    "Fehler bei der Bearbeitung ! Eingabewerte zu klein ? Laden Sie die DXF-Datei neu.");
            }
            stage("removeduplicates", [&] { removeduplicates(s_); });
        }
        if (gapReplaced) t_.gaptol = 0;

        if (t_.smoothtol > 0) smoothingGroup();

        stage("deletesmallelements", [&] { deletesmallelements(s_); });
        stage("deletetinyelements", [&] { deletetinyelements(s_); });
        stage("buildcontours", [&] { buildcontours(s_); });

        showProgress(s_, "Verbinde Elemente ........    ");
        stage("joinarcs", [&] { joinarcs(s_); });
        stage("joinlines", [&] { joinlines(s_); });
        frame_.showCounts();
        s_.host->doEvents();

        finalStep();
        return RunOutcome::Finished;
    }

private:
    Session& s_;
    Drawing& d_;
    RunSettings& t_;
    RunFrame& frame_;

    template <typename F>
    void stage(std::string_view name, F&& f) {
        frame_.stageStarted(name);
        f();
        frame_.stageFinished(name);
    }

    // Nearly straight and very short arcs to chords, chains of lines to arcs,
    // runs of lines to fewer lines.
    void reductionGroup() {
        stage("arcstolines", [&] { arcstolines(s_); });
        stage("convertlines", [&] { convertlines(s_); });
        stage("reducelines", [&] { reducelines(s_); });
        frame_.showCounts();
        s_.host->doEvents();
    }

    // Asks whether to go on with a drawing of more than 1000 lines.
    bool goOnWithManyLines() {
        if (frame_.minimiseChecked()) frame_.restoreWindow();
        if (s_.host->ask("Vectrim", "Linienanzahl > 1000. Fortfahren ?") == 'N') return false;
        if (frame_.minimiseChecked()) frame_.minimiseWindow();
        return true;
    }

    void setCornerAngles() {
        t_.cornermaxangle = kCornerMaxAngle;
        t_.cornerminangle = kCornerMinAngle;
    }

    void smoothingGroup() {
        stage("smootharcline", [&] { smootharcline(s_); });
        stage("smootharcarc", [&] { smootharcarc(s_); });
        frame_.showCounts();
        frame_.paint();
        s_.host->doEvents();
        setCornerAngles();
        if (frame_.roundLineLineChecked()) stage("roundlinecorners", [&] { roundlinecorners(s_); });
        stage("roundarcline", [&] { roundarcline(s_); });
        setCornerAngles();
        stage("roundarcarc", [&] { roundarcarc(s_); });
    }

    // A table ran full: the drawing is discarded and must be loaded again.
    RunOutcome errorExit(const char* text) {
        if (frame_.minimiseChecked()) frame_.restoreWindow();
        frame_.setWindowEnabled(true);
        s_.host->message(text, "Error", Icon::Critical);
        d_.linecount = 0;
        d_.arccount = 0;
        finalStep();
        return RunOutcome::Failed;
    }

    void finalStep() {
        frame_.getmima();
        frame_.setWindowEnabled(true);
        frame_.showCounts();
        s_.host->info("Konvertierung beendet.        ");
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
    getwerte(s, frame, error);
    if (error) {
        s.state.busyflag = 0;
        return RunOutcome::InvalidInput;
    }
    return Run(s, frame).go();
}

} // namespace vectrim
