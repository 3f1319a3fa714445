#include "text.h"

#include <cctype>

namespace dxf {

namespace {

// Windows-1252 at 0x80 .. 0x9F; the other bytes map to the same code point.
constexpr char32_t kCp1252[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                  0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

bool decodeUtf8(std::string_view s, std::u32string& out) {
    out.clear();
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int len = 0;
        char32_t cp = 0;
        if (c < 0x80)
            len = 1, cp = c;
        else if ((c & 0xE0) == 0xC0)
            len = 2, cp = c & 0x1F;
        else if ((c & 0xF0) == 0xE0)
            len = 3, cp = c & 0x0F;
        else if ((c & 0xF8) == 0xF0)
            len = 4, cp = c & 0x07;
        else
            return false;
        if (i + static_cast<size_t>(len) > s.size()) return false;
        for (int k = 1; k < len; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        out.push_back(cp);
        i += static_cast<size_t>(len);
    }
    return true;
}

std::u32string toUnicode(std::string_view bytes) {
    std::u32string out;
    if (decodeUtf8(bytes, out)) return out;
    out.clear();
    for (const char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        out.push_back(c >= 0x80 && c < 0xA0 ? kCp1252[c - 0x80] : static_cast<char32_t>(c));
    }
    return out;
}

int hexValue(char32_t c) {
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    return -1;
}

// \U+XXXX at position i: the code point, and i moved past it.
bool unicodeEscape(const std::u32string& s, size_t& i, char32_t& cp) {
    if (i + 7 > s.size()) return false;
    if (s[i] != '\\' || (s[i + 1] != 'U' && s[i + 1] != 'u') || s[i + 2] != '+') return false;
    char32_t v = 0;
    for (size_t k = 3; k < 7; ++k) {
        const int h = hexValue(s[i + k]);
        if (h < 0) return false;
        v = v * 16 + static_cast<char32_t>(h);
    }
    if (v >= 0xD800 && v <= 0xDFFF) v = 0xFFFD;
    cp = v;
    i += 7;
    return true;
}

// The %% codes and \U+ escapes of a single-line text.
std::u32string resolveCodes(const std::u32string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        if (s[i] == '\\' && unicodeEscape(s, i, cp)) {
            out.push_back(cp);
            continue;
        }
        if (s[i] == '%' && i + 2 < s.size() && s[i + 1] == '%') {
            const char32_t c = s[i + 2];
            switch (c) {
                case 'c':
                case 'C':
                    out.push_back(0x2300);
                    i += 3;
                    continue; // diameter
                case 'd':
                case 'D':
                    out.push_back(0x00B0);
                    i += 3;
                    continue; // degree
                case 'p':
                case 'P':
                    out.push_back(0x00B1);
                    i += 3;
                    continue; // plus-minus
                case 'u':
                case 'U':
                case 'o':
                case 'O':
                case 'k':
                case 'K': i += 3; continue;
                case '%':
                    out.push_back('%');
                    i += 3;
                    continue;
                default:
                    if (c >= '0' && c <= '9') {
                        size_t k = i + 2;
                        char32_t v = 0;
                        while (k < s.size() && k < i + 5 && s[k] >= '0' && s[k] <= '9')
                            v = v * 10 + (s[k++] - '0');
                        out.push_back(v);
                        i = k;
                        continue;
                    }
                    break;
            }
        }
        out.push_back(s[i++]);
    }
    return out;
}

} // namespace

std::u32string decodeText(std::string_view bytes) { return resolveCodes(toUnicode(bytes)); }

std::vector<std::u32string> mtextLines(std::string_view bytes) {
    const std::u32string s = toUnicode(bytes);
    std::vector<std::u32string> lines(1);
    auto skipTo = [&](size_t i, char32_t end) {
        while (i < s.size() && s[i] != end) ++i;
        return i < s.size() ? i + 1 : i;
    };
    for (size_t i = 0; i < s.size();) {
        const char32_t c = s[i];
        if (c == '{' || c == '}') {
            ++i;
            continue;
        }
        if (c == '\n') {
            lines.emplace_back();
            ++i;
            continue;
        }
        if (c == '\r') {
            ++i;
            continue;
        }
        if (c == '^' && i + 1 < s.size()) {
            // Caret codes: ^J a line break, ^I a tab, others a control character.
            const char32_t d = s[i + 1];
            if (d == 'J')
                lines.emplace_back();
            else if (d == 'I')
                lines.back().push_back(' ');
            else if (d == ' ')
                lines.back().push_back('^');
            i += 2;
            continue;
        }
        if (c == '%' && i + 2 < s.size() && s[i + 1] == '%') {
            // The %% codes of single-line texts are honoured here too.
            size_t k = i + 3;
            if (s[i + 2] >= '0' && s[i + 2] <= '9')
                while (k < s.size() && k < i + 5 && s[k] >= '0' && s[k] <= '9') ++k;
            lines.back() += resolveCodes(s.substr(i, k - i));
            i = k;
            continue;
        }
        if (c != '\\' || i + 1 >= s.size()) {
            lines.back().push_back(c);
            ++i;
            continue;
        }
        char32_t cp = 0;
        size_t j = i;
        if (unicodeEscape(s, j, cp)) {
            lines.back().push_back(cp);
            i = j;
            continue;
        }
        const char32_t code = s[i + 1];
        switch (code) {
            case 'P':
                lines.emplace_back();
                i += 2;
                break;
            case 'N':
                lines.emplace_back();
                i += 2;
                break; // new column
            case '~':
                lines.back().push_back(' ');
                i += 2;
                break;
            case '\\':
            case '{':
            case '}':
                lines.back().push_back(code);
                i += 2;
                break;
            case 'L':
            case 'l':
            case 'O':
            case 'o':
            case 'K':
            case 'k': i += 2; break;
            case 'S': {
                // Stacked text a^b, a/b or a#b up to ";": written as a/b.
                const size_t end = skipTo(i + 2, ';');
                for (size_t k = i + 2; k < end; ++k) {
                    const char32_t x = s[k];
                    if (x == ';') break;
                    if (x == '^' || x == '#')
                        lines.back().push_back('/');
                    else if (x != '\\')
                        lines.back().push_back(x);
                }
                i = end;
                break;
            }
            case 'M':
            case 'm':
                // \M+nXXXX: a character of a multibyte code page; not resolved.
                i = std::min(s.size(), i + 8);
                lines.back().push_back('?');
                break;
            case 'A':
            case 'C':
            case 'c':
            case 'F':
            case 'f':
            case 'H':
            case 'h':
            case 'Q':
            case 'q':
            case 'T':
            case 't':
            case 'W':
            case 'w':
            case 'p':
            case 'X': i = skipTo(i + 2, ';'); break;
            default:
                lines.back().push_back(code);
                i += 2;
                break;
        }
    }
    return lines;
}

bool BoxOutliner::outline(std::u32string_view text, const FontRequest&, TextOutline& out) {
    out = TextOutline{};
    double x = 0;
    for (const char32_t c : text) {
        if (c != ' ' && c != '\t') {
            out.path.push_back({TextOutline::Move, {{x, 0}, {}, {}}});
            out.path.push_back({TextOutline::Line, {{x + 0.6, 0}, {}, {}}});
            out.path.push_back({TextOutline::Line, {{x + 0.6, 1}, {}, {}}});
            out.path.push_back({TextOutline::Line, {{x, 1}, {}, {}}});
            out.path.push_back({TextOutline::Line, {{x, 0}, {}, {}}});
        }
        x += 0.8;
    }
    out.advance = x;
    out.descent = 0.2;
    return true;
}

} // namespace dxf
