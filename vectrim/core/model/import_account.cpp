#include "import_account.h"

#include "messages.h"
#include "numtext.h"
#include "textfile.h"

namespace vectrim {

namespace {

std::string countList(const std::map<std::string, int64_t>& counts) {
    std::string text;
    for (const auto& [what, count] : counts) {
        if (!text.empty()) text += ", ";
        // The reasons are texts of ours; entity types stay as they are.
        text += std::to_string(count) + " " + msg::tr(what.c_str());
    }
    return text;
}

// A kind's name on one line: line ends become blanks.
std::string oneLine(std::string text) {
    for (char& ch : text)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return text;
}

// A whole number that fits; nothing for any other text.
std::optional<int64_t> wholeNumber(const std::string& text) {
    const LeadingNumber n = leadingNumber(text);
    if (!n.found || !n.fits) return std::nullopt;
    if (!(n.value >= -9.2e18 && n.value <= 9.2e18) ||
        n.value != static_cast<double>(static_cast<int64_t>(n.value)))
        return std::nullopt;
    return static_cast<int64_t>(n.value);
}

} // namespace

std::string ImportAccount::skippedText() const {
    return skipped.empty() ? std::string() : msg::tr(msg::kNotTaken) + countList(skipped);
}

std::string ImportAccount::approximatedText() const {
    if (approximated.empty()) return {};
    return msg::tr(msg::kApproximated) + countList(approximated) + msg::tr(msg::kCurveQuality) +
           std::to_string(quality) + ")";
}

bool writeImportAccount(const std::string& path, const ImportAccount& a) {
    AtomicTextFile out(path);
    out.line(numberText(a.insunits));
    out.line(numberText(a.measurement));
    out.line(numberText(a.quality));
    for (const auto& [what, count] : a.skipped) {
        out.line("S");
        out.line(numberText(count));
        out.line(oneLine(what));
    }
    for (const auto& [what, count] : a.approximated) {
        out.line("A");
        out.line(numberText(count));
        out.line(oneLine(what));
    }
    out.line("e");
    return out.commit();
}

std::optional<ImportAccount> takeImportAccount(const std::string& path) {
    if (!fileExists(path)) return std::nullopt;
    std::optional<ImportAccount> result;
    {
        LineReader in(path);
        std::string line;
        ImportAccount a;
        auto header = [&](int32_t& value) {
            if (!in.next(line)) return false;
            const auto v = wholeNumber(line);
            if (!v || *v < INT32_MIN || *v > INT32_MAX) return false;
            value = static_cast<int32_t>(*v);
            return true;
        };
        bool ok = header(a.insunits) && header(a.measurement) && header(a.quality);
        while (ok) {
            if (!in.next(line)) {
                ok = false;
                break;
            }
            if (line == "e") break;
            std::string countLine, name;
            const bool skipped = line == "S";
            if ((!skipped && line != "A") || !in.next(countLine) || !in.next(name)) {
                ok = false;
                break;
            }
            const auto count = wholeNumber(countLine);
            if (!count || *count <= 0) {
                ok = false;
                break;
            }
            (skipped ? a.skipped : a.approximated)[name] += *count;
        }
        if (ok) result = std::move(a);
    }
    removeFile(path);
    return result;
}

} // namespace vectrim
