// The report window "Bericht der Bearbeitung": what the import left out and
// approximated, and what each stage of the last processing run did, one row
// each (stages that did nothing are not listed). Selecting a row marks its
// places in the view, one colour per kind; "Alle anzeigen" marks all of
// them. Not modal; it sits beside the main window and closes at the next
// change of the drawing.
#pragma once

#include "app/run_report.h"
#include "model/view_state.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vectrim {

class ReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportWindow(QWidget* mainWindow);

    // Lists the report and shows the window beside the main window.
    void showReport(const RunReport& report);
    const RunReport& report() const { return report_; }
    // The marks of the rows chosen: the places of a stage, or all.
    std::vector<PlaceMark> marksOfRow(int row) const;
    std::vector<PlaceMark> allMarks() const;

    QTreeWidget* Liste = nullptr;    // the rows: step, result, number of places
    QLabel* Legende = nullptr;       // the colours of the kinds of places
    QPushButton* Command1 = nullptr; // "Alle anzeigen"
    QPushButton* Command2 = nullptr; // "Schließen"

signals:
    // Places to mark in the view (empty: none).
    void marksChosen(const std::vector<PlaceMark>& marks);
    // The window was closed by the user.
    void closed();

public slots:
    void Command1_Click();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void rowChosen();
    void placeBesideMain();

    QWidget* main_;
    RunReport report_;
    int firstStageRow_ = 0; // the import row comes first when there is one
};

} // namespace vectrim
