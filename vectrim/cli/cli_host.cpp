#include "cli_host.h"

namespace vectrim::cli {

void CliHost::message(std::string_view text, std::string_view title, Icon icon) {
    messages.emplace_back(std::string(title), std::string(text));
    ConsoleHost::message(text, title, icon);
}

} // namespace vectrim::cli
