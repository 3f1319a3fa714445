<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>vectrim::DxfFormWindow</name>
    <message>
        <source>DXF speichern</source>
        <translation>Save DXF</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>LINE, ARC, CIRCLE (DXF R12) – liest jedes CAM-Programm</source>
        <translation>LINE, ARC, CIRCLE (DXF R12) – every CAM program reads it</translation>
    </message>
    <message>
        <source>Eine LWPOLYLINE je Kontur (DXF 2000)</source>
        <translation>One LWPOLYLINE per contour (DXF 2000)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vectrim::Form1</name>
    <message>
        <source>Vorgang abbrechen</source>
        <translation>Cancel operation</translation>
    </message>
    <message>
        <source>Abbruch - Neustart</source>
        <translation>Abort - restart</translation>
    </message>
</context>
<context>
    <name>vectrim::Form100</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>vectrim::Form16</name>
    <message>
        <source>CAD-Austauschformat (DXF)|*.dxf|</source>
        <translation>CAD exchange format (DXF)|*.dxf|</translation>
    </message>
    <message>
        <source>Profilwerte: Einstellungen (*.PRO)|*.PRO</source>
        <translation>Profile values: settings (*.PRO)|*.PRO</translation>
    </message>
    <message>
        <source>Einstellungen: Profilwerte |*.PRO|</source>
        <translation>Settings: profile values |*.PRO|</translation>
    </message>
    <message>
        <source>Vectrim</source>
        <translation>Vectrim</translation>
    </message>
    <message>
        <source>Vectrim: </source>
        <translation>Vectrim: </translation>
    </message>
    <message>
        <source>Beenden ?</source>
        <translation>Exit ?</translation>
    </message>
    <message>
        <source>Fehler ! Dokument %1 konnte nicht geöffnet werden.</source>
        <translation>Error ! Document %1 could not be opened.</translation>
    </message>
    <message>
        <source>Öffnen...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Keine Zeichnung aktiv.</source>
        <translation>No drawing active.</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>DXF öffnen</source>
        <translation>Open DXF</translation>
    </message>
    <message>
        <source>DXF speichern</source>
        <translation>Save DXF</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Maßstab ändern</source>
        <translation>Change scale</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Kontur löschen</source>
        <translation>Delete contour</translation>
    </message>
    <message>
        <source>Element(e) löschen</source>
        <translation>Delete element(s)</translation>
    </message>
    <message>
        <source>Inch -&gt; Millimeter</source>
        <translation>Inch -&gt; Millimetre</translation>
    </message>
    <message>
        <source>Maße umwandeln</source>
        <translation>Convert dimensions</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Aus: T=0</source>
        <translation>Off: T=0</translation>
    </message>
    <message>
        <source>1-Reduktion  /T:0...5/</source>
        <translation>1-Reduction  /T:0...5/</translation>
    </message>
    <message>
        <source>2-Lücken schließen /T:0..5/</source>
        <translation>2-Close gaps /T:0..5/</translation>
    </message>
    <message>
        <source>3-Grafik glätten  /T:0...2/</source>
        <translation>3-Smooth graphics  /T:0...2/</translation>
    </message>
    <message>
        <source>Runde Linie-Linie</source>
        <translation>Round line-line</translation>
    </message>
    <message>
        <source>4-Einschnitte aufsetzen</source>
        <translation>4-Add incisions</translation>
    </message>
    <message>
        <source>Bearbeitung starten</source>
        <translation>Start processing</translation>
    </message>
    <message>
        <source>Fenster minimieren</source>
        <translation>Minimise window</translation>
    </message>
    <message>
        <source>&gt;&gt; Starten &lt;&lt;</source>
        <translation>&gt;&gt; Start &lt;&lt;</translation>
    </message>
    <message>
        <source>&gt;&gt; Assistent &lt;&lt;</source>
        <translation>&gt;&gt; Wizard &lt;&lt;</translation>
    </message>
    <message>
        <source>&lt;&lt; DXF neu laden &gt;&gt;</source>
        <translation>&lt;&lt; Reload DXF &gt;&gt;</translation>
    </message>
    <message>
        <source>Alles zurück</source>
        <translation>Undo all</translation>
    </message>
    <message>
        <source>Elemente</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Bögen</source>
        <translation>Arcs</translation>
    </message>
    <message>
        <source>Zeichnungsmaße [%1]:</source>
        <translation>Drawing size [%1]:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Paint new</source>
        <translation>Paint new</translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Endpunkte</source>
        <translation>End points</translation>
    </message>
    <message>
        <source>Richtungsänderungen größer als 0.1 Grad</source>
        <translation>Direction changes greater than 0.1 degrees</translation>
    </message>
    <message>
        <source>Offene Kontur</source>
        <translation>Open contour</translation>
    </message>
    <message>
        <source>Schnittpunkte</source>
        <translation>Junctions</translation>
    </message>
    <message>
        <source>Elemente kleiner 0,1 mm.</source>
        <translation>Elements smaller than 0.1 mm.</translation>
    </message>
    <message>
        <source>Markierungen ausblenden</source>
        <translation>Hide marks</translation>
    </message>
    <message>
        <source>Kontrolle:</source>
        <translation>Check:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Die Geometriebibliothek libkgeom.so konnte nicht geladen werden:</source>
        <translation>The geometry library libkgeom.so could not be loaded:</translation>
    </message>
    <message>
        <source>Tip: Das Installationsverzeichnis enthält einige Demo-DXF–Dateien. Kontrolle der Kurvenglätte =&gt; Ecken.</source>
        <translation>Tip: The program folder holds some demo DXF files. Check the smoothness of curves =&gt; Corners.</translation>
    </message>
    <message>
        <source>Zurück</source>
        <comment>Inch -&gt; Millimeter</comment>
        <translation>Back</translation>
    </message>
    <message>
        <source>Zurück</source>
        <comment>undo</comment>
        <translation>Undo</translation>
    </message>
</context>
<context>
    <name>vectrim::Form399</name>
    <message>
        <source>Maßstab ändern</source>
        <translation>Change scale</translation>
    </message>
    <message>
        <source>Aktuelle Maße</source>
        <translation>Current size</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Neue Maße [Maßangabe]</source>
        <translation>New size [dimensions]</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proportional</translation>
    </message>
    <message>
        <source>Den anderen Wert im Verhältnis der aktuellen Maße ergänzen</source>
        <translation>Fill in the other value in the proportion of the current size</translation>
    </message>
    <message>
        <source>Kreis-Teilung</source>
        <translation>Arc division</translation>
    </message>
    <message>
        <source>Fein</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Grob</source>
        <translation>Coarse</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>vectrim::Form400</name>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Kleinste Linie:</source>
        <translation>Smallest line:</translation>
    </message>
    <message>
        <source>Kleinster Bogenumfang:</source>
        <translation>Smallest arc length:</translation>
    </message>
    <message>
        <source>Größter Radius:</source>
        <translation>Largest radius:</translation>
    </message>
    <message>
        <source>Kleinster Radius:</source>
        <translation>Smallest radius:</translation>
    </message>
    <message>
        <source>Offene Konturen ?</source>
        <translation>Open contours ?</translation>
    </message>
    <message>
        <source>Unterschreitung der Mindestlänge von 0.1 mm !</source>
        <translation>Below the minimum length of 0.1 mm !</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>vectrim::Form43</name>
    <message>
        <source>Assistent</source>
        <translation>Wizard</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>T [%1]:  Reduktion / Lücken / Glätten</source>
        <translation>T [%1]:  Reduction / Gaps / Smoothing</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Werte eintragen</source>
        <translation>Enter values</translation>
    </message>
    <message>
        <source>Werte eintragen - Bearbeitung starten</source>
        <translation>Enter values - start processing</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Werte sind versuchsweise zu ermitteln. Mehrmalige Bearbeitungen sind möglich.</source>
        <translation>Find the values by trying. Processing may be repeated.</translation>
    </message>
</context>
<context>
    <name>vectrim::Form77</name>
    <message>
        <source>PDF-Datei (*.pdf)|*.pdf|</source>
        <translation>PDF file (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Ausdruck auf DIN A4 - Drucker</source>
        <translation>Printout on A4 - printer</translation>
    </message>
    <message>
        <source>Drucker auswählen</source>
        <translation>Select printer</translation>
    </message>
    <message>
        <source>Maßstabsfaktor </source>
        <translation>Scale factor </translation>
    </message>
    <message>
        <source>Auswahl:</source>
        <translation>Choice:</translation>
    </message>
    <message>
        <source>Aktuell:</source>
        <translation>Current:</translation>
    </message>
    <message>
        <source>Maßstabsfaktor für Ausdruck </source>
        <translation>Scale factor for the printout </translation>
    </message>
    <message>
        <source>Auf eine Seite anpassen</source>
        <translation>Fit to one page</translation>
    </message>
    <message>
        <source>Zeichnung an DIN A4 anpassen</source>
        <translation>Fit the drawing to A4</translation>
    </message>
    <message>
        <source>Bild um 90 Grad drehen</source>
        <translation>Rotate picture by 90 degrees</translation>
    </message>
    <message>
        <source>Zeichnung im Querformat drucken</source>
        <translation>Print the drawing in landscape</translation>
    </message>
    <message>
        <source>Ausdrucken</source>
        <translation>Print out</translation>
    </message>
    <message>
        <source>Farbig drucken</source>
        <translation>Print in colour</translation>
    </message>
    <message>
        <source>Zeichnung farbig ausdrucken</source>
        <translation>Print the drawing in colour</translation>
    </message>
    <message>
        <source>S/W drucken</source>
        <translation>Print B/W</translation>
    </message>
    <message>
        <source>Zeichnung schwarz/weiß ausdrucken</source>
        <translation>Print the drawing in black and white</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Drucken abbrechen</source>
        <translation>Cancel printing</translation>
    </message>
    <message>
        <source>Kein Drucker ausgewählt !?</source>
        <translation>No printer selected !?</translation>
    </message>
</context>
<context>
    <name>vectrim::ReportWindow</name>
    <message>
        <source>Bericht der Bearbeitung</source>
        <translation>Report of the processing run</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Stellen</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Alle anzeigen</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
