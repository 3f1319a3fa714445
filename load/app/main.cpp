// load: imports the DXF named in par.dat into tempd.dat and starts the main
// program ("load 1"), or shows the variant switch window ("load 43").
// Anything else ends at once.
#include "import/build_mark.h"
#include "model/host.h"
#include "model/platform.h"
#include "qt/qt_outliner.h"
#include "status_window.h"
#include "translations.h"
#include "variant_window.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    if (commandLine != "1" && commandLine != "43") return 0;

    // Without a window system (and in batch use) the window is drawn offscreen.
    const bool headless = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
    if ((headless || vectrim::nonInteractive()) && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (vectrim::nonInteractive()) vectrim::load::quietQtMessages();
    QApplication app(argc, argv);
    // load speaks the language of the folder's main program.
    const std::optional<vectrim::load::Variant> build =
        vectrim::load::buildOf(vectrim::fileInFolder(vectrim::programFolder(), "vectrim"));
    const bool english = build && *build != vectrim::load::Variant::GermanMm;
    vectrim::installTranslations(app, english ? QStringLiteral("en") : QStringLiteral("de"),
                                 vectrim::Program::Load);

    if (commandLine == "43") {
        if (vectrim::nonInteractive()) {
            // Nobody to choose: as if the window were closed.
            std::fprintf(stderr, "[Vectrim] Please select a language [unit]:\n");
            return 0;
        }
        vectrim::load::VariantWindow form11(vectrim::programFolder());
        form11.exec();
        return 0;
    }

    vectrim::load::LoadWindow form1;
    form1.show();
    QTimer::singleShot(0, &form1, [&] {
        form1.works();
        QApplication::quit();
    });
    return app.exec();
}
