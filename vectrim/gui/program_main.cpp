// The main program of every build. Started without argument it shows an
// empty drawing; started with an argument (normally "1", by the import
// program) it reads the imported drawing and the settings handed over.
#include "build.h"
#include "kgeom_api.h"
#include "main_window.h"
#include "model/host.h"
#include "snapshot.h"
#include "translations.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace vectrim {

int programMain(int argc, char** argv, const Build& build) {
    setBuild(build);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    installTranslations(app, QString::fromLatin1(build.language), Program::Vectrim);

    std::string why;
    if (!kg::load(&why)) {
        const QString text =
            QCoreApplication::translate("vectrim::Form16",
                                        "Die Geometriebibliothek libkgeom.so konnte nicht geladen werden:") +
            QStringLiteral("\n") + QString::fromStdString(why);
        std::fprintf(stderr, "[Error] %s\n", text.toLocal8Bit().constData());
        if (!nonInteractive()) QMessageBox::critical(nullptr, QStringLiteral("Error"), text);
        return 1;
    }

    Form16::Options options;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) options.args.push_back(arguments[i].toStdString());
    Form16 window(options);

    // An automated run: a picture of the window once it has started, then end.
    const char* snapshot = std::getenv("VECTRIM_SNAPSHOT");
    const std::string png = snapshot ? snapshot : "";
    int result = 0;
    if (!png.empty()) {
        QObject::connect(&window, &Form16::firstActivationDone, &window, [&] {
            QTimer::singleShot(200, &window, [&] {
                if (!writeSnapshot(window, png)) result = 1;
                QCoreApplication::exit(result);
            });
        });
    }
    window.show();
    const int code = app.exec();
    return code != 0 ? code : result;
}

} // namespace vectrim
