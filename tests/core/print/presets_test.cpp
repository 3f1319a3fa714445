// The preset wizard's table and what its button does before the window
// opens: the refusal of an empty drawing and the inch question.
#include "app/drawing_unit.h"
#include "app/presets.h"
#include "fixture.h"
#include "print/page_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace vectrim {
namespace {

using test::Fixture;

TEST(WizardPresets, CaptionsAndTextsOfTheSixOptions) {
    const WizardPreset* coarse = wizardPreset(5);
    ASSERT_NE(coarse, nullptr);
    EXPECT_STREQ(coarse->caption, "Groß->  0.30 / 0.50 /  0.40 ");
    // the caption lists reduction / gaps / smoothing
    EXPECT_STREQ(coarse->reduceText, "0.3");
    EXPECT_STREQ(coarse->gapText, "0.5");
    EXPECT_STREQ(coarse->smoothText, "0.4");
    EXPECT_STREQ(wizardPreset(6)->gapText, "1.0");
    EXPECT_STREQ(wizardPreset(8)->reduceText, "0.025");
    EXPECT_STREQ(wizardPreset(3)->caption, "Klein--> 0.10  ");
    EXPECT_EQ(wizardPreset(kNoWizardChoice), nullptr);
    EXPECT_EQ(wizardPreset(2), nullptr);
    EXPECT_EQ(wizardPreset(9), nullptr);
    int numbers = 0;
    for (const WizardPreset& p : kWizardPresets) numbers += p.option;
    EXPECT_EQ(numbers, 3 + 4 + 5 + 6 + 7 + 8);
}

TEST(WizardOpening, AnEmptyDrawingIsRefused) {
    Fixture f;
    BatchViewFrame frame(f.d, f.session->view, f.host);
    frame.getmima();
    EXPECT_FALSE(wizardOpen(f.d, f.session->state.inchConverted, f.host, frame));
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].text, "Keine Elemente vorhanden !");
    EXPECT_EQ(f.host.messages[0].title, "Exit");
    EXPECT_EQ(f.host.messages[0].icon, Icon::Information);
    EXPECT_TRUE(f.host.questions.empty());
}

TEST(WizardOpening, ASmallDrawingIsAskedAboutInchesBeforeTheWindowOpens) {
    Fixture small; // 10 x 15: below 20 both ways
    small.line(0, 0, 10, 15);
    BatchViewFrame frame(small.d, small.session->view, small.host);
    frame.getmima();
    EXPECT_TRUE(wizardOpen(small.d, small.session->state.inchConverted, small.host, frame));
    ASSERT_EQ(small.host.questions.size(), 1u);
    EXPECT_EQ(small.host.questions[0].title, "Zeichnung sehr klein !");
    EXPECT_EQ(small.host.questions[0].text,
              "Liegt die Grafik in Inch vor ?  Maße von Inch in Millimeter umwandeln ?");
    EXPECT_NEAR(small.d.lines[0].x2, 254, 1e-9);
    EXPECT_NEAR(small.d.lines[0].y2, 381, 1e-9);
    EXPECT_EQ(small.session->state.inchConverted, 1);
    EXPECT_EQ(frame.widthText, " 254");

    Fixture declined("N");
    declined.line(0, 0, 10, 15);
    BatchViewFrame f2(declined.d, declined.session->view, declined.host);
    f2.getmima();
    EXPECT_TRUE(wizardOpen(declined.d, declined.session->state.inchConverted, declined.host, f2));
    EXPECT_EQ(declined.host.questions.size(), 1u);
    EXPECT_NEAR(declined.d.lines[0].x2, 10, 1e-12);

    Fixture tall; // 10 x 25: not asked
    tall.line(0, 0, 10, 25);
    BatchViewFrame f3(tall.d, tall.session->view, tall.host);
    f3.getmima();
    EXPECT_TRUE(wizardOpen(tall.d, tall.session->state.inchConverted, tall.host, f3));
    EXPECT_TRUE(tall.host.questions.empty());
    EXPECT_NEAR(tall.d.lines[0].y2, 25, 1e-12);
}

// The inch build: presets in inches, the page header in inches, and a small
// drawing is taken as it is.
TEST(InchBuild, PresetsHeaderAndNoInchQuestion) {
    setDrawingUnit(DrawingUnit::Inch);
    const WizardPreset* coarse = wizardPreset(5);
    ASSERT_NE(coarse, nullptr);
    EXPECT_STREQ(coarse->caption, "Groß->  0.012 / 0.020 /  0.016 ");
    EXPECT_STREQ(coarse->gapText, "0.02");
    EXPECT_STREQ(wizardPreset(8)->reduceText, "0.001");
    // Each inch preset is its millimetre twin divided by 25.4, rounded to
    // a thousandth of an inch (within 0.001).
    for (size_t i = 0; i < std::size(kWizardPresets); ++i) {
        const WizardPreset& mm = kWizardPresets[i];
        const WizardPreset& in = kWizardPresetsInch[i];
        EXPECT_EQ(mm.option, in.option);
        for (auto [a, b] : {std::pair{mm.reduceText, in.reduceText}, std::pair{mm.gapText, in.gapText},
                            std::pair{mm.smoothText, in.smoothText}})
            EXPECT_NEAR(std::atof(a) / 25.4, std::atof(b), 1e-3) << in.caption;
    }
    PageSetup setup;
    setup.scaleText = " 1";
    setup.heightText = " 2";
    setup.widthText = " 3";
    EXPECT_EQ(headerLine(setup), "Maßstabsfaktor:  1  /  H x B [inch]: 2 x 3");

    Fixture small;
    small.line(0, 0, 10, 15);
    BatchViewFrame frame(small.d, small.session->view, small.host);
    frame.getmima();
    EXPECT_TRUE(wizardOpen(small.d, small.session->state.inchConverted, small.host, frame));
    EXPECT_TRUE(small.host.questions.empty());
    EXPECT_NEAR(small.d.lines[0].x2, 10, 1e-12);
    setDrawingUnit(DrawingUnit::Millimetre);
}

} // namespace
} // namespace vectrim
