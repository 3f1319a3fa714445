#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace vectrim {

QTranslator* installQtTranslations(QCoreApplication& app, const QString& language) {
    auto* qt = new QTranslator(&app);
    // qt_<language>.qm gathers the catalogues of Qt's modules.
    if (!qt->load(QLocale(language), QStringLiteral("qt"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return nullptr;
    }
    QCoreApplication::installTranslator(qt);
    return qt;
}

} // namespace vectrim
