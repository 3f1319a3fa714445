// The windows of load, headless: Form11 with its captions and buttons, and
// Form1's status while an import runs.
#include "status_window.h"
#include "temp_dir.h"
#include "variant_folder.h"
#include "variant_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace vectrim {
namespace {

using test::TempDir;

std::string waitFor(const TempDir& dir, const std::string& name) {
    for (int i = 0; i < 200 && !std::filesystem::exists(dir.file(name)); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return dir.read(name);
}

void recordingProgram(const TempDir& dir, const std::string& name) {
    dir.write(name, "#!/bin/sh\necho \"$#:$*\" > \"$(dirname \"$0\")/started.txt\"\n");
    chmod(dir.file(name).c_str(), 0755);
}

TEST(VariantWindow, CaptionsAndButtons) {
    TempDir dir;
    load::VariantWindow form11(dir.folder());
    EXPECT_EQ(form11.objectName(), "Form11");
    EXPECT_EQ(form11.windowTitle(), "Vectrim");
    EXPECT_TRUE(form11.isModal());
    ASSERT_NE(form11.findChild<QLabel*>("Label1"), nullptr);
    EXPECT_EQ(form11.findChild<QLabel*>("Label1")->text(), "Please select a language [unit]:");
    const std::pair<const char*, const char*> buttons[] = {{"Command6", "Language English [mm]"},
                                                           {"Command5", "Language English [inch]"},
                                                           {"Command2", "Language German [mm]"}};
    for (const auto& [name, caption] : buttons) {
        const auto* b = form11.findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), caption);
    }
    form11.show();
    const QString shot = QString::fromStdString(std::string(VECTRIM_BIN_DIR) + "/../tests/form11.png");
    form11.grab().save(shot);
}

TEST(VariantWindow, EachButtonSwitchesTheFolderAndStartsItsBuild) {
    const std::pair<const char*, load::Variant> buttons[] = {{"Command6", load::Variant::EnglishMm},
                                                             {"Command5", load::Variant::EnglishInch},
                                                             {"Command2", load::Variant::GermanMm}};
    for (const auto& [button, variant] : buttons) {
        SCOPED_TRACE(button);
        TempDir dir;
        test::fillAsBuilt(dir);
        {
            load::VariantWindow form11(dir.folder());
            form11.show();
            QTest::mouseClick(form11.findChild<QPushButton*>(button), Qt::LeftButton);
            EXPECT_EQ(waitFor(dir, "started.txt"), std::string(load::buildCode(variant)) + "\n");
            EXPECT_FALSE(form11.isVisible());
        }
        std::filesystem::remove(dir.file("started.txt"));
        EXPECT_EQ(test::listing(dir), test::expectedListing(variant));

        // A second choice: the same one starts the same build again; the
        // others are refused in the window, which stays open.
        for (const auto& [again, other] : buttons) {
            load::VariantWindow form11(dir.folder());
            form11.show();
            QTest::mouseClick(form11.findChild<QPushButton*>(again), Qt::LeftButton);
            const auto* note = form11.findChild<QLabel*>("Label2");
            ASSERT_NE(note, nullptr);
            if (other == variant) {
                EXPECT_EQ(waitFor(dir, "started.txt"), std::string(load::buildCode(variant)) + "\n");
                std::filesystem::remove(dir.file("started.txt"));
            } else {
                EXPECT_TRUE(form11.isVisible());
                EXPECT_TRUE(note->isVisible());
                EXPECT_TRUE(note->text().startsWith("The files for this choice are missing: ")) << again;
                EXPECT_FALSE(std::filesystem::exists(dir.file("started.txt")));
                form11.grab().save(
                    QString::fromStdString(std::string(VECTRIM_BIN_DIR) + "/../tests/form11-refused.png"));
            }
            EXPECT_EQ(test::listing(dir), test::expectedListing(variant));
        }
    }
}

TEST(LoadWindow, StatusShowsTheReportAndTheMainProgramStarts) {
    TempDir dir;
    recordingProgram(dir, "vectrim");
    dir.write(
        "d.dxf",
        "0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n0\n10\n0\n20\n0\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n"
        "0\n0\nENDSEC\n0\nEOF\n");
    dir.write("par.dat", dir.file("d.dxf") + "\r\n 30\r\nd.dxf\r\n");
    setenv("VECTRIM_PROGRAM_FOLDER", dir.folder().c_str(), 1);
    load::LoadWindow form1;
    EXPECT_EQ(form1.objectName(), "Form1");
    EXPECT_EQ(form1.windowTitle(), "Load DXF");
    ASSERT_EQ(form1.findChild<QLineEdit*>("Status"), form1.status());
    form1.show();
    form1.works();
    unsetenv("VECTRIM_PROGRAM_FOLDER");
    EXPECT_EQ(form1.status()->text(), "Nicht übernommen: 1 POINT");
    EXPECT_FALSE(form1.isEnabled());
    EXPECT_EQ(waitFor(dir, "started.txt"), "1:1\n");
    EXPECT_EQ(dir.read("tempd.dat"), "1\r\n 0\r\n 0\r\n 1\r\n 0\r\ne\r\n");
    form1.grab().save(QString::fromStdString(std::string(VECTRIM_BIN_DIR) + "/../tests/form1.png"));
}

} // namespace
} // namespace vectrim
