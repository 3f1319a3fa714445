// The whole processing run on polygonised drawings of 5,000, 20,000 and
// 80,000 lines (reduce 0.1, gaps 0.5, smooth 0.2, "Runde Linie-Linie"),
// fast and literal side by side: the median of 5 runs each, in seconds, and
// the stages that take longest in the fast run. The literal run is timed
// while five of them take at most ten minutes: a size whose single run,
// grown with the square of the lines from the size before, would take more
// than two minutes is left out, and one run that took longer is not
// repeated.
//
// DXF files given on the command line are run the same way (read once as
// vectrim-cli reads them; the time is the run alone). --fast-only leaves the
// literal runs out.
//
//   speed_bench [--fast-only] [LINES | FILE.dxf] ...
#include "model/session.h"
#include "operations.h"
#include "pipeline/run.h"
#include "pipeline/stage_set.h"
#include "polygonised.h"
#include "quiet_host.h"
#include "reference/reference.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vectrim;

constexpr int kRepetitions = 5;
constexpr double kReferenceLimit = 120; // seconds for one literal run

using bench::QuietHost;

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

// What a run starts from: a polygonised drawing or a DXF file.
struct Input {
    std::string label;
    double size = 0; // lines, to guess the literal run's time from the one before
    std::function<void(Drawing&)> fill;
};

Timed runOnce(Session& s, const Input& in, const StageSet& set) {
    in.fill(s.drawing);
    s.drawing.freecount = 0;
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

void printSlowest(const std::map<std::string, std::vector<double>>& stages) {
    std::vector<std::pair<double, std::string>> slowest;
    for (const auto& [name, v] : stages) slowest.push_back({median(v), name});
    std::sort(slowest.rbegin(), slowest.rend());
    std::string line;
    for (size_t k = 0; k < slowest.size() && k < 8; ++k) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%s %.3f", slowest[k].second.c_str(), slowest[k].first);
        line += (k ? ", " : "") + std::string(buf);
    }
    std::printf("         slowest fast stages: %s\n", line.c_str());
}

} // namespace

int main(int argc, char** argv) {
    std::vector<Input> inputs;
    std::vector<std::unique_ptr<Drawing>> files;
    bool withReference = true;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--fast-only") {
            withReference = false;
        } else if (a.size() > 4 && (a.substr(a.size() - 4) == ".dxf" || a.substr(a.size() - 4) == ".DXF")) {
            files.push_back(std::make_unique<Drawing>());
            const Drawing* d = files.back().get();
            if (!differential::readDxf(a, *files.back())) {
                std::fprintf(stderr, "speed_bench: cannot read %s\n", a.c_str());
                return 1;
            }
            const std::string name = a.substr(a.find_last_of('/') + 1);
            inputs.push_back({name, 0, [d](Drawing& to) {
                                  std::copy(d->usedLines().begin(), d->usedLines().end(), to.lines.begin());
                                  std::copy(d->usedArcs().begin(), d->usedArcs().end(), to.arcs.begin());
                                  std::copy(d->usedOrder().begin(), d->usedOrder().end(), to.order.begin());
                                  to.linecount = d->linecount;
                                  to.arccount = d->arccount;
                              }});
        } else {
            const int lines = std::atoi(a.c_str());
            inputs.push_back({std::to_string(lines), double(lines),
                              [lines](Drawing& to) { PolygonisedDrawing(to).fill(lines); }});
        }
    }
    if (inputs.empty())
        for (const int lines : {5000, 20000, 80000})
            inputs.push_back({std::to_string(lines), double(lines),
                              [lines](Drawing& to) { PolygonisedDrawing(to).fill(lines); }});
    QuietHost host;
    auto session = std::make_unique<Session>(host);
    std::printf(
        "whole run (reduce 0.1, gaps 0.5, smooth 0.2, Runde Linie-Linie), median of %d runs, seconds\n",
        kRepetitions);
    std::printf("%-28s %10s %10s %8s   %s\n", "drawing", "fast", "reference", "ratio", "result");
    double previousReference = 0, previousSize = 0;
    for (const Input& in : inputs) {
        std::vector<double> fast, reference;
        std::map<std::string, std::vector<double>> stages;
        Timed last;
        for (int k = 0; k < kRepetitions; ++k) {
            last = runOnce(*session, in, fastStageSet());
            fast.push_back(last.seconds);
            for (const auto& [name, s] : last.stages) stages[name].push_back(s);
        }
        const double growth = previousSize > 0 && in.size > 0 ? in.size / previousSize : 1;
        const bool skip = !withReference || previousReference * growth * growth > kReferenceLimit;
        for (int k = 0; k < kRepetitions && !skip; ++k) {
            const Timed r = runOnce(*session, in, reference::referenceStageSet());
            reference.push_back(r.seconds);
            if (r.lines != last.lines || r.arcs != last.arcs)
                std::printf("  counts differ from the fast run!\n");
            if (r.seconds > kReferenceLimit) break; // one run is enough to say it is slow
        }
        const double f = median(fast);
        if (skip) {
            std::printf("%-28s %10.3f %10s %8s   %d lines %d arcs\n", in.label.c_str(), f, "skipped", "-",
                        last.lines, last.arcs);
            if (withReference) previousReference = 1e9;
        } else {
            const bool all = reference.size() == kRepetitions;
            const double r = all ? median(reference) : reference.front();
            std::printf("%-28s %10.3f %9.3f%s %8.1f   %d lines %d arcs\n", in.label.c_str(), f, r,
                        all ? " " : "*", r / f, last.lines, last.arcs);
            previousReference = r;
            previousSize = in.size;
        }
        printSlowest(stages);
        std::fflush(stdout);
    }
    std::printf("(* one literal run only, it took longer than %.0f s; skipped: it would have)\n",
                kReferenceLimit);
    return 0;
}
