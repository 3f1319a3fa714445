#include "build_mark.h"

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace vectrim::load {

namespace {
constexpr Variant kAll[] = {Variant::EnglishMm, Variant::EnglishInch, Variant::GermanMm};
}

const char* buildCode(Variant variant) {
    switch (variant) {
        case Variant::EnglishMm: return "en-mm";
        case Variant::EnglishInch: return "en-inch";
        case Variant::GermanMm: return "de-mm";
    }
    return "";
}

std::optional<Variant> buildOf(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    const std::string_view prefix(kBuildMarkPrefix);
    // The longest mark with its NUL; a chunk keeps this many bytes of the
    // one before so that a mark across two reads is found too.
    const size_t keep = prefix.size() + std::strlen(buildCode(Variant::EnglishInch)) + 1;
    constexpr size_t kChunk = 1 << 20;
    std::vector<char> buf(keep + kChunk);
    size_t have = 0;
    bool found[3] = {false, false, false};
    for (;;) {
        const size_t n = std::fread(buf.data() + have, 1, kChunk, f);
        if (n == 0) break;
        have += n;
        const std::string_view text(buf.data(), have);
        for (size_t at = text.find(prefix); at != std::string_view::npos; at = text.find(prefix, at + 1)) {
            const std::string_view rest = text.substr(at + prefix.size());
            for (int k = 0; k < 3; ++k) {
                const std::string_view code(buildCode(kAll[k]));
                if (rest.size() > code.size() && rest.substr(0, code.size()) == code &&
                    rest[code.size()] == '\0')
                    found[k] = true;
            }
        }
        // Keep the tail: a mark cut off at the end is completed by the next read.
        const size_t tail = have < keep ? have : keep;
        std::memmove(buf.data(), buf.data() + have - tail, tail);
        have = tail;
    }
    std::fclose(f);
    std::optional<Variant> build;
    for (int k = 0; k < 3; ++k) {
        if (!found[k]) continue;
        if (build) return std::nullopt; // marks of two builds: not one of ours
        build = kAll[k];
    }
    return build;
}

} // namespace vectrim::load
