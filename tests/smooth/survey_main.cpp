// smoothing_survey: runs the smoothing block on generated drawings and on
// exchange files and prints what it did (see survey.h for the figures).
//
//   smoothing_survey [--tol T] [--stages MASK] [--max-elements N] [--generated]
//                    [tempd files...]
#include "survey.h"

#include "model/exchange_file.h"
#include "model/host.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

using namespace vectrim;

namespace {

survey::Figures total;
int drawings = 0;

void add(const survey::Figures& f) {
    ++drawings;
    total.elementsBefore += f.elementsBefore;
    total.elementsAfter += f.elementsAfter;
    total.filletsAdded += f.filletsAdded;
    total.kinks += f.kinks;
    total.kinksHandled += f.kinksHandled;
    total.corners += f.corners;
    total.cornersHandled += f.cornersHandled;
    total.changed += f.changed;
    total.changedNotTangent += f.changedNotTangent;
    total.worstChangedDeflection = std::max(total.worstChangedDeflection, f.worstChangedDeflection);
    total.keptButWorse += f.keptButWorse;
    total.outward = std::max(total.outward, f.outward);
    total.inward = std::max(total.inward, f.inward);
    total.seconds += f.seconds;
}

void print(const std::string& name, const survey::Figures& f) {
    std::printf("%-44.44s %6d %5d/%-5d %5d/%-5d %5d %6d %3d %9.2e %3d %8.4f %8.4f %7.2f\n",
                name.c_str(), f.elementsBefore, f.kinksHandled, f.kinks, f.cornersHandled, f.corners,
                f.filletsAdded, f.changed, f.changedNotTangent, f.worstChangedDeflection,
                f.keptButWorse, f.outward, f.inward, f.seconds);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    double tol = 0.5;
    int32_t maxElements = 20000;
    bool generated = false;
    unsigned stages = 31;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--tol" && i + 1 < argc)
            tol = std::atof(argv[++i]);
        else if (a == "--max-elements" && i + 1 < argc)
            maxElements = std::atoi(argv[++i]);
        else if (a == "--stages" && i + 1 < argc)
            stages = static_cast<unsigned>(std::atoi(argv[++i]));
        else if (a == "--generated")
            generated = true;
        else
            files.push_back(a);
    }
    ConsoleHost host;
    std::printf("T = %g\n%-44s %6s %11s %11s %5s %6s %3s %9s %3s %8s %8s %7s\n", tol, "drawing",
                "elems", "kinks", "corners", "added", "chgd", "bad", "worst", "wrs", "outward",
                "inward", "sec");
    if (generated)
        for (double scale : {0.2, 1.0, 5.0})
            for (int w = 0; w < survey::generatedCount(); ++w) {
                auto s = std::make_unique<Session>(host);
                s->settings.smoothtol = tol;
                survey::addGenerated(s->drawing, w, scale);
                const survey::Figures f = survey::measure(*s, stages);
                add(f);
                print(std::string(survey::generatedName(w)) + " x" + std::to_string(scale).substr(0, 3), f);
            }
    for (const std::string& path : files) {
        // The reader deletes what it has read: hand it a copy.
        const std::string copy = (std::filesystem::temp_directory_path() / "smoothing_survey.dat").string();
        std::error_code ec;
        std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing, ec);
        auto s = std::make_unique<Session>(host);
        s->settings.smoothtol = tol;
        if (ec || readExchangeFile(copy, s->drawing, host) != ExchangeRead::Ok) {
            std::printf("%-44.44s unreadable\n", path.c_str());
            continue;
        }
        const std::string name = std::filesystem::path(path).stem().string();
        if (s->drawing.elementCount() > maxElements) {
            std::printf("%-44.44s %6d skipped (more than %d elements)\n", name.c_str(),
                        s->drawing.elementCount(), maxElements);
            continue;
        }
        const survey::Figures f = survey::measure(*s, stages);
        add(f);
        print(name, f);
    }
    std::printf("\n%d drawings\n", drawings);
    print("total (outward/inward: largest)", total);
    const auto share = [](int a, int b) { return b ? 100.0 * a / b : 0.0; };
    std::printf("kinks handled %.1f %%, corners handled %.1f %%, all %.1f %%\n",
                share(total.kinksHandled, total.kinks), share(total.cornersHandled, total.corners),
                share(total.kinksHandled + total.cornersHandled, total.kinks + total.corners));
    return 0;
}
