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
    adjustSize();
    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
}

void VariantWindow::choose(Variant variant) {
    switchVariant(folder_, variant);
    startProgram(fileInFolder(folder_, "vectrim"), {});
    accept();
}

} // namespace vectrim::load
