// A processing run with the design tolerances (0.3, 0.2, 0.2) on generated
// drawings of 1,000, 5,000 and 20,000 lines of the kind polygonising CAD
// exports produce: circles, rounded rectangles and slots as chains of short
// lines, straight edges cut into pieces, some corners left open by 0.1 mm.
// Besides the whole run, every stage's time is reported as a counter
// (seconds; a stage that runs twice gets "#2" for its second run).
//
//   cmake -G Ninja -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
//         -DVECTRIM_BENCH=ON -DVECTRIM_TESTS=OFF -DVECTRIM_GUI=OFF
//   ninja -C build-bench pipeline_bench
//   build-bench/bin/pipeline_bench --benchmark_counters_tabular=true
#include "model/session.h"
#include "pipeline/run.h"
#include "polygonised.h"
#include "quiet_host.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace vectrim;

using bench::QuietHost;

// Times each stage of the run.
class TimingFrame : public BatchRunFrame {
public:
    std::map<std::string, double> seconds;
    void stageStarted(std::string_view) override { start_ = std::chrono::steady_clock::now(); }
    void stageFinished(std::string_view name) override {
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        std::string key(name);
        if (seconds.count(key)) key += "#2";
        seconds[key] += s;
    }

private:
    std::chrono::steady_clock::time_point start_;
};

void BM_ProcessingRun(benchmark::State& state) {
    QuietHost host;
    auto session = std::make_unique<Session>(host);
    std::map<std::string, double> total;
    int64_t linesAfter = 0, arcsAfter = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PolygonisedDrawing(session->drawing).fill(static_cast<int>(state.range(0)));
        TimingFrame frame;
        state.ResumeTiming();
        bearbeitungeinfach(*session, frame);
        state.PauseTiming();
        for (const auto& [name, s] : frame.seconds) total[name] += s;
        linesAfter = session->drawing.linecount;
        arcsAfter = session->drawing.arccount;
        state.ResumeTiming();
    }
    for (const auto& [name, s] : total)
        state.counters[name] = benchmark::Counter(s, benchmark::Counter::kAvgIterations);
    state.counters["lines_after"] = static_cast<double>(linesAfter);
    state.counters["arcs_after"] = static_cast<double>(arcsAfter);
}

// The quadratic stages make the largest drawing slow: fewer repetitions.
BENCHMARK(BM_ProcessingRun)->Arg(1000)->Iterations(1)->Repetitions(5)->Unit(benchmark::kSecond);
BENCHMARK(BM_ProcessingRun)->Arg(5000)->Iterations(1)->Repetitions(5)->Unit(benchmark::kSecond);
BENCHMARK(BM_ProcessingRun)->Arg(20000)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
