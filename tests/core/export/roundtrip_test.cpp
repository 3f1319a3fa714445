// Round trip: a drawing saved in either form and imported again by our own
// import (as load hands it over through the exchange file) has the same
// lines and arcs, arcs possibly split where bulges require it.
#include "export/dxf_save.h"
#include "fixture.h"
#include "geometry_compare.h"
#include "import/import.h"
#include "model/exchange_file.h"
#include "model/par_file.h"
#include "parts.h"
#include "pipeline/run.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace vectrim {
namespace {

using test::Fixture;
using test::TempDir;

constexpr double kExact = 1e-9; // mm

// Imports a DXF as load does and reads the exchange file back as the main
// program does (without moving the drawing to the origin).
bool importAgain(const std::string& dxf, const TempDir& dir, Drawing& d, Host& host) {
    const std::string exchange = dir.file("tempd.dat");
    if (!load::importToExchangeFile(dxf, kCurveQuality, exchange, host, nullptr)) return false;
    return readExchangeFile(exchange, d, host) == ExchangeRead::Ok;
}

// The largest distance between the ends of two elements that still count
// as one point (|dx| and |dy| below kSamePoint): where a polyline joins such
// ends in one vertex, no point of the drawing moves further than this.
double largestJoinedGap(const Drawing& d) {
    std::vector<std::pair<Point, int32_t>> ends;
    for (int32_t i = 0; i < d.linecount; ++i) {
        ends.push_back({{d.lines[i].x1, d.lines[i].y1}, i});
        ends.push_back({{d.lines[i].x2, d.lines[i].y2}, i});
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        ends.push_back({arcStart(d.arcs[i]), i + kArcRef});
        ends.push_back({arcEnd(d.arcs[i]), i + kArcRef});
    }
    double gap = 0;
    for (size_t a = 0; a < ends.size(); ++a)
        for (size_t b = a + 1; b < ends.size(); ++b) {
            const Point p = ends[a].first, q = ends[b].first;
            if (ends[a].second != ends[b].second && coincide(p.x, p.y, q.x, q.y))
                gap = std::max(gap, std::hypot(p.x - q.x, p.y - q.y));
        }
    return gap;
}

// Saves the drawing in both forms, imports each file again and compares:
// the lines-and-arcs form exactly, the polyline form exactly up to the gaps
// it joins.
void expectRoundTrip(Fixture& f, const TempDir& dir, const std::string& what) {
    const std::vector<test::Piece> before = test::piecesOf(f.d);
    const double joined = largestJoinedGap(f.d);
    for (const DxfForm form : {DxfForm::LinesArcs, DxfForm::Polylines}) {
        const std::string file = dir.file(form == DxfForm::LinesArcs ? "A.DXF" : "P.DXF");
        ASSERT_TRUE(savedxf(f.d, f.host, file, form, DxfUnit::Millimetre).ok) << what;
        Fixture back;
        ASSERT_TRUE(importAgain(file, dir, back.d, back.host)) << what;
        EXPECT_TRUE(back.host.messages.empty()) << what;
        if (form == DxfForm::LinesArcs) {
            EXPECT_EQ(back.d.linecount, f.d.linecount) << what;
            EXPECT_EQ(back.d.arccount, f.d.arccount) << what;
        } else {
            EXPECT_GE(back.d.arccount, f.d.arccount) << what; // arcs over 180 degrees come back in two
        }
        const double tol = form == DxfForm::LinesArcs ? kExact : kExact + joined;
        EXPECT_TRUE(test::sameGeometry(before, test::piecesOf(back.d), tol))
            << what << (form == DxfForm::LinesArcs ? ", lines and arcs" : ", polylines, joined gaps up to ")
            << joined;
    }
}

TEST(RoundTrip, GeneratedDrawings) {
    TempDir dir;
    Fixture f;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        f.d.clear();
        test::PartMaker maker(f.d, seed);
        maker.part(10, 10);
        maker.part(300, 40);
        expectRoundTrip(f, dir, "seed " + std::to_string(seed));
    }
}

// Corpus files imported, processed with the default tolerances, saved and
// imported again.
TEST(RoundTrip, ProcessedCorpusFiles) {
    const char* files[] = {"dxf2gcode-plasma/pumpenteile.dxf", "dxf2gcode-plasma/Stir_1.dxf",
                           "LibreCAD/t-part.dxf", "ezdxf/Slider01.dxf",
                           "involute-gear-collection/teeth-24.dxf"};
    TempDir dir;
    Fixture f;
    int tested = 0;
    for (const char* name : files) {
        const std::string path = std::string(VECTRIM_SHARED_DIR "/corpus/") + name;
        if (!std::filesystem::exists(path)) continue;
        ASSERT_TRUE(importAgain(path, dir, f.d, f.host)) << name;
        ASSERT_GT(f.d.elementCount(), 0) << name;
        BatchRunFrame frame;
        ASSERT_EQ(bearbeitungeinfach(*f.session, frame), RunOutcome::Finished) << name;
        ASSERT_GT(f.d.elementCount(), 0) << name;
        expectRoundTrip(f, dir, name);
        ++tested;
    }
    if (tested == 0) GTEST_SKIP() << "the corpus is not there: " VECTRIM_SHARED_DIR "/corpus";
}

// A drawing from an inch DXF keeps inch in the saved file until it is
// converted to millimetres.
TEST(RoundTrip, InchDrawingsStayInchUntilConverted) {
    const std::string source = VECTRIM_SHARED_DIR "/corpus/ezdxf/x0292430_c.dxf";
    if (!std::filesystem::exists(source)) GTEST_SKIP() << "the corpus is not there: " << source;
    ASSERT_EQ(declaredInsunits(source), 1);
    TempDir dir;
    const std::string cli = VECTRIM_BIN_DIR "/vectrim-cli '";
    ASSERT_EQ(
        std::system((cli + "export' '" + source + "' -o '" + dir.file("i.dxf") + "' 2>/dev/null").c_str()),
        0);
    ASSERT_EQ(
        std::system((cli + "inch' '" + source + "' -o '" + dir.file("m.dxf") + "' 2>/dev/null").c_str()), 0);
    EXPECT_EQ(declaredInsunits(dir.file("i.dxf")), 1);
    EXPECT_NE(dir.read("i.dxf").find("$MEASUREMENT\r\n 70\r\n0\r\n"), std::string::npos);
    EXPECT_EQ(declaredInsunits(dir.file("m.dxf")), 4);
}

} // namespace
} // namespace vectrim
