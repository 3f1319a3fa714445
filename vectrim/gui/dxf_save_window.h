// The "DXF speichern" command of the main window (menu entry savedxfm) and
// the small window in which the user picks the form of the file.
#pragma once

#include "export/dxf_save.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QPushButton;
class QRadioButton;

namespace vectrim {

// "Format" window: `Option1` "Linien und Bögen" (R12, for every CAM
// program), `Option2` "Konturen als Polylinien" (R2000), `Command1` "OK",
// `Command2` "Abbrechen".
class DxfFormWindow : public QDialog {
    Q_OBJECT
public:
    DxfFormWindow(QWidget* owner, DxfForm initial);
    DxfForm form() const;

    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

// Shows the window modally; nothing when it was cancelled. Without a user
// (VECTRIM_NONINTERACTIVE=1) it is not shown and `initial` is the answer.
std::optional<DxfForm> chooseDxfForm(QWidget* owner, DxfForm initial);

// The main window's save dialog operation: filter, title, initial folder and
// suggested name in; the chosen path out (it may end in a NUL), empty when
// cancelled.
using DxfSaveDialog =
    std::function<std::string(const std::string& filter, const std::string& title,
                              const std::string& initialFolder, const std::string& suggested)>;

// "DXF speichern": "Keine Elemente vorhanden !" when the drawing is empty;
// otherwise the form window (starting at `lastForm`, which keeps the choice),
// the save dialog (filter "CAD-Austauschformat (DXF)|*.DXF", title
// "Speichern...", the last folder, the opened DXF's name with "_opt"), and
// the save under the ".DXF" rule (savedxfAs). Returns the file written.
std::optional<std::string> savedxfm(QWidget* owner, const Drawing& d, Host& host, const MainState& state,
                                    DxfForm& lastForm, const DxfSaveDialog& saveDialog);

} // namespace vectrim
