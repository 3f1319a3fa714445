#include "app/presets.h"

#include "app/drawing_unit.h"
#include "examine/scaling.h"

namespace vectrim {

std::span<const WizardPreset> wizardPresets() {
    if (drawingUnit() == DrawingUnit::Inch) return kWizardPresetsInch;
    return kWizardPresets;
}

const WizardPreset* wizardPreset(int16_t option) {
    for (const WizardPreset& p : wizardPresets())
        if (p.option == option) return &p;
    return nullptr;
}

bool wizardOpen(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame, bool* asked) {
    if (d.linecount == 0 && d.arccount == 0) {
        host.message(msg::tr(msg::kNoElements), msg::tr(msg::kTitleExit), Icon::Information);
        return false;
    }
    // The inch build's drawings are in inches: no question.
    const bool inchAsked =
        drawingUnit() == DrawingUnit::Millimetre && askInchConversion(d, inchConverted, host, frame);
    if (asked) *asked = inchAsked;
    return true;
}

} // namespace vectrim
