// Writes the default settings profiles of the program folder in the format
// that "Laden" reads: default.pro with the tolerances the main window starts
// with (millimetres) and defaulti.pro with the inch tolerances given.
//
// usage: make_profiles <default.pro> <defaulti.pro> <reduce> <gaps> <smooth>
#include "model/working_file.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: make_profiles <default.pro> <defaulti.pro> <reduce> <gaps> <smooth>\n");
        return 2;
    }
    vectrim::WorkingData mm; // the main window's tolerance texts
    vectrim::WorkingData inch;
    inch.reduceText = argv[3];
    inch.gapText = argv[4];
    inch.smoothText = argv[5];
    if (!vectrim::writesettings(argv[1], mm) || !vectrim::writesettings(argv[2], inch)) {
        std::fprintf(stderr, "make_profiles: cannot write the profiles\n");
        return 1;
    }
    return 0;
}
