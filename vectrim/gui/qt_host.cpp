#include "qt_host.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>

namespace vectrim {

namespace {
QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

QtHost::QtHost() {
    if (nonInteractive()) console_ = std::make_unique<ConsoleHost>(ConsoleHost::fromEnvironment());
}

QtHost::~QtHost() = default;

void QtHost::attach(QWidget* owner, QLabel* infoLabel,
                    std::function<char(std::string_view, std::string_view)> askWindow) {
    owner_ = owner;
    infoLabel_ = infoLabel;
    askWindow_ = std::move(askWindow);
}

void QtHost::info(std::string_view text) {
    if (infoLabel_) infoLabel_->setText(qs(text));
    if (observer_) observer_->info(text);
}

void QtHost::doEvents() {
    QCoreApplication::processEvents();
    if (observer_) observer_->doEvents();
}

void QtHost::message(std::string_view text, std::string_view title, Icon icon) {
    if (observer_) return observer_->message(text, title, icon);
    if (console_) return console_->message(text, title, icon);
    QMessageBox box(boxIcon(icon), qs(title), qs(text), QMessageBox::Ok, owner_);
    box.exec();
}

char QtHost::ask(std::string_view title, std::string_view text) {
    if (observer_) return observer_->ask(title, text);
    if (console_) return console_->ask(title, text);
    return askWindow_ ? askWindow_(title, text) : 'N';
}

} // namespace vectrim
