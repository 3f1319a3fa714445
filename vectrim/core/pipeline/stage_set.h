// The set of stage, check and contour functions that the commands use: the
// processing run, the stage table, the checks, the analysis, contour picking
// and the polyline save call them through stageSet(), never directly. The
// fast set is the one in use; vectrim-cli --reference and the differential
// tests switch to the literal one of vectrim/core/reference with
// useStageSet. Inside an implementation, stages call their own namesakes
// directly.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vectrim {

struct StageSet {
    const char* name; // "fast" or "reference"

    // The stages of the processing run.
    void (*splitatjunctions)(Drawing& d, Host& host, int16_t& full);
    void (*removeduplicates)(Drawing& d, Host& host);
    void (*arcstolines)(Drawing& d, const RunSettings& t);
    void (*convertlines)(Drawing& d, const RunSettings& t, Host& host);
    void (*reducelines)(Drawing& d, const RunSettings& t, Host& host);
    void (*deletesmallelements)(Drawing& d, const RunSettings& t, Host& host);
    void (*closegaps)(Drawing& d, Host& host, double& t);
    void (*smootharcline)(Drawing& d, const RunSettings& t, Host& host);
    void (*smootharcarc)(Drawing& d, const RunSettings& t, Host& host);
    void (*roundlinecorners)(Drawing& d, const RunSettings& t, Host& host);
    void (*roundarcline)(Drawing& d, const RunSettings& t, Host& host);
    void (*roundarcarc)(Drawing& d, const RunSettings& t, Host& host);
    void (*deletetinyelements)(Drawing& d);
    void (*buildcontours)(Drawing& d, Host& host);
    void (*joinarcs)(Drawing& d);
    void (*joinlines)(Drawing& d);

    // The checks: open contour ends (the free ends), direction changes
    // (line-line, arc-line, arc-arc), junctions, small elements.
    void (*findfreeends)(Drawing& d);
    void (*eck3)(Drawing& d);
    void (*eck2)(Drawing& d);
    void (*eck1)(Drawing& d);
    void (*findjunctions)(Drawing& d);
    void (*findsmallelements)(Drawing& d);

    // The analysis: whether the drawing has an open contour end; leaves the
    // free-end table empty.
    bool (*anyFreeEnd)(Drawing& d);
    // Contours built on a copy (the polyline save writes the copy's
    // contours), and the elements of the contour holding an element
    // (contour picking of "Kontur löschen"). The fast ones build once per
    // drawing state (examine/contour_cache.h).
    std::unique_ptr<Drawing> (*contoursOnCopy)(const Drawing& d, Host& host);
    std::vector<ElementRef> (*contourOf)(const Drawing& d, Host& host, ElementRef ref);
};

// The near-linear implementations, the default.
const StageSet& fastStageSet();

// The set in use.
const StageSet& stageSet();

// Switches the set in use (vectrim-cli once at its start).
void useStageSet(const StageSet& set);

// Uses a set for the life of the object, then the one used before (tests).
class ScopedStageSet {
public:
    explicit ScopedStageSet(const StageSet& set) : before_(stageSet()) { useStageSet(set); }
    ~ScopedStageSet() { useStageSet(before_); }
    ScopedStageSet(const ScopedStageSet&) = delete;
    ScopedStageSet& operator=(const ScopedStageSet&) = delete;

private:
    const StageSet& before_;
};

} // namespace vectrim
