// The variant switch on a copy of the program folder as built: the real
// builds, manuals, profiles and demo drawings. Each button leaves the files
// of its choice under the common names, and the started vectrim is the
// chosen build speaking its language; a second choice loses nothing.
#include "temp_dir.h"
#include "variant_folder.h"
#include "variant_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace vectrim {
namespace {

namespace fs = std::filesystem;
using load::Variant;
using test::TempDir;

struct Choice {
    const char* button;
    Variant variant;
    const char* tip; // the start of the info line of the started build
};
const Choice kChoices[] = {{"Command6", Variant::EnglishMm, "Tip: The program folder"},
                           {"Command5", Variant::EnglishInch, "Tip: The program folder"},
                           {"Command2", Variant::GermanMm, "Tip: Das Installationsverzeichnis"}};

// The names any choice deletes or renames.
std::set<std::string> touchedNames() {
    std::set<std::string> names{"vectrim",    "vectrimi",    "vectrimg",    "info.pdf",
                                "info-e.pdf", "default.pro", "defaulti.pro"};
    for (const char* d : test::kDemoDrawings) {
        names.insert(d);
        names.insert(std::string("i") + d);
    }
    return names;
}

// The folder after a choice: what no choice touches, and the chosen files.
std::set<std::string> expected(const std::set<std::string>& built, Variant v) {
    std::set<std::string> out{"vectrim", load::manualOf(v), "default.pro", "unit"};
    for (const char* d : test::kDemoDrawings) out.insert(d);
    const std::set<std::string> touched = touchedNames();
    for (const std::string& f : built)
        if (!touched.count(f)) out.insert(f);
    return out;
}

// What the started vectrim reported of its window ("Label20=..."), once.
std::string startedWindow(const TempDir& shots) {
    const std::string txt = shots.file("shot.png.txt");
    for (int i = 0; i < 1200 && !fs::exists(txt); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // written under a temporary name: complete
    const std::string text = shots.read("shot.png.txt");
    fs::remove(txt);
    fs::remove(shots.file("shot.png"));
    const size_t at = text.find("Label20=");
    return at == std::string::npos ? std::string() : text.substr(at + 8, text.find('\n', at) - at - 8);
}

void click(const TempDir& dir, const char* button) {
    load::VariantWindow form11(dir.folder());
    form11.show();
    QTest::mouseClick(form11.findChild<QPushButton*>(button), Qt::LeftButton);
}

TEST(DeliveredFolder, EachChoiceKeepsItsBuildManualProfileAndDrawings) {
    const fs::path bin(VECTRIM_BIN_DIR);
    ASSERT_TRUE(fs::exists(bin / "vectrimi") && fs::exists(bin / "vectrimg")) << "the builds are not made";
    TempDir shots;
    setenv("VECTRIM_SNAPSHOT", shots.file("shot.png").c_str(), 1);
    for (const Choice& c : kChoices) {
        SCOPED_TRACE(c.button);
        TempDir dir;
        // Linked where the file system allows it: the switch only renames
        // and deletes names, and writes new files.
        for (const auto& e : fs::directory_iterator(bin)) {
            if (!e.is_regular_file()) continue;
            const fs::path to = fs::path(dir.folder()) / e.path().filename();
            std::error_code linked;
            fs::create_hard_link(e.path(), to, linked);
            if (linked) fs::copy_file(e.path(), to);
        }
        const std::set<std::string> built = test::listing(dir);
        EXPECT_EQ(load::buildOf(dir.file("vectrim")), Variant::EnglishMm); // as delivered

        click(dir, c.button);
        EXPECT_EQ(startedWindow(shots).rfind(c.tip, 0), 0u);
        EXPECT_EQ(test::listing(dir), expected(built, c.variant));
        EXPECT_EQ(load::buildOf(dir.file("vectrim")), c.variant);
        EXPECT_GT(fs::file_size(dir.file(load::manualOf(c.variant))), 1000u);

        // A second choice: the same one starts the build again, the others
        // are refused; nothing is lost either way.
        for (const Choice& again : kChoices) {
            click(dir, again.button);
            if (again.variant == c.variant) {
                EXPECT_EQ(startedWindow(shots).rfind(c.tip, 0), 0u);
            }
            EXPECT_EQ(test::listing(dir), expected(built, c.variant)) << again.button;
            EXPECT_EQ(load::buildOf(dir.file("vectrim")), c.variant);
        }
    }
    unsetenv("VECTRIM_SNAPSHOT");
}

} // namespace
} // namespace vectrim
