// The differential tests at full size: thousands of seeded random drawings
// through every operation of the harness (every stage, the checks, the
// analysis, contour picking, the polyline save and all sixteen runs), and
// every file of the corpus through the whole run and the stages that have
// been made fast, each compared with the literal implementation. Prints each
// difference found and the time of both sets; exits with 1 on a difference.
//
//   differential_bench [--drawings N] [--first SEED] [--ops PREFIX,...]
//                      [--no-corpus] [--corpus-ops PREFIX,...] [--corpus-only]
//
// --ops and --corpus-ops choose the operations on random drawings (default:
// all) and on corpus files (default: the default run and the operations
// built on the fast stages) by the beginning of their names.
#include "operations.h"
#include "random_drawing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vectrim;
using namespace vectrim::differential;

// The operations on corpus files: the whole run with the default
// tolerances, and every operation built on a stage made fast so far.
const char* kCorpusOps =
    "run 0.3 0.2 0.2,stage splitatjunctions,stage removeduplicates,stage buildcontours,"
    "stage deletesmallelements,stage closegaps,stage deletetinyelements,stage joinarcs,stage joinlines,"
    "stage roundlinecorners,"
    "check open,analysis,pick,polylines";

std::vector<std::string> split(const std::string& list) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start) out.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

struct Totals {
    int compared = 0, differences = 0;
    double fast = 0, reference = 0;
};

void compare(Differ& differ, const Drawing& d, const Operation& op, const std::string& what, Totals& t) {
    const std::string diff = differ.compare(d, op);
    ++t.compared;
    t.fast += differ.fastSeconds();
    t.reference += differ.referenceSeconds();
    if (diff.empty()) return;
    ++t.differences;
    std::printf("DIFFERENCE %s: %s\n", what.c_str(), diff.c_str());
    std::fflush(stdout);
}

std::vector<const Operation*> operations(const std::vector<std::string>& prefixes) {
    std::vector<const Operation*> ops;
    for (const std::string& p : prefixes)
        for (const Operation* op : operationsNamed(p)) ops.push_back(op);
    return ops;
}

int randomDrawings(uint32_t first, uint32_t count, const std::vector<const Operation*>& ops) {
    Differ differ;
    auto d = std::make_unique<Drawing>();
    Totals t;
    const auto start = std::chrono::steady_clock::now();
    for (uint32_t seed = first; seed < first + count; ++seed) {
        // From a few pieces to a few hundred elements.
        randomDrawing(*d, seed, 4 + static_cast<int>(seed % 61));
        if (seed % 5 == 0) unsettleOrder(*d, seed);
        for (const Operation* op : ops) compare(differ, *d, *op, "seed " + std::to_string(seed), t);
        if ((seed - first + 1) % 500 == 0) {
            std::printf("  %u drawings, %d differences\n", seed - first + 1, t.differences);
            std::fflush(stdout);
        }
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("random drawings %u .. %u: %d comparisons, %d differences; fast %.1f s, reference %.1f s, "
                "wall %.1f s\n",
                first, first + count - 1, t.compared, t.differences, t.fast, t.reference, wall);
    return t.differences;
}

int corpus(const std::vector<const Operation*>& ops) {
    const std::filesystem::path root = std::filesystem::path(VECTRIM_SHARED_DIR) / "corpus";
    if (!std::filesystem::exists(root)) {
        std::printf("no corpus at %s\n", root.c_str());
        return 0;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        std::string ext = e.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (e.is_regular_file() && ext == ".dxf") files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    Differ differ;
    auto d = std::make_unique<Drawing>();
    int differences = 0;
    for (const auto& file : files) {
        const std::string name = std::filesystem::relative(file, root).string();
        if (!readDxf(file.string(), *d)) {
            std::printf("%-50s not readable\n", name.c_str());
            continue;
        }
        std::printf("%-50s %6d lines %6d arcs\n", name.c_str(), d->linecount, d->arccount);
        for (const Operation* op : ops) {
            Totals t;
            compare(differ, *d, *op, name, t);
            differences += t.differences;
            std::printf("    %-34s fast %8.3f s  reference %8.3f s%s\n", op->name.c_str(), t.fast,
                        t.reference, t.differences ? "  DIFFERENT" : "");
            std::fflush(stdout);
        }
    }
    std::printf("corpus: %zu files, %d differences\n", files.size(), differences);
    return differences;
}

} // namespace

int main(int argc, char** argv) {
    uint32_t first = 1, count = 5000;
    bool withCorpus = true, withRandom = true;
    std::string corpusOps = kCorpusOps, randomOps;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--drawings" && more)
            count = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (a == "--first" && more)
            first = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (a == "--corpus-ops" && more)
            corpusOps = argv[++i];
        else if (a == "--ops" && more)
            randomOps = argv[++i];
        else if (a == "--no-corpus")
            withCorpus = false;
        else if (a == "--corpus-only")
            withRandom = false;
        else {
            std::fprintf(stderr, "usage: differential_bench [--drawings N] [--first SEED] [--ops PREFIX,...] "
                                 "[--no-corpus] [--corpus-ops PREFIX,...] [--corpus-only]\n");
            return 2;
        }
    }
    int failed = 0;
    if (withRandom)
        failed += randomDrawings(
            first, count, operations(randomOps.empty() ? std::vector<std::string>{""} : split(randomOps)));
    if (withCorpus) failed += corpus(operations(split(corpusOps)));
    return failed ? 1 : 0;
}
