// Saving: file names, the declared unit, messages, and a failed save that
// leaves the old file as it was.
#include "export/dxf_save.h"
#include "fixture.h"
#include "pipeline/contours.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <limits>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vectrim {
namespace {

using test::Fixture;
using test::TempDir;

TEST(DxfNames, SuggestionPutsOptBeforeTheExtension) {
    EXPECT_EQ(suggestedDxfName("/home/a/part.dxf"), "part_opt.dxf");
    EXPECT_EQ(suggestedDxfName(std::string("/home/a/Teil.DXF\0", 17)), "Teil_opt.DXF");
    EXPECT_EQ(suggestedDxfName("/home/a.b/part"), "part_opt");
    EXPECT_EQ(suggestedDxfName("/x/my.part.v2.dxf"), "my.part.v2_opt.dxf");
    EXPECT_EQ(suggestedDxfName("/x/.dxf"), ".dxf_opt");
    EXPECT_EQ(suggestedDxfName(""), "");
}

// The name as typed; ".dxf" only where the name does not end in it.
TEST(DxfNames, KeptAsTypedWithDxfAppendedWhereMissing) {
    EXPECT_EQ(dxfFileName("/tmp/Zeichnungen/mein_teil"), "/tmp/Zeichnungen/mein_teil.dxf");
    EXPECT_EQ(dxfFileName("/tmp/Zeichnungen/test.dxf"), "/tmp/Zeichnungen/test.dxf");
    EXPECT_EQ(dxfFileName("/tmp/Teil.DXF"), "/tmp/Teil.DXF");
    EXPECT_EQ(dxfFileName("/tmp/Teil.Dxf"), "/tmp/Teil.Dxf");
    EXPECT_EQ(dxfFileName("/tmp/a.b"), "/tmp/a.b.dxf");
    EXPECT_EQ(dxfFileName("/tmp/.dxf"), "/tmp/.dxf.dxf"); // no name before the extension
    EXPECT_EQ(dxfFileName("a.dxf"), "a.dxf");
    EXPECT_EQ(dxfFileName("/tmp/"), ""); // a folder
    EXPECT_EQ(dxfFileName(std::string("/tmp/teil.dxf\0", 14)), "/tmp/teil.dxf");
    EXPECT_EQ(dxfFileName("/tmp/größe"), "/tmp/größe.dxf");
    EXPECT_EQ(dxfFileName(""), "");
    EXPECT_EQ(dxfFileName(std::string("\0", 1)), "");
}

TEST(DxfUnits, DeclaredUnitsComeFromTheHeaderOnly) {
    TempDir dir;
    dir.write("inch.dxf", "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1015\r\n"
                          "  9\r\n$INSUNITS\r\n 70\r\n     1\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
    dir.write("mm.dxf", "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nEOF\n");
    dir.write("none.dxf", "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n"
                          "0\nSECTION\n2\nENTITIES\n9\n$INSUNITS\n70\n1\n0\nENDSEC\n0\nEOF\n");
    dir.write("noheader.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
    dir.write("binary.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + "\x00\x00SECTION");
    dir.write("garbage.dxf", "this is not a drawing\n");
    dir.write("cut.dxf", "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n");
    EXPECT_EQ(declaredInsunits(dir.file("inch.dxf")), 1);
    EXPECT_EQ(declaredInsunits(dir.file("mm.dxf")), 4);
    EXPECT_EQ(declaredInsunits(dir.file("none.dxf")), std::nullopt);
    EXPECT_EQ(declaredInsunits(dir.file("noheader.dxf")), std::nullopt);
    EXPECT_EQ(declaredInsunits(dir.file("binary.dxf")), std::nullopt);
    EXPECT_EQ(declaredInsunits(dir.file("garbage.dxf")), std::nullopt);
    EXPECT_EQ(declaredInsunits(dir.file("cut.dxf")), std::nullopt);
    EXPECT_EQ(declaredInsunits(dir.file("missing.dxf")), std::nullopt);

    // Inch only while an inch drawing has not been converted.
    MainState state;
    state.dxfPath = dir.file("inch.dxf") + std::string(1, '\0');
    EXPECT_EQ(drawingUnit(state), DxfUnit::Inch);
    state.inchConverted = 1;
    EXPECT_EQ(drawingUnit(state), DxfUnit::Millimetre);
    state.inchConverted = 0;
    state.dxfPath = dir.file("mm.dxf");
    EXPECT_EQ(drawingUnit(state), DxfUnit::Millimetre);
    state.dxfPath = dir.file("none.dxf");
    EXPECT_EQ(drawingUnit(state), DxfUnit::Millimetre);
    state.dxfPath.clear();
    EXPECT_EQ(drawingUnit(state), DxfUnit::Millimetre);
}

TEST(DxfSave, EmptyDrawingIsRefusedWithAMessage) {
    Fixture f;
    EXPECT_FALSE(dxfSaveAllowed(f.d, f.host));
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].text, "Keine Elemente vorhanden !");
    EXPECT_EQ(f.host.messages[0].title, "Exit");
    f.line(0, 0, 1, 0);
    EXPECT_TRUE(dxfSaveAllowed(f.d, f.host));
    EXPECT_EQ(f.host.messages.size(), 1u);
}

std::vector<std::string> filesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.folder()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void expectSaveFailedMessage(const test::RecordingHost& host) {
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Datei konnte nicht gespeichert werden !");
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
}

TEST(DxfSave, ValueThatIsNotFiniteLeavesTheOldFile) {
    for (const DxfForm form : {DxfForm::LinesArcs, DxfForm::Polylines}) {
        TempDir dir;
        dir.write("OLD.DXF", "old contents");
        Fixture f;
        f.line(0, 0, 10, 0);
        f.line(10, 0, std::numeric_limits<double>::quiet_NaN(), 5);
        EXPECT_FALSE(savedxf(f.d, f.host, dir.file("OLD.DXF"), form, DxfUnit::Millimetre).ok);
        expectSaveFailedMessage(f.host);
        EXPECT_EQ(dir.read("OLD.DXF"), "old contents");
        EXPECT_EQ(filesIn(dir), std::vector<std::string>{"OLD.DXF"});
    }
}

TEST(DxfSave, MissingFolderFailsWithTheMessage) {
    TempDir dir;
    Fixture f;
    f.line(0, 0, 10, 0);
    EXPECT_FALSE(
        savedxf(f.d, f.host, dir.file("no/such/folder/A.DXF"), DxfForm::LinesArcs, DxfUnit::Millimetre).ok);
    expectSaveFailedMessage(f.host);
    EXPECT_TRUE(filesIn(dir).empty());
}

// A disk that fills up while the file is written (a file size limit in a
// child process): the old file stays whole and no temporary file is left.
TEST(DxfSave, WriteThatFailsHalfWayLeavesTheOldFile) {
    TempDir dir;
    dir.write("PART.DXF", "old contents");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8192, 8192};
        setrlimit(RLIMIT_FSIZE, &limit);
        Fixture f;
        for (int i = 0; i < 2000; ++i) f.line(i, 0, i + 0.5, 1.25);
        const bool ok =
            savedxf(f.d, f.host, dir.file("PART.DXF"), DxfForm::LinesArcs, DxfUnit::Millimetre).ok;
        const bool told = f.host.messages.size() == 1 &&
                          f.host.messages[0].text == "Datei konnte nicht gespeichert werden !";
        _exit(!ok && told ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail with the message";
    EXPECT_EQ(dir.read("PART.DXF"), "old contents");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"PART.DXF"});
}

TEST(DxfSave, SuccessfulSaveReplacesTheOldFile) {
    TempDir dir;
    dir.write("PART.DXF", "old contents");
    Fixture f;
    f.line(0, 0, 10, 0);
    const DxfSaved saved =
        savedxf(f.d, f.host, dir.file("PART.DXF"), DxfForm::LinesArcs, DxfUnit::Millimetre);
    EXPECT_TRUE(saved.ok);
    EXPECT_EQ(saved.content.entities, 1);
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(dir.read("PART.DXF").substr(0, 20), "  0\r\nSECTION\r\n  2\r\nH");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"PART.DXF"});
}

// The polyline form builds contours on a copy: the drawing keeps its line
// directions, contour numbers, order table and marks.
TEST(DxfSave, PolylineFormLeavesTheDrawingAsItWas) {
    TempDir dir;
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 10, 10, 0); // contour building would turn this one round
    f.line(10, 10, 0, 10);
    f.line(0, 10, 0, 0);
    f.d.lines[1].contour = 7;
    f.session->view.markMode = 2;
    f.d.freecount = 3;
    const std::vector<int32_t> order = test::rawOrder(f.d);
    ASSERT_TRUE(savedxf(f.d, f.host, dir.file("A.DXF"), DxfForm::Polylines, DxfUnit::Millimetre).ok);
    EXPECT_EQ(f.d.lines[1].x1, 10);
    EXPECT_EQ(f.d.lines[1].y1, 10);
    EXPECT_EQ(f.d.lines[1].contour, 7);
    EXPECT_EQ(f.d.lines[0].contour, -1);
    EXPECT_EQ(f.session->view.markMode, 2);
    EXPECT_EQ(f.d.freecount, 3);
    EXPECT_EQ(test::rawOrder(f.d), order);
}

TEST(DxfSaveAs, AppliesTheNameRuleAndAsksBeforeReplacingAnotherFile) {
    TempDir dir;
    Fixture f("N");
    f.line(0, 0, 10, 0);
    EXPECT_EQ(savedxfAs(f.d, f.host, drawingUnit(f.session->state), "", DxfForm::LinesArcs),
              std::nullopt); // cancelled
    EXPECT_EQ(savedxfAs(f.d, f.host, drawingUnit(f.session->state), dir.file("teil"), DxfForm::LinesArcs),
              dir.file("teil.dxf"));
    EXPECT_TRUE(f.host.questions.empty());
    // "teil" becomes teil.dxf, which exists but was not the name the dialog
    // asked about: ask, and "Nein" keeps it.
    dir.write("teil.dxf", "keep me");
    EXPECT_EQ(savedxfAs(f.d, f.host, drawingUnit(f.session->state), dir.file("teil"), DxfForm::LinesArcs),
              std::nullopt);
    ASSERT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(f.host.questions[0].title, "Speichern...");
    EXPECT_EQ(f.host.questions[0].text, "teil.dxf existiert bereits. Ersetzen ?");
    EXPECT_EQ(dir.read("teil.dxf"), "keep me");
    // Choosing teil.dxf itself: the dialog has asked already.
    EXPECT_EQ(savedxfAs(f.d, f.host, drawingUnit(f.session->state), dir.file("teil.dxf"), DxfForm::LinesArcs),
              dir.file("teil.dxf"));
    EXPECT_EQ(f.host.questions.size(), 1u);
    EXPECT_NE(dir.read("teil.dxf"), "keep me");
}

TEST(DxfSaveAs, InchDrawingIsSavedInInch) {
    TempDir dir;
    dir.write("src.dxf", "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n1\n0\nENDSEC\n0\nEOF\n");
    Fixture f;
    f.line(0, 0, 2.5, 1);
    f.session->state.dxfPath = dir.file("src.dxf");
    ASSERT_TRUE(savedxfAs(f.d, f.host, drawingUnit(f.session->state), dir.file("a"), DxfForm::Polylines));
    EXPECT_NE(dir.read("a.dxf").find("$INSUNITS\r\n 70\r\n1\r\n"), std::string::npos);
    f.session->state.inchConverted = 1;
    ASSERT_TRUE(savedxfAs(f.d, f.host, drawingUnit(f.session->state), dir.file("b"), DxfForm::LinesArcs));
    EXPECT_NE(dir.read("b.dxf").find("$INSUNITS\r\n 70\r\n4\r\n"), std::string::npos);
}

} // namespace
} // namespace vectrim
