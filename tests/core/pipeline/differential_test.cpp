// The fast stages, checks and contour operations against the literal ones
// (vreference): seeded random drawings and small corpus files go through
// every stage of the stage table, the checks, the analysis, contour picking,
// the polyline save and whole runs, and must leave the same tables and show
// the same texts. differential_bench runs thousands more and every corpus
// file.
#include "operations.h"
#include "random_drawing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace vectrim::differential {
namespace {

constexpr uint32_t kDrawings = 300;

TEST(Differential, RandomDrawingsLeaveTheSameTables) {
    Differ differ;
    auto d = std::make_unique<Drawing>();
    const std::vector<const Operation*> runs = operationsNamed("run ");
    for (uint32_t seed = 1; seed <= kDrawings; ++seed) {
        randomDrawing(*d, seed, 4 + static_cast<int>(seed % 24));
        if (seed % 5 == 0) unsettleOrder(*d, seed);
        for (const Operation& op : allOperations()) {
            if (op.name.rfind("run ", 0) == 0) continue;
            // Picking and the polyline save build the contours on a fresh
            // copy of the whole tables: every tenth drawing.
            if ((op.name == "pick" || op.name == "polylines") && seed % 10 != 0) continue;
            ASSERT_EQ(differ.compare(*d, op), "") << "seed " << seed;
        }
        // Two of the sixteen runs per drawing; every one of them every 8
        // drawings.
        for (const size_t k : {seed % 8, seed % 8 + 8})
            ASSERT_EQ(differ.compare(*d, *runs[k % runs.size()]), "") << "seed " << seed;
    }
}

// The checks and the analysis find their elements in grids: drawings large
// enough to spread over many cells.
TEST(Differential, ChecksOnLargerDrawingsMarkTheSame) {
    Differ differ;
    auto d = std::make_unique<Drawing>();
    std::vector<const Operation*> ops = operationsNamed("check ");
    ops.push_back(operationsNamed("analysis").front());
    for (uint32_t seed = 1001; seed <= 1012; ++seed) {
        randomDrawing(*d, seed, 150 + static_cast<int>(seed % 7) * 50);
        for (const Operation* op : ops) ASSERT_EQ(differ.compare(*d, *op), "") << "seed " << seed;
    }
}

TEST(Differential, SmallCorpusFilesLeaveTheSameTables) {
    const char* files[] = {"LibreCAD/t-part.dxf", "involute-gear-collection/teeth-24.dxf",
                           "bjnortier-dxf/arrayed-holes.dxf", "qcad/example00.dxf",
                           "dxf2gcode-plasma/DEMO.DXF"};
    Differ differ;
    auto d = std::make_unique<Drawing>();
    int tested = 0;
    for (const char* name : files) {
        const std::string path = std::string(VECTRIM_SHARED_DIR "/corpus/") + name;
        if (!std::filesystem::exists(path)) continue;
        ASSERT_TRUE(readDxf(path, *d)) << name;
        for (const Operation& op : allOperations()) ASSERT_EQ(differ.compare(*d, op), "") << name;
        ++tested;
    }
    if (tested == 0) GTEST_SKIP() << "the corpus is not there: " VECTRIM_SHARED_DIR "/corpus";
}

} // namespace
} // namespace vectrim::differential
