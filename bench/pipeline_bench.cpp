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

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace vectrim;

class QuietHost : public Host {
public:
    void info(std::string_view) override {}
    void doEvents() override {}
    void message(std::string_view, std::string_view, Icon) override {}
    char ask(std::string_view, std::string_view) override { return 'J'; }
};

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

constexpr double kPiD = 3.14159265358979323846;

class Generator {
public:
    explicit Generator(Drawing& d) : d_(d) {}

    // Shapes in a grid of 60 mm cells until `lines` lines are there.
    void fill(int lines) {
        d_.clear();
        const int columns = static_cast<int>(std::sqrt(lines / 30.0)) + 1;
        for (int cell = 0; d_.linecount < lines; ++cell) {
            const double x = (cell % columns) * 60.0, y = (cell / columns) * 60.0;
            switch (cell % 4) {
            case 0: circle(x + 25, y + 25, 5 + cell % 17, 36); break;
            case 1: roundedRectangle(x + 5, y + 5, 45, 30, 3 + cell % 5, cell % 3 == 0); break;
            case 2: slot(x + 10, y + 25, 30, 4 + cell % 4); break;
            default: cutRectangle(x + 5, y + 5, 40, 40, 5); break;
            }
        }
        d_.linecount = lines;
    }

private:
    Drawing& d_;

    void line(double x1, double y1, double x2, double y2) { d_.appendLine(x1, y1, x2, y2); }

    // A polygon of n lines along the circle from angle a to angle b.
    void polyArc(double cx, double cy, double r, double a, double b, int n) {
        for (int k = 0; k < n; ++k) {
            const double u = a + (b - a) * k / n, v = a + (b - a) * (k + 1) / n;
            line(cx + r * std::cos(u), cy + r * std::sin(u), cx + r * std::cos(v), cy + r * std::sin(v));
        }
    }

    void circle(double cx, double cy, double r, int n) { polyArc(cx, cy, r, 0, 2 * kPiD, n); }

    void roundedRectangle(double x, double y, double w, double h, double r, bool open) {
        const double gap = open ? 0.1 : 0;
        line(x + r, y, x + w - r, y);
        polyArc(x + w - r, y + r, r, 1.5 * kPiD, 2 * kPiD, 8);
        line(x + w, y + r, x + w, y + h - r);
        polyArc(x + w - r, y + h - r, r, 0, 0.5 * kPiD, 8);
        line(x + w - r, y + h, x + r, y + h);
        polyArc(x + r, y + h - r, r, 0.5 * kPiD, kPiD, 8);
        line(x, y + h - r, x, y + r + gap);
        polyArc(x + r, y + r, r, kPiD, 1.5 * kPiD, 8);
    }

    void slot(double x, double y, double len, double r) {
        polyArc(x + len, y, r, -0.5 * kPiD, 0.5 * kPiD, 18);
        line(x + len, y + r, x, y + r);
        polyArc(x, y, r, 0.5 * kPiD, 1.5 * kPiD, 18);
        line(x, y - r, x + len, y - r);
    }

    void cutRectangle(double x, double y, double w, double h, int pieces) {
        const double px[5] = {x, x + w, x + w, x, x}, py[5] = {y, y, y + h, y + h, y};
        for (int e = 0; e < 4; ++e)
            for (int k = 0; k < pieces; ++k)
                line(px[e] + (px[e + 1] - px[e]) * k / pieces, py[e] + (py[e + 1] - py[e]) * k / pieces,
                     px[e] + (px[e + 1] - px[e]) * (k + 1) / pieces, py[e] + (py[e + 1] - py[e]) * (k + 1) / pieces);
    }
};

void BM_ProcessingRun(benchmark::State& state) {
    QuietHost host;
    auto session = std::make_unique<Session>(host);
    std::map<std::string, double> total;
    int64_t linesAfter = 0, arcsAfter = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Generator(session->drawing).fill(static_cast<int>(state.range(0)));
        TimingFrame frame;
        state.ResumeTiming();
        bearbeitungeinfach(*session, frame);
        state.PauseTiming();
        for (const auto& [name, s] : frame.seconds) total[name] += s;
        linesAfter = session->drawing.linecount;
        arcsAfter = session->drawing.arccount;
        state.ResumeTiming();
    }
    for (const auto& [name, s] : total) state.counters[name] = benchmark::Counter(s, benchmark::Counter::kAvgIterations);
    state.counters["lines_after"] = static_cast<double>(linesAfter);
    state.counters["arcs_after"] = static_cast<double>(arcsAfter);
}

// The quadratic stages make the largest drawing slow: fewer repetitions.
BENCHMARK(BM_ProcessingRun)->Arg(1000)->Iterations(1)->Repetitions(5)->Unit(benchmark::kSecond);
BENCHMARK(BM_ProcessingRun)->Arg(5000)->Iterations(1)->Repetitions(5)->Unit(benchmark::kSecond);
BENCHMARK(BM_ProcessingRun)->Arg(20000)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
