#include "export/dxf_save.h"

#include "model/par_file.h"
#include "model/textfile.h"
#include "pipeline/stage_set.h"

#include <charconv>
#include <memory>
#include <string_view>

namespace vectrim {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<int> integerText(std::string_view s) {
    s = trimmed(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

// Folder part (up to and including the last "/") and file name of a path.
size_t fileNameStart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// A HEADER section has a few thousand lines at most; a file that goes on
// longer without ending it is not read further.
constexpr int kHeaderLineLimit = 200000;

} // namespace

std::string suggestedDxfName(const std::string& dxfPath) {
    const std::string path = untilNul(dxfPath);
    std::string name = path.substr(fileNameStart(path));
    if (name.empty()) return name;
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot == 0) return name + "_opt";
    return name.substr(0, dot) + "_opt" + name.substr(dot);
}

std::string dxfFileName(const std::string& chosen) {
    std::string path = untilNul(chosen);
    const size_t start = fileNameStart(path);
    if (start == path.size()) return {}; // nothing chosen, or a folder
    std::string ending = path.size() - start > 4 ? path.substr(path.size() - 4) : std::string();
    for (char& ch : ending)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    if (ending != ".dxf") path += ".dxf";
    return path;
}

std::optional<int> declaredInsunits(const std::string& path) {
    LineReader in(path);
    if (!in.isOpen()) return std::nullopt;
    std::string codeLine, value;
    bool inHeader = false;
    for (int lines = 0; lines < kHeaderLineLimit; lines += 2) {
        if (!in.next(codeLine) || !in.next(value)) return std::nullopt;
        if (lines == 0 && codeLine.compare(0, 3, "\xEF\xBB\xBF") == 0) codeLine.erase(0, 3);
        const std::optional<int> code = integerText(codeLine);
        if (!code) return std::nullopt; // not an ASCII DXF (or a binary one)
        const std::string_view v = trimmed(value);
        if (*code == 0 && v == "ENDSEC" && inHeader) return std::nullopt;
        if (*code == 0 && v == "EOF") return std::nullopt;
        if (*code == 2 && !inHeader) {
            if (v != "HEADER") return std::nullopt; // the header comes first or not at all
            inHeader = true;
        }
        if (inHeader && *code == 9 && v == "$INSUNITS") {
            if (!in.next(codeLine) || !in.next(value)) return std::nullopt;
            return integerText(codeLine) == 70 ? integerText(value) : std::nullopt;
        }
    }
    return std::nullopt;
}

DxfUnit drawingUnit(const MainState& state) {
    if (state.inchConverted != 0) return DxfUnit::Millimetre;
    const std::string source = untilNul(state.dxfPath);
    if (source.empty()) return DxfUnit::Millimetre;
    return declaredInsunits(source) == 1 ? DxfUnit::Inch : DxfUnit::Millimetre;
}

bool dxfSaveAllowed(const Drawing& d, Host& host) {
    if (d.elementCount() > 0) return true;
    host.message(msg::tr(msg::kNoElements), msg::tr(msg::kTitleExit), Icon::Information);
    return false;
}

DxfSaved savedxf(const Drawing& d, Host& host, const std::string& file, DxfForm form, DxfUnit unit) {
    DxfSaved saved;
    std::string text;
    if (allFinite(d)) {
        if (form == DxfForm::LinesArcs) {
            saved.ok = dxfLinesArcs(d, unit, text, saved.content);
        } else {
            // Contour building turns lines round and renumbers contours: it
            // runs on a copy.
            const auto scratch = stageSet().contoursOnCopy(d, host);
            const Drawing& c = *scratch;
            saved.ok = dxfPolylines(c, contourPolylines(c), unit, text, saved.content);
        }
    }
    if (saved.ok) {
        AtomicTextFile out(file);
        out.write(text);
        saved.ok = out.commit();
    }
    if (!saved.ok) host.message(msg::tr(msg::kSaveFailed), msg::tr(msg::kTitleError), Icon::Critical);
    return saved;
}

std::optional<std::string> savedxfAs(const Drawing& d, Host& host, DxfUnit unit, const std::string& chosen,
                                     DxfForm form) {
    const std::string file = dxfFileName(chosen);
    if (file.empty()) return std::nullopt;
    if (file != untilNul(chosen) && fileExists(file)) {
        const std::string name = file.substr(fileNameStart(file));
        if (host.ask(msg::tr(msg::kSaveTitle), name + msg::tr(msg::kReplaceFile)) == 'N') return std::nullopt;
    }
    if (!savedxf(d, host, file, form, unit).ok) return std::nullopt;
    return file;
}

} // namespace vectrim
