// Form1, the window of load: "Load DXF" with the status text box that shows
// the reading progress while the import runs.
#pragma once

#include "load_host.h"

#include <QWidget>

#include <memory>

class QLineEdit;

namespace vectrim::load {

class QtOutliner;

class LoadWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadWindow(QWidget* parent = nullptr);
    ~LoadWindow() override;

    QLineEdit* status() const { return status_; }
    // `works`: the import in the program folder, then the hand-over to the
    // main program. Returns what the status showed at the end.
    void works();

private:
    QLineEdit* status_;
    std::unique_ptr<LoadHost> host_;
    std::unique_ptr<QtOutliner> outliner_;
};

} // namespace vectrim::load
