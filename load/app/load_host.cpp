#include "load_host.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>

namespace vectrim::load {

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
        case Icon::Critical: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Exclamation: return QMessageBox::Warning;
        case Icon::Information: return QMessageBox::Information;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

LoadHost::LoadHost(QLineEdit* status)
    : status_(status), console_(nonInteractive()), consoleHost_(ConsoleHost::fromEnvironment()) {}

void LoadHost::info(std::string_view text) {
    if (status_) {
        status_->setText(qtext(text));
        status_->repaint();
    }
    if (console_) consoleHost_.info(text);
}

void LoadHost::doEvents() { QCoreApplication::processEvents(); }

void LoadHost::message(std::string_view text, std::string_view title, Icon icon) {
    if (console_) {
        consoleHost_.message(text, title, icon);
        return;
    }
    QMessageBox box(boxIcon(icon), qtext(title), qtext(text), QMessageBox::Ok,
                    status_ ? status_->window() : nullptr);
    box.exec();
}

char LoadHost::ask(std::string_view title, std::string_view text) {
    if (console_) return consoleHost_.ask(title, text);
    const auto answer = QMessageBox::question(status_ ? status_->window() : nullptr, qtext(title),
                                              qtext(text), QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::No ? 'N' : 'J';
}

} // namespace vectrim::load
