// vectrim-cli run and stage: exit codes, messages, answers and outputs.
#include "cli_runner.h"
#include "model/exchange_file.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace vectrim {
namespace {

using test::TempDir;

using Result = test::CliResult;

Result cli(const TempDir& dir, const std::string& args) { return test::runCli(dir, args); }

// An exchange file: "1" and four numbers per line, "2" and five per arc.
struct DatFile {
    std::ostringstream text;
    DatFile& line(double x1, double y1, double x2, double y2) {
        text << "1\n" << x1 << "\n" << y1 << "\n" << x2 << "\n" << y2 << "\n";
        return *this;
    }
    DatFile& arc(double cx, double cy, double r, double a1, double a2) {
        text << "2\n" << cx << "\n" << cy << "\n" << r << "\n" << a1 << "\n" << a2 << "\n";
        return *this;
    }
    std::string str() const { return text.str() + "e\n"; }
};

Drawing readBack(const TempDir& dir, const std::string& name) {
    Drawing d;
    test::RecordingHost host;
    EXPECT_EQ(readExchangeFile(dir.file(name), d, host), ExchangeRead::Ok);
    return d;
}

TEST(CliRun, DesignTolerancesOnAnExchangeFile) {
    TempDir dir;
    DatFile dat;
    dat.line(100, 100, 110, 100).line(110, 100, 120, 100).line(120, 100.1, 120, 130); // 0.1 gap
    dir.write("in.dat", dat.str());
    const Result r = cli(dir, "run in.dat -o out.dat");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, ""); // no progress texts when standard error is no terminal
    const Drawing d = readBack(dir, "out.dat");
    // Moved to the origin, the gap closed, the collinear pair joined: one
    // open contour (20, 30) - (20, 0) - (0, 0).
    ASSERT_EQ(d.linecount, 2);
    EXPECT_EQ(d.arccount, 0);
    const Line vertical = d.lines[0].x1 == d.lines[0].x2 ? d.lines[0] : d.lines[1];
    const Line horizontal = d.lines[0].x1 == d.lines[0].x2 ? d.lines[1] : d.lines[0];
    EXPECT_EQ(vertical.x1, 20);
    EXPECT_EQ(std::min(vertical.y1, vertical.y2), 0);
    EXPECT_EQ(std::max(vertical.y1, vertical.y2), 30);
    EXPECT_EQ(horizontal.y1, 0);
    EXPECT_EQ(std::min(horizontal.x1, horizontal.x2), 0);
    EXPECT_EQ(std::max(horizontal.x1, horizontal.x2), 20);
}

TEST(CliRun, ModelAsJsonOnStandardOutput) {
    TempDir dir;
    DatFile dat;
    dat.line(0.1, 0, 0.3, 0).arc(5, 5, 2, 0, 360);
    dir.write("in.dat", dat.str());
    const Result r = cli(dir, "run in.dat --keep-position --reduce 0 --smooth 0");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"lines\": [[0.1, 0, 0.3, 0, 0]],\n \"arcs\": [[5, 5, 2, 0, 360, 1]],\n"
                          " \"order\": [0, 100000],\n \"freeends\": [",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("\"messages\": []}"), std::string::npos);
}

TEST(CliRun, InvalidToleranceIsRefused) {
    TempDir dir;
    dir.write("in.dat", DatFile().line(0, 0, 1, 0).str());
    Result r = cli(dir, "run in.dat --smooth 2.0001 -o out.json");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("[Exit] Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) \n"),
              std::string::npos);
    EXPECT_EQ(dir.read("out.json"), "");
    r = cli(dir, "run in.dat --smooth 2 -o out.json");
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST(CliRun, MessagesInGermanOrEnglish) {
    TempDir dir;
    dir.write("in.dat", DatFile().line(0, 0, 1, 0).str());
    const struct {
        const char* env;
        const char* lang;
        const char* message;
    } cases[] = {
        {"LANG=C.UTF-8", "", "[Exit] Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) \n"},
        {"LANG=C.UTF-8", "--lang en", "[Exit] Input >T:Smooth graphics< out of range (0 to 2) \n"},
        {"LANG=en_GB.UTF-8", "", "[Exit] Input >T:Smooth graphics< out of range (0 to 2) \n"},
        {"LANG=en_GB.UTF-8", "--lang de",
         "[Exit] Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) \n"},
    };
    for (const auto& c : cases) {
        const Result r = test::runCli(dir, std::string(c.lang) + " run in.dat --smooth 3 -o out.json", c.env);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.env << " " << c.lang << ": " << r.err;
    }
    EXPECT_EQ(test::runCli(dir, "--lang fr run in.dat").status, 2);
}

TEST(CliRun, AnswerDecidesAboutLargeDrawings) {
    TempDir dir;
    DatFile dat;
    for (int k = 0; k < 1001; ++k) dat.line((k % 40) * 3, (k / 40) * 3, (k % 40) * 3 + 1, (k / 40) * 3);
    dat.line(0, -10, 5, -10).line(5, -10, 10, -10); // joined only when the run goes on
    dir.write("in.dat", dat.str());
    Result r = cli(dir, "run in.dat --reduce 0 --answer N -o no.dat");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("[Vectrim] Linienanzahl > 1000. Fortfahren ? -> N"), std::string::npos) << r.err;
    EXPECT_EQ(readBack(dir, "no.dat").linecount, 1003);
    r = cli(dir, "run in.dat --reduce 0 -o yes.dat");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("-> J"), std::string::npos);
    EXPECT_EQ(readBack(dir, "yes.dat").linecount, 1002);
}

TEST(CliRun, ReportNamesTheStagesThatDidSomethingAndTheImport) {
    TempDir dir;
    dir.write("in.dxf", "0\nSECTION\n2\nHEADER\n9\n$MEASUREMENT\n70\n0\n0\nENDSEC\n"
                        "0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n0\n10\n1\n20\n1\n"
                        "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n10\n21\n0\n"
                        "0\nLINE\n8\n0\n10\n10\n20\n0\n11\n0\n21\n0\n0\nENDSEC\n0\nEOF\n");
    const Result r = cli(dir, "run in.dxf --report report.json -o out.dat");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.read("report.json"),
              "{\"stages\": [\n"
              "  {\"name\": \"removeduplicates\", \"counts\": {\"split\": 0, \"removed\": 1, \"moved\": 0, "
              "\"merged\": 0, \"created\": 0}, \"places\": [[5, 0, 10]], \"kinds\": [\"removed\"]}\n ],\n"
              " \"import\": {\"skipped\": {\"POINT\": 1}, \"approximated\": {}, \"quality\": 30, "
              "\"insunits\": -1, \"measurement\": 0}}\n");
    EXPECT_NE(cli(dir, "run in.dxf --report /nirgends/report.json").status, 0);
}

TEST(CliRun, UsageErrorsAndUnreadableInput) {
    TempDir dir;
    dir.write("in.dat", DatFile().line(0, 0, 1, 0).str());
    EXPECT_EQ(cli(dir, "run").status, 2);
    EXPECT_EQ(cli(dir, "run in.dat --bogus").status, 2);
    EXPECT_EQ(cli(dir, "run in.dat --answer X").status, 2);
    EXPECT_EQ(cli(dir, "run in.dat --reduce").status, 2);
    EXPECT_EQ(cli(dir, "run missing.dat").status, 1);
    dir.write("broken.dat", "1\n0\n0\n");
    EXPECT_EQ(cli(dir, "run broken.dat").status, 1);
}

TEST(CliStage, OneStageWithItsTolerance) {
    TempDir dir;
    DatFile dat;
    dat.line(0, 0, 10, 0).line(10.3, 0, 20, 0);
    dir.write("in.dat", dat.str());
    Result r = cli(dir, "stage closegaps in.dat --tol 0.5 -o out.dat");
    EXPECT_EQ(r.status, 0) << r.err;
    Drawing d = readBack(dir, "out.dat");
    ASSERT_EQ(d.linecount, 2);
    EXPECT_EQ(d.lines[1].x1, 10);
    // The design radius 0.2 leaves the gap.
    r = cli(dir, "stage closegaps in.dat -o out.dat");
    EXPECT_EQ(r.status, 0) << r.err;
    d = readBack(dir, "out.dat");
    EXPECT_EQ(d.lines[1].x1, 10.3);
    r = cli(dir, "stage joinlines in.dat");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"lines\": [[0, 0, 10, 0, -1], [10.3, 0, 20, 0, -1]]", 0), 0u) << r.out;
}

TEST(CliStage, UsageErrors) {
    TempDir dir;
    dir.write("in.dat", DatFile().line(0, 0, 1, 0).str());
    EXPECT_EQ(cli(dir, "stage nosuchstage in.dat").status, 2);
    EXPECT_EQ(cli(dir, "stage joinlines in.dat --tol 1").status, 2); // reads no tolerance
    EXPECT_EQ(cli(dir, "stage joinlines").status, 2);
    EXPECT_EQ(cli(dir, "stage reducelines in.dat --tol 7").status, 1);
    EXPECT_EQ(cli(dir, "stage roundarcarc in.dat --tol 1.5").status, 0);
}

// --reference before the command runs the literal stages: the same output.
TEST(CliReference, SameOutputsAsTheFastStages) {
    TempDir dir;
    DatFile dat;
    dat.line(0, 0, 10, 0).line(10, 0, 0, 0).line(5, 0, 5, 5).line(5, 5.0005, 9, 9).arc(20, 0, 3, 0, 180);
    dir.write("in.dat", dat.str());
    for (const char* args : {"run in.dat", "stage splitatjunctions in.dat", "stage buildcontours in.dat",
                             "check open in.dat", "analyse in.dat"}) {
        const Result fast = cli(dir, args);
        const Result reference = cli(dir, std::string("--reference ") + args);
        EXPECT_EQ(fast.status, 0) << args << fast.err;
        EXPECT_EQ(reference.status, fast.status) << args;
        EXPECT_EQ(reference.out, fast.out) << args;
    }
    EXPECT_EQ(cli(dir, "run --reference in.dat").status, 2); // only before the command
    EXPECT_EQ(cli(dir, "--reference").status, 2);
}

} // namespace
} // namespace vectrim
