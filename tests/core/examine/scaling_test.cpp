// Scaling the drawing, dividing arcs, the scale window's fields and the inch
// conversion.
#include "examine/scaling.h"
#include "model/numtext.h"
#include "pipeline/elements.h"
#include "view/extents.h"
#include "view_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vectrim {
namespace {

using test::ViewFixture;

constexpr double kTol = 1e-9;

// A 100 x 50 frame with a circle of radius 10 and a quarter arc inside.
struct Plate : ViewFixture {
    explicit Plate(std::string answers = {}) : ViewFixture(std::move(answers)) {
        line(0, 0, 100, 0);
        line(100, 0, 100, 50);
        line(100, 50, 0, 50);
        line(0, 50, 0, 0);
        arc(30, 25, 10, 0, 360);
        arc(70, 25, 5, 0, 90);
        frame.getmima();
    }
    // Scale as the window does with the given new size.
    bool scaleTo(const std::string& w, const std::string& h, DivisionQuality q = DivisionQuality::None) {
        ScaleForm form = form399Load(frame);
        form.text1 = w;
        form.text2 = h;
        form.quality = q;
        return applyScale(d, host, form);
    }
};

TEST(Scaling, UniformFactorKeepsArcs) {
    Plate f;
    EXPECT_EQ(f.frame.widthText, " 100");
    EXPECT_EQ(f.frame.heightText, " 50");
    ASSERT_TRUE(f.scaleTo("200", "100"));
    ASSERT_EQ(f.d.arccount, 2);
    EXPECT_NEAR(f.d.arcs[0].cx, 60, kTol);
    EXPECT_NEAR(f.d.arcs[0].cy, 50, kTol);
    EXPECT_NEAR(f.d.arcs[0].r, 20, kTol);
    EXPECT_EQ(f.d.arcs[1].a2, 90); // angles stay as they were
    EXPECT_NEAR(f.d.lines[1].x1, 200, kTol);
    EXPECT_NEAR(f.d.lines[1].y2, 100, kTol);
    const DrawingSize size = measureDrawing(f.d);
    EXPECT_NEAR(size.width, 200, kTol);
    EXPECT_NEAR(size.height, 100, kTol);
}

TEST(Scaling, UnequalFactorsDivideArcsFirst) {
    Plate f;
    ASSERT_TRUE(f.scaleTo("200", "50"));
    EXPECT_EQ(f.d.arccount, 0);
    // The quarter arc (7.85 long) gives 16 lines, the circle (62.8) 20; they
    // come last, the last arc first.
    ASSERT_EQ(f.d.linecount, 4 + 16 + 20);
    for (int32_t i = 20; i < 40; ++i) {
        const Line& l = f.d.lines[i];
        // The circle became an ellipse with half axes 20 and 10 about (60, 25).
        EXPECT_NEAR(std::pow((l.x1 - 60) / 20, 2) + std::pow((l.y1 - 25) / 10, 2), 1, kTol);
    }
    const DrawingSize size = measureDrawing(f.d);
    EXPECT_NEAR(size.width, 200, kTol);
    EXPECT_NEAR(size.height, 50, kTol);
}

TEST(Scaling, NearlyEqualFactorsCountAsUniform) {
    Plate f;
    ASSERT_TRUE(f.scaleTo("200.04", "100"));
    ASSERT_EQ(f.d.arccount, 2);
    EXPECT_NEAR(f.d.arcs[0].r, 10 * 2.0004, kTol);
    EXPECT_NEAR(f.d.arcs[0].cy, 25 * 2.0004, kTol); // both axes take the width's factor
    EXPECT_NEAR(f.d.lines[1].y2, 50 * 2.0004, kTol);
}

TEST(Scaling, NonPositiveSizeIsRefused) {
    Plate f;
    for (const char* bad : {"0", "-5", "abc", "", "1,2,3"}) {
        f.host.messages.clear();
        EXPECT_FALSE(f.scaleTo(bad, "100")) << bad;
        EXPECT_FALSE(f.scaleTo("100", bad)) << bad;
        ASSERT_EQ(f.host.messages.size(), 2u);
        EXPECT_EQ(f.host.messages[0].text, "Eingabewert kleiner oder gleich Null !");
        EXPECT_EQ(f.host.messages[0].title, "Error");
        EXPECT_EQ(f.host.messages[0].icon, Icon::Critical);
        EXPECT_EQ(f.d.lines[1].x1, 100);
    }
}

TEST(Scaling, AbsurdSizeIsRefused) {
    Plate f;
    EXPECT_FALSE(f.scaleTo("1e300", "1e300"));
    EXPECT_FALSE(f.scaleTo("1e400", "50"));
    EXPECT_EQ(f.host.messages.at(0).text, "Eingabewert zu groß !");
    EXPECT_EQ(f.host.messages.at(1).text, "Eingabewert zu groß !");
    EXPECT_EQ(f.d.lines[1].x1, 100);

    // The size fields of the main window can be typed over: the 100 x 50
    // plate said to be 0.01 wide would grow to 10^10 wide.
    f.host.messages.clear();
    f.frame.widthText = " 0.01";
    EXPECT_FALSE(f.scaleTo("1000000", "50"));
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].text, "Eingabewert zu groß !");
    EXPECT_EQ(f.d.lines[1].x1, 100);
    EXPECT_EQ(f.d.arccount, 2); // not divided either
}

TEST(Scaling, DrawingWithoutWidthTakesTheHeightFactor) {
    ViewFixture f;
    f.line(0, 0, 0, 10);
    f.frame.getmima();
    ScaleForm form = form399Load(f.frame);
    form.text1 = "5";
    form.text2 = "30";
    ASSERT_TRUE(applyScale(f.d, f.host, form));
    EXPECT_EQ(f.d.lines[0].x2, 0);
    EXPECT_NEAR(f.d.lines[0].y2, 30, kTol);
}

TEST(Scaling, ProportionButtonFillsTheOtherValue) {
    Plate f;
    ScaleForm form = form399Load(f.frame);
    form.text2 = "75";
    proportion(f.host, form);
    EXPECT_EQ(form.text1, " 150");
    form = form399Load(f.frame);
    form.text1 = "33.3333333";
    proportion(f.host, form);
    EXPECT_EQ(form.text2, " 16.666667"); // rounded to 6 decimals
    form = form399Load(f.frame);
    form.text1 = "-3";
    proportion(f.host, form);
    EXPECT_EQ(form.text2, "");
    EXPECT_EQ(f.host.messages.at(0).text, "Eingabewert kleiner oder gleich Null !");
}

// The size fields show the extent rounded; the drawing's exact extent stands
// for it, so a typed size is reached exactly and the size shown changes
// nothing. Commas read as decimal points.
TEST(Scaling, TypedSizesAreReachedExactly) {
    struct Case {
        const char *width, *height;
        double newWidth, newHeight;
    };
    const Case cases[] = {
        {"5.12", "11.02", 5.118, 11.02}, {"5,12", "11,02", 5.118, 11.02},   {"130", "11.02", 130, 11.02},
        {"130,5", "280", 130.5, 280},    {" 5.12 ", "22.04", 5.118, 22.04},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.line(0, 0, 5.118, 0);
        f.line(0, 0, 0, 11.02);
        f.frame.getmima();
        f.frame.widthText = " 5.12"; // as the main window shows it
        ScaleForm form = form399Load(f.frame, f.d);
        form.text1 = c.width;
        form.text2 = c.height;
        ASSERT_TRUE(applyScale(f.d, f.host, form)) << c.width;
        EXPECT_NEAR(f.d.lines[0].x2, c.newWidth, kTol) << c.width;
        EXPECT_NEAR(f.d.lines[1].y2, c.newHeight, kTol) << c.height;
    }
    // The proportion button works from the exact extent too.
    ViewFixture f;
    f.line(0, 0, 5.118, 0);
    f.line(0, 0, 0, 11.02);
    f.frame.getmima();
    ScaleForm form = form399Load(f.frame, f.d);
    form.text1 = "130";
    proportion(f.host, form);
    EXPECT_EQ(form.text2, numberText(std::round(11.02 * 130 / 5.118 * 1e6) / 1e6));
    form.text1 = "1,2,3";
    form.text2 = "";
    proportion(f.host, form);
    EXPECT_EQ(f.host.messages.at(0).text, "Eingabewert kleiner oder gleich Null !");
}

TEST(Scaling, EmptyDrawingOpensNoWindow) {
    ViewFixture f;
    EXPECT_FALSE(massstabOpen(f.d, f.host, f.frame));
    EXPECT_EQ(f.host.messages.at(0).text, "Keine Elemente vorhanden !");
    EXPECT_EQ(f.host.messages.at(0).title, "Exit");
    EXPECT_EQ(f.frame.breaksCalls, 1);
}

TEST(Scaling, AfterTheWindowMarksGoAndTheViewFits) {
    Plate f;
    f.d.freecount = 5;
    f.session->view.markMode = 2;
    massstabClosed(f.frame);
    EXPECT_EQ(f.d.freecount, 0);
    EXPECT_EQ(f.session->view.markMode, 0);
    EXPECT_LT(f.session->view.window.xmin, 0);
    EXPECT_GT(f.session->view.window.xmax, 100);
    EXPECT_EQ(f.frame.counts, 1);
}

// ---- dividing arcs ----

Arc arcOfLength(double length, double r) {
    const double degrees = length / r * 180 / M_PI;
    return Arc{0, 0, r, 10, 10 + degrees, 3};
}

TEST(DivideArcs, SegmentCounts) {
    const Arc forty = arcOfLength(40, 20);
    EXPECT_EQ(divisionCount(forty, DivisionQuality::Fein), 20);
    EXPECT_EQ(divisionCount(forty, DivisionQuality::Mittel), 15);
    EXPECT_EQ(divisionCount(forty, DivisionQuality::Grob), 10);
    EXPECT_EQ(divisionCount(forty, DivisionQuality::None), 20); // taken as "Fein"
    const Arc two = arcOfLength(2, 2);
    EXPECT_EQ(divisionCount(two, DivisionQuality::Grob), 3);   // 4 -> 6 -> 3
    EXPECT_EQ(divisionCount(two, DivisionQuality::Mittel), 4); // 4.5 -> 4
    EXPECT_EQ(divisionCount(arcOfLength(12, 10), DivisionQuality::Fein), 24);
    EXPECT_EQ(divisionCount(arcOfLength(14.9, 10), DivisionQuality::Fein), 30);
    EXPECT_EQ(divisionCount(arcOfLength(15.6, 10), DivisionQuality::Fein), 20); // 31 -> 20
    EXPECT_EQ(divisionCount(arcOfLength(1, 100), DivisionQuality::Fein), 0);    // flat
}

TEST(DivideArcs, LinesFollowTheArc) {
    ViewFixture f;
    f.line(0, 0, 1, 0);
    const Arc a = arcOfLength(40, 20);
    f.d.appendArc(a.cx, a.cy, a.r, a.a1, a.a2, 3);
    ASSERT_TRUE(dividearcs(f.d, f.host, DivisionQuality::Grob));
    ASSERT_EQ(f.d.arccount, 0);
    ASSERT_EQ(f.d.linecount, 11);
    const Point s = arcStart(a), e = arcEnd(a);
    EXPECT_NEAR(f.d.lines[1].x1, s.x, kTol);
    EXPECT_NEAR(f.d.lines[1].y1, s.y, kTol);
    EXPECT_NEAR(f.d.lines[10].x2, e.x, kTol);
    EXPECT_NEAR(f.d.lines[10].y2, e.y, kTol);
    for (int32_t i = 1; i <= 10; ++i) {
        const Line& l = f.d.lines[i];
        EXPECT_NEAR(std::hypot(l.x1, l.y1), 20, kTol);
        EXPECT_NEAR(lineLength(l), 2 * 20 * std::sin(0.1), kTol); // chord of a tenth of 2 rad
        EXPECT_EQ(l.contour, 3);
        if (i > 1) {
            EXPECT_EQ(l.x1, f.d.lines[i - 1].x2);
        }
        EXPECT_EQ(f.d.order[i].raw(), i);
    }
}

TEST(DivideArcs, FlatArcBecomesItsChord) {
    ViewFixture f;
    const Arc a = arcOfLength(1, 100);
    f.d.appendArc(a.cx, a.cy, a.r, a.a1, a.a2);
    ASSERT_TRUE(dividearcs(f.d, f.host, DivisionQuality::Fein));
    ASSERT_EQ(f.d.linecount, 1);
    EXPECT_NEAR(f.d.lines[0].x2, arcEnd(a).x, kTol);
}

TEST(DivideArcs, SameTablesAsDeletingTheLastArcEachTime) {
    ViewFixture f;
    f.arc(0, 0, 5, 0, 90);
    f.line(0, 0, 1, 1);
    f.arc(10, 0, 0.5, 90, 45);
    f.line(2, 2, 3, 3);
    f.arc(20, 0, 3, 300, 30);
    Drawing expected = f.d;
    while (expected.arccount > 0) {
        const int32_t k = expected.arccount - 1;
        const Arc a = expected.arcs[k];
        const int32_t n = divisionCount(a, DivisionQuality::Mittel);
        deletearc(expected, k);
        if (n < 2) {
            const Point s = arcStart(a), e = arcEnd(a);
            expected.appendLine(s.x, s.y, e.x, e.y, a.contour);
            continue;
        }
        const double a1 = a.a1 * kDegToRad, step = arcsweep(a1, a.a2 * kDegToRad) / n;
        for (int32_t i = 0; i < n; ++i) {
            const double t0 = a1 + i * step, t1 = a1 + (i + 1) * step;
            expected.appendLine(a.r * std::cos(t0) + a.cx, a.r * std::sin(t0) + a.cy,
                                a.r * std::cos(t1) + a.cx, a.r * std::sin(t1) + a.cy, a.contour);
        }
    }
    ASSERT_TRUE(dividearcs(f.d, f.host, DivisionQuality::Mittel));
    ASSERT_EQ(f.d.linecount, expected.linecount);
    for (int32_t i = 0; i < f.d.linecount; ++i) {
        EXPECT_NEAR(f.d.lines[i].x1, expected.lines[i].x1, kTol) << i;
        EXPECT_NEAR(f.d.lines[i].y2, expected.lines[i].y2, kTol) << i;
        EXPECT_EQ(f.d.order[i], expected.order[i]) << i;
    }
}

TEST(DivideArcs, FullLineTableIsReportedAndNothingChanges) {
    ViewFixture f;
    for (int32_t i = 0; i < kMaxElements - 10; ++i) f.line(i, 0, i, 1);
    const Arc a = arcOfLength(40, 20);
    f.d.appendArc(a.cx, a.cy, a.r, a.a1, a.a2);
    f.frame.getmima();
    ScaleForm form = form399Load(f.frame);
    form.text1 = "10";
    form.text2 = "200";
    EXPECT_FALSE(applyScale(f.d, f.host, form));
    EXPECT_EQ(f.host.messages.at(0).text, "Linienspeicher voll !");
    EXPECT_EQ(f.d.linecount, kMaxElements - 10);
    EXPECT_EQ(f.d.arccount, 1);
    EXPECT_EQ(f.d.lines[5].x1, 5); // not scaled either
}

// ---- inch ----

TEST(Inch, ConvertedOnceAndBackAgain) {
    Plate f;
    const Drawing before = f.d;
    wandel1(f.d, f.session->state.inchConverted, f.host, f.frame);
    EXPECT_EQ(f.host.questions.at(0).text, "Maße von Inch in Millimeter umwandeln ?");
    EXPECT_EQ(f.host.questions.at(0).title, "Vectrim");
    EXPECT_EQ(f.session->state.inchConverted, 1);
    EXPECT_NEAR(f.d.lines[1].x1, 2540, kTol);
    EXPECT_NEAR(f.d.arcs[0].r, 254, kTol);
    EXPECT_EQ(f.frame.widthText, " 2540");
    EXPECT_EQ(f.frame.breaksCalls, 1);

    wandel1(f.d, f.session->state.inchConverted, f.host, f.frame);
    EXPECT_EQ(f.host.messages.at(0).text, "Maße wurden bereits umgewandelt !");
    EXPECT_EQ(f.host.questions.size(), 1u);
    EXPECT_NEAR(f.d.lines[1].x1, 2540, kTol);

    mzurueck(f.d, f.session->state.inchConverted, f.host, f.frame);
    EXPECT_EQ(f.host.questions.at(1).text, "Zurück ?");
    EXPECT_EQ(f.session->state.inchConverted, 0);
    auto same = [](double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b)); };
    for (int32_t i = 0; i < f.d.linecount; ++i) {
        EXPECT_TRUE(same(f.d.lines[i].x1, before.lines[i].x1));
        EXPECT_TRUE(same(f.d.lines[i].y2, before.lines[i].y2));
    }
    for (int32_t i = 0; i < f.d.arccount; ++i) {
        EXPECT_TRUE(same(f.d.arcs[i].cx, before.arcs[i].cx));
        EXPECT_TRUE(same(f.d.arcs[i].r, before.arcs[i].r));
    }
    mzurueck(f.d, f.session->state.inchConverted, f.host, f.frame); // nothing to undo: no question
    EXPECT_EQ(f.host.questions.size(), 2u);
}

TEST(Inch, DeclinedQuestionChangesNothing) {
    Plate f("N");
    wandel1(f.d, f.session->state.inchConverted, f.host, f.frame);
    EXPECT_EQ(f.session->state.inchConverted, 0);
    EXPECT_EQ(f.d.lines[1].x1, 100);
}

TEST(Inch, WizardAsksForSmallDrawingsEvenAfterAConversion) {
    ViewFixture small;
    small.line(0, 0, 10, 15);
    small.frame.getmima();
    small.session->state.inchConverted = 1;
    EXPECT_TRUE(askInchConversion(small.d, small.session->state.inchConverted, small.host, small.frame));
    EXPECT_EQ(small.host.questions.at(0).title, "Zeichnung sehr klein !");
    EXPECT_EQ(small.host.questions.at(0).text,
              "Liegt die Grafik in Inch vor ?  Maße von Inch in Millimeter umwandeln ?");
    EXPECT_NEAR(small.d.lines[0].y2, 381, kTol);
    EXPECT_EQ(small.session->state.inchConverted, 1);
    EXPECT_EQ(small.frame.breaksCalls, 1);

    ViewFixture tall;
    tall.line(0, 0, 10, 25);
    tall.frame.getmima();
    EXPECT_FALSE(askInchConversion(tall.d, tall.session->state.inchConverted, tall.host, tall.frame));
    EXPECT_TRUE(tall.host.questions.empty());
}

} // namespace
} // namespace vectrim
