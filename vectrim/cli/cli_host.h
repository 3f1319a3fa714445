// The command line's host: a console host that also keeps the messages for
// the JSON output.
#pragma once

#include "model/host.h"

#include <string>
#include <utility>
#include <vector>

namespace vectrim::cli {

class CliHost : public ConsoleHost {
public:
    explicit CliHost(std::string answers = {}) : ConsoleHost(std::move(answers)) {}
    void message(std::string_view text, std::string_view title, Icon icon) override;
    std::vector<std::pair<std::string, std::string>> messages; // title, text
};

} // namespace vectrim::cli
