// The whole processing run on polygonised drawings of 5,000, 20,000 and
// 80,000 lines (reduce 0.1, gaps 0.5, smooth 0.2, "Runde Linie-Linie"),
// fast and literal side by side: the median of 5 runs each, in seconds, and
// the stages that take longest in the fast run. The literal run is timed
// while five of them take at most ten minutes: a size whose single run,
// grown with the square of the lines from the size before, would take more
// than two minutes is left out, and one run that took longer is not
// repeated.
//
//   speed_bench [LINES ...]
#include "model/session.h"
#include "pipeline/run.h"
#include "pipeline/stage_set.h"
#include "polygonised.h"
#include "reference/reference.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vectrim;

constexpr int kRepetitions = 5;
constexpr double kReferenceLimit = 120; // seconds for one literal run

class QuietHost : public Host {
public:
    void info(std::string_view) override {}
    void doEvents() override {}
    void message(std::string_view, std::string_view, Icon) override {}
    char ask(std::string_view, std::string_view) override { return 'J'; }
};

// Times each stage; a stage that runs twice adds up.
class TimingFrame : public BatchRunFrame {
public:
    std::map<std::string, double> seconds;
    TimingFrame() {
        reduceText = "0.1";
        gapText = "0.5";
        smoothText = "0.2";
        roundLineLine = true;
    }
    void stageStarted(std::string_view) override { start_ = std::chrono::steady_clock::now(); }
    void stageFinished(std::string_view name) override {
        seconds[std::string(name)] +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

struct Timed {
    double seconds = 0;
    std::map<std::string, double> stages;
    int32_t lines = 0, arcs = 0;
};

Timed runOnce(Session& s, int lines, const StageSet& set) {
    PolygonisedDrawing(s.drawing).fill(lines);
    TimingFrame frame;
    const ScopedStageSet use(set);
    const auto start = std::chrono::steady_clock::now();
    bearbeitungeinfach(s, frame);
    Timed t;
    t.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    t.stages = frame.seconds;
    t.lines = s.drawing.linecount;
    t.arcs = s.drawing.arccount;
    return t;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes = {5000, 20000, 80000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    }
    QuietHost host;
    auto session = std::make_unique<Session>(host);
    std::printf(
        "whole run (reduce 0.1, gaps 0.5, smooth 0.2, Runde Linie-Linie), median of %d runs, seconds\n",
        kRepetitions);
    std::printf("%8s %10s %10s %8s   %s\n", "lines", "fast", "reference", "ratio", "result");
    std::map<std::string, std::vector<double>> stages;
    double previousReference = 0;
    int previousLines = 0;
    for (const int lines : sizes) {
        std::vector<double> fast, reference;
        Timed last;
        for (int k = 0; k < kRepetitions; ++k) {
            last = runOnce(*session, lines, fastStageSet());
            fast.push_back(last.seconds);
            if (lines == sizes.back())
                for (const auto& [name, s] : last.stages) stages[name].push_back(s);
        }
        const double growth = previousLines ? double(lines) / previousLines : 1;
        const bool skip = previousReference * growth * growth > kReferenceLimit;
        for (int k = 0; k < kRepetitions && !skip; ++k) {
            const Timed r = runOnce(*session, lines, reference::referenceStageSet());
            reference.push_back(r.seconds);
            if (r.lines != last.lines || r.arcs != last.arcs)
                std::printf("  counts differ from the fast run!\n");
            if (r.seconds > kReferenceLimit) break; // one run is enough to say it is slow
        }
        const double f = median(fast);
        if (skip) {
            std::printf("%8d %10.3f %10s %8s   %d lines %d arcs\n", lines, f, "skipped", "-", last.lines,
                        last.arcs);
            previousReference = 1e9;
            continue;
        }
        const bool all = reference.size() == kRepetitions;
        const double r = all ? median(reference) : reference.front();
        std::printf("%8d %10.3f %9.3f%s %8.1f   %d lines %d arcs\n", lines, f, r, all ? " " : "*", r / f,
                    last.lines, last.arcs);
        previousReference = r;
        previousLines = lines;
        std::fflush(stdout);
    }
    std::printf("(* one literal run only, it took longer than %.0f s; skipped: it would have)\n",
                kReferenceLimit);
    std::vector<std::pair<double, std::string>> slowest;
    for (const auto& [name, v] : stages) slowest.push_back({median(v), name});
    std::sort(slowest.rbegin(), slowest.rend());
    std::printf("stages of the fast run at %d lines (median seconds):\n", sizes.back());
    for (const auto& [s, name] : slowest) std::printf("  %-22s %8.4f\n", name.c_str(), s);
    return 0;
}
