// Form16, the main window: the menus, the settings frames with the
// tolerance boxes, the start buttons, the drawing area Bild1 with its view
// and check buttons, the element counters and the info line. It owns
// the session (drawing, view state, settings) for the life of the program.
//
// Every control carries its name as Qt object name and has a handler named
// control_Event. The handlers of commands that open windows of their own
// (printing, the analysis, the scale window, deleting elements, the wizard,
// saving a DXF) are in main_window_commands.cpp.
#pragma once

#include "app/history.h"
#include "app/run_report.h"
#include "export/dxf_save.h"
#include "model/session.h"
#include "pipeline/run_frame.h"
#include "qt_host.h"
#include "view/view.h"
#include "view/view_frame.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace vectrim {

class DrawingArea;
class ElementEditor;
class FileDialogs;
class Form1;
class ReportWindow;
struct WorkingData;

// The controls of Form16 by their names.
struct Form16Controls {
    // menu "Datei" and the menu bar
    QMenu* dateien = nullptr;
    QAction* oefnen2 = nullptr;  // "DXF öffnen"
    QAction* savedxfm = nullptr; // "DXF speichern"
    QAction* druck = nullptr;    // "Drucken"
    QAction* info = nullptr;     // "Beenden"
    QAction* pruefen = nullptr;  // "Analyse"
    QAction* massstab = nullptr; // "Maßstab ändern"
    QMenu* loeschem = nullptr;   // "Löschen"
    QAction* konl = nullptr;     // "Kontur löschen"
    QAction* eloesch = nullptr;  // "Element(e) löschen"
    QMenu* wandel = nullptr;     // "Inch -> Millimeter"
    QAction* wandel1 = nullptr;  // "Maße umwandeln"
    QAction* mzurueck = nullptr; // "Zurück"
    QAction* help = nullptr;     // "Hilfe"

    // settings
    QPushButton* Command1 = nullptr;  // "Laden"
    QPushButton* Command2 = nullptr;  // "Speichern"
    QLineEdit* ktoleranz = nullptr;   // reduction tolerance
    QPushButton* Command3 = nullptr;  // "Aus: T=0" of ktoleranz
    QLineEdit* ftoleranz = nullptr;   // gap-closing tolerance
    QPushButton* Command5 = nullptr;  // "Aus: T=0" of ftoleranz
    QLineEdit* gtoleranz = nullptr;   // smoothing tolerance
    QPushButton* Command81 = nullptr; // "Aus: T=0" of gtoleranz
    QLineEdit* eitoleranz = nullptr;  // incision tolerance (no operation uses it)
    QCheckBox* Check1 = nullptr;      // "Fenster minimieren"
    QCheckBox* Check2 = nullptr;      // "Runde Linie-Linie"

    // processing
    QPushButton* Command4 = nullptr;  // ">> Starten <<"
    QPushButton* Command10 = nullptr; // ">> Assistent <<"
    QPushButton* Command9 = nullptr;  // "<< DXF neu laden >>"
    QPushButton* Command6 = nullptr;  // "Zurück"
    QPushButton* Command7 = nullptr;  // "Alles zurück"

    // view and checks
    DrawingArea* Bild1 = nullptr;
    QToolButton* Picture9 = nullptr;  // "Show all"
    QToolButton* Picture1 = nullptr;  // "Paint new"
    QToolButton* Picture17 = nullptr; // zoom in
    QToolButton* Picture11 = nullptr; // zoom out
    QLabel* Picture12 = nullptr;      // image only
    QToolButton* Picture8 = nullptr;  // "Endpunkte"
    QToolButton* Picture13 = nullptr; // "Richtungsänderungen größer als 0.1 Grad"
    QToolButton* Picture15 = nullptr; // "Offene Kontur"
    QToolButton* Picture16 = nullptr; // "Schnittpunkte"
    QToolButton* Picture18 = nullptr; // "Elemente kleiner 0,1 mm."
    QToolButton* Picture19 = nullptr; // "Markierungen ausblenden"
    QLabel* Label3 = nullptr;         // title of the last check
    QLabel* Label2 = nullptr;         // result of the last check, angle readout

    // counters, sizes, info
    QLabel* wert1 = nullptr;    // line count
    QLabel* wert2 = nullptr;    // arc count
    QLineEdit* Text2 = nullptr; // drawing width
    QLineEdit* Text3 = nullptr; // drawing height
    QLabel* Label20 = nullptr;  // info line
};

struct Form16Options {
    std::vector<std::string> args;  // the command line after the program name
    std::string folder;             // the program folder; empty: programFolder()
    FileDialogs* dialogs = nullptr; // the file dialogs; null: the desktop's
    Host* observer = nullptr;       // takes messages and questions instead of the user
    // Ends the program at once (after a hand-over, or when the user
    // quits); null: the process ends.
    std::function<void()> endProgram;
    // Opens a document for "Hilfe"; false when it could not. Null: the
    // desktop's viewer.
    std::function<bool(const std::string& path)> openDocument;
};

class Form16 : public QMainWindow, public RunFrame, public ViewFrame, private ViewPanel {
    Q_OBJECT
public:
    using Options = Form16Options;
    explicit Form16(Options options = {});
    ~Form16() override;

    Session& session() { return *session_; }
    View& view() { return *view_; }
    Host& host() { return host_; }
    Form16Controls& controls() { return c_; }
    const std::string& folder() const { return folder_; }
    Form1& abortWindow() { return *form1_; }
    // The element selection of "Element(e) löschen" and "Kontur löschen".
    ElementEditor& editor() { return *editor_; }
    bool activated() const { return activated_; }

    // ---- operations used by the commands --------------------------------
    // Asks a yes/no question in form100; 'J' or 'N' (also kept in answer()).
    char askquestion(const std::string& title, const std::string& text);
    const std::string& answer() const { return answer_; }
    // Measures the drawing into Text2 (width) and Text3 (height).
    void getmima(double& width, double& height);
    void getmima() override;
    // Rounds Text2 and Text3 to 2 decimals.
    void trunder();
    // Leaves the element selection mode.
    void breaks() override;
    // The working data of the window: tolerance texts, InchConverted,
    // WizardChoice and the window position in twips.
    WorkingData workingData() const;
    void applyTolerances(const WorkingData& data);
    void showCounts() override; // wert1, wert2
    // The window's position in twips.
    int32_t leftTwips() const;
    int32_t topTwips() const;
    void moveTwips(int32_t left, int32_t top);
    // The caption after a load: "Vectrim: " and the display name.
    void setCaption(const std::string& displayName);

    // ---- start-up -------------------------------------------------------
    // The first activation; runs once, queued after the first show.
    void firstActivation();
    // The start with argument: getname, loaddats, loadtemp.
    void startWithArgument();
    void getname();
    void loadtemp();
    void extract();
    // The import's account beside the exchange file: read once, told in the
    // info line (inch drawing, what was left out).
    void takeAccount();

    // ---- the processing run's view of the window (RunFrame) -------------
    std::string fieldText(ToleranceField f) const override;
    void focusField(ToleranceField f) override;
    bool minimiseChecked() const override;
    void clearMinimise() override;
    bool roundLineLineChecked() const override;
    void showAbortWindow() override;
    void unloadAbortWindow() override;
    void minimiseWindow() override;
    void restoreWindow() override;
    void setWindowEnabled(bool enabled) override;
    void paint() override;
    void clearMarks() override { Picture19_Click(); }

    // ---- the check and editing commands' view of the window (ViewFrame)
    std::string sizeText(SizeField f) const override;
    void showAll() override { Picture9_Click(); }
    void showCheckLabels(const CheckLabels& labels) override;
    void rechteck() override;

    // ---- taking changes back ----------------------------------------------
    // A command is about to change the drawing (RunFrame and ViewFrame):
    // its state goes into the history, the drawing counts as changed.
    void aboutToChange(const char* what) override;
    History& history() { return history_; }

    // ---- the report of a run ----------------------------------------------
    // Shows the report window beside the main window with the report.
    void showReport(const RunReport& report);
    // Closes it and removes its marks from the view.
    void closeReport();
    // The report window, once it was shown (null before).
    ReportWindow* reportWindow() { return report_; }
    // "Zurück" and "Alles zurück" are enabled while there is something to
    // take back.
    void updateUndoButtons();

signals:
    // Emitted once the first activation (and a start with argument) is done.
    void firstActivationDone();

public slots:
    // ---- menu ----
    void oefnen2_Click();  // "DXF öffnen"
    void savedxfm_Click(); // "DXF speichern"
    void druck_Click();    // "Drucken": the print window
    void info_Click();     // "Beenden"
    void pruefen_Click();  // "Analyse": the analysis window
    void massstab_Click(); // "Maßstab ändern": the scale window
    void konl_Click();     // "Kontur löschen"
    void eloesch_Click();  // "Element(e) löschen": element selection mode
    void wandel1_Click();  // "Maße umwandeln": inch to millimetres
    void mzurueck_Click(); // "Zurück": undo the inch conversion
    void help_Click();     // "Hilfe"

    // ---- buttons ----
    void Command1_Click();  // "Laden": load a settings profile
    void Command2_Click();  // "Speichern": save a settings profile
    void Command3_Click();  // "Aus: T=0" reduction
    void Command5_Click();  // "Aus: T=0" gap closing
    void Command81_Click(); // "Aus: T=0" smoothing
    void Command4_Click();  // ">> Starten <<": the processing run
    void Command10_Click(); // ">> Assistent <<": the wizard
    void Command9_Click();  // "<< DXF neu laden >>"
    void Command6_Click();  // "Zurück": takes back the last change
    void Command7_Click();  // "Alles zurück": back to the drawing as loaded

    // ---- view ----
    void Picture9_Click();  // "Show all"
    void Picture1_Click();  // "Paint new"
    void Picture17_Click(); // zoom in
    void Picture11_Click(); // zoom out
    void Bild1_MouseDown(Qt::MouseButton button, double sx, double sy);
    void Bild1_MouseMove(double sx, double sy);
    void Bild1_MouseUp(Qt::MouseButton button, double sx, double sy);
    // The wheel zooms about the pointer, a notch as a zoom button's click.
    void Bild1_Wheel(double sx, double sy, int angleDelta);
    // Delete and Escape for the element selection.
    void Bild1_KeyDown(int key);

    // ---- checks ----
    void Picture8_Click();  // "Endpunkte"
    void Picture13_Click(); // "Richtungsänderungen größer als 0.1 Grad"
    void Picture15_Click(); // "Offene Kontur"
    void Picture16_Click(); // "Schnittpunkte"
    void Picture18_Click(); // "Elemente kleiner 0,1 mm."
    void Picture19_Click(); // "Markierungen ausblenden"

    // ---- abort window ----
    // The restart of the abort window: a fresh import of the current DXF.
    void restartFromAbort();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildMenus();
    void buildControls();
    void connectControls();
    // True when the drawing has no changes that were not saved, or the user
    // answers "Änderungen verwerfen ?" with "J".
    bool mayDiscardChanges();
    // The folder the file dialogs start in: the current drawing's, else the
    // program folder.
    std::string dialogFolder() const;
    // Hands the DXF over to the import program and ends.
    void handOverAndEnd(const std::string& path, const std::string& display);
    void endNow();
    // ViewPanel
    void setAngleText(const std::string& text) override;
    void setPointer(int shape) override;
    // Cross over the view while an element selection mode is on.
    void updatePointer();
    // The window after a change was taken back.
    void takenBack(const TakenBack& back);
    // The places the report window chose, marked in the view.
    void markPlaces(const std::vector<PlaceMark>& marks);

    QtHost host_;
    std::unique_ptr<Session> session_;
    Form16Controls c_;
    std::unique_ptr<View> view_;
    std::unique_ptr<ElementEditor> editor_;
    History history_;
    CheckLabels labels_; // shown under "Kontrolle:"
    ReportWindow* report_ = nullptr;
    Form1* form1_ = nullptr;
    Options options_;
    std::unique_ptr<FileDialogs> ownDialogs_;
    FileDialogs* dialogs_ = nullptr;
    DxfForm dxfForm_ = DxfForm::LinesArcs; // the form "DXF speichern" offers first
    std::string folder_;
    std::string displayName_;
    std::string answer_;
    bool centred_ = false;
    bool activated_ = false;
    bool activationQueued_ = false;
    int trunderGuard_ = 1;
    bool panning_ = false;       // the middle button drags the view
    double panX_ = 0, panY_ = 0; // where the pointer was, surface units
    int wheelRest_ = 0;          // eighths of a degree short of a notch
};

} // namespace vectrim
