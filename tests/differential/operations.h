// The operations the differential tests run on one drawing with the fast
// stage set and with the literal one, and the comparison of the two
// outcomes. Adding a comparison is adding an Operation to the table in
// operations.cpp: a name, what it does with a session (through stageSet()
// or the commands that call it), and what it reports besides the tables.
#pragma once

#include "compare.h"
#include "model/session.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vectrim::differential {

struct Outcome {
    std::string result;              // compared exactly: return values, labels, picked elements, written text
    std::string trace;               // shown when the outcomes differ: the tables after each stage of a run
    std::vector<StageReport> report; // a run's report: stages, counts, places (within a tolerance)
};

struct Operation {
    std::string name;
    std::function<Outcome(Session&)> run;
    bool marks = false;   // the free-end table and the mark angles must agree (the checks)
    bool progress = true; // the texts and yields shown must agree, in order
};

// Every operation: each stage of the stage table (those that read a
// tolerance with two values of it), the checks on the drawing as it is and
// after contour building, the analysis, contour picking, the polyline save,
// and the whole run for each combination of the three tolerance groups on
// and off, with and without "Runde Linie-Linie" (names "stage ...",
// "check ...", "analysis", "pick", "polylines", "run ...").
const std::vector<Operation>& allOperations();

// The operations whose names begin with `prefix`.
std::vector<const Operation*> operationsNamed(const std::string& prefix);

// Two sessions, one per stage set, reused from drawing to drawing.
class Differ {
public:
    Differ();
    // Runs `op` on a copy of `input` with the fast set and with the
    // reference set. The first difference (tables, result, texts shown),
    // prefixed with the operation's name, or an empty text.
    std::string compare(const Drawing& input, const Operation& op);

    // The tables the last compare left, per set.
    const Drawing& fastDrawing() const { return fast_->drawing; }
    const Drawing& referenceDrawing() const { return reference_->drawing; }

    // Seconds the last compare spent in the operation, per set.
    double fastSeconds() const { return fastSeconds_; }
    double referenceSeconds() const { return referenceSeconds_; }

private:
    double fastSeconds_ = 0, referenceSeconds_ = 0;
    LogHost fastHost_, referenceHost_;
    std::unique_ptr<Session> fast_, reference_;
};

// Reads a DXF file as vectrim-cli does (the import of load, texts as glyph
// outlines where Qt is built, then moved to the origin). False when it
// cannot be read.
bool readDxf(const std::string& path, Drawing& d);

} // namespace vectrim::differential
