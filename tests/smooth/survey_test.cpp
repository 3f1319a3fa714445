// The smoothing block on whole generated drawings: every junction it
// changes comes out tangent, and most kinks and corners are handled.
#include "fixture.h"
#include "survey.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vectrim {
namespace {

TEST(SmoothingBlock, ChangedJunctionsOfGeneratedDrawingsAreTangent) {
    const std::vector<std::pair<double, double>> runs = {
        {0.5, 0.2}, {0.5, 1.0}, {0.5, 5.0}, {0.1, 1.0}, {2.0, 0.2}, {2.0, 1.0}};
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

} // namespace
} // namespace vectrim
