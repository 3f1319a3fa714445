// Every text the core shows the user, by name: message boxes and their
// titles, questions, progress texts in the info line, result labels, the
// print header and the captions of the wizard's presets. The texts are the
// program's own, blanks included; the windows' captions stay in the window
// files.
#pragma once

#include <cstddef>

// Marks the texts for lupdate, which gathers them into the translations;
// the core itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x // as Qt defines it
#endif

namespace vectrim::msg {

// The text in the language of the program: the translation of `source`
// when a translation is installed, otherwise `source` itself. The pointer
// stays valid until another translation is installed.
const char* tr(const char* source);

// A translation: the text of a source text in the program's language, or
// null when there is none. Installed once at start by the program.
using Translation = const char* (*)(const char* source);
void setTranslation(Translation translation);

// The context under which lupdate files the core's texts.
inline constexpr const char* kContext = "vectrim::msg";

// A translation table made from a translation file at build time (for the
// programs without Qt), sorted by source text.
struct TableEntry {
    const char* source;
    const char* text;
};
// The text of `source` in the table, or null.
const char* lookup(const TableEntry* table, size_t size, const char* source);

// ---- titles of message boxes and questions ----
inline constexpr const char* kTitleError = QT_TRANSLATE_NOOP("vectrim::msg", "Error");
inline constexpr const char* kTitleExit = QT_TRANSLATE_NOOP("vectrim::msg", "Exit");
inline constexpr const char* kTitleProgram = QT_TRANSLATE_NOOP("vectrim::msg", "Vectrim");
inline constexpr const char* kTitleReadError = QT_TRANSLATE_NOOP("vectrim::msg", "Lesefehler !");
inline constexpr const char* kTitleLongCheck = QT_TRANSLATE_NOOP("vectrim::msg", "Längere Berechnungszeit");
inline constexpr const char* kTitleSmallDrawing = QT_TRANSLATE_NOOP("vectrim::msg", "Zeichnung sehr klein !");
inline constexpr const char* kTitleViewRange = QT_TRANSLATE_NOOP("vectrim::msg", "Error: Auflösung zurück");

// ---- loading a drawing ----
inline constexpr const char* kAccessError = QT_TRANSLATE_NOOP("vectrim::msg", "Dateizugriffsfehler !");
inline constexpr const char* kDxfNotLoaded =
    QT_TRANSLATE_NOOP("vectrim::msg", "DXF konnte nicht geladen werden !");
inline constexpr const char* kDrawingTooLarge =
    QT_TRANSLATE_NOOP("vectrim::msg", "Zeichnung zu groß ! Reduzieren Sie die Anzahl der Elemente. !");
// The import's account: followed by counts and kinds ("3 HATCH, 12 POINT").
inline constexpr const char* kNotTaken = QT_TRANSLATE_NOOP("vectrim::msg", "Nicht übernommen: ");
inline constexpr const char* kApproximated = QT_TRANSLATE_NOOP("vectrim::msg", "Angenähert: ");
inline constexpr const char* kCurveQuality =
    QT_TRANSLATE_NOOP("vectrim::msg", " (Kurvengüte "); // followed by the quality and ")"
// Kinds the import leaves out under a reason rather than an entity type.
inline constexpr const char* kSkippedTooDeep = QT_TRANSLATE_NOOP("vectrim::msg", "zu tief verschachtelt");
inline constexpr const char* kSkippedInvalid = QT_TRANSLATE_NOOP("vectrim::msg", "ungültige Werte");
inline constexpr const char* kSkippedPaperSpace = QT_TRANSLATE_NOOP("vectrim::msg", "Papierbereich");
inline constexpr const char* kSkippedBad = QT_TRANSLATE_NOOP("vectrim::msg", "fehlerhaft");
inline constexpr const char* kSkippedCut = QT_TRANSLATE_NOOP("vectrim::msg", "unvollständig");
inline constexpr const char* kSkippedNoBlock = QT_TRANSLATE_NOOP("vectrim::msg", "Block fehlt");
inline constexpr const char* kSkippedLimit = QT_TRANSLATE_NOOP("vectrim::msg", "Elementgrenze erreicht");
inline constexpr const char* kSkippedMesh = QT_TRANSLATE_NOOP("vectrim::msg", "POLYLINE-Netz");
inline constexpr const char* kSkippedXref = QT_TRANSLATE_NOOP("vectrim::msg", "externe Referenz");
inline constexpr const char* kSkippedArrayLimit = QT_TRANSLATE_NOOP("vectrim::msg", "Feldkopien begrenzt");
inline constexpr const char* kSkippedNoFont = QT_TRANSLATE_NOOP("vectrim::msg", "Schrift fehlt");
// After loading a DXF that declares inch and has not been converted.
inline constexpr const char* kInchDrawing =
    QT_TRANSLATE_NOOP("vectrim::msg", "Zeichnung in Inch \u2013 Maße umwandeln?");

// ---- the processing run ----
inline constexpr const char* kReduceOutOfRange =
    QT_TRANSLATE_NOOP("vectrim::msg", "Eingabe >T:Reduktion< außerhalb Wertbereich (0 bis 5) ");
inline constexpr const char* kGapOutOfRange =
    QT_TRANSLATE_NOOP("vectrim::msg", "Eingabe >T:Lücken schließen< außerhalb Wertbereich (0 bis 5) ");
inline constexpr const char* kSmoothOutOfRange =
    QT_TRANSLATE_NOOP("vectrim::msg", "Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) ");
inline constexpr const char* kRunStarting = QT_TRANSLATE_NOOP("vectrim::msg", "Starte Konvertierung... ");
inline constexpr const char* kRunFailedTooSmall =
    QT_TRANSLATE_NOOP("vectrim::msg", "Fehler bei der Bearbeitung ! Zeichnung zu klein ?");
inline constexpr const char* kRunFailedValues = QT_TRANSLATE_NOOP(
    "vectrim::msg", "Fehler bei der Bearbeitung ! Eingabewerte zu klein ? Laden Sie die DXF-Datei neu.");
inline constexpr const char* kManyLines =
    QT_TRANSLATE_NOOP("vectrim::msg", "Linienanzahl > 1000. Fortfahren ?");
inline constexpr const char* kJoining = QT_TRANSLATE_NOOP("vectrim::msg", "Verbinde Elemente ........    ");
inline constexpr const char* kRunFinished =
    QT_TRANSLATE_NOOP("vectrim::msg", "Konvertierung beendet.        ");
inline constexpr const char* kLineTableFull = QT_TRANSLATE_NOOP("vectrim::msg", "Linienspeicher voll !");
inline constexpr const char* kArcTableFull = QT_TRANSLATE_NOOP("vectrim::msg", "Bogenspeicher voll !");

// ---- progress texts of the stages: a long and a short form, so the dots move ----
inline constexpr const char* kDuplicatesLong =
    QT_TRANSLATE_NOOP("vectrim::msg", "Suche doppelte Elemente...    ");
inline constexpr const char* kDuplicatesShort =
    QT_TRANSLATE_NOOP("vectrim::msg", "Suche doppelte Elemente...... ");
inline constexpr const char* kDeletedSoFar =
    QT_TRANSLATE_NOOP("vectrim::msg", "  Gelöscht:"); // followed by the number deleted
inline constexpr const char* kSmallLong = QT_TRANSLATE_NOOP("vectrim::msg", "Lösche zu kleine Elemente...  ");
inline constexpr const char* kSmallShort =
    QT_TRANSLATE_NOOP("vectrim::msg", "Lösche zu kleine Elemente.....");
inline constexpr const char* kClosingGaps =
    QT_TRANSLATE_NOOP("vectrim::msg", "Beseitige Lücken ...          ");
inline constexpr const char* kConvertingLines =
    QT_TRANSLATE_NOOP("vectrim::msg", "Konvertiere Linien:"); // followed by the run number
inline constexpr const char* kContoursLong = QT_TRANSLATE_NOOP("vectrim::msg", "Kontur erstellen......");
inline constexpr const char* kContoursShort = QT_TRANSLATE_NOOP("vectrim::msg", "Kontur erstellen...   ");
inline constexpr const char* kLineLineLong =
    QT_TRANSLATE_NOOP("vectrim::msg", "Bearbeite Linie zu Linie......");
inline constexpr const char* kLineLineShort =
    QT_TRANSLATE_NOOP("vectrim::msg", "Bearbeite Linie zu Linie...   ");
inline constexpr const char* kArcLineLong = QT_TRANSLATE_NOOP("vectrim::msg", "Glätte Bogen zu Linie.......");
inline constexpr const char* kArcLineShort =
    QT_TRANSLATE_NOOP("vectrim::msg", "Glätte Bogen zu Linie....   ");
inline constexpr const char* kArcArcLong = QT_TRANSLATE_NOOP("vectrim::msg", "Glätte Bogen zu Bogen......");
inline constexpr const char* kArcArcShort = QT_TRANSLATE_NOOP("vectrim::msg", "Glätte Bogen zu Bogen...   ");

// ---- the view ----
inline constexpr const char* kViewOutOfRange =
    QT_TRANSLATE_NOOP("vectrim::msg", "Zahlenwertüberschreitung ! Darstellung. ");

// ---- the checks of the frame "Kontrolle" ----
inline constexpr const char* kLongCheck =
    QT_TRANSLATE_NOOP("vectrim::msg", "Kontrolle fortsetzen ? Elemente>5000");
inline constexpr const char* kPleaseWait = QT_TRANSLATE_NOOP("vectrim::msg", "Bitte warten !");
inline constexpr const char* kCheckTitle = QT_TRANSLATE_NOOP("vectrim::msg", "Kontrolle");
inline constexpr const char* kEndPoints = QT_TRANSLATE_NOOP("vectrim::msg", "Endpunkte");
inline constexpr const char* kCorners =
    QT_TRANSLATE_NOOP("vectrim::msg", "Ecken:"); // followed by the number of corners
inline constexpr const char* kOpenContour = QT_TRANSLATE_NOOP("vectrim::msg", "Offene Kontur");
inline constexpr const char* kPresent = QT_TRANSLATE_NOOP("vectrim::msg", "Vorhanden !");
inline constexpr const char* kNone = QT_TRANSLATE_NOOP("vectrim::msg", "Keine !");
inline constexpr const char* kJunctions = QT_TRANSLATE_NOOP("vectrim::msg", "Schnittpunkte");
inline constexpr const char* kShorterThanMin = QT_TRANSLATE_NOOP("vectrim::msg", "Länge < 0.1");
inline constexpr const char* kDegrees =
    QT_TRANSLATE_NOOP("vectrim::msg", " Grad"); // after the angle under the mouse

// ---- the analysis ----
inline constexpr const char* kNoOpenContour =
    QT_TRANSLATE_NOOP("vectrim::msg", "Ok ! Keine offene Kontur gefunden.");
inline constexpr const char* kOpenContours =
    QT_TRANSLATE_NOOP("vectrim::msg", "Offene Kontur(en) vorhanden !");
inline constexpr const char* kBelowMinLength =
    QT_TRANSLATE_NOOP("vectrim::msg", "Unterschreitung der Mindestlänge !");
inline constexpr const char* kNotBelowMinLength =
    QT_TRANSLATE_NOOP("vectrim::msg", "Ok ! Keine Unterschreitung der Mindestlänge.");
inline constexpr const char* kAnalysing = QT_TRANSLATE_NOOP("vectrim::msg", "Please wait...");
inline constexpr const char* kAnalysed = QT_TRANSLATE_NOOP("vectrim::msg", "Info     ");
inline constexpr const char* kNoValue = QT_TRANSLATE_NOOP("vectrim::msg", " -"); // a value of an empty table

// ---- deleting elements ----
inline constexpr const char* kNoElements = QT_TRANSLATE_NOOP("vectrim::msg", "Keine Elemente vorhanden !");
inline constexpr const char* kDeleteSelection =
    QT_TRANSLATE_NOOP("vectrim::msg", "Ausgewählte Elemente löschen ?");
inline constexpr const char* kDeleteContour = QT_TRANSLATE_NOOP("vectrim::msg", "Kontur löschen ?");
inline constexpr const char* kFrameElements =
    QT_TRANSLATE_NOOP("vectrim::msg", "Elemente mit der Maus einrahmen, Entf = löschen, Esc = Ende");
inline constexpr const char* kPickContour = QT_TRANSLATE_NOOP("vectrim::msg", "Kontur anklicken, Esc = Ende");
inline constexpr const char* kSelected =
    QT_TRANSLATE_NOOP("vectrim::msg", "Ausgewählt:"); // followed by the count and kElementsSuffix
inline constexpr const char* kDeleted =
    QT_TRANSLATE_NOOP("vectrim::msg", "Gelöscht:"); // followed by the count and kElementsSuffix
inline constexpr const char* kElementsSuffix = QT_TRANSLATE_NOOP("vectrim::msg", " Element(e)");

// ---- scaling and inch ----
inline constexpr const char* kValueNotPositive =
    QT_TRANSLATE_NOOP("vectrim::msg", "Eingabewert kleiner oder gleich Null !");
inline constexpr const char* kValueTooLarge = QT_TRANSLATE_NOOP("vectrim::msg", "Eingabewert zu groß !");
inline constexpr const char* kAlreadyConverted =
    QT_TRANSLATE_NOOP("vectrim::msg", "Maße wurden bereits umgewandelt !");
inline constexpr const char* kConvertInch =
    QT_TRANSLATE_NOOP("vectrim::msg", "Maße von Inch in Millimeter umwandeln ?");
inline constexpr const char* kConvertBack = QT_TRANSLATE_NOOP("vectrim::msg", "Zurück ?");
inline constexpr const char* kIsItInch = QT_TRANSLATE_NOOP(
    "vectrim::msg", "Liegt die Grafik in Inch vor ?  Maße von Inch in Millimeter umwandeln ?");

// ---- saving a DXF ----
inline constexpr const char* kDxfFilter =
    QT_TRANSLATE_NOOP("vectrim::msg", "CAD-Austauschformat (DXF)|*.DXF");
inline constexpr const char* kSaveTitle = QT_TRANSLATE_NOOP("vectrim::msg", "Speichern...");
inline constexpr const char* kFormLinesArcs = QT_TRANSLATE_NOOP("vectrim::msg", "Linien und Bögen");
inline constexpr const char* kFormPolylines = QT_TRANSLATE_NOOP("vectrim::msg", "Konturen als Polylinien");
inline constexpr const char* kSaveFailed =
    QT_TRANSLATE_NOOP("vectrim::msg", "Datei konnte nicht gespeichert werden !");
inline constexpr const char* kReplaceFile =
    QT_TRANSLATE_NOOP("vectrim::msg", " existiert bereits. Ersetzen ?"); // after the file name

// ---- what was written or read, and where (the info line) ----
inline constexpr const char* kDxfSaved =
    QT_TRANSLATE_NOOP("vectrim::msg", "DXF gespeichert: "); // file name, kIn, folder
inline constexpr const char* kPdfSaved =
    QT_TRANSLATE_NOOP("vectrim::msg", "PDF gespeichert: "); // file name, kIn, folder
inline constexpr const char* kProfileSaved =
    QT_TRANSLATE_NOOP("vectrim::msg", "Profil gespeichert: "); // file name, kIn, folder
inline constexpr const char* kProfileLoaded =
    QT_TRANSLATE_NOOP("vectrim::msg", "Profil geladen: "); // file name, kFrom, folder
inline constexpr const char* kIn = QT_TRANSLATE_NOOP("vectrim::msg", " in ");
inline constexpr const char* kFrom = QT_TRANSLATE_NOOP("vectrim::msg", " aus ");

// ---- changes not saved ----
inline constexpr const char* kDiscardChanges = QT_TRANSLATE_NOOP("vectrim::msg", "Änderungen verwerfen ?");

// ---- taking changes back ("Zurück", "Alles zurück") ----
inline constexpr const char* kUndone =
    QT_TRANSLATE_NOOP("vectrim::msg", "Zurückgenommen: "); // followed by the command taken back
inline constexpr const char* kUndoAllQuestion =
    QT_TRANSLATE_NOOP("vectrim::msg", "Alle Änderungen zurücknehmen ?");
inline constexpr const char* kUndoAllStep = QT_TRANSLATE_NOOP("vectrim::msg", "alle Änderungen");
// The commands as the status line names them when they are taken back.
inline constexpr const char* kStepRun = QT_TRANSLATE_NOOP("vectrim::msg", "Bearbeitung");
inline constexpr const char* kStepDeleteElements = QT_TRANSLATE_NOOP("vectrim::msg", "Element(e) löschen");
inline constexpr const char* kStepDeleteContour = QT_TRANSLATE_NOOP("vectrim::msg", "Kontur löschen");
inline constexpr const char* kStepScale = QT_TRANSLATE_NOOP("vectrim::msg", "Maßstab ändern");
inline constexpr const char* kStepInch = QT_TRANSLATE_NOOP("vectrim::msg", "Maße umwandeln");
inline constexpr const char* kStepInchBack = QT_TRANSLATE_NOOP("vectrim::msg", "Zurück (Inch -> Millimeter)");

// ---- the report of a run ----
inline constexpr const char* kReportImport = QT_TRANSLATE_NOOP("vectrim::msg", "Import");
// The stages as the report names them.
inline constexpr const char* kStageSplit = QT_TRANSLATE_NOOP("vectrim::msg", "An Schnittpunkten teilen");
inline constexpr const char* kStageDuplicates =
    QT_TRANSLATE_NOOP("vectrim::msg", "Doppelte Elemente entfernen");
inline constexpr const char* kStageArcsToLines = QT_TRANSLATE_NOOP("vectrim::msg", "Flache Bögen zu Linien");
inline constexpr const char* kStageConvertLines = QT_TRANSLATE_NOOP("vectrim::msg", "Linien zu Bögen");
inline constexpr const char* kStageReduceLines = QT_TRANSLATE_NOOP("vectrim::msg", "Linienzüge vereinfachen");
inline constexpr const char* kStageSmall = QT_TRANSLATE_NOOP("vectrim::msg", "Kleine Elemente löschen");
inline constexpr const char* kStageGaps = QT_TRANSLATE_NOOP("vectrim::msg", "Lücken schließen");
inline constexpr const char* kStageSmoothArcLine =
    QT_TRANSLATE_NOOP("vectrim::msg", "Knicke Bogen-Linie glätten");
inline constexpr const char* kStageSmoothArcArc =
    QT_TRANSLATE_NOOP("vectrim::msg", "Knicke Bogen-Bogen glätten");
inline constexpr const char* kStageRoundLineLine =
    QT_TRANSLATE_NOOP("vectrim::msg", "Ecken Linie-Linie runden");
inline constexpr const char* kStageRoundArcLine =
    QT_TRANSLATE_NOOP("vectrim::msg", "Ecken Bogen-Linie runden");
inline constexpr const char* kStageRoundArcArc =
    QT_TRANSLATE_NOOP("vectrim::msg", "Ecken Bogen-Bogen runden");
inline constexpr const char* kStageTiny = QT_TRANSLATE_NOOP("vectrim::msg", "Winzige Elemente löschen");
inline constexpr const char* kStageContours = QT_TRANSLATE_NOOP("vectrim::msg", "Konturen bilden");
inline constexpr const char* kStageJoinArcs = QT_TRANSLATE_NOOP("vectrim::msg", "Bögen verbinden");
inline constexpr const char* kStageJoinLines = QT_TRANSLATE_NOOP("vectrim::msg", "Linien verbinden");
// The counts, each after its number ("2 entfernt").
inline constexpr const char* kCountSplit = QT_TRANSLATE_NOOP("vectrim::msg", "geteilt");
inline constexpr const char* kCountRemoved = QT_TRANSLATE_NOOP("vectrim::msg", "entfernt");
inline constexpr const char* kCountMoved = QT_TRANSLATE_NOOP("vectrim::msg", "verschoben");
inline constexpr const char* kCountMerged = QT_TRANSLATE_NOOP("vectrim::msg", "verbunden");
inline constexpr const char* kCountCreated = QT_TRANSLATE_NOOP("vectrim::msg", "erzeugt");
// The kinds of places, in the legend of the report.
inline constexpr const char* kPlaceGap = QT_TRANSLATE_NOOP("vectrim::msg", "Lücke geschlossen");
inline constexpr const char* kPlaceCorner = QT_TRANSLATE_NOOP("vectrim::msg", "Ecke gerundet");
inline constexpr const char* kPlaceArc = QT_TRANSLATE_NOOP("vectrim::msg", "Bogen eingepasst");
inline constexpr const char* kPlaceRemoved = QT_TRANSLATE_NOOP("vectrim::msg", "Entfernt");
inline constexpr const char* kPlaceMoved = QT_TRANSLATE_NOOP("vectrim::msg", "Verschoben");
inline constexpr const char* kPlaceMerged = QT_TRANSLATE_NOOP("vectrim::msg", "Verbunden");
inline constexpr const char* kPlaceSplit = QT_TRANSLATE_NOOP("vectrim::msg", "Geteilt");

// ---- the printed page ----
inline constexpr const char* kPrintFailed = QT_TRANSLATE_NOOP("vectrim::msg", "Abbruch  -> Ausgabefehler !");
inline constexpr const char* kPageTitle = QT_TRANSLATE_NOOP("vectrim::msg", "Vectrim");
inline constexpr const char* kPageScale =
    QT_TRANSLATE_NOOP("vectrim::msg", "Maßstabsfaktor: "); // followed by the factor
inline constexpr const char* kPageSize = QT_TRANSLATE_NOOP("vectrim::msg", "  /  H x B [mm]:");
inline constexpr const char* kPageSizeInch =
    QT_TRANSLATE_NOOP("vectrim::msg", "  /  H x B [inch]:"); // followed by height " x" width
inline constexpr const char* kPageSizeTimes = QT_TRANSLATE_NOOP("vectrim::msg", " x");
inline constexpr const char* kScaleCombo = QT_TRANSLATE_NOOP("vectrim::msg", "Maßstab");
inline constexpr const char* kScaleFull = QT_TRANSLATE_NOOP("vectrim::msg", "1:1  (Volle Größe)");
inline constexpr const char* kScaleHalf = QT_TRANSLATE_NOOP("vectrim::msg", "1:2  (Halbe Größe)");

// ---- the wizard's presets: reduction / gaps / smoothing ----
inline constexpr const char* kPresetFine =
    QT_TRANSLATE_NOOP("vectrim::msg", "Fein---> 0.025  /  0.10 /  0.10");
inline constexpr const char* kPresetFiner = QT_TRANSLATE_NOOP("vectrim::msg", "Fein---> 0.05");
inline constexpr const char* kPresetSmall = QT_TRANSLATE_NOOP("vectrim::msg", "Klein--> 0.10  ");
inline constexpr const char* kPresetMedium = QT_TRANSLATE_NOOP("vectrim::msg", "Mittel->  0.20");
inline constexpr const char* kPresetLarge = QT_TRANSLATE_NOOP("vectrim::msg", "Groß->  0.30 / 0.50 /  0.40 ");
inline constexpr const char* kPresetLarger =
    QT_TRANSLATE_NOOP("vectrim::msg", "Groß--> 0.50  /  1.00  /  0.60 ");
// The same in inches (the inch build).
inline constexpr const char* kPresetFineInch =
    QT_TRANSLATE_NOOP("vectrim::msg", "Fein---> 0.001  /  0.004 /  0.004");
inline constexpr const char* kPresetFinerInch = QT_TRANSLATE_NOOP("vectrim::msg", "Fein---> 0.002");
inline constexpr const char* kPresetSmallInch = QT_TRANSLATE_NOOP("vectrim::msg", "Klein--> 0.004  ");
inline constexpr const char* kPresetMediumInch = QT_TRANSLATE_NOOP("vectrim::msg", "Mittel->  0.008");
inline constexpr const char* kPresetLargeInch =
    QT_TRANSLATE_NOOP("vectrim::msg", "Groß->  0.012 / 0.020 /  0.016 ");
inline constexpr const char* kPresetLargerInch =
    QT_TRANSLATE_NOOP("vectrim::msg", "Groß--> 0.020  /  0.040  /  0.024 ");

} // namespace vectrim::msg
