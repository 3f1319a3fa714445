// The import cycle of the main window: opening a DXF and re-loading hand
// over to the import program; a start with argument reads the drawing back;
// settings profiles; and the whole cycle with the real programs.
#include "abort_window.h"
#include "model/par_file.h"
#include "model/platform.h"
#include "model/textfile.h"
#include "model/working_file.h"
#include "view/extents.h"
#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace vectrim {
namespace {

using namespace std::string_literals;
using test::WindowTest;

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> r;
    size_t start = 0;
    for (size_t p; (p = bytes.find("\r\n", start)) != std::string::npos; start = p + 2)
        r.push_back(bytes.substr(start, p - start));
    return r;
}

// ---- open, re-load, restart ----------------------------------------------------------

TEST_F(WindowTest, OpeningADxfHandsItOverToTheImportProgramAndEnds) {
    fakeProgram("load");
    make();
    c().ktoleranz->setText("0.15");
    c().ftoleranz->setText("0.4");
    c().gtoleranz->setText("1.5");
    form->moveTwips(3000, 1500);
    s().state.inchConverted = 1;
    s().state.wizardChoice = 6;
    const std::string chosen = dir.folder() + "sub/Flansch.DXF"s + '\0';
    dialogs.results.push_back(chosen);
    c().oefnen2->trigger();

    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, "Öffnen...");
    EXPECT_EQ(dialogs.calls[0].filter, "CAD-Austauschformat (DXF)|*.dxf|");
    EXPECT_EQ(dialogs.calls[0].folder, dir.folder()); // no folder chosen before
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(startedWith("load"), "1\n");
    const auto par = lines(dir.read("par.dat"));
    ASSERT_EQ(par.size(), 3u);
    EXPECT_EQ(par[0], chosen); // with the dialog's NUL
    EXPECT_EQ(par[1], " 30");
    EXPECT_EQ(par[2], displayName(chosen));
    EXPECT_EQ(s().state.lastFolder, dir.folder() + "sub/");
    WorkingData w;
    ASSERT_TRUE(loaddats(dir.file("tempw.dat"), w));
    EXPECT_EQ(w.reduceText, "0.15");
    EXPECT_EQ(w.gapText, "0.4");
    EXPECT_EQ(w.smoothText, "1.5");
    EXPECT_EQ(w.inchConverted, 0); // a new drawing starts in millimetres
    EXPECT_EQ(w.wizardChoice, -1);
    EXPECT_EQ(w.left, 3000);
    EXPECT_EQ(w.top, 1500);
}

TEST_F(WindowTest, OpeningSomethingElseOrCancellingDoesNothing) {
    fakeProgram("load");
    make();
    s().drawing.appendLine(0, 0, 1, 1);
    dialogs.results = {"", dir.folder() + "a.dwg\0"s, "abc"};
    for (int k = 0; k < 3; ++k) c().oefnen2->trigger();
    EXPECT_EQ(ended, 0);
    EXPECT_FALSE(fileExists(dir.file("par.dat")));
    EXPECT_EQ(s().drawing.linecount, 1);
}

TEST_F(WindowTest, WithoutAnImportProgramTheWindowStaysAndSaysSo) {
    make();
    dialogs.results.push_back(dir.folder() + "b.dxf\0"s);
    c().oefnen2->trigger();
    EXPECT_EQ(ended, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Dateizugriffsfehler !");
}

TEST_F(WindowTest, TheRestartHandsTheCurrentDxfOverAndFallsBackToAnEmptyProgram) {
    fakeProgram("load");
    make();
    s().state.dxfPath = "/zeichnungen/ein/sehr/langer/pfad/zum/teil.dxf";
    form->abortWindow().Command1->click();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(startedWith("load"), "1\n");
    const auto par = lines(dir.read("par.dat"));
    ASSERT_EQ(par.size(), 3u);
    EXPECT_EQ(par[0], "/zeichnungen/ein/sehr/langer/pfad/zum/teil.dxf");
    EXPECT_EQ(par[2], "/sehr/langer/pfad/zum/teil.dxf"); // the last 30 characters

    std::filesystem::remove(dir.file("load"));
    fakeProgram("vectrim");
    form->abortWindow().Command1->click();
    EXPECT_EQ(ended, 2);
    EXPECT_EQ(startedWith("vectrim"), "\n"); // without argument
}

// ---- start with argument -------------------------------------------------------------

class StartWithArgument : public WindowTest {
protected:
    void handOverFiles(const std::string& inch) {
        dir.write("par.dat", "/daten/plan.dxf\0\r\n 30\r\n/daten/plan.dxf\0\r\n"s);
        dir.write("tempw.dat", inch + "\r\n 5\r\n 0\r\n0.11\r\nabc\r\n0.33\r\n30\r\n1\r\n 1500\r\n 3000\r\n");
        // smallest x -50 (a line end), smallest y 20 (the arc's bottom)
        dir.write("tempd.dat", "1\r\n-50\r\n40\r\n10\r\n40\r\n2\r\n0\r\n30\r\n10\r\n180\r\n360\r\ne\r\n");
    }
};

TEST_F(StartWithArgument, ReadsTheDrawingMovedToTheOriginWithTheSettings) {
    handOverFiles(" 0");
    make({"1"});
    EXPECT_EQ(form->windowTitle(), "Vectrim: /daten/plan.dxf");
    EXPECT_EQ(s().state.dxfPath, "/daten/plan.dxf");
    EXPECT_EQ(s().state.drawingLoaded, 1);
    EXPECT_EQ(c().wert1->text(), " 1");
    EXPECT_EQ(c().wert2->text(), " 1");
    Box b;
    ASSERT_TRUE(getextents(s().drawing, b, 1));
    EXPECT_NEAR(b.xmin, 0, 1e-12);
    EXPECT_NEAR(b.ymin, 0, 1e-12);
    EXPECT_NEAR(b.xmax, 60, 1e-12);
    EXPECT_NEAR(b.ymax, 20, 1e-12);
    EXPECT_EQ(c().Text2->text(), " 60");
    EXPECT_EQ(c().Text3->text(), " 20");
    EXPECT_NEAR(s().view.window.xmax - s().view.window.xmin, 96, 1e-6); // fitted
    EXPECT_FALSE(fileExists(dir.file("tempd.dat")));
    EXPECT_EQ(c().ktoleranz->text(), "0.11");
    EXPECT_EQ(c().ftoleranz->text(), "abc"); // taken over unchecked
    EXPECT_EQ(c().gtoleranz->text(), "0.33");
    EXPECT_EQ(s().state.wizardChoice, 5);
    EXPECT_EQ(form->leftTwips(), 3000);
    EXPECT_EQ(form->topTwips(), 1500);
    EXPECT_EQ(c().Label20->text(), "Info:");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(StartWithArgument, AConvertedDrawingIsConvertedAgain) {
    handOverFiles(" 1");
    make({"1"});
    EXPECT_EQ(s().state.inchConverted, 1);
    Box b;
    ASSERT_TRUE(getextents(s().drawing, b, 1));
    EXPECT_NEAR(b.xmax, 60 * 25.4, 1e-9);
    EXPECT_NEAR(b.ymax, 20 * 25.4, 1e-9);
    EXPECT_EQ(c().Text2->text(), " 1524");
}

TEST_F(StartWithArgument, AnEmptyExchangeFileSaysSoAndLeavesAnEmptyDrawing) {
    handOverFiles(" 0");
    dir.write("tempd.dat", "e\r\n");
    make({"1"});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "DXF konnte nicht geladen werden !");
    EXPECT_EQ(s().drawing.elementCount(), 0);
    EXPECT_EQ(c().wert1->text(), " 0");
}

TEST_F(StartWithArgument, AMissingWorkingFileGivesTheDefaultsAndKeepsTheWindowPlace) {
    handOverFiles(" 0");
    std::filesystem::remove(dir.file("tempw.dat"));
    make({"1"});
    EXPECT_EQ(c().ktoleranz->text(), "0.3");
    EXPECT_EQ(c().ftoleranz->text(), "1");
    EXPECT_EQ(c().gtoleranz->text(), "0.2");
    EXPECT_NE(form->leftTwips(), 200);
    EXPECT_EQ(s().drawing.linecount, 1);
}

TEST_F(StartWithArgument, ReloadHandsTheSameDxfOverKeepingTheConversion) {
    handOverFiles(" 1");
    fakeProgram("load");
    make({"1"});
    c().Command9->click();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(startedWith("load"), "1\n");
    EXPECT_EQ(lines(dir.read("par.dat"))[0], "/daten/plan.dxf");
    WorkingData w;
    ASSERT_TRUE(loaddats(dir.file("tempw.dat"), w));
    EXPECT_EQ(w.inchConverted, 1);
    EXPECT_EQ(w.wizardChoice, 5);
}

// ---- settings profiles ----------------------------------------------------------------

TEST_F(WindowTest, ProfilesAreSavedUnderUpperCaseProNames) {
    make();
    c().ktoleranz->setText("0.05");
    for (const auto& [typed, file] :
         {std::pair{"test", "TEST.PRO"}, std::pair{"test.pro", "TEST.PRO"}, std::pair{"a.b", "A.B.PRO"}}) {
        std::filesystem::remove(dir.file(file));
        dialogs.results.push_back(dir.folder() + typed + '\0');
        c().Command2->click();
        const auto saved = lines(dir.read(file));
        ASSERT_EQ(saved.size(), 10u) << typed;
        EXPECT_EQ(saved[3], "0.05");
    }
    EXPECT_EQ(dialogs.calls.back().title, "Speichern...");
    EXPECT_EQ(dialogs.calls.back().filter, "Profilwerte: Einstellungen (*.PRO)|*.PRO");
    EXPECT_EQ(dialogs.calls.back().folder, dir.folder());
    c().Command2->click(); // cancelled: nothing
    EXPECT_EQ(c().ktoleranz->text(), "0.05");
}

TEST_F(WindowTest, LoadingAProfileTakesItsTextsAndClearsConversionAndWizard) {
    make();
    dir.write("FEIN.PRO", " 1\r\n 4\r\n 0\r\n0.025\r\nzwei\r\n0.1\r\n30\r\n1\r\n 999\r\n 888\r\n");
    const int left = form->leftTwips();
    s().state.inchConverted = 1;
    dialogs.results.push_back(dir.file("FEIN.PRO") + '\0');
    c().Command1->click();
    EXPECT_EQ(dialogs.calls.back().title, "Öffnen...");
    EXPECT_EQ(dialogs.calls.back().filter, "Einstellungen: Profilwerte |*.PRO|");
    EXPECT_EQ(s().state.lastFolder, dir.folder());
    EXPECT_EQ(c().ktoleranz->text(), "0.025");
    EXPECT_EQ(c().ftoleranz->text(), "zwei");
    EXPECT_EQ(c().gtoleranz->text(), "0.1");
    EXPECT_EQ(s().state.inchConverted, 0);
    EXPECT_EQ(s().state.wizardChoice, -1);
    EXPECT_EQ(s().state.left, 888); // taken over, but the window stays
    EXPECT_EQ(form->leftTwips(), left);

    dir.write("KURZ.PRO", " 0\r\n 4\r\n 0\r\n0.7\r\n0.7\r\n");
    dialogs.results.push_back(dir.file("KURZ.PRO") + '\0');
    c().Command1->click();
    EXPECT_EQ(c().ktoleranz->text(), "0.3");
    EXPECT_EQ(c().ftoleranz->text(), "1");
    EXPECT_EQ(c().gtoleranz->text(), "0.2");

    c().ktoleranz->setText("0.9");
    dialogs.results.push_back(dir.file("notes.txt") + '\0');
    c().Command1->click();
    EXPECT_EQ(c().ktoleranz->text(), "0.9"); // not a profile: nothing
}

// ---- the whole cycle with the real programs ------------------------------------------

// Runs vectrim -> load -> vectrim 1 in a program folder of its own: the
// window of this test hands plan.dxf over to the real import program, which
// starts the real main program; that one records its state and ends. The
// state as key and value; empty when no report came.
// `build` is the build of the main program that runs as vectrim.
std::map<std::string, std::string> realCycle(test::TempDir& dir, const std::string& dxf,
                                             const char* build = "vectrim") {
    const std::string bin = VECTRIM_BIN_DIR;
    std::filesystem::create_symlink(bin + "/" + build, dir.file("vectrim"));
    for (const char* name : {"load", "libkgeom.so"})
        std::filesystem::create_symlink(bin + "/" + name, dir.file(name));
    dir.write("plan.dxf", dxf);
    const std::string report = dir.file("shot.png");
    // The programs started from here find their folder and report back.
    struct Environment {
        Environment(const std::string& folder, const std::string& snapshot) {
            setenv("VECTRIM_PROGRAM_FOLDER", folder.c_str(), 1);
            setenv("VECTRIM_SNAPSHOT", snapshot.c_str(), 1);
        }
        ~Environment() {
            unsetenv("VECTRIM_SNAPSHOT");
            unsetenv("VECTRIM_PROGRAM_FOLDER");
        }
    } environment(dir.folder(), report);

    test::RecordingHost host;
    test::ScriptedDialogs dialogs;
    int ended = 0;
    {
        Form16Options o;
        o.folder = dir.folder();
        o.dialogs = &dialogs;
        o.observer = &host;
        o.endProgram = [&] { ++ended; };
        Form16 form(o);
        form.show();
        EXPECT_TRUE(test::waitFor([&] { return form.activated(); }));
        form.controls().ktoleranz->setText("0.12");
        form.controls().ftoleranz->setText("0.34");
        form.controls().gtoleranz->setText("0.56");
        form.moveTwips(1800, 900);
        dialogs.results.push_back(dir.file("plan.dxf") + '\0');
        form.controls().oefnen2->trigger();
        EXPECT_EQ(ended, 1);
    }
    std::map<std::string, std::string> state;
    if (!test::waitFor([&] { return fileExists(report + ".txt") && fileExists(report); }, 90000))
        return state;
    for (const std::string& l : lines(dir.read("shot.png.txt")))
        state[l.substr(0, l.find('='))] = l.substr(l.find('=') + 1);
    return state;
}

bool programsBuilt() { return fileExists(std::string(VECTRIM_BIN_DIR) + "/load"); }

TEST(ImportCycle, RunsThroughTheRealImportProgram) {
    test::qtApp();
    if (!programsBuilt())
        GTEST_SKIP() << "the import program is not built yet (" << VECTRIM_BIN_DIR << "/load)";
    test::TempDir dir;
    auto state = realCycle(dir, "0\nSECTION\n2\nENTITIES\n"
                                "0\nLINE\n8\n0\n10\n-50\n20\n40\n11\n10\n21\n40\n"
                                "0\nLINE\n8\n0\n10\n10\n20\n40\n11\n10\n21\n80\n"
                                "0\nCIRCLE\n8\n0\n10\n0\n20\n30\n40\n10\n"
                                "0\nENDSEC\n0\nEOF\n");
    ASSERT_FALSE(state.empty()) << "no report from the restarted main program";
    const std::string path = dir.file("plan.dxf") + '\0';
    EXPECT_EQ(state["caption"], "Vectrim: " + untilNul(displayName(path)));
    EXPECT_EQ(state["wert1"], " 2");
    EXPECT_EQ(state["wert2"], " 1");
    EXPECT_EQ(state["extents"], " 0 0 60 60");
    EXPECT_EQ(state["ktoleranz"], "0.12");
    EXPECT_EQ(state["ftoleranz"], "0.34");
    EXPECT_EQ(state["gtoleranz"], "0.56");
    EXPECT_EQ(state["left"], " 1800");
    EXPECT_EQ(state["top"], " 900");
    EXPECT_EQ(state["Label20"], "Info:");
    EXPECT_FALSE(fileExists(dir.file("tempd.dat")));
    EXPECT_FALSE(fileExists(dir.file("tempi.dat")));
}

// Points, a hatch and blocks nested seven deep: the main program started by
// the import names each with its count in the info line.
TEST(ImportCycle, WhatTheImportLeftOutArrivesInTheInfoLine) {
    test::qtApp();
    if (!programsBuilt())
        GTEST_SKIP() << "the import program is not built yet (" << VECTRIM_BIN_DIR << "/load)";
    std::string dxf = "0\nSECTION\n2\nBLOCKS\n";
    for (int i = 1; i <= 7; ++i) {
        dxf += "0\nBLOCK\n8\n0\n2\nD" + std::to_string(i) + "\n70\n0\n10\n0\n20\n0\n";
        dxf += i < 7 ? "0\nINSERT\n8\n0\n2\nD" + std::to_string(i + 1) + "\n10\n1\n20\n0\n"
                     : "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n0\n";
        dxf += "0\nENDBLK\n";
    }
    dxf += "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\n0\n2\nD1\n10\n0\n20\n0\n";
    for (int i = 0; i < 4; ++i) dxf += "0\nPOINT\n8\n0\n10\n" + std::to_string(i) + "\n20\n0\n";
    dxf += "0\nHATCH\n8\n0\n10\n0\n20\n0\n";
    dxf += "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n10\n21\n10\n0\nENDSEC\n0\nEOF\n";
    // In the language of the folder's build.
    const std::pair<const char*, const char*> builds[] = {
        {"vectrimg", "Nicht übernommen: 1 HATCH, 4 POINT, 1 zu tief verschachtelt"},
        {"vectrim", "Not taken over: 1 HATCH, 4 POINT, 1 nested too deeply"}};
    for (const auto& [build, notice] : builds) {
        test::TempDir dir;
        auto state = realCycle(dir, dxf, build);
        ASSERT_FALSE(state.empty()) << "no report from the restarted main program";
        EXPECT_EQ(state["wert1"], " 1");
        EXPECT_EQ(state["Label20"], notice);
        EXPECT_FALSE(fileExists(dir.file("tempi.dat")));
    }
}

} // namespace
} // namespace vectrim
