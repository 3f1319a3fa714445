<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>vectrim::msg</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Vectrim</source>
        <translation>Vectrim</translation>
    </message>
    <message>
        <source>Lesefehler !</source>
        <translation>Read error !</translation>
    </message>
    <message>
        <source>Längere Berechnungszeit</source>
        <translation>Longer calculation time</translation>
    </message>
    <message>
        <source>Zeichnung sehr klein !</source>
        <translation>Drawing very small !</translation>
    </message>
    <message>
        <source>Error: Auflösung zurück</source>
        <translation>Error: resolution back</translation>
    </message>
    <message>
        <source>Dateizugriffsfehler !</source>
        <translation>File access error !</translation>
    </message>
    <message>
        <source>DXF konnte nicht geladen werden !</source>
        <translation>DXF could not be loaded !</translation>
    </message>
    <message>
        <source>Zeichnung zu groß ! Reduzieren Sie die Anzahl der Elemente. !</source>
        <translation>Drawing too large ! Reduce the number of elements. !</translation>
    </message>
    <message>
        <source>Nicht übernommen: </source>
        <translation>Not taken over: </translation>
    </message>
    <message>
        <source>Angenähert: </source>
        <translation>Approximated: </translation>
    </message>
    <message>
        <source> (Kurvengüte </source>
        <translation> (curve quality </translation>
    </message>
    <message>
        <source>zu tief verschachtelt</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>ungültige Werte</source>
        <translation>invalid values</translation>
    </message>
    <message>
        <source>Papierbereich</source>
        <translation>paper space</translation>
    </message>
    <message>
        <source>fehlerhaft</source>
        <translation>faulty</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>incomplete</translation>
    </message>
    <message>
        <source>Block fehlt</source>
        <translation>block missing</translation>
    </message>
    <message>
        <source>Elementgrenze erreicht</source>
        <translation>element limit reached</translation>
    </message>
    <message>
        <source>POLYLINE-Netz</source>
        <translation>POLYLINE mesh</translation>
    </message>
    <message>
        <source>externe Referenz</source>
        <translation>external reference</translation>
    </message>
    <message>
        <source>Feldkopien begrenzt</source>
        <translation>array copies limited</translation>
    </message>
    <message>
        <source>Schrift fehlt</source>
        <translation>font missing</translation>
    </message>
    <message>
        <source>Zeichnung in Inch – Maße umwandeln?</source>
        <translation>Drawing in inches – convert dimensions?</translation>
    </message>
    <message>
        <source>Eingabe &gt;T:Reduktion&lt; außerhalb Wertbereich (0 bis 5) </source>
        <translation>Input &gt;T:Reduction&lt; out of range (0 to 5) </translation>
    </message>
    <message>
        <source>Eingabe &gt;T:Lücken schließen&lt; außerhalb Wertbereich (0 bis 5) </source>
        <translation>Input &gt;T:Close gaps&lt; out of range (0 to 5) </translation>
    </message>
    <message>
        <source>Eingabe &gt;T:Grafik glätten&lt; außerhalb Wertbereich (0 bis 2) </source>
        <translation>Input &gt;T:Smooth graphics&lt; out of range (0 to 2) </translation>
    </message>
    <message>
        <source>Starte Konvertierung... </source>
        <translation>Starting conversion... </translation>
    </message>
    <message>
        <source>Fehler bei der Bearbeitung ! Zeichnung zu klein ?</source>
        <translation>Error in processing ! Drawing too small ?</translation>
    </message>
    <message>
        <source>Fehler bei der Bearbeitung ! Eingabewerte zu klein ? Laden Sie die DXF-Datei neu.</source>
        <translation>Error in processing ! Input values too small ? Reload the DXF file.</translation>
    </message>
    <message>
        <source>Linienanzahl &gt; 1000. Fortfahren ?</source>
        <translation>Number of lines &gt; 1000. Continue ?</translation>
    </message>
    <message>
        <source>Verbinde Elemente ........    </source>
        <translation>Joining elements .........    </translation>
    </message>
    <message>
        <source>Konvertierung beendet.        </source>
        <translation>Conversion finished.          </translation>
    </message>
    <message>
        <source>Linienspeicher voll !</source>
        <translation>Line table full !</translation>
    </message>
    <message>
        <source>Bogenspeicher voll !</source>
        <translation>Arc table full !</translation>
    </message>
    <message>
        <source>Suche doppelte Elemente...    </source>
        <translation>Searching duplicate elements...    </translation>
    </message>
    <message>
        <source>Suche doppelte Elemente...... </source>
        <translation>Searching duplicate elements...... </translation>
    </message>
    <message>
        <source>  Gelöscht:</source>
        <translation>  Deleted:</translation>
    </message>
    <message>
        <source>Lösche zu kleine Elemente...  </source>
        <translation>Deleting too small elements...  </translation>
    </message>
    <message>
        <source>Lösche zu kleine Elemente.....</source>
        <translation>Deleting too small elements.....</translation>
    </message>
    <message>
        <source>Beseitige Lücken ...          </source>
        <translation>Closing gaps ...              </translation>
    </message>
    <message>
        <source>Konvertiere Linien:</source>
        <translation>Converting lines:</translation>
    </message>
    <message>
        <source>Kontur erstellen......</source>
        <translation>Building contours......</translation>
    </message>
    <message>
        <source>Kontur erstellen...   </source>
        <translation>Building contours...   </translation>
    </message>
    <message>
        <source>Bearbeite Linie zu Linie......</source>
        <translation>Processing line to line......</translation>
    </message>
    <message>
        <source>Bearbeite Linie zu Linie...   </source>
        <translation>Processing line to line...   </translation>
    </message>
    <message>
        <source>Glätte Bogen zu Linie.......</source>
        <translation>Smoothing arc to line.......</translation>
    </message>
    <message>
        <source>Glätte Bogen zu Linie....   </source>
        <translation>Smoothing arc to line....   </translation>
    </message>
    <message>
        <source>Glätte Bogen zu Bogen......</source>
        <translation>Smoothing arc to arc......</translation>
    </message>
    <message>
        <source>Glätte Bogen zu Bogen...   </source>
        <translation>Smoothing arc to arc...   </translation>
    </message>
    <message>
        <source>Zahlenwertüberschreitung ! Darstellung. </source>
        <translation>Number out of range ! Display. </translation>
    </message>
    <message>
        <source>Kontrolle fortsetzen ? Elemente&gt;5000</source>
        <translation>Continue check ? Elements&gt;5000</translation>
    </message>
    <message>
        <source>Bitte warten !</source>
        <translation>Please wait !</translation>
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
        <source>Ecken:</source>
        <translation>Corners:</translation>
    </message>
    <message>
        <source>Offene Kontur</source>
        <translation>Open contour</translation>
    </message>
    <message>
        <source>Vorhanden !</source>
        <translation>Present !</translation>
    </message>
    <message>
        <source>Keine !</source>
        <translation>None !</translation>
    </message>
    <message>
        <source>Schnittpunkte</source>
        <translation>Junctions</translation>
    </message>
    <message>
        <source>Länge &lt; 0.1</source>
        <translation>Length &lt; 0.1</translation>
    </message>
    <message>
        <source> Grad</source>
        <translation> degrees</translation>
    </message>
    <message>
        <source>Ok ! Keine offene Kontur gefunden.</source>
        <translation>Ok ! No open contour found.</translation>
    </message>
    <message>
        <source>Offene Kontur(en) vorhanden !</source>
        <translation>Open contour(s) present !</translation>
    </message>
    <message>
        <source>Unterschreitung der Mindestlänge !</source>
        <translation>Below the minimum length !</translation>
    </message>
    <message>
        <source>Ok ! Keine Unterschreitung der Mindestlänge.</source>
        <translation>Ok ! Nothing below the minimum length.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Info     </source>
        <translation>Info     </translation>
    </message>
    <message>
        <source> -</source>
        <translation> -</translation>
    </message>
    <message>
        <source>Keine Elemente vorhanden !</source>
        <translation>No elements present !</translation>
    </message>
    <message>
        <source>Ausgewählte Elemente löschen ?</source>
        <translation>Delete the selected elements ?</translation>
    </message>
    <message>
        <source>Kontur löschen ?</source>
        <translation>Delete contour ?</translation>
    </message>
    <message>
        <source>Elemente mit der Maus einrahmen, Entf = löschen, Esc = Ende</source>
        <translation>Frame elements with the mouse, Del = delete, Esc = end</translation>
    </message>
    <message>
        <source>Kontur anklicken, Esc = Ende</source>
        <translation>Click a contour, Esc = end</translation>
    </message>
    <message>
        <source>Ausgewählt:</source>
        <translation>Selected:</translation>
    </message>
    <message>
        <source>Gelöscht:</source>
        <translation>Deleted:</translation>
    </message>
    <message>
        <source> Element(e)</source>
        <translation> element(s)</translation>
    </message>
    <message>
        <source>Eingabewert kleiner oder gleich Null !</source>
        <translation>Input value less than or equal to zero !</translation>
    </message>
    <message>
        <source>Eingabewert zu groß !</source>
        <translation>Input value too large !</translation>
    </message>
    <message>
        <source>Maße wurden bereits umgewandelt !</source>
        <translation>Dimensions have already been converted !</translation>
    </message>
    <message>
        <source>Maße von Inch in Millimeter umwandeln ?</source>
        <translation>Convert dimensions from inches to millimetres ?</translation>
    </message>
    <message>
        <source>Zurück ?</source>
        <translation>Back ?</translation>
    </message>
    <message>
        <source>Liegt die Grafik in Inch vor ?  Maße von Inch in Millimeter umwandeln ?</source>
        <translation>Is the drawing in inches ?  Convert dimensions from inches to millimetres ?</translation>
    </message>
    <message>
        <source>CAD-Austauschformat (DXF)|*.DXF</source>
        <translation>CAD exchange format (DXF)|*.DXF</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Linien und Bögen</source>
        <translation>Lines and arcs</translation>
    </message>
    <message>
        <source>Konturen als Polylinien</source>
        <translation>Contours as polylines</translation>
    </message>
    <message>
        <source>Datei konnte nicht gespeichert werden !</source>
        <translation>File could not be saved !</translation>
    </message>
    <message>
        <source> existiert bereits. Ersetzen ?</source>
        <translation> already exists. Replace ?</translation>
    </message>
    <message>
        <source>DXF gespeichert: </source>
        <translation>DXF saved: </translation>
    </message>
    <message>
        <source>PDF gespeichert: </source>
        <translation>PDF saved: </translation>
    </message>
    <message>
        <source>Profil gespeichert: </source>
        <translation>Profile saved: </translation>
    </message>
    <message>
        <source>Profil geladen: </source>
        <translation>Profile loaded: </translation>
    </message>
    <message>
        <source> in </source>
        <translation> in </translation>
    </message>
    <message>
        <source> aus </source>
        <translation> from </translation>
    </message>
    <message>
        <source>Änderungen verwerfen ?</source>
        <translation>Discard changes ?</translation>
    </message>
    <message>
        <source>Zurückgenommen: </source>
        <translation>Undone: </translation>
    </message>
    <message>
        <source>Alle Änderungen zurücknehmen ?</source>
        <translation>Undo all changes ?</translation>
    </message>
    <message>
        <source>alle Änderungen</source>
        <translation>all changes</translation>
    </message>
    <message>
        <source>Bearbeitung</source>
        <translation>Processing run</translation>
    </message>
    <message>
        <source>Element(e) löschen</source>
        <translation>Delete element(s)</translation>
    </message>
    <message>
        <source>Kontur löschen</source>
        <translation>Delete contour</translation>
    </message>
    <message>
        <source>Maßstab ändern</source>
        <translation>Change scale</translation>
    </message>
    <message>
        <source>Maße umwandeln</source>
        <translation>Convert dimensions</translation>
    </message>
    <message>
        <source>Zurück (Inch -&gt; Millimeter)</source>
        <translation>Back (Inch -&gt; Millimetre)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>An Schnittpunkten teilen</source>
        <translation>Split at junctions</translation>
    </message>
    <message>
        <source>Doppelte Elemente entfernen</source>
        <translation>Remove duplicate elements</translation>
    </message>
    <message>
        <source>Flache Bögen zu Linien</source>
        <translation>Flat arcs to lines</translation>
    </message>
    <message>
        <source>Linien zu Bögen</source>
        <translation>Lines to arcs</translation>
    </message>
    <message>
        <source>Linienzüge vereinfachen</source>
        <translation>Simplify line runs</translation>
    </message>
    <message>
        <source>Kleine Elemente löschen</source>
        <translation>Delete small elements</translation>
    </message>
    <message>
        <source>Lücken schließen</source>
        <translation>Close gaps</translation>
    </message>
    <message>
        <source>Knicke Bogen-Linie glätten</source>
        <translation>Smooth arc-line kinks</translation>
    </message>
    <message>
        <source>Knicke Bogen-Bogen glätten</source>
        <translation>Smooth arc-arc kinks</translation>
    </message>
    <message>
        <source>Ecken Linie-Linie runden</source>
        <translation>Round line-line corners</translation>
    </message>
    <message>
        <source>Ecken Bogen-Linie runden</source>
        <translation>Round arc-line corners</translation>
    </message>
    <message>
        <source>Ecken Bogen-Bogen runden</source>
        <translation>Round arc-arc corners</translation>
    </message>
    <message>
        <source>Winzige Elemente löschen</source>
        <translation>Delete tiny elements</translation>
    </message>
    <message>
        <source>Konturen bilden</source>
        <translation>Build contours</translation>
    </message>
    <message>
        <source>Bögen verbinden</source>
        <translation>Join arcs</translation>
    </message>
    <message>
        <source>Linien verbinden</source>
        <translation>Join lines</translation>
    </message>
    <message>
        <source>geteilt</source>
        <translation>split</translation>
    </message>
    <message>
        <source>entfernt</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>verschoben</source>
        <translation>moved</translation>
    </message>
    <message>
        <source>verbunden</source>
        <translation>joined</translation>
    </message>
    <message>
        <source>erzeugt</source>
        <translation>created</translation>
    </message>
    <message>
        <source>Lücke geschlossen</source>
        <translation>Gap closed</translation>
    </message>
    <message>
        <source>Ecke gerundet</source>
        <translation>Corner rounded</translation>
    </message>
    <message>
        <source>Bogen eingepasst</source>
        <translation>Arc fitted</translation>
    </message>
    <message>
        <source>Entfernt</source>
        <translation>Removed</translation>
    </message>
    <message>
        <source>Verschoben</source>
        <translation>Moved</translation>
    </message>
    <message>
        <source>Verbunden</source>
        <translation>Joined</translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Abbruch  -&gt; Ausgabefehler !</source>
        <translation>Cancelled  -&gt; output error !</translation>
    </message>
    <message>
        <source>Maßstabsfaktor: </source>
        <translation>Scale factor: </translation>
    </message>
    <message>
        <source>  /  H x B [mm]:</source>
        <translation>  /  H x W [mm]:</translation>
    </message>
    <message>
        <source>  /  H x B [inch]:</source>
        <translation>  /  H x W [inch]:</translation>
    </message>
    <message>
        <source> x</source>
        <translation> x</translation>
    </message>
    <message>
        <source>Maßstab</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>1:1  (Volle Größe)</source>
        <translation>1:1  (Full size)</translation>
    </message>
    <message>
        <source>1:2  (Halbe Größe)</source>
        <translation>1:2  (Half size)</translation>
    </message>
    <message>
        <source>Fein---&gt; 0.025  /  0.10 /  0.10</source>
        <translation>Fine---&gt; 0.025  /  0.10 /  0.10</translation>
    </message>
    <message>
        <source>Fein---&gt; 0.05</source>
        <translation>Fine---&gt; 0.05</translation>
    </message>
    <message>
        <source>Klein--&gt; 0.10  </source>
        <translation>Small--&gt; 0.10  </translation>
    </message>
    <message>
        <source>Mittel-&gt;  0.20</source>
        <translation>Medium-&gt;  0.20</translation>
    </message>
    <message>
        <source>Groß-&gt;  0.30 / 0.50 /  0.40 </source>
        <translation>Large-&gt;  0.30 / 0.50 /  0.40 </translation>
    </message>
    <message>
        <source>Groß--&gt; 0.50  /  1.00  /  0.60 </source>
        <translation>Large--&gt; 0.50  /  1.00  /  0.60 </translation>
    </message>
    <message>
        <source>Fein---&gt; 0.001  /  0.004 /  0.004</source>
        <translation>Fine---&gt; 0.001  /  0.004 /  0.004</translation>
    </message>
    <message>
        <source>Fein---&gt; 0.002</source>
        <translation>Fine---&gt; 0.002</translation>
    </message>
    <message>
        <source>Klein--&gt; 0.004  </source>
        <translation>Small--&gt; 0.004  </translation>
    </message>
    <message>
        <source>Mittel-&gt;  0.008</source>
        <translation>Medium-&gt;  0.008</translation>
    </message>
    <message>
        <source>Groß-&gt;  0.012 / 0.020 /  0.016 </source>
        <translation>Large-&gt;  0.012 / 0.020 /  0.016 </translation>
    </message>
    <message>
        <source>Groß--&gt; 0.020  /  0.040  /  0.024 </source>
        <translation>Large--&gt; 0.020  /  0.040  /  0.024 </translation>
    </message>
</context>
</TS>
