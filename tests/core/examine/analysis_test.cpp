// The analysis window: the four measures, the two result labels and the
// question for big drawings.
#include "examine/analysis.h"
#include "examine/checks.h"
#include "pipeline/run_frame.h"
#include "view_fixture.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::ViewFixture;

TEST(Analysis, LinesOnly) {
    ViewFixture f;
    f.square(0, 0, 10);
    f.line(20, 0, 23, 4); // 5 long
    const Analysis a = analyse(f.d, f.session->settings.minlength);
    EXPECT_EQ(a.text3, " -");
    EXPECT_EQ(a.text4, " -");
    EXPECT_EQ(a.text5, " -");
    EXPECT_EQ(a.text6, " 5");
    EXPECT_EQ(a.label9.text, "Offene Kontur(en) vorhanden !");
    EXPECT_EQ(a.label9.colour, (Rgb{192, 0, 0}));
    EXPECT_TRUE(a.label9.visible);
    EXPECT_EQ(a.label10.text, "Ok ! Keine Unterschreitung der Mindestlänge.");
    EXPECT_EQ(a.label10.colour, (Rgb{0, 128, 0}));
}

TEST(Analysis, QuarterArcOfRadiusTwo) {
    ViewFixture f;
    f.arc(0, 0, 2, 0, 90);
    const Analysis a = analyse(f.d, f.session->settings.minlength);
    EXPECT_EQ(a.text3, " 2");
    EXPECT_EQ(a.text4, " 2");
    EXPECT_EQ(a.text5, " 3.142");
    EXPECT_EQ(a.text6, " -");
}

TEST(Analysis, RadiiAndShortestElementsRoundedToThreeDecimals) {
    ViewFixture f;
    f.arc(0, 0, 0.12345, 0, 360);
    f.arc(5, 5, 250.5, 0, 1);
    f.line(0, 0, 0.05, 0);
    f.line(0, 0, 0, 7);
    const Analysis a = analyse(f.d, f.session->settings.minlength);
    EXPECT_EQ(a.text3, " .123");
    EXPECT_EQ(a.text4, " 250.5");
    EXPECT_EQ(a.text5, " .776"); // 2π · 0.12345
    EXPECT_EQ(a.text6, " .05");
    EXPECT_EQ(a.label10.text, "Unterschreitung der Mindestlänge !");
    EXPECT_EQ(a.label10.colour, kResultBad);
}

TEST(Analysis, ClosedContourIsOkAndLeavesNoMarks) {
    ViewFixture f;
    f.square();
    runCheck(f.d, f.session->view, f.host, Check::Junctions, f.frame);
    f.line(20, 0, 20, 0.001); // no junction, but open
    f.d.freecount = 2;
    const Analysis open = analyse(f.d, f.session->settings.minlength);
    EXPECT_EQ(open.label9.text, "Offene Kontur(en) vorhanden !");
    EXPECT_EQ(f.d.freecount, 0);

    ViewFixture g;
    g.square();
    const Analysis closed = analyse(g.d, g.session->settings.minlength);
    EXPECT_EQ(closed.label9.text, "Ok ! Keine offene Kontur gefunden.");
    EXPECT_EQ(closed.label9.colour, kResultGood);
    EXPECT_EQ(g.d.freecount, 0);
}

TEST(Analysis, EmptyDrawingHidesTheResults) {
    ViewFixture f;
    const Analysis a = analyse(f.d, f.session->settings.minlength);
    EXPECT_EQ(a.text3, " -");
    EXPECT_EQ(a.text6, " -");
    EXPECT_FALSE(a.label9.visible);
    EXPECT_FALSE(a.label10.visible);
}

TEST(Analysis, OpeningAsksAboveFiveThousandElements) {
    ViewFixture small;
    small.line(0, 0, 1, 0);
    EXPECT_TRUE(pruefen(small.d, small.host));
    EXPECT_TRUE(small.host.questions.empty());

    ViewFixture big("N");
    for (int i = 0; i < 5001; ++i) big.line(i, 0, i, 1);
    EXPECT_FALSE(pruefen(big.d, big.host));
    ASSERT_EQ(big.host.questions.size(), 1u);
    EXPECT_EQ(big.host.questions[0].title, "Längere Berechnungszeit");
}

TEST(Analysis, LoadReadsTheSettingsAndShowsProgress) {
    ViewFixture f;
    f.line(0, 0, 0.05, 0);
    f.session->settings.minlength = 0.01; // left over; the window reads the settings anew
    BatchRunFrame fields;
    fields.reduceText = "99"; // out of range: reported, the fixed values still set
    const Analysis a = form400Load(f.d, f.session->settings, f.host, fields);
    EXPECT_EQ(a.label10.text, "Unterschreitung der Mindestlänge !");
    ASSERT_EQ(f.host.infos.size(), 2u);
    EXPECT_EQ(f.host.infos[0], "Please wait...");
    EXPECT_EQ(f.host.infos[1], "Info     ");
}

} // namespace
} // namespace vectrim
