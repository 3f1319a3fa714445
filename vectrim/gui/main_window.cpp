#include "main_window.h"

#include "app/drawing_unit.h"
#include "build.h"

#include "abort_window.h"
#include "analysis_window.h"
#include "app/file_notice.h"
#include "app/import_cycle.h"
#include "app/profiles.h"
#include "app/program_folder.h"
#include "drawing_area.h"
#include "dxf_save_window.h"
#include "examine/analysis.h"
#include "examine/checks.h"
#include "examine/scaling.h"
#include "examine/selection.h"
#include "file_dialogs.h"
#include "model/import_account.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "model/par_file.h"
#include "model/platform.h"
#include "model/textfile.h"
#include "model/working_file.h"
#include "pipeline/run.h"
#include "question_window.h"
#include "scale_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace vectrim {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
std::string str(const QString& text) { return text.toStdString(); }

// The tip shown after start-up (with an en dash between "DXF" and "Dateien").
constexpr const char* kStartTip =
    QT_TRANSLATE_NOOP("vectrim::Form16", "Tip: Das Installationsverzeichnis enthält einige "
                                         "Demo-DXF–Dateien. Kontrolle der Kurvenglätte => Ecken.");
constexpr const char* kDxfFilter = QT_TRANSLATE_NOOP("vectrim::Form16", "CAD-Austauschformat (DXF)|*.dxf|");
constexpr const char* kProfileSaveFilter =
    QT_TRANSLATE_NOOP("vectrim::Form16", "Profilwerte: Einstellungen (*.PRO)|*.PRO");
constexpr const char* kProfileOpenFilter =
    QT_TRANSLATE_NOOP("vectrim::Form16", "Einstellungen: Profilwerte |*.PRO|");
constexpr const char* kToleranceOff = " 0";

std::string withSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder.empty() ? std::string("./") : folder + "/";
}

} // namespace

Form16::Form16(Options options) : options_(std::move(options)) {
    session_ = std::make_unique<Session>(host_);
    folder_ = options_.folder.empty() ? programFolder() : withSlash(options_.folder);
    if (options_.dialogs) {
        dialogs_ = options_.dialogs;
    } else {
        ownDialogs_ = std::make_unique<QtFileDialogs>();
        dialogs_ = ownDialogs_.get();
    }
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(tr("Vectrim"));
    buildMenus();
    buildControls();
    host_.attach(this, c_.Label20, [this](std::string_view title, std::string_view text) {
        return askWithForm100(this, qs(title), qs(text));
    });
    host_.setObserver(options_.observer);
    view_ = std::make_unique<View>(session_->drawing, session_->view, host_, c_.Bild1->canvas(),
                                   static_cast<ViewPanel&>(*this));
    editor_ = std::make_unique<ElementEditor>(session_->drawing, session_->view, host_,
                                              static_cast<ViewFrame&>(*this));
    view_->setHighlight(&editor_->selection());
    form1_ = new Form1(this, [this] { restartFromAbort(); });
    connectControls();
    setFixedSize(pixelsFromTwips(kMainWidthTwips), pixelsFromTwips(kMainHeightTwips));
}

Form16::~Form16() { delete form1_; }

// ---- geometry, start-up -------------------------------------------------------

int32_t Form16::leftTwips() const { return twipsFromPixels(frameGeometry().left()); }
int32_t Form16::topTwips() const { return twipsFromPixels(frameGeometry().top()); }

void Form16::moveTwips(int32_t left, int32_t top) { move(pixelsFromTwips(left), pixelsFromTwips(top)); }

void Form16::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!centred_) {
        // Centred on the screen once, as computed even when the screen is
        // narrower than the window.
        centred_ = true;
        if (const QScreen* s = screen()) {
            const QRect g = s->geometry();
            moveTwips((twipsFromPixels(g.width()) - kMainWidthTwips) / 2,
                      (twipsFromPixels(g.height()) - kMainHeightTwips) / 2);
        }
    }
    if (!activationQueued_) {
        activationQueued_ = true;
        QTimer::singleShot(0, this, &Form16::firstActivation);
    }
}

void Form16::firstActivation() {
    if (activated_) return;
    activated_ = true;
    Session& s = *session_;
    s.state.inchConverted = 0;
    s.view.window = kStartWindow;
    getmima();
    c_.Picture18->setVisible(true);
    c_.Picture18->repaint();
    host_.doEvents();
    s.state.wizardChoice = -1;
    host_.info(str(tr(kStartTip)));
    bool withArgument = false;
    for (const std::string& a : options_.args) withArgument = withArgument || !a.empty();
    if (withArgument) startWithArgument();
    // The drawing as loaded: nothing to take back, nothing changed.
    history_.reset(s, labels_);
    s.state.saved();
    updateUndoButtons();
    emit firstActivationDone();
}

void Form16::setCaption(const std::string& displayName) { setWindowTitle(tr("Vectrim: ") + qs(displayName)); }

void Form16::startWithArgument() {
    Session& s = *session_;
    getname();
    WorkingData w = workingData();
    const bool restored = loaddats(fileInFolder(folder_, kWorkingFileName), w);
    applyTolerances(w);
    s.state.inchConverted = w.inchConverted;
    s.state.wizardChoice = w.wizardChoice;
    s.state.top = w.top;
    s.state.left = w.left;
    if (restored) moveTwips(w.left, w.top);
    s.state.drawingLoaded = 1;
    loadtemp();
    if (s.state.inchConverted == 1) {
        scaledrawing(s.drawing, kInchToMm, kInchToMm);
        getmima();
        Picture9_Click();
    }
    host_.info("Info:");
    takeAccount();
}

void Form16::takeAccount() {
    Session& s = *session_;
    if (const auto account = takeImportAccount(fileInFolder(folder_, kImportAccountFileName)))
        s.state.import = *account;
    // An inch drawing is announced in the millimetre builds only.
    const bool inch = drawingUnit() == DrawingUnit::Millimetre && s.state.import.declaresInch() &&
                      s.state.inchConverted == 0;
    s.state.inchQuestionPending = inch;
    // Once after loading: an inch drawing, and what the import left out.
    std::string notice = inch ? msg::tr(msg::kInchDrawing) : "";
    const std::string skipped = s.state.import.skippedText();
    if (!skipped.empty()) notice += (notice.empty() ? "" : "   ") + skipped;
    if (!notice.empty()) host_.info(notice);
    if (s.state.import.anythingSkipped()) showReport(RunReport{s.state.import, {}});
}

void Form16::getname() {
    const ParFile p = readParFile(fileInFolder(folder_, kParFileName));
    session_->state.dxfPath = p.path;
    displayName_ = p.display;
    setCaption(p.display);
}

void Form16::loadtemp() {
    Session& s = *session_;
    if (s.state.dxfPath.empty() || s.state.drawingLoaded != 1) return;
    s.drawing.clear();
    extract();
    s.state.busyflag = 0;
    getmima();
    showCounts();
    Picture9_Click();
}

void Form16::extract() {
    Picture19_Click();
    session_->drawing.clear();
    host_.info("Info");
    host_.doEvents();
    readImportedDrawing(session_->drawing, session_->view.window, host_, folder_);
}

// ---- operations ---------------------------------------------------------------

char Form16::askquestion(const std::string& title, const std::string& text) {
    const char a = host_.ask(title, text);
    answer_.assign(1, a == 'N' ? 'N' : 'J');
    return answer_[0];
}

void Form16::getmima(double& width, double& height) {
    const DrawingSize z = measureDrawing(session_->drawing);
    c_.Text2->setText(qs(numberText(z.width)));
    c_.Text3->setText(qs(numberText(z.height)));
    width = z.width;
    height = z.height;
}

void Form16::getmima() {
    double w = 0, h = 0;
    getmima(w, h);
}

void Form16::trunder() {
    trunderGuard_ = 0;
    c_.Text2->setText(qs(trunderText(str(c_.Text2->text()))));
    c_.Text3->setText(qs(trunderText(str(c_.Text3->text()))));
    trunderGuard_ = 1;
}

void Form16::breaks() {
    // The editor removes its rubber band and highlight first; the view then
    // resets the pointer and the readout.
    editor_->breaks();
    view_->breaks();
    updatePointer();
}

WorkingData Form16::workingData() const {
    WorkingData w;
    w.inchConverted = session_->state.inchConverted;
    w.wizardChoice = session_->state.wizardChoice;
    w.reduceText = str(c_.ktoleranz->text());
    w.gapText = str(c_.ftoleranz->text());
    w.smoothText = str(c_.gtoleranz->text());
    w.top = topTwips();
    w.left = leftTwips();
    return w;
}

void Form16::applyTolerances(const WorkingData& w) {
    c_.ktoleranz->setText(qs(w.reduceText));
    c_.ftoleranz->setText(qs(w.gapText));
    c_.gtoleranz->setText(qs(w.smoothText));
}

void Form16::showCounts() {
    c_.wert1->setText(qs(numberText(session_->drawing.linecount)));
    c_.wert2->setText(qs(numberText(session_->drawing.arccount)));
}

void Form16::paint() { view_->paint(); }

void Form16::setAngleText(const std::string& text) { c_.Label2->setText(qs(text)); }

void Form16::setPointer(int shape) {
    c_.Bild1->setCursor(shape == kCrossPointer ? Qt::CrossCursor : Qt::ArrowCursor);
}

void Form16::updatePointer() { setPointer(session_->view.pickMode == 0 ? kArrowPointer : kCrossPointer); }

// ---- ending ---------------------------------------------------------------------

void Form16::endNow() {
    if (options_.endProgram) return options_.endProgram();
    // A hand-over ends the process at once, also from inside a processing
    // run that is letting events run.
    std::fflush(nullptr);
    std::_Exit(0);
}

bool Form16::mayDiscardChanges() {
    if (!session_->state.unsaved()) return true;
    return askquestion(msg::tr(msg::kTitleProgram), msg::tr(msg::kDiscardChanges)) == 'J';
}

void Form16::closeEvent(QCloseEvent* e) {
    if (!mayDiscardChanges()) {
        e->ignore(); // the window and the drawing stay
        return;
    }
    e->accept();
    if (session_->state.busyflag == 1) return endNow();
    if (options_.endProgram) return options_.endProgram();
    QCoreApplication::exit(0);
}

void Form16::info_Click() {
    breaks();
    // With changes not saved the question is whether to discard them.
    if (session_->state.unsaved() ? !mayDiscardChanges()
                                  : askquestion("Vectrim", str(tr("Beenden ?"))) != 'J')
        return;
    if (options_.endProgram) return options_.endProgram();
    QCoreApplication::exit(0);
}

void Form16::help_Click() {
    const char* manual = currentBuild().manual;
    const std::string pdf = fileInFolder(folder_, manual);
    bool shown = fileExists(pdf);
    if (shown && options_.openDocument) {
        shown = options_.openDocument(pdf);
    } else if (shown && !nonInteractive()) { // without a user no viewer is started
        shown = QDesktopServices::openUrl(QUrl::fromLocalFile(qs(pdf)));
    }
    if (!shown)
        host_.message(str(tr("Fehler ! Dokument %1 konnte nicht geöffnet werden.").arg(qs(manual).toUpper())),
                      msg::tr(msg::kTitleError), Icon::None);
}

// ---- the import cycle -------------------------------------------------------------

std::string Form16::dialogFolder() const {
    const std::string drawing = drawingFolder(session_->state);
    if (!drawing.empty()) return drawing;
    return session_->state.lastFolder.empty() ? folder_ : session_->state.lastFolder;
}

void Form16::oefnen2_Click() {
    Session& s = *session_;
    if (!mayDiscardChanges()) return;
    const std::string result =
        dialogs_->open(this, str(tr(kDxfFilter)), str(tr("Öffnen...")), dialogFolder());
    if (chdir(folder_.c_str()) != 0) { /* the folder stays as it was */
    }
    const DxfChoice choice = dxfChoice(result);
    if (!choice.accepted) return;
    s.state.lastFolder = choice.lastFolder;
    s.drawing.clear();
    s.state.inchConverted = 0;
    s.state.wizardChoice = -1;
    handOverAndEnd(choice.path, choice.display);
}

void Form16::Command9_Click() {
    const MainState& st = session_->state;
    if (st.dxfPath.empty() || st.drawingLoaded != 1) {
        host_.message(str(tr("Keine Zeichnung aktiv.")), msg::tr(msg::kTitleExit), Icon::Critical);
        return;
    }
    if (!mayDiscardChanges()) return;
    handOverAndEnd(st.dxfPath, displayName(st.dxfPath));
}

void Form16::handOverAndEnd(const std::string& path, const std::string& display) {
    WorkingData w = workingData();
    const HandOverResult r = handOver(folder_, w, path, display, host_);
    applyTolerances(w); // reset when the working file could not be written
    if (r == HandOverResult::Started) return endNow();
    // The program stays when the import cannot be started: nothing is lost.
    showCounts();
    paint();
    host_.message(msg::tr(msg::kAccessError), msg::tr(msg::kTitleError), Icon::Critical);
}

void Form16::restartFromAbort() {
    const std::string& path = session_->state.dxfPath;
    WorkingData w = workingData();
    if (handOver(folder_, w, path, displayName(path), host_) != HandOverResult::Started)
        startEmptyMainProgram(folder_);
    endNow();
}

// ---- settings profiles ------------------------------------------------------------

void Form16::Command2_Click() {
    const std::string result =
        dialogs_->save(this, str(tr(kProfileSaveFilter)), str(tr("Speichern...")), folder_, std::string());
    const auto name = profileSaveName(result);
    if (!name) return;
    WorkingData w = workingData();
    if (writesettings(*name, w))
        host_.info(fileNotice(msg::tr(msg::kProfileSaved), *name, msg::tr(msg::kIn)));
    else
        applyTolerances(w);
}

void Form16::Command1_Click() {
    Session& s = *session_;
    s.state.lastFolder = folder_;
    const std::string result =
        dialogs_->open(this, str(tr(kProfileOpenFilter)), str(tr("Öffnen...")), s.state.lastFolder);
    if (chdir(folder_.c_str()) != 0) { /* the folder stays as it was */
    }
    const auto name = profileOpenName(result);
    if (!name) return;
    WorkingData w = workingData();
    if (loaddats(*name, w)) host_.info(fileNotice(msg::tr(msg::kProfileLoaded), *name, msg::tr(msg::kFrom)));
    applyTolerances(w);
    s.state.top = w.top; // taken over, but the window stays where it is
    s.state.left = w.left;
    s.state.wizardChoice = -1;
    s.state.inchConverted = 0;
}

// ---- tolerance fields, processing ------------------------------------------------

void Form16::Command3_Click() { c_.ktoleranz->setText(kToleranceOff); }
void Form16::Command5_Click() { c_.ftoleranz->setText(kToleranceOff); }
void Form16::Command81_Click() { c_.gtoleranz->setText(kToleranceOff); }

void Form16::Command4_Click() {
    breaks(); // a selection would not survive the run
    Session& s = *session_;
    askInchBeforeRun(s.drawing, s.state, host_, *this);
    RepairLog log;
    ReportingRunFrame recorded(*this, s.drawing, log);
    if (bearbeitungeinfach(s, recorded) == RunOutcome::InvalidInput) return;
    showReport(makeRunReport(s.state.import, log));
}

std::string Form16::fieldText(ToleranceField f) const {
    switch (f) {
        case ToleranceField::Reduce: return str(c_.ktoleranz->text());
        case ToleranceField::Gap: return str(c_.ftoleranz->text());
        case ToleranceField::Smooth: break;
    }
    return str(c_.gtoleranz->text());
}

void Form16::focusField(ToleranceField f) {
    QLineEdit* field = f == ToleranceField::Reduce ? c_.ktoleranz
                       : f == ToleranceField::Gap  ? c_.ftoleranz
                                                   : c_.gtoleranz;
    field->setFocus();
    field->selectAll();
}

bool Form16::minimiseChecked() const { return c_.Check1->isChecked(); }
void Form16::clearMinimise() { c_.Check1->setChecked(false); }
bool Form16::roundLineLineChecked() const { return c_.Check2->isChecked(); }
void Form16::showAbortWindow() { form1_->load(); }
void Form16::unloadAbortWindow() { form1_->unload(); }
void Form16::minimiseWindow() { showMinimized(); }
void Form16::restoreWindow() { showNormal(); }
void Form16::setWindowEnabled(bool enabled) { setEnabled(enabled); }

void Form16::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange || session_->state.busyflag != 1) return;
    // During a run the abort window follows the main window: away while it
    // is minimised, back when it is restored.
    if (windowState() & Qt::WindowMinimized)
        form1_->unload();
    else if (windowState() == Qt::WindowNoState)
        form1_->load();
}

// ---- view -----------------------------------------------------------------------

void Form16::Picture9_Click() { view_->showAll(); }
void Form16::Picture1_Click() { view_->paintNew(); }
void Form16::Picture17_Click() { view_->zoomIn(); }
void Form16::Picture11_Click() { view_->zoomOut(); }

void Form16::Bild1_MouseDown(Qt::MouseButton button, double sx, double sy) {
    const ViewState& v = session_->view;
    // In selection mode the left button selects instead of zooming.
    if (button == Qt::LeftButton && v.pickMode != 0) {
        const Point p = toModel(v.window, sx, sy);
        editor_->mouseDown(p.x, p.y);
        updatePointer();
        return;
    }
    // While a rubber band is dragged no other button zooms (the redraw would
    // leave the band's exclusive-or drawing behind).
    if (v.dragActive == 1) return;
    if (button == Qt::MiddleButton) {
        panning_ = true;
        panX_ = sx;
        panY_ = sy;
        return;
    }
    const MouseButton b = button == Qt::LeftButton    ? MouseButton::Left
                          : button == Qt::RightButton ? MouseButton::Right
                                                      : MouseButton::Other;
    view_->mouseDown(b, sx, sy);
}

// The view follows the mouse with the pointer, the rubber band and the
// angle readout.
void Form16::Bild1_MouseMove(double sx, double sy) {
    if (panning_) {
        view_->pan(sx - panX_, sy - panY_);
        panX_ = sx;
        panY_ = sy;
        return;
    }
    view_->mouseMove(sx, sy);
}

void Form16::Bild1_MouseUp(Qt::MouseButton button, double sx, double sy) {
    if (button == Qt::MiddleButton) panning_ = false;
    if (button != Qt::LeftButton) return;
    const Point p = toModel(session_->view.window, sx, sy);
    editor_->mouseUp(p.x, p.y);
}

void Form16::Bild1_Wheel(double sx, double sy, int angleDelta) {
    if (session_->view.dragActive == 1) return; // a redraw would leave the rubber band behind
    constexpr int kNotch = 120;
    wheelRest_ += angleDelta;
    const int notches = wheelRest_ / kNotch;
    wheelRest_ -= notches * kNotch;
    if (notches != 0) view_->wheelZoom(sx, sy, notches);
}

void Form16::Bild1_KeyDown(int key) {
    if (key == Qt::Key_Delete)
        editor_->deleteKey();
    else if (key == Qt::Key_Escape && session_->view.pickMode != 0)
        breaks();
    updatePointer();
}

void Form16::keyPressEvent(QKeyEvent* e) {
    // Keys that no field took: Delete and Escape act on the selection.
    if (e->key() == Qt::Key_Delete || e->key() == Qt::Key_Escape) {
        Bild1_KeyDown(e->key());
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void Form16::Picture8_Click() { runCheck(session_->drawing, session_->view, host_, Check::EndPoints, *this); }
void Form16::Picture13_Click() {
    runCheck(session_->drawing, session_->view, host_, Check::Directions, *this);
}
void Form16::Picture15_Click() {
    runCheck(session_->drawing, session_->view, host_, Check::OpenContours, *this);
}
void Form16::Picture16_Click() {
    runCheck(session_->drawing, session_->view, host_, Check::Junctions, *this);
}
void Form16::Picture18_Click() {
    runCheck(session_->drawing, session_->view, host_, Check::SmallElements, *this);
}
void Form16::Picture19_Click() {
    runCheck(session_->drawing, session_->view, host_, Check::ClearMarks, *this);
}

std::string Form16::sizeText(SizeField f) const {
    return str((f == SizeField::Width ? c_.Text2 : c_.Text3)->text());
}

void Form16::showCheckLabels(const CheckLabels& l) {
    labels_ = l;
    c_.Label3->setText(qs(l.label3));
    c_.Label3->setVisible(l.label3Visible);
    c_.Label2->setText(qs(l.label2));
    const Rgb colour = paletteColour(l.label2Colour);
    QPalette p = c_.Label2->palette();
    p.setColor(QPalette::WindowText, QColor(colour.r, colour.g, colour.b));
    c_.Label2->setPalette(p);
    c_.Label2->setVisible(l.label2Visible);
}

void Form16::rechteck() { view_->rechteck(); }

} // namespace vectrim
