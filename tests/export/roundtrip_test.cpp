// Round trip: a drawing saved in either form and imported again by our own
// import (as load hands it over through the exchange file) has the same
// lines and arcs, arcs possibly split where bulges require it.
#include "export/dxf_save.h"
#include "fixture.h"
#include "geometry_compare.h"
#include "import/import.h"
#include "model/exchange_file.h"
#include "parts.h"
#include "pipeline/run.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

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

// Saves the drawing in both forms, imports each file again and compares.
void expectRoundTrip(Fixture& f, const TempDir& dir, const std::string& what) {
    const std::vector<test::Piece> before = test::piecesOf(f.d);
    for (const DxfForm form : {DxfForm::LinesArcs, DxfForm::Polylines}) {
        const std::string file = dir.file(form == DxfForm::LinesArcs ? "A.DXF" : "P.DXF");
        ASSERT_TRUE(savedxf(*f.session, file, form, DxfUnit::Millimetre).ok) << what;
        Fixture back;
        ASSERT_TRUE(importAgain(file, dir, back.d, back.host)) << what;
        EXPECT_TRUE(back.host.messages.empty()) << what;
        if (form == DxfForm::LinesArcs) {
            EXPECT_EQ(back.d.linecount, f.d.linecount) << what;
            EXPECT_EQ(back.d.arccount, f.d.arccount) << what;
        } else {
            EXPECT_GE(back.d.arccount, f.d.arccount) << what; // arcs over 180 degrees come back in two
        }
        EXPECT_TRUE(test::sameGeometry(before, test::piecesOf(back.d), kExact))
            << what << (form == DxfForm::LinesArcs ? ", lines and arcs" : ", polylines");
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

} // namespace
} // namespace vectrim
