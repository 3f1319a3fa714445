#include "printers.h"

#include "qt_page.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace vectrim {

PrinterList installedPrinters() {
    PrinterList list;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        list.names.push_back(name.toStdString());
    list.defaultName = QPrinterInfo::defaultPrinterName().toStdString();
    return list;
}

bool printOnPrinter(const std::string& name, const Drawing& d, const PageSetup& setup, PrintMode mode) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) return false;
    printer.setDocName(QStringLiteral("Vectrim"));
    printer.setFullPage(false);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setColorMode(mode == PrintMode::Colour ? QPrinter::Color : QPrinter::GrayScale);
    QPainter p;
    if (!p.begin(&printer)) return false;
    const bool drawn = paintSheet(p, printer.resolution() / 25.4, d, setup, mode);
    if (!drawn) printer.abort();
    const bool ended = p.end();
    return drawn && ended && printer.printerState() != QPrinter::Error;
}

} // namespace vectrim
