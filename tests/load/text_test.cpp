// Texts as glyph outlines of the system's fonts: size, placement, fonts that
// are missing, and MTEXT lines.
#include "load_test_support.h"
#include "qt/qt_outliner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vectrim {
namespace {

using test::Dxf;
using test::Imported;

struct Box {
    double xmin = 1e300, ymin = 1e300, xmax = -1e300, ymax = -1e300;
    double width() const { return xmax - xmin; }
    double height() const { return ymax - ymin; }
};

Box extent(const Imported& r) {
    Box b;
    for (const auto& l : r.lines()) {
        for (int k = 0; k < 4; k += 2) {
            b.xmin = std::min(b.xmin, l.v[k]);
            b.xmax = std::max(b.xmax, l.v[k]);
            b.ymin = std::min(b.ymin, l.v[k + 1]);
            b.ymax = std::max(b.ymax, l.v[k + 1]);
        }
    }
    return b;
}

class Texts : public ::testing::Test {
protected:
    load::QtOutliner outliner;
    Imported import(const Dxf& entities, const Dxf& tables = Dxf()) {
        return test::importDxfText(tables.str() + test::entitiesFile(entities), 30, &outliner);
    }
};

TEST_F(Texts, CapitalsAreAsHighAsTheTextHeight) {
    Dxf e;
    e(0, "TEXT")(8, "0")(10, 10.0)(20, 20.0)(30, 0.0)(40, 5.0)(1, "HE");
    const Imported r = import(e);
    ASSERT_TRUE(r.ok);
    EXPECT_GT(r.lines().size(), 8u);
    const Box b = extent(r);
    EXPECT_NEAR(b.ymin, 20, 1e-9);
    EXPECT_NEAR(b.height(), 5, 0.01);
    EXPECT_GT(b.xmin, 10);
    EXPECT_LT(b.xmin, 11);
}

TEST_F(Texts, RotationWidthFactorAndAlignment) {
    Dxf plain, turned, wide, right;
    plain(0, "TEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 2.0)(1, "HHH");
    turned(0, "TEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 2.0)(1, "HHH")(50, 90.0);
    wide(0, "TEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 2.0)(1, "HHH")(41, 2.0);
    right(0, "TEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 2.0)(1, "HHH")(72, 2)(73, 3)(11, 100.0)(21, 50.0);
    const Box p = extent(import(plain)), t = extent(import(turned)), w = extent(import(wide)),
              g = extent(import(right));
    EXPECT_NEAR(t.height(), p.width(), 1e-9);
    EXPECT_NEAR(t.width(), p.height(), 1e-9);
    EXPECT_NEAR(w.width(), 2 * p.width(), 1e-6);
    EXPECT_NEAR(g.xmax, 100, 0.5); // right aligned (the advance includes a little bearing)
    EXPECT_LE(g.xmax, 100);
    EXPECT_NEAR(g.ymax, 50, 0.01); // top aligned
}

TEST_F(Texts, MissingFontsFallBackAndNamedFamiliesAreUsed) {
    EXPECT_EQ(outliner.familyFor({"romans.shx", ""}), "DejaVu Sans");
    EXPECT_EQ(outliner.familyFor({"", ""}), "DejaVu Sans");
    EXPECT_EQ(outliner.familyFor({"DejaVuSansMono.ttf", "DejaVu Sans Mono"}), "DejaVu Sans Mono");
    Dxf tables;
    tables
        .section("TABLES")(0, "TABLE")(2, "STYLE")(0, "STYLE")(2, "MONO")(70, 0)(40, 0.0)(41, 1.0)(
            3, "x.ttf")(1001, "ACAD")(1000, "DejaVu Sans Mono")(1071, 0)(0, "ENDTAB")
        .endsec();
    Dxf mono, sans;
    mono(0, "TEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 2.0)(1, "iii")(7, "MONO");
    sans(0, "TEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 2.0)(1, "iii")(7, "NOSUCHSTYLE");
    // A monospaced i is far wider apart than a proportional one.
    EXPECT_GT(extent(import(mono, tables)).width(), 1.5 * extent(import(sans, tables)).width());
}

TEST_F(Texts, MTextKeepsItsLineBreaks) {
    Dxf one, two;
    one(0, "MTEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 3.0)(71, 7)(1, "H");
    two(0, "MTEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 3.0)(71, 7)(1, "{\\H2x;H}\\PH");
    const Box a = extent(import(one)), b = extent(import(two));
    EXPECT_NEAR(a.ymin, 0, 1e-9); // bottom left attachment
    EXPECT_NEAR(b.ymin, 0, 1e-9);
    EXPECT_NEAR(b.height(), 3 + 5, 0.01); // two lines 5/3 of the height apart
}

} // namespace
} // namespace vectrim
