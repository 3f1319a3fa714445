#include "numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vectrim {

namespace {
// Exponent form is used below 1e-4 and from 1e15 on.
constexpr int kFixedMinExponent = -4;
constexpr int kFixedMaxExponent = 14;
} // namespace

std::string numberText(double value) {
    if (std::isnan(value) || value == 0) return " 0";
    // The largest magnitude whose 15-digit text still reads back as a double.
    if (std::isinf(value)) value = value > 0 ? 1.79769313486231e308 : -1.79769313486231e308;
    const bool negative = value < 0;
    // 15 significant digits, correctly rounded: d.dddddddddddddde+XX
    char sci[40];
    const char* end =
        std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific, 14).ptr;
    const char* e = std::find(static_cast<const char*>(sci), end, 'e');
    char digits[16];
    int count = 0;
    digits[count++] = sci[0];
    for (const char* p = sci + 2; p < e && count < 16; ++p) digits[count++] = *p;
    int exponent = 0;
    std::from_chars(e + 1 + (e + 1 < end && e[1] == '+'), end, exponent);
    while (count > 1 && digits[count - 1] == '0') --count;

    char out[48];
    int n = 0;
    out[n++] = negative ? '-' : ' ';
    auto put = [&](const char* from, int len) {
        for (int i = 0; i < len; ++i) out[n++] = from[i];
    };
    if (exponent >= kFixedMinExponent && exponent <= kFixedMaxExponent) {
        if (exponent >= 0) {
            const int intDigits = exponent + 1;
            if (count <= intDigits) {
                put(digits, count);
                for (int i = count; i < intDigits; ++i) out[n++] = '0';
            } else {
                put(digits, intDigits);
                out[n++] = '.';
                put(digits + intDigits, count - intDigits);
            }
        } else {
            out[n++] = '.';
            for (int i = 0; i < -exponent - 1; ++i) out[n++] = '0';
            put(digits, count);
        }
    } else {
        out[n++] = digits[0];
        if (count > 1) {
            out[n++] = '.';
            put(digits + 1, count - 1);
        }
        char ex[16];
        const int len = std::snprintf(ex, sizeof ex, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        put(ex, len);
    }
    return std::string(out, static_cast<size_t>(n));
}

std::string numberText(int64_t value) {
    // A blank before non-negative values; to_chars writes the minus sign.
    char buf[24];
    buf[0] = ' ';
    char* end = std::to_chars(buf + 1, buf + sizeof buf, value).ptr;
    char* begin = value < 0 ? buf + 1 : buf;
    return std::string(begin, static_cast<size_t>(end - begin));
}

LeadingNumber leadingNumber(std::string_view text) {
    LeadingNumber result;
    size_t i = 0;
    const size_t n = text.size();
    auto digit = [&](size_t k) { return k < n && text[k] >= '0' && text[k] <= '9'; };
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // The number in a form that from_chars takes: digits, ".", digits, "e".
    std::string number;
    size_t mantissaDigits = 0;
    while (digit(i)) {
        number += text[i++];
        ++mantissaDigits;
    }
    if (i < n && text[i] == '.') {
        number += text[i++];
        while (digit(i)) {
            number += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return result;
    result.found = true;
    const std::string mantissa = number;
    long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t k = i + 1;
        bool expNegative = false;
        if (k < n && (text[k] == '+' || text[k] == '-')) expNegative = text[k++] == '-';
        if (digit(k)) {
            number += expNegative ? "e-" : "e";
            while (digit(k)) {
                number += text[k];
                if (exponent < 100000) exponent = exponent * 10 + (text[k] - '0');
                ++k;
            }
            if (expNegative) exponent = -exponent;
        }
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Too small gives 0; too large does not fit. The decimal magnitude
        // of the mantissa decides which it is.
        const size_t point = mantissa.find('.');
        const std::string whole = mantissa.substr(0, point);
        const size_t firstDigit = whole.find_first_not_of('0');
        long magnitude;
        if (firstDigit != std::string::npos) {
            magnitude = static_cast<long>(whole.size() - firstDigit) - 1;
        } else {
            const std::string frac = point == std::string::npos ? "" : mantissa.substr(point + 1);
            const size_t nz = frac.find_first_not_of('0');
            magnitude = nz == std::string::npos ? -100000 : -static_cast<long>(nz) - 1;
        }
        if (magnitude + exponent < 0) {
            value = 0;
        } else {
            value = std::numeric_limits<double>::infinity();
            result.fits = false;
        }
    } else if (ec != std::errc()) {
        value = 0;
    }
    if (std::isinf(value)) result.fits = false;
    result.value = negative ? -value : value;
    return result;
}

std::optional<double> fieldNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string t(text);
    size_t i = 0;
    const size_t n = t.size();
    auto digits = [&] {
        const size_t start = i;
        while (i < n && t[i] >= '0' && t[i] <= '9') ++i;
        return i - start;
    };
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    size_t mantissa = digits();
    if (i < n && (t[i] == '.' || t[i] == ',')) {
        t[i++] = '.'; // the decimal comma is read as the point
        mantissa += digits();
    }
    if (mantissa == 0) return std::nullopt;
    if (i < n && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        if (digits() == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    return leadingNumber(t).value;
}

std::optional<int16_t> toInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<int16_t>(r);
}

std::optional<int32_t> toInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(r);
}

} // namespace vectrim
