// The parameter file and the working file (also used for profiles).
#include "model/par_file.h"
#include "model/working_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::TempDir;

TEST(ParFile, DialogPathKeepsItsNul) {
    TempDir dir;
    const std::string path = std::string("/a/b.dxf") + '\0';
    ASSERT_TRUE(writeParFile(dir.file("par.dat"), path, displayName(path)));
    EXPECT_EQ(dir.read("par.dat"), std::string("/a/b.dxf\0\r\n 30\r\n/a/b.dxf\0\r\n", 27));
    const ParFile p = readParFile(dir.file("par.dat"));
    EXPECT_EQ(p.lines, 3);
    EXPECT_EQ(p.path, "/a/b.dxf");
    EXPECT_EQ(p.quality, 30);
    EXPECT_EQ(p.display, "/a/b.dxf");
}

TEST(ParFile, DisplayNameIsTheLast30Characters) {
    const std::string forty = "/home/user/zeichnungen/projekt/teil1.dxf";
    ASSERT_EQ(forty.size(), 40u);
    EXPECT_EQ(displayName(forty), forty.substr(10));
    EXPECT_EQ(displayName("/short.dxf"), "/short.dxf");
    const std::string thirty(30, 'x');
    EXPECT_EQ(displayName(thirty), thirty);
    // Characters, not bytes: an umlaut is not cut in half.
    const std::string umlauts = "/zeichnungen/" + std::string(14, 'x') + "/Bögen_ä.dxf";
    const std::string shown = displayName(umlauts);
    EXPECT_TRUE(shown.ends_with("/Bögen_ä.dxf"));
    EXPECT_EQ(shown.size(), 32u); // 30 characters, two of them two bytes long
    EXPECT_NE(static_cast<unsigned char>(shown[0]) & 0xC0, 0x80);
}

TEST(ParFile, ShortAndMissingFiles) {
    TempDir dir;
    EXPECT_EQ(readParFile(dir.file("par.dat")).lines, 0);
    dir.write("par.dat", "/x.dxf\r\n");
    const ParFile p = readParFile(dir.file("par.dat"));
    EXPECT_EQ(p.lines, 1);
    EXPECT_EQ(p.path, "/x.dxf");
    dir.write("par.dat", "/x.dxf\r\n 1e400\r\n");
    EXPECT_EQ(readParFile(dir.file("par.dat")).quality, 0);
    dir.write("par.dat", "/x.dxf\r\n 9e15\r\n");
    EXPECT_EQ(readParFile(dir.file("par.dat")).quality, 1000000000);
}

TEST(WorkingFile, WrittenExactlyAndReadBack) {
    TempDir dir;
    WorkingData w;
    w.inchConverted = 1;
    w.wizardChoice = 5;
    w.reduceText = "0.3";
    w.gapText = "abc";
    w.smoothText = " 0";
    w.top = -150;
    w.left = 2400;
    ASSERT_TRUE(writesettings(dir.file("tempw.dat"), w));
    EXPECT_EQ(dir.read("tempw.dat"), " 1\r\n 5\r\n 0\r\n0.3\r\nabc\r\n 0\r\n30\r\n1\r\n-150\r\n 2400\r\n");
    WorkingData r;
    ASSERT_TRUE(loaddats(dir.file("tempw.dat"), r));
    EXPECT_EQ(r.inchConverted, 1);
    EXPECT_EQ(r.wizardChoice, 5);
    EXPECT_EQ(r.gapText, "abc");
    EXPECT_EQ(r.smoothText, " 0");
    EXPECT_EQ(r.top, -150);
    EXPECT_EQ(r.left, 2400);
}

TEST(WorkingFile, ShortOrMissingFileGivesTheDefaults) {
    TempDir dir;
    dir.write("tempw.dat", " 1\r\n 4\r\n 0\r\n0.7\r\n0.8\r\n");
    WorkingData r;
    r.top = 999;
    EXPECT_FALSE(loaddats(dir.file("tempw.dat"), r));
    EXPECT_EQ(r.reduceText, "0.3");
    EXPECT_EQ(r.gapText, "1");
    EXPECT_EQ(r.smoothText, "0.2");
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.left, 200);
    WorkingData m;
    EXPECT_FALSE(loaddats(dir.file("none.dat"), m));
    EXPECT_EQ(m.gapText, "1");
}

TEST(WorkingFile, AbsurdNumbersAreAFailure) {
    TempDir dir;
    dir.write("tempw.dat", " 99999\r\n 4\r\n 0\r\n0.7\r\n0.8\r\n0.9\r\n30\r\n1\r\n 1e400\r\n 5\r\n");
    WorkingData r;
    EXPECT_FALSE(loaddats(dir.file("tempw.dat"), r));
    EXPECT_EQ(r.reduceText, "0.3");
}

TEST(WorkingFile, UnwritableFileResetsTheTolerances) {
    TempDir dir;
    WorkingData w;
    w.reduceText = "2";
    EXPECT_FALSE(writesettings(dir.file("no/such/folder/tempw.dat"), w));
    EXPECT_EQ(w.reduceText, "0.3");
    EXPECT_EQ(w.gapText, "1");
    EXPECT_EQ(w.smoothText, "0.2");
}

TEST(WorkingFile, FailedWriteLeavesTheOldFile) {
    TempDir dir;
    dir.write("tempw.dat", "old");
    std::filesystem::create_directory(dir.file("tempw.dat.dir"));
    WorkingData w;
    // A target that is a folder cannot be replaced.
    EXPECT_FALSE(writesettings(dir.file("tempw.dat.dir"), w));
    EXPECT_EQ(dir.read("tempw.dat"), "old");
}

} // namespace
} // namespace vectrim
