// The load program itself: its command line, the hand-over through par.dat
// and tempd.dat, the start of the main program and the failure path. The
// program folder is a temporary one holding a stand-in main program that
// records its arguments.
#include "load_test_support.h"
#include "model/textfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace vectrim {
namespace {

using test::Dxf;
using test::TempDir;

class LoadProgram : public ::testing::Test {
protected:
    void SetUp() override {
        // The stand-in main program writes its arguments to started.txt.
        dir_.write("vectrim", "#!/bin/sh\necho \"$#:$*\" > \"$(dirname \"$0\")/started.txt\"\n");
        chmod(dir_.file("vectrim").c_str(), 0755);
    }

    // Runs load with the arguments; returns its exit status and standard
    // error.
    int run(const std::string& args, std::string& err) {
        const std::string command = "cd '" + dir_.folder() + "' && VECTRIM_PROGRAM_FOLDER='" + dir_.folder() +
                                    "' VECTRIM_NONINTERACTIVE=1 QT_QPA_PLATFORM=offscreen '" VECTRIM_BIN_DIR
                                    "/load' " +
                                    args + " 2> '" + dir_.file("stderr.txt") + "'";
        const int status = std::system(command.c_str());
        err = dir_.read("stderr.txt");
        std::filesystem::remove(dir_.file("stderr.txt"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // What the main program was started with ("" when it was not started
    // within the given time).
    std::string started(int patienceMs = 5000) {
        for (int i = 0; i < patienceMs / 25 && !fileExists(dir_.file("started.txt")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::string s = dir_.read("started.txt");
        if (!s.empty() && s.back() == '\n') s.pop_back();
        return s;
    }

    void writePar(const std::string& dxfPath, bool withNul = true) {
        dir_.write("par.dat", dxfPath + (withNul ? std::string(1, '\0') : std::string()) + "\r\n 30\r\n" +
                                  displayName(dxfPath) + "\r\n");
    }
    static std::string displayName(const std::string& p) {
        return p.size() > 30 ? p.substr(p.size() - 30) : p;
    }

    TempDir dir_;
};

TEST_F(LoadProgram, OtherArgumentsEndAtOnceTouchingNothing) {
    dir_.write("par.dat", "nothing\r\n");
    dir_.write("tempd.dat", "e\r\n");
    std::string err;
    for (const char* args : {"", "2", "1 2", "43x", "' 1'"}) {
        EXPECT_EQ(run(args, err), 0) << args;
        EXPECT_EQ(err, "") << args;
    }
    EXPECT_EQ(dir_.read("tempd.dat"), "e\r\n");
    EXPECT_EQ(started(500), "");
}

TEST_F(LoadProgram, ImportsTheDrawingAndStartsTheMainProgramWithOne) {
    Dxf d;
    d.line(0, 0, 10, 0).circle(5, 5, 2);
    d(0, "POINT")(8, "0")(10, 1.0)(20, 1.0);
    dir_.write("drawing with blanks.DXF", test::entitiesFile(d));
    dir_.write("tempd.dat", "1\r\n 9\r\n 9\r\n 9\r\n 9\r\ne\r\n"); // the last import's
    writePar(dir_.file("drawing with blanks.DXF"));
    std::string err;
    EXPECT_EQ(run("1", err), 0);
    EXPECT_EQ(dir_.read("tempd.dat"),
              "1\r\n 0\r\n 0\r\n 10\r\n 0\r\n2\r\n 5\r\n 5\r\n 2\r\n 0\r\n 360\r\ne\r\n");
    EXPECT_EQ(started(), "1:1");
    EXPECT_EQ(err, "load: Nicht übernommen: 1 POINT\n");
}

TEST_F(LoadProgram, MissingParameterFileOrDrawingIsAnAccessError) {
    std::string err;
    EXPECT_EQ(run("1", err), 0);
    EXPECT_EQ(err, "[Error] Dateizugriffsfehler !\n");
    EXPECT_EQ(started(), "0:");
    EXPECT_FALSE(fileExists(dir_.file("tempd.dat")));

    std::filesystem::remove(dir_.file("started.txt"));
    writePar(dir_.file("gone.dxf"));
    EXPECT_EQ(run("1", err), 0);
    EXPECT_EQ(err, "[Error] Dateizugriffsfehler !\n");
    EXPECT_EQ(started(), "0:");

    // A parameter file of one line has no curve quality.
    std::filesystem::remove(dir_.file("started.txt"));
    dir_.write("d.dxf", test::entitiesFile(Dxf().line(0, 0, 1, 1)));
    dir_.write("par.dat", dir_.file("d.dxf") + "\r\n");
    EXPECT_EQ(run("1", err), 0);
    EXPECT_EQ(err, "[Error] Dateizugriffsfehler !\n");
    EXPECT_EQ(started(), "0:");
}

TEST_F(LoadProgram, ADrawingWithoutLinesOrArcsGivesAnEmptyExchangeFile) {
    dir_.write("texts.dxf", test::entitiesFile(Dxf()(0, "POINT")(8, "0")(10, 0.0)(20, 0.0)));
    writePar(dir_.file("texts.dxf"), false);
    std::string err;
    EXPECT_EQ(run("1", err), 0);
    EXPECT_EQ(dir_.read("tempd.dat"), "e\r\n");
    EXPECT_EQ(started(), "1:1");
}

TEST_F(LoadProgram, VariantSwitchWithNobodyToChooseEnds) {
    dir_.write("vectrimg", "g");
    std::string err;
    EXPECT_EQ(run("43", err), 0);
    EXPECT_EQ(err, "[Vectrim] Please select a language [unit]:\n");
    EXPECT_EQ(dir_.read("vectrimg"), "g");
    EXPECT_FALSE(fileExists(dir_.file("unit")));
    EXPECT_EQ(started(500), "");
}

TEST_F(LoadProgram, CommandLineImportWritesTheSameExchangeFile) {
    Dxf d;
    d.arc(1, 2, 3, 350, 10).line(0, 0, 0.000011, 0);
    dir_.write("a.dxf", test::entitiesFile(d));
    writePar(dir_.file("a.dxf"));
    std::string err;
    ASSERT_EQ(run("1", err), 0);
    const std::string fromLoad = dir_.read("tempd.dat");
    const std::string command = "'" VECTRIM_BIN_DIR "/vectrim-cli' import '" + dir_.file("a.dxf") + "' -o '" +
                                dir_.file("cli.dat") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(dir_.read("cli.dat"), fromLoad);
    EXPECT_EQ(fromLoad, "2\r\n 1\r\n 2\r\n 3\r\n 350\r\n 10\r\n1\r\n 0\r\n 0\r\n 1.1E-05\r\n 0\r\ne\r\n");
}

} // namespace
} // namespace vectrim
