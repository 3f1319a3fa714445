// The preset wizard: six presets for the three tolerances of the processing
// run, the choice it remembers (WizardChoice), and what the wizard button of
// the main window does before the window opens.
#pragma once

#include "view/view_frame.h"

#include <cstdint>

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
    {8, "Fein---> 0.025  /  0.10 /  0.10", "0.025", "0.1", "0.1"},
    {7, "Fein---> 0.05", "0.05", "0.05", "0.05"},
    {3, "Klein--> 0.10  ", "0.1", "0.1", "0.1"},
    {4, "Mittel->  0.20", "0.2", "0.2", "0.2"},
    {5, "Groß->  0.30 / 0.50 /  0.40 ", "0.3", "0.5", "0.4"},
    {6, "Groß--> 0.50  /  1.00  /  0.60 ", "0.5", "1.0", "0.6"}};

// WizardChoice when no preset has been chosen.
inline constexpr int16_t kNoWizardChoice = -1;

// The preset of an option number, or null.
const WizardPreset* wizardPreset(int16_t option);

// The wizard button before its window opens: refuses an empty drawing with
// "Keine Elemente vorhanden !" (false), and asks whether a drawing smaller
// than 20 x 20 is in inch (converting it on any answer but "N").
bool wizardOpen(Session& s, ViewFrame& frame);

} // namespace vectrim
