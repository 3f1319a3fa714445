// Turns the user manual (Markdown) into the PDF that "Hilfe" opens.
//
// usage: make_manual <handbuch.md> <info.pdf>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

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
            // the last column, which explains, takes the most room
            const QList<double> shares = table->columns() == 2   ? QList<double>{42, 58}
                                         : table->columns() == 3 ? QList<double>{17, 25, 58}
                                                                 : QList<double>{};
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
    pdf.setTitle(QStringLiteral("Vectrim – Handbuch"));
    pdf.setCreator(QStringLiteral("Vectrim"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18),
                                  QPageLayout::Millimeter));

    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral("h1 { color: #1a3d6d; } h2 { color: #1a3d6d; }"));
    doc.setMarkdown(markdown);
    formatTables(doc.rootFrame());
    doc.print(&pdf);
    return 0;
}
