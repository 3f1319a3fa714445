#include "print_window.h"

#include "app/file_notice.h"
#include "app/program_folder.h"
#include "file_dialogs.h"
#include "model/numtext.h"
#include "page_preview.h"
#include "qt_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vectrim {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
std::string str(const QString& text) { return text.toStdString(); }

template <class W>
W* named(W* w, const char* name, const QString& tip = {}) {
    w->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty()) w->setToolTip(tip);
    return w;
}

constexpr const char* kPdfFilter = QT_TRANSLATE_NOOP("vectrim::Form77", "PDF-Datei (*.pdf)|*.pdf|");
constexpr const char* kPdfDialogTitle = QT_TRANSLATE_NOOP("vectrim::Form77", "Speichern...");
constexpr int kColumnWidth = 250;

} // namespace

Form77::Form77(QWidget* mainWindow, const Drawing& d, Host& host, const ViewFrame& frame,
               FileDialogs& dialogs, Form77Options options)
    : QDialog(mainWindow),
      d_(d),
      host_(host),
      frame_(frame),
      dialogs_(dialogs),
      options_(std::move(options)),
      main_(mainWindow) {
    setObjectName(QStringLiteral("form77"));
    setWindowTitle(tr("Ausdruck auf DIN A4 - Drucker"));
    setModal(true);

    Picture1 = named(new PagePreview(this), "Picture1");

    Frame3 = named(new QGroupBox(tr("Drucker auswählen")), "Frame3");
    Combo1 = named(new QComboBox, "Combo1");
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* printerRow = new QVBoxLayout(Frame3);
    printerRow->addWidget(Combo1);

    Frame1 = named(new QGroupBox(tr("Maßstabsfaktor ")), "Frame1");
    Label2 = named(new QLabel(tr("Auswahl:")), "Label2");
    Combo2 = named(new QComboBox, "Combo2");
    // Combo2 shows "Maßstab" until an entry is chosen; the text cannot be typed.
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->lineEdit()->setReadOnly(true);
    for (const PresetScale& p : kPresetScales) Combo2->addItem(QString::fromUtf8(msg::tr(p.entry)));
    Label1 = named(new QLabel(tr("Aktuell:")), "Label1");
    Text1 = named(new QLineEdit, "Text1", tr("Maßstabsfaktor für Ausdruck "));
    Command2 =
        named(new QPushButton(tr("Auf eine Seite anpassen")), "Command2", tr("Zeichnung an DIN A4 anpassen"));
    Check1 =
        named(new QCheckBox(tr("Bild um 90 Grad drehen")), "Check1", tr("Zeichnung im Querformat drucken"));
    auto* scale = new QGridLayout(Frame1);
    scale->addWidget(Label2, 0, 0);
    scale->addWidget(Combo2, 0, 1);
    scale->addWidget(Label1, 1, 0);
    scale->addWidget(Text1, 1, 1);
    scale->addWidget(Command2, 2, 0, 1, 2);
    scale->addWidget(Check1, 3, 0, 1, 2);

    Frame2 = named(new QGroupBox(tr("Ausdrucken")), "Frame2");
    Command1 = named(new QPushButton(tr("Farbig drucken")), "Command1", tr("Zeichnung farbig ausdrucken"));
    Command5 = named(new QPushButton(tr("S/W drucken")), "Command5", tr("Zeichnung schwarz/weiß ausdrucken"));
    auto* printing = new QVBoxLayout(Frame2);
    printing->addWidget(Command1);
    printing->addWidget(Command5);
    Command4 = named(new QPushButton(tr("Abbrechen")), "Command4", tr("Drucken abbrechen"));

    auto* column = new QVBoxLayout;
    column->addWidget(Frame3);
    column->addWidget(Frame1);
    column->addWidget(Frame2);
    column->addStretch(1);
    column->addWidget(Command4);
    for (QWidget* w : {static_cast<QWidget*>(Frame3), static_cast<QWidget*>(Frame1),
                       static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Command4)})
        w->setFixedWidth(kColumnWidth);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Picture1, 0, Qt::AlignTop);
    layout->addSpacing(8);
    layout->addLayout(column);

    connect(Command2, &QPushButton::clicked, this, &Form77::Command2_Click);
    connect(Check1, &QCheckBox::clicked, this, &Form77::Check1_Click);
    connect(Combo2, &QComboBox::activated, this, &Form77::Combo2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form77::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &Form77::Command5_Click);
    connect(Command4, &QPushButton::clicked, this, &Form77::Command4_Click);

    // No button is pressed by Enter: Enter in Text1 would otherwise fit the
    // drawing again and throw the typed scale factor away.
    for (QPushButton* b : {Command2, Command1, Command5, Command4}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    Combo2->setCurrentIndex(-1);
    Combo2->setEditText(QString::fromUtf8(msg::tr(kScaleComboText)));
    setFixedSize(sizeHint());
}

Form77::~Form77() = default;

void Form77::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (loaded_) return;
    // Filled once: the window's later repaints keep the list, the chosen
    // printer and a scale the user typed.
    loaded_ = true;
    if (main_) {
        const int offset = pixelsFromTwips(kForm77OffsetTwips);
        move(main_->frameGeometry().topLeft() + QPoint(offset, offset));
    }
    fillPrinters();
    Command2_Click();
}

void Form77::fillPrinters() {
    const PrinterList list = options_.printers ? *options_.printers : installedPrinters();
    Combo1->clear();
    for (const std::string& name : list.names) Combo1->addItem(qs(name));
    Combo1->addItem(QString::fromLatin1(kPdfEntry));
    // The current printer is shown; without any printer the PDF file.
    const auto it = std::find(list.names.begin(), list.names.end(), list.defaultName);
    if (list.names.empty())
        Combo1->setCurrentIndex(0);
    else
        Combo1->setCurrentIndex(list.defaultName.empty() || it == list.names.end()
                                    ? -1
                                    : static_cast<int>(it - list.names.begin()));
}

PageSetup Form77::pageSetup() const {
    PageSetup p;
    p.scaleText = str(Text1->text());
    p.rotate = Check1->isChecked();
    p.heightText = frame_.sizeText(SizeField::Height);
    p.widthText = frame_.sizeText(SizeField::Width);
    return p;
}

void Form77::Command2_Click() {
    Combo2->setCurrentIndex(-1);
    Combo2->setEditText(QString::fromUtf8(msg::tr(kScaleComboText)));
    Text1->setText(qs(fitScaleText(d_, Check1->isChecked())));
    painter(static_cast<int16_t>(PrintMode::Preview));
}

void Form77::Check1_Click() { Command2_Click(); }

void Form77::Combo2_Click(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kPresetScales))) return;
    Text1->setText(QString::fromUtf8(kPresetScales[index].text));
    painter(static_cast<int16_t>(PrintMode::Preview));
}

bool Form77::painter(int16_t mode) {
    const PrintMode m = static_cast<PrintMode>(std::clamp<int16_t>(mode, 0, 2));
    const PageSetup setup = pageSetup();
    bool ok = false;
    if (m == PrintMode::Preview)
        ok = vectrim::painter(d_, setup, m, Picture1->canvas());
    else if (currentPrinter_ == kPdfEntry)
        ok = printToPdf(pdfPath_, d_, setup, m);
    else
        ok = printOnPrinter(currentPrinter_, d_, setup, m);
    if (!ok) host_.message(msg::tr(msg::kPrintFailed), msg::tr(msg::kTitleError), Icon::Critical);
    return ok;
}

std::string Form77::pdfPath() {
    std::string path = dialogs_.save(this, tr(kPdfFilter).toStdString(), tr(kPdfDialogTitle).toStdString(),
                                     options_.folder, {});
    path = path.substr(0, path.find('\0')); // the dialog's terminator
    if (path.empty()) return path;
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.find('.') == std::string::npos) path += ".pdf";
    return path;
}

void Form77::print(PrintMode mode) {
    const std::string chosen = Combo1->currentIndex() < 0 ? std::string() : str(Combo1->currentText());
    if (chosen.empty()) {
        host_.message(tr("Kein Drucker ausgewählt !?").toStdString(), msg::tr(msg::kTitleError), Icon::None);
        return;
    }
    if (chosen == kPdfEntry) {
        pdfPath_ = pdfPath();
        if (pdfPath_.empty()) return; // no file chosen: nothing is printed
    }
    currentPrinter_ = chosen;
    if (!painter(static_cast<int16_t>(mode))) return; // the window stays for another try
    if (chosen == kPdfEntry) host_.info(fileNotice(msg::tr(msg::kPdfSaved), pdfPath_, msg::tr(msg::kIn)));
    accept();
}

void Form77::Command1_Click() { print(PrintMode::Colour); }
void Form77::Command5_Click() { print(PrintMode::BlackWhite); }
void Form77::Command4_Click() { reject(); }

} // namespace vectrim
