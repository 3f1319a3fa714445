// The fast stages, checks and contour operations against the literal ones
// (vreference): seeded random drawings and small corpus files go through
// every stage of the stage table, the checks, the analysis, contour picking,
// the polyline save and whole runs, and must leave the same tables and show
// the same texts. differential_bench runs thousands more and every corpus
// file.
#include "examine/contour_cache.h"
#include "operations.h"
#include "pipeline/elements.h"
#include "random_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
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

// Picking and the polyline save keep the contours of a drawing state; the
// literal ones build them every time. Through edits of one drawing they
// must agree, and a kept copy of an earlier state must never be used.
void edit(Drawing& d, int step) {
    if (d.linecount < 4 || d.arccount < 1) return;
    switch (step % 6) {
        case 0: d.lines[1].x2 += 0.25; break;
        case 1:
            std::swap(d.lines[2].x1, d.lines[2].x2);
            std::swap(d.lines[2].y1, d.lines[2].y2);
            break;
        case 2: removeElements(d, {ElementRef::line(0)}); break;
        case 3: std::swap(d.order[0], d.order[1]); break;
        case 4: d.appendArc(d.lines[0].x1 - 1, d.lines[0].y1, 1, 0, 90); break;
        default: d.arcs[0].a2 = std::nextafter(d.arcs[0].a2, 0.0); break;
    }
}

TEST(Differential, KeptContoursFollowEveryEdit) {
    const Operation& pick = *operationsNamed("pick").front();
    const Operation& save = *operationsNamed("polylines").front();
    Differ differ;
    auto d = std::make_unique<Drawing>();
    for (uint32_t seed = 2001; seed <= 2006; ++seed) {
        randomDrawing(*d, seed, 40);
        for (int step = 0; step < 7; ++step) {
            ASSERT_EQ(differ.compare(*d, pick), "") << "seed " << seed << " edit " << step;
            ASSERT_EQ(differ.compare(*d, save), "") << "seed " << seed << " edit " << step;
            edit(*d, step);
        }
    }
}

TEST(Differential, KeptContoursAreBuiltOncePerDrawingState) {
    auto d = std::make_unique<Drawing>();
    randomDrawing(*d, 7, 40);
    LogHost host;
    const auto first = keptContours(*d, host);
    EXPECT_EQ(keptContours(*d, host).get(), first.get());
    d->lines[0].y1 = std::nextafter(d->lines[0].y1, 1e9);
    const auto second = keptContours(*d, host);
    EXPECT_NE(second.get(), first.get());
    EXPECT_EQ(keptContours(*d, host).get(), second.get());
    forgetKeptContours();
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
