<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChartOutput</name>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The graph could not be printed to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image, twice the size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartStatus</name>
    <message>
        <source>Marks are hidden at this density: zoom in to see them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphMenus</name>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Thin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mark data-points with a small circle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalContents</name>
    <message>
        <source>The journal %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds fewer rows than when it was read first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogCsvExport</name>
    <message>
        <source>The log could not be exported to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogFileDialogs</name>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogFileFilters</name>
    <message>
        <source>TXT file(*.txt,data seperated by tab)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXCEL file format(*.CSV,seperated by comma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogFileReader</name>
    <message>
        <source>The log file &quot;%1&quot; could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be opened: it is not a text log (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is UTF-16 text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>The log could not be saved to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogGraphBuild</name>
    <message>
        <source>Row %1 of the log has no valid date and time (&quot;%2 %3&quot;), so the graph&apos;s time axis starts at day 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of the log has no valid date and time (&quot;%2 %3&quot;), so the graph&apos;s time axis ends at day 0.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogTable</name>
    <message>
        <source>NO</source>
        <extracomment>Column header of the log: the row number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeasureMarks</name>
    <message>
        <source>First point marked: Ctrl+click a second point, Escape clears.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelEntry</name>
    <message>
        <source>One channel, K type thermometer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START/STOP TIMER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two channel, K type thermometer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T1/T2/T1-T2 switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One channel, K J type thermometer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two channel, K J type thermometer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlotChart</name>
    <message>
        <source>Graph</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Thermometer is connected at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port :%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find any THERMOMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was skipped: permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask your administrator for access to the serial ports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowJournal</name>
    <message>
        <source>The journal %1 could not be synced to the disk: %2. Its last rows may be lost if the power fails.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 cannot be written: %2. Recording goes on; the rows wait and are written to the journal when that works again, but rows not saved will be lost if the program ends before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The journal %1 is written again: %n rows recorded meanwhile are in it.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScaleEntry</name>
    <message>
        <source>The maximum &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum &quot;%1&quot; is not a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minimum &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minimum &quot;%1&quot; is not a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSerialPort</name>
    <message>
        <source>Can&apos;t perform this operation on a closed port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t perform this operation on an open port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmEditTitle</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Graph Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These two edit-boxes allow adding, editing, and deletion 
of main and sub titles.  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Real Time Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+click two points to measure between them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The first channel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>The second channel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REAL TIME GRAPH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main low %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main high %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second low %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second high %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmGraphList</name>
    <message>
        <source>Graphing from  Tabular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag a frame to zoom in; Ctrl+click two points to measure between them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mea&amp;sure Between Two Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clicks mark two points; the change between them is shown (Escape clears)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setup vertical display range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphing Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>graphing.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The first channel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>The second channel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmLinkTest</name>
    <message>
        <source>Link Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching Connected ThermoMeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmList</name>
    <message>
        <source>Tabular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Output To Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the table for spreadsheets and scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed: print to a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be printed: &quot;%1&quot; could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be printed to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be printed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printing.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exporting.....</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOpenProgress</name>
    <message>
        <source>listing ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmPanel</name>
    <message>
        <source>PANEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close PANEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REL</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REL button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOLD</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOLD button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVG MAX/MIN</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>single click to change AVG/MAX/MIN mode, double click to cancel .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C/°F</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T1/T2 T1-T2</source>
        <extracomment>Caption printed on the meter&apos;s key of two-channel models</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIMER</source>
        <extracomment>Caption printed on the meter&apos;s key of one-channel models</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmPrintProgress</name>
    <message>
        <source>Print Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmScope</name>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;from</source>
        <extracomment>The first row of the range</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>The last row of the range</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSetupScale</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximum and minimum scale setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical maximum and minimum scale setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimum</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolStrip</name>
    <message>
        <source>Open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Tabular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Data to Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear and reset graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Graph</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TwoPointReadout</name>
    <message>
        <source>no points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
