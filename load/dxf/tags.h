// The group-code tokenizer: a DXF file is a sequence of tags, each a group
// code and a value. ASCII files hold them on line pairs (any line ending);
// binary files ("AutoCAD Binary DXF" sentinel) hold typed values, with 1-byte
// group codes (R12) or 2-byte ones (R13 and later).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dxf {

struct Tag {
    int code = 0;
    // The value's bytes as given (ASCII: the value line without its line
    // end; binary: a string value). Empty for binary numbers.
    std::string_view text;
    // A binary file's numeric value.
    double number = 0;
    bool binaryNumber = false;
};

// The value as a double: a binary number, or the whole text (blanks and tabs
// around it allowed) read as a decimal number. False when the text is not a
// number (a decimal comma, trailing letters, an empty line).
bool toDouble(const Tag& tag, double& out);
// The value as an integer (a decimal text such as "1.0" is rounded); values
// beyond the int32 range are clamped. False when it is not a number.
bool toInt(const Tag& tag, int32_t& out);
// The text with blanks, tabs and a carriage return at both ends removed.
std::string_view trimmed(std::string_view text);

class Tokenizer {
public:
    explicit Tokenizer(std::string_view bytes);

    bool isBinary() const { return binary_; }
    // The next tag; false at the end of the data or where the data stops
    // making sense (a group code that is not a number, a value cut off).
    bool next(Tag& tag);
    // Bytes consumed so far.
    size_t position() const { return pos_; }
    size_t size() const { return data_.size(); }

private:
    bool nextAscii(Tag& tag);
    bool nextBinary(Tag& tag);
    bool line(std::string_view& out);

    std::string_view data_;
    size_t pos_ = 0;
    bool binary_ = false;
    bool twoByteCodes_ = false;
    char eol_ = '\n';
};

} // namespace dxf
