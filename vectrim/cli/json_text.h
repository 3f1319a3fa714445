// Small JSON writers for the commands that print results of their own.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace vectrim::cli {

// A number as the shortest text that reads back exactly; null when not finite.
inline void appendJsonNumber(std::string& out, double v) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

inline void appendJsonString(std::string& out, const std::string& s) {
    out += '"';
    for (const unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
}

// A text, or null when there is none (a hidden label).
inline void appendJsonText(std::string& out, const std::optional<std::string>& s) {
    if (s)
        appendJsonString(out, *s);
    else
        out += "null";
}

} // namespace vectrim::cli
