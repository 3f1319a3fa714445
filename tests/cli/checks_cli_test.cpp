// vectrim-cli check, analyse, scale and inch on small exchange files.
#include "cli_runner.h"
#include "fixture.h"
#include "model/exchange_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace vectrim {
namespace {

using test::Fixture;
using test::TempDir;

using Result = test::CliResult;

// Runs vectrim-cli with the arguments (absolute paths) and the answers.
Result cli(const std::string& args, const std::string& answers = "") {
    const TempDir dir;
    return test::runCli(dir, args, "VECTRIM_ANSWERS=" + answers);
}

// A closed 10 x 10 square and, apart, a T of three lines.
std::string writeDrawing(const TempDir& dir) {
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10, 10);
    f.line(10, 10, 0, 10);
    f.line(0, 10, 0, 0);
    f.line(20, 0, 25, 0);
    f.line(25, 0, 30, 0);
    f.line(25, 0, 25, 5);
    f.arc(40, 5, 2, 0, 90);
    const std::string path = dir.file("in.dat");
    EXPECT_TRUE(writeExchangeFile(path, f.d));
    return path;
}

TEST(Cli, Checks) {
    TempDir dir;
    const std::string in = writeDrawing(dir);
    Result r = cli("check directions " + in);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"Label3\": \"Ecken: 6\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("[10, 0, 0, 2, 90.0000"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"Label2\": \"\""), std::string::npos) << r.out;

    r = cli("check junctions " + in);
    EXPECT_NE(r.out.find("\"Label2\": \" 3\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("[25, 0, 4, 2, null]"), std::string::npos) << r.out;

    r = cli("check open " + in);
    EXPECT_NE(r.out.find("\"Label2\": \"Vorhanden !\""), std::string::npos) << r.out;

    r = cli("check endpoints " + in);
    EXPECT_NE(r.out.find("\"Label3\": \"Endpunkte\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("[0, 0, 0, 1, null], [10, 0, 0, 2, null]"), std::string::npos) << r.out;

    r = cli("check small " + in);
    EXPECT_NE(r.out.find("{\"marks\": [],"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"Label2\": \" 0\""), std::string::npos) << r.out;

    EXPECT_EQ(cli("check corners " + in).status, 2);
    EXPECT_EQ(cli("check open " + dir.file("missing.dat")).status, 1);
}

TEST(Cli, Analyse) {
    TempDir dir;
    const Result r = cli("analyse " + writeDrawing(dir));
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"Text3\": \" 2\", \"Text4\": \" 2\", \"Text5\": \" 3.142\", \"Text6\": \" 5\", "
                     "\"Label9\": \"Offene Kontur(en) vorhanden !\", "
                     "\"Label10\": \"Ok ! Keine Unterschreitung der Mindestlänge.\"}\n");
}

TEST(Cli, ScaleAndInch) {
    TempDir dir;
    const std::string in = writeDrawing(dir);
    Result r = cli("scale " + in + " --width 84 --height 21 --quality grob -o " + dir.file("s.dat"));
    ASSERT_EQ(r.status, 0);
    Fixture f;
    ASSERT_EQ(readExchangeFile(dir.file("s.dat"), f.d, f.host), ExchangeRead::Ok);
    EXPECT_EQ(f.d.arccount, 0);
    EXPECT_EQ(f.d.linecount, 7 + 3); // the quarter arc (3.1 long) in "Grob": 6 -> 3 lines

    EXPECT_EQ(cli("scale " + in + " --width 0 --height 5").status, 1);

    r = cli("inch " + in + " -o " + dir.file("mm.dat"));
    ASSERT_EQ(r.status, 0);
    r = cli("inch " + dir.file("mm.dat") + " --back -o " + dir.file("back.dat"));
    ASSERT_EQ(r.status, 0);
    r = cli("inch " + in + " -o " + dir.file("no.dat"), "N");
    ASSERT_EQ(r.status, 0);
    Fixture no;
    ASSERT_EQ(readExchangeFile(dir.file("no.dat"), no.d, no.host), ExchangeRead::Ok);
    EXPECT_EQ(no.d.lines[0].x2, 10);
    // Reading an exchange file deletes it: the input goes last.
    Fixture mm, back, orig;
    ASSERT_EQ(readExchangeFile(dir.file("mm.dat"), mm.d, mm.host), ExchangeRead::Ok);
    ASSERT_EQ(readExchangeFile(dir.file("back.dat"), back.d, back.host), ExchangeRead::Ok);
    ASSERT_EQ(readExchangeFile(in, orig.d, orig.host), ExchangeRead::Ok);
    EXPECT_NEAR(mm.d.lines[0].x2, 254, 1e-9);
    for (int32_t i = 0; i < orig.d.linecount; ++i) {
        EXPECT_NEAR(back.d.lines[i].x2, orig.d.lines[i].x2, 1e-9 * std::fabs(orig.d.lines[i].x2) + 1e-12);
        EXPECT_NEAR(back.d.lines[i].y2, orig.d.lines[i].y2, 1e-9 * std::fabs(orig.d.lines[i].y2) + 1e-12);
    }
    EXPECT_NEAR(back.d.arcs[0].r, 2, 2e-9);
}

} // namespace
} // namespace vectrim
