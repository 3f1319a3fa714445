// The spatial grid against brute force: every item whose box meets a query
// box is among the candidates, which come ascending and each once.
#include "pipeline/spatial_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace vectrim {
namespace {

struct Boxed {
    int32_t item;
    GridBox box;
};

bool meets(const GridBox& a, const GridBox& b) {
    return a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax && b.ymin <= a.ymax;
}

// Points, short and long boxes, a few of them far out or not finite.
GridBox randomBox(std::mt19937& rng, double extent) {
    std::uniform_real_distribution<double> at(-extent, extent), unit(0, 1);
    const double x = at(rng), y = at(rng);
    const double kind = unit(rng);
    if (kind < 0.3) return boxAround(x, y, 0);
    if (kind < 0.8) return {x, y, x + unit(rng) * extent / 50, y + unit(rng) * extent / 50};
    if (kind < 0.95) return {x, y, x + unit(rng) * extent, y + unit(rng) * extent};
    if (kind < 0.98) return boxAround(x * 1e13, y, 1);
    return {std::numeric_limits<double>::quiet_NaN(), y, x, y};
}

void expectSuperset(const SpatialGrid& grid, const std::vector<Boxed>& all, const GridBox& q) {
    std::vector<int32_t> got;
    grid.query(q, got);
    ASSERT_TRUE(std::is_sorted(got.begin(), got.end()));
    ASSERT_EQ(std::adjacent_find(got.begin(), got.end()), got.end());
    for (const Boxed& b : all) {
        const bool finite = std::isfinite(b.box.xmin) && std::isfinite(b.box.xmax);
        if (finite && !meets(b.box, q)) continue;
        ASSERT_TRUE(std::binary_search(got.begin(), got.end(), b.item))
            << "item " << b.item << " missing for query " << q.xmin << " " << q.ymin;
    }
}

TEST(SpatialGrid, QueriesFindEveryBoxThatMeetsThem) {
    struct Case {
        unsigned seed;
        double extent, cell; // cell 0: from the boxes
        int items, later;    // boxes before build, boxes added after it
    };
    const Case cases[] = {
        {1, 10, 0, 300, 0},   {2, 1000, 0, 2000, 0},  {3, 1, 0.004, 500, 0},
        {4, 50, 0, 200, 900}, {5, 1e6, 0, 1000, 100}, {6, 0.01, 0, 100, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("seed " + std::to_string(c.seed));
        std::mt19937 rng(c.seed);
        SpatialGrid grid;
        std::vector<Boxed> all;
        for (int i = 0; i < c.items + c.later; ++i) {
            if (i == c.items) grid.build(c.cell);
            // Some items have two boxes, as a line has two ends.
            const auto item = static_cast<int32_t>(i % 3 == 0 ? i / 2 : i);
            all.push_back({item, randomBox(rng, c.extent)});
            grid.add(item, all.back().box);
        }
        if (c.later == 0) grid.build(c.cell);
        std::uniform_real_distribution<double> at(-c.extent, c.extent), unit(0, 1);
        for (int q = 0; q < 400; ++q) {
            const double x = at(rng), y = at(rng), r = unit(rng) * c.extent / (q % 2 ? 100 : 5);
            expectSuperset(grid, all, boxAround(x, y, r));
            if (::testing::Test::HasFatalFailure()) return;
        }
        expectSuperset(grid, all, boxAround(std::numeric_limits<double>::infinity(), 0, 1));
    }
}

TEST(SpatialGrid, EmptyAndUnbuiltGridsAnswer) {
    SpatialGrid grid;
    std::vector<int32_t> got{7};
    grid.query(boxAround(0, 0, 1), got);
    EXPECT_TRUE(got.empty());
    grid.add(3, boxAround(5, 5, 0));
    grid.query(boxAround(0, 0, 1), got); // not built: every item is a candidate
    EXPECT_EQ(got, std::vector<int32_t>{3});
    grid.build();
    grid.query(boxAround(5, 5, 0.001), got);
    EXPECT_EQ(got, std::vector<int32_t>{3});
}

} // namespace
} // namespace vectrim
