// The main window's menu entry "Drucken": the print window form77.
#include "print/form77.h"
#include "window/form16.h"

namespace vectrim {

void Form16::druck_Click() {
    Session& s = *session_;
    if (s.drawing.linecount == 0 && s.drawing.arccount == 0) {
        host_.message("Keine Elemente vorhanden !", "Exit", Icon::Information);
        return;
    }
    Form77Options options;
    options.folder = folder_;
    Form77 window(this, s, *this, *dialogs_, options);
    window.exec();
    update(); // every control of the main window is drawn anew
}

} // namespace vectrim
