#include "translations.h"

#include "model/messages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vectrim {

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// The core's texts through Qt's translators; each translation is kept as
// UTF-8 for the life of the program.
std::map<std::string, std::string>& cache() {
    static std::map<std::string, std::string> texts;
    return texts;
}

const char* qtTranslation(const char* source) {
    auto [at, fresh] = cache().try_emplace(source);
    if (fresh) at->second = QCoreApplication::translate(msg::kContext, source).toStdString();
    return at->second.c_str();
}

bool add(const QString& file, const QString& folder) {
    auto t = std::make_unique<QTranslator>();
    if (!t->load(file, folder)) return false;
    QCoreApplication::installTranslator(t.get());
    installed().push_back(std::move(t));
    return true;
}

} // namespace

bool installTranslations(QCoreApplication&, const QString& language, Program program) {
    removeTranslations();
    // qt_<language>.qm gathers the catalogues of Qt's modules; English
    // needs none.
    add(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language == QLatin1String("de")) return true;
    bool ok = add(QStringLiteral("core_") + language, QStringLiteral(":/i18n"));
    if (program == Program::Vectrim)
        ok = add(QStringLiteral("vectrim_") + language, QStringLiteral(":/i18n")) && ok;
    msg::setTranslation(qtTranslation);
    return ok;
}

void removeTranslations() {
    for (auto& t : installed()) QCoreApplication::removeTranslator(t.get());
    installed().clear();
    msg::setTranslation(nullptr);
    cache().clear();
}

} // namespace vectrim
