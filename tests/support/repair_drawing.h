// A drawing whose run repairs known things at known places: two gaps (0.2
// and 0.4 wide) in an outline, a duplicate of one of its lines, a 0.05 line
// at the end of a line, and a quarter circle drawn as 15 lines. Run with
// the tolerances below, a run repairs exactly these and nothing else. Its
// lower left corner is the origin, where loading puts a drawing.
#pragma once

#include "model/drawing.h"
#include "model/repair_log.h"

#include <cmath>
#include <string>
#include <vector>

namespace vectrim::test {

// The fields of the run: reduction 0.02 (above the quarter circle's 0.0137
// between its lines and their arc, below the 0.05 step), gaps 0.5 (above
// both gaps), no smoothing (it would round the outline's corners).
inline constexpr const char* kRepairReduce = "0.02";
inline constexpr const char* kRepairGaps = "0.5";
inline constexpr const char* kRepairSmooth = "0";

inline constexpr double kQuarterRadius = 10, kQuarterX = 80, kQuarterY = 0;
inline constexpr int kQuarterLines = 15; // 6° each, from 10° to 100°

inline Drawing repairDrawing() {
    Drawing d;
    d.appendLine(0, 0, 49.8, 0); // 0.2 short of the corner (50, 0)
    d.appendLine(50, 0, 50, 30);
    d.appendLine(50, 30, 0.4, 30); // 0.4 short of the corner (0, 30)
    d.appendLine(0, 30, 0, 0);
    d.appendLine(50, 30, 50, 0); // the line from (50, 0) to (50, 30) again, reversed
    d.appendLine(0, 40, 10, 40);
    d.appendLine(10, 40, 10, 40.05); // the 0.05 line
    const double deg = std::acos(-1.0) / 180;
    for (int k = 0; k < kQuarterLines; ++k) {
        const double w1 = (10 + 6 * k) * deg, w2 = (16 + 6 * k) * deg;
        d.appendLine(kQuarterX + kQuarterRadius * std::cos(w1), kQuarterY + kQuarterRadius * std::sin(w1),
                     kQuarterX + kQuarterRadius * std::cos(w2), kQuarterY + kQuarterRadius * std::sin(w2));
    }
    return d;
}

// What the report of that run names: stage, counts, places.
inline std::vector<StageReport> repairDrawingReport() {
    const double deg = std::acos(-1.0) / 180;
    auto stage = [](const char* name, RepairCounts c, std::vector<RepairPlace> places) {
        return StageReport{name, c, std::move(places)};
    };
    RepairCounts duplicates, fitted, small, gaps;
    duplicates.removed = 1;
    fitted.removed = kQuarterLines; // the lines go, one arc comes
    fitted.created = 1;
    small.removed = 1;
    gaps.moved = 2;
    return {
        stage("removeduplicates", duplicates, {{50, 15, 30, RepairKind::Removed}}),
        stage("convertlines", fitted,
              {{kQuarterX + kQuarterRadius * std::cos(55 * deg),
                kQuarterY + kQuarterRadius * std::sin(55 * deg), kQuarterRadius * (1 - std::cos(3 * deg)),
                RepairKind::ArcFitted}}),
        stage("deletesmallelements", small, {{10, 40.025, 0.05, RepairKind::Removed}}),
        stage("closegaps", gaps,
              {{49.9, 0, 0.2, RepairKind::GapClosed}, {0.2, 30, 0.4, RepairKind::GapClosed}}),
    };
}

// The first way a report differs from the expected one: the stages, their
// counts, their places in order (kind, point and measure within
// `tolerance`). Empty when they agree.
inline std::string reportDifference(const std::vector<StageReport>& got,
                                    const std::vector<StageReport>& expected, double tolerance) {
    auto counts = [](const RepairCounts& c) {
        return std::to_string(c.split) + "/" + std::to_string(c.removed) + "/" + std::to_string(c.moved) +
               "/" + std::to_string(c.merged) + "/" + std::to_string(c.created);
    };
    auto near = [&](double a, double b) { return std::fabs(a - b) <= tolerance; };
    std::string names;
    for (const StageReport& s : got) names += " " + s.name;
    if (got.size() != expected.size()) return "stages:" + names;
    for (size_t i = 0; i < got.size(); ++i) {
        const StageReport &g = got[i], &e = expected[i];
        if (g.name != e.name) return "stages:" + names;
        if (counts(g.counts) != counts(e.counts)) return e.name + " counts " + counts(g.counts);
        if (g.places.size() != e.places.size())
            return e.name + ": " + std::to_string(g.places.size()) + " places";
        for (size_t k = 0; k < g.places.size(); ++k) {
            const RepairPlace &p = g.places[k], &q = e.places[k];
            if (p.kind != q.kind || !near(p.x, q.x) || !near(p.y, q.y) || !near(p.measure, q.measure))
                return e.name + " place " + std::to_string(k) + ": " + std::to_string(p.x) + " " +
                       std::to_string(p.y) + " " + std::to_string(p.measure);
        }
    }
    return {};
}

} // namespace vectrim::test
