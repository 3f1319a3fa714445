// The build of the main program: language, unit, manual and tolerance
// defaults. Each executable (vectrim, vectrimi, vectrimg) is the same
// windows with a tiny source file of its own that names its build and
// carries its mark "VECTRIM-BUILD=<code>", by which the variant switch of
// load tells the builds apart after it has renamed them.
#pragma once

#include "app/drawing_unit.h"

namespace vectrim {

struct Build {
    const char* mark;     // "VECTRIM-BUILD=en-mm" and the like, once in the executable
    const char* language; // "en" or "de"
    DrawingUnit unit;
    const char* manual; // what "Hilfe" opens: "info-e.pdf" or "info.pdf"
    // The tolerance fields at start (reduction, gaps, smoothing).
    const char* reduceText;
    const char* gapText;
    const char* smoothText;
};

// The German millimetre build; the windows show it unless a program sets
// another (tests set each in turn).
extern const Build kGermanMmBuild;

void setBuild(const Build& build);
const Build& currentBuild();

// The program: the windows of the build, run until the user quits.
int programMain(int argc, char** argv, const Build& build);

} // namespace vectrim
