// The processing run: field checks, the order of the stages, the question
// about large drawings, the error exit and the final step.
#include "drawings.h"
#include "pipeline/run.h"
#include "pipeline/stages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vectrim {
namespace {

using test::Fixture;
using test::RecordingFrame;
using Stages = std::vector<std::string>;

void zeroFields(RecordingFrame& fr) { fr.reduceText = fr.gapText = fr.smoothText = " 0"; }

// n separate lines of length 1, 3 mm apart.
void separateLines(Fixture& f, int n) {
    for (int k = 0; k < n; ++k) f.line((k % 40) * 3, (k / 40) * 3, (k % 40) * 3 + 1, (k / 40) * 3);
}

// However a run ends: measured, enabled, marks gone, the abort window
// closed, "Fenster minimieren" cleared and the window in its normal state.
void expectFinalStep(const RecordingFrame& fr) {
    EXPECT_TRUE(fr.measured);
    EXPECT_TRUE(fr.enabled);
    EXPECT_TRUE(fr.marksCleared);
    EXPECT_FALSE(fr.abortShown);
    EXPECT_FALSE(fr.minimise);
    EXPECT_FALSE(fr.minimised);
}

bool contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

TEST(ProcessingRun, AllTolerancesZeroRunsTheFixedStagesWithGapRadiusOneTenth) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10.05, 0, 20, 0); // 0.05 gap: closed with radius 0.1
    f.line(0, 50, 10, 50);
    f.line(10.15, 50, 20, 50); // 0.15 gap: stays
    RecordingFrame fr;
    zeroFields(fr);
    EXPECT_EQ(bearbeitungeinfach(*f.session, fr), RunOutcome::Finished);
    EXPECT_EQ(fr.stages, (Stages{"splitatjunctions", "removeduplicates", "deletesmallelements", "closegaps",
                                 "splitatjunctions", "removeduplicates", "deletesmallelements",
                                 "deletetinyelements", "buildcontours", "joinarcs", "joinlines"}));
    EXPECT_EQ(f.session->settings.gaptol, 0);
    EXPECT_EQ(fr.gapText, " 0");
    // The closed gap was joined into one line; the open one is still there.
    ASSERT_EQ(f.d.linecount, 3);
    EXPECT_EQ(f.d.lines[0].x1, 0);
    EXPECT_EQ(f.d.lines[0].x2, 20);
    EXPECT_EQ(f.host.infos.front(), "Starte Konvertierung... ");
    EXPECT_TRUE(contains(f.host.infos, "Verbinde Elemente ........    "));
    EXPECT_EQ(f.host.infos.back(), "Konvertierung beendet.        ");
    EXPECT_TRUE(f.host.questions.empty());
    EXPECT_EQ(f.session->state.busyflag, 0);
}

TEST(ProcessingRun, WindowIsDisabledThenRestoredAndCheck1Cleared) {
    Fixture f;
    f.line(0, 0, 10, 0);
    RecordingFrame fr;
    zeroFields(fr);
    fr.minimise = true;
    bearbeitungeinfach(*f.session, fr);
    EXPECT_FALSE(fr.stageWhileEnabled);
    EXPECT_FALSE(fr.stageWithoutAbortWindow);
    EXPECT_TRUE(fr.minimisedDuringStages);
    expectFinalStep(fr);
}

TEST(ProcessingRun, DesignTolerancesRunReductionAndSmoothingInOrder) {
    Fixture f;
    test::polygon(f, 20, 20, 10, 36);
    RecordingFrame fr; // the design texts 0.3, 0.2, 0.2
    f.session->settings.cornermaxangle = 1;
    f.session->settings.cornerminangle = 2;
    bearbeitungeinfach(*f.session, fr);
    EXPECT_EQ(fr.stages,
              (Stages{"splitatjunctions", "removeduplicates", "arcstolines", "convertlines", "reducelines",
                      "deletesmallelements", "closegaps", "splitatjunctions", "removeduplicates",
                      "smootharcline", "smootharcarc", "roundarcline", "roundarcarc", "deletesmallelements",
                      "deletetinyelements", "buildcontours", "joinarcs", "joinlines"}));
    EXPECT_TRUE(fr.painted);
    EXPECT_EQ(f.session->settings.cornermaxangle, 179.9);
    EXPECT_EQ(f.session->settings.cornerminangle, 0.11);
    // The polygon came back as one full circle.
    EXPECT_EQ(f.d.linecount, 0);
    ASSERT_EQ(f.d.arccount, 1);
    EXPECT_NEAR(f.d.arcs[0].r, 10, 1e-6);

    Fixture g;
    g.line(0, 0, 10, 0);
    RecordingFrame withCorners;
    withCorners.roundLineLine = true;
    bearbeitungeinfach(*g.session, withCorners);
    const auto& st = withCorners.stages;
    const auto corner = std::find(st.begin(), st.end(), "roundlinecorners");
    ASSERT_NE(corner, st.end());
    EXPECT_EQ(*(corner - 1), "smootharcarc");
    EXPECT_EQ(*(corner + 1), "roundarcline");
}

TEST(ProcessingRun, ThousandLinesAreNotQuestioned) {
    Fixture f;
    separateLines(f, 1000);
    RecordingFrame fr;
    zeroFields(fr);
    fr.smoothText = "2"; // the upper limit is accepted
    bearbeitungeinfach(*f.session, fr);
    EXPECT_TRUE(f.host.questions.empty());
    EXPECT_TRUE(f.host.messages.empty());
}

TEST(ProcessingRun, MoreThanThousandLinesAskAndNStopsBeforeTheGaps) {
    Fixture f("N");
    separateLines(f, 1001);
    RecordingFrame fr;
    zeroFields(fr);
    fr.minimise = true;
    EXPECT_EQ(bearbeitungeinfach(*f.session, fr), RunOutcome::Declined);
    ASSERT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(f.host.questions[0].title, "Vectrim");
    EXPECT_EQ(f.host.questions[0].text, "Linienanzahl > 1000. Fortfahren ?");
    EXPECT_EQ(fr.stages, (Stages{"splitatjunctions", "removeduplicates"}));
    EXPECT_EQ(f.d.linecount, 1001); // kept as far as it was processed
    expectFinalStep(fr);
    EXPECT_EQ(f.host.infos.back(), "Konvertierung beendet.        ");
}

TEST(ProcessingRun, MoreThanThousandLinesAnsweredJGoesOn) {
    Fixture f("J");
    separateLines(f, 1001);
    RecordingFrame fr;
    zeroFields(fr);
    fr.minimise = true;
    EXPECT_EQ(bearbeitungeinfach(*f.session, fr), RunOutcome::Finished);
    EXPECT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(fr.stages.back(), "joinlines");
    // Minimised again for the stages after the question.
    EXPECT_TRUE(fr.lastStageMinimised);
    expectFinalStep(fr);
}

TEST(ProcessingRun, FieldChecksStopAtTheFirstInvalidField) {
    struct Case {
        std::string reduce, gap, smooth;
        int field;
        std::string text;
    };
    const Case cases[] = {
        {"5.0001", "0", "3", 0, "Eingabe >T:Reduktion< außerhalb Wertbereich (0 bis 5) "},
        {"5", "-0.1", "3", 1, "Eingabe >T:Lücken schließen< außerhalb Wertbereich (0 bis 5) "},
        {"0", "5", "2.0001", 2, "Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) "},
        // a decimal comma reads as the point; what is then no number is refused
        {"1,2,3", "0", "0", 0, "Eingabe >T:Reduktion< außerhalb Wertbereich (0 bis 5) "},
        {"0,05", "5,5", "0", 1, "Eingabe >T:Lücken schließen< außerhalb Wertbereich (0 bis 5) "},
        {"0,05", "0,2", "abc", 2, "Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) "},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.line(0, 0, 10, 0);
        f.line(0, 0, 10, 0);
        RecordingFrame fr;
        fr.reduceText = c.reduce;
        fr.gapText = c.gap;
        fr.smoothText = c.smooth;
        EXPECT_EQ(bearbeitungeinfach(*f.session, fr), RunOutcome::InvalidInput);
        ASSERT_EQ(f.host.messages.size(), 1u);
        EXPECT_EQ(f.host.messages[0].title, "Exit");
        EXPECT_EQ(f.host.messages[0].text, c.text);
        EXPECT_EQ(f.host.messages[0].icon, Icon::Critical);
        EXPECT_EQ(fr.focused, c.field);
        EXPECT_TRUE(fr.stages.empty());
        EXPECT_FALSE(fr.abortShown || fr.measured || !fr.enabled);
        EXPECT_EQ(f.d.linecount, 2); // the duplicate is still there
        EXPECT_EQ(f.session->state.busyflag, 0);
    }
}

TEST(ProcessingRun, FullTableInTheFirstSplitDiscardsTheDrawing) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(5, 0, 5, 5); // cuts line 0 when the table has no room left
    for (int k = 2; k < kMaxElements; ++k) f.line(100 + k, 100, 100 + k, 100); // no length: cut nothing
    RecordingFrame fr;
    fr.minimise = true;
    EXPECT_EQ(bearbeitungeinfach(*f.session, fr), RunOutcome::Failed);
    ASSERT_EQ(f.host.messages.size(), 2u);
    EXPECT_EQ(f.host.messages[0].text, "Linienspeicher voll !");
    EXPECT_EQ(f.host.messages[1].title, "Error");
    EXPECT_EQ(f.host.messages[1].text, "Fehler bei der Bearbeitung ! Zeichnung zu klein ?");
    EXPECT_EQ(f.host.messages[1].icon, Icon::Critical);
    EXPECT_EQ(f.d.linecount, 0);
    EXPECT_EQ(f.d.arccount, 0);
    EXPECT_EQ(fr.stages, Stages{"splitatjunctions"});
    expectFinalStep(fr);
}

TEST(NamedStages, EveryStageOfTheRunCanBeFoundByName) {
    for (const char* name :
         {"splitatjunctions", "removeduplicates", "deletesmallelements", "closegaps", "buildcontours",
          "convertlines", "deletetinyelements", "arcstolines", "reducelines", "joinarcs", "joinlines",
          "roundlinecorners", "smootharcline", "roundarcline", "smootharcarc", "roundarcarc"})
        EXPECT_NE(findStage(name), nullptr) << name;
    EXPECT_EQ(findStage("nosuchstage"), nullptr);
    EXPECT_EQ(findStage("closegaps")->tolerance, StageTolerance::Gap);
    EXPECT_EQ(findStage("reducelines")->tolerance, StageTolerance::Reduce);
    EXPECT_EQ(findStage("roundarcarc")->tolerance, StageTolerance::Smooth);
}

} // namespace
} // namespace vectrim
