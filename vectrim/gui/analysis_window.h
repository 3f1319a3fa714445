// The analysis window "Analyse": in the frame "Geometrie" the shortest line,
// the shortest arc, the largest and the smallest radius, then whether open
// contours exist and whether an element is shorter than the minimum length.
// Modal; it sits 200 twips right of and below the main window's corner.
#pragma once

#include "examine/analysis.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vectrim {

class Form400 : public QDialog {
    Q_OBJECT
public:
    explicit Form400(QWidget* mainWindow);

    // Shows the values and results of the analysis.
    void fill(const Analysis& a);

    QGroupBox* Frame2 = nullptr; // "Geometrie"
    QLabel* Label7 = nullptr;    // "Kleinste Linie:"
    QLineEdit* Text6 = nullptr;
    QLabel* Label5 = nullptr; // "Kleinster Bogenumfang:"
    QLineEdit* Text5 = nullptr;
    QLabel* Label4 = nullptr; // "Größter Radius:"
    QLineEdit* Text4 = nullptr;
    QLabel* Label1 = nullptr; // "Kleinster Radius:"
    QLineEdit* Text3 = nullptr;
    QLabel* Label9 = nullptr;         // open contours
    QLabel* Label10 = nullptr;        // minimum length
    QPushButton* Abbrechen = nullptr; // "Exit"

public slots:
    void Abbrechen_Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* main_;
};

// Shows a result label: its text, colour and visibility.
void showResult(QLabel* label, const ResultLabel& r);

// Places a dialog of the main window 200 twips right of and below the main
// window's top-left corner.
void placeBesideMain(QWidget* dialog, const QWidget* mainWindow);

} // namespace vectrim
