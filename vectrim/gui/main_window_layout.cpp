// The controls of the main window and their places. The window has a fixed
// size; the drawing area keeps the 4:3 shape of the view surface.
#include "build.h"
#include "drawing_area.h"
#include "icons.h"
#include "main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vectrim {

namespace {

constexpr int kPanelWidth = 238; // the settings column
constexpr int kSurfaceW = 720;   // Bild1, 4:3
constexpr int kSurfaceH = 540;
constexpr int kPictureButton = 46; // the picture buttons, square
constexpr int kFieldWidth = 96;

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QAction* action(QWidget* owner, const char* name, const QString& text) {
    auto* a = new QAction(text, owner);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QPushButton* button(const char* name, const QString& text) { return named(new QPushButton(text), name); }

QToolButton* pictureButton(const char* name, const QString& tip) {
    auto* b = named(new QToolButton, name);
    b->setIcon(pictureIcon(QString::fromLatin1(name)));
    b->setIconSize(QSize(32, 32));
    b->setFixedSize(kPictureButton, kPictureButton);
    b->setAutoRaise(false);
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

QGroupBox* frame(const char* name, const QString& title) { return named(new QGroupBox(title), name); }

// A tolerance frame: the box and its "Aus: T=0" button.
QGroupBox* toleranceFrame(const char* name, const QString& title, QLineEdit* field, QPushButton* off) {
    auto* f = frame(name, title);
    auto* row = new QHBoxLayout(f);
    row->setContentsMargins(8, 4, 8, 6);
    field->setFixedWidth(kFieldWidth);
    row->addWidget(field);
    row->addStretch(1);
    if (off) row->addWidget(off);
    return f;
}

} // namespace

void Form16::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    c_.dateien = named(bar->addMenu(tr("Datei")), "dateien");
    c_.oefnen2 = action(this, "oefnen2", tr("DXF öffnen"));
    c_.savedxfm = action(this, "savedxfm", tr("DXF speichern"));
    c_.druck = action(this, "druck", tr("Drucken"));
    c_.info = action(this, "info", tr("Beenden"));
    c_.dateien->addAction(c_.oefnen2);
    c_.dateien->addAction(c_.savedxfm);
    c_.dateien->addAction(c_.druck);
    c_.dateien->addSeparator();
    c_.dateien->addAction(c_.info);

    c_.pruefen = action(this, "pruefen", tr("Analyse"));
    c_.massstab = action(this, "massstab", tr("Maßstab ändern"));
    bar->addAction(c_.pruefen);
    bar->addAction(c_.massstab);

    c_.loeschem = named(bar->addMenu(tr("Löschen")), "loeschem");
    c_.konl = action(this, "konl", tr("Kontur löschen"));
    c_.eloesch = action(this, "eloesch", tr("Element(e) löschen"));
    c_.loeschem->addAction(c_.konl);
    c_.loeschem->addAction(c_.eloesch);

    c_.wandel = named(bar->addMenu(tr("Inch -> Millimeter")), "wandel");
    c_.wandel1 = action(this, "wandel1", tr("Maße umwandeln"));
    c_.mzurueck = action(this, "mzurueck", tr("Zurück", "Inch -> Millimeter"));
    c_.wandel->addAction(c_.wandel1);
    c_.wandel->addAction(c_.mzurueck);

    c_.help = action(this, "help", tr("Hilfe"));
    bar->addAction(c_.help);
}

void Form16::buildControls() {
    auto* central = named(new QWidget, "central");
    setCentralWidget(central);

    // ---- the settings column ----
    auto* settings = frame("FrameEinstellungen", tr("Einstellungen"));
    c_.Command1 = button("Command1", tr("Laden"));
    c_.Command2 = button("Command2", tr("Speichern"));
    {
        auto* row = new QHBoxLayout(settings);
        row->setContentsMargins(8, 4, 8, 6);
        row->addWidget(c_.Command1);
        row->addWidget(c_.Command2);
    }

    const Build& build = currentBuild();
    c_.ktoleranz = named(new QLineEdit(QString::fromLatin1(build.reduceText)), "ktoleranz");
    c_.ftoleranz = named(new QLineEdit(QString::fromLatin1(build.gapText)), "ftoleranz");
    c_.gtoleranz = named(new QLineEdit(QString::fromLatin1(build.smoothText)), "gtoleranz");
    c_.eitoleranz = named(new QLineEdit(QString::fromLatin1(build.reduceText)), "eitoleranz");
    c_.Command3 = button("Command3", tr("Aus: T=0"));
    c_.Command5 = button("Command5", tr("Aus: T=0"));
    c_.Command81 = button("Command81", tr("Aus: T=0"));
    auto* reduce = toleranceFrame("FrameReduktion", tr("1-Reduktion  /T:0...5/"), c_.ktoleranz, c_.Command3);
    auto* gaps = toleranceFrame("FrameLuecken", tr("2-Lücken schließen /T:0..5/"), c_.ftoleranz, c_.Command5);
    auto* smooth = frame("FrameGlaetten", tr("3-Grafik glätten  /T:0...2/"));
    c_.Check2 = named(new QCheckBox(tr("Runde Linie-Linie")), "Check2");
    {
        auto* column = new QVBoxLayout(smooth);
        column->setContentsMargins(8, 4, 8, 6);
        column->setSpacing(4);
        auto* row = new QHBoxLayout;
        c_.gtoleranz->setFixedWidth(kFieldWidth);
        row->addWidget(c_.gtoleranz);
        row->addStretch(1);
        row->addWidget(c_.Command81);
        column->addLayout(row);
        column->addWidget(c_.Check2);
    }
    auto* incisions =
        toleranceFrame("FrameEinschnitte", tr("4-Einschnitte aufsetzen"), c_.eitoleranz, nullptr);

    auto* start = frame("FrameStart", tr("Bearbeitung starten"));
    c_.Check1 = named(new QCheckBox(tr("Fenster minimieren")), "Check1");
    c_.Command4 = button("Command4", tr(">> Starten <<"));
    c_.Command4->setMinimumHeight(38);
    {
        QFont f = c_.Command4->font();
        f.setBold(true);
        c_.Command4->setFont(f);
    }
    c_.Command10 = button("Command10", tr(">> Assistent <<"));
    c_.Command9 = button("Command9", tr("<< DXF neu laden >>"));
    c_.Command6 = button("Command6", tr("Zurück", "undo"));
    c_.Command7 = button("Command7", tr("Alles zurück"));
    c_.Command6->setShortcut(QKeySequence::Undo); // Ctrl+Z
    c_.Command6->setEnabled(false);
    c_.Command7->setEnabled(false);
    {
        auto* column = new QVBoxLayout(start);
        column->setContentsMargins(8, 4, 8, 8);
        column->setSpacing(6);
        column->addWidget(c_.Check1);
        column->addWidget(c_.Command4);
        column->addWidget(c_.Command10);
        column->addWidget(c_.Command9);
        auto* row = new QHBoxLayout;
        row->addWidget(c_.Command6);
        row->addWidget(c_.Command7);
        column->addLayout(row);
    }

    auto* elements = frame("FrameElemente", tr("Elemente"));
    c_.wert1 = named(new QLabel(QStringLiteral("0")), "wert1");
    c_.wert2 = named(new QLabel(QStringLiteral("0")), "wert2");
    {
        auto* grid = new QGridLayout(elements);
        grid->setContentsMargins(8, 4, 8, 6);
        grid->setVerticalSpacing(2);
        grid->addWidget(named(new QLabel(tr("Linien")), "LabelLinien"), 0, 0);
        grid->addWidget(named(new QLabel(tr("Bögen")), "LabelBoegen"), 1, 0);
        for (QLabel* v : {c_.wert1, c_.wert2}) {
            v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            v->setMinimumWidth(56);
        }
        grid->addWidget(c_.wert1, 0, 1);
        grid->addWidget(c_.wert2, 1, 1);
        grid->setColumnStretch(2, 1);
    }

    auto* sizes =
        frame("FrameMasse", tr("Zeichnungsmaße [%1]:").arg(QString::fromLatin1(unitName(build.unit))));
    c_.Text2 = named(new QLineEdit, "Text2");
    c_.Text3 = named(new QLineEdit, "Text3");
    {
        auto* grid = new QGridLayout(sizes);
        grid->setContentsMargins(8, 4, 8, 6);
        grid->setVerticalSpacing(4);
        grid->addWidget(named(new QLabel(tr("Breite:")), "LabelBreite"), 0, 0);
        grid->addWidget(named(new QLabel(tr("Höhe:")), "LabelHoehe"), 1, 0);
        for (QLineEdit* t : {c_.Text2, c_.Text3}) {
            t->setReadOnly(true);
            t->setFixedWidth(kFieldWidth + 30);
            t->setAlignment(Qt::AlignRight);
        }
        grid->addWidget(c_.Text2, 0, 1);
        grid->addWidget(c_.Text3, 1, 1);
        grid->setColumnStretch(2, 1);
    }

    auto* panel = new QVBoxLayout;
    panel->setSpacing(6);
    for (QWidget* w :
         {static_cast<QWidget*>(settings), static_cast<QWidget*>(reduce), static_cast<QWidget*>(gaps),
          static_cast<QWidget*>(smooth), static_cast<QWidget*>(incisions), static_cast<QWidget*>(start)})
        panel->addWidget(w);
    panel->addStretch(1);
    panel->addWidget(elements);
    panel->addWidget(sizes);
    auto* panelWidget = named(new QWidget, "settingsColumn");
    panelWidget->setFixedWidth(kPanelWidth);
    panel->setContentsMargins(0, 0, 0, 0);
    panelWidget->setLayout(panel);

    // ---- the drawing area and its buttons ----
    c_.Bild1 = named(new DrawingArea, "Bild1");
    c_.Bild1->setFixedSize(kSurfaceW + 2, kSurfaceH + 2);

    auto* viewFrame = frame("FrameAnsicht", tr("Ansicht"));
    c_.Picture9 = pictureButton("Picture9", tr("Show all"));
    c_.Picture1 = pictureButton("Picture1", tr("Paint new"));
    c_.Picture17 = pictureButton("Picture17", QString());
    c_.Picture11 = pictureButton("Picture11", QString());
    c_.Picture12 = named(new QLabel, "Picture12");
    c_.Picture12->setPixmap(pictureIcon(QStringLiteral("Picture12")).pixmap(32, 32));
    c_.Picture12->setFixedSize(kPictureButton, kPictureButton);
    c_.Picture12->setAlignment(Qt::AlignCenter);
    {
        auto* row = new QHBoxLayout(viewFrame);
        row->setContentsMargins(10, 4, 10, 6);
        row->setSpacing(6);
        for (QWidget* w : {static_cast<QWidget*>(c_.Picture9), static_cast<QWidget*>(c_.Picture1),
                           static_cast<QWidget*>(c_.Picture17), static_cast<QWidget*>(c_.Picture11),
                           static_cast<QWidget*>(c_.Picture12)})
            row->addWidget(w);
    }

    auto* checkFrame = frame("FrameKontrolle", tr("Kontrolle"));
    c_.Picture8 = pictureButton("Picture8", tr("Endpunkte"));
    c_.Picture13 = pictureButton("Picture13", tr("Richtungsänderungen größer als 0.1 Grad"));
    c_.Picture15 = pictureButton("Picture15", tr("Offene Kontur"));
    c_.Picture16 = pictureButton("Picture16", tr("Schnittpunkte"));
    c_.Picture18 = pictureButton("Picture18", tr("Elemente kleiner 0,1 mm."));
    c_.Picture19 = pictureButton("Picture19", tr("Markierungen ausblenden"));
    c_.Label3 = named(new QLabel(tr("Kontrolle")), "Label3");
    c_.Label2 = named(new QLabel, "Label2");
    c_.Label2->setVisible(false);
    {
        QFont f = c_.Label3->font();
        f.setBold(true);
        c_.Label3->setFont(f);
        auto* column = new QVBoxLayout(checkFrame);
        column->setContentsMargins(10, 4, 10, 6);
        column->setSpacing(6);
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        for (QWidget* w : {c_.Picture8, c_.Picture13, c_.Picture15, c_.Picture16, c_.Picture18, c_.Picture19})
            row->addWidget(w);
        row->addStretch(1);
        // The result of the last check under the caption "Kontrolle:".
        auto* result = new QHBoxLayout;
        result->setSpacing(8);
        result->addWidget(named(new QLabel(tr("Kontrolle:")), "LabelKontrolle"));
        result->addWidget(c_.Label3);
        result->addWidget(c_.Label2);
        result->addStretch(1);
        column->addStretch(1);
        column->addLayout(row);
        column->addLayout(result);
        column->addStretch(1);
    }

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(viewFrame);
    buttons->addWidget(checkFrame, 1);

    auto* viewColumn = new QVBoxLayout;
    viewColumn->setSpacing(6);
    viewColumn->addWidget(c_.Bild1);
    viewColumn->addLayout(buttons, 1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(panelWidget);
    columns->addLayout(viewColumn);

    c_.Label20 = named(new QLabel(tr("Info:")), "Label20");
    c_.Label20->setFrameShape(QFrame::Panel);
    c_.Label20->setFrameShadow(QFrame::Sunken);
    c_.Label20->setMargin(3);
    c_.Label20->setTextFormat(Qt::PlainText);

    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 6, 8, 6);
    outer->setSpacing(6);
    outer->addLayout(columns, 1);
    outer->addWidget(c_.Label20);
}

void Form16::connectControls() {
    connect(c_.oefnen2, &QAction::triggered, this, &Form16::oefnen2_Click);
    connect(c_.savedxfm, &QAction::triggered, this, &Form16::savedxfm_Click);
    connect(c_.druck, &QAction::triggered, this, &Form16::druck_Click);
    connect(c_.info, &QAction::triggered, this, &Form16::info_Click);
    connect(c_.pruefen, &QAction::triggered, this, &Form16::pruefen_Click);
    connect(c_.massstab, &QAction::triggered, this, &Form16::massstab_Click);
    connect(c_.konl, &QAction::triggered, this, &Form16::konl_Click);
    connect(c_.eloesch, &QAction::triggered, this, &Form16::eloesch_Click);
    connect(c_.wandel1, &QAction::triggered, this, &Form16::wandel1_Click);
    connect(c_.mzurueck, &QAction::triggered, this, &Form16::mzurueck_Click);
    connect(c_.help, &QAction::triggered, this, &Form16::help_Click);

    connect(c_.Command1, &QPushButton::clicked, this, &Form16::Command1_Click);
    connect(c_.Command2, &QPushButton::clicked, this, &Form16::Command2_Click);
    connect(c_.Command3, &QPushButton::clicked, this, &Form16::Command3_Click);
    connect(c_.Command5, &QPushButton::clicked, this, &Form16::Command5_Click);
    connect(c_.Command81, &QPushButton::clicked, this, &Form16::Command81_Click);
    connect(c_.Command4, &QPushButton::clicked, this, &Form16::Command4_Click);
    connect(c_.Command10, &QPushButton::clicked, this, &Form16::Command10_Click);
    connect(c_.Command9, &QPushButton::clicked, this, &Form16::Command9_Click);
    connect(c_.Command6, &QPushButton::clicked, this, &Form16::Command6_Click);
    connect(c_.Command7, &QPushButton::clicked, this, &Form16::Command7_Click);

    connect(c_.Picture9, &QToolButton::clicked, this, &Form16::Picture9_Click);
    connect(c_.Picture1, &QToolButton::clicked, this, &Form16::Picture1_Click);
    connect(c_.Picture17, &QToolButton::clicked, this, &Form16::Picture17_Click);
    connect(c_.Picture11, &QToolButton::clicked, this, &Form16::Picture11_Click);
    connect(c_.Picture8, &QToolButton::clicked, this, &Form16::Picture8_Click);
    connect(c_.Picture13, &QToolButton::clicked, this, &Form16::Picture13_Click);
    connect(c_.Picture15, &QToolButton::clicked, this, &Form16::Picture15_Click);
    connect(c_.Picture16, &QToolButton::clicked, this, &Form16::Picture16_Click);
    connect(c_.Picture18, &QToolButton::clicked, this, &Form16::Picture18_Click);
    connect(c_.Picture19, &QToolButton::clicked, this, &Form16::Picture19_Click);

    connect(c_.Bild1, &DrawingArea::mousePressed, this, &Form16::Bild1_MouseDown);
    connect(c_.Bild1, &DrawingArea::mouseMoved, this, &Form16::Bild1_MouseMove);
    connect(c_.Bild1, &DrawingArea::mouseReleased, this, &Form16::Bild1_MouseUp);
    connect(c_.Bild1, &DrawingArea::wheelTurned, this, &Form16::Bild1_Wheel);
    connect(c_.Bild1, &DrawingArea::surfaceResized, this, [this] { paint(); });

    // The size fields round themselves to 2 decimals whenever they change.
    for (QLineEdit* t : {c_.Text2, c_.Text3})
        connect(t, &QLineEdit::textChanged, this, [this] {
            if (trunderGuard_ == 1) trunder();
        });
}

} // namespace vectrim
