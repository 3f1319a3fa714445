// vectrimi: the main program in English, inches. The windows are the same in every
// build; only this file differs.
#include "build.h"

namespace {
// The mark by which load's variant switch knows this build.
const char kMark[] = "VECTRIM-BUILD=en-inch";
const vectrim::Build kBuild{kMark,
                            "en",
                            vectrim::DrawingUnit::Inch,
                            "info-e.pdf",
                            VECTRIM_INCH_REDUCE,
                            VECTRIM_INCH_GAPS,
                            VECTRIM_INCH_SMOOTH};
} // namespace

int main(int argc, char** argv) { return vectrim::programMain(argc, argv, kBuild); }
