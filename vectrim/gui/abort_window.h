// The abort window "Vorgang abbrechen", shown during a processing run. Its
// one button ends the program through a fresh import of the current DXF, so
// that a new main program comes back with the drawing as imported and the
// current settings.
#pragma once

#include <QWidget>

#include <functional>

class QPushButton;

namespace vectrim {

class Form1 : public QWidget {
    Q_OBJECT
public:
    // `restart` performs the restart; `mainWindow` places the window. The
    // window has no parent: it must stay usable while the main window is
    // disabled. Its owner deletes it.
    Form1(QWidget* mainWindow, std::function<void()> restart);

    // Shows the window, placed 100 twips right of and below the main
    // window's top-left corner.
    void load();
    void unload();

    QPushButton* Command1 = nullptr; // "Abbruch - Neustart"

public slots:
    void Command1_Click();

private:
    QWidget* main_;
    std::function<void()> restart_;
};

} // namespace vectrim
