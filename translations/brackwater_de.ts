<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChartOutput</name>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1: %2</source>
        <translation>Das Diagramm konnte nicht in %1 gedruckt werden: %2</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>PNG image, twice the size</source>
        <translation>PNG-Bild, doppelte Größe</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-Dateien</translation>
    </message>
</context>
<context>
    <name>ChartStatus</name>
    <message>
        <source>Marks are hidden at this density: zoom in to see them.</source>
        <translation>Bei dieser Dichte sind die Punktmarkierungen ausgeblendet: zum Anzeigen vergrößern.</translation>
    </message>
</context>
<context>
    <name>GraphMenus</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Export &amp;Image...</source>
        <translation>&amp;Bild exportieren...</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>&amp;Thin</source>
        <translation>&amp;Dünn</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Dick</translation>
    </message>
    <message>
        <source>&amp;Mark Data</source>
        <translation>&amp;Datenpunkte markieren</translation>
    </message>
    <message>
        <source>mark data-points with a small circle</source>
        <translation>Datenpunkte mit einem kleinen Kreis markieren</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>Graph tools</source>
        <translation>Diagrammwerkzeuge</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation>&amp;Bereich</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>JournalContents</name>
    <message>
        <source>The journal %1 could not be read: %2.</source>
        <translation>Das Journal %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>it holds fewer rows than when it was read first</source>
        <translation>es enthält weniger Zeilen als beim ersten Lesen</translation>
    </message>
</context>
<context>
    <name>LogCsvExport</name>
    <message>
        <source>The log could not be exported to &quot;%1&quot;: %2.</source>
        <translation>Das Protokoll konnte nicht nach „%1“ exportiert werden: %2.</translation>
    </message>
</context>
<context>
    <name>LogFileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>LogFileFilters</name>
    <message>
        <source>TXT file(*.txt,data seperated by tab)</source>
        <translation>TXT-Datei (*.txt, Daten durch Tabulatoren getrennt)</translation>
    </message>
    <message>
        <source>EXCEL file format(*.CSV,seperated by comma)</source>
        <translation>EXCEL-Dateiformat (*.CSV, durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>LogFileReader</name>
    <message>
        <source>The log file &quot;%1&quot; could not be opened: %2.</source>
        <translation>Die Protokolldatei „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be read: %2.</source>
        <translation>Die Protokolldatei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be opened: it is not a text log (%2).</source>
        <translation>Die Protokolldatei „%1“ konnte nicht geöffnet werden: Sie ist kein Textprotokoll (%2).</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>sie enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>it is UTF-16 text</source>
        <translation>sie ist in UTF-16 kodiert</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>The log could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Das Protokoll konnte nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>LogGraphBuild</name>
    <message>
        <source>Row %1 of the log has no valid date and time (&quot;%2 %3&quot;), so the graph&apos;s time axis starts at day 0.</source>
        <translation>Zeile %1 des Protokolls hat kein gültiges Datum mit Uhrzeit („%2 %3“), daher beginnt die Zeitachse des Diagramms bei Tag 0.</translation>
    </message>
    <message>
        <source>Row %1 of the log has no valid date and time (&quot;%2 %3&quot;), so the graph&apos;s time axis ends at day 0.</source>
        <translation>Zeile %1 des Protokolls hat kein gültiges Datum mit Uhrzeit („%2 %3“), daher endet die Zeitachse des Diagramms bei Tag 0.</translation>
    </message>
</context>
<context>
    <name>LogTable</name>
    <message>
        <source>NO</source>
        <extracomment>Column header of the log: the row number</extracomment>
        <translation>NR.</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>ZEIT</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>T3</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>T4</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>EINHEIT</translation>
    </message>
</context>
<context>
    <name>MeasureMarks</name>
    <message>
        <source>First point marked: Ctrl+click a second point, Escape clears.</source>
        <translation>Erster Punkt markiert: zweiten Punkt mit Strg+Klick markieren, Esc löscht.</translation>
    </message>
</context>
<context>
    <name>ModelEntry</name>
    <message>
        <source>One channel, K type thermometer.</source>
        <translation>Einkanal-Thermometer, Typ K.</translation>
    </message>
    <message>
        <source>START/STOP TIMER</source>
        <translation>TIMER starten/stoppen</translation>
    </message>
    <message>
        <source>Two channel, K type thermometer.</source>
        <translation>Zweikanal-Thermometer, Typ K.</translation>
    </message>
    <message>
        <source>T1/T2/T1-T2 switch</source>
        <translation>Umschalten T1/T2/T1-T2</translation>
    </message>
    <message>
        <source>One channel, K J type thermometer.</source>
        <translation>Einkanal-Thermometer, Typ K und J.</translation>
    </message>
    <message>
        <source>Two channel, K J type thermometer.</source>
        <translation>Zweikanal-Thermometer, Typ K und J.</translation>
    </message>
</context>
<context>
    <name>PlotChart</name>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Thermometer is connected at %1</source>
        <translation>Thermometer ist an %1 angeschlossen</translation>
    </message>
    <message>
        <source>Serial Port :%1</source>
        <translation>Serielle Schnittstelle: %1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Modell: %1</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>Can not find any THERMOMETER</source>
        <translation>Kein THERMOMETER gefunden</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>%1 was skipped: permission denied.</source>
        <translation>%1 wurde übersprungen: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Ask your administrator for access to the serial ports.</source>
        <translation>Bitten Sie Ihren Administrator um Zugriff auf die seriellen Schnittstellen.</translation>
    </message>
    <message>
        <source>Join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Treten Sie der Gruppe „%1“ bei (sudo usermod -aG %1 $USER) und melden Sie sich dann neu an.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RowJournal</name>
    <message>
        <source>The journal %1 could not be synced to the disk: %2. Its last rows may be lost if the power fails.</source>
        <translation>Das Journal %1 konnte nicht mit dem Datenträger synchronisiert werden: %2. Seine letzten Zeilen können bei einem Stromausfall verloren gehen.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be written: %2. Recording goes on; the rows wait and are written to the journal when that works again, but rows not saved will be lost if the program ends before.</source>
        <translation>Das Journal %1 kann nicht geschrieben werden: %2. Die Aufzeichnung läuft weiter; die Zeilen warten und werden ins Journal geschrieben, sobald das wieder möglich ist, doch nicht gespeicherte Zeilen gehen verloren, wenn das Programm vorher beendet wird.</translation>
    </message>
    <message numerus="yes">
        <source>The journal %1 is written again: %n rows recorded meanwhile are in it.</source>
        <translation>
            <numerusform>Das Journal %1 wird wieder geschrieben: %n inzwischen aufgezeichnete Zeile ist darin enthalten.</numerusform>
            <numerusform>Das Journal %1 wird wieder geschrieben: %n inzwischen aufgezeichnete Zeilen sind darin enthalten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScaleEntry</name>
    <message>
        <source>The maximum &quot;%1&quot; is not a number.</source>
        <translation>Das Maximum „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The maximum &quot;%1&quot; is not a whole number.</source>
        <translation>Das Maximum „%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The minimum &quot;%1&quot; is not a number.</source>
        <translation>Das Minimum „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The minimum &quot;%1&quot; is not a whole number.</source>
        <translation>Das Minimum „%1“ ist keine ganze Zahl.</translation>
    </message>
</context>
<context>
    <name>TSerialPort</name>
    <message>
        <source>Can&apos;t perform this operation on a closed port</source>
        <translation>Dieser Vorgang ist bei geschlossener Schnittstelle nicht möglich</translation>
    </message>
    <message>
        <source>Can&apos;t perform this operation on an open port</source>
        <translation>Dieser Vorgang ist bei geöffneter Schnittstelle nicht möglich</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 wird von einem anderen Programm verwendet</translation>
    </message>
</context>
<context>
    <name>TfrmEditTitle</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit Graph Title</source>
        <translation>Diagrammtitel bearbeiten</translation>
    </message>
    <message>
        <source>Main Title</source>
        <translation>Haupttitel</translation>
    </message>
    <message>
        <source>Sub Title</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>These two edit-boxes allow adding, editing, and deletion 
of main and sub titles.  </source>
        <translation>In diesen beiden Eingabefeldern lassen sich Haupt- und 
Untertitel hinzufügen, bearbeiten und löschen.  </translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Real Time Graph</source>
        <translation>Echtzeitdiagramm</translation>
    </message>
    <message>
        <source>Ctrl+click two points to measure between them.</source>
        <translation>Zum Messen zwei Punkte mit Strg+Klick markieren.</translation>
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation>&amp;Alarme…</translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The first channel</extracomment>
        <translation>Hauptanzeige</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>The second channel</extracomment>
        <translation>Nebenanzeige</translation>
    </message>
    <message>
        <source>REAL TIME GRAPH</source>
        <translation>ECHTZEITDIAGRAMM</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Main low %1</source>
        <translation>Hauptanzeige: Untergrenze %1</translation>
    </message>
    <message>
        <source>Main high %1</source>
        <translation>Hauptanzeige: Obergrenze %1</translation>
    </message>
    <message>
        <source>Second low %1</source>
        <translation>Nebenanzeige: Untergrenze %1</translation>
    </message>
    <message>
        <source>Second high %1</source>
        <translation>Nebenanzeige: Obergrenze %1</translation>
    </message>
</context>
<context>
    <name>TfrmGraphList</name>
    <message>
        <source>Graphing from  Tabular</source>
        <translation>Diagramm aus der Tabelle</translation>
    </message>
    <message>
        <source>Drag a frame to zoom in; Ctrl+click two points to measure between them.</source>
        <translation>Zum Vergrößern einen Rahmen aufziehen; zum Messen zwei Punkte mit Strg+Klick markieren.</translation>
    </message>
    <message>
        <source>Undo Zoom</source>
        <translation>Zoom aufheben</translation>
    </message>
    <message>
        <source>Mea&amp;sure Between Two Points</source>
        <translation>Zwischen zwei Punkten &amp;messen</translation>
    </message>
    <message>
        <source>clicks mark two points; the change between them is shown (Escape clears)</source>
        <translation>Klicks markieren zwei Punkte; die Änderung zwischen ihnen wird angezeigt (Esc löscht)</translation>
    </message>
    <message>
        <source>&amp;Undo Zoom</source>
        <translation>&amp;Zoom aufheben</translation>
    </message>
    <message>
        <source>setup vertical display range</source>
        <translation>Vertikalen Anzeigebereich einstellen</translation>
    </message>
    <message>
        <source>Graphing Progress</source>
        <translation>Fortschritt beim Zeichnen</translation>
    </message>
    <message>
        <source>graphing.....</source>
        <translation>Wird gezeichnet.....</translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The first channel</extracomment>
        <translation>Hauptanzeige</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>The second channel</extracomment>
        <translation>Nebenanzeige</translation>
    </message>
    <message>
        <source>Data Graph</source>
        <translation>Datendiagramm</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>TfrmLinkTest</name>
    <message>
        <source>Link Test</source>
        <translation>Verbindungstest</translation>
    </message>
    <message>
        <source>No Link</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>Searching Connected ThermoMeter</source>
        <translation>Thermometer wird gesucht</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TfrmList</name>
    <message>
        <source>Tabular</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Log tools</source>
        <translation>Protokollwerkzeuge</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Output To Graph</source>
        <translation>&amp;Als Diagramm ausgeben</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Recorded readings</source>
        <translation>Aufgezeichnete Messwerte</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save the table for spreadsheets and scripts</source>
        <translation>Die Tabelle für Tabellenkalkulationen und Skripte speichern</translation>
    </message>
    <message>
        <source>invalid integer</source>
        <translation>Ungültige ganze Zahl</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation>Fortschritt beim Speichern</translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation>Wird gespeichert.....</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>No printer is installed: print to a PDF file</source>
        <translation>Kein Drucker installiert: in eine PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation>Druckbereich</translation>
    </message>
    <message>
        <source>The log could not be printed: &quot;%1&quot; could not be opened.</source>
        <translation>Das Protokoll konnte nicht gedruckt werden: Der Drucker „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The log could not be printed to &quot;%1&quot;: %2.</source>
        <translation>Das Protokoll konnte nicht in „%1“ gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>The log could not be printed: %1.</source>
        <translation>Das Protokoll konnte nicht gedruckt werden: %1.</translation>
    </message>
    <message>
        <source>Print Progress</source>
        <translation>Fortschritt beim Drucken</translation>
    </message>
    <message>
        <source>printing.....</source>
        <translation>Wird gedruckt.....</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Fortschritt beim Exportieren</translation>
    </message>
    <message>
        <source>exporting.....</source>
        <translation>Wird exportiert.....</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>The desktop places the windows</source>
        <extracomment>Shown in the status bar after Arrange where the program cannot move windows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOpenProgress</name>
    <message>
        <source>listing ...</source>
        <translation>Wird eingelesen ...</translation>
    </message>
    <message>
        <source>File Open Progress</source>
        <translation>Fortschritt beim Öffnen</translation>
    </message>
</context>
<context>
    <name>TfrmPanel</name>
    <message>
        <source>PANEL</source>
        <translation>PANEL</translation>
    </message>
    <message>
        <source>No Link</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close PANEL</source>
        <translation>PANEL schließen</translation>
    </message>
    <message>
        <source>REL</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>REL</translation>
    </message>
    <message>
        <source>REL button</source>
        <translation>Taste REL</translation>
    </message>
    <message>
        <source>HOLD</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>HOLD</translation>
    </message>
    <message>
        <source>HOLD button</source>
        <translation>Taste HOLD</translation>
    </message>
    <message>
        <source>AVG MAX/MIN</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>AVG MAX/MIN</translation>
    </message>
    <message>
        <source>single click to change AVG/MAX/MIN mode, double click to cancel .</source>
        <translation>Einfachklick wechselt den Modus AVG/MAX/MIN, Doppelklick beendet ihn.</translation>
    </message>
    <message>
        <source>°C/°F</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>°C/°F</translation>
    </message>
    <message>
        <source>Change degree</source>
        <translation>Temperatureinheit umschalten</translation>
    </message>
    <message>
        <source>Alarms…</source>
        <translation>Alarme…</translation>
    </message>
    <message>
        <source>T1/T2 T1-T2</source>
        <extracomment>Caption printed on the meter&apos;s key of two-channel models</extracomment>
        <translation>T1/T2 T1-T2</translation>
    </message>
    <message>
        <source>TIMER</source>
        <extracomment>Caption printed on the meter&apos;s key of one-channel models</extracomment>
        <translation>TIMER</translation>
    </message>
</context>
<context>
    <name>TfrmPrintProgress</name>
    <message>
        <source>Print Progress</source>
        <translation>Fortschritt beim Drucken</translation>
    </message>
</context>
<context>
    <name>TfrmScope</name>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Aus&amp;wahl</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation>Druckbereich</translation>
    </message>
    <message>
        <source>&amp;from</source>
        <extracomment>The first row of the range</extracomment>
        <translation>&amp;von</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>The last row of the range</extracomment>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
</context>
<context>
    <name>TfrmSetupScale</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>maximum and minimum scale setup</source>
        <translation>Maximum und Minimum der Skala</translation>
    </message>
    <message>
        <source>Vertical maximum and minimum scale setup</source>
        <translation>Maximum und Minimum der vertikalen Skala</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>Minimum</translation>
    </message>
</context>
<context>
    <name>ToolStrip</name>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Clear Tabular</source>
        <translation>Tabelle leeren</translation>
    </message>
    <message>
        <source>Output Data to Graph</source>
        <translation>Daten als Diagramm ausgeben</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>clear and reset graph</source>
        <translation>Diagramm leeren und zurücksetzen</translation>
    </message>
    <message>
        <source>Clear Graph</source>
        <translation>Diagramm leeren</translation>
    </message>
</context>
<context>
    <name>TwoPointReadout</name>
    <message>
        <source>no points</source>
        <translation>keine Datenpunkte</translation>
    </message>
    <message>
        <source>%1: no points</source>
        <translation>%1: keine Datenpunkte</translation>
    </message>
</context>
</TS>
