// Writes the demo drawings of the program folder: every drawing of
// drawings.h as NAME.dxf in millimetres and as iNAME.dxf in inches.
//
// usage: make_demos <folder>
#include "drawings.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demos <folder>\n");
        return 2;
    }
    // The lettering takes its outlines from the fonts, which need a GUI
    // application, also without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string folder = std::string(argv[1]) + "/";
    for (const demos::Drawing& drawing : demos::kDrawings) {
        demos::DemoDxf d;
        drawing.draw(d);
        const std::string name = std::string(drawing.name) + ".dxf";
        if (!d.write(folder + name, demos::Unit::Millimetre) ||
            !d.write(folder + "i" + name, demos::Unit::Inch)) {
            std::fprintf(stderr, "make_demos: cannot write %s into %s\n", name.c_str(), argv[1]);
            return 1;
        }
    }
    return 0;
}
