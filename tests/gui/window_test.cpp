// The main window: its controls, start-up, the small commands, quitting,
// help, the question and abort windows and the processing run's wiring.
#include "abort_window.h"
#include "drawing_area.h"
#include "examine/selection.h"
#include "file_dialogs.h"
#include "model/numtext.h"
#include "question_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace vectrim {
namespace {

using test::WindowTest;

QString text(QObject* o) {
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    return {};
}

TEST_F(WindowTest, ControlsCarryTheirNamesAndCaptions) {
    make();
    const std::pair<const char*, const char*> captions[] = {{"dateien", "Datei"},
                                                            {"oefnen2", "DXF öffnen"},
                                                            {"savedxfm", "DXF speichern"},
                                                            {"druck", "Drucken"},
                                                            {"info", "Beenden"},
                                                            {"pruefen", "Analyse"},
                                                            {"massstab", "Maßstab ändern"},
                                                            {"loeschem", "Löschen"},
                                                            {"konl", "Kontur löschen"},
                                                            {"eloesch", "Element(e) löschen"},
                                                            {"wandel", "Inch -> Millimeter"},
                                                            {"wandel1", "Maße umwandeln"},
                                                            {"mzurueck", "Zurück"},
                                                            {"help", "Hilfe"},
                                                            {"Command1", "Laden"},
                                                            {"Command2", "Speichern"},
                                                            {"Command3", "Aus: T=0"},
                                                            {"Command5", "Aus: T=0"},
                                                            {"Command81", "Aus: T=0"},
                                                            {"Command4", ">> Starten <<"},
                                                            {"Command10", ">> Assistent <<"},
                                                            {"Command9", "<< DXF neu laden >>"},
                                                            {"Command6", "Zurück"},
                                                            {"Command7", "Alles zurück"},
                                                            {"ktoleranz", "0.3"},
                                                            {"ftoleranz", "0.2"},
                                                            {"gtoleranz", "0.2"},
                                                            {"eitoleranz", "0.3"},
                                                            {"Check1", "Fenster minimieren"},
                                                            {"Check2", "Runde Linie-Linie"},
                                                            {"wert1", "0"},
                                                            {"wert2", "0"},
                                                            {"Label3", "Kontrolle"}};
    for (const auto& [name, caption] : captions) {
        QObject* o = form->findChild<QObject*>(QString::fromLatin1(name));
        ASSERT_NE(o, nullptr) << name;
        EXPECT_EQ(text(o), QString::fromUtf8(caption)) << name;
    }
    const std::pair<const char*, const char*> frames[] = {{"1-Reduktion  /T:0...5/", "ktoleranz"},
                                                          {"2-Lücken schließen /T:0..5/", "ftoleranz"},
                                                          {"3-Grafik glätten  /T:0...2/", "gtoleranz"},
                                                          {"4-Einschnitte aufsetzen", "eitoleranz"},
                                                          {"Bearbeitung starten", "Command4"},
                                                          {"Bearbeitung starten", "Command10"},
                                                          {"Einstellungen", "Command2"},
                                                          {"Elemente", "wert1"},
                                                          {"Ansicht", "Picture9"},
                                                          {"Kontrolle", "Picture19"},
                                                          {"Zeichnungsmaße [mm]:", "Text3"}};
    for (const auto& [title, name] : frames) {
        QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        QGroupBox* box = nullptr;
        for (QWidget* p = w->parentWidget(); p && !box; p = p->parentWidget())
            box = qobject_cast<QGroupBox*>(p);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->title(), QString::fromUtf8(title)) << name;
    }
    const std::pair<const char*, const char*> tips[] = {
        {"Picture9", "Show all"},
        {"Picture1", "Paint new"},
        {"Picture8", "Endpunkte"},
        {"Picture13", "Richtungsänderungen größer als 0.1 Grad"},
        {"Picture15", "Offene Kontur"},
        {"Picture16", "Schnittpunkte"},
        {"Picture19", "Markierungen ausblenden"},
        {"Picture18", "Elemente kleiner 0,1 mm."}};
    for (const auto& [name, tip] : tips) {
        auto* b = form->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(tip)) << name;
        EXPECT_FALSE(b->icon().isNull()) << name;
    }
    for (const char* name : {"Picture17", "Picture11", "Picture12", "Bild1", "Text2", "Label20", "Label2"})
        EXPECT_NE(form->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    // menu order: Datei with its four entries, then the commands and menus
    const QList<QAction*> bar = form->menuBar()->actions();
    QStringList top;
    for (QAction* a : bar) top << a->text();
    EXPECT_EQ(top, (QStringList{"Datei", "Analyse", QString::fromUtf8("Maßstab ändern"),
                                QString::fromUtf8("Löschen"), "Inch -> Millimeter", "Hilfe"}));
}

TEST_F(WindowTest, HasTheFixedSizeAndNothingIsClipped) {
    make();
    EXPECT_EQ(form->width() * 15, 14790);
    EXPECT_EQ(form->height(), 11000 / 15);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const QRect inside = form->rect();
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()) continue;
        const QRect r(w->mapTo(form.get(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(inside.contains(r)) << w->objectName().toStdString();
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << w->objectName().toStdString();
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << w->objectName().toStdString();
        }
    }
    // the drawing area keeps the 4:3 shape of the surface
    const QImage& image = c().Bild1->image();
    EXPECT_EQ(image.width() * 3, image.height() * 4);
    EXPECT_GE(image.width(), 640);
}

TEST_F(WindowTest, StartsWithTheTipAnEmptyDrawingAndTheStartWindow) {
    make();
    EXPECT_EQ(form->windowTitle(), "Vectrim");
    EXPECT_EQ(c().Label20->text(),
              QString::fromUtf8("Tip: Das Installationsverzeichnis enthält einige Demo-DXF\u2013"
                                "Dateien. Kontrolle der Kurvenglätte => Ecken."));
    const ViewWindow& w = s().view.window;
    EXPECT_EQ(w.xmin, 0);
    EXPECT_EQ(w.ymin, 0);
    EXPECT_EQ(w.xmax, 639);
    EXPECT_EQ(w.ymax, 479);
    EXPECT_EQ(s().state.wizardChoice, -1);
    EXPECT_EQ(s().state.inchConverted, 0);
    EXPECT_EQ(c().Text2->text(), " 0");
    EXPECT_EQ(c().Text3->text(), " 0");
    EXPECT_TRUE(c().Picture18->isVisible());
    EXPECT_TRUE(host.messages.empty());
    // centred on the screen, in twips, even where that is left of it (the
    // headless platform may add a frame of a few pixels)
    const QRect screen = form->screen()->geometry();
    EXPECT_NEAR(form->leftTwips(), (screen.width() * 15 - 14790) / 2, 3 * 15);
    EXPECT_NEAR(form->topTwips(), (screen.height() * 15 - 11000) / 2, 3 * 15);
}

TEST_F(WindowTest, OffButtonsWriteZeroWithALeadingBlank) {
    make();
    c().Command3->click();
    c().Command5->click();
    c().Command81->click();
    EXPECT_EQ(c().ktoleranz->text(), " 0");
    EXPECT_EQ(c().ftoleranz->text(), " 0");
    EXPECT_EQ(c().gtoleranz->text(), " 0");
    EXPECT_EQ(c().eitoleranz->text(), "0.3");
}

TEST_F(WindowTest, SizeFieldsShowTheDrawingRoundedTo2Decimals) {
    make();
    s().drawing.appendLine(0, 0, 12.3456, 0);
    s().drawing.appendLine(0, 0, 0, 7.004999);
    double w = 0, h = 0;
    form->getmima(w, h);
    EXPECT_DOUBLE_EQ(w, 12.3456);
    EXPECT_DOUBLE_EQ(h, 7.005);
    EXPECT_EQ(c().Text2->text(), " 12.35");
    EXPECT_EQ(c().Text3->text(), " 7"); // 7.005 rounds half to even: 7.00
}

TEST_F(WindowTest, ReloadWithoutADrawingIsRefused) {
    make();
    c().Command9->click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Keine Zeichnung aktiv.");
    EXPECT_EQ(host.messages[0].title, "Exit");
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
    EXPECT_EQ(ended, 0);
}

TEST_F(WindowTest, QuittingAsksAndNeinLeavesEverything) {
    make();
    s().drawing.appendLine(0, 0, 1, 1);
    host = test::RecordingHost("N");
    s().view.pickMode = kPickElements;
    c().info->trigger();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].title, "Vectrim");
    EXPECT_EQ(host.questions[0].text, "Beenden ?");
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(s().drawing.linecount, 1);
    EXPECT_EQ(s().view.pickMode, 0); // the selection mode was left first
    host = test::RecordingHost("J");
    c().info->trigger();
    EXPECT_EQ(ended, 1);
}

TEST_F(WindowTest, HelpReportsAMissingManual) {
    make();
    c().help->trigger();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Fehler ! Dokument INFO.PDF konnte nicht geöffnet werden.");
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_EQ(host.messages[0].icon, Icon::None);
    dir.write("INFO.PDF", "%PDF-1.4\n");
    c().help->trigger(); // found whatever the case of its name; no viewer without a user
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST(FileDialogFilter, OffersEachPatternInBothCases) {
    EXPECT_EQ(qtNameFilter("CAD-Austauschformat (DXF)|*.dxf|"), "CAD-Austauschformat (DXF) (*.dxf *.DXF)");
    EXPECT_EQ(qtNameFilter("Profilwerte: Einstellungen (*.PRO)|*.PRO"),
              "Profilwerte: Einstellungen (*.pro *.PRO)");
    EXPECT_EQ(qtNameFilter("Einstellungen: Profilwerte |*.PRO|Alle|*|"),
              "Einstellungen: Profilwerte (*.pro *.PRO);;Alle (*)");
}

TEST_F(WindowTest, QuestionWindowAnswersJaOrNeinAndClosingMeansNein) {
    make();
    for (const char* button : {"Command1", "Command3", ""}) {
        QTimer::singleShot(0, [button] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            EXPECT_EQ(modal->windowTitle(), "Vectrim");
            EXPECT_EQ(modal->findChild<QLabel*>("Label1")->text(), "Beenden ?");
            if (*button)
                modal->findChild<QPushButton*>(button)->click();
            else
                modal->close();
        });
        const char answer = askWithForm100(form.get(), "Vectrim", "Beenden ?");
        EXPECT_EQ(answer, std::string(button) == "Command1" ? 'J' : 'N') << button;
    }
    Form100 q(form.get(), "T", "Q");
    EXPECT_EQ(q.Command1->text(), "Ja");
    EXPECT_EQ(q.Command3->text(), "Nein");
    q.show();
    const QPoint centre = q.frameGeometry().center();
    EXPECT_NEAR(centre.x(), form->frameGeometry().center().x(), 2);
    EXPECT_NEAR(centre.y(), form->frameGeometry().center().y(), 2);
}

TEST_F(WindowTest, RemovingTheMarksResetsTheLabelsAndRedraws) {
    make();
    s().view.markMode = 2;
    s().view.angleReadout = 1;
    s().drawing.freecount = 3;
    c().Label3->setText("Ecken: 3");
    c().Label2->setVisible(true);
    c().Picture19->click();
    EXPECT_EQ(s().view.markMode, 0);
    EXPECT_EQ(s().view.angleReadout, 0);
    EXPECT_EQ(s().drawing.freecount, 0);
    EXPECT_EQ(c().Label3->text(), "Kontrolle");
    EXPECT_FALSE(c().Label2->isVisible());
}

TEST_F(WindowTest, CheckButtonsShowTheirResultUnderKontrolle) {
    make();
    s().drawing.appendLine(0, 0, 10, 0); // an open corner
    s().drawing.appendLine(10, 0, 10, 10);
    c().Picture15->click();
    EXPECT_EQ(c().Label3->text(), "Offene Kontur");
    EXPECT_EQ(c().Label2->text(), QString::fromUtf8("Vorhanden !"));
    EXPECT_TRUE(c().Label2->isVisibleTo(form.get()));
    EXPECT_EQ(c().Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(s().view.markMode, 2);
    EXPECT_EQ(s().drawing.freecount, 2);
    c().Picture8->click();
    EXPECT_EQ(c().Label3->text(), "Endpunkte");
    EXPECT_EQ(s().view.markMode, 1);
    c().Picture19->click();
    EXPECT_EQ(s().view.markMode, 0);
    EXPECT_FALSE(c().Label2->isVisibleTo(form.get()));
}

TEST_F(WindowTest, InchConversionScalesByTheMenuAndBack) {
    make();
    s().drawing.appendLine(0, 0, 2, 1);
    c().wandel1->trigger();
    EXPECT_EQ(s().state.inchConverted, 1);
    EXPECT_EQ(c().Text2->text(), " 50.8");
    c().mzurueck->trigger();
    EXPECT_EQ(s().state.inchConverted, 0);
    EXPECT_EQ(c().Text2->text(), " 2");
}

TEST_F(WindowTest, ZoomButtonsAndClicksChangeTheView) {
    make();
    s().drawing.appendLine(0, 0, 100, 100);
    c().Picture9->click();
    const double fitted = s().view.window.xmax - s().view.window.xmin;
    EXPECT_NEAR(fitted, 160, 1e-6);
    c().Picture17->click();
    EXPECT_NEAR(s().view.window.xmax - s().view.window.xmin, 80, 1e-6);
    c().Picture11->click();
    EXPECT_NEAR(s().view.window.xmax - s().view.window.xmin, 160, 1e-6);
    form->view().clickPause = 0;
    emit c().Bild1->mousePressed(Qt::LeftButton, 320, 240);
    EXPECT_NEAR(s().view.window.xmax - s().view.window.xmin, 80, 1e-6);
    emit c().Bild1->mousePressed(Qt::RightButton, 320, 240);
    EXPECT_NEAR(s().view.window.xmax - s().view.window.xmin, 176, 1e-6);
}

TEST_F(WindowTest, StartButtonRunsTheProcessingWithTheFields) {
    make();
    s().drawing.appendLine(0, 0, 10, 0);
    c().Check1->setChecked(true);
    c().Command4->click();
    EXPECT_EQ(c().Label20->text(), "Konvertierung beendet.        ");
    EXPECT_FALSE(c().Check1->isChecked());
    EXPECT_EQ(s().state.busyflag, 0);
    EXPECT_TRUE(form->isEnabled());

    c().ktoleranz->setText("7");
    c().Command4->click();
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().text, "Eingabe >T:Reduktion< außerhalb Wertbereich (0 bis 5) ");
    EXPECT_EQ(s().state.busyflag, 0);
}

TEST_F(WindowTest, AbortWindowSitsBesideTheMainWindowAndFollowsItsState) {
    make();
    Form1& abort = form->abortWindow();
    EXPECT_EQ(abort.windowTitle(), "Vorgang abbrechen");
    EXPECT_EQ(abort.Command1->text(), "Abbruch - Neustart");
    form->moveTwips(1500, 1200);
    form->showAbortWindow();
    EXPECT_TRUE(abort.isVisible());
    EXPECT_EQ(abort.frameGeometry().topLeft() - form->frameGeometry().topLeft(), QPoint(100 / 15, 100 / 15));
    // the main window is disabled during a run; the abort window is not
    form->setWindowEnabled(false);
    EXPECT_TRUE(abort.isEnabled());
    EXPECT_TRUE(abort.Command1->isEnabled());
    form->setWindowEnabled(true);

    s().state.busyflag = 1;
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(abort.isVisible());
    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(abort.isVisible());
    s().state.busyflag = 0;
    form->unloadAbortWindow();
    EXPECT_FALSE(abort.isVisible());
}

} // namespace
} // namespace vectrim
