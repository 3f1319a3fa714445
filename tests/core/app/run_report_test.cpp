// The report of a run names what the run repaired and where: on a drawing
// with two gaps, a duplicate, a 0.05 line and a quarter circle drawn as
// lines, exactly those, with the fast stages and the literal ones alike.
#include "app/run_report.h"
#include "fixture.h"
#include "pipeline/run.h"
#include "pipeline/stage_set.h"
#include "reference/reference.h"
#include "repair_drawing.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

constexpr double kPlaceTolerance = 1e-9;

std::vector<StageReport> runReported(const StageSet& set) {
    const ScopedStageSet using_(set);
    test::Fixture f;
    f.d = test::repairDrawing();
    BatchRunFrame frame;
    frame.reduceText = test::kRepairReduce;
    frame.gapText = test::kRepairGaps;
    frame.smoothText = test::kRepairSmooth;
    RepairLog log;
    ReportingRunFrame recorded(frame, f.d, log);
    EXPECT_EQ(bearbeitungeinfach(*f.session, recorded), RunOutcome::Finished);
    return makeRunReport({}, log).stages;
}

TEST(RunReport, NamesExactlyWhatTheRunRepaired) {
    for (const StageSet* set : {&fastStageSet(), &reference::referenceStageSet()})
        EXPECT_EQ(test::reportDifference(runReported(*set), test::repairDrawingReport(), kPlaceTolerance),
                  "");
}

TEST(RunReport, NothingIsRecordedOutsideARecordedRun) {
    EXPECT_FALSE(repairsRecorded());
    test::Fixture f;
    f.d = test::repairDrawing();
    BatchRunFrame frame;
    EXPECT_EQ(bearbeitungeinfach(*f.session, frame), RunOutcome::Finished);
    RepairLog log;
    log.beginStage("closegaps", 0, 0);
    EXPECT_TRUE(repairsRecorded());
    log.endStage(0, 0);
    EXPECT_FALSE(repairsRecorded());
}

} // namespace
} // namespace vectrim
