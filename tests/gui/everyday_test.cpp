// Everyday use of the main window: decimal commas in the fields, inch
// drawings announced and asked about before the first run, no changes lost
// on closing, the wheel zoom about the pointer and the middle-button pan,
// the scale window reaching a typed size exactly, and Qt's own dialogs in
// the program's language.
#include "drawing_area.h"
#include "model/exchange_file.h"
#include "model/import_account.h"
#include "scale_window.h"
#include "translations.h"
#include "view/extents.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>

#include <cmath>

namespace vectrim {
namespace {

using namespace std::string_literals;
using test::WhenShown;
using test::WindowTest;

constexpr double kTol = 1e-9;

class Everyday : public WindowTest {
protected:
    // A loaded drawing, 5.118 x 11.02 as an inch drawing of the lettering
    // kind, with what the import declared.
    void load(int32_t insunits = -1, int32_t measurement = -1) {
        Drawing d;
        d.appendLine(0, 0, 5.118, 0);
        d.appendLine(5.118, 0, 5.118, 11.02);
        d.appendLine(5.118, 11.02, 0, 0);
        d.appendLine(0, 0, 0, 0.0001);
        ASSERT_TRUE(writeExchangeFile(dir.file("tempd.dat"), d));
        ImportAccount a;
        a.insunits = insunits;
        a.measurement = measurement;
        a.quality = 30;
        ASSERT_TRUE(writeImportAccount(dir.file("tempi.dat"), a));
        dir.write("par.dat", "/teile/schrift.dxf\0\r\n 30\r\n/teile/schrift.dxf\0\r\n"s);
        make({"1"});
        form->view().clickPause = 0;
    }
    double width() {
        Box b;
        getextents(s().drawing, b, 1);
        return b.xmax - b.xmin;
    }
    std::vector<std::string> questionTexts() {
        std::vector<std::string> out;
        for (const test::Shown& q : host.questions) out.push_back(q.text);
        return out;
    }
    // A widget position of Bild1 for a surface point.
    QPoint at(double sx, double sy) {
        const QRect r = c().Bild1->contentsRect();
        return {r.left() + static_cast<int>(std::lround(sx * r.width() / 640)),
                r.top() + static_cast<int>(std::lround(sy * r.height() / 480))};
    }
};

// ---- decimal comma -----------------------------------------------------------------

TEST_F(Everyday, TolerancesTakeADecimalComma) {
    load();
    c().ktoleranz->setText("0,05");
    c().ftoleranz->setText("5,5"); // above 5: refused, not read as 5
    c().Command4->click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Eingabe >T:Lücken schließen< außerhalb Wertbereich (0 bis 5) ");
    EXPECT_TRUE(c().ftoleranz->hasFocus() || !form->isActiveWindow());
    EXPECT_EQ(form->history().steps(), 0u); // no run

    c().ftoleranz->setText("0,2");
    c().Command4->click();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(s().settings.reducetol, 0.05);
    EXPECT_EQ(s().settings.gaptol, 0.2);
    EXPECT_EQ(c().Label20->text(), "Konvertierung beendet.        ");
}

TEST_F(Everyday, ATextThatIsNoNumberGetsTheRangeMessage) {
    load();
    for (const char* text : {"1,2,3", "abc", ""}) {
        host.messages.clear();
        c().gtoleranz->setText(QString::fromLatin1(text));
        c().Command4->click();
        ASSERT_EQ(host.messages.size(), 1u) << text;
        EXPECT_EQ(host.messages[0].text, "Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) ");
        EXPECT_EQ(form->history().steps(), 0u) << text;
        EXPECT_EQ(s().drawing.linecount, 4);
    }
}

// ---- the scale window ----------------------------------------------------------------

TEST_F(Everyday, TheScaleWindowReachesATypedSizeExactly) {
    load();
    ASSERT_EQ(c().Text2->text(), " 5.12"); // the exact width is 5.118
    auto scaleTo = [&](const char* w, const char* h) {
        WhenShown<Form399> script([&](Form399& win) {
            win.Text1->setText(QString::fromUtf8(w));
            win.Text2->setText(QString::fromUtf8(h));
            if (!*h) win.Command3->click(); // the height in proportion
            win.Command1->click();
        });
        c().massstab->trigger();
    };
    // The size shown, typed again (with a comma), changes nothing.
    const Line before = s().drawing.lines[1];
    scaleTo("5,12", "11,02");
    EXPECT_EQ(s().drawing.lines[1].x1, before.x1);
    EXPECT_EQ(s().drawing.lines[1].y2, before.y2);
    scaleTo("130", "");
    EXPECT_NEAR(width(), 130, kTol);
    EXPECT_NEAR(s().drawing.lines[1].y2, 11.02 * 130 / 5.118, 1e-6);
    scaleTo("130,5", "");
    EXPECT_NEAR(width(), 130.5, kTol);
    EXPECT_TRUE(host.messages.empty());
}

// ---- inch drawings ---------------------------------------------------------------------

TEST_F(Everyday, AnInchDrawingIsAnnouncedAndAskedAboutBeforeTheFirstRun) {
    host = test::RecordingHost("N");
    load(-1, 0); // $MEASUREMENT 0 without $INSUNITS
    EXPECT_EQ(c().Label20->text(), "Zeichnung in Inch \u2013 Maße umwandeln?");
    c().Command4->click();
    EXPECT_EQ(
        questionTexts(),
        std::vector<std::string>{"Liegt die Grafik in Inch vor ?  Maße von Inch in Millimeter umwandeln ?"});
    EXPECT_EQ(s().state.inchConverted, 0); // "N": the run as it was
    EXPECT_EQ(c().Label20->text(), "Konvertierung beendet.        ");
    c().Command4->click();
    EXPECT_EQ(host.questions.size(), 1u); // asked once
}

TEST_F(Everyday, AnsweringYesConvertsBeforeTheRun) {
    load(1, -1);
    EXPECT_EQ(c().Label20->text(), "Zeichnung in Inch \u2013 Maße umwandeln?");
    c().Command4->click();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(s().state.inchConverted, 1);
    EXPECT_NEAR(width(), 5.118 * 25.4, 1e-6);
    // The conversion and the run are two steps to take back.
    EXPECT_EQ(form->history().steps(), 2u);
}

TEST_F(Everyday, MillimetreDrawingsAreNotAskedAbout) {
    load(4, 0);
    EXPECT_EQ(c().Label20->text(), "Info:");
    c().Command4->click();
    EXPECT_TRUE(host.questions.empty());
}

// ---- no changes lost --------------------------------------------------------------------

TEST_F(Everyday, ClosingAnUnchangedDrawingAsksNothing) {
    load();
    form->close();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(Everyday, ClosingAChangedDrawingAsksFirst) {
    load();
    c().Command4->click();
    host = test::RecordingHost("NN");
    form->close(); // the window's close button
    EXPECT_EQ(questionTexts(), std::vector<std::string>{"Änderungen verwerfen ?"});
    EXPECT_EQ(host.questions[0].title, "Vectrim");
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(form->isVisible());
    c().info->trigger(); // "Beenden"
    EXPECT_EQ(questionTexts().back(), "Änderungen verwerfen ?");
    EXPECT_EQ(ended, 0);
    form->close(); // answered "J"
    EXPECT_EQ(ended, 1);
}

TEST_F(Everyday, OpeningAndReloadingAskFirstWithChanges) {
    fakeProgram("load");
    load();
    c().Command4->click();
    host = test::RecordingHost("NN");
    c().oefnen2->trigger();
    EXPECT_TRUE(dialogs.calls.empty()); // "N": no dialog
    c().Command9->click();
    EXPECT_EQ(questionTexts(),
              (std::vector<std::string>{"Änderungen verwerfen ?", "Änderungen verwerfen ?"}));
    EXPECT_EQ(ended, 0);
    // Taken back to the drawing as loaded: reloading asks nothing.
    c().Command6->click();
    c().Command9->click();
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(startedWith("load"), "1\n");
}

TEST_F(Everyday, TheDialogsStartInTheDrawingsFolder) {
    load();
    c().oefnen2->trigger();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].folder, "/teile/");
}

// ---- wheel and pan -------------------------------------------------------------------------

TEST_F(Everyday, TheWheelZoomsAboutThePointer) {
    load();
    s().view.window = {0, 0, 64, 48};
    const QPoint pointer = at(160, 360); // the drawing point (16, 12)
    auto turn = [&](int delta) {
        QWheelEvent e(pointer, c().Bild1->mapToGlobal(pointer), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(c().Bild1, &e);
    };
    const Point p =
        toModel(s().view.window, c().Bild1->surfacePoint(pointer).x(), c().Bild1->surfacePoint(pointer).y());
    turn(120); // one notch: as the zoom-in button
    const ViewWindow& w = s().view.window;
    EXPECT_NEAR(w.xmax - w.xmin, 32, kTol);
    EXPECT_NEAR(w.ymax - w.ymin, 24, kTol);
    const Point q = toModel(w, c().Bild1->surfacePoint(pointer).x(), c().Bild1->surfacePoint(pointer).y());
    EXPECT_NEAR(q.x, p.x, kTol); // the point under the pointer stays
    EXPECT_NEAR(q.y, p.y, kTol);
    turn(60); // half a notch does nothing yet
    EXPECT_NEAR(w.xmax - w.xmin, 32, kTol);
    turn(60);
    EXPECT_NEAR(w.xmax - w.xmin, 16, kTol);
    turn(-240); // two notches back: as the zoom-out button twice
    EXPECT_NEAR(w.xmax - w.xmin, 64, kTol);
    EXPECT_NEAR(w.xmin, 0, 1e-6);
    EXPECT_NEAR(w.ymin, 0, 1e-6);
}

TEST_F(Everyday, TheMiddleButtonDragsTheView) {
    load();
    s().view.window = {0, 0, 64, 48};
    QTest::mousePress(c().Bild1, Qt::MiddleButton, Qt::NoModifier, at(100, 100));
    QTest::mouseMove(c().Bild1, at(200, 150));
    QTest::mouseMove(c().Bild1, at(300, 200));
    QTest::mouseRelease(c().Bild1, Qt::MiddleButton, Qt::NoModifier, at(300, 200));
    const ViewWindow& w = s().view.window;
    const QPointF from = c().Bild1->surfacePoint(at(100, 100)), to = c().Bild1->surfacePoint(at(300, 200));
    // The drawing moved with the pointer: right and down on the screen.
    EXPECT_NEAR(w.xmin, -(to.x() - from.x()) / 10, kTol);
    EXPECT_NEAR(w.ymin, (to.y() - from.y()) / 10, kTol);
    EXPECT_NEAR(w.xmax - w.xmin, 64, kTol); // no zoom
    // The left and right clicks keep their zoom.
    QTest::mouseClick(c().Bild1, Qt::LeftButton, Qt::NoModifier, at(320, 240));
    EXPECT_NEAR(w.xmax - w.xmin, 32, kTol);
}

// ---- Qt's dialogs ---------------------------------------------------------------------------

TEST(QtTranslations, TheStandardDialogsSpeakTheProgramsLanguage) {
    QApplication& app = test::qtApp();
    installTranslations(app, QStringLiteral("de"), Program::Vectrim);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:")
        << "qt6-translations-l10n is not installed";
    removeTranslations();
}

} // namespace
} // namespace vectrim
