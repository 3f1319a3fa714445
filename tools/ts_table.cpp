// ts_table: turns the finished translations of a Qt Linguist file (.ts)
// into a C++ table for the programs without Qt (vectrim-cli):
//
//   ts_table IN.ts CONTEXT OUT.cpp NAME
//
// writes `const vectrim::msg::TableEntry NAME[]` and `NAME_size`, sorted by
// source text, with the entries of CONTEXT whose translation is finished.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Appends the UTF-8 bytes of a code point.
void appendUtf8(std::string& out, unsigned long c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The text of an XML element's content: entities resolved.
std::string unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const size_t end = s.find(';', i);
        if (end == std::string::npos) {
            out += s[i];
            continue;
        }
        const std::string name = s.substr(i + 1, end - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#')
            appendUtf8(out,
                       name[1] == 'x' ? std::stoul(name.substr(2), nullptr, 16) : std::stoul(name.substr(1)));
        else
            out += s.substr(i, end - i + 1);
        i = end;
    }
    return out;
}

// The content between <tag ...> and </tag> from `from` on; npos when none.
// `attributes` receives the text inside the opening tag.
size_t element(const std::string& xml, const std::string& tag, size_t from, size_t until,
               std::string& content, std::string& attributes) {
    size_t open = xml.find("<" + tag, from);
    while (open != std::string::npos && open < until) {
        const char after = xml[open + tag.size() + 1];
        if (after == '>' || after == ' ' || after == '/') break;
        open = xml.find("<" + tag, open + 1);
    }
    if (open == std::string::npos || open >= until) return std::string::npos;
    const size_t gt = xml.find('>', open);
    if (gt == std::string::npos) return std::string::npos;
    attributes = xml.substr(open + tag.size() + 1, gt - open - tag.size() - 1);
    if (xml[gt - 1] == '/') {
        content.clear();
        return gt + 1;
    }
    const size_t close = xml.find("</" + tag + ">", gt);
    if (close == std::string::npos) return std::string::npos;
    content = xml.substr(gt + 1, close - gt - 1);
    return close + tag.size() + 3;
}

std::string cString(const std::string& s) {
    std::string out = "\"";
    for (const unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F && c != '?') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        }
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: ts_table IN.ts CONTEXT OUT.cpp NAME\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "ts_table: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string wanted = argv[2];
    std::vector<std::pair<std::string, std::string>> table;
    std::string context, attributes;
    for (size_t at = 0;
         (at = element(xml, "context", at, xml.size(), context, attributes)) != std::string::npos;) {
        std::string name;
        if (element(context, "name", 0, context.size(), name, attributes) == std::string::npos ||
            unescape(name) != wanted)
            continue;
        std::string message;
        for (size_t m = 0; (m = element(context, "message", m, context.size(), message, attributes)) !=
                           std::string::npos;) {
            std::string source, translation, kind;
            if (element(message, "source", 0, message.size(), source, attributes) == std::string::npos)
                continue;
            if (element(message, "translation", 0, message.size(), translation, kind) == std::string::npos)
                continue;
            if (kind.find("type=") != std::string::npos || translation.empty()) continue; // not finished
            table.emplace_back(unescape(source), unescape(translation));
        }
    }
    std::sort(table.begin(), table.end());
    table.erase(std::unique(table.begin(), table.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                table.end());
    std::ostringstream out;
    out << "// Made by ts_table from " << argv[1] << "; do not edit.\n"
        << "#include \"model/messages.h\"\n\n#include <cstddef>\n\n"
        << "extern const vectrim::msg::TableEntry " << argv[4] << "[];\n"
        << "extern const std::size_t " << argv[4] << "_size;\n"
        << "const vectrim::msg::TableEntry " << argv[4] << "[] = {\n";
    for (const auto& [s, t] : table) out << "    {" << cString(s) << ", " << cString(t) << "},\n";
    if (table.empty()) out << "    {\"\", \"\"},\n";
    out << "};\nconst std::size_t " << argv[4] << "_size = " << table.size() << ";\n";
    std::ofstream file(argv[3], std::ios::binary);
    file << out.str();
    if (!file.good()) {
        std::fprintf(stderr, "ts_table: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
