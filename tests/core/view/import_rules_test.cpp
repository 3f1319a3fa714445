// The names that dialog results turn into: DXF choices and settings profiles;
// the hand-over files; reading an imported drawing back.
#include "app/import_cycle.h"
#include "app/profiles.h"
#include "model/par_file.h"
#include "model/textfile.h"
#include "model/working_file.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace vectrim {
namespace {

using namespace std::string_literals;

TEST(DxfChoice, AcceptsDxfNamesInAnyCaseAndKeepsTheNul) {
    const DxfChoice c = dxfChoice("/a/b.dxf\0"s);
    ASSERT_TRUE(c.accepted);
    EXPECT_EQ(c.path, "/a/b.dxf\0"s);
    EXPECT_EQ(c.lastFolder, "/a/");
    EXPECT_EQ(c.display, "/a/b.dxf\0"s);
    EXPECT_TRUE(dxfChoice("/x/PLAN.DxF\0"s).accepted);
    EXPECT_EQ(dxfChoice("b.dxf\0"s).lastFolder, "");
}

TEST(DxfChoice, RefusesOtherNamesShortResultsAndCancel) {
    EXPECT_FALSE(dxfChoice("").accepted);
    EXPECT_FALSE(dxfChoice("dxf").accepted);
    EXPECT_FALSE(dxfChoice("dxf\0"s).accepted);
    EXPECT_FALSE(dxfChoice("/a/b.dwg\0"s).accepted);
    EXPECT_FALSE(dxfChoice("/a/b.dxf").accepted); // without the NUL the name ends in "dxf" + 'f'
}

TEST(DxfChoice, ADisplayNameIsTheLast30Characters) {
    const std::string path = "/home/user/zeichnungen/2024/flansch-rund.dxf"s + '\0'; // 45
    ASSERT_EQ(path.size(), 45u);
    const DxfChoice c = dxfChoice(path);
    EXPECT_EQ(c.display, path.substr(15));
    EXPECT_EQ(c.display.size(), 30u);
}

TEST(Profiles, SaveNamesGetUpperCaseAndOneProExtension) {
    EXPECT_EQ(profileSaveName("test\0"s), "TEST.PRO");
    EXPECT_EQ(profileSaveName("test.pro\0"s), "TEST.PRO");
    EXPECT_EQ(profileSaveName("a.b\0"s), "A.B.PRO");
    EXPECT_EQ(profileSaveName("/home/Hans/test\0"s), "/home/Hans/TEST.PRO");
    EXPECT_EQ(profileSaveName("/p/x.PRO\0"s), "/p/X.PRO");
    EXPECT_FALSE(profileSaveName(""));
    EXPECT_FALSE(profileSaveName("\0"s));
    EXPECT_FALSE(profileSaveName("/p/\0"s));
}

TEST(Profiles, OpenNamesMustEndInPro) {
    EXPECT_EQ(profileOpenName("/p/fein.pro\0"s), "/p/fein.pro");
    EXPECT_EQ(profileOpenName("/p/FEIN.PRO\0"s), "/p/FEIN.PRO");
    EXPECT_FALSE(profileOpenName("/p/fein.dat\0"s));
    EXPECT_FALSE(profileOpenName(".PR"));
    EXPECT_FALSE(profileOpenName(""));
}

TEST(HandOver, WritesBothFilesAndReportsAMissingImportProgram) {
    test::TempDir dir;
    test::RecordingHost host;
    WorkingData w;
    w.reduceText = "0.7";
    w.top = 300;
    w.left = 450;
    EXPECT_EQ(handOver(dir.folder(), w, "/a/b.dxf\0"s, "/a/b.dxf\0"s, host), HandOverResult::StartFailed);
    EXPECT_EQ(host.events, 1);
    EXPECT_EQ(dir.read("par.dat"), "/a/b.dxf\0\r\n 30\r\n/a/b.dxf\0\r\n"s);
    WorkingData back;
    ASSERT_TRUE(loaddats(dir.file("tempw.dat"), back));
    EXPECT_EQ(back.reduceText, "0.7");
    EXPECT_EQ(back.top, 300);
    EXPECT_EQ(back.left, 450);
}

TEST(HandOver, AnUnwritableFolderStopsBeforeTheStart) {
    test::RecordingHost host;
    WorkingData w;
    EXPECT_EQ(handOver("/nonexistent-vectrim-folder/", w, "x.dxf", "x.dxf", host),
              HandOverResult::ParFileFailed);
    EXPECT_EQ(w.gapText, "1"); // the working file failed: the texts were reset
}

class ImportedDrawing : public ::testing::Test {
protected:
    test::TempDir dir;
    test::RecordingHost host;
    std::unique_ptr<Session> s = std::make_unique<Session>(host);
};

TEST_F(ImportedDrawing, IsMovedToTheOriginAndFittedAndTheFileDeleted) {
    dir.write("tempd.dat", "1\r\n-50\r\n20\r\n10\r\n20\r\n2\r\n0\r\n40\r\n10\r\n0\r\n360\r\ne\r\n");
    ASSERT_TRUE(readImportedDrawing(s->drawing, s->view.window, *s->host, dir.folder()));
    EXPECT_EQ(s->drawing.linecount, 1);
    EXPECT_EQ(s->drawing.arccount, 1);
    EXPECT_DOUBLE_EQ(s->drawing.lines[0].x1, 0); // -50 was the smallest x
    EXPECT_DOUBLE_EQ(s->drawing.lines[0].y1, 0); // 20 the smallest y
    EXPECT_DOUBLE_EQ(s->drawing.arcs[0].cx, 50);
    EXPECT_DOUBLE_EQ(s->drawing.arcs[0].cy, 20);
    EXPECT_GT(s->view.window.xmax - s->view.window.xmin, 60);
    EXPECT_FALSE(fileExists(dir.file("tempd.dat")));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImportedDrawing, AnEmptyFileSaysTheDxfCouldNotBeLoaded) {
    dir.write("tempd.dat", "e\r\n");
    EXPECT_TRUE(readImportedDrawing(s->drawing, s->view.window, *s->host, dir.folder()));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "DXF konnte nicht geladen werden !");
    EXPECT_EQ(host.messages[0].title, "Lesefehler !");
    EXPECT_EQ(host.messages[0].icon, Icon::Information);
}

TEST_F(ImportedDrawing, AMissingFileIsReportedOnce) {
    EXPECT_FALSE(readImportedDrawing(s->drawing, s->view.window, *s->host, dir.folder()));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Lesefehler !");
    EXPECT_EQ(s->drawing.linecount, 0);
}

} // namespace
} // namespace vectrim
