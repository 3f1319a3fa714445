#include "cli.h"

#include <cstdio>

namespace vectrim::cli {

Args::Args(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
           const std::set<std::string>& flagOptions) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (valueOptions.count(a)) {
            if (i + 1 >= args.size()) {
                error = "option " + a + " needs a value";
                return;
            }
            values_.emplace_back(a, args[++i]);
        } else if (flagOptions.count(a)) {
            flags_.insert(a);
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            error = "unknown option " + a;
            return;
        } else {
            positional.push_back(a);
        }
    }
}

std::optional<std::string> Args::value(const std::string& option) const {
    std::optional<std::string> v;
    for (const auto& [k, x] : values_)
        if (k == option) v = x; // the last one given wins
    return v;
}

bool Args::flag(const std::string& option) const { return flags_.count(option) > 0; }

int usage(const std::string& text) {
    std::fprintf(stderr, "vectrim-cli: %s\n", text.c_str());
    return kUsage;
}

} // namespace vectrim::cli
