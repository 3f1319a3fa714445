// The characters of texts: encodings, control codes and MTEXT formatting.
#include "dxf/text.h"

#include <gtest/gtest.h>

namespace dxf {
namespace {

TEST(TextCodes, SingleLineTexts) {
    EXPECT_EQ(decodeText("%%c20 %%d %%p0.1 %%%"), U"\u230020 \u00B0 \u00B10.1 %");
    EXPECT_EQ(decodeText("%%uunder%%u %%o"), U"under ");
    EXPECT_EQ(decodeText("%%065%%66"), U"AB");
    EXPECT_EQ(decodeText("\\U+00C4\\U+00d6x\\U+12"), U"\u00C4\u00D6x\\U+12");
    EXPECT_EQ(decodeText("Gr\xC3\xB6\xC3\x9F"
                         "e"),
              U"Gr\u00F6\u00DFe"); // UTF-8
    EXPECT_EQ(decodeText("Gr\xF6\xDF"
                         "e \x80"),
              U"Gr\u00F6\u00DFe \u20AC"); // Windows-1252
}

TEST(TextCodes, MTextFormattingIsStrippedAndLinesKept) {
    EXPECT_EQ(mtextLines("{\\fArial|b1|i0;Bold}\\Pnext\\~line"),
              (std::vector<std::u32string>{U"Bold", U"next line"}));
    EXPECT_EQ(mtextLines("\\H2.5x;\\C1;\\A1;red\\\\back\\{\\}"),
              (std::vector<std::u32string>{U"red\\back{}"}));
    EXPECT_EQ(mtextLines("1\\S1^2; and \\S3#4;"), (std::vector<std::u32string>{U"11/2 and 3/4"}));
    EXPECT_EQ(mtextLines("a^Jb\nc"), (std::vector<std::u32string>{U"a", U"b", U"c"}));
    EXPECT_EQ(mtextLines("\\LUnder\\l \\U+00B0 %%d"), (std::vector<std::u32string>{U"Under \u00B0 \u00B0"}));
    EXPECT_EQ(mtextLines(""), (std::vector<std::u32string>{U""}));
    // Cut-off codes end the text without reading past it.
    EXPECT_EQ(mtextLines("x\\"), (std::vector<std::u32string>{U"x\\"}));
    EXPECT_EQ(mtextLines("x\\fArial"), (std::vector<std::u32string>{U"x"}));
    EXPECT_EQ(mtextLines("x\\S1^"), (std::vector<std::u32string>{U"x1/"}));
}

} // namespace
} // namespace dxf
