// The working file tempw.dat and the settings profiles (*.PRO), 10 lines:
//   1 InchConverted   2 WizardChoice   3 reserved " 0"
//   4 reduction, 5 gap-closing, 6 smoothing tolerance: the boxes' texts
//   7 reserved "30"   8 reserved "1"   9 window Top   10 window Left (twips)
#pragma once

#include <cstdint>
#include <string>

namespace vectrim {

// The texts the tolerance boxes get when settings cannot be read or written.
inline constexpr const char* kDefaultReduceText = "0.3";
inline constexpr const char* kDefaultGapText = "1";
inline constexpr const char* kDefaultSmoothText = "0.2";

struct WorkingData {
    int16_t inchConverted = 0;
    int16_t wizardChoice = -1;
    std::string reduceText = "0.3"; // ktoleranz
    std::string gapText = "0.2";    // ftoleranz
    std::string smoothText = "0.2"; // gtoleranz
    int32_t top = 0;                // twips
    int32_t left = 0;

    void resetTolerances() {
        reduceText = kDefaultReduceText;
        gapText = kDefaultGapText;
        smoothText = kDefaultSmoothText;
    }
};

// Writes the 10 lines (the file is replaced only when all were written). On
// failure the tolerance texts of `data` are reset to the defaults.
bool writesettings(const std::string& file, WorkingData& data);

// Reads the 10 lines into `data`. On failure (missing file, too few lines, a
// value that does not fit) the tolerance texts become the defaults and the
// position Top 200, Left 200; values read before the failure stay.
bool loaddats(const std::string& file, WorkingData& data);

} // namespace vectrim
