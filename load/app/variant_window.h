// Form11, the variant switch window: "Please select a language [unit]:" with
// one button per variant. Each button switches the program folder to its
// variant, starts the main program and ends load; a choice whose files are
// missing changes nothing and says so in the window, which stays open.
#pragma once

#include "import/variant.h"

#include <QDialog>

class QLabel;

#include <string>

namespace vectrim::load {

class VariantWindow : public QDialog {
    Q_OBJECT
public:
    explicit VariantWindow(std::string folder, QWidget* parent = nullptr);

private:
    void choose(Variant variant);
    std::string folder_;
    QLabel* note_ = nullptr; // why a choice was not made
};

} // namespace vectrim::load
