#include "app/presets.h"

#include "inspect/scaling.h"

namespace vectrim {

const WizardPreset* wizardPreset(int16_t option) {
    for (const WizardPreset& p : kWizardPresets)
        if (p.option == option) return &p;
    return nullptr;
}

bool wizardOpen(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame, bool* asked) {
    if (d.linecount == 0 && d.arccount == 0) {
        host.message(msg::kNoElements, msg::kTitleExit, Icon::Information);
        return false;
    }
    const bool inchAsked = askInchConversion(d, inchConverted, host, frame);
    if (asked) *asked = inchAsked;
    return true;
}

} // namespace vectrim
