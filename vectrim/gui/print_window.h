// form77 "Ausdruck auf DIN A4 - Drucker": the preview of the drawing on an
// A4 page, the choice of printer, the scale factor (a preset, typed in, or
// fitted to the page), the 90° turn, and the printout in colour or black and
// white. Besides the installed printers the list offers "PDF-Datei", which
// prints the same page into a PDF file chosen with the save dialog.
#pragma once

#include "model/session.h"
#include "print/page_layout.h"
#include "printers.h"
#include "view/view_frame.h"

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vectrim {

class FileDialogs;
class PagePreview;

// The entry of Combo1 that prints into a PDF file.
inline constexpr const char* kPdfEntry = "PDF-Datei";
// The window sits this many twips right of and below the main window's corner.
inline constexpr int32_t kForm77OffsetTwips = 500;

struct Form77Options {
    // The printers to offer; null: the installed printers.
    std::optional<PrinterList> printers;
    // The folder the PDF save dialog starts in.
    std::string folder;
};

class Form77 : public QDialog {
    Q_OBJECT
public:
    // `frame` gives the main window's size fields (for the header).
    Form77(QWidget* mainWindow, const Drawing& d, Host& host, const ViewFrame& frame, FileDialogs& dialogs,
           Form77Options options = {});
    ~Form77() override;

    // painter: mode 0 draws the preview in Picture1, modes 1 (colour) and 2
    // (black and white) print on the current printer. False when the output
    // failed (the message has been shown).
    bool painter(int16_t mode);
    // The page as the controls set it up now.
    PageSetup pageSetup() const;
    // The printout's target chosen by the last print command.
    const std::string& currentPrinter() const { return currentPrinter_; }

    QGroupBox* Frame3 = nullptr;     // "Drucker auswählen"
    QComboBox* Combo1 = nullptr;     // printers by device name, and "PDF-Datei"
    QGroupBox* Frame1 = nullptr;     // "Maßstabsfaktor "
    QLabel* Label2 = nullptr;        // "Auswahl:"
    QComboBox* Combo2 = nullptr;     // the preset scales, "Maßstab"
    QLabel* Label1 = nullptr;        // "Aktuell:"
    QLineEdit* Text1 = nullptr;      // the scale factor used for drawing
    QPushButton* Command2 = nullptr; // "Auf eine Seite anpassen"
    QCheckBox* Check1 = nullptr;     // "Bild um 90 Grad drehen"
    QGroupBox* Frame2 = nullptr;     // "Ausdrucken"
    QPushButton* Command1 = nullptr; // "Farbig drucken"
    QPushButton* Command5 = nullptr; // "S/W drucken"
    QPushButton* Command4 = nullptr; // "Abbrechen"
    PagePreview* Picture1 = nullptr; // the preview, in page millimetres

public slots:
    void Command2_Click();        // fit to the page
    void Check1_Click();          // turn by 90°: fit again
    void Combo2_Click(int index); // a preset scale
    void Command1_Click();        // print in colour
    void Command5_Click();        // print in black and white
    void Command4_Click();        // close

protected:
    void showEvent(QShowEvent* e) override;

private:
    void fillPrinters();
    void print(PrintMode mode);
    // The PDF file to print into, from the save dialog; empty when cancelled.
    std::string pdfPath();

    const Drawing& d_;
    Host& host_;
    const ViewFrame& frame_;
    FileDialogs& dialogs_;
    Form77Options options_;
    QWidget* main_;
    std::string currentPrinter_;
    std::string pdfPath_;
    bool loaded_ = false;
};

} // namespace vectrim
