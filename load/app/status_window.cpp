#include "status_window.h"

#include "import/import.h"
#include "model/platform.h"
#include "qt/qt_outliner.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include <cstdio>

namespace vectrim::load {

LoadWindow::LoadWindow(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle("Load DXF");
    status_ = new QLineEdit(this);
    status_->setObjectName("Status");
    status_->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    resize(320, 60);
    host_ = std::make_unique<LoadHost>(status_);
    outliner_ = std::make_unique<QtOutliner>();
}

LoadWindow::~LoadWindow() = default;

void LoadWindow::works() {
    setEnabled(false);
    const RunResult result = runImport(programFolder(), *host_, outliner_.get(), startProgram);
    if (!result.report.empty() && nonInteractive()) std::fprintf(stderr, "load: %s\n", result.report.c_str());
}

} // namespace vectrim::load
