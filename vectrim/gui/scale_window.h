// The scale window "Maßstab ändern": the current size of the drawing, the
// new size, a button that fills in the other new value in proportion, the
// arc division quality for unequal factors, "Start" and "Exit". Modal; it
// sits 200 twips right of and below the main window's corner.
#pragma once

#include "examine/scaling.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vectrim {

class Form399 : public QDialog {
    Q_OBJECT
public:
    // `start` holds the current size (form399Load); the window scales `d`
    // and tells `frame` (when given) before it does.
    Form399(QWidget* mainWindow, Drawing& d, Host& host, const ScaleForm& start, ViewFrame* frame = nullptr);

    // The fields as the scale commands read them.
    ScaleForm fields() const;

    QGroupBox* Frame2 = nullptr;      // "Aktuelle Maße"
    QLabel* Label4 = nullptr;         // "Breite:"
    QLineEdit* Text4 = nullptr;       // current width
    QLabel* Label1 = nullptr;         // "Höhe:"
    QLineEdit* Text3 = nullptr;       // current height
    QGroupBox* Frame1 = nullptr;      // "Neue Maße [Maßangabe]"
    QLabel* Label2 = nullptr;         // "Breite:"
    QLineEdit* Text1 = nullptr;       // new width
    QLabel* Label3 = nullptr;         // "Höhe:"
    QLineEdit* Text2 = nullptr;       // new height
    QPushButton* Command3 = nullptr;  // the other value in proportion
    QGroupBox* Frame3 = nullptr;      // "Kreis-Teilung"
    QRadioButton* Option1 = nullptr;  // "Fein"
    QRadioButton* Option2 = nullptr;  // "Mittel"
    QRadioButton* Option3 = nullptr;  // "Grob"
    QPushButton* Command1 = nullptr;  // "Start"
    QPushButton* Abbrechen = nullptr; // "Exit"

public slots:
    void Command3_Click();
    void Command1_Click();
    void Abbrechen_Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* main_;
    Drawing& d_;
    Host& host_;
    ScaleForm start_;
    ViewFrame* frame_;
};

} // namespace vectrim
