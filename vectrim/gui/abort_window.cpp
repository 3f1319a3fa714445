#include "abort_window.h"

#include "app/program_folder.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vectrim {

Form1::Form1(QWidget* mainWindow, std::function<void()> restart)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint),
      main_(mainWindow),
      restart_(std::move(restart)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Vorgang abbrechen"));
    Command1 = new QPushButton(tr("Abbruch - Neustart"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumSize(200, 36);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(Command1);
    setFixedSize(sizeHint());
}

void Form1::load() {
    if (main_) {
        const QPoint corner = main_->frameGeometry().topLeft();
        const int offset = pixelsFromTwips(kAbortOffsetTwips);
        move(corner.x() + offset, corner.y() + offset);
    }
    show();
}

void Form1::unload() { hide(); }

void Form1::Command1_Click() {
    if (restart_) restart_();
}

} // namespace vectrim
