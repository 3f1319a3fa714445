// The preset wizard form43, headless, opened from the main window.
#include "model/working_file.h"
#include "window_fixture.h"
#include "wizard_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>

namespace vectrim {
namespace {

class WizardWindow : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        make();
    }
    void drawing(double w, double h) {
        s().drawing.appendLine(0, 0, w, 0);
        s().drawing.appendLine(w, 0, w, h);
        form->getmima();
        form->trunder();
    }
    // Opens the wizard with ">> Assistent <<" and runs `act` in it; false
    // when no wizard window opened.
    bool withWizard(const std::function<void(Form43&)>& act) {
        bool opened = false;
        // A timer of this call only: when no window opens, it must not fire
        // later into another test's window.
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* w = qobject_cast<Form43*>(modal)) {
                opened = true;
                act(*w);
                if (w->isVisible()) w->Command3->click();
            } else if (modal) {
                modal->close();
            }
        });
        timer.start(0);
        c().Command10->click();
        return opened;
    }
};

TEST_F(WizardWindow, ShowsItsFramesOptionsNoteAndButtons) {
    drawing(100, 50);
    EXPECT_TRUE(withWizard([&](Form43& w) {
        EXPECT_EQ(w.objectName(), "form43");
        EXPECT_EQ(w.windowTitle(), "Assistent");
        EXPECT_EQ(w.Frame3->title(), "Einstellungen");
        EXPECT_EQ(w.Frame2->title(), "T [mm]:  Reduktion / Lücken / Glätten");
        EXPECT_EQ(w.Frame4->title(), "Aktion");
        EXPECT_EQ(w.Label1->text(),
                  "Werte sind versuchsweise zu ermitteln. Mehrmalige Bearbeitungen sind möglich.");
        EXPECT_EQ(w.Command2->text(), "Werte eintragen");
        EXPECT_EQ(w.Command1->text(), "Werte eintragen - Bearbeitung starten");
        EXPECT_EQ(w.Command3->text(), "Schließen");
        const std::pair<const char*, const char*> options[] = {
            {"Option8", "Fein---> 0.025  /  0.10 /  0.10"},
            {"Option7", "Fein---> 0.05"},
            {"Option3", "Klein--> 0.10  "},
            {"Option4", "Mittel->  0.20"},
            {"Option5", "Groß->  0.30 / 0.50 /  0.40 "},
            {"Option6", "Groß--> 0.50  /  1.00  /  0.60 "}};
        for (const auto& [name, caption] : options) {
            auto* b = w.findChild<QRadioButton*>(name);
            ASSERT_NE(b, nullptr) << name;
            EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << name;
            EXPECT_FALSE(b->isChecked()) << name; // WizardChoice is -1 at start
        }
        EXPECT_NE(w.findChild<QLabel*>("Picture1"), nullptr);
        // centred on the main window
        EXPECT_NEAR(w.frameGeometry().center().x(), form->frameGeometry().center().x(), 2);
        EXPECT_NEAR(w.frameGeometry().center().y(), form->frameGeometry().center().y(), 2);
        w.Command2->click(); // nothing chosen: nothing written
    }));
    EXPECT_EQ(c().ktoleranz->text(), "0.3");
    EXPECT_EQ(c().ftoleranz->text(), "0.2");
    EXPECT_EQ(c().gtoleranz->text(), "0.2");
}

TEST_F(WizardWindow, WritesThePresetAndShowsTheLastChoiceWhenReopened) {
    drawing(100, 50);
    EXPECT_TRUE(withWizard([](Form43& w) {
        w.Option5->click();
        w.Command2->click();
        EXPECT_TRUE(w.isVisible()); // "Werte eintragen" leaves the window open
    }));
    EXPECT_EQ(c().ktoleranz->text(), "0.3"); // Reduktion
    EXPECT_EQ(c().ftoleranz->text(), "0.5"); // Lücken
    EXPECT_EQ(c().gtoleranz->text(), "0.4"); // Glätten
    EXPECT_EQ(s().state.wizardChoice, 5);
    EXPECT_TRUE(withWizard([](Form43& w) {
        EXPECT_TRUE(w.Option5->isChecked());
        EXPECT_FALSE(w.Option6->isChecked());
    }));
    // the choice travels with the working data of a hand-over
    EXPECT_EQ(form->workingData().wizardChoice, 5);
}

TEST_F(WizardWindow, TheStartButtonWritesClosesAndRunsWithTheNewValues) {
    drawing(100, 50);
    EXPECT_TRUE(withWizard([](Form43& w) {
        w.Option6->click();
        w.Command1->click();
        EXPECT_FALSE(w.isVisible()); // closed before the run starts
        EXPECT_EQ(w.startRun(), true);
    }));
    EXPECT_EQ(c().ktoleranz->text(), "0.5");
    EXPECT_EQ(c().ftoleranz->text(), "1.0");
    EXPECT_EQ(c().gtoleranz->text(), "0.6");
    EXPECT_EQ(c().Label20->text(), "Konvertierung beendet.        ");
    EXPECT_DOUBLE_EQ(s().settings.reducetol, 0.5);
    EXPECT_DOUBLE_EQ(s().settings.gaptol, 1.0);
    EXPECT_DOUBLE_EQ(s().settings.smoothtol, 0.6);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WizardWindow, AsksAboutInchesForASmallDrawingBeforeTheWindowOpens) {
    drawing(10, 15);
    size_t askedBefore = 0;
    EXPECT_TRUE(withWizard([&](Form43&) { askedBefore = host.questions.size(); }));
    EXPECT_EQ(askedBefore, 1u);
    EXPECT_EQ(host.questions[0].title, "Zeichnung sehr klein !");
    EXPECT_EQ(c().Text2->text(), " 254"); // converted on "J"
    EXPECT_EQ(s().state.inchConverted, 1);

    s().drawing.clear();
    host.questions.clear();
    drawing(10, 25);
    EXPECT_TRUE(withWizard([](Form43&) {}));
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(WizardWindow, AnEmptyDrawingOpensNoWindow) {
    EXPECT_FALSE(withWizard([](Form43&) {}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Keine Elemente vorhanden !");
    EXPECT_EQ(host.messages[0].title, "Exit");
}

} // namespace
} // namespace vectrim
