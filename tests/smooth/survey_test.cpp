// The smoothing block on whole generated drawings: every junction it
// changes comes out tangent, and most kinks and corners are handled.
#include "fixture.h"
#include "polygonised.h"
#include "survey.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vectrim {
namespace {

TEST(SmoothingBlock, ChangedJunctionsOfGeneratedDrawingsAreTangent) {
    const std::vector<std::pair<double, double>> runs = {{0.5, 0.2}, {0.5, 1.0}, {0.5, 5.0},
                                                         {0.1, 1.0}, {2.0, 0.2}, {2.0, 1.0}};
    test::Fixture f;
    int handled = 0, total = 0;
    for (const auto& [t, scale] : runs)
        for (int w = 0; w < survey::generatedCount(); ++w) {
            SCOPED_TRACE(::testing::Message() << survey::generatedName(w) << " x" << scale << " T " << t);
            f.d.clear();
            f.session->settings.smoothtol = t;
            survey::addGenerated(f.d, w, scale);
            const survey::Figures fig = survey::measure(*f.session);
            EXPECT_GT(fig.changed, 0);
            EXPECT_EQ(fig.changedNotTangent, 0);
            EXPECT_LT(fig.worstChangedDeflection, 1e-6);
            EXPECT_EQ(fig.keptButWorse, 0);
            // The checks sample eleven points of an arc against whole
            // circles: the result may stray a little beyond T, never far.
            EXPECT_LT(fig.outward, 1.25 * t);
            handled += fig.kinksHandled + fig.cornersHandled;
            total += fig.kinks + fig.corners;
        }
    EXPECT_GT(handled, total * 3 / 4);
}

TEST(SmoothingBlock, AWholeRunOnThePolygonisedBenchmarkDrawing) {
    // 1,000 lines of circles, rounded rectangles, slots and cut edges; the
    // design tolerances 0.3 and 0.2 and smoothing within 0.2.
    test::Fixture f;
    PolygonisedDrawing(f.d).fill(1000);
    const survey::RunFigures r = survey::measureRun(*f.session, "0.3", "0.2", "0.2");
    ASSERT_TRUE(r.blockRan);
    EXPECT_GT(r.block.changed, 50);
    EXPECT_EQ(r.block.changedNotTangent, 0);
    EXPECT_EQ(r.finalChanged, r.block.changed); // nothing later undoes a junction
    EXPECT_EQ(r.finalNotTangent, 0);
    EXPECT_GT(r.block.kinksHandled + r.block.cornersHandled, (r.block.kinks + r.block.corners) * 9 / 10);
    EXPECT_LT(r.block.outward, 0.2 * 1.25);
}

} // namespace
} // namespace vectrim
