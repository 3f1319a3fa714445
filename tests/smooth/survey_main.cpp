// smoothing_survey: runs the smoothing block on drawings and prints what it
// did (see survey.h for the figures).
//
//   smoothing_survey [--tol T] [--stages MASK] [--max-elements N]
//                    [--run [--reduce R] [--gap G]] [--generated] [--bench LINES]...
//                    [exchange files...]
//
// Without --run only the block runs (after contour building); with --run a
// whole processing run does (with "Runde Linie-Linie" ticked) and the block
// is measured between its first and last stage, the final drawing at the
// junctions the block made. --generated adds our generated drawings at three
// scales, --bench LINES the benchmark's polygonised drawing of that size.
#include "survey.h"

#include "model/exchange_file.h"
#include "model/host.h"
#include "polygonised.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

using namespace vectrim;

namespace {

struct Options {
    double tol = 0.5;
    unsigned stages = 31;
    int32_t maxElements = 20000;
    bool run = false;
    std::string reduce = "0.3", gap = "0.2";
};

struct Totals {
    survey::Figures f;
    survey::RunFigures r;
    int drawings = 0;
    void add(const survey::Figures& g) {
        ++drawings;
        f.elementsBefore += g.elementsBefore;
        f.elementsAfter += g.elementsAfter;
        f.filletsAdded += g.filletsAdded;
        f.kinks += g.kinks;
        f.kinksHandled += g.kinksHandled;
        f.corners += g.corners;
        f.cornersHandled += g.cornersHandled;
        f.changed += g.changed;
        f.changedNotTangent += g.changedNotTangent;
        f.worstChangedDeflection = std::max(f.worstChangedDeflection, g.worstChangedDeflection);
        f.keptButWorse += g.keptButWorse;
        f.outward = std::max(f.outward, g.outward);
        f.inward = std::max(f.inward, g.inward);
        f.seconds += g.seconds;
    }
    void add(const survey::RunFigures& g) {
        add(g.block);
        r.finalChanged += g.finalChanged;
        r.finalNotTangent += g.finalNotTangent;
        r.finalWorst = std::max(r.finalWorst, g.finalWorst);
        r.finalOutward = std::max(r.finalOutward, g.finalOutward);
        r.runSeconds += g.runSeconds;
    }
};

void print(const std::string& name, const survey::Figures& f, const survey::RunFigures* r) {
    std::printf("%-40.40s %6d %5d/%-5d %5d/%-5d %5d %6d %3d %8.1e %3d %7.4f %7.4f %6.2f", name.c_str(),
                f.elementsBefore, f.kinksHandled, f.kinks, f.cornersHandled, f.corners, f.filletsAdded,
                f.changed, f.changedNotTangent, f.worstChangedDeflection, f.keptButWorse, f.outward, f.inward,
                f.seconds);
    if (r)
        std::printf(" | %6d %3d %8.1e %7.4f %6.2f", r->finalChanged, r->finalNotTangent, r->finalWorst,
                    r->finalOutward, r->runSeconds);
    std::printf("\n");
    std::fflush(stdout);
}

void measureOne(const Options& o, Totals& t, const std::string& name, Session& s) {
    if (o.run) {
        const survey::RunFigures r = survey::measureRun(s, o.reduce, o.gap, std::to_string(o.tol));
        if (!r.blockRan) {
            std::printf("%-40.40s the smoothing block did not run\n", name.c_str());
            return;
        }
        t.add(r);
        print(name, r.block, &r);
        return;
    }
    s.settings.smoothtol = o.tol;
    const survey::Figures f = survey::measure(s, o.stages);
    t.add(f);
    print(name, f, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    bool generated = false;
    std::vector<int> bench;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--tol" && more)
            o.tol = std::atof(argv[++i]);
        else if (a == "--stages" && more)
            o.stages = static_cast<unsigned>(std::atoi(argv[++i]));
        else if (a == "--max-elements" && more)
            o.maxElements = std::atoi(argv[++i]);
        else if (a == "--reduce" && more)
            o.reduce = argv[++i];
        else if (a == "--gap" && more)
            o.gap = argv[++i];
        else if (a == "--bench" && more)
            bench.push_back(std::atoi(argv[++i]));
        else if (a == "--run")
            o.run = true;
        else if (a == "--generated")
            generated = true;
        else
            files.push_back(a);
    }
    ConsoleHost host;
    std::printf("T = %g%s\n%-40s %6s %11s %11s %5s %6s %3s %8s %3s %7s %7s %6s%s\n", o.tol,
                o.run ? (" (whole runs, reduce " + o.reduce + ", gap " + o.gap + ")").c_str() : "", "drawing",
                "elems", "kinks", "corners", "added", "chgd", "bad", "worst", "wrs", "outward", "inward",
                "sec", o.run ? " |  final bad    worst outward run-s" : "");
    Totals t;
    auto fresh = [&] { return std::make_unique<Session>(host); };
    if (generated)
        for (double scale : {0.2, 1.0, 5.0})
            for (int w = 0; w < survey::generatedCount(); ++w) {
                auto s = fresh();
                survey::addGenerated(s->drawing, w, scale);
                measureOne(o, t,
                           std::string(survey::generatedName(w)) + " x" + std::to_string(scale).substr(0, 3),
                           *s);
            }
    for (int lines : bench) {
        auto s = fresh();
        PolygonisedDrawing(s->drawing).fill(lines);
        measureOne(o, t, "benchmark drawing of " + std::to_string(lines) + " lines", *s);
    }
    for (const std::string& path : files) {
        // The reader deletes what it has read: hand it a copy.
        const std::string copy = (std::filesystem::temp_directory_path() / "smoothing_survey.dat").string();
        std::error_code ec;
        std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing, ec);
        auto s = fresh();
        const std::string name = std::filesystem::path(path).stem().string();
        if (ec || readExchangeFile(copy, s->drawing, host) != ExchangeRead::Ok) {
            std::printf("%-40.40s unreadable\n", name.c_str());
            continue;
        }
        if (s->drawing.elementCount() > o.maxElements) {
            std::printf("%-40.40s %6d skipped (more than %d elements)\n", name.c_str(),
                        s->drawing.elementCount(), o.maxElements);
            continue;
        }
        measureOne(o, t, name, *s);
    }
    std::printf("\n%d drawings\n", t.drawings);
    print("total (distances, worst: largest)", t.f, o.run ? &t.r : nullptr);
    const auto share = [](int a, int b) { return b ? 100.0 * a / b : 0.0; };
    std::printf("kinks handled %.1f %%, corners handled %.1f %%, all %.1f %%\n",
                share(t.f.kinksHandled, t.f.kinks), share(t.f.cornersHandled, t.f.corners),
                share(t.f.kinksHandled + t.f.cornersHandled, t.f.kinks + t.f.corners));
    return 0;
}
