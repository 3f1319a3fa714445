// form43 "Assistent": six presets for the three tolerances of the processing
// run. "Werte eintragen" writes the chosen preset into the main window's
// fields; "Werte eintragen - Bearbeitung starten" writes them, closes the
// window and asks for the run to start; "Schließen" closes it. The choice is
// kept in WizardChoice, so the next opening shows it again.
#pragma once

#include <QDialog>

#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vectrim {

// The main window's three tolerance fields.
struct ToleranceFields {
    QLineEdit* ktoleranz = nullptr; // reduction
    QLineEdit* ftoleranz = nullptr; // gap closing
    QLineEdit* gtoleranz = nullptr; // smoothing
};

class Form43 : public QDialog {
    Q_OBJECT
public:
    // `wizardChoice` is the main window's WizardChoice: read when the window
    // loads, written by the option buttons.
    Form43(QWidget* mainWindow, int16_t& wizardChoice, ToleranceFields fields);

    // True once "Werte eintragen - Bearbeitung starten" closed the window.
    bool startRun() const { return startRun_; }

    QGroupBox* Frame3 = nullptr; // "Einstellungen"
    QGroupBox* Frame2 = nullptr; // "T [mm]:  Reduktion / Lücken / Glätten"
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QRadioButton* Option7 = nullptr;
    QRadioButton* Option8 = nullptr;
    QGroupBox* Frame4 = nullptr;     // "Aktion"
    QPushButton* Command2 = nullptr; // "Werte eintragen"
    QPushButton* Command1 = nullptr; // "Werte eintragen - Bearbeitung starten"
    QPushButton* Command3 = nullptr; // "Schließen"
    QLabel* Label1 = nullptr;        // the note
    QLabel* Picture1 = nullptr;      // an image

    // The option button of a preset number 3 .. 8, or null.
    QRadioButton* option(int16_t number) const;

public slots:
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();
    void Option_Click(int16_t number);

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* main_;
    int16_t& choice_;
    ToleranceFields fields_;
    bool startRun_ = false;
};

} // namespace vectrim
