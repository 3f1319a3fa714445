#include "app/profiles.h"

#include "model/par_file.h"

#include <algorithm>
#include <cctype>

namespace vectrim {

namespace {
constexpr const char* kProfileExtension = ".PRO";

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return text;
}
} // namespace

std::optional<std::string> profileSaveName(const std::string& result) {
    std::string name = result.size() > 1 ? result.substr(0, result.size() - 1) : result;
    name = untilNul(name);
    if (name.empty()) return std::nullopt;
    const size_t slash = name.rfind('/');
    const size_t fileStart = slash == std::string::npos ? 0 : slash + 1;
    if (fileStart == name.size()) return std::nullopt; // a folder, no file name
    name = name.substr(0, fileStart) + upper(name.substr(fileStart));
    const std::string ext = name.size() >= 5 ? name.substr(name.size() - 4) : std::string();
    if (ext != kProfileExtension) name += kProfileExtension;
    return name;
}

std::optional<std::string> profileOpenName(const std::string& result) {
    if (result.size() <= 3) return std::nullopt;
    const size_t last = result.size() - 1;
    const size_t first = last >= 4 ? last - 4 : 0;
    if (upper(result.substr(first, last - first)) != kProfileExtension) return std::nullopt;
    return untilNul(result);
}

} // namespace vectrim
