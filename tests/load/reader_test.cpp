// The reader: ASCII of any line ending, binary DXF, broken structure, bad
// numbers, files cut off anywhere and absurd contents.
#include "dxf/document.h"
#include "dxf/tags.h"
#include "load_test_support.h"
#include "model/textfile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

namespace vectrim {
namespace {

using test::Dxf;
using test::entitiesFile;
using test::importDxfText;
using test::Imported;

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
    for (size_t p = 0; (p = s.find(from, p)) != std::string::npos; p += to.size())
        s.replace(p, from.size(), to);
    return s;
}

TEST(Tokenizer, ValuesAsTheyStand) {
    dxf::Tag t;
    auto number = [&](const char* text, double& v) {
        t.text = text;
        return dxf::toDouble(t, v);
    };
    double v = 0;
    EXPECT_TRUE(number("  12.5 \r", v));
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(number("+3", v));
    EXPECT_EQ(v, 3);
    EXPECT_TRUE(number("-1e-3", v));
    EXPECT_EQ(v, -0.001);
    EXPECT_TRUE(number("1e400", v));
    EXPECT_TRUE(std::isinf(v));
    EXPECT_TRUE(number("-1e-400", v));
    EXPECT_EQ(v, 0);
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_TRUE(number(tiny.c_str(), v));
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(number("2,5", v));
    EXPECT_FALSE(number("", v));
    EXPECT_FALSE(number("12abc", v));
    int32_t i = 0;
    t.text = "  7";
    EXPECT_TRUE(dxf::toInt(t, i));
    EXPECT_EQ(i, 7);
    t.text = "1.0";
    EXPECT_TRUE(dxf::toInt(t, i));
    EXPECT_EQ(i, 1);
    t.text = "99999999999";
    EXPECT_TRUE(dxf::toInt(t, i));
    EXPECT_EQ(i, INT32_MAX);
}

TEST(ReaderAscii, AnyLineEndingAndLeadingBlanksGiveTheSameDrawing) {
    Dxf d;
    d.line(1, 2, 3, 4).arc(0, 0, 5, 10, 20);
    const std::string lf = entitiesFile(d);
    const Imported a = importDxfText(lf);
    ASSERT_TRUE(a.ok);
    ASSERT_EQ(a.records.size(), 2u);
    for (const std::string& variant :
         {replaceAll(lf, "\n", "\r\n"), replaceAll(lf, "\n", "\r"), "\xEF\xBB\xBF" + lf,
          "999\ncomment\n" + replaceAll(lf, "\n10\n", "\n 10\n")}) {
        const Imported b = importDxfText(variant);
        ASSERT_TRUE(b.ok);
        EXPECT_EQ(b.bytes, a.bytes);
    }
}

// A binary DXF with 1-byte group codes (R12) or 2-byte ones (R13 on).
class BinaryDxf {
public:
    explicit BinaryDxf(bool twoByteCodes) : two_(twoByteCodes) {
        bytes_.assign("AutoCAD Binary DXF\r\n\x1a\0", 22);
    }
    BinaryDxf& text(int code, const std::string& s) {
        put(code);
        bytes_ += s;
        bytes_.push_back('\0');
        return *this;
    }
    BinaryDxf& real(int code, double v) {
        put(code);
        char b[8];
        std::memcpy(b, &v, 8);
        bytes_.append(b, 8);
        return *this;
    }
    BinaryDxf& int16(int code, int16_t v) {
        put(code);
        bytes_.push_back(static_cast<char>(v & 0xFF));
        bytes_.push_back(static_cast<char>((v >> 8) & 0xFF));
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    void put(int code) {
        if (two_) {
            bytes_.push_back(static_cast<char>(code & 0xFF));
            bytes_.push_back(static_cast<char>(code >> 8));
        } else if (code < 255) {
            bytes_.push_back(static_cast<char>(code));
        } else {
            bytes_.push_back(static_cast<char>(255));
            bytes_.push_back(static_cast<char>(code & 0xFF));
            bytes_.push_back(static_cast<char>(code >> 8));
        }
    }
    bool two_;
    std::string bytes_;
};

TEST(ReaderBinary, OneAndTwoByteGroupCodes) {
    for (bool two : {false, true}) {
        BinaryDxf b(two);
        b.text(0, "SECTION").text(2, "ENTITIES");
        b.text(0, "LINE")
            .text(8, "0")
            .int16(62, 1)
            .real(10, 1.25)
            .real(20, 2.5)
            .real(30, 0)
            .real(11, 3.75)
            .real(21, 5)
            .real(31, 0)
            .text(1001, "APP")
            .int16(1070, 3);
        b.text(0, "CIRCLE").text(8, "0").real(10, 0.1).real(20, 0.2).real(40, 0.3);
        b.text(0, "ENDSEC").text(0, "EOF");
        const Imported r = importDxfText(b.bytes());
        ASSERT_TRUE(r.ok) << two;
        ASSERT_EQ(r.records.size(), 2u);
        EXPECT_EQ(r.records[0].v[0], 1.25);
        EXPECT_EQ(r.records[0].v[3], 5);
        EXPECT_EQ(r.records[1].v[2], 0.3);
    }
}

TEST(ReaderStructure, DamagedSectionsAndHeaderlessFiles) {
    // A stray ENDSEC and header variables outside any section (as some
    // exporters write them), then the entities.
    const std::string damaged =
        "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n9\n$DIMASZ\n40\n2.5\n0\nENDSEC\n" +
        entitiesFile(Dxf().line(0, 0, 1, 1));
    const Imported r = importDxfText(damaged);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.records.size(), 1u);
    // Trash after EOF is never read.
    const Imported t = importDxfText(entitiesFile(Dxf().circle(0, 0, 1)) + "garbage\nbeyond\nEOF\n");
    ASSERT_TRUE(t.ok);
    EXPECT_EQ(t.records.size(), 1u);
}

TEST(ReaderStructure, NotADxfIsAnAccessError) {
    test::TempDir dir;
    dir.write("x.dxf", "\x89PNG\r\n\x1a\n not a drawing");
    dir.write("empty.dxf", "");
    for (const char* name : {"x.dxf", "empty.dxf", "missing.dxf"}) {
        test::RecordingHost host;
        EXPECT_FALSE(load::importToExchangeFile(dir.file(name), 30, dir.file("tempd.dat"), host, nullptr));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "Dateizugriffsfehler !");
        EXPECT_EQ(host.messages[0].title, "Error");
        EXPECT_FALSE(fileExists(dir.file("tempd.dat")));
    }
}

TEST(ReaderValues, UnusableNumbersSkipTheEntity) {
    Dxf d;
    d(0, "LINE")(8, "0")(10, "0,1")(20, "0")(11, "2,5")(21, "0"); // decimal commas
    d(0, "LINE")(8, "0")(10, "1")(20, "1");                       // no end point
    d(0, "LINE")(8, "0")(10, "nan")(20, "0")(11, "1")(21, "0");
    d(0, "LINE")(8, "0")(10, "1e400")(20, "0")(11, "1")(21, "0");
    d(0, "CIRCLE")(8, "0")(10, "0")(20, "0")(40, "-2");
    d.line(0, 0, 1, 0);
    d.insert("F", 0, 0, 10, 10, 0); // 1e308 scaled beyond any double
    Dxf b;
    b.block("F").line(1e308, 0, 0, 0).endblk();
    const Imported r = importDxfText("0\nSECTION\n2\nBLOCKS\n" + b.str() + "0\nENDSEC\n" + entitiesFile(d));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 1u);
    EXPECT_EQ(r.report, "Nicht übernommen: 2 fehlerhaft, 4 ungültige Werte");
}

TEST(ReaderLimits, FilesCutOffAnywhereNeverFail) {
    Dxf b;
    b.block("B").line(0, 0, 1, 0).arc(0, 0, 1, 0, 90).endblk();
    Dxf e;
    e.insert("B", 1, 1)(0, "LWPOLYLINE")(8, "0")(70, 1)(10, 0.0)(20, 0.0)(42, 0.5)(10, 5.0)(20, 0.0);
    e(0, "POLYLINE")(8, "0")(66, 1)(70, 0)(0, "VERTEX")(8, "0")(10, 1.0)(20, 1.0)(0, "VERTEX")(8, "0")(
        10, 2.0)(20, 1.0)(0, "SEQEND");
    e(0, "SPLINE")(8, "0")(71, 2)(10, 0.0)(20, 0.0)(10, 1.0)(20, 1.0)(10, 2.0)(20, 0.0);
    e(0, "TEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 1.0)(1, "T");
    const std::string full = "0\nSECTION\n2\nBLOCKS\n" + b.str() + "0\nENDSEC\n" + entitiesFile(e);
    const Imported whole = importDxfText(full);
    ASSERT_TRUE(whole.ok);
    for (size_t n = 0; n <= full.size(); n += 3) {
        dxf::Document doc;
        dxf::BoxOutliner box;
        doc.setOutliner(&box);
        doc.read(std::string_view(full).substr(0, n));
        for (int pass = 0; pass < 5; ++pass) {
            doc.select(0, true);
            doc.explodeSelected();
        }
        EXPECT_LE(doc.entityCount(), 200);
    }
}

TEST(ReaderLimits, AbsurdCountsAndSizesAreCapped) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    Dxf b;
    // A block that inserts itself a thousand times, and arrays of 32767 x
    // 32767 copies of an empty block and of a line.
    b.block("S");
    for (int i = 0; i < 1000; ++i) b.insert("S", i, 0);
    b.endblk().block("EMPTY").endblk().block("L").line(0, 0, 1, 0).endblk();
    Dxf e;
    e.insert("EMPTY", 0, 0)(70, 32767)(71, 32767)(44, 1.0)(45, 1.0);
    e.insert("S", 0, 0);
    e.insert("L", 0, 0)(70, 32767)(71, 32767)(44, 1.0)(45, 1.0);
    // Counts that promise billions and a degree beyond reason.
    e(0, "LWPOLYLINE")(8, "0")(90, 2000000000)(10, 0.0)(20, 0.0)(10, 1.0)(20, 0.0);
    e(0, "SPLINE")(8, "0")(71, 1000000000)(72, 2000000000)(73, 2000000000)(10, 0.0)(20, 0.0)(10, 1.0)(20,
                                                                                                      1.0);
    const std::string text = "0\nSECTION\n2\nBLOCKS\n" + b.str() + "0\nENDSEC\n" + entitiesFile(e);
    dxf::Document doc;
    doc.setEntityLimit(20000); // the same cap as kMaxEntities, reached sooner
    ASSERT_TRUE(doc.read(text));
    for (int pass = 0; pass < 5; ++pass) {
        doc.select(0, true);
        doc.explodeSelected();
    }
    EXPECT_LE(doc.entityCount(), 20000);
    EXPECT_EQ(doc.skipped().at("Elementgrenze erreicht"), 1);
    EXPECT_EQ(doc.skipped().at("Feldkopien begrenzt"), 2);
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 60.0);
}

} // namespace
} // namespace vectrim
