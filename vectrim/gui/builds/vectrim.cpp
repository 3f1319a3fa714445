// vectrim: the main program in English, millimetres. The windows are the same in every
// build; only this file differs.
#include "build.h"

namespace {
// The mark by which load's variant switch knows this build.
const char kMark[] = "VECTRIM-BUILD=en-mm";
const vectrim::Build kBuild{kMark, "en", vectrim::DrawingUnit::Millimetre, "info-e.pdf", "0.3", "0.2", "0.2"};
} // namespace

int main(int argc, char** argv) { return vectrim::programMain(argc, argv, kBuild); }
