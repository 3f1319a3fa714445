// A host for tests: records what the core shows and answers questions from a
// script.
#pragma once

#include "model/host.h"

#include <string>
#include <vector>

namespace vectrim::test {

struct Shown {
    std::string title, text;
    Icon icon;
};

class RecordingHost : public Host {
public:
    explicit RecordingHost(std::string answers = {}) : answers_(std::move(answers)) {}

    void info(std::string_view text) override { infos.emplace_back(text); }
    void doEvents() override { ++events; }
    void message(std::string_view text, std::string_view title, Icon icon) override {
        messages.push_back({std::string(title), std::string(text), icon});
    }
    char ask(std::string_view title, std::string_view text) override {
        questions.push_back({std::string(title), std::string(text), Icon::Question});
        return next_ < answers_.size() ? answers_[next_++] : 'J';
    }

    std::vector<std::string> infos;
    std::vector<Shown> messages;
    std::vector<Shown> questions;
    int events = 0;

private:
    std::string answers_;
    size_t next_ = 0;
};

} // namespace vectrim::test
