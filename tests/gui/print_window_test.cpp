// The print window form77, headless: its controls, the scale factor, the
// preview, the printer list and the printout into a PDF file.
#include "page_preview.h"
#include "pdf_raster.h"
#include "print_window.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace vectrim {
namespace {

using test::Raster;

constexpr int kDpi = 254; // 10 pixels per millimetre
constexpr int kHeaderRows = 120;

// The dark pixels of the preview image.
Raster::Box previewBox(const QImage& image) {
    Raster::Box b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                b.x0 = std::min(b.x0, x);
                b.x1 = std::max(b.x1, x);
                b.y0 = std::min(b.y0, y);
                b.y1 = std::max(b.y1, y);
            }
    return b;
}

class PrintWindow : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        make();
        // the 100 x 50 rectangle and a circle inside it
        Drawing& d = s().drawing;
        d.appendLine(0, 0, 100, 0);
        d.appendLine(100, 0, 100, 50);
        d.appendLine(100, 50, 0, 50);
        d.appendLine(0, 50, 0, 0);
        d.appendArc(50, 25, 10, 0, 360);
        form->getmima();
        form->trunder();
    }
    // A print window with two printers besides the PDF file.
    std::unique_ptr<Form77> window(PrinterList printers = PrinterList{{"Laser", "Tinte"}, "Tinte"}) {
        Form77Options o;
        o.printers = printers;
        o.folder = dir.folder();
        auto w = std::make_unique<Form77>(form.get(), s().drawing, form->host(), *form, dialogs, o);
        w->show();
        return w;
    }
    void choosePdf(Form77& w, const std::string& path) {
        w.Combo1->setCurrentIndex(w.Combo1->findText(kPdfEntry));
        dialogs.results.push_back(path + std::string(1, '\0'));
    }
};

TEST_F(PrintWindow, ControlsCarryTheirCaptionsAndTooltips) {
    auto w = window();
    EXPECT_EQ(w->objectName(), "form77");
    EXPECT_EQ(w->windowTitle(), "Ausdruck auf DIN A4 - Drucker");
    EXPECT_EQ(w->Frame3->title(), "Drucker auswählen");
    EXPECT_EQ(w->Frame1->title(), "Maßstabsfaktor ");
    EXPECT_EQ(w->Frame2->title(), "Ausdrucken");
    EXPECT_EQ(w->Label2->text(), "Auswahl:");
    EXPECT_EQ(w->Label1->text(), "Aktuell:");
    EXPECT_EQ(w->Text1->toolTip(), "Maßstabsfaktor für Ausdruck ");
    EXPECT_EQ(w->Command2->text(), "Auf eine Seite anpassen");
    EXPECT_EQ(w->Command2->toolTip(), "Zeichnung an DIN A4 anpassen");
    EXPECT_EQ(w->Check1->text(), "Bild um 90 Grad drehen");
    EXPECT_EQ(w->Check1->toolTip(), "Zeichnung im Querformat drucken");
    EXPECT_EQ(w->Command1->text(), "Farbig drucken");
    EXPECT_EQ(w->Command1->toolTip(), "Zeichnung farbig ausdrucken");
    EXPECT_EQ(w->Command5->text(), "S/W drucken");
    EXPECT_EQ(w->Command5->toolTip(), "Zeichnung schwarz/weiß ausdrucken");
    EXPECT_EQ(w->Command4->text(), "Abbrechen");
    EXPECT_EQ(w->Command4->toolTip(), "Drucken abbrechen");
    const QStringList scales{"1:1  (Volle Größe)", "1:2  (Halbe Größe)", "1:5", "1:10", "1:20"};
    ASSERT_EQ(w->Combo2->count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w->Combo2->itemText(i), scales[i]);
    for (const char* name : {"Frame3", "Combo1", "Frame1", "Combo2", "Text1", "Label2", "Label1", "Command2",
                             "Check1", "Frame2", "Command1", "Command5", "Command4", "Picture1"})
        EXPECT_NE(w->findChild<QWidget*>(name), nullptr) << name;
    // 500 twips right of and below the main window's corner
    EXPECT_EQ(w->frameGeometry().topLeft() - form->frameGeometry().topLeft(), QPoint(33, 33));
}

TEST_F(PrintWindow, OpensFittedAndPresetScalesRedrawThePreview) {
    auto w = window();
    EXPECT_EQ(w->Text1->text(), " 1.504");
    EXPECT_EQ(w->Combo2->currentText(), "Maßstab");
    const double px = PagePreview::kPixelsPerMm;
    Raster::Box b = previewBox(w->Picture1->image());
    EXPECT_NEAR(b.x1 - b.x0, 150.4 * px, 2);
    EXPECT_NEAR(b.x0, 18.8 * px, 2);
    EXPECT_NEAR(b.y0, 94.9 * px, 2);

    w->Combo2->setCurrentIndex(1);
    emit w->Combo2->activated(1);
    EXPECT_EQ(w->Text1->text(), "0.5");
    b = previewBox(w->Picture1->image());
    EXPECT_NEAR(b.x1 - b.x0, 50 * px, 2);
    EXPECT_NEAR(b.x0, (188 - 50) / 2.0 * px, 2);

    w->Check1->click(); // turned: fitted anew
    EXPECT_EQ(w->Text1->text(), " 2.376");
    EXPECT_EQ(w->Combo2->currentText(), "Maßstab");
    b = previewBox(w->Picture1->image());
    EXPECT_NEAR(b.x1 - b.x0, 50 * 2.376 * px, 2);
    EXPECT_NEAR(b.y1 - b.y0, 100 * 2.376 * px, 2);
    EXPECT_EQ(s().drawing.lines[0].x2, 100); // the model is not turned
}

TEST_F(PrintWindow, EnterInTheScaleFieldKeepsTheTypedFactor) {
    auto w = window();
    w->Text1->setFocus();
    w->Text1->selectAll();
    QTest::keyClicks(w->Text1, "2");
    QTest::keyClick(w->Text1, Qt::Key_Return);
    EXPECT_EQ(w->Text1->text(), "2");
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(w->pageSetup().scaleText, "2"); // the next print uses it
}

TEST_F(PrintWindow, ListsThePrintersWithTheDefaultShownAndThePdfFile) {
    auto w = window();
    ASSERT_EQ(w->Combo1->count(), 3);
    EXPECT_EQ(w->Combo1->itemText(0), "Laser");
    EXPECT_EQ(w->Combo1->itemText(2), "PDF-Datei");
    EXPECT_EQ(w->Combo1->currentText(), "Tinte");

    Form77 installed(form.get(), s().drawing, form->host(), *form, dialogs);
    installed.show();
    const QStringList names = QPrinterInfo::availablePrinterNames();
    ASSERT_EQ(installed.Combo1->count(), names.size() + 1);
    for (int i = 0; i < names.size(); ++i) EXPECT_EQ(installed.Combo1->itemText(i), names[i]);
    EXPECT_EQ(installed.Combo1->itemText(static_cast<int>(names.size())), "PDF-Datei");
    EXPECT_EQ(installed.Combo1->currentText(),
              names.isEmpty() ? QStringLiteral("PDF-Datei") : QPrinterInfo::defaultPrinterName());
}

TEST_F(PrintWindow, WithoutPrintersThePdfFileIsChosenAndConfirmed) {
    auto w = window(PrinterList{});
    ASSERT_EQ(w->Combo1->count(), 1);
    EXPECT_EQ(w->Combo1->currentText(), "PDF-Datei");
    dialogs.results.push_back(dir.file("seite") + '\0');
    w->Text1->setText("0,5"); // a decimal comma
    w->Command1->click();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(dir.file("seite.pdf")));
    EXPECT_EQ(c().Label20->text().toStdString(), "PDF gespeichert: seite.pdf in " + dir.folder());
}

TEST_F(PrintWindow, WithoutAChosenPrinterNothingIsPrinted) {
    auto w = window();
    w->Combo1->setCurrentIndex(-1);
    w->Command1->click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Kein Drucker ausgewählt !?");
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(PrintWindow, AnUnwritableFileOrAnAbsurdScaleIsAnOutputError) {
    auto w = window();
    choosePdf(*w, dir.file("missing/folder/page.pdf"));
    w->Command1->click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Abbruch  -> Ausgabefehler !");
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
    EXPECT_TRUE(w->isVisible());

    choosePdf(*w, dir.file("huge.pdf"));
    w->Text1->setText("1e400");
    w->Command5->click();
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("huge.pdf"))); // nothing half-written
    EXPECT_TRUE(w->isVisible());

    choosePdf(*w, dir.file("turned.pdf"));
    w->Text1->setText("-1"); // would turn the drawing over and lose its arcs
    w->Command1->click();
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[2].text, "Abbruch  -> Ausgabefehler !");
    EXPECT_FALSE(std::filesystem::exists(dir.file("turned.pdf")));
    EXPECT_TRUE(w->isVisible());
    host.messages.pop_back();

    w->Command1->click(); // the dialog is cancelled: nothing happens
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_TRUE(w->isVisible());

    w->Combo1->setCurrentIndex(0); // "Laser" is not installed: the job is refused
    w->Text1->setText("1");
    w->Command1->click();
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[2].text, "Abbruch  -> Ausgabefehler !");
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PrintWindow, PrintsIntoAPdfFileAtTheTypedScale) {
    if (!test::havePdftoppm()) GTEST_SKIP() << "pdftoppm is missing";
    auto w = window();
    choosePdf(*w, dir.file("page")); // ".pdf" is added
    w->Text1->setText("1");          // typed: used as typed
    w->Command1->click();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, "save");
    const Raster page = test::rasterise(dir.file("page.pdf"), kDpi, dir);
    ASSERT_NEAR(page.width, 2100, 1);
    ASSERT_NEAR(page.height, 2970, 1);
    const Raster::Box b = page.darkBox(kHeaderRows, page.height);
    // the rectangle at scale 1, centred: 100 mm from x = 10 + 44 mm
    EXPECT_NEAR(b.x1 - b.x0, 1000, 3);
    EXPECT_NEAR(b.y1 - b.y0, 500, 3);
    EXPECT_NEAR(b.x0, 540, 3);
    EXPECT_NEAR(b.y0, (12 + 107.5) * 10, 3);
}

TEST_F(PrintWindow, TheMenuEntryOpensTheWindowModallyAndRefusesAnEmptyDrawing) {
    if (!test::havePdftoppm()) GTEST_SKIP() << "pdftoppm is missing";
    bool seen = false;
    const std::string pdf = dir.file("menu.pdf");
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<Form77*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(w->Text1->text(), " 1.504");
        choosePdf(*w, pdf);
        w->Command5->click();
    });
    c().druck->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const Raster page = test::rasterise(pdf, kDpi, dir);
    ASSERT_NEAR(page.width, 2100, 1);
    const Raster::Box b = page.darkBox(kHeaderRows, page.height);
    EXPECT_NEAR(b.x0, (10 + 18.8) * 10, 3);
    EXPECT_NEAR(b.x1, (10 + 18.8 + 150.4) * 10, 3);
    EXPECT_NEAR(b.y0, (12 + 94.9) * 10, 3);
    EXPECT_NEAR(b.y1, (12 + 94.9 + 75.2) * 10, 3);

    s().drawing.clear();
    c().druck->trigger();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Keine Elemente vorhanden !");
    EXPECT_EQ(host.messages[0].title, "Exit");
}

} // namespace
} // namespace vectrim
