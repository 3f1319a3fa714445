// The history of changes: the limits that drop the oldest steps, the loaded
// drawing behind them all, and the change numbers it restores.
#include "app/history.h"
#include "fixture.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::Fixture;

TEST(History, TheOldestStepsGoPastTheLimits) {
    struct Case {
        size_t maxSteps, maxBytesInStates;
        size_t kept;
    };
    // Ten steps of the same size, limited by count or by bytes.
    const Case cases[] = {{20, 100, 10}, {4, 100, 4}, {20, 3, 3}, {1, 100, 1}, {20, 0, 1}};
    for (const Case& c : cases) {
        Fixture f;
        for (int k = 0; k < 50; ++k) f.line(k, 0, k + 1, 0);
        const size_t one = DrawingState::of(*f.session, {}).bytes();
        History h(c.maxSteps, c.maxBytesInStates * one);
        h.reset(*f.session);
        for (int k = 0; k < 10; ++k) {
            h.record(*f.session, {}, std::to_string(k));
            f.d.lines[0].x1 = k + 1;
        }
        EXPECT_EQ(h.steps(), c.kept) << c.maxSteps << " " << c.maxBytesInStates;
        EXPECT_EQ(h.bytes(), c.kept * one);
        EXPECT_EQ(h.lastStep(), "9");
        // The steps left are the newest ones; the loaded drawing stays behind them.
        for (size_t k = 0; k < c.kept; ++k) ASSERT_TRUE(h.undo(*f.session));
        EXPECT_EQ(f.d.lines[0].x1, static_cast<double>(10 - c.kept));
        EXPECT_EQ(h.canUndoAll(), c.kept < 10);
        if (c.kept < 10) {
            ASSERT_TRUE(h.undoAll(*f.session));
            EXPECT_EQ(f.d.lines[0].x1, 0);
            EXPECT_FALSE(h.canUndoAll());
        }
    }
}

TEST(History, AStateOfFullTablesLeavesRoomForTwentySteps) {
    Fixture f;
    for (int32_t k = 0; k < kMaxElements; ++k) {
        f.d.appendLine(k, 0, k, 1);
        f.d.appendArc(k, 5, 1, 0, 90);
    }
    EXPECT_LE(20 * DrawingState::of(*f.session, {}).bytes(), kHistoryMaxBytes);
}

TEST(History, ANewChangeAfterTakingBackIsNotTheSavedOne) {
    Fixture f;
    MainState& st = f.session->state;
    History h;
    h.reset(*f.session);
    h.record(*f.session, {}, "a");
    st.changed();
    st.saved();
    ASSERT_TRUE(h.undo(*f.session));
    EXPECT_TRUE(st.unsaved()); // the saved drawing was the changed one
    h.record(*f.session, {}, "b");
    st.changed();
    EXPECT_TRUE(st.unsaved()); // another change, not the saved one
}

} // namespace
} // namespace vectrim
