#include "tags.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace dxf {

namespace {

constexpr std::string_view kBinarySentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

enum class ValueType { String, Double, Int16, Int32, Int64, Byte, Chunk };

// Value types of binary files, by group code.
ValueType binaryType(int code) {
    if ((code >= 10 && code <= 59) || (code >= 110 && code <= 149) || (code >= 210 && code <= 239) ||
        (code >= 460 && code <= 469) || (code >= 1010 && code <= 1059))
        return ValueType::Double;
    if ((code >= 60 && code <= 79) || (code >= 170 && code <= 179) || (code >= 270 && code <= 289) ||
        (code >= 370 && code <= 389) || (code >= 400 && code <= 409) || (code >= 1060 && code <= 1070))
        return ValueType::Int16;
    if ((code >= 90 && code <= 99) || (code >= 420 && code <= 429) || (code >= 440 && code <= 459) ||
        code == 1071)
        return ValueType::Int32;
    if (code >= 160 && code <= 169) return ValueType::Int64;
    if (code >= 290 && code <= 299) return ValueType::Byte;
    if ((code >= 310 && code <= 319) || code == 1004) return ValueType::Chunk;
    return ValueType::String;
}

template <typename T>
T readLittleEndian(const char* p) {
    std::make_unsigned_t<T> v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v |= static_cast<std::make_unsigned_t<T>>(static_cast<unsigned char>(p[i])) << (8 * i);
    return static_cast<T>(v);
}

// The decimal exponent of the first significant digit of a number text that
// from_chars found out of range (positive: too large; otherwise too small).
long decimalExponent(std::string_view t) {
    long exponent = 0, position = 0;
    bool point = false, significant = false;
    size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        if (t[i] == '.') {
            point = true;
        } else if (!significant) {
            if (t[i] != '0') {
                significant = true;
                if (point) position = -position - 1;
            } else if (point) {
                ++position; // zeros after the point before the first digit
            }
        } else if (!point) {
            ++position;
        }
    }
    if (i < t.size()) {
        long e = 0;
        const bool negative = i + 1 < t.size() && t[i + 1] == '-';
        for (size_t k = i + 1; k < t.size(); ++k)
            if (t[k] >= '0' && t[k] <= '9' && e < 100000) e = e * 10 + (t[k] - '0');
        exponent = negative ? -e : e;
    }
    return position + exponent;
}

} // namespace

std::string_view trimmed(std::string_view t) {
    size_t b = 0, e = t.size();
    while (b < e && blank(t[b])) ++b;
    while (e > b && blank(t[e - 1])) --e;
    return t.substr(b, e - b);
}

bool toDouble(const Tag& tag, double& out) {
    if (tag.binaryNumber) {
        out = tag.number;
        return true;
    }
    std::string_view t = trimmed(tag.text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty()) return false;
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ptr != t.data() + t.size()) return false;
    if (r.ec == std::errc::result_out_of_range) {
        v = decimalExponent(t) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        if (t.front() == '-') v = -v;
    } else if (r.ec != std::errc()) {
        return false;
    }
    out = v;
    return true;
}

bool toInt(const Tag& tag, int32_t& out) {
    double v = 0;
    if (tag.binaryNumber) {
        v = tag.number;
    } else {
        std::string_view t = trimmed(tag.text);
        if (!t.empty() && t.front() == '+') t.remove_prefix(1);
        int64_t i = 0;
        const auto r = std::from_chars(t.data(), t.data() + t.size(), i);
        if (!t.empty() && r.ec == std::errc() && r.ptr == t.data() + t.size()) {
            v = static_cast<double>(i);
        } else if (!toDouble(tag, v)) {
            return false;
        }
    }
    if (std::isnan(v)) return false;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    v = std::nearbyint(v);
    out = v <= lo   ? std::numeric_limits<int32_t>::min()
          : v >= hi ? std::numeric_limits<int32_t>::max()
                    : static_cast<int32_t>(v);
    return true;
}

Tokenizer::Tokenizer(std::string_view bytes) : data_(bytes) {
    if (data_.substr(0, kBinarySentinel.size()) == kBinarySentinel) {
        binary_ = true;
        pos_ = kBinarySentinel.size();
        // The first tag is (0, "SECTION"): 2-byte group codes start with two
        // zero bytes, 1-byte codes with one zero byte and the text.
        twoByteCodes_ = data_.size() > pos_ + 1 && data_[pos_] == 0 && data_[pos_ + 1] == 0;
        return;
    }
    if (data_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3; // a UTF-8 byte order mark
    // Lines end in LF or CR LF; files of old Macintosh programs in CR alone.
    const std::string_view head = data_.substr(0, 65536);
    if (head.find('\n') == std::string_view::npos && head.find('\r') != std::string_view::npos) eol_ = '\r';
}

bool Tokenizer::next(Tag& tag) { return binary_ ? nextBinary(tag) : nextAscii(tag); }

bool Tokenizer::line(std::string_view& out) {
    if (pos_ >= data_.size()) return false;
    const char* begin = data_.data() + pos_;
    const size_t rest = data_.size() - pos_;
    const void* end = std::memchr(begin, eol_, rest);
    size_t len = end ? static_cast<size_t>(static_cast<const char*>(end) - begin) : rest;
    pos_ += end ? len + 1 : len;
    if (len > 0 && begin[len - 1] == '\r') --len;
    out = std::string_view(begin, len);
    return true;
}

bool Tokenizer::nextAscii(Tag& tag) {
    std::string_view codeLine, value;
    if (!line(codeLine)) return false;
    const std::string_view c = trimmed(codeLine);
    int code = 0;
    const auto r = std::from_chars(c.data(), c.data() + c.size(), code);
    if (c.empty() || r.ec != std::errc() || r.ptr != c.data() + c.size() || code < 0) {
        pos_ = data_.size();
        return false;
    }
    if (!line(value)) return false;
    tag.code = code;
    tag.text = value;
    tag.number = 0;
    tag.binaryNumber = false;
    return true;
}

bool Tokenizer::nextBinary(Tag& tag) {
    const size_t n = data_.size();
    auto stop = [&] {
        pos_ = n;
        return false;
    };
    int code = 0;
    if (twoByteCodes_) {
        if (pos_ + 2 > n) return stop();
        code = readLittleEndian<uint16_t>(data_.data() + pos_);
        pos_ += 2;
    } else {
        if (pos_ + 1 > n) return stop();
        code = static_cast<unsigned char>(data_[pos_]);
        pos_ += 1;
        if (code == 255) {
            if (pos_ + 2 > n) return stop();
            code = readLittleEndian<uint16_t>(data_.data() + pos_);
            pos_ += 2;
        }
    }
    const char* p = data_.data() + pos_;
    const size_t rest = n - pos_;
    tag.code = code;
    tag.text = {};
    tag.binaryNumber = true;
    switch (binaryType(code)) {
        case ValueType::Double: {
            if (rest < 8) return stop();
            const uint64_t bits = readLittleEndian<uint64_t>(p);
            double d;
            std::memcpy(&d, &bits, sizeof d);
            tag.number = d;
            pos_ += 8;
            return true;
        }
        case ValueType::Int16:
            if (rest < 2) return stop();
            tag.number = readLittleEndian<int16_t>(p);
            pos_ += 2;
            return true;
        case ValueType::Int32:
            if (rest < 4) return stop();
            tag.number = readLittleEndian<int32_t>(p);
            pos_ += 4;
            return true;
        case ValueType::Int64:
            if (rest < 8) return stop();
            tag.number = static_cast<double>(readLittleEndian<int64_t>(p));
            pos_ += 8;
            return true;
        case ValueType::Byte:
            if (rest < 1) return stop();
            tag.number = static_cast<unsigned char>(*p);
            pos_ += 1;
            return true;
        case ValueType::Chunk: {
            if (rest < 1) return stop();
            const size_t len = static_cast<unsigned char>(*p);
            if (rest < 1 + len) return stop();
            tag.binaryNumber = false;
            tag.text = std::string_view(p + 1, len);
            pos_ += 1 + len;
            return true;
        }
        case ValueType::String: {
            const void* z = std::memchr(p, 0, rest);
            if (!z) return stop();
            const size_t len = static_cast<size_t>(static_cast<const char*>(z) - p);
            tag.binaryNumber = false;
            tag.text = std::string_view(p, len);
            pos_ += len + 1;
            return true;
        }
    }
    return stop();
}

} // namespace dxf
