#include "wizard_window.h"

#include "app/drawing_unit.h"
#include "app/presets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vectrim {

namespace {

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// The window's image: a sharp corner beside the same corner smoothed.
QPixmap wizardImage() {
    QPixmap image(64, 64);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(128, 128, 128), 2));
    p.drawPolyline(QPolygonF({QPointF(8, 8), QPointF(8, 56), QPointF(30, 56)}));
    QPainterPath smooth;
    smooth.moveTo(36, 8);
    smooth.lineTo(36, 40);
    smooth.quadTo(36, 56, 52, 56);
    smooth.lineTo(58, 56);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawPath(smooth);
    return image;
}

} // namespace

Form43::Form43(QWidget* mainWindow, int16_t& wizardChoice, ToleranceFields fields)
    : QDialog(mainWindow), main_(mainWindow), choice_(wizardChoice), fields_(fields) {
    setObjectName(QStringLiteral("form43"));
    setWindowTitle(tr("Assistent"));
    setModal(true);

    Frame3 = named(new QGroupBox(tr("Einstellungen")), "Frame3");
    Frame2 = named(
        new QGroupBox(
            tr("T [%1]:  Reduktion / Lücken / Glätten").arg(QString::fromLatin1(unitName(drawingUnit())))),
        "Frame2");
    auto* options = new QVBoxLayout(Frame2);
    for (const WizardPreset& preset : wizardPresets()) {
        const QByteArray name = "Option" + QByteArray::number(preset.option);
        auto* b = named(new QRadioButton(QString::fromUtf8(msg::tr(preset.caption))), name.constData());
        options->addWidget(b);
        const int16_t number = preset.option;
        // Chosen by mouse or keyboard: the choice is remembered.
        connect(b, &QRadioButton::toggled, this, [this, number](bool on) {
            if (on) Option_Click(number);
        });
        switch (number) {
            case 3: Option3 = b; break;
            case 4: Option4 = b; break;
            case 5: Option5 = b; break;
            case 6: Option6 = b; break;
            case 7: Option7 = b; break;
            default: Option8 = b; break;
        }
    }
    auto* settings = new QVBoxLayout(Frame3);
    settings->addWidget(Frame2);

    Frame4 = named(new QGroupBox(tr("Aktion")), "Frame4");
    Command2 = named(new QPushButton(tr("Werte eintragen")), "Command2");
    Command1 = named(new QPushButton(tr("Werte eintragen - Bearbeitung starten")), "Command1");
    Command3 = named(new QPushButton(tr("Schließen")), "Command3");
    auto* actions = new QVBoxLayout(Frame4);
    actions->addWidget(Command2);
    actions->addWidget(Command1);
    actions->addWidget(Command3);

    Label1 =
        named(new QLabel(tr("Werte sind versuchsweise zu ermitteln. Mehrmalige Bearbeitungen sind möglich.")),
              "Label1");
    Label1->setWordWrap(true);
    Picture1 = named(new QLabel, "Picture1");
    Picture1->setPixmap(wizardImage());
    Picture1->setAlignment(Qt::AlignTop);

    auto* note = new QHBoxLayout;
    note->addWidget(Picture1);
    note->addWidget(Label1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame3);
    layout->addLayout(note);
    layout->addWidget(Frame4);

    connect(Command2, &QPushButton::clicked, this, &Form43::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form43::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form43::Command3_Click);

    if (QRadioButton* chosen = option(choice_)) chosen->setChecked(true);
    setFixedSize(sizeHint());
}

QRadioButton* Form43::option(int16_t number) const {
    switch (number) {
        case 3: return Option3;
        case 4: return Option4;
        case 5: return Option5;
        case 6: return Option6;
        case 7: return Option7;
        case 8: return Option8;
        default: return nullptr;
    }
}

void Form43::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!main_) return;
    // Centred on the main window.
    const QRect m = main_->frameGeometry();
    move(m.left() + (m.width() - frameGeometry().width()) / 2,
         m.top() + (m.height() - frameGeometry().height()) / 2);
}

void Form43::Option_Click(int16_t number) { choice_ = number; }

void Form43::Command2_Click() {
    for (int16_t number = 3; number <= 8; ++number) {
        const QRadioButton* b = option(number);
        if (!b || !b->isChecked()) continue;
        const WizardPreset* p = wizardPreset(number);
        fields_.ktoleranz->setText(QString::fromUtf8(p->reduceText));
        fields_.gtoleranz->setText(QString::fromUtf8(p->smoothText));
        fields_.ftoleranz->setText(QString::fromUtf8(p->gapText));
        return;
    }
}

void Form43::Command1_Click() {
    Command2_Click();
    startRun_ = true;
    accept();
}

void Form43::Command3_Click() { reject(); }

} // namespace vectrim
