// vectrim-cli print: the page in a PDF file, checked as pixels.
#include "cli_runner.h"
#include "fixture.h"
#include "model/exchange_file.h"
#include "pdf_raster.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace vectrim {
namespace {

using test::Fixture;
using test::Raster;
using test::TempDir;

constexpr int kDpi = 254; // 10 pixels per millimetre
constexpr double kPixelsPerMm = 10;
constexpr int kHeaderRows = 120; // the header lies above 12 mm

using Result = test::CliResult;

Result cli(const std::string& args, const TempDir& dir) { return test::runCli(dir, args); }

std::string writeDrawing(const TempDir& dir, const Fixture& f) {
    const std::string path = dir.file("in.dat");
    EXPECT_TRUE(writeExchangeFile(path, f.d));
    return path;
}

class PrintCli : public ::testing::Test {
protected:
    TempDir dir;
    void SetUp() override {
        if (!test::havePdftoppm()) GTEST_SKIP() << "pdftoppm (poppler-utils) is missing";
    }
};

TEST_F(PrintCli, ALine100mmLongAtScale1Measures1000PixelsAt254Dpi) {
    Fixture f;
    f.line(0, 0, 100, 0);
    const std::string pdf = dir.file("line.pdf");
    const Result r = cli("print " + writeDrawing(dir, f) + " --pdf " + pdf + " --scale 1", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\n");
    const Raster page = test::rasterise(pdf, kDpi, dir);
    ASSERT_GT(page.width, 0);
    EXPECT_NEAR(page.width, 2100, 1); // A4 (595 x 842 points)
    EXPECT_NEAR(page.height, 2970, 1);
    const Raster::Box b = page.darkBox(kHeaderRows, page.height);
    ASSERT_GE(b.x1, b.x0);
    EXPECT_NEAR(b.x1 - b.x0 + 1, 1000, 3);
    // centred in the 188 mm width, with the 10 mm margin: x from 54 mm;
    // a line has no height, so it lies at 265 / 2 + 12 mm
    EXPECT_NEAR(b.x0, 54 * kPixelsPerMm, 3);
    EXPECT_NEAR((b.y0 + b.y1) / 2.0, (132.5 + 12) * kPixelsPerMm, 3);
    EXPECT_LE(b.y1 - b.y0, 3); // 0.2 mm wide
    // the header
    const Raster::Box h = page.darkBox(0, kHeaderRows);
    EXPECT_GE(h.x1, h.x0);
    EXPECT_NEAR(h.x0, 10 * kPixelsPerMm, 5);
}

TEST_F(PrintCli, FitsTurnsAndPrintsBlackAndWhite) {
    Fixture f;
    f.line(0, 0, 100, 0);
    f.line(100, 0, 100, 50);
    f.line(100, 50, 0, 50);
    f.line(0, 50, 0, 0);
    f.arc(50, 25, 10, 0, 360);
    const std::string in = writeDrawing(dir, f);
    const std::string pdf = dir.file("fit.pdf");
    Result r = cli("print " + in + " --pdf " + pdf, dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1.504\n");
    Raster page = test::rasterise(pdf, kDpi, dir);
    ASSERT_GT(page.width, 0);
    const Raster::Box b = page.darkBox(kHeaderRows, page.height);
    // 150.4 x 75.2 mm at ox 18.8, oy 94.9, plus the margins; half the pen
    // width lies outside
    EXPECT_NEAR(b.x0, (10 + 18.8) * kPixelsPerMm, 3);
    EXPECT_NEAR(b.x1, (10 + 18.8 + 150.4) * kPixelsPerMm, 3);
    EXPECT_NEAR(b.y0, (12 + 94.9) * kPixelsPerMm, 3);
    EXPECT_NEAR(b.y1, (12 + 94.9 + 75.2) * kPixelsPerMm, 3);

    r = cli("print " + in + " --pdf " + pdf + " --rotate --bw --scale fit", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2.376\n");
    page = test::rasterise(pdf, kDpi, dir);
    const Raster::Box t = page.darkBox(kHeaderRows, page.height);
    EXPECT_NEAR(t.x1 - t.x0, 50 * 2.376 * kPixelsPerMm, 4); // turned: 50 wide, 100 high
    EXPECT_NEAR(t.y1 - t.y0, 100 * 2.376 * kPixelsPerMm, 4);
}

TEST_F(PrintCli, RefusesEmptyDrawingsAndUnwritableFiles) {
    Fixture empty;
    EXPECT_EQ(cli("print " + writeDrawing(dir, empty) + " --pdf " + dir.file("x.pdf"), dir).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.pdf")));
    Fixture f;
    f.line(0, 0, 10, 0);
    const std::string in = writeDrawing(dir, f);
    EXPECT_EQ(cli("print " + in + " --pdf " + dir.file("no/such/folder/x.pdf"), dir).status, 1);
    EXPECT_EQ(cli("print " + in + " --pdf " + dir.file("y.pdf") + " --scale 1e400", dir).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("y.pdf")));
    for (const char* absurd : {"0", "-1", "abc"}) {
        const Result r = cli("print " + in + " --pdf " + dir.file("z.pdf") + " --scale " + absurd, dir);
        EXPECT_EQ(r.status, 1) << absurd;
        EXPECT_NE(r.err.find("Abbruch  -> Ausgabefehler !"), std::string::npos) << absurd;
        EXPECT_FALSE(std::filesystem::exists(dir.file("z.pdf"))) << absurd;
    }
    EXPECT_EQ(cli("print " + in, dir).status, 2);
}

} // namespace
} // namespace vectrim
