// The report of a processing run: the import's account of the drawing and,
// for every stage that did something, its counts and places. The report
// window shows it, "vectrim-cli run --report" writes it as JSON:
//
//   {"stages": [{"name": "closegaps", "counts": {"split": 0, "removed": 2,
//     "moved": 0, "merged": 0, "created": 0}, "places": [[x, y, measure],
//     ...], "kinds": ["gap", ...]}, ...],
//    "import": {"skipped": {"POINT": 98, ...}, "approximated": {...},
//     "quality": 30, "insunits": -1, "measurement": 0}}
//
// A measure that a place does not have is null.
#pragma once

#include "model/import_account.h"
#include "model/repair_log.h"
#include "pipeline/run_frame.h"

#include <string>
#include <vector>

namespace vectrim {

struct Drawing;

struct RunReport {
    ImportAccount import;
    std::vector<StageReport> stages; // only the stages that did something
};

// The report of a run recorded in `log`, for a drawing with the given
// account.
RunReport makeRunReport(const ImportAccount& import, const RepairLog& log);

// The stage's name as the report window shows it ("Lücken schließen");
// the name itself for a stage it does not know.
std::string stageCaption(const std::string& name);
// "2 entfernt, 1 erzeugt".
std::string countsText(const RepairCounts& counts);
// The measures of a stage's places at a glance: "0.2000" or "0.2000 – 0.4000"
// (smallest to largest); empty when its places have no measure.
std::string measureRange(const StageReport& stage);
// The places of a stage, one per line: "x ; y  Breite 0.2000", the first
// `limit` of them, then "… und N weitere".
std::string placesText(const StageReport& stage, size_t limit);
// The palette colour of a kind's marks and its caption in the legend.
int placeColour(RepairKind kind);
const char* placeCaption(RepairKind kind);
// The kind's name in the JSON ("gap", "corner", "arc", "removed", "moved",
// "merged", "split").
const char* placeKey(RepairKind kind);

std::string runReportJson(const RunReport& report);

// A run frame that records the run into a log: it passes everything on to
// the frame of the window (or the batch), and begins and ends each stage
// in the log with the drawing's element counts.
class ReportingRunFrame : public RunFrame {
public:
    ReportingRunFrame(RunFrame& inner, const Drawing& d, RepairLog& log) : inner_(inner), d_(d), log_(log) {}

    std::string fieldText(ToleranceField f) const override { return inner_.fieldText(f); }
    void focusField(ToleranceField f) override { inner_.focusField(f); }
    bool minimiseChecked() const override { return inner_.minimiseChecked(); }
    void clearMinimise() override { inner_.clearMinimise(); }
    bool roundLineLineChecked() const override { return inner_.roundLineLineChecked(); }
    void showAbortWindow() override { inner_.showAbortWindow(); }
    void unloadAbortWindow() override { inner_.unloadAbortWindow(); }
    void minimiseWindow() override { inner_.minimiseWindow(); }
    void restoreWindow() override { inner_.restoreWindow(); }
    void setWindowEnabled(bool enabled) override { inner_.setWindowEnabled(enabled); }
    void showCounts() override { inner_.showCounts(); }
    void getmima() override { inner_.getmima(); }
    void paint() override { inner_.paint(); }
    void clearMarks() override { inner_.clearMarks(); }
    void aboutToChange(const char* what) override { inner_.aboutToChange(what); }
    void stageStarted(std::string_view name) override;
    void stageFinished(std::string_view name) override;

private:
    RunFrame& inner_;
    const Drawing& d_;
    RepairLog& log_;
};

} // namespace vectrim
