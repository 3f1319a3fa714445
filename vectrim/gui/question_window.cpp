#include "question_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vectrim {

Form100::Form100(QWidget* mainWindow, const QString& title, const QString& text)
    : QDialog(mainWindow), main_(mainWindow) {
    setObjectName(QStringLiteral("form100"));
    setWindowTitle(title);
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(40, 40));
    picture->setAlignment(Qt::AlignTop);

    Label1 = new QLabel(text, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(220);

    Command1 = new QPushButton(tr("Ja"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command3 = new QPushButton(tr("Nein"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    connect(Command1, &QPushButton::clicked, this, &Form100::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form100::Command3_Click);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(8);
    top->addWidget(Label1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void Form100::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (main_) {
        const QRect m = main_->frameGeometry();
        move(m.left() + m.width() / 2 - frameGeometry().width() / 2,
             m.top() + m.height() / 2 - frameGeometry().height() / 2);
    }
}

void Form100::Command1_Click() {
    answer_ = QStringLiteral("J");
    accept();
}

void Form100::Command3_Click() {
    answer_ = QStringLiteral("N");
    reject();
}

char askWithForm100(QWidget* mainWindow, const QString& title, const QString& text) {
    Form100 question(mainWindow, title, text);
    question.exec();
    return question.answer() == QStringLiteral("J") ? 'J' : 'N';
}

} // namespace vectrim
