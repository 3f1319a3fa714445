#include "dxf_save_window.h"

#include "model/host.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vectrim {

DxfFormWindow::DxfFormWindow(QWidget* owner, DxfForm initial) : QDialog(owner) {
    setObjectName(QStringLiteral("DxfFormWindow"));
    setWindowTitle(tr("DXF speichern"));
    setModal(true);

    auto* frame = new QGroupBox(tr("Format"), this);
    Option1 = new QRadioButton(QString::fromUtf8(msg::tr(msg::kFormLinesArcs)), frame);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QString::fromUtf8(msg::tr(msg::kFormPolylines)), frame);
    Option2->setObjectName(QStringLiteral("Option2"));
    auto* hint1 = new QLabel(tr("LINE, ARC, CIRCLE (DXF R12) – liest jedes CAM-Programm"), frame);
    auto* hint2 = new QLabel(tr("Eine LWPOLYLINE je Kontur (DXF 2000)"), frame);
    for (QLabel* hint : {hint1, hint2}) hint->setIndent(24);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(Option1);
    inner->addWidget(hint1);
    inner->addWidget(Option2);
    inner->addWidget(hint2);
    (initial == DxfForm::Polylines ? Option2 : Option1)->setChecked(true);

    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(tr("Abbrechen"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

DxfForm DxfFormWindow::form() const { return Option2->isChecked() ? DxfForm::Polylines : DxfForm::LinesArcs; }

std::optional<DxfForm> chooseDxfForm(QWidget* owner, DxfForm initial) {
    if (nonInteractive()) return initial;
    DxfFormWindow window(owner, initial);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return window.form();
}

std::optional<std::string> savedxfm(QWidget* owner, const Drawing& d, Host& host, const MainState& state,
                                    DxfForm& lastForm, const DxfSaveDialog& saveDialog) {
    if (!dxfSaveAllowed(d, host)) return std::nullopt;
    const std::optional<DxfForm> form = chooseDxfForm(owner, lastForm);
    if (!form) return std::nullopt;
    lastForm = *form;
    const std::string chosen = saveDialog(msg::tr(msg::kDxfFilter), msg::tr(msg::kSaveTitle),
                                          state.lastFolder, suggestedDxfName(state.dxfPath));
    const std::optional<std::string> saved = savedxfAs(d, host, drawingUnit(state), chosen, *form);
    if (saved && *form == DxfForm::Polylines) host.info("Info:"); // contour building showed its progress
    return saved;
}

} // namespace vectrim
