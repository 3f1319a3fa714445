#include "report_window.h"

#include "model/messages.h"
#include "view/canvas.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vectrim {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

QString hex(int paletteNumber) {
    const Rgb c = paletteColour(paletteNumber);
    return QColor(c.r, c.g, c.b).name();
}

// The legend: a coloured box and the caption of each kind.
QString legendText() {
    QString html;
    for (int k = 0; k < kRepairKinds; ++k) {
        const auto kind = static_cast<RepairKind>(k);
        html += QStringLiteral(
                    "<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;</span>&nbsp;%2&nbsp;&nbsp; ")
                    .arg(hex(placeColour(kind)), QString::fromUtf8(placeCaption(kind)));
    }
    return html;
}

constexpr int kGap = 8; // pixels between the main window and the report

} // namespace

ReportWindow::ReportWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), main_(mainWindow) {
    setObjectName(QStringLiteral("ReportWindow"));
    setWindowTitle(tr("Bericht der Bearbeitung"));

    Liste = new QTreeWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setRootIsDecorated(false);
    Liste->setColumnCount(3);
    Liste->setHeaderLabels({tr("Schritt"), tr("Ergebnis"), tr("Stellen")});
    Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste->setWordWrap(true);
    Liste->header()->setStretchLastSection(false);
    Liste->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    Liste->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    Liste->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    Legende = new QLabel(this);
    Legende->setObjectName(QStringLiteral("Legende"));
    Legende->setTextFormat(Qt::RichText);
    Legende->setWordWrap(true);
    Legende->setText(legendText());

    Command1 = new QPushButton(tr("Alle anzeigen"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(tr("Schließen"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, &ReportWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ReportWindow::Command2_Click);
    connect(Liste, &QTreeWidget::itemSelectionChanged, this, &ReportWindow::rowChosen);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Liste, 1);
    layout->addWidget(Legende);
    layout->addLayout(buttons);
    resize(460, 420);
}

void ReportWindow::showReport(const RunReport& report) {
    report_ = report;
    Liste->clear();
    firstStageRow_ = 0;
    const std::string skipped = report.import.skippedText();
    const std::string approximated = report.import.approximatedText();
    if (!skipped.empty() || !approximated.empty()) {
        std::string text = skipped;
        if (!approximated.empty()) text += (text.empty() ? "" : "\n") + approximated;
        auto* row =
            new QTreeWidgetItem(Liste, {QString::fromUtf8(msg::tr(msg::kReportImport)), qs(text), QString()});
        row->setToolTip(1, qs(text)); // a long list is cut at the column's edge
        firstStageRow_ = 1;
    }
    for (const StageReport& s : report.stages) {
        const QString places = s.places.empty() ? QString() : QString::number(s.places.size());
        new QTreeWidgetItem(Liste, {qs(stageCaption(s.name)), qs(countsText(s.counts)), places});
    }
    Command1->setEnabled(!allMarks().empty());
    if (!isVisible()) placeBesideMain();
    show();
    raise();
}

std::vector<PlaceMark> ReportWindow::marksOfRow(int row) const {
    std::vector<PlaceMark> marks;
    const int stage = row - firstStageRow_;
    if (stage < 0 || stage >= static_cast<int>(report_.stages.size())) return marks;
    for (const RepairPlace& p : report_.stages[static_cast<size_t>(stage)].places)
        marks.push_back({p.x, p.y, placeColour(p.kind)});
    return marks;
}

std::vector<PlaceMark> ReportWindow::allMarks() const {
    std::vector<PlaceMark> marks;
    for (int row = firstStageRow_; row < firstStageRow_ + static_cast<int>(report_.stages.size()); ++row) {
        const std::vector<PlaceMark> more = marksOfRow(row);
        marks.insert(marks.end(), more.begin(), more.end());
    }
    return marks;
}

void ReportWindow::rowChosen() {
    const QList<QTreeWidgetItem*> chosen = Liste->selectedItems();
    if (chosen.isEmpty()) return;
    emit marksChosen(marksOfRow(Liste->indexOfTopLevelItem(chosen.front())));
}

void ReportWindow::Command1_Click() {
    Liste->clearSelection();
    emit marksChosen(allMarks());
}

void ReportWindow::Command2_Click() { close(); }

void ReportWindow::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    emit closed();
}

void ReportWindow::placeBesideMain() {
    if (!main_) return;
    // Right of the main window; where the screen ends there, over its right
    // edge.
    const QRect m = main_->frameGeometry();
    QPoint at(m.right() + kGap, m.top());
    if (const QScreen* screen = main_->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.x() + width() > room.right()) at.setX(std::max(room.left(), room.right() - width()));
    }
    move(at);
}

} // namespace vectrim
