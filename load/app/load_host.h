// The host of load: the status text box shows the progress texts; messages
// are message boxes, or lines on standard error when VECTRIM_NONINTERACTIVE=1.
#pragma once

#include "model/host.h"

class QLineEdit;

namespace vectrim::load {

class LoadHost : public Host {
public:
    explicit LoadHost(QLineEdit* status);

    void info(std::string_view text) override;
    void doEvents() override;
    void message(std::string_view text, std::string_view title, Icon icon) override;
    char ask(std::string_view title, std::string_view text) override;

private:
    QLineEdit* status_;
    bool console_;
    ConsoleHost consoleHost_;
};

} // namespace vectrim::load
