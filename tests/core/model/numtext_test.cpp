// Number text as the hand-over files and labels write it, and the lenient
// reader.
#include "model/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace vectrim {
namespace {

TEST(NumberText, Forms) {
    EXPECT_EQ(numberText(30.0), " 30");
    EXPECT_EQ(numberText(int64_t{30}), " 30");
    EXPECT_EQ(numberText(int64_t{-1}), "-1");
    EXPECT_EQ(numberText(0.5), " .5");
    EXPECT_EQ(numberText(-0.25), "-.25");
    EXPECT_EQ(numberText(-12.25), "-12.25");
    EXPECT_EQ(numberText(0.0), " 0");
    EXPECT_EQ(numberText(-0.0), " 0");
    EXPECT_EQ(numberText(1e-7), " 1E-07");
    EXPECT_EQ(numberText(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(numberText(0.001), " .001");
    EXPECT_EQ(numberText(123456789012345.0), " 123456789012345");
    EXPECT_EQ(numberText(1e15), " 1E+15");
    EXPECT_EQ(numberText(1e300), " 1E+300");
    EXPECT_EQ(numberText(360.0), " 360");
    EXPECT_EQ(numberText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(numberText(2.0 / 3), " .666666666666667");
    EXPECT_EQ(numberText(100.5), " 100.5");
}

TEST(NumberText, NeverWritesWhatCannotBeReadBack) {
    EXPECT_EQ(numberText(std::nan("")), " 0");
    EXPECT_TRUE(leadingNumber(numberText(INFINITY)).fits);
}

TEST(NumberText, FifteenDigitsSurviveWriteAndRead) {
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> mant(-10, 10);
    std::uniform_int_distribution<int> ex(-12, 20);
    for (int k = 0; k < 20000; ++k) {
        const double v = mant(rng) * std::pow(10.0, ex(rng));
        char want[40];
        std::snprintf(want, sizeof want, "%.14e", v);
        const double back = val(numberText(v));
        char got[40];
        std::snprintf(got, sizeof got, "%.14e", back);
        ASSERT_STREQ(got, want) << numberText(v);
    }
}

TEST(LenientReader, LeadingNumberOrZero) {
    EXPECT_EQ(val("  12.5abc"), 12.5);
    EXPECT_EQ(val("\t3"), 3);
    EXPECT_EQ(val("-.5"), -0.5);
    EXPECT_EQ(val("+7"), 7);
    EXPECT_EQ(val("5."), 5);
    EXPECT_EQ(val("1D3"), 1000);
    EXPECT_EQ(val("2.5E-2x"), 0.025);
    EXPECT_EQ(val("1E"), 1);
    EXPECT_EQ(val("1E+"), 1);
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val(". 5"), 0);
    EXPECT_EQ(val("nan"), 0);
    EXPECT_EQ(val("inf"), 0);
    EXPECT_EQ(val("1,5"), 1);
    EXPECT_FALSE(leadingNumber("x").found);
    EXPECT_TRUE(leadingNumber(" 0").found);
}

TEST(LenientReader, OutOfRangeNumbers) {
    const LeadingNumber big = leadingNumber("1e400");
    EXPECT_FALSE(big.fits);
    EXPECT_TRUE(std::isinf(big.value));
    EXPECT_TRUE(std::isinf(leadingNumber("-9e999999999999").value));
    EXPECT_EQ(val("1e-400"), 0);
    EXPECT_TRUE(leadingNumber("1e-400").fits);
    EXPECT_EQ(val(std::string(5000, '9') + "e-5000"), 0.0 + val(std::string(5000, '9') + "e-5000"));
    EXPECT_FALSE(leadingNumber(std::string(400, '9')).fits);
}

TEST(FieldNumbers, DecimalCommaAndNothingButANumber) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"0,05", 0.05},
        {"5,5", 5.5},
        {" 130,5 ", 130.5},
        {"0.2", 0.2},
        {" 0", 0.0},
        {"-,5", -0.5},
        {"5,", 5.0},
        {"1,5E-2", 0.015},
        {"1D3", 1000.0},
        {"+7", 7.0},
        {"\t3\t", 3.0},
        {"1,2,3", std::nullopt},
        {"1.2,3", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"5 mm", std::nullopt},
        {",", std::nullopt},
        {"1E", std::nullopt},
        {"0.2abc", std::nullopt},
        {"1 000", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(fieldNumber(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(*fieldNumber("1e400")));
    // The number text of the hand-over files reads back unchanged.
    for (const double v : {0.3, -12.5, 1e-7, 123456789.125}) EXPECT_EQ(fieldNumber(numberText(v)), v);
}

TEST(IntegerFields, RoundedAndRangeChecked) {
    EXPECT_EQ(toInt16(2.5).value(), 2);
    EXPECT_EQ(toInt16(3.5).value(), 4);
    EXPECT_EQ(toInt16(-1).value(), -1);
    EXPECT_FALSE(toInt16(40000).has_value());
    EXPECT_FALSE(toInt16(NAN).has_value());
    EXPECT_EQ(toInt32(-150.4).value(), -150);
    EXPECT_FALSE(toInt32(1e12).has_value());
}

} // namespace
} // namespace vectrim
