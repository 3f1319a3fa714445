// Small drawings for tests: a session with a recording host, and shorthand
// to add lines and arcs.
#pragma once

#include "model/session.h"
#include "recording_host.h"

#include <memory>

namespace vectrim::test {

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
