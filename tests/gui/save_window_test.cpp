// "DXF speichern" in the main window: the form window and the command's
// flow with a stand-in for the save dialog, headless.
#include "dxf_save_window.h"
#include "fixture.h"
#include "temp_dir.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

namespace vectrim {
namespace {

using test::Fixture;
using test::TempDir;

struct Dialog {
    std::string answer; // what the user picks ("" = cancel)
    int calls = 0;
    std::string filter, title, folder, suggested;
    DxfSaveDialog fn() {
        return
            [this](const std::string& f, const std::string& t, const std::string& d, const std::string& s) {
                ++calls, filter = f, title = t, folder = d, suggested = s;
                return answer;
            };
    }
};

TEST(DxfFormWindow, StartsAtTheLastChoiceAndLooksRight) {
    test::qtApp();
    DxfFormWindow a(nullptr, DxfForm::LinesArcs);
    EXPECT_TRUE(a.Option1->isChecked());
    EXPECT_EQ(a.Option1->text(), QString::fromUtf8("Linien und Bögen"));
    EXPECT_EQ(a.Option2->text(), QString::fromUtf8("Konturen als Polylinien"));
    EXPECT_EQ(a.form(), DxfForm::LinesArcs);
    a.Option2->click();
    EXPECT_EQ(a.form(), DxfForm::Polylines);
    DxfFormWindow b(nullptr, DxfForm::Polylines);
    EXPECT_TRUE(b.Option2->isChecked());
    b.adjustSize();
    if (const char* shot = std::getenv("VECTRIM_SCREENSHOT_DIR"))
        b.grab().save(QString::fromUtf8(shot) + QStringLiteral("/dxf_form_window.png"));
}

TEST(Savedxfm, EmptyDrawingShowsTheMessageAndNoDialog) {
    Fixture f;
    Dialog dialog;
    DxfForm last = DxfForm::LinesArcs;
    EXPECT_EQ(savedxfm(nullptr, f.d, f.host, f.session->state, last, dialog.fn()), std::nullopt);
    EXPECT_EQ(dialog.calls, 0);
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].text, "Keine Elemente vorhanden !");
}

TEST(Savedxfm, DialogGetsFilterTitleFolderAndSuggestion) {
    TempDir dir;
    Fixture f;
    f.line(0, 0, 10, 0);
    f.session->state.dxfPath = "/daten/teile/Halter.dxf" + std::string(1, '\0');
    f.session->state.lastFolder = dir.folder();
    Dialog dialog;
    dialog.answer = dir.file("halter_opt.dxf") + std::string(1, '\0');
    DxfForm last = DxfForm::LinesArcs;
    EXPECT_EQ(savedxfm(nullptr, f.d, f.host, f.session->state, last, dialog.fn()),
              dir.file("halter_opt.dxf"));
    EXPECT_EQ(dialog.filter, "CAD-Austauschformat (DXF)|*.DXF");
    EXPECT_EQ(dialog.title, "Speichern...");
    EXPECT_EQ(dialog.folder, dir.folder());
    EXPECT_EQ(dialog.suggested, "Halter_opt.dxf");
    EXPECT_EQ(dir.read("halter_opt.dxf").find("AC1009") != std::string::npos, true);
    // Cancelling the dialog writes nothing.
    dialog.answer.clear();
    EXPECT_EQ(savedxfm(nullptr, f.d, f.host, f.session->state, last, dialog.fn()), std::nullopt);
    EXPECT_TRUE(f.host.messages.empty());
}

// With a user: the form window comes first; its choice is used and kept.
TEST(Savedxfm, FormWindowChoiceIsUsedAndKept) {
    test::qtApp();
    TempDir dir;
    Fixture f;
    f.line(0, 0, 10, 0);
    f.line(10, 0, 10, 10);
    Dialog dialog;
    dialog.answer = dir.file("k");
    DxfForm last = DxfForm::LinesArcs;
    const char* before = std::getenv("VECTRIM_NONINTERACTIVE");
    const std::string saved = before ? before : "";
    setenv("VECTRIM_NONINTERACTIVE", "0", 1);
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<DxfFormWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        w->Option2->click();
        w->Command1->click();
    });
    const std::optional<std::string> file =
        savedxfm(nullptr, f.d, f.host, f.session->state, last, dialog.fn());
    // Cancelled form window: no dialog, nothing written.
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<DxfFormWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->Option2->isChecked());
        w->Command2->click();
    });
    dialog.answer = dir.file("never");
    const std::optional<std::string> cancelled =
        savedxfm(nullptr, f.d, f.host, f.session->state, last, dialog.fn());
    if (before)
        setenv("VECTRIM_NONINTERACTIVE", saved.c_str(), 1);
    else
        unsetenv("VECTRIM_NONINTERACTIVE");

    ASSERT_EQ(file, dir.file("k.dxf"));
    EXPECT_NE(dir.read("k.dxf").find("LWPOLYLINE"), std::string::npos);
    EXPECT_EQ(last, DxfForm::Polylines);
    EXPECT_EQ(cancelled, std::nullopt);
    EXPECT_EQ(dialog.calls, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("never.dxf")));
}

// The menu entry of the main window.
class MainWindowSave : public test::WindowTest {};

TEST_F(MainWindowSave, MenuEntrySavesTheDrawing) {
    Form16& w = make();
    s().drawing.appendLine(0, 0, 25, 0);
    s().drawing.appendArc(25, 10, 10, 270, 90);
    s().state.dxfPath = dir.file("Winkel.dxf") + std::string(1, '\0');
    s().state.lastFolder = dir.folder();
    dialogs.results = {dir.file("winkel_opt.dxf") + std::string(1, '\0')};
    c().savedxfm->trigger();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, "save");
    EXPECT_EQ(dialogs.calls[0].filter, "CAD-Austauschformat (DXF)|*.DXF");
    EXPECT_EQ(dialogs.calls[0].title, "Speichern...");
    EXPECT_EQ(dialogs.calls[0].folder, dir.folder());
    EXPECT_EQ(dialogs.calls[0].suggested, "Winkel_opt.dxf");
    const std::string text = dir.read("winkel_opt.dxf");
    EXPECT_NE(text.find("  0\r\nLINE\r\n"), std::string::npos);
    EXPECT_NE(text.find("  0\r\nARC\r\n"), std::string::npos);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(w.session().drawing.linecount, 1); // the drawing stays
    EXPECT_EQ(c().Label20->text().toStdString(), "DXF gespeichert: winkel_opt.dxf in " + dir.folder());
}

// The name as typed, ".dxf" appended only without it; the drawing then
// counts as saved.
TEST_F(MainWindowSave, TheNameIsKeptAsTyped) {
    make();
    s().drawing.appendLine(0, 0, 25, 0);
    s().state.changed();
    dialogs.results = {dir.file("mein_teil") + '\0', dir.file("Platte.DXF") + '\0'};
    c().savedxfm->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir.file("mein_teil.dxf")));
    EXPECT_FALSE(s().state.unsaved());
    c().savedxfm->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir.file("Platte.DXF")));
    EXPECT_EQ(dialogs.calls[0].folder, dir.folder()); // no drawing opened: the program folder
}

TEST_F(MainWindowSave, EmptyDrawingIsRefused) {
    make();
    c().savedxfm->trigger();
    EXPECT_TRUE(dialogs.calls.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Keine Elemente vorhanden !");
    EXPECT_EQ(host.messages[0].title, "Exit");
}

TEST_F(MainWindowSave, FailedWriteShowsTheMessage) {
    make();
    s().drawing.appendLine(0, 0, 25, 0);
    dialogs.results = {dir.file("kein/ordner/x.dxf") + std::string(1, '\0')};
    c().savedxfm->trigger();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Datei konnte nicht gespeichert werden !");
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
}

} // namespace
} // namespace vectrim
