// The record of what a processing run did, stage by stage: how many
// elements each stage split, removed, moved, merged and created, and the
// places where it repaired something (a point and, where there is one, a
// measure: the width of a closed gap, the radius of a fillet, the deviation
// of a fitted arc).
//
// A stage records through the free functions recordRepair and countRepair;
// they write into the log of the run that is being recorded and do nothing
// (one test) when no run is recorded. The run begins and ends each stage in
// the log; a stage that counts nothing itself gets the counts that the
// element counts before and after it give (removed, created).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace vectrim {

// What was done at a place.
enum class RepairKind : uint8_t {
    GapClosed,     // measure: the width of the gap
    CornerRounded, // measure: the fillet's radius
    ArcFitted,     // measure: the largest deviation of the lines from the arc
    Removed,       // measure: the element's length
    Moved,         // measure: how far the end moved
    Merged,        // no measure
    Split,         // no measure
};
inline constexpr int kRepairKinds = 7;

// The counts of a stage.
enum class RepairCount : uint8_t { Split, Removed, Moved, Merged, Created };

// A place without a measure.
inline constexpr double kNoMeasure = std::numeric_limits<double>::quiet_NaN();

struct RepairPlace {
    double x = 0, y = 0;
    double measure = kNoMeasure;
    RepairKind kind = RepairKind::GapClosed;
};

struct RepairCounts {
    int64_t split = 0, removed = 0, moved = 0, merged = 0, created = 0;
    bool any() const { return split || removed || moved || merged || created; }
    int64_t& operator[](RepairCount c);
};

struct StageReport {
    std::string name; // the stage as the run names it ("closegaps")
    RepairCounts counts;
    std::vector<RepairPlace> places;
    bool did() const { return counts.any() || !places.empty(); }
};

class RepairLog {
public:
    RepairLog() = default;
    ~RepairLog();
    RepairLog(const RepairLog&) = delete;
    RepairLog& operator=(const RepairLog&) = delete;

    // The run: a stage begins with the element counts before it; from here
    // until endStage the free functions below write into this log.
    void beginStage(std::string_view name, int32_t lines, int32_t arcs);
    // The stage ended with these element counts.
    void endStage(int32_t lines, int32_t arcs);

    void place(RepairKind kind, double x, double y, double measure);
    void count(RepairCount what, int64_t n);

    // Every stage in the order it ran (a stage that runs twice is listed
    // twice), also those that did nothing.
    const std::vector<StageReport>& stages() const { return stages_; }

private:
    std::vector<StageReport> stages_;
    bool open_ = false, counted_ = false;
    int32_t lines_ = 0, arcs_ = 0;
};

// ---- for the stages ------------------------------------------------------

// A repair at (x, y) in drawing millimetres, with its measure (kNoMeasure
// when it has none), for the stage that is running.
void recordRepair(RepairKind kind, double x, double y, double measure = kNoMeasure);
// Elements the running stage split, removed, moved, merged or created. A
// stage that counts anything gives all its counts this way.
void countRepair(RepairCount what, int64_t n = 1);
// Whether a stage of a recorded run is running: a place that takes work to
// find is worked out only then.
bool repairsRecorded();

} // namespace vectrim
