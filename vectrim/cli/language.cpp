#include "cli.h"
#include "model/messages.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

// The English table, made from translations/core_en.ts at build time.
extern const vectrim::msg::TableEntry kEnglishTexts[];
extern const std::size_t kEnglishTexts_size;

namespace vectrim::cli {

namespace {
const char* english(const char* source) { return msg::lookup(kEnglishTexts, kEnglishTexts_size, source); }
} // namespace

bool chooseLanguage(const char* option) {
    std::string_view language;
    if (option) {
        language = option;
    } else if (const char* lang = std::getenv("LANG")) {
        language = lang;
    }
    if (language.substr(0, 2) == "en") {
        msg::setTranslation(english);
    } else {
        msg::setTranslation(nullptr);
        if (option && language != "de") return false;
    }
    return true;
}

} // namespace vectrim::cli
