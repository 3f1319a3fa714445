// Turns a user manual (Markdown) into the PDF that "Hilfe" opens: A4 pages
// with page numbers, headings kept with what follows them. The document's
// title is its first heading.
//
// usage: make_manual <manual.md> <output.pdf>
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>

namespace {

// Tables across the full width, thin single rules, some air in the cells and
// a shaded heading row.
void formatTables(QTextFrame* frame) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat f = table->format();
            f.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            f.setCellPadding(4);
            f.setCellSpacing(0);
            f.setBorder(1);
            f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            f.setBorderBrush(QColor(150, 160, 175));
            f.setBorderCollapse(true);
            f.setTopMargin(4);
            f.setBottomMargin(8);
            // Two columns share the width by their average text length, so
            // that commands and explanations both have room; of three, the
            // last, which explains, takes the most.
            QList<double> shares;
            if (table->columns() == 2) {
                double length[2] = {1, 1};
                for (int row = 1; row < table->rows(); ++row)
                    for (int col = 0; col < 2; ++col) {
                        const QTextTableCell cell = table->cellAt(row, col);
                        QTextCursor c = cell.firstCursorPosition();
                        c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                        length[col] += c.selectedText().size();
                    }
                const double first = std::clamp(100 * length[0] / (length[0] + length[1]), 30.0, 60.0);
                shares = {first, 100 - first};
            } else if (table->columns() == 3) {
                shares = {17, 25, 58};
            }
            QList<QTextLength> widths;
            for (double share : shares) widths << QTextLength(QTextLength::PercentageLength, share);
            f.setColumnWidthConstraints(widths);
            table->setFormat(f);
            for (int col = 0; col < table->columns(); ++col) {
                QTextTableCell cell = table->cellAt(0, col);
                QTextCharFormat c = cell.format();
                c.setBackground(QColor(226, 233, 243));
                cell.setFormat(c);
            }
        }
        formatTables(child);
    }
}

// Page geometry in millimetres.
constexpr double kSide = 22, kTop = 20, kBottom = 22;
// A heading needs this much of the text that follows on its page.
constexpr double kFollow = 14;

// The manual laid out on A4 pages for the PDF, with a page break before
// each heading of `breaks` (block numbers). Lengths of the layout are in the
// device's pixels, except frame margins and table cells, which it scales
// from 96 dpi.
std::unique_ptr<QTextDocument> layOut(const QString& markdown, QPagedPaintDevice& device,
                                      const std::set<int>& breaks) {
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(&device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    doc->setDefaultFont(font);
    doc->setDefaultStyleSheet(QStringLiteral("h1 { color: #1a3d6d; } h2 { color: #1a3d6d; }"));
    doc->setMarkdown(markdown);
    formatTables(doc->rootFrame());
    const double layoutMm = 96 / 25.4;
    QTextFrameFormat margins = doc->rootFrame()->frameFormat();
    margins.setLeftMargin(kSide * layoutMm);
    margins.setRightMargin(kSide * layoutMm);
    margins.setTopMargin(kTop * layoutMm);
    margins.setBottomMargin(kBottom * layoutMm);
    doc->rootFrame()->setFrameFormat(margins);
    for (int n : breaks) {
        QTextBlock b = doc->findBlockByNumber(n);
        QTextBlockFormat f = b.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(b).setBlockFormat(f);
    }
    doc->setPageSize(QSizeF(device.width(), device.height()));
    return doc;
}

// The block number of the first heading that has less than kFollow of
// text after it on its page; -1 when there is none.
int strandedHeading(QTextDocument& doc, double mm) {
    const double pageHeight = doc.pageSize().height();
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock b = doc.firstBlock(); b.isValid() && b.next().isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0) continue;
        const QRectF here = layout->blockBoundingRect(b);
        const double pageEnd = (std::floor(here.top() / pageHeight) + 1) * pageHeight - kBottom * mm;
        if (here.bottom() + kFollow * mm > pageEnd) return b.blockNumber();
    }
    return -1;
}

// The first heading's text.
QString title(const QTextDocument& doc) {
    for (QTextBlock b = doc.firstBlock(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 1) return b.text();
    return QStringLiteral("Vectrim");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_manual <manual.md> <output.pdf>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_manual: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString markdown = QString::fromUtf8(in.readAll());

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setCreator(QStringLiteral("Vectrim"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                  QPageLayout::Millimeter));
    const double mm = pdf.resolution() / 25.4; // device pixels
    const QSizeF page(pdf.width(), pdf.height());

    // Headings that would end a page go to the next one. Each pass lays the
    // manual out afresh: changing a laid-out document loses paragraphs that
    // follow a table broken across pages.
    std::set<int> breaks;
    std::unique_ptr<QTextDocument> doc = layOut(markdown, pdf, breaks);
    for (int heading; (heading = strandedHeading(*doc, mm)) >= 0 && breaks.insert(heading).second;)
        doc = layOut(markdown, pdf, breaks);
    pdf.setTitle(title(*doc));

    QPainter painter(&pdf);
    QFont numberFont(QStringLiteral("DejaVu Sans"));
    numberFont.setPointSizeF(9);
    const int pages = doc->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) pdf.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        doc->drawContents(&painter, QRectF(QPointF(0, i * page.height()), page));
        painter.restore();
        painter.setFont(numberFont);
        painter.drawText(QRectF(0, page.height() - 16 * mm, page.width() - kSide * mm, 6 * mm),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(i + 1));
    }
    return painter.end() ? 0 : 1;
}
