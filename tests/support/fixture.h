// Small drawings for tests: a session with a recording host, and shorthand
// to add lines and arcs.
#pragma once

#include "model/session.h"
#include "recording_host.h"

#include <memory>
#include <ostream>
#include <vector>

namespace vectrim {

// How gtest prints element references and end codes in its messages.
inline void PrintTo(ElementRef r, std::ostream* os) { *os << (r.isArc() ? "arc " : "line ") << r.index(); }
inline void PrintTo(EndCode e, std::ostream* os) { *os << "end code " << static_cast<int>(e); }

} // namespace vectrim

namespace vectrim::test {

// References as their stored numbers (arcs + 100000), to compare with lists.
inline std::vector<int32_t> raws(const std::vector<ElementRef>& refs) {
    std::vector<int32_t> out;
    for (const ElementRef r : refs) out.push_back(r.raw());
    return out;
}
inline std::vector<int32_t> rawOrder(const Drawing& d) {
    std::vector<int32_t> out;
    for (const ElementRef r : d.usedOrder()) out.push_back(r.raw());
    return out;
}

struct Fixture {
    RecordingHost host;
    std::unique_ptr<Session> session = std::make_unique<Session>(host);
    Drawing& d = session->drawing;

    explicit Fixture(std::string answers = {}) : host(std::move(answers)) {}

    void line(double x1, double y1, double x2, double y2) { d.appendLine(x1, y1, x2, y2); }
    // An arc with angles in degrees, counter-clockwise from a1 to a2.
    void arc(double cx, double cy, double r, double a1, double a2) { d.appendArc(cx, cy, r, a1, a2); }
};

} // namespace vectrim::test
