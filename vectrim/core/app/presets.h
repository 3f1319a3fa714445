// The preset wizard: six presets for the three tolerances of the processing
// run, the choice it remembers (WizardChoice), and what the wizard button of
// the main window does before the window opens.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/messages.h"
#include "view/view_frame.h"

#include <cstdint>
#include <span>

namespace vectrim {

// One preset: the number of its option button (3 .. 8), its caption and the
// texts it writes into ktoleranz (reduction), ftoleranz (gaps) and
// gtoleranz (smoothing).
struct WizardPreset {
    int16_t option;
    const char* caption;
    const char* reduceText; // ktoleranz
    const char* gapText;    // ftoleranz
    const char* smoothText; // gtoleranz
};

// In the order the window lists them, fine to coarse. The captions give
// reduction / gaps / smoothing, the order of the heading.
inline constexpr WizardPreset kWizardPresets[6] = {
    {8, msg::kPresetFine, "0.025", "0.1", "0.1"}, {7, msg::kPresetFiner, "0.05", "0.05", "0.05"},
    {3, msg::kPresetSmall, "0.1", "0.1", "0.1"},  {4, msg::kPresetMedium, "0.2", "0.2", "0.2"},
    {5, msg::kPresetLarge, "0.3", "0.5", "0.4"},  {6, msg::kPresetLarger, "0.5", "1.0", "0.6"}};

// The inch build's presets: the same steps in thousandths of an inch.
inline constexpr WizardPreset kWizardPresetsInch[6] = {{8, msg::kPresetFineInch, "0.001", "0.004", "0.004"},
                                                       {7, msg::kPresetFinerInch, "0.002", "0.002", "0.002"},
                                                       {3, msg::kPresetSmallInch, "0.004", "0.004", "0.004"},
                                                       {4, msg::kPresetMediumInch, "0.008", "0.008", "0.008"},
                                                       {5, msg::kPresetLargeInch, "0.012", "0.02", "0.016"},
                                                       {6, msg::kPresetLargerInch, "0.02", "0.04", "0.024"}};

// The presets of the build's unit (captions untranslated: msg::tr them).
std::span<const WizardPreset> wizardPresets();

// WizardChoice when no preset has been chosen.
inline constexpr int16_t kNoWizardChoice = -1;

// The preset of an option number in the build's unit, or null.
const WizardPreset* wizardPreset(int16_t option);

// The wizard button before its window opens: refuses an empty drawing with
// "Keine Elemente vorhanden !" (false), and asks whether a drawing smaller
// than 20 x 20 is in inch (converting it on any answer but "N"); `asked`,
// when given, tells whether it asked.
bool wizardOpen(Drawing& d, int16_t& inchConverted, Host& host, ViewFrame& frame, bool* asked = nullptr);

} // namespace vectrim
