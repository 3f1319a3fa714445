// The DXF writer: number text, the exact bytes of small files, the order of
// entities and the refusal of values that are not finite.
#include "export/dxf_writer.h"
#include "fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

namespace vectrim {
namespace {

using test::Fixture;

TEST(DxfNumber, PlainDecimalInTheWorkingRange) {
    EXPECT_EQ(dxfNumber(0), "0");
    EXPECT_EQ(dxfNumber(-0.0), "0");
    EXPECT_EQ(dxfNumber(100), "100");
    EXPECT_EQ(dxfNumber(-12.25), "-12.25");
    EXPECT_EQ(dxfNumber(0.1), "0.1");
    EXPECT_EQ(dxfNumber(1e-6), "0.000001");
    EXPECT_EQ(dxfNumber(123456789012345.6), "123456789012345.6");
    EXPECT_EQ(dxfNumber(1.0 / 3), "0.3333333333333333");
}

TEST(DxfNumber, ExponentFormFarFromOne) {
    EXPECT_EQ(dxfNumber(1e-7), "1e-07");
    EXPECT_EQ(dxfNumber(-2.5e-12), "-2.5e-12");
    EXPECT_EQ(dxfNumber(1e15), "1e+15");
    EXPECT_EQ(dxfNumber(1.7976931348623157e308), "1.7976931348623157e+308");
    EXPECT_EQ(dxfNumber(5e-324), "5e-324");
}

TEST(DxfNumber, EveryFiniteValueReadsBackExactly) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        const std::string text = dxfNumber(v);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
        const double m = std::fabs(v);
        if (m >= kDxfPlainMin && m < kDxfPlainMax) {
            EXPECT_EQ(text.find('e'), std::string::npos) << text;
        }
        ASSERT_LE(text.size(), 25u) << text;
    }
}

// The complete file for a line, an arc over 0 degrees and a circle.
TEST(DxfLinesArcs, SmallFileExactBytes) {
    Fixture f;
    f.line(0, -5, 100, 0.5);
    f.arc(50, 0, 10, 350, 10);
    f.arc(20, 30, 5, 0, 360);
    std::string out;
    DxfContent content;
    ASSERT_TRUE(dxfLinesArcs(f.d, DxfUnit::Millimetre, out, content));
    EXPECT_EQ(content.entities, 3);
    EXPECT_EQ(content.skipped, 0);
    const char* expected =
        "  0\r\nSECTION\r\n  2\r\nHEADER\r\n"
        "  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"
        "  9\r\n$INSBASE\r\n 10\r\n0\r\n 20\r\n0\r\n 30\r\n0\r\n"
        "  9\r\n$EXTMIN\r\n 10\r\n0\r\n 20\r\n-5\r\n 30\r\n0\r\n"
        "  9\r\n$EXTMAX\r\n 10\r\n100\r\n 20\r\n35\r\n 30\r\n0\r\n"
        "  9\r\n$INSUNITS\r\n 70\r\n4\r\n"
        "  9\r\n$MEASUREMENT\r\n 70\r\n1\r\n"
        "  0\r\nENDSEC\r\n"
        "  0\r\nSECTION\r\n  2\r\nTABLES\r\n"
        "  0\r\nTABLE\r\n  2\r\nLTYPE\r\n 70\r\n1\r\n"
        "  0\r\nLTYPE\r\n  2\r\nCONTINUOUS\r\n 70\r\n0\r\n  3\r\nSolid line\r\n 72\r\n65\r\n 73\r\n0\r\n"
        " 40\r\n0\r\n"
        "  0\r\nENDTAB\r\n"
        "  0\r\nTABLE\r\n  2\r\nLAYER\r\n 70\r\n1\r\n"
        "  0\r\nLAYER\r\n  2\r\n0\r\n 70\r\n0\r\n 62\r\n7\r\n  6\r\nCONTINUOUS\r\n"
        "  0\r\nENDTAB\r\n"
        "  0\r\nENDSEC\r\n"
        "  0\r\nSECTION\r\n  2\r\nBLOCKS\r\n  0\r\nENDSEC\r\n"
        "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
        "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n-5\r\n 11\r\n100\r\n 21\r\n0.5\r\n"
        "  0\r\nARC\r\n  8\r\n0\r\n 10\r\n50\r\n 20\r\n0\r\n 40\r\n10\r\n 50\r\n350\r\n 51\r\n10\r\n"
        "  0\r\nCIRCLE\r\n  8\r\n0\r\n 10\r\n20\r\n 20\r\n30\r\n 40\r\n5\r\n"
        "  0\r\nENDSEC\r\n"
        "  0\r\nEOF\r\n";
    EXPECT_EQ(out, expected);
}

TEST(DxfLinesArcs, InchDeclaresInchAndImperial) {
    Fixture f;
    f.line(0, 0, 1, 1);
    std::string out;
    DxfContent content;
    ASSERT_TRUE(dxfLinesArcs(f.d, DxfUnit::Inch, out, content));
    EXPECT_NE(out.find("  9\r\n$INSUNITS\r\n 70\r\n1\r\n  9\r\n$MEASUREMENT\r\n 70\r\n0\r\n"),
              std::string::npos);
}

TEST(DxfLinesArcs, FollowsTheContourOrderAndFallsBackToIndexOrder) {
    Fixture f;
    f.line(0, 0, 1, 0);
    f.arc(5, 5, 1, 0, 90);
    f.line(1, 0, 2, 0);
    f.d.order[0] = ElementRef::line(1), f.d.order[1] = ElementRef::arc(0), f.d.order[2] = ElementRef::line(0);
    EXPECT_EQ(test::raws(writeOrder(f.d)), (std::vector<int32_t>{1, kArcRef, 0}));
    f.d.order[2] = ElementRef::line(1); // line 1 twice, line 0 missing: the table is stale
    EXPECT_EQ(test::raws(writeOrder(f.d)), (std::vector<int32_t>{0, 1, kArcRef}));
    f.d.order[2] = ElementRef::arc(1); // no such arc
    EXPECT_EQ(test::raws(writeOrder(f.d)), (std::vector<int32_t>{0, 1, kArcRef}));
}

TEST(DxfLinesArcs, DegenerateElementsAreLeftOut) {
    Fixture f;
    f.line(3, 4, 3, 4);     // a point
    f.arc(0, 0, 1, 360, 0); // no sweep
    f.arc(0, 0, 0, 0, 90);  // no radius
    f.arc(0, 0, 1, 90, 90); // equal angles: a full circle, kept
    f.line(0, 0, 1e-12, 0); // short, but a line
    std::string out;
    DxfContent content;
    ASSERT_TRUE(dxfLinesArcs(f.d, DxfUnit::Millimetre, out, content));
    EXPECT_EQ(content.entities, 2);
    EXPECT_EQ(content.skipped, 3);
    EXPECT_NE(out.find("CIRCLE"), std::string::npos);
    EXPECT_EQ(out.find("  0\r\nARC"), std::string::npos);
}

TEST(DxfWriter, ValuesThatAreNotFiniteSpoilTheDocument) {
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity()};
    for (const double v : bad) {
        Fixture f;
        f.line(0, 0, 10, 10);
        f.arc(5, 5, 2, 0, v);
        EXPECT_FALSE(allFinite(f.d));
        std::string out;
        DxfContent content;
        EXPECT_FALSE(dxfLinesArcs(f.d, DxfUnit::Millimetre, out, content));
        EXPECT_TRUE(out.empty());
    }
    // Finite input whose derived values overflow: the arc's extent.
    Fixture f;
    f.arc(1.7e308, 0, 1.7e308, 0, 90);
    EXPECT_TRUE(allFinite(f.d));
    std::string out;
    DxfContent content;
    EXPECT_FALSE(dxfLinesArcs(f.d, DxfUnit::Millimetre, out, content));
}

TEST(DxfWriter, LargeCoordinatesAreWrittenInFull) {
    Fixture f;
    f.line(-3.5e12, 2e-9, 7.25e14, 1e20);
    std::string out;
    DxfContent content;
    ASSERT_TRUE(dxfLinesArcs(f.d, DxfUnit::Millimetre, out, content));
    EXPECT_NE(out.find(" 10\r\n-3500000000000\r\n 20\r\n2e-09\r\n 11\r\n725000000000000\r\n 21\r\n1e+20\r\n"),
              std::string::npos);
}

TEST(DxfPolylines, EntitiesOfASquareAndAnOpenArc) {
    Polylines p;
    p.vertices = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {20, 0, 0.5}, {30, 0, 0}};
    p.runs = {{0, 4, true}, {4, 2, false}};
    Fixture f;
    f.line(0, 0, 30, 10);
    std::string out;
    DxfContent content;
    ASSERT_TRUE(dxfPolylines(f.d, p, DxfUnit::Millimetre, out, content));
    EXPECT_EQ(content.entities, 2);
    const size_t from = out.find("  2\r\nENTITIES\r\n");
    const size_t to = out.find("  0\r\nENDSEC\r\n", from);
    ASSERT_NE(from, std::string::npos);
    EXPECT_EQ(
        out.substr(from, to - from),
        "  2\r\nENTITIES\r\n"
        "  0\r\nLWPOLYLINE\r\n  5\r\n100\r\n330\r\n1F\r\n100\r\nAcDbEntity\r\n  8\r\n0\r\n"
        "100\r\nAcDbPolyline\r\n 90\r\n4\r\n 70\r\n1\r\n"
        " 10\r\n0\r\n 20\r\n0\r\n 10\r\n10\r\n 20\r\n0\r\n 10\r\n10\r\n 20\r\n10\r\n 10\r\n0\r\n 20\r\n10\r\n"
        "  0\r\nLWPOLYLINE\r\n  5\r\n101\r\n330\r\n1F\r\n100\r\nAcDbEntity\r\n  8\r\n0\r\n"
        "100\r\nAcDbPolyline\r\n 90\r\n2\r\n 70\r\n0\r\n"
        " 10\r\n20\r\n 20\r\n0\r\n 42\r\n0.5\r\n 10\r\n30\r\n 20\r\n0\r\n");
    // The handle seed lies beyond the last entity.
    EXPECT_NE(out.find("  9\r\n$HANDSEED\r\n  5\r\n102\r\n"), std::string::npos);
    EXPECT_NE(out.find("  1\r\nAC1015\r\n"), std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 10), "  0\r\nEOF\r\n");
}

TEST(DxfPolylines, ABulgeThatIsNotFiniteSpoilsTheDocument) {
    Polylines p;
    p.vertices = {{0, 0, std::numeric_limits<double>::infinity()}, {1, 0, 0}};
    p.runs = {{0, 2, false}};
    Fixture f;
    f.line(0, 0, 1, 0);
    std::string out;
    DxfContent content;
    EXPECT_FALSE(dxfPolylines(f.d, p, DxfUnit::Millimetre, out, content));
    EXPECT_TRUE(out.empty());
}

} // namespace
} // namespace vectrim
