// What recording the report costs: the processing run (the fields at their
// defaults 0.3, 0.2, 0.2) on a polygonised drawing of 80,000 lines (or the
// number given), once with the report recorded and once without, in turns,
// five times each; the medians in seconds, of the time on the clock and of
// the processor time the run took, and how much slower the recorded run is.
// Turns keep a busy machine from favouring one of the two; the processor
// time leaves out the waiting on a shared one.
//
//   report_bench [LINES] [REPETITIONS]
#include "app/run_report.h"
#include "model/session.h"
#include "pipeline/run.h"
#include "polygonised.h"
#include "processor_time.h"
#include "quiet_host.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using namespace vectrim;

using bench::QuietHost;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Times {
    double wall = 0, processor = 0;
};

// One run, the filling of the drawing not timed; `places` gets the number
// of places recorded.
Times timedRun(Session& s, int lines, bool reported, size_t& places) {
    PolygonisedDrawing(s.drawing).fill(lines);
    BatchRunFrame frame;
    RepairLog log;
    ReportingRunFrame recorded(frame, s.drawing, log);
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = bench::processorSeconds();
    bearbeitungeinfach(s, reported ? static_cast<RunFrame&>(recorded) : frame);
    Times t;
    t.processor = bench::processorSeconds() - processorStart;
    t.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    places = 0;
    for (const StageReport& st : log.stages()) places += st.places.size();
    return t;
}

} // namespace

int main(int argc, char** argv) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 80000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 5;
    if (lines <= 0 || repetitions <= 0) {
        std::fprintf(stderr, "usage: report_bench [LINES] [REPETITIONS]\n");
        return 2;
    }
    QuietHost host;
    auto session = std::make_unique<Session>(host);
    std::vector<double> plainWall, reportedWall, plainProcessor, reportedProcessor;
    size_t places = 0;
    for (int k = 0; k < repetitions; ++k) {
        // Which comes first alternates too.
        for (const bool withReport : {k % 2 == 0, k % 2 != 0}) {
            size_t n = 0;
            const Times t = timedRun(*session, lines, withReport, n);
            (withReport ? reportedWall : plainWall).push_back(t.wall);
            (withReport ? reportedProcessor : plainProcessor).push_back(t.processor);
            if (withReport) places = n;
            std::printf("  %s %.3f s (processor %.3f s)\n", withReport ? "report   " : "no report", t.wall,
                        t.processor);
            std::fflush(stdout);
        }
    }
    std::printf("%d lines, %d runs each, %zu places recorded; medians:\n", lines, repetitions, places);
    const struct {
        const char* what;
        const std::vector<double>&plain, &reported;
    } rows[] = {{"clock    ", plainWall, reportedWall}, {"processor", plainProcessor, reportedProcessor}};
    for (const auto& r : rows) {
        const double a = median(r.plain), b = median(r.reported);
        std::printf("  %s without report %.3f s, with report %.3f s: %+.2f %%\n", r.what, a, b,
                    (b / a - 1) * 100);
    }
    return 0;
}
