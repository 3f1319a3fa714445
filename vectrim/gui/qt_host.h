// The host of the windows: the info line Label20, letting pending events
// run, message boxes and the yes/no question window form100.
//
// With VECTRIM_NONINTERACTIVE=1 nothing waits for a user: messages go to
// standard error as "[TITLE] TEXT" and questions are answered from
// VECTRIM_ANSWERS. An observer (tests) takes the messages and questions
// instead of the user.
#pragma once

#include "model/host.h"

#include <functional>
#include <memory>

class QLabel;
class QWidget;

namespace vectrim {

class QtHost : public Host {
public:
    QtHost();
    ~QtHost() override;

    // The window that owns the message boxes, the info label, and the
    // operation that shows the question window.
    void attach(QWidget* owner, QLabel* infoLabel,
                std::function<char(std::string_view, std::string_view)> askWindow);
    void setObserver(Host* observer) { observer_ = observer; }

    void info(std::string_view text) override;
    void doEvents() override;
    void message(std::string_view text, std::string_view title, Icon icon) override;
    char ask(std::string_view title, std::string_view text) override;

private:
    QWidget* owner_ = nullptr;
    QLabel* infoLabel_ = nullptr;
    std::function<char(std::string_view, std::string_view)> askWindow_;
    Host* observer_ = nullptr;
    std::unique_ptr<ConsoleHost> console_; // when non-interactive
};

} // namespace vectrim
