// Deleting elements: the inside tests, the rubber band, the question before
// anything is removed, and contour deletion.
#include "examine/selection.h"
#include "pipeline/elements.h"
#include "view_fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace vectrim {
namespace {

using test::ViewFixture;

void setRectangle(ViewState& v, double x1, double y1, double x2, double y2) {
    v.selX1 = x1, v.selY1 = y1, v.selX2 = x2, v.selY2 = y2;
}

TEST(InsideTests, LineboxTakesCornersInAnyOrderEdgesIncluded) {
    ViewFixture f;
    f.line(1, 1, 5, 5);
    int32_t s = -1;
    setRectangle(f.session->view, 5, 5, 1, 1);
    linebox(f.d, f.session->view, 0, s);
    EXPECT_EQ(s, 1);
    setRectangle(f.session->view, 0, 4.999, 6, 0);
    linebox(f.d, f.session->view, 0, s);
    EXPECT_EQ(s, 0);
}

TEST(InsideTests, KreisboxUsesTheWholeArcNotItsEnds) {
    // The quarter arc from (1, 0) to (0, 1) bulges to (0.707, 0.707); the
    // half arc from (1, 0) to (-1, 0) rises to y = 1.
    ViewFixture f;
    f.arc(0, 0, 1, 0, 90);
    f.arc(0, 0, 1, 0, 180);
    int32_t s = -1;
    setRectangle(f.session->view, -0.1, -0.1, 1.1, 1.1);
    kreisbox(f.d, f.session->view, 0, s);
    EXPECT_EQ(s, 1);
    setRectangle(f.session->view, -1.1, -0.1, 1.1, 0.9);
    kreisbox(f.d, f.session->view, 1, s);
    EXPECT_EQ(s, 0);
    setRectangle(f.session->view, 1.1, 1.1, -1.1, -0.1);
    kreisbox(f.d, f.session->view, 1, s);
    EXPECT_EQ(s, 1);
}

TEST(RemoveElements, SameResultAsDeletingOneByOne) {
    ViewFixture f;
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> c(0, 100);
    for (int i = 0; i < 60; ++i) {
        if (i % 3 == 2)
            f.arc(c(rng), c(rng), 1 + i, 0, 90);
        else
            f.line(c(rng), c(rng), c(rng), c(rng));
    }
    std::shuffle(f.d.order.begin(), f.d.order.begin() + f.d.elementCount(), rng);
    Drawing expected = f.d;
    std::vector<ElementRef> gone;
    for (int32_t i = 0; i < f.d.linecount; i += 3) gone.push_back(ElementRef::line(i));
    for (int32_t i = 1; i < f.d.arccount; i += 2) gone.push_back(ElementRef::arc(i));
    for (auto it = gone.rbegin(); it != gone.rend(); ++it) deleteElement(expected, *it);
    removeElements(f.d, gone);
    ASSERT_EQ(f.d.linecount, expected.linecount);
    ASSERT_EQ(f.d.arccount, expected.arccount);
    for (int32_t i = 0; i < f.d.linecount; ++i) EXPECT_EQ(f.d.lines[i].x1, expected.lines[i].x1);
    for (int32_t i = 0; i < f.d.arccount; ++i) EXPECT_EQ(f.d.arcs[i].r, expected.arcs[i].r);
    for (int32_t i = 0; i < f.d.elementCount(); ++i) EXPECT_EQ(f.d.order[i], expected.order[i]) << i;
}

// Two squares side by side and an arc in the second.
struct TwoSquares : ViewFixture {
    explicit TwoSquares(std::string answers = {}) : ViewFixture(std::move(answers)) {
        square(0, 0, 10);
        square(20, 0, 10);
        arc(25, 5, 2, 0, 90);
        session->view.window = {0, 0, 40, 30};
        editor.eloesch();
    }
    ElementEditor editor{d, session->view, host, frame};

    void drag(double x1, double y1, double x2, double y2) {
        EXPECT_TRUE(editor.mouseDown(x1, y1));
        for (int i = 1; i <= 4; ++i) editor.mouseMove(x1 + (x2 - x1) * i / 4, y1 + (y2 - y1) * i / 4);
        editor.mouseUp(x2, y2);
    }
};

TEST(ElementSelection, RubberBandIsDrawnAndRemovedByTheSecondDraw) {
    TwoSquares f;
    EXPECT_EQ(f.session->view.pickMode, kPickElements);
    f.editor.mouseDown(-1, -1);
    EXPECT_EQ(f.session->view.dragActive, 1);
    f.editor.mouseMove(5, 5);
    EXPECT_EQ(f.frame.onScreen.size(), 1u);
    f.editor.mouseMove(12, 12);
    EXPECT_EQ(f.frame.onScreen.size(), 1u); // the old one was drawn over and is gone
    EXPECT_EQ(f.frame.rectangles, 3);
    f.editor.mouseUp(12, 12);
    EXPECT_TRUE(f.frame.onScreen.empty());
    EXPECT_EQ(f.session->view.dragActive, 0);
    EXPECT_EQ(test::raws(f.editor.selection()), (std::vector<int32_t>{0, 1, 2, 3}));
}

TEST(ElementSelection, DeletedAfterYes) {
    TwoSquares f("J");
    f.drag(19, -1, 31, 11);
    ASSERT_EQ(test::raws(f.editor.selection()), (std::vector<int32_t>{4, 5, 6, 7, kArcRef}));
    EXPECT_EQ(f.d.linecount, 8);
    EXPECT_TRUE(f.editor.deleteKey());
    ASSERT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(f.host.questions[0].text, "Ausgewählte Elemente löschen ?");
    EXPECT_EQ(f.d.linecount, 4);
    EXPECT_EQ(f.d.arccount, 0);
    for (int32_t i = 0; i < 4; ++i) EXPECT_LE(f.d.lines[i].x1, 10);
    EXPECT_TRUE(f.editor.selection().empty());
    EXPECT_EQ(f.frame.counts, 1);
    EXPECT_EQ(f.frame.widthText, " 10");
    EXPECT_EQ(f.session->view.pickMode, kPickElements); // ready for the next rectangle
}

TEST(ElementSelection, NothingDeletedAfterNo) {
    TwoSquares f("N");
    f.drag(-1, -1, 40, 40);
    ASSERT_EQ(f.editor.selection().size(), 9u);
    EXPECT_TRUE(f.editor.deleteKey());
    EXPECT_EQ(f.d.linecount, 8);
    EXPECT_EQ(f.d.arccount, 1);
    EXPECT_EQ(f.editor.selection().size(), 9u);
    EXPECT_EQ(f.frame.counts, 0);
}

TEST(ElementSelection, MenuEntryChosenAgainDeletes) {
    TwoSquares f("J");
    f.drag(-1, -1, 11, 11);
    f.editor.eloesch();
    EXPECT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(f.d.linecount, 4);
    EXPECT_EQ(f.d.arccount, 1);
}

TEST(ElementSelection, PartlyInsideIsNotSelected) {
    TwoSquares f("J");
    f.drag(-1, -1, 26, 11); // of the second square only its left edge is inside; the arc sticks out
    EXPECT_EQ(test::raws(f.editor.selection()), (std::vector<int32_t>{0, 1, 2, 3, 7}));
    f.drag(-1, -1, 5, 5); // nothing wholly inside: a new rectangle replaces the selection
    EXPECT_TRUE(f.editor.selection().empty());
    EXPECT_FALSE(f.editor.deleteKey());
    EXPECT_TRUE(f.host.questions.empty());
}

TEST(ElementSelection, EscapeLeavesTheModeAndRemovesTheBand) {
    TwoSquares f;
    f.editor.mouseDown(0, 0);
    f.editor.mouseMove(3, 3);
    ASSERT_EQ(f.frame.onScreen.size(), 1u);
    EXPECT_TRUE(f.editor.escapeKey());
    EXPECT_TRUE(f.frame.onScreen.empty());
    EXPECT_EQ(f.session->view.pickMode, 0);
    EXPECT_EQ(f.session->view.dragActive, 0);
    EXPECT_FALSE(f.editor.escapeKey());
    EXPECT_FALSE(f.editor.mouseDown(1, 1)); // the view zooms again
    EXPECT_EQ(f.d.linecount, 8);
}

TEST(ElementSelection, NoElementsNoMode) {
    ViewFixture f;
    ElementEditor editor(f.d, f.session->view, f.host, f.frame);
    editor.eloesch();
    editor.konl();
    EXPECT_EQ(f.session->view.pickMode, 0);
    ASSERT_EQ(f.host.messages.size(), 2u);
    EXPECT_EQ(f.host.messages[0].text, "Keine Elemente vorhanden !");
}

TEST(ContourDeletion, ClickedContourDeletedAfterYes) {
    TwoSquares f("J");
    f.editor.konl();
    EXPECT_EQ(f.session->view.pickMode, kPickContour);
    f.editor.mouseDown(30.1, 5); // near the right edge of the second square
    ASSERT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(f.host.questions[0].text, "Kontur löschen ?");
    ASSERT_EQ(f.d.linecount, 4);
    EXPECT_EQ(f.d.arccount, 1); // the arc is a contour of its own
    for (int32_t i = 0; i < 4; ++i) EXPECT_LE(f.d.lines[i].x1, 10);
    EXPECT_EQ(f.frame.counts, 1);
}

TEST(ContourDeletion, NothingDeletedAfterNoAndMissesDoNothing) {
    TwoSquares f("N");
    f.editor.konl();
    f.editor.mouseDown(15, 15); // no element within 0.25
    EXPECT_TRUE(f.host.questions.empty());
    f.editor.mouseDown(26.9, 5.9); // near the arc
    ASSERT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(f.d.linecount, 8);
    EXPECT_EQ(f.d.arccount, 1);
    EXPECT_TRUE(f.editor.selection().empty());
}

TEST(ContourDeletion, PickingChangesNothingButTheDeletedContour) {
    // Lines not yet built into contours, one of each square drawn the wrong
    // way round; a direction mark stands on the view.
    ViewFixture f("NJ");
    f.square(0, 0, 10);
    f.square(20, 0, 10);
    std::swap(f.d.lines[1].x1, f.d.lines[1].x2);
    std::swap(f.d.lines[1].y1, f.d.lines[1].y2);
    std::swap(f.d.lines[6].x1, f.d.lines[6].x2);
    std::swap(f.d.lines[6].y1, f.d.lines[6].y2);
    std::swap(f.d.order[0], f.d.order[5]);
    f.d.freeends[0] = FreeEnd{3, 4, ElementRef::line(2), EndCode::Start};
    f.d.freecount = 1;
    f.session->view.markMode = 2;
    f.session->view.window = {0, 0, 40, 30};
    const Drawing before = f.d;
    ElementEditor editor(f.d, f.session->view, f.host, f.frame);
    editor.konl();

    editor.mouseDown(10.1, 5); // declined
    ASSERT_EQ(f.host.questions.size(), 1u);
    for (int32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(f.d.lines[i].x1, before.lines[i].x1) << i;
        EXPECT_EQ(f.d.lines[i].y1, before.lines[i].y1) << i;
        EXPECT_EQ(f.d.lines[i].contour, -1) << i;
        EXPECT_EQ(f.d.order[i], before.order[i]) << i;
    }
    EXPECT_EQ(f.d.freecount, 1);
    EXPECT_EQ(f.session->view.markMode, 2);

    editor.mouseDown(10.1, 5); // confirmed: the other square stays as it was
    ASSERT_EQ(f.d.linecount, 4);
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(f.d.lines[i].x1, before.lines[i + 4].x1) << i;
        EXPECT_EQ(f.d.lines[i].y1, before.lines[i + 4].y1) << i;
        EXPECT_EQ(f.d.lines[i].contour, -1) << i;
    }
    EXPECT_EQ(f.session->view.pickMode, kPickContour);
}

TEST(ContourDeletion, PicksTheNearestElement) {
    ViewFixture f;
    f.line(0, 0, 10, 0);
    f.line(0, 1, 10, 1);
    f.arc(5, 5, 3, 180, 360);
    EXPECT_EQ(elementAt(f.d, 5, 0.4, 1), ElementRef::line(0));
    EXPECT_EQ(elementAt(f.d, 5, 0.6, 1), ElementRef::line(1));
    EXPECT_EQ(elementAt(f.d, 5, 2.2, 1), ElementRef::arc(0));
    EXPECT_FALSE(elementAt(f.d, 20, 0, 1).has_value());
}

} // namespace
} // namespace vectrim
