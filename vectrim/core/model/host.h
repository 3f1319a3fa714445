// How the core talks to the user: the info line, letting pending window
// events run, message boxes and the yes/no question. The windows implement it
// with Qt; tests and the command line use ConsoleHost.
#pragma once

#include <string>
#include <string_view>

namespace vectrim {

enum class Icon { None, Critical, Question, Exclamation, Information };

class Host {
public:
    virtual ~Host() = default;
    // The info label (Label20): progress texts and tips.
    virtual void info(std::string_view text) = 0;
    // Lets pending window events run.
    virtual void doEvents() = 0;
    virtual void message(std::string_view text, std::string_view title, Icon icon) = 0;
    // Asks a yes/no question; returns 'J' or 'N'.
    virtual char ask(std::string_view title, std::string_view text) = 0;
};

// True when VECTRIM_NONINTERACTIVE=1: messages go to standard error and
// questions are answered from VECTRIM_ANSWERS, nothing waits for a user.
bool nonInteractive();

// Messages go to standard error as "[TITLE] TEXT". Questions take their
// answers in order from a string of J and N and answer J when it runs out.
// Info texts are shown as a one-line progress display when standard error is
// a terminal and not at all otherwise.
class ConsoleHost : public Host {
public:
    explicit ConsoleHost(std::string answers = {});
    // A host whose answers come from VECTRIM_ANSWERS.
    static ConsoleHost fromEnvironment();

    void info(std::string_view text) override;
    void doEvents() override {}
    void message(std::string_view text, std::string_view title, Icon icon) override;
    char ask(std::string_view title, std::string_view text) override;

    const std::string& lastInfo() const { return lastInfo_; }

private:
    std::string answers_;
    size_t next_ = 0;
    std::string lastInfo_;
    bool progressShown_ = false;
    bool terminal_ = false;
    void endProgressLine();
};

} // namespace vectrim
