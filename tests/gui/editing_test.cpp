// The editing commands of the main window: deleting elements with the
// rubber band and by contour, the analysis window form400 and the scale
// window form399.
//
// With VECTRIM_SCREENSHOT_DIR set, the two windows are saved there as PNG.
#include "analysis_window.h"
#include "drawing_area.h"
#include "examine/selection.h"
#include "scale_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace vectrim {
namespace {

using test::WhenShown;
using test::WindowTest;

constexpr double kTol = 1e-9;

void screenshot(QWidget& w, const char* name) {
    const char* dir = std::getenv("VECTRIM_SCREENSHOT_DIR");
    if (dir && *dir) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

QColor textColour(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

// ---- deleting elements -------------------------------------------------------

class Editing : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        make();
        form->view().clickPause = 0;
    }
    // One model unit per surface unit: (x, y) is at surface (x, 480 - y).
    void fitOneToOne() {
        s().view.window = {0, 0, 640, 480};
        form->paint();
    }
    const QImage& image() { return c().Bild1->image(); }
    QPoint pixel(double x, double y) {
        return {static_cast<int>(std::floor(x * image().width() / 640)),
                static_cast<int>(std::floor((480 - y) * image().height() / 480))};
    }
    // The darkest and the lightest grey within one pixel of p (0 .. 255).
    int darkest(QPoint p) {
        return around(p, 255, [](int a, int b) { return std::min(a, b); });
    }
    int lightest(QPoint p) {
        return around(p, 0, [](int a, int b) { return std::max(a, b); });
    }
    int around(QPoint p, int start, int (*pick)(int, int)) {
        int v = start;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (image().rect().contains(p + QPoint(dx, dy)))
                    v = pick(v, qGray(image().pixel(p + QPoint(dx, dy))));
        return v;
    }
    // A pixel of the highlight colour (light magenta) within one pixel of p.
    bool highlightedAt(QPoint p) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QPoint q = p + QPoint(dx, dy);
                if (!image().rect().contains(q)) continue;
                const QColor c = image().pixelColor(q);
                if (c.red() > 200 && c.blue() > 200 && c.green() < 60) return true;
            }
        return false;
    }
    bool blank(QPoint p) { return darkest(p) == 255; }
    void press(double x, double y) { emit c().Bild1->mousePressed(Qt::LeftButton, x, 480 - y); }
    void move(double x, double y) { emit c().Bild1->mouseMoved(x, 480 - y); }
    void release(double x, double y) { emit c().Bild1->mouseReleased(Qt::LeftButton, x, 480 - y); }
    void drag(double x1, double y1, double x2, double y2) {
        press(x1, y1);
        move((x1 + x2) / 2, (y1 + y2) / 2);
        move(x2, y2);
        release(x2, y2);
    }
    // A key pressed over the view (it takes the keyboard in selection mode).
    void key(Qt::Key k) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(c().Bild1, &e);
    }
    // A mouse button of the widget itself at model point (x, y).
    void mouse(QEvent::Type type, double x, double y) {
        const QRect r = c().Bild1->contentsRect();
        const QPointF p(r.left() + x * r.width() / 640, r.top() + (480 - y) * r.height() / 480);
        QMouseEvent e(type, p, c().Bild1->mapToGlobal(p), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c().Bild1, &e);
    }
    // Two lines and an arc in the lower left, a line far right.
    void threeInsideOneOutside() {
        s().drawing.appendLine(100, 100, 200, 100);
        s().drawing.appendLine(100, 150, 200, 150);
        s().drawing.appendArc(150, 200, 20, 0, 180);
        s().drawing.appendLine(500, 100, 600, 100);
        fitOneToOne();
    }
};

TEST_F(Editing, RubberBandIsRemovedByItsSecondDrawing) {
    s().drawing.appendLine(100, 100, 500, 400);
    fitOneToOne();
    const QImage before = image().copy();

    c().eloesch->trigger();
    EXPECT_EQ(s().view.pickMode, kPickElements);
    EXPECT_EQ(c().Bild1->cursor().shape(), Qt::CrossCursor);
    const auto window = s().view.window;
    press(50, 50);
    EXPECT_EQ(s().view.dragActive, 1);
    EXPECT_EQ(s().view.window.xmin, window.xmin); // the press did not zoom
    EXPECT_EQ(s().view.window.xmax, window.xmax);
    EXPECT_EQ(image(), before);

    move(300, 350);
    EXPECT_NE(image(), before);
    EXPECT_EQ(darkest(pixel(175, 350)), 0); // white xor white: black
    move(250, 300);                         // the first band goes, the second is drawn
    EXPECT_TRUE(blank(pixel(175, 350)));
    EXPECT_EQ(darkest(pixel(175, 300)), 0);
    EXPECT_EQ(lightest(pixel(175, 200)), 255); // inside the band: untouched

    key(Qt::Key_Escape); // leaves the mode: the band is drawn once more
    EXPECT_EQ(image(), before);
    EXPECT_EQ(s().view.pickMode, 0);
    EXPECT_EQ(s().view.dragActive, 0);
    EXPECT_EQ(c().Bild1->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Editing, ElementsWhollyInsideAreHighlightedAndDeletedAfterJa) {
    threeInsideOneOutside();
    c().eloesch->trigger();
    drag(90, 90, 250, 230);
    EXPECT_EQ(s().view.dragActive, 0);
    EXPECT_EQ(test::raws(form->editor().selection()), (std::vector<int32_t>{0, 1, kArcRef}));
    EXPECT_EQ(c().Label20->text(), "Ausgewählt: 3 Element(e)");
    // highlighted in light magenta, the line outside stays black
    EXPECT_TRUE(highlightedAt(pixel(150, 100)));
    EXPECT_TRUE(highlightedAt(pixel(150, 220))); // top of the arc
    EXPECT_FALSE(highlightedAt(pixel(550, 100)));
    EXPECT_LT(darkest(pixel(550, 100)), 60);
    screenshot(*c().Bild1, "selection");

    host = test::RecordingHost("J");
    key(Qt::Key_Delete);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].title, "Vectrim");
    EXPECT_EQ(host.questions[0].text, "Ausgewählte Elemente löschen ?");
    ASSERT_EQ(s().drawing.linecount, 1);
    EXPECT_EQ(s().drawing.arccount, 0);
    EXPECT_NEAR(s().drawing.lines[0].x1, 500, kTol);
    EXPECT_EQ(s().drawing.order[0], ElementRef::line(0));
    EXPECT_EQ(c().wert1->text(), " 1");
    EXPECT_EQ(c().wert2->text(), " 0");
    EXPECT_EQ(c().Text2->text(), " 100");
    EXPECT_TRUE(form->editor().selection().empty());
    EXPECT_EQ(c().Label20->text(), "Gelöscht: 3 Element(e)");
    // repainted: the deleted elements are gone from the surface
    EXPECT_TRUE(blank(pixel(150, 100)));
    EXPECT_EQ(s().view.pickMode, kPickElements); // the mode stays for more
}

TEST_F(Editing, NothingIsDeletedAfterNein) {
    threeInsideOneOutside();
    c().eloesch->trigger();
    drag(90, 90, 250, 230);
    host = test::RecordingHost("NN");
    key(Qt::Key_Delete);
    c().eloesch->trigger(); // the menu entry chosen again asks as well
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(s().drawing.linecount, 3);
    EXPECT_EQ(s().drawing.arccount, 1);
    EXPECT_EQ(form->editor().selection().size(), 3u);
}

TEST_F(Editing, MenuEntryChosenAgainDeletesTheSelection) {
    threeInsideOneOutside();
    c().eloesch->trigger();
    drag(90, 90, 210, 160); // the two lines, not the arc
    c().eloesch->trigger();
    EXPECT_EQ(s().drawing.linecount, 1);
    EXPECT_EQ(s().drawing.arccount, 1);
}

TEST_F(Editing, MouseButtonsOfTheWidgetReachTheSelection) {
    threeInsideOneOutside();
    c().eloesch->trigger();
    mouse(QEvent::MouseButtonPress, 90, 90);
    mouse(QEvent::MouseMove, 150, 120);
    EXPECT_EQ(s().view.dragActive, 1);
    mouse(QEvent::MouseButtonRelease, 210, 160);
    EXPECT_EQ(test::raws(form->editor().selection()), (std::vector<int32_t>{0, 1}));
}

TEST_F(Editing, LeavingTheModeForgetsTheSelection) {
    threeInsideOneOutside();
    c().eloesch->trigger();
    drag(90, 90, 250, 230);
    form->breaks();
    EXPECT_EQ(s().view.pickMode, 0);
    EXPECT_TRUE(form->editor().selection().empty());
    for (const QPoint p : {pixel(150, 100), pixel(150, 150)}) {
        EXPECT_FALSE(highlightedAt(p));
        EXPECT_LT(darkest(p), 100); // drawn black again
    }
    // a left click zooms again
    press(320, 240);
    EXPECT_NEAR(s().view.window.xmax - s().view.window.xmin, 320, kTol);

    c().eloesch->trigger();
    drag(-1000, -1000, 1000, 1000);
    c().Command4->click(); // a processing run first leaves the mode
    EXPECT_EQ(s().view.pickMode, 0);
    EXPECT_TRUE(form->editor().selection().empty());
}

TEST_F(Editing, EmptyDrawingStartsNoMode) {
    c().eloesch->trigger();
    c().konl->trigger();
    EXPECT_EQ(s().view.pickMode, 0);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Keine Elemente vorhanden !");
}

TEST_F(Editing, KonturLoeschenDeletesTheWholeContourAfterJa) {
    // a closed square and an open L elsewhere
    Drawing& d = s().drawing;
    d.appendLine(100, 100, 200, 100);
    d.appendLine(200, 100, 200, 200);
    d.appendLine(200, 200, 100, 200);
    d.appendLine(100, 200, 100, 100);
    d.appendLine(400, 100, 500, 100);
    d.appendLine(500, 100, 500, 150);
    fitOneToOne();
    c().konl->trigger();
    EXPECT_EQ(s().view.pickMode, kPickContour);
    EXPECT_EQ(c().Bild1->cursor().shape(), Qt::CrossCursor);

    host = test::RecordingHost("NJ");
    press(150, 201); // within the pick distance of the top edge
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].text, "Kontur löschen ?");
    EXPECT_EQ(d.linecount, 6); // "N": all still there
    press(300, 300);           // nothing there: no question
    EXPECT_EQ(host.questions.size(), 1u);

    press(150, 201);
    ASSERT_EQ(host.questions.size(), 2u);
    ASSERT_EQ(d.linecount, 2);
    for (int i = 0; i < 2; ++i) EXPECT_GE(std::min(d.lines[i].x1, d.lines[i].x2), 400);
    EXPECT_EQ(c().wert1->text(), " 2");
    EXPECT_TRUE(blank(pixel(150, 100)));
    key(Qt::Key_Escape);
    EXPECT_EQ(s().view.pickMode, 0);
}

// ---- the direction check and its angle readout --------------------------------

TEST_F(Editing, DirectionCheckCountsCornersAndReadsTheirAngleUnderTheMouse) {
    Drawing& d = s().drawing;
    d.appendLine(100, 100, 300, 100);
    d.appendLine(300, 100, 300, 300);
    d.appendLine(300, 300, 100, 300);
    d.appendLine(100, 300, 100, 100);
    fitOneToOne();
    c().Picture13->click();
    EXPECT_EQ(c().Label3->text(), "Ecken: 4");
    EXPECT_EQ(s().view.angleReadout, 1);
    move(301, 299);
    EXPECT_EQ(c().Label2->text(), " 90 Grad");
    move(200, 200);
    EXPECT_EQ(c().Label2->text(), "");
    c().Picture19->click(); // the readout goes with the marks
    move(301, 299);
    EXPECT_EQ(s().view.angleReadout, 0);
    EXPECT_FALSE(c().Label2->isVisibleTo(form.get()));
}

// ---- the analysis window -----------------------------------------------------

TEST_F(Editing, AnalysisWindowShowsTheGeometry) {
    // an open path with a short line, and a quarter arc of radius 2
    s().drawing.appendLine(0, 0, 10, 0);
    s().drawing.appendLine(10, 0, 10, 0.05);
    s().drawing.appendArc(20, 20, 2, 0, 90);
    form->moveTwips(1500, 1200);
    WhenShown<Form400> script([&](Form400& w) {
        EXPECT_EQ(w.windowTitle(), "Analyse");
        EXPECT_EQ(w.Frame2->title(), "Geometrie");
        EXPECT_EQ(w.Label7->text(), "Kleinste Linie:");
        EXPECT_EQ(w.Label5->text(), "Kleinster Bogenumfang:");
        EXPECT_EQ(w.Label4->text(), QString::fromUtf8("Größter Radius:"));
        EXPECT_EQ(w.Label1->text(), "Kleinster Radius:");
        EXPECT_EQ(w.Abbrechen->text(), "Exit");
        EXPECT_EQ(w.Text6->text(), " .05");
        EXPECT_EQ(w.Text5->text(), " 3.142");
        EXPECT_EQ(w.Text4->text(), " 2");
        EXPECT_EQ(w.Text3->text(), " 2");
        EXPECT_EQ(w.Label9->text(), "Offene Kontur(en) vorhanden !");
        EXPECT_EQ(textColour(w.Label9), QColor(192, 0, 0));
        EXPECT_EQ(w.Label10->text(), QString::fromUtf8("Unterschreitung der Mindestlänge !"));
        EXPECT_EQ(textColour(w.Label10), QColor(192, 0, 0));
        EXPECT_TRUE(w.Label9->isVisible());
        EXPECT_EQ(w.frameGeometry().topLeft() - form->frameGeometry().topLeft(), QPoint(200 / 15, 200 / 15));
        screenshot(w, "form400_open");
        w.Abbrechen->click();
    });
    c().pruefen->trigger();
    EXPECT_EQ(script.shown, 1);
    EXPECT_EQ(c().Label20->text(), "Info     ");
    EXPECT_EQ(s().drawing.freecount, 0); // no marks left behind
}

TEST_F(Editing, AnalysisOfAClosedSquareIsGreen) {
    s().drawing.appendLine(0, 0, 10, 0);
    s().drawing.appendLine(10, 0, 10, 10);
    s().drawing.appendLine(10, 10, 0, 10);
    s().drawing.appendLine(0, 10, 0, 0);
    WhenShown<Form400> script([&](Form400& w) {
        EXPECT_EQ(w.Text6->text(), " 10");
        for (QLineEdit* t : {w.Text3, w.Text4, w.Text5}) EXPECT_EQ(t->text(), " -");
        EXPECT_EQ(w.Label9->text(), "Ok ! Keine offene Kontur gefunden.");
        EXPECT_EQ(textColour(w.Label9), QColor(0, 128, 0));
        EXPECT_EQ(w.Label10->text(), QString::fromUtf8("Ok ! Keine Unterschreitung der Mindestlänge."));
        EXPECT_EQ(textColour(w.Label10), QColor(0, 128, 0));
        screenshot(w, "form400");
        w.Abbrechen->click();
    });
    c().pruefen->trigger();
    EXPECT_EQ(script.shown, 1);
}

TEST_F(Editing, AnalysisOfAnEmptyDrawingHidesTheResults) {
    WhenShown<Form400> script([&](Form400& w) {
        for (QLineEdit* t : {w.Text3, w.Text4, w.Text5, w.Text6}) EXPECT_EQ(t->text(), " -");
        EXPECT_FALSE(w.Label9->isVisible());
        EXPECT_FALSE(w.Label10->isVisible());
        w.Abbrechen->click();
    });
    c().pruefen->trigger();
    EXPECT_EQ(script.shown, 1);
}

TEST_F(Editing, AnalysisOfMoreThan5000ElementsAsksFirst) {
    for (int i = 0; i < 5001; ++i) s().drawing.appendLine(i, 0, i + 0.5, 0);
    host = test::RecordingHost("N");
    WhenShown<Form400> script([&](Form400& w) { w.Abbrechen->click(); });
    c().pruefen->trigger();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].title, QString::fromUtf8("Längere Berechnungszeit").toStdString());
    EXPECT_EQ(host.questions[0].text, "Kontrolle fortsetzen ? Elemente>5000");
    QCoreApplication::processEvents();
    EXPECT_EQ(script.shown, 0);
}

// ---- the scale window --------------------------------------------------------

class Scaling : public Editing {
protected:
    // A 100 x 50 rectangle with a half circle of radius 10 inside.
    void rectangle() {
        Drawing& d = s().drawing;
        d.appendLine(0, 0, 100, 0);
        d.appendLine(100, 0, 100, 50);
        d.appendLine(100, 50, 0, 50);
        d.appendLine(0, 50, 0, 0);
        d.appendArc(50, 20, 10, 0, 180);
        form->getmima();
    }
};

TEST_F(Scaling, ScaleWindowShowsTheCurrentSizeAndFillsInProportion) {
    rectangle();
    form->moveTwips(1500, 1200);
    WhenShown<Form399> script([&](Form399& w) {
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Maßstab ändern"));
        EXPECT_EQ(w.Frame2->title(), QString::fromUtf8("Aktuelle Maße"));
        EXPECT_EQ(w.Frame1->title(), QString::fromUtf8("Neue Maße [Maßangabe]"));
        EXPECT_EQ(w.Frame3->title(), "Kreis-Teilung");
        EXPECT_EQ(w.Label4->text(), "Breite:");
        EXPECT_EQ(w.Label1->text(), QString::fromUtf8("Höhe:"));
        EXPECT_EQ(w.Label2->text(), "Breite:");
        EXPECT_EQ(w.Label3->text(), QString::fromUtf8("Höhe:"));
        EXPECT_EQ(w.Option1->text(), "Fein");
        EXPECT_EQ(w.Option2->text(), "Mittel");
        EXPECT_EQ(w.Option3->text(), "Grob");
        EXPECT_TRUE(w.Option1->isChecked());
        EXPECT_EQ(w.Command1->text(), "Start");
        EXPECT_EQ(w.Abbrechen->text(), "Exit");
        EXPECT_EQ(w.Text4->text(), " 100");
        EXPECT_EQ(w.Text3->text(), " 50");
        EXPECT_EQ(w.frameGeometry().topLeft() - form->frameGeometry().topLeft(), QPoint(200 / 15, 200 / 15));
        w.Text1->setText("30");
        w.Command3->click();
        EXPECT_EQ(w.Text2->text(), " 15");
        w.Text2->setText("20"); // the height counts first
        w.Command3->click();
        EXPECT_EQ(w.Text1->text(), " 40");
        screenshot(w, "form399");
        w.Abbrechen->click();
    });
    c().massstab->trigger();
    EXPECT_EQ(script.shown, 1);
    EXPECT_NEAR(s().drawing.lines[1].x1, 100, kTol); // Exit: nothing scaled
}

TEST_F(Scaling, NonPositiveSizeIsRefusedAndTheWindowStays) {
    rectangle();
    bool stillOpen = false;
    WhenShown<Form399> script([&](Form399& w) {
        w.Text1->setText("0");
        w.Text2->setText("50");
        w.Command1->click();
        stillOpen = w.isVisible();
        w.Abbrechen->click();
    });
    c().massstab->trigger();
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Eingabewert kleiner oder gleich Null !");
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
    EXPECT_NEAR(s().drawing.lines[1].x1, 100, kTol);
}

TEST_F(Scaling, DrawingScaledTo200By100KeepsItsArcs) {
    rectangle();
    s().view.markMode = 1;
    WhenShown<Form399> script([&](Form399& w) {
        w.Text1->setText("200");
        w.Text2->setText("100");
        w.Command1->click();
    });
    c().massstab->trigger();
    EXPECT_EQ(script.shown, 1);
    const Drawing& d = s().drawing;
    ASSERT_EQ(d.arccount, 1);
    EXPECT_NEAR(d.arcs[0].r, 20, kTol);
    EXPECT_NEAR(d.arcs[0].cx, 100, kTol);
    EXPECT_NEAR(d.arcs[0].cy, 40, kTol);
    EXPECT_NEAR(d.lines[1].x1, 200, kTol);
    EXPECT_NEAR(d.lines[1].y2, 100, kTol);
    EXPECT_EQ(c().Text2->text(), " 200");
    EXPECT_EQ(c().Text3->text(), " 100");
    EXPECT_EQ(c().wert1->text(), " 4");
    EXPECT_EQ(c().wert2->text(), " 1");
    EXPECT_EQ(s().view.markMode, 0);
    // the view is fitted: the 200 x 200 square plus margins, 4:3
    EXPECT_NEAR(s().view.window.ymax - s().view.window.ymin, 240, 1e-6);
}

TEST_F(Scaling, UnequalFactorsDivideTheArcsWithTheChosenQuality) {
    rectangle();
    WhenShown<Form399> script([&](Form399& w) {
        w.Option3->setChecked(true); // "Grob"
        w.Text1->setText("200");
        w.Text2->setText("50");
        w.Command1->click();
    });
    c().massstab->trigger();
    const Drawing& d = s().drawing;
    EXPECT_EQ(d.arccount, 0);
    // the half circle: length 31.4, 63 steps of 0.5 give 20, "Grob" 10
    EXPECT_EQ(d.linecount, 4 + 10);
    EXPECT_EQ(c().wert1->text(), " 14");
    EXPECT_EQ(c().Text2->text(), " 200");
    EXPECT_EQ(c().Text3->text(), " 50");
}

TEST_F(Scaling, OpeningTheScaleWindowLeavesSelectionMode) {
    rectangle();
    fitOneToOne();
    c().eloesch->trigger();
    drag(-10, -10, 300, 300);
    WhenShown<Form399> script([&](Form399& w) { w.Abbrechen->click(); });
    c().massstab->trigger();
    EXPECT_EQ(s().view.pickMode, 0);
    EXPECT_TRUE(form->editor().selection().empty());
}

TEST_F(Scaling, EmptyDrawingOpensNoScaleWindow) {
    WhenShown<Form399> script([&](Form399& w) { w.Abbrechen->click(); });
    c().massstab->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(script.shown, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Keine Elemente vorhanden !");
    EXPECT_EQ(host.messages[0].title, "Exit");
}

} // namespace
} // namespace vectrim
