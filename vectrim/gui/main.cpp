// vectrim: the main program. Started without argument it shows an empty
// drawing; started with an argument (normally "1", by the import program) it
// reads the imported drawing and the settings handed over.
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    vectrim::installQtTranslations(app, QString::fromLatin1(vectrim::kProgramLanguage));

    std::string why;
    if (!kg::load(&why)) {
        const QString text =
            QStringLiteral("Die Geometriebibliothek libkgeom.so konnte nicht geladen werden:\n") +
            QString::fromStdString(why);
        std::fprintf(stderr, "[Error] %s\n", text.toLocal8Bit().constData());
        if (!vectrim::nonInteractive()) QMessageBox::critical(nullptr, QStringLiteral("Error"), text);
        return 1;
    }

    vectrim::Form16::Options options;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) options.args.push_back(arguments[i].toStdString());
    vectrim::Form16 window(options);

    // An automated run: a picture of the window once it has started, then end.
    const char* snapshot = std::getenv("VECTRIM_SNAPSHOT");
    const std::string png = snapshot ? snapshot : "";
    int result = 0;
    if (!png.empty()) {
        QObject::connect(&window, &vectrim::Form16::firstActivationDone, &window, [&] {
            QTimer::singleShot(200, &window, [&] {
                if (!vectrim::writeSnapshot(window, png)) result = 1;
                QCoreApplication::exit(result);
            });
        });
    }
    window.show();
    const int code = app.exec();
    return code != 0 ? code : result;
}
