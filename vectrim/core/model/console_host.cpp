#include "host.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vectrim {

bool nonInteractive() {
    const char* v = std::getenv("VECTRIM_NONINTERACTIVE");
    return v && std::strcmp(v, "1") == 0;
}

ConsoleHost::ConsoleHost(std::string answers)
    : answers_(std::move(answers)), terminal_(isatty(STDERR_FILENO) == 1) {}

ConsoleHost ConsoleHost::fromEnvironment() {
    const char* v = std::getenv("VECTRIM_ANSWERS");
    return ConsoleHost(v ? v : "");
}

void ConsoleHost::info(std::string_view text) {
    lastInfo_ = text;
    if (!terminal_) return;
    std::fprintf(stderr, "\r%-60.*s", static_cast<int>(text.size()), text.data());
    std::fflush(stderr);
    progressShown_ = true;
}

void ConsoleHost::endProgressLine() {
    if (progressShown_) std::fputc('\n', stderr);
    progressShown_ = false;
}

void ConsoleHost::message(std::string_view text, std::string_view title, Icon) {
    endProgressLine();
    std::fprintf(stderr, "[%.*s] %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(text.size()), text.data());
}

char ConsoleHost::ask(std::string_view title, std::string_view text) {
    char answer = 'J';
    while (next_ < answers_.size()) {
        const char c = answers_[next_++];
        if (c == 'J' || c == 'j') break;
        if (c == 'N' || c == 'n') {
            answer = 'N';
            break;
        }
    }
    endProgressLine();
    std::fprintf(stderr, "[%.*s] %.*s -> %c\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(text.size()), text.data(), answer);
    return answer;
}

} // namespace vectrim
