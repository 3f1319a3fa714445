// Comparing what the fast and the literal implementations leave behind: the
// tables slot by slot, and what they showed the user in order. Each
// comparison names the first difference, or gives an empty text.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/repair_log.h"

#include <string>
#include <vector>

namespace vectrim::differential {

// Coordinates agree when they are equal, both not a number, or within this
// share of their size (at least 1).
inline constexpr double kCoordinateTolerance = 1e-12;

// The first difference between the drawing after the fast operation and
// after the literal one: the counts, every used line and arc slot
// (coordinates within kCoordinateTolerance, contour numbers equal), the used
// entries of the contour order table, and with `marks` the free-end table
// and the mark angles as the checks leave them.
std::string firstDifference(const Drawing& fast, const Drawing& reference, bool marks);

// The first difference between the reports of a run, stage by stage: the
// stage list, the counts and the places in order (kind equal, point and
// measure within kCoordinateTolerance).
std::string firstDifference(const std::vector<StageReport>& fast, const std::vector<StageReport>& reference);

// A host that writes down everything shown, in order: info texts, yields,
// messages and questions (answered "J").
class LogHost : public Host {
public:
    std::vector<std::string> log;
    void info(std::string_view text) override { log.push_back("info " + std::string(text)); }
    void doEvents() override { log.emplace_back("events"); }
    void message(std::string_view text, std::string_view title, Icon) override {
        log.push_back("message [" + std::string(title) + "] " + std::string(text));
    }
    char ask(std::string_view title, std::string_view text) override {
        log.push_back("ask [" + std::string(title) + "] " + std::string(text));
        return 'J';
    }
};

// The first entry in which two logs differ.
std::string firstDifference(const std::vector<std::string>& fast, const std::vector<std::string>& reference);

// A short fingerprint of the used tables (counts and a hash of every used
// slot), to follow a run stage by stage.
std::string fingerprint(const Drawing& d);

} // namespace vectrim::differential
