#include "app/presets.h"

#include "inspect/scaling.h"

namespace vectrim {

const WizardPreset* wizardPreset(int16_t option) {
    for (const WizardPreset& p : kWizardPresets)
        if (p.option == option) return &p;
    return nullptr;
}

bool wizardOpen(Session& s, ViewFrame& frame) {
    if (s.drawing.linecount == 0 && s.drawing.arccount == 0) {
        s.host->message("Keine Elemente vorhanden !", "Exit", Icon::Information);
        return false;
    }
    askInchConversion(s, frame);
    return true;
}

} // namespace vectrim
