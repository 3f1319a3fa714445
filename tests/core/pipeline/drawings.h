// Small drawings and checks shared by the stage tests.
#pragma once

#include "fixture.h"
#include "model/drawing.h"
#include "pipeline/run_frame.h"

#include <cmath>
#include <string>
#include <vector>

namespace vectrim::test {

// A regular n-gon through points of the circle, as a chain of n lines
// running counter-clockwise from angle `start` (degrees).
inline void polygon(Fixture& f, double cx, double cy, double r, int n, double start = 0) {
    const double pi = 3.14159265358979323846;
    for (int k = 0; k < n; ++k) {
        const double a = (start + 360.0 * k / n) * pi / 180, b = (start + 360.0 * (k + 1) / n) * pi / 180;
        f.line(cx + r * std::cos(a), cy + r * std::sin(a), cx + r * std::cos(b), cy + r * std::sin(b));
    }
}

// A straight edge from A to B cut into n equal lines.
inline void subdividedEdge(Fixture& f, double ax, double ay, double bx, double by, int n) {
    for (int k = 0; k < n; ++k)
        f.line(ax + (bx - ax) * k / n, ay + (by - ay) * k / n, ax + (bx - ax) * (k + 1) / n,
               ay + (by - ay) * (k + 1) / n);
}

// The contour order table as its stored numbers (arcs + 100000).
inline std::vector<int32_t> orderOf(const Drawing& d) {
    std::vector<int32_t> out;
    for (const ElementRef r : d.usedOrder()) out.push_back(r.raw());
    return out;
}

inline Point arcPoint(const Arc& a, double degrees) {
    const double w = degrees * kDegToRad;
    return {a.cx + a.r * std::cos(w), a.cy + a.r * std::sin(w)};
}

inline double dist(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// A run frame that records the stages in the order they ran and what the
// run did with the window.
// The window as the run leaves it, and what it was while the stages ran.
class RecordingFrame : public BatchRunFrame {
public:
    std::vector<std::string> stages;
    bool enabled = true, minimised = false, abortShown = false;
    bool marksCleared = false, measured = false, painted = false;
    bool stageWhileEnabled = false, stageWithoutAbortWindow = false;
    bool minimisedDuringStages = false, lastStageMinimised = false;

    void stageStarted(std::string_view name) override {
        stages.emplace_back(name);
        stageWhileEnabled = stageWhileEnabled || enabled;
        stageWithoutAbortWindow = stageWithoutAbortWindow || !abortShown;
        minimisedDuringStages = minimisedDuringStages || minimised;
        lastStageMinimised = minimised;
    }
    void showAbortWindow() override { abortShown = true; }
    void unloadAbortWindow() override { abortShown = false; }
    void minimiseWindow() override { minimised = true; }
    void restoreWindow() override { minimised = false; }
    void setWindowEnabled(bool on) override { enabled = on; }
    void getmima() override { measured = true; }
    void paint() override { painted = true; }
    void clearMarks() override { marksCleared = true; }
};

} // namespace vectrim::test
