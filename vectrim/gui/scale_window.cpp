#include "scale_window.h"

#include "analysis_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vectrim {

namespace {

constexpr int kFieldWidth = 110;

QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string str(const QLineEdit* e) { return e->text().toStdString(); }

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit* field(const char* name, bool readOnly) {
    auto* t = named(new QLineEdit, name);
    t->setReadOnly(readOnly);
    t->setAlignment(Qt::AlignRight);
    t->setFixedWidth(kFieldWidth);
    return t;
}

// A frame with rows of label and field.
QGridLayout* sizeGrid(QGroupBox* frame, QLabel* l1, QLineEdit* f1, QLabel* l2, QLineEdit* f2) {
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    l1->setBuddy(f1);
    l2->setBuddy(f2);
    grid->addWidget(l1, 0, 0);
    grid->addWidget(f1, 0, 1);
    grid->addWidget(l2, 1, 0);
    grid->addWidget(f2, 1, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}

} // namespace

Form399::Form399(QWidget* mainWindow, Drawing& d, Host& host, const ScaleForm& start, ViewFrame* frame)
    : QDialog(mainWindow), main_(mainWindow), d_(d), host_(host), start_(start), frame_(frame) {
    setObjectName(QStringLiteral("form399"));
    setWindowTitle(tr("Maßstab ändern"));
    setModal(true);

    Frame2 = named(new QGroupBox(tr("Aktuelle Maße")), "Frame2");
    Label4 = named(new QLabel(tr("Breite:")), "Label4");
    Text4 = field("Text4", true);
    Label1 = named(new QLabel(tr("Höhe:")), "Label1");
    Text3 = field("Text3", true);
    sizeGrid(Frame2, Label4, Text4, Label1, Text3);

    Frame1 = named(new QGroupBox(tr("Neue Maße [Maßangabe]")), "Frame1");
    Label2 = named(new QLabel(tr("Breite:")), "Label2");
    Text1 = field("Text1", false);
    Label3 = named(new QLabel(tr("Höhe:")), "Label3");
    Text2 = field("Text2", false);
    Command3 = named(new QPushButton(tr("Proportional")), "Command3");
    Command3->setToolTip(tr("Den anderen Wert im Verhältnis der aktuellen Maße ergänzen"));
    QGridLayout* newGrid = sizeGrid(Frame1, Label2, Text1, Label3, Text2);
    newGrid->addWidget(Command3, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);

    Frame3 = named(new QGroupBox(tr("Kreis-Teilung")), "Frame3");
    Option1 = named(new QRadioButton(tr("Fein")), "Option1");
    Option2 = named(new QRadioButton(tr("Mittel")), "Option2");
    Option3 = named(new QRadioButton(tr("Grob")), "Option3");
    Option1->setChecked(true);
    auto* options = new QHBoxLayout(Frame3);
    options->setContentsMargins(10, 6, 10, 8);
    options->addWidget(Option1);
    options->addWidget(Option2);
    options->addWidget(Option3);
    options->addStretch(1);

    Command1 = named(new QPushButton(tr("Start")), "Command1");
    Command1->setDefault(true);
    Abbrechen = named(new QPushButton(tr("Exit")), "Abbrechen");
    connect(Command3, &QPushButton::clicked, this, &Form399::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form399::Command1_Click);
    connect(Abbrechen, &QPushButton::clicked, this, &Form399::Abbrechen_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addWidget(Frame3);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Text4->setText(qs(start.text4));
    Text3->setText(qs(start.text3));
    Text1->setText(qs(start.text1));
    Text2->setText(qs(start.text2));
    Text1->setFocus();
}

ScaleForm Form399::fields() const {
    ScaleForm f = start_;
    f.text4 = str(Text4);
    f.text3 = str(Text3);
    f.text1 = str(Text1);
    f.text2 = str(Text2);
    // The first chosen option counts; none chosen counts as "Fein".
    f.quality = Option1->isChecked()   ? DivisionQuality::Fein
                : Option2->isChecked() ? DivisionQuality::Mittel
                : Option3->isChecked() ? DivisionQuality::Grob
                                       : DivisionQuality::None;
    return f;
}

void Form399::Command3_Click() {
    ScaleForm f = fields();
    proportion(host_, f);
    Text1->setText(qs(f.text1));
    Text2->setText(qs(f.text2));
}

void Form399::Command1_Click() {
    ScaleForm f = fields();
    if (applyScale(d_, host_, f, frame_)) accept();
}

void Form399::Abbrechen_Click() { reject(); }

void Form399::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    placeBesideMain(this, main_);
}

} // namespace vectrim
