// vectrim-cli starts without Qt and lets vectrim-cli-qt outline texts and
// print; without the twin beside it, texts are left out and printing is
// refused, and no temporary file stays behind.
#include "cli_runner.h"
#include "shell.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vectrim {
namespace {

using test::TempDir;

// One line and one text, as a DXF R12 holds them.
constexpr const char* kLineAndText = "0\nSECTION\n2\nENTITIES\n"
                                     "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n50\n21\n0\n"
                                     "0\nTEXT\n8\n0\n10\n0\n20\n10\n40\n5\n1\nAB\n"
                                     "0\nENDSEC\n0\nEOF\n";

int linesIn(const std::string& exchange) {
    int n = 0;
    for (size_t at = 0; (at = exchange.find("1\r\n", at)) != std::string::npos; at += 3)
        if (at == 0 || exchange[at - 1] == '\n') ++n;
    return n;
}

TEST(CliTwin, TextsAndPrintingGoToTheTwinOrAreLeftOutWithoutIt) {
    const std::string bin = VECTRIM_BIN_DIR;
    if (!std::filesystem::exists(bin + "/vectrim-cli-qt")) GTEST_SKIP() << "a build without Qt has no twin";
    TempDir dir;
    dir.write("in.dxf", kLineAndText);
    std::filesystem::create_directory(dir.file("tmp"));
    const std::string tmp = "TMPDIR='" + dir.file("tmp") + "'";

    // With the twin the texts are outlined, exactly as the twin does it.
    ASSERT_EQ(test::runCli(dir, "import in.dxf -o with.dat", tmp).status, 0);
    ASSERT_EQ(test::shell("'" + bin + "/vectrim-cli-qt' import '" + dir.file("in.dxf") + "' -o '" +
                          dir.file("twin.dat") + "'"),
              0);
    EXPECT_EQ(dir.read("with.dat"), dir.read("twin.dat"));
    EXPECT_GT(linesIn(dir.read("with.dat")), 1);
    EXPECT_EQ(test::runCli(dir, "run in.dxf -o run.json", tmp).status, 0); // through a temporary file

    // Alone in a folder of its own: the line only, the text named as left out.
    std::filesystem::create_directory(dir.file("alone"));
    for (const char* f : {"vectrim-cli", "libkgeom.so"})
        std::filesystem::copy_file(bin + "/" + f, dir.file("alone/") + f);
    const std::string alone = "cd '" + dir.folder() + "' && " + tmp + " ./alone/vectrim-cli ";
    ASSERT_EQ(test::shell(alone + "import in.dxf -o without.dat 2> err.txt"), 0);
    EXPECT_EQ(linesIn(dir.read("without.dat")), 1);
    EXPECT_NE(dir.read("err.txt").find("1 TEXT"), std::string::npos) << dir.read("err.txt");
    EXPECT_NE(test::shell(alone + "print in.dxf --pdf out.pdf 2> err.txt"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.pdf")));

    // (Qt may leave a runtime folder of its own there.)
    for (const auto& e : std::filesystem::directory_iterator(dir.file("tmp")))
        EXPECT_NE(e.path().filename().string().rfind("vectrim", 0), 0u) << e.path();
}

} // namespace
} // namespace vectrim
