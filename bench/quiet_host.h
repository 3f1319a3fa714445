// The host of the benchmarks: no progress, every question answered with
// `answer` ("J" unless set), messages shown on standard error only when
// asked for.
#pragma once

#include "model/host.h"

#include <cstdio>
#include <string_view>

namespace vectrim::bench {

class QuietHost : public Host {
public:
    explicit QuietHost(bool showMessages = false) : showMessages_(showMessages) {}
    char answer = 'J';
    void info(std::string_view) override {}
    void doEvents() override {}
    void message(std::string_view text, std::string_view, Icon) override {
        if (showMessages_) std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    char ask(std::string_view, std::string_view) override { return answer; }

private:
    bool showMessages_;
};

} // namespace vectrim::bench
