// The number text of the hand-over files and labels, and the lenient reader.
//
// Number text: a leading blank for zero and positive values, "-" for
// negative ones, "." as decimal point, at most 15 significant digits, no
// trailing zeros, no digit before the point below 1 (" .5", "-.25"), whole
// numbers without a point (" 30"), exponent form far from 1 (" 1E-07").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vectrim {

std::string numberText(double value);
std::string numberText(int64_t value);
inline std::string numberText(int32_t value) { return numberText(static_cast<int64_t>(value)); }
inline std::string numberText(int16_t value) { return numberText(static_cast<int64_t>(value)); }

struct LeadingNumber {
    double value = 0;   // 0 when the text holds no number
    bool found = false; // a number was there
    bool fits = true;   // false when it does not fit a double (value is then +-inf)
};

// Reads the leading number of a text: blanks and tabs, an optional sign,
// digits, an optional "." with digits, an optional exponent ("E" or "D",
// optional sign, digits); stops at the first other character.
LeadingNumber leadingNumber(std::string_view text);

// The leading number, 0 when there is none (+-inf when it is too large).
inline double val(std::string_view text) { return leadingNumber(text).value; }

// A number a user typed into a field: blanks and tabs around it, an
// optional sign, digits with "." or "," as decimal point, an optional
// exponent ("E" or "D"); nothing else. Nothing when the text is not such a
// number ("1,2,3", "abc", "" or "5 mm"); +-inf when it is too large.
std::optional<double> fieldNumber(std::string_view text);

// A double rounded to the nearest integer (halves to even), or nothing when
// it is not finite or lies outside the integer type.
std::optional<int16_t> toInt16(double value);
std::optional<int32_t> toInt32(double value);

} // namespace vectrim
