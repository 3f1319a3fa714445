#include "model/messages.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace vectrim::msg {

namespace {
std::atomic<Translation> gTranslation{nullptr};
}

void setTranslation(Translation translation) { gTranslation.store(translation); }

const char* tr(const char* source) {
    if (!source) return "";
    const Translation t = gTranslation.load();
    if (!t) return source;
    const char* text = t(source);
    return text && *text ? text : source;
}

const char* lookup(const TableEntry* table, size_t size, const char* source) {
    const TableEntry* end = table + size;
    const TableEntry* at = std::lower_bound(
        table, end, source, [](const TableEntry& e, const char* s) { return std::strcmp(e.source, s) < 0; });
    return at != end && std::strcmp(at->source, source) == 0 ? at->text : nullptr;
}

} // namespace vectrim::msg
