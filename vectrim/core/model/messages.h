// Every text the core shows the user, by name: message boxes and their
// titles, questions, progress texts in the info line, result labels, the
// print header and the captions of the wizard's presets. The texts are the
// program's own, blanks included; the windows' captions stay in the window
// files.
#pragma once

namespace vectrim::msg {

// ---- titles of message boxes and questions ----
inline constexpr const char* kTitleError = "Error";
inline constexpr const char* kTitleExit = "Exit";
inline constexpr const char* kTitleProgram = "Vectrim";
inline constexpr const char* kTitleReadError = "Lesefehler !";
inline constexpr const char* kTitleLongCheck = "Längere Berechnungszeit";
inline constexpr const char* kTitleSmallDrawing = "Zeichnung sehr klein !";
inline constexpr const char* kTitleViewRange = "Error: Auflösung zurück";

// ---- loading a drawing ----
inline constexpr const char* kDxfNotLoaded = "DXF konnte nicht geladen werden !";
inline constexpr const char* kDrawingTooLarge =
    "Zeichnung zu groß ! Reduzieren Sie die Anzahl der Elemente. !";
// The import's account: followed by counts and kinds ("3 HATCH, 12 POINT").
inline constexpr const char* kNotTaken = "Nicht übernommen: ";
inline constexpr const char* kApproximated = "Angenähert: ";
inline constexpr const char* kCurveQuality = " (Kurvengüte "; // followed by the quality and ")"
// Kinds the import leaves out under a reason rather than an entity type.
inline constexpr const char* kSkippedTooDeep = "zu tief verschachtelt";
inline constexpr const char* kSkippedInvalid = "ungültige Werte";
inline constexpr const char* kSkippedPaperSpace = "Papierbereich";
// After loading a DXF that declares inch and has not been converted.
inline constexpr const char* kInchDrawing = "Zeichnung in Inch \u2013 Maße umwandeln?";

// ---- the processing run ----
inline constexpr const char* kReduceOutOfRange = "Eingabe >T:Reduktion< außerhalb Wertbereich (0 bis 5) ";
inline constexpr const char* kGapOutOfRange = "Eingabe >T:Lücken schließen< außerhalb Wertbereich (0 bis 5) ";
inline constexpr const char* kSmoothOutOfRange =
    "Eingabe >T:Grafik glätten< außerhalb Wertbereich (0 bis 2) ";
inline constexpr const char* kRunStarting = "Starte Konvertierung... ";
inline constexpr const char* kRunFailedTooSmall = "Fehler bei der Bearbeitung ! Zeichnung zu klein ?";
inline constexpr const char* kRunFailedValues =
    "Fehler bei der Bearbeitung ! Eingabewerte zu klein ? Laden Sie die DXF-Datei neu.";
inline constexpr const char* kManyLines = "Linienanzahl > 1000. Fortfahren ?";
inline constexpr const char* kJoining = "Verbinde Elemente ........    ";
inline constexpr const char* kRunFinished = "Konvertierung beendet.        ";
inline constexpr const char* kLineTableFull = "Linienspeicher voll !";
inline constexpr const char* kArcTableFull = "Bogenspeicher voll !";

// ---- progress texts of the stages: a long and a short form, so the dots move ----
inline constexpr const char* kDuplicatesLong = "Suche doppelte Elemente...    ";
inline constexpr const char* kDuplicatesShort = "Suche doppelte Elemente...... ";
inline constexpr const char* kDeletedSoFar = "  Gelöscht:"; // followed by the number deleted
inline constexpr const char* kSmallLong = "Lösche zu kleine Elemente...  ";
inline constexpr const char* kSmallShort = "Lösche zu kleine Elemente.....";
inline constexpr const char* kClosingGaps = "Beseitige Lücken ...          ";
inline constexpr const char* kConvertingLines = "Konvertiere Linien:"; // followed by the run number
inline constexpr const char* kContoursLong = "Kontur erstellen......";
inline constexpr const char* kContoursShort = "Kontur erstellen...   ";
inline constexpr const char* kLineLineLong = "Bearbeite Linie zu Linie......";
inline constexpr const char* kLineLineShort = "Bearbeite Linie zu Linie...   ";
inline constexpr const char* kArcLineLong = "Glätte Bogen zu Linie.......";
inline constexpr const char* kArcLineShort = "Glätte Bogen zu Linie....   ";
inline constexpr const char* kArcArcLong = "Glätte Bogen zu Bogen......";
inline constexpr const char* kArcArcShort = "Glätte Bogen zu Bogen...   ";

// ---- the view ----
inline constexpr const char* kViewOutOfRange = "Zahlenwertüberschreitung ! Darstellung. ";

// ---- the checks of the frame "Kontrolle" ----
inline constexpr const char* kLongCheck = "Kontrolle fortsetzen ? Elemente>5000";
inline constexpr const char* kPleaseWait = "Bitte warten !";
inline constexpr const char* kCheckTitle = "Kontrolle";
inline constexpr const char* kEndPoints = "Endpunkte";
inline constexpr const char* kCorners = "Ecken:"; // followed by the number of corners
inline constexpr const char* kOpenContour = "Offene Kontur";
inline constexpr const char* kPresent = "Vorhanden !";
inline constexpr const char* kNone = "Keine !";
inline constexpr const char* kJunctions = "Schnittpunkte";
inline constexpr const char* kShorterThanMin = "Länge < 0.1";
inline constexpr const char* kDegrees = " Grad"; // after the angle under the mouse

// ---- the analysis ----
inline constexpr const char* kNoOpenContour = "Ok ! Keine offene Kontur gefunden.";
inline constexpr const char* kOpenContours = "Offene Kontur(en) vorhanden !";
inline constexpr const char* kBelowMinLength = "Unterschreitung der Mindestlänge !";
inline constexpr const char* kNotBelowMinLength = "Ok ! Keine Unterschreitung der Mindestlänge.";
inline constexpr const char* kAnalysing = "Please wait...";
inline constexpr const char* kAnalysed = "Info     ";
inline constexpr const char* kNoValue = " -"; // a value of an empty table

// ---- deleting elements ----
inline constexpr const char* kNoElements = "Keine Elemente vorhanden !";
inline constexpr const char* kDeleteSelection = "Ausgewählte Elemente löschen ?";
inline constexpr const char* kDeleteContour = "Kontur löschen ?";
inline constexpr const char* kFrameElements = "Elemente mit der Maus einrahmen, Entf = löschen, Esc = Ende";
inline constexpr const char* kPickContour = "Kontur anklicken, Esc = Ende";
inline constexpr const char* kSelected = "Ausgewählt:"; // followed by the count and kElementsSuffix
inline constexpr const char* kDeleted = "Gelöscht:";    // followed by the count and kElementsSuffix
inline constexpr const char* kElementsSuffix = " Element(e)";

// ---- scaling and inch ----
inline constexpr const char* kValueNotPositive = "Eingabewert kleiner oder gleich Null !";
inline constexpr const char* kValueTooLarge = "Eingabewert zu groß !";
inline constexpr const char* kAlreadyConverted = "Maße wurden bereits umgewandelt !";
inline constexpr const char* kConvertInch = "Maße von Inch in Millimeter umwandeln ?";
inline constexpr const char* kConvertBack = "Zurück ?";
inline constexpr const char* kIsItInch =
    "Liegt die Grafik in Inch vor ?  Maße von Inch in Millimeter umwandeln ?";

// ---- saving a DXF ----
inline constexpr const char* kDxfFilter = "CAD-Austauschformat (DXF)|*.DXF";
inline constexpr const char* kSaveTitle = "Speichern...";
inline constexpr const char* kFormLinesArcs = "Linien und Bögen";
inline constexpr const char* kFormPolylines = "Konturen als Polylinien";
inline constexpr const char* kSaveFailed = "Datei konnte nicht gespeichert werden !";
inline constexpr const char* kReplaceFile = " existiert bereits. Ersetzen ?"; // after the file name

// ---- what was written or read, and where (the info line) ----
inline constexpr const char* kDxfSaved = "DXF gespeichert: ";        // file name, kIn, folder
inline constexpr const char* kPdfSaved = "PDF gespeichert: ";        // file name, kIn, folder
inline constexpr const char* kProfileSaved = "Profil gespeichert: "; // file name, kIn, folder
inline constexpr const char* kProfileLoaded = "Profil geladen: ";    // file name, kFrom, folder
inline constexpr const char* kIn = " in ";
inline constexpr const char* kFrom = " aus ";

// ---- changes not saved ----
inline constexpr const char* kDiscardChanges = "Änderungen verwerfen ?";

// ---- taking changes back ("Zurück", "Alles zurück") ----
inline constexpr const char* kUndone = "Zurückgenommen: "; // followed by the command taken back
inline constexpr const char* kUndoAllQuestion = "Alle Änderungen zurücknehmen ?";
inline constexpr const char* kUndoAllStep = "alle Änderungen";
// The commands as the status line names them when they are taken back.
inline constexpr const char* kStepRun = "Bearbeitung";
inline constexpr const char* kStepDeleteElements = "Element(e) löschen";
inline constexpr const char* kStepDeleteContour = "Kontur löschen";
inline constexpr const char* kStepScale = "Maßstab ändern";
inline constexpr const char* kStepInch = "Maße umwandeln";
inline constexpr const char* kStepInchBack = "Zurück (Inch -> Millimeter)";

// ---- the report of a run ----
inline constexpr const char* kReportImport = "Import";
// The stages as the report names them.
inline constexpr const char* kStageSplit = "An Schnittpunkten teilen";
inline constexpr const char* kStageDuplicates = "Doppelte Elemente entfernen";
inline constexpr const char* kStageArcsToLines = "Flache Bögen zu Linien";
inline constexpr const char* kStageConvertLines = "Linien zu Bögen";
inline constexpr const char* kStageReduceLines = "Linienzüge vereinfachen";
inline constexpr const char* kStageSmall = "Kleine Elemente löschen";
inline constexpr const char* kStageGaps = "Lücken schließen";
inline constexpr const char* kStageSmoothArcLine = "Knicke Bogen-Linie glätten";
inline constexpr const char* kStageSmoothArcArc = "Knicke Bogen-Bogen glätten";
inline constexpr const char* kStageRoundLineLine = "Ecken Linie-Linie runden";
inline constexpr const char* kStageRoundArcLine = "Ecken Bogen-Linie runden";
inline constexpr const char* kStageRoundArcArc = "Ecken Bogen-Bogen runden";
inline constexpr const char* kStageTiny = "Winzige Elemente löschen";
inline constexpr const char* kStageContours = "Konturen bilden";
inline constexpr const char* kStageJoinArcs = "Bögen verbinden";
inline constexpr const char* kStageJoinLines = "Linien verbinden";
// The counts, each after its number ("2 entfernt").
inline constexpr const char* kCountSplit = "geteilt";
inline constexpr const char* kCountRemoved = "entfernt";
inline constexpr const char* kCountMoved = "verschoben";
inline constexpr const char* kCountMerged = "verbunden";
inline constexpr const char* kCountCreated = "erzeugt";
// The kinds of places, in the legend of the report.
inline constexpr const char* kPlaceGap = "Lücke geschlossen";
inline constexpr const char* kPlaceCorner = "Ecke gerundet";
inline constexpr const char* kPlaceArc = "Bogen eingepasst";
inline constexpr const char* kPlaceRemoved = "Entfernt";
inline constexpr const char* kPlaceMoved = "Verschoben";
inline constexpr const char* kPlaceMerged = "Verbunden";
inline constexpr const char* kPlaceSplit = "Geteilt";

// ---- the printed page ----
inline constexpr const char* kPrintFailed = "Abbruch  -> Ausgabefehler !";
inline constexpr const char* kPageTitle = "Vectrim";
inline constexpr const char* kPageScale = "Maßstabsfaktor: "; // followed by the factor
inline constexpr const char* kPageSize = "  /  H x B [mm]:";  // followed by height " x" width
inline constexpr const char* kPageSizeTimes = " x";
inline constexpr const char* kScaleCombo = "Maßstab";
inline constexpr const char* kScaleFull = "1:1  (Volle Größe)";
inline constexpr const char* kScaleHalf = "1:2  (Halbe Größe)";

// ---- the wizard's presets: reduction / gaps / smoothing ----
inline constexpr const char* kPresetFine = "Fein---> 0.025  /  0.10 /  0.10";
inline constexpr const char* kPresetFiner = "Fein---> 0.05";
inline constexpr const char* kPresetSmall = "Klein--> 0.10  ";
inline constexpr const char* kPresetMedium = "Mittel->  0.20";
inline constexpr const char* kPresetLarge = "Groß->  0.30 / 0.50 /  0.40 ";
inline constexpr const char* kPresetLarger = "Groß--> 0.50  /  1.00  /  0.60 ";

} // namespace vectrim::msg
