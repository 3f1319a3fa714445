#include "repair_log.h"

namespace vectrim {

namespace {
// The log of the stage that is running, if the run is recorded.
thread_local RepairLog* active = nullptr;
} // namespace

int64_t& RepairCounts::operator[](RepairCount c) {
    switch (c) {
        case RepairCount::Split: return split;
        case RepairCount::Removed: return removed;
        case RepairCount::Moved: return moved;
        case RepairCount::Merged: return merged;
        case RepairCount::Created: break;
    }
    return created;
}

RepairLog::~RepairLog() {
    if (active == this) active = nullptr;
}

void RepairLog::beginStage(std::string_view name, int32_t lines, int32_t arcs) {
    if (open_) endStage(lines, arcs);
    stages_.push_back(StageReport{std::string(name), {}, {}});
    open_ = true;
    counted_ = false;
    lines_ = lines;
    arcs_ = arcs;
    active = this;
}

void RepairLog::endStage(int32_t lines, int32_t arcs) {
    if (!open_) return;
    open_ = false;
    if (active == this) active = nullptr;
    if (counted_) return;
    // Net changes of each table: what went and what came.
    RepairCounts& c = stages_.back().counts;
    for (const int64_t delta : {int64_t{lines} - lines_, int64_t{arcs} - arcs_}) {
        if (delta < 0) c.removed += -delta;
        if (delta > 0) c.created += delta;
    }
}

void RepairLog::place(RepairKind kind, double x, double y, double measure) {
    if (!open_) return;
    stages_.back().places.push_back(RepairPlace{x, y, measure, kind});
}

void RepairLog::count(RepairCount what, int64_t n) {
    if (!open_) return;
    counted_ = true;
    stages_.back().counts[what] += n;
}

void recordRepair(RepairKind kind, double x, double y, double measure) {
    if (active) active->place(kind, x, y, measure);
}

void countRepair(RepairCount what, int64_t n) {
    if (active) active->count(what, n);
}

bool repairsRecorded() { return active != nullptr; }

} // namespace vectrim
