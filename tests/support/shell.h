// Runs a shell command for a test and returns its status as std::system
// does. A program that starts another one without waiting ignores SIGCHLD
// so that no zombie stays behind; system() could then not collect the exit
// status of its own child, so the default is put back first.
#pragma once

#include <csignal>
#include <cstdlib>
#include <string>

namespace vectrim::test {

inline int shell(const std::string& command) {
    std::signal(SIGCHLD, SIG_DFL);
    return std::system(command.c_str());
}

} // namespace vectrim::test
