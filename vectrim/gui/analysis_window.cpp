#include "analysis_window.h"

#include "app/program_folder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vectrim {

namespace {

constexpr int kValueWidth = 110; // the value fields

QString qs(const std::string& text) { return QString::fromStdString(text); }

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit* valueField(const char* name) {
    auto* t = named(new QLineEdit, name);
    t->setReadOnly(true);
    t->setAlignment(Qt::AlignRight);
    t->setFixedWidth(kValueWidth);
    return t;
}

} // namespace

void placeBesideMain(QWidget* dialog, const QWidget* mainWindow) {
    if (!mainWindow) return;
    const QPoint corner = mainWindow->frameGeometry().topLeft();
    const int offset = pixelsFromTwips(kDialogOffsetTwips);
    dialog->move(corner + QPoint(offset, offset));
}

void showResult(QLabel* label, const ResultLabel& r) {
    label->setText(qs(r.text));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(r.colour.r, r.colour.g, r.colour.b));
    label->setPalette(p);
    label->setVisible(r.visible);
}

Form400::Form400(QWidget* mainWindow) : QDialog(mainWindow), main_(mainWindow) {
    setObjectName(QStringLiteral("form400"));
    setWindowTitle(tr("Analyse"));
    setModal(true);

    Frame2 = named(new QGroupBox(tr("Geometrie")), "Frame2");
    Label7 = named(new QLabel(tr("Kleinste Linie:")), "Label7");
    Text6 = valueField("Text6");
    Label5 = named(new QLabel(tr("Kleinster Bogenumfang:")), "Label5");
    Text5 = valueField("Text5");
    Label4 = named(new QLabel(tr("Größter Radius:")), "Label4");
    Text4 = valueField("Text4");
    Label1 = named(new QLabel(tr("Kleinster Radius:")), "Label1");
    Text3 = valueField("Text3");
    auto* grid = new QGridLayout(Frame2);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    const std::pair<QLabel*, QLineEdit*> rows[] = {
        {Label7, Text6}, {Label5, Text5}, {Label4, Text4}, {Label1, Text3}};
    int row = 0;
    for (const auto& [label, field] : rows) {
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1, Qt::AlignRight);
    }
    grid->setColumnStretch(0, 1);

    Label9 = named(new QLabel(tr("Offene Konturen ?")), "Label9");
    Label10 = named(new QLabel(tr("Unterschreitung der Mindestlänge von 0.1 mm !")), "Label10");
    for (QLabel* l : {Label9, Label10}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    Abbrechen = named(new QPushButton(tr("Exit")), "Abbrechen");
    Abbrechen->setDefault(true);
    Abbrechen->setFocus();
    connect(Abbrechen, &QPushButton::clicked, this, &Form400::Abbrechen_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(Frame2);
    layout->addSpacing(4);
    layout->addWidget(Label9);
    layout->addWidget(Label10);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // follows the texts, not resizable
}

void Form400::fill(const Analysis& a) {
    Text3->setText(qs(a.text3));
    Text4->setText(qs(a.text4));
    Text5->setText(qs(a.text5));
    Text6->setText(qs(a.text6));
    showResult(Label9, a.label9);
    showResult(Label10, a.label10);
}

void Form400::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    placeBesideMain(this, main_);
}

void Form400::Abbrechen_Click() { close(); }

} // namespace vectrim
