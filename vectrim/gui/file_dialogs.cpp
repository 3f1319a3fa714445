#include "file_dialogs.h"

#include "model/host.h"

#include <QFileDialog>
#include <QStringList>

namespace vectrim {

namespace {
QString qs(const std::string& text) { return QString::fromStdString(text); }

std::string result(const QString& chosen) {
    if (chosen.isEmpty()) return {};
    std::string r = chosen.toStdString();
    r.push_back('\0');
    return r;
}
} // namespace

std::string qtNameFilter(const std::string& filter) {
    QStringList parts = qs(filter).split(QLatin1Char('|'));
    if (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& variant : {p.trimmed().toLower(), p.trimmed().toUpper()})
                if (!patterns.contains(variant)) patterns << variant;
        }
        // A description that names its pattern already keeps it only once.
        QString description = parts[i].trimmed();
        const QString named = QStringLiteral("(") + parts[i + 1].trimmed() + QLatin1Char(')');
        if (description.endsWith(named)) description = description.chopped(named.size()).trimmed();
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;")).toStdString();
}

std::string QtFileDialogs::open(QWidget* owner, const std::string& filter, const std::string& title,
                                const std::string& initialFolder) {
    if (nonInteractive()) return {};
    return result(
        QFileDialog::getOpenFileName(owner, qs(title), qs(initialFolder), qs(qtNameFilter(filter))));
}

std::string QtFileDialogs::save(QWidget* owner, const std::string& filter, const std::string& title,
                                const std::string& initialFolder, const std::string& suggested) {
    if (nonInteractive()) return {};
    QString start = qs(initialFolder);
    if (!suggested.empty()) start += qs(suggested);
    return result(QFileDialog::getSaveFileName(owner, qs(title), start, qs(qtNameFilter(filter))));
}

} // namespace vectrim
