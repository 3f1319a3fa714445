// The checks of the frame "Kontrolle" and the analysis on 99,999 elements,
// one "Kontur löschen" click and the polyline save on 50,000 elements, fast
// and literal side by side: the median of 5 runs each, in seconds. The
// drawings are polygonised (bench/polygonised.h) as loaded, without contour
// numbers; the checks' drawing has 9,999 arcs besides the lines.
//
// A click is what the window does on a press in contour picking: the
// element under the pointer, its contour, the question (answered "N", so
// that the drawing stays). The fast set keeps the contours of a drawing
// state: the first click after a change builds them, later clicks reuse
// them; both are timed. A literal run that takes longer than 20 seconds is
// not repeated (marked *).
//
//   checks_bench [--fast-only]
#include "examine/analysis.h"
#include "examine/checks.h"
#include "examine/contour_cache.h"
#include "examine/selection.h"
#include "export/dxf_save.h"
#include "model/session.h"
#include "pipeline/stage_set.h"
#include "polygonised.h"
#include "processor_time.h"
#include "quiet_host.h"
#include "reference/reference.h"
#include "view/view_frame.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vectrim;

constexpr int kRepetitions = 5;
constexpr double kRepeatLimit = 20; // seconds of one literal run

using bench::QuietHost;

// Wall-clock seconds; `cpu` gets the processor seconds of this process (on
// a busy machine the wall clock also counts waiting for a core).
double seconds(const std::function<void()>& f, double& cpu) {
    const double cpuStart = bench::processorSeconds();
    const auto start = std::chrono::steady_clock::now();
    f();
    cpu = bench::processorSeconds() - cpuStart;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Timing {
    double value = 0;
    double cpu = 0;    // median processor seconds
    bool once = false; // one run only
};

// `prepare` runs before each timed run, untimed.
Timing timed(const StageSet& set, const std::function<void()>& prepare, const std::function<void()>& run,
             bool repeatSlow) {
    const ScopedStageSet use(set);
    std::vector<double> runs, cpu;
    for (int k = 0; k < kRepetitions; ++k) {
        prepare();
        double c = 0;
        runs.push_back(seconds(run, c));
        cpu.push_back(c);
        if (!repeatSlow && runs.back() > kRepeatLimit) return {runs.back(), c, true};
    }
    return {median(runs), median(cpu), false};
}

void row(const char* what, const Timing& fast, const Timing* reference, const char* note = "") {
    if (!reference) {
        std::printf("%-44s %10.4f %9.4f %10s %9s  %s\n", what, fast.value, fast.cpu, "-", "-", note);
    } else {
        std::printf("%-44s %10.4f %9.4f %9.3f%s %9.0f  %s\n", what, fast.value, fast.cpu, reference->value,
                    reference->once ? "*" : " ", reference->value / fast.value, note);
    }
    std::fflush(stdout);
}

void fillChecks(Drawing& d) {
    PolygonisedDrawing p(d);
    p.fill(90000);
    p.addArcs(9999, 90000);
}

void viewAll(const Drawing& d, ViewState& v) {
    double xmin = 1e300, ymin = 1e300, xmax = -1e300, ymax = -1e300;
    for (const Line& l : d.usedLines()) {
        xmin = std::min({xmin, l.x1, l.x2});
        xmax = std::max({xmax, l.x1, l.x2});
        ymin = std::min({ymin, l.y1, l.y2});
        ymax = std::max({ymax, l.y1, l.y2});
    }
    v.window = {xmin, ymin, xmax, ymax};
}

} // namespace

int main(int argc, char** argv) {
    const bool withReference = !(argc > 1 && std::strcmp(argv[1], "--fast-only") == 0);
    QuietHost host;
    auto session = std::make_unique<Session>(host);
    Drawing& d = session->drawing;
    const StageSet& fast = fastStageSet();
    const StageSet& literal = reference::referenceStageSet();

    std::printf("median of %d runs, seconds (* one literal run only, it took longer than %.0f s)\n",
                kRepetitions, kRepeatLimit);
    std::printf("%-44s %10s %9s %10s %9s\n", "", "fast", "fast cpu", "reference", "ratio");

    // The checks, as their buttons run them.
    fillChecks(d);
    std::printf("checks on %d lines and %d arcs:\n", d.linecount, d.arccount);
    const struct {
        const char* name;
        Check check;
    } checks[] = {{"  Richtungsaenderungen (eck2, eck3, eck1)", Check::Directions},
                  {"  Offene Kontur (findfreeends)", Check::OpenContours},
                  {"  Schnittpunkte (findjunctions)", Check::Junctions},
                  {"  Elemente kleiner 0,1 mm (findsmallelements)", Check::SmallElements}};
    for (const auto& c : checks) {
        BatchViewFrame frame(d, session->view, host);
        auto run = [&] { runCheck(d, session->view, host, c.check, frame); };
        const Timing f = timed(
            fast, [] {}, run, true);
        const int32_t marks = d.freecount;
        const std::string note = std::to_string(marks) + " marks";
        if (!withReference) {
            row(c.name, f, nullptr, note.c_str());
            continue;
        }
        const Timing r = timed(
            literal, [] {}, run, false);
        row(c.name, f, &r, (note + (d.freecount == marks ? "" : ", literal marks differ!")).c_str());
    }
    for (const auto& [name, fn] : {std::pair{"    eck3 (line-line)", &StageSet::eck3},
                                   std::pair{"    eck2 (arc-line)", &StageSet::eck2},
                                   std::pair{"    eck1 (arc-arc)", &StageSet::eck1}}) {
        auto run = [&, fn = fn] {
            d.freecount = 0;
            (stageSet().*fn)(d);
        };
        const Timing f = timed(
            fast, [] {}, run, true);
        if (!withReference) {
            row(name, f, nullptr);
            continue;
        }
        const Timing r = timed(
            literal, [] {}, run, false);
        row(name, f, &r);
    }
    {
        auto run = [&] { analyse(d, kMinLength); };
        const Timing f = timed(
            fast, [] {}, run, true);
        if (withReference) {
            const Timing r = timed(
                literal, [] {}, run, false);
            row("  Analyse (form400)", f, &r);
        } else {
            row("  Analyse (form400)", f, nullptr);
        }
    }

    // One click of "Kontur löschen" on a line in the middle of the drawing.
    PolygonisedDrawing(d).fill(50000);
    std::printf("contour picking and polyline save on %d lines:\n", d.linecount);
    viewAll(d, session->view);
    host.answer = 'N';
    BatchViewFrame frame(d, session->view, host);
    ElementEditor editor(d, session->view, host, frame);
    const Line& target = d.lines[d.linecount / 2];
    const double px = (target.x1 + target.x2) / 2, py = (target.y1 + target.y2) / 2;
    auto click = [&] {
        editor.konl();
        editor.mouseDown(px, py);
    };
    const Timing firstClick = timed(fast, forgetKeptContours, click, true);
    const Timing laterClick = timed(
        fast, [] {}, click, true);
    Timing literalClick;
    if (withReference)
        literalClick = timed(
            literal, [] {}, click, false);
    const auto under = elementAt(d, px, py, 1e-6);
    const size_t picked = under ? fast.contourOf(d, host, *under).size() : 0;
    const std::string pickNote = "a contour of " + std::to_string(picked) + " elements";
    row("  Kontur loeschen, first click (builds)", firstClick, withReference ? &literalClick : nullptr,
        pickNote.c_str());
    row("  Kontur loeschen, later click (kept)", laterClick, withReference ? &literalClick : nullptr);

    // The polyline save, "Konturen als Polylinien", into a temporary file.
    const std::string file =
        (std::filesystem::temp_directory_path() / ("checks_bench_" + std::to_string(getpid()) + ".dxf"))
            .string();
    auto save = [&] { savedxf(d, host, file, DxfForm::Polylines, DxfUnit::Millimetre); };
    const Timing coldSave = timed(fast, forgetKeptContours, save, true);
    const Timing keptSave = timed(
        fast, [] {}, save, true);
    Timing literalSave;
    if (withReference)
        literalSave = timed(
            literal, [] {}, save, false);
    const auto bytes = std::filesystem::exists(file) ? std::filesystem::file_size(file) : 0;
    const std::string saveNote = std::to_string(bytes / 1024) + " KiB written";
    row("  polyline save (builds)", coldSave, withReference ? &literalSave : nullptr, saveNote.c_str());
    row("  polyline save after a click (kept)", keptSave, withReference ? &literalSave : nullptr);
    std::remove(file.c_str());
    return 0;
}
