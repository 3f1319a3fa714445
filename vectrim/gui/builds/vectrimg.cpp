// vectrimg: the main program in German, millimetres. The windows are the same in every
// build; only this file differs.
#include "build.h"

namespace {
// The mark by which load's variant switch knows this build.
const char kMark[] = "VECTRIM-BUILD=de-mm";
const vectrim::Build kBuild{kMark, "de", vectrim::DrawingUnit::Millimetre, "info.pdf", "0.3", "0.2", "0.2"};
} // namespace

int main(int argc, char** argv) { return vectrim::programMain(argc, argv, kBuild); }
