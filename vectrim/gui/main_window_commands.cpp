// The main window's commands that open windows of their own: printing, the
// wizard, the analysis and scale windows, deleting elements, saving a DXF,
// the inch conversion.
#include "main_window.h"

#include "analysis_window.h"
#include "app/file_notice.h"
#include "app/presets.h"
#include "drawing_area.h"
#include "dxf_save_window.h"
#include "examine/analysis.h"
#include "examine/scaling.h"
#include "examine/selection.h"
#include "file_dialogs.h"
#include "print_window.h"
#include "report_window.h"
#include "scale_window.h"
#include "wizard_window.h"

#include <QPushButton>

namespace vectrim {

// ---- printing -----------------------------------------------------------------------

void Form16::druck_Click() {
    const Drawing& d = session_->drawing;
    if (d.linecount == 0 && d.arccount == 0) {
        host_.message(msg::tr(msg::kNoElements), msg::tr(msg::kTitleExit), Icon::Information);
        return;
    }
    Form77Options options;
    options.folder = dialogFolder();
    Form77 window(this, d, host_, *this, *dialogs_, options);
    window.exec();
    update(); // every control of the main window is drawn anew
}

// ---- the wizard ---------------------------------------------------------------------

void Form16::Command10_Click() {
    bool inchAsked = false;
    if (!wizardOpen(session_->drawing, session_->state.inchConverted, host_, *this, &inchAsked)) return;
    if (inchAsked) session_->state.inchQuestionPending = false; // not again before the run
    Form43 wizard(this, session_->state.wizardChoice, {c_.ktoleranz, c_.ftoleranz, c_.gtoleranz});
    wizard.exec();
    // The run starts once the wizard has closed.
    if (wizard.startRun()) Command4_Click();
}

// ---- inch conversion --------------------------------------------------------------

void Form16::wandel1_Click() {
    MainState& st = session_->state;
    wandel1(session_->drawing, st.inchConverted, host_, *this);
    if (st.inchConverted != 0) st.inchQuestionPending = false;
}
void Form16::mzurueck_Click() { mzurueck(session_->drawing, session_->state.inchConverted, host_, *this); }

// ---- analysis, scaling, deleting elements ------------------------------------------

void Form16::pruefen_Click() {
    Session& s = *session_;
    if (!pruefen(s.drawing, host_)) return;
    Form400 window(this);
    window.fill(form400Load(s.drawing, s.settings, host_, *this));
    window.exec();
    host_.doEvents();
}

void Form16::massstab_Click() {
    if (!massstabOpen(session_->drawing, host_, *this)) return;
    Form399 window(this, session_->drawing, host_, form399Load(*this, session_->drawing), this);
    window.exec();
    massstabClosed(*this);
}

void Form16::eloesch_Click() {
    editor_->eloesch();
    if (session_->view.pickMode != 0) c_.Bild1->setFocus(); // for Delete and Escape
    updatePointer();
}

void Form16::konl_Click() {
    editor_->konl();
    if (session_->view.pickMode != 0) c_.Bild1->setFocus();
    updatePointer();
}

// ---- saving, undo ---------------------------------------------------------------

// "DXF speichern": the drawing as it is now, for the CAM program.
void Form16::savedxfm_Click() {
    const auto saved = savedxfm(this, session_->drawing, host_, session_->state, dxfForm_,
                                [this](const std::string& filter, const std::string& title,
                                       const std::string& /*folder*/, const std::string& suggested) {
                                    return dialogs_->save(this, filter, title, dialogFolder(), suggested);
                                });
    if (!saved) return;
    session_->state.saved(); // closing asks no more
    host_.info(fileNotice(msg::tr(msg::kDxfSaved), *saved, msg::tr(msg::kIn)));
}

// ---- taking changes back ------------------------------------------------------------

void Form16::aboutToChange(const char* what) {
    closeReport(); // it belongs to the drawing as it is now
    history_.record(*session_, labels_, what);
    session_->state.changed();
    updateUndoButtons();
}

void Form16::updateUndoButtons() {
    c_.Command6->setEnabled(history_.canUndo());
    c_.Command7->setEnabled(history_.canUndoAll());
}

void Form16::Command6_Click() {
    breaks();
    if (const auto back = history_.undo(*session_)) takenBack(*back);
}

void Form16::Command7_Click() {
    breaks();
    if (!history_.canUndoAll()) return;
    if (askquestion(msg::tr(msg::kTitleProgram), msg::tr(msg::kUndoAllQuestion)) != 'J') return;
    if (const auto back = history_.undoAll(*session_)) takenBack(*back);
}

// The view keeps its window; sizes, counts, marks and labels follow the
// drawing.
void Form16::takenBack(const TakenBack& back) {
    closeReport();
    showCheckLabels(back.labels);
    getmima();
    showCounts();
    paint();
    host_.info(msg::tr(msg::kUndone) + back.what);
    updateUndoButtons();
}

} // namespace vectrim

namespace vectrim {

// ---- the report of a run -----------------------------------------------------------

void Form16::showReport(const RunReport& report) {
    if (!report_) {
        report_ = new ReportWindow(this);
        connect(report_, &ReportWindow::marksChosen, this, &Form16::markPlaces);
        connect(report_, &ReportWindow::closed, this, [this] { markPlaces({}); });
    }
    report_->showReport(report);
}

void Form16::closeReport() {
    if (report_ && report_->isVisible()) report_->close(); // its marks go with it
}

void Form16::markPlaces(const std::vector<PlaceMark>& marks) {
    ViewState& v = session_->view;
    if (marks.empty() && v.markMode != kMarkPlaces) return;
    v.placeMarks = marks;
    v.markMode = marks.empty() ? 0 : kMarkPlaces;
    v.angleReadout = 0;
    paint();
}

} // namespace vectrim
