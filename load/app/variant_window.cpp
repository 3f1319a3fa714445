#include "variant_window.h"

#include "model/platform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace vectrim::load {

VariantWindow::VariantWindow(std::string folder, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)) {
    setObjectName("Form11");
    setWindowTitle("Vectrim");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("Please select a language [unit]:", this);
    label->setObjectName("Label1");
    layout->addWidget(label);
    const struct {
        const char* name;
        const char* caption;
        Variant variant;
    } buttons[] = {{"Command6", "Language English [mm]", Variant::EnglishMm},
                   {"Command5", "Language English [inch]", Variant::EnglishInch},
                   {"Command2", "Language German [mm]", Variant::GermanMm}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(b.name);
        const Variant v = b.variant;
        connect(button, &QPushButton::clicked, this, [this, v] { choose(v); });
        layout->addWidget(button);
    }
    note_ = new QLabel(this);
    note_->setObjectName("Label2");
    note_->setWordWrap(true);
    note_->setStyleSheet("color: #b00000;");
    note_->hide();
    layout->addWidget(note_);
    setMinimumWidth(320);
    adjustSize();
    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
}

void VariantWindow::choose(Variant variant) {
    const SwitchResult result = switchVariant(folder_, variant);
    QString note;
    if (!result.switched)
        note = QString::fromStdString(missingFilesText(result.missing));
    else if (!startProgram(fileInFolder(folder_, "vectrim"), {}))
        note = "The language was set, but vectrim could not be started.";
    if (note.isEmpty()) {
        accept();
        return;
    }
    note_->setText(note);
    note_->show();
    adjustSize();
}

} // namespace vectrim::load
