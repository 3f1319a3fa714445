// The three builds of the main program, headless: each shows its captions
// and messages in its language and unit, and "Hilfe" asks for its manual.
#include "build.h"
#include "translations.h"
#include "window_fixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace vectrim {
namespace {

struct BuildCase {
    Build build;
    const char* file;       // "Datei" menu
    const char* start;      // Command4
    const char* sizes;      // the frame of the drawing size
    const char* noElements; // the wizard on an empty drawing
    const char* noManual;   // "Hilfe" without the manual
};

const BuildCase kBuilds[] = {
    {{"", "en", DrawingUnit::Millimetre, "info-e.pdf", "0.3", "0.2", "0.2"},
     "File",
     ">> Start <<",
     "Drawing size [mm]:",
     "No elements present !",
     "Error ! Document INFO-E.PDF could not be opened."},
    {{"", "en", DrawingUnit::Inch, "info-e.pdf", "0.012", "0.008", "0.008"},
     "File",
     ">> Start <<",
     "Drawing size [inch]:",
     "No elements present !",
     "Error ! Document INFO-E.PDF could not be opened."},
    {kGermanMmBuild, "Datei", ">> Starten <<", "Zeichnungsmaße [mm]:", "Keine Elemente vorhanden !",
     "Fehler ! Dokument INFO.PDF konnte nicht geöffnet werden."},
};

class BuildTest : public test::WindowTest {
protected:
    std::vector<std::string> opened;

    void TearDown() override {
        WindowTest::TearDown();
        removeTranslations();
        setBuild(kGermanMmBuild);
    }
    Form16& makeBuild(const Build& b) {
        setBuild(b);
        installTranslations(test::qtApp(), QString::fromLatin1(b.language), Program::Vectrim);
        Form16Options o;
        o.folder = dir.folder();
        o.dialogs = &dialogs;
        o.observer = &host;
        o.endProgram = [this] { ++ended; };
        o.openDocument = [this](const std::string& path) {
            opened.push_back(path);
            return true;
        };
        form = std::make_unique<Form16>(o);
        form->show();
        EXPECT_TRUE(test::waitFor([this] { return form->activated(); }));
        return *form;
    }
};

TEST_F(BuildTest, CaptionsMessagesAndManualInTheBuildsLanguage) {
    for (const BuildCase& b : kBuilds) {
        SCOPED_TRACE(std::string(b.build.language) + " " + unitName(b.build.unit));
        host = test::RecordingHost();
        opened.clear();
        makeBuild(b.build);
        EXPECT_EQ(form->menuBar()->actions().at(0)->text(), QString::fromUtf8(b.file));
        EXPECT_EQ(c().Command4->text(), QString::fromUtf8(b.start));
        EXPECT_EQ(form->findChild<QGroupBox*>("FrameMasse")->title(), QString::fromUtf8(b.sizes));
        EXPECT_EQ(c().ktoleranz->text(), QString::fromLatin1(b.build.reduceText));
        // A message of the core, translated on its way to the window.
        c().Command10->click();
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, b.noElements);
        // "Hilfe" without and with the build's manual.
        c().help->trigger();
        ASSERT_EQ(host.messages.size(), 2u);
        EXPECT_EQ(host.messages[1].text, b.noManual);
        EXPECT_TRUE(opened.empty());
        dir.write(b.build.manual, "%PDF-1.4\n");
        c().help->trigger();
        EXPECT_EQ(opened, std::vector<std::string>{dir.file(b.build.manual)});
        EXPECT_EQ(host.messages.size(), 2u);
        std::remove(dir.file(b.build.manual).c_str());
        form.reset();
        removeTranslations();
    }
}

} // namespace
} // namespace vectrim
