// The report of a run and the import's account in the main window: the
// report window after a run, its rows and the marks they choose, closing at
// the next change, the same report from vectrim-cli, and what a load left
// out in the info line.
//
// With VECTRIM_SCREENSHOT_DIR set, the main window with the report beside it
// is saved there as report.png.
#include "cli_runner.h"
#include "drawing_area.h"
#include "model/exchange_file.h"
#include "model/import_account.h"
#include "model/textfile.h"
#include "repair_drawing.h"
#include "report_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include <cstdlib>

namespace vectrim {
namespace {

using namespace std::string_literals;
using test::WindowTest;

std::vector<std::string> column(QTreeWidget* list, int c) {
    std::vector<std::string> out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out.push_back(list->topLevelItem(i)->text(c).toStdString());
    return out;
}

// A plate with a duplicate line and a 0.05 element at the end of a line,
// handed over as loaded.
Drawing plate() {
    Drawing d;
    d.appendLine(10, 20, 20, 20);
    d.appendLine(0, 0, 50, 0);
    d.appendLine(50, 0, 50, 30);
    d.appendLine(50, 30, 0, 30);
    d.appendLine(0, 30, 0, 0);
    d.appendLine(50, 30, 0, 30);
    d.appendLine(20, 20, 20.05, 20);
    d.appendArc(15, 15, 5, 0, 360);
    return d;
}

class Report : public WindowTest {
protected:
    void load(const Drawing& d, const std::optional<ImportAccount>& account = std::nullopt) {
        ASSERT_TRUE(writeExchangeFile(dir.file("tempd.dat"), d));
        if (account) {
            ASSERT_TRUE(writeImportAccount(dir.file("tempi.dat"), *account));
        }
        dir.write("par.dat", "/teile/platte.dxf\0\r\n 30\r\n/teile/platte.dxf\0\r\n"s);
        make({"1"});
    }
    ReportWindow* report() { return form->reportWindow(); }
    bool reportShown() { return report() && report()->isVisible(); }
};

TEST_F(Report, AfterARunTheStagesThatDidSomethingAreListed) {
    load(plate());
    EXPECT_FALSE(reportShown()); // nothing left out: nothing extra after loading
    EXPECT_EQ(c().Label20->text(), "Info:");
    c().Command3->click(); // no reduction: the line runs stay as they are
    c().Command4->click();
    ASSERT_TRUE(reportShown());
    EXPECT_EQ(report()->windowTitle(), "Bericht der Bearbeitung");
    EXPECT_FALSE(report()->isModal());
    const auto steps = column(report()->Liste, 0);
    const auto results = column(report()->Liste, 1);
    ASSERT_FALSE(steps.empty());
    // The duplicate goes first; the small element goes with the small elements.
    EXPECT_EQ(steps[0], "Doppelte Elemente entfernen");
    EXPECT_EQ(results[0], "1 entfernt");
    EXPECT_NE(std::find(steps.begin(), steps.end(), "Kleine Elemente löschen"), steps.end());
    for (const std::string& r : results) EXPECT_FALSE(r.empty()); // none that did nothing
    // Beside the main window, or at the screen's right edge where there is
    // no room beside it.
    const QRect room = form->screen()->availableGeometry();
    EXPECT_TRUE(report()->frameGeometry().left() >= form->frameGeometry().right() ||
                report()->frameGeometry().left() + report()->width() >= room.right());
}

TEST_F(Report, ARowMarksItsPlacesInTheColourOfTheirKind) {
    load(plate());
    form->view().clickPause = 0;
    s().view.window = {0, 0, 640, 480}; // one unit per surface unit
    RunReport r;
    StageReport gaps{
        "closegaps", {}, {{100, 100, 0.2, RepairKind::GapClosed}, {200, 100, 0.4, RepairKind::GapClosed}}};
    gaps.counts.moved = 2;
    StageReport corners{"roundarcarc", {}, {{300, 300, 1.5, RepairKind::CornerRounded}}};
    corners.counts.created = 1;
    r.stages = {gaps, corners};
    form->showReport(r);
    EXPECT_EQ(column(report()->Liste, 2), (std::vector<std::string>{"2", "1"}));

    report()->Liste->setCurrentItem(report()->Liste->topLevelItem(1));
    ASSERT_EQ(s().view.markMode, 3);
    ASSERT_EQ(s().view.placeMarks.size(), 1u);
    EXPECT_EQ(s().view.placeMarks[0].x, 300);
    const QImage& image = c().Bild1->image();
    auto colourAt = [&](double sx, double sy) {
        return image.pixelColor(static_cast<int>(sx * image.width() / 640),
                                static_cast<int>(sy * image.height() / 480));
    };
    const Rgb green = paletteColour(placeColour(RepairKind::CornerRounded));
    // The box's left edge, 3 units left of the place (300, 480 - 300).
    EXPECT_EQ(colourAt(297.2, 180), QColor(green.r, green.g, green.b));

    report()->Command1->click(); // "Alle anzeigen"
    EXPECT_EQ(s().view.placeMarks.size(), 3u);
    const Rgb blue = paletteColour(placeColour(RepairKind::GapClosed));
    EXPECT_EQ(colourAt(97.2, 380), QColor(blue.r, blue.g, blue.b));

    report()->Command2->click(); // closed: the marks go with it
    EXPECT_FALSE(reportShown());
    EXPECT_EQ(s().view.markMode, 0);
}

TEST_F(Report, ItClosesAtTheNextChangeOfTheDrawing) {
    load(plate());
    c().Command4->click();
    ASSERT_TRUE(reportShown());
    c().Command4->click(); // a second run: the report of that one
    ASSERT_TRUE(reportShown());
    c().wandel1->trigger(); // inch conversion
    EXPECT_FALSE(reportShown());
    c().Command4->click();
    ASSERT_TRUE(reportShown());
    c().Command6->click(); // taking back
    EXPECT_FALSE(reportShown());
}

TEST_F(Report, TheBatchReportEqualsTheWindows) {
    const Drawing d = plate();
    ASSERT_TRUE(writeExchangeFile(dir.file("in.dat"), d));
    load(d);
    c().ftoleranz->setText("0.4");
    c().Command4->click();
    ASSERT_TRUE(reportShown());
    const test::CliResult r = test::runCli(dir, "run in.dat --gaps 0.4 --report report.json -o out.dat");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.read("report.json"), runReportJson(report()->report()));
}

// The drawing with known repairs: the window lists exactly its stages, and
// the batch writes the same report.
TEST_F(Report, KnownRepairsAreListedAndTheBatchReportsTheSame) {
    const Drawing d = test::repairDrawing();
    ASSERT_TRUE(writeExchangeFile(dir.file("in.dat"), d));
    load(d);
    c().ktoleranz->setText(test::kRepairReduce);
    c().ftoleranz->setText(test::kRepairGaps);
    c().gtoleranz->setText(test::kRepairSmooth);
    c().Command4->click();
    ASSERT_TRUE(reportShown());
    std::vector<std::string> captions, counts;
    for (const StageReport& s : test::repairDrawingReport()) {
        captions.push_back(stageCaption(s.name));
        counts.push_back(countsText(s.counts));
    }
    EXPECT_EQ(column(report()->Liste, 0), captions);
    EXPECT_EQ(column(report()->Liste, 1), counts);
    EXPECT_EQ(test::reportDifference(report()->report().stages, test::repairDrawingReport(), 1e-9), "");
    const test::CliResult r =
        test::runCli(dir, "run in.dat --reduce "s + test::kRepairReduce + " --gaps " + test::kRepairGaps +
                              " --smooth " + test::kRepairSmooth + " --report report.json -o out.dat");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.read("report.json"), runReportJson(report()->report()));
}

TEST_F(Report, WhatTheImportLeftOutIsToldOnceAfterLoading) {
    ImportAccount a;
    a.quality = 30;
    a.skipped = {{"POINT", 98}, {"HATCH", 2}, {"zu tief verschachtelt", 1}};
    a.approximated = {{"SPLINE", 4}};
    load(plate(), a);
    EXPECT_EQ(c().Label20->text(), "Nicht übernommen: 2 HATCH, 98 POINT, 1 zu tief verschachtelt");
    EXPECT_FALSE(fileExists(dir.file("tempi.dat")));
    ASSERT_TRUE(reportShown());
    ASSERT_EQ(report()->Liste->topLevelItemCount(), 1);
    EXPECT_EQ(column(report()->Liste, 0)[0], "Import");
    EXPECT_EQ(column(report()->Liste, 1)[0], "Nicht übernommen: 2 HATCH, 98 POINT, 1 zu tief verschachtelt\n"
                                             "Angenähert: 4 SPLINE (Kurvengüte 30)");
    // The run's report keeps the import as its first row.
    c().Command4->click();
    ASSERT_TRUE(reportShown());
    EXPECT_EQ(column(report()->Liste, 0)[0], "Import");
    EXPECT_GT(report()->Liste->topLevelItemCount(), 1);
}

// The picture of the README: the demo drawing dragon.dxf after a run, with
// the report beside the main window and all its places marked.
TEST_F(Report, Screenshot) {
    const char* shots = std::getenv("VECTRIM_SCREENSHOT_DIR");
    if (!shots || !*shots) GTEST_SKIP() << "VECTRIM_SCREENSHOT_DIR is not set";
    const test::CliResult r = test::runCli(dir, "import '" VECTRIM_BIN_DIR "/dragon.dxf' -o tempd.dat");
    ASSERT_EQ(r.status, 0) << r.err;
    dir.write("par.dat", "/teile/dragon.dxf\0\r\n 30\r\n/teile/dragon.dxf\0\r\n"s);
    make({"1"});
    c().Command4->click();
    ASSERT_TRUE(reportShown());
    report()->Command1->click(); // every place marked
    EXPECT_FALSE(s().view.placeMarks.empty());
    QCoreApplication::processEvents();
    const QPixmap main = form->grab(), side = report()->grab();
    QImage both(main.width() + 8 + side.width(), std::max(main.height(), side.height()),
                QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter p(&both);
    p.drawPixmap(0, 0, main);
    p.drawPixmap(main.width() + 8, 0, side);
    p.end();
    EXPECT_TRUE(both.save(QString::fromUtf8(shots) + "/report.png"));
}

TEST_F(Report, OnlyApproximationsShowNothingExtra) {
    ImportAccount a;
    a.quality = 30;
    a.approximated = {{"ELLIPSE", 1}};
    load(plate(), a);
    EXPECT_EQ(c().Label20->text(), "Info:");
    EXPECT_FALSE(reportShown());
}

} // namespace
} // namespace vectrim
