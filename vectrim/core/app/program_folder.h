// The files and programs of the program folder, and the fixed geometry of
// the main window in twips.
#pragma once

#include <cstdint>

namespace vectrim {

inline constexpr const char* kWorkingFileName = "tempw.dat";  // settings across a hand-over
inline constexpr const char* kParFileName = "par.dat";        // which DXF to import
inline constexpr const char* kExchangeFileName = "tempd.dat"; // the imported drawing
inline constexpr const char* kLoadProgram = "load";           // the import program
inline constexpr const char* kMainProgram = "vectrim";        // this program
// The argument with which the programs start each other after an import.
inline constexpr const char* kImportArgument = "1";

// Window positions and sizes are kept in twips, 15 to a pixel.
inline constexpr int32_t kTwipsPerPixel = 15;
inline constexpr int32_t kMainWidthTwips = 14790;
inline constexpr int32_t kMainHeightTwips = 11000;
// The abort window sits this far right of and below the main window's corner.
inline constexpr int32_t kAbortOffsetTwips = 100;
// The analysis and scale windows sit this far right of and below it.
inline constexpr int32_t kDialogOffsetTwips = 200;

inline constexpr int32_t pixelsFromTwips(int32_t twips) { return twips / kTwipsPerPixel; }
inline constexpr int32_t twipsFromPixels(int32_t pixels) { return pixels * kTwipsPerPixel; }

} // namespace vectrim
