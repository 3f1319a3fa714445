// vectrim-cli: commands, their arguments and exit codes.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vectrim::cli {

// Exit codes.
inline constexpr int kOk = 0;
inline constexpr int kRefused = 1; // unreadable input, invalid tolerance, failed output
inline constexpr int kUsage = 2;   // a usage error

// Arguments after the command name: positional ones, options with a value
// ("--tol 0.5", "-o out.json") and flags ("--keep-position").
class Args {
public:
    Args(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
         const std::set<std::string>& flagOptions);
    bool ok() const { return error.empty(); }
    std::string error;
    std::vector<std::string> positional;
    std::optional<std::string> value(const std::string& option) const;
    bool flag(const std::string& option) const;

private:
    std::vector<std::pair<std::string, std::string>> values_;
    std::set<std::string> flags_;
};

// The language of the messages: "en" (English) or "de" (German, the
// default) as given by --lang, or without it English when LANG starts with
// "en". False for a language the program does not speak.
bool chooseLanguage(const char* option);

// Prints a usage error to standard error and returns kUsage.
int usage(const std::string& text);

// One command: its name, a one-line usage text and its entry point.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& args);
};

// The commands, each in a file cmd_<name>.cpp.
int cmdImport(const std::vector<std::string>& args);
int cmdRun(const std::vector<std::string>& args);
int cmdStage(const std::vector<std::string>& args);
int cmdCheck(const std::vector<std::string>& args);
int cmdAnalyse(const std::vector<std::string>& args);
int cmdScale(const std::vector<std::string>& args);
int cmdInch(const std::vector<std::string>& args);
int cmdPrint(const std::vector<std::string>& args);
int cmdExport(const std::vector<std::string>& args);
int cmdConvert(const std::vector<std::string>& args);
int cmdSelftest(const std::vector<std::string>& args);

} // namespace vectrim::cli
