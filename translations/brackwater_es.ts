<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlarmCommand</name>
    <message>
        <source>%1 needs a program to run</source>
        <extracomment>%1 is the option --on-alarm</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no program &quot;%2&quot; in the PATH</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is not a program that may be run</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 still ran after %3 s and was ended</source>
        <extracomment>%1 is the option&apos;s name on-alarm, %2 the program</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 could not be started: %3</source>
        <extracomment>%1 is the option&apos;s name on-alarm, %2 the program, %3 why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 ended abnormally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 ended with exit code %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmMonitor</name>
    <message>
        <source>no reading for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>readings back after %1 s without</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is back above the low limit %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is back below the high limit %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is below the low limit %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is above the high limit %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main</source>
        <extracomment>The channel&apos;s display: &quot;channel 1 (main)&quot;, &quot;channel 2 (second)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reading for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main %1 below %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main %1 above %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second %1 below %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second %1 above %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>a range is LOW..HIGH, either end may be empty (not &quot;%1&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; has neither a low nor a high limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is not a number of degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in &quot;%1&quot; the low limit is not below the high one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>A channel&apos;s two limits: &quot;below -5 C or above 30 C&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <extracomment>%1 the channel&apos;s number, %2 its limits</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; after %1 s beyond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; clearing %1 degrees inside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reading for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppendingFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>there is not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrokerAddress</name>
    <message>
        <source>%1 takes mqtt://[user@]host[:port]/base/topic or mqtts://[user@]host[:port]/base/topic (not &quot;%2&quot;)</source>
        <extracomment>%1 is the option --publish</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the URL holds a password, which would show in the process list; give it in %2 or in a file named by %3</source>
        <extracomment>%1 is the option --publish, %2 an environment variable, %3 the option --publish-password-file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a base topic has no wildcard + or # (not &quot;%2&quot;)</source>
        <extracomment>%1 is the option --publish</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the URL names no base topic, as in mqtt://host/lab/meter1 (not &quot;%2&quot;)</source>
        <extracomment>%1 is the option --publish</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a user name in the URL, as in mqtt://user@host/lab/meter1</source>
        <extracomment>%1 is the option --publish-password-file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first line is empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartOutput</name>
    <message>
        <source>The graph could not be saved as %1: %2</source>
        <translation>No se pudo guardar el gráfico como %1: %2</translation>
    </message>
    <message>
        <source>The graph could not be printed to %1: %2</source>
        <translation>No se pudo imprimir el gráfico en %1: %2</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>PNG image, twice the size</source>
        <translation>Imagen PNG, al doble de tamaño</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>Imprimir en archivo PDF</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
</context>
<context>
    <name>ChartStatus</name>
    <message>
        <source>Marks are hidden at this density: zoom in to see them.</source>
        <translation>Las marcas se ocultan con esta densidad: amplíe para verlas.</translation>
    </message>
</context>
<context>
    <name>CheckedFile</name>
    <message>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a pipe (FIFO), not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, device or socket)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckedFileDevice</name>
    <message>
        <source>the file can only be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file was not written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from %2 to %3 (not &quot;%4&quot;)</source>
        <extracomment>%1 is an option, %4 what was given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a number of seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds, 1 or more (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a model of 300, 301, 302 or 303</source>
        <extracomment>%1 is an option</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a number of seconds from 1 to %2</source>
        <extracomment>%1 is an option</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes CHANNEL=LOW..HIGH with the channel 1 or 2 (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a number of degrees, 0 or more (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with %2, in the window program</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 go with %3</source>
        <extracomment>%1, %2 and %3 are options</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 options go with %2; the window program sets its alarms in the Alarms dialog</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 and %3 go with %4 or %5</source>
        <extracomment>%1 to %5 are options</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: brackwater [--port DEVICE]... [--demo [MODEL]] [--demo-history SECONDS]
                  [--publish URL [--publish-password-file FILE] [--ha-discovery]]
       brackwater --record FILE [--every SECONDS] [--port DEVICE]... [--demo [MODEL]]
                  [--publish URL [--publish-password-file FILE] [--ha-discovery]]
                  [--alarm CHANNEL=LOW..HIGH]... [--alarm-delay SECONDS]
                  [--alarm-hysteresis DEGREES] [--alarm-no-reading SECONDS]
                  [--on-alarm COMMAND [--on-alarm-limit SECONDS]]
</source>
        <extracomment>The command line&apos;s forms: translate &quot;Usage:&quot; and the values&apos; names (DEVICE, MODEL ...) if you like; the options (--port ...) stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --port DEVICE    add a serial device to the port list (repeatable), for ports
                   the system does not list, such as pseudo-terminals
  --demo [MODEL]   run a built-in simulated meter (300, 301, 302 or 303;
                   default 303) and add its device to the port list
  --demo-history SECONDS
                   with --demo: start the log and the live graph with that
                   much of the simulated meter&apos;s past (up to 31 days)
  --record FILE    record without windows: find the meter and append one row
                   every SECONDS to FILE (tab-separated, or comma-separated
                   when the name ends in csv), until interrupted
  --every SECONDS  the recording&apos;s interval (default: the stored listing rate)
  --publish URL    also publish each recorded row to an MQTT broker, at
                   mqtt://[user@]host[:port]/base/topic (mqtts:// for TLS);
                   the password comes from BRACKWATER_MQTT_PASSWORD or from
  --publish-password-file FILE
                   the first line of FILE, never from the URL
  --ha-discovery   with --publish: announce the channels to Home Assistant
  --alarm CHANNEL=LOW..HIGH
                   with --record: an alarm when channel 1 (main display) or 2
                   (second display) leaves the range, in the meter&apos;s unit;
                   either end may be empty (1=..30, 2=-5..); repeatable
  --alarm-delay SECONDS
                   the reading must stay beyond the limit that long first
  --alarm-hysteresis DEGREES
                   it clears once back inside the limit by that many degrees
  --alarm-no-reading SECONDS
                   an alarm when no reading comes for that long (5 or more)
  --on-alarm COMMAND
                   run COMMAND (no shell) when an alarm rises, its details in
                   BRACKWATER_ALARM_* variables; ended after
  --on-alarm-limit SECONDS
                   seconds (default 30)
  --help           show this help
  --version        show the program&apos;s version
</source>
        <extracomment>The options, each with what it does from the 20th column on; the options (--port ...) stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <extracomment>%1 is the command that shows the options</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphMenus</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Export &amp;Image...</source>
        <translation>Exportar i&amp;magen...</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Línea</translation>
    </message>
    <message>
        <source>&amp;Thin</source>
        <translation>&amp;Fina</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Gruesa</translation>
    </message>
    <message>
        <source>&amp;Mark Data</source>
        <translation>&amp;Marcar datos</translation>
    </message>
    <message>
        <source>mark data-points with a small circle</source>
        <translation>marcar los puntos de datos con un pequeño círculo</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>Graph tools</source>
        <translation>Herramientas del gráfico</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation>&amp;Rango</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>HandlerGuard</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeadlessRecorder</name>
    <message>
        <source>writing %1 failed: %2; recording goes on, the rows wait in memory (a day of them at most) and are written when it works again</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>writing %1 works again: %n rows that waited written</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the oldest %n rows beyond a day dropped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>a day of rows waits for %1: the oldest are dropped from now on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>syncing %1 to the disk failed: %2; its last rows may be lost if the power fails</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rows written so far</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>link lost: no frames from %1 for 5 s; waiting for the meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; not recording from it</source>
        <extracomment>%1 says which device and why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a meter answers at %1, plugged in since the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n rows written to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n rows could not be written: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>waiting for the alarm command to end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recording to %1, a row every %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarms: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no meter answered on %1; searching again every %2 s and asking each port plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no serial ports)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meter found: model %1 (%2) at %3</source>
        <extracomment>%1 the model&apos;s number, %2 what the model is, %3 the device</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot record to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalContents</name>
    <message>
        <source>The journal %1 could not be read: %2.</source>
        <translation>No se pudo leer el diario %1: %2.</translation>
    </message>
    <message>
        <source>it holds fewer rows than when it was read first</source>
        <translation>contiene menos filas que cuando se leyó por primera vez</translation>
    </message>
</context>
<context>
    <name>JournalQuestions</name>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>The journal %1 holds no recognisable row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 It was set aside as %2.</source>
        <extracomment>%1 says what is wrong with the journal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 It could not be set aside as %2.</source>
        <extracomment>%1 says what is wrong with the journal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The last recording was not saved: %n rows from %1 to %2</source>
        <extracomment>%1 and %2 are the times of the first and the last row</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Saving to &quot;%1&quot; was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogCsvExport</name>
    <message>
        <source>The log could not be exported to &quot;%1&quot;: %2.</source>
        <translation>No se pudo exportar el registro a &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>LogFileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>LogFileFilters</name>
    <message>
        <source>TXT file(*.txt,data seperated by tab)</source>
        <translation>Archivo TXT(*.txt,datos separados por tabulador)</translation>
    </message>
    <message>
        <source>EXCEL file format(*.CSV,seperated by comma)</source>
        <translation>Formato de archivo EXCEL(*.CSV,separado por comas)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>Todos los archivos(*.*)</translation>
    </message>
</context>
<context>
    <name>LogFileReader</name>
    <message>
        <source>The log file &quot;%1&quot; could not be opened: %2.</source>
        <translation>No se pudo abrir el archivo de registro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo de registro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be opened: it is not a text log (%2).</source>
        <translation>No se pudo abrir el archivo de registro &quot;%1&quot;: no es un registro de texto (%2).</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>contiene bytes NUL</translation>
    </message>
    <message>
        <source>it is UTF-16 text</source>
        <translation>es texto UTF-16</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>The log could not be saved to &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar el registro en &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>LogFiles</name>
    <message>
        <source>No row before it was loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %n rows before it were loaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Another file operation of the log is still running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be read: %2.</source>
        <translation type="unfinished">No se pudo leer el archivo de registro &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; stopped at line %2, which is longer than %3 KiB. %4</source>
        <extracomment>%4 says how many rows before that line were loaded</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be written to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogGraphBuild</name>
    <message>
        <source>Row %1 of the log has no valid date and time (&quot;%2 %3&quot;), so the graph&apos;s time axis starts at day 0.</source>
        <translation>La fila %1 del registro no tiene una fecha y hora válidas (&quot;%2 %3&quot;), así que el eje de tiempo del gráfico empieza en el día 0.</translation>
    </message>
    <message>
        <source>Row %1 of the log has no valid date and time (&quot;%2 %3&quot;), so the graph&apos;s time axis ends at day 0.</source>
        <translation>La fila %1 del registro no tiene una fecha y hora válidas (&quot;%2 %3&quot;), así que el eje de tiempo del gráfico termina en el día 0.</translation>
    </message>
</context>
<context>
    <name>LogTable</name>
    <message>
        <source>NO</source>
        <extracomment>Column header of the log: the row number</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>HORA</translation>
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
        <translation>UNIDAD</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>BRACKWATER is Already Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the simulated meter could not start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated meter could not start: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeasureMarks</name>
    <message>
        <source>First point marked: Ctrl+click a second point, Escape clears.</source>
        <translation>Primer punto marcado: Ctrl+clic en un segundo punto; Esc lo borra.</translation>
    </message>
</context>
<context>
    <name>ModelEntry</name>
    <message>
        <source>One channel, K type thermometer.</source>
        <translation>Termómetro de un canal, tipo K.</translation>
    </message>
    <message>
        <source>START/STOP TIMER</source>
        <translation>INICIAR/DETENER TEMPORIZADOR</translation>
    </message>
    <message>
        <source>Two channel, K type thermometer.</source>
        <translation>Termómetro de dos canales, tipo K.</translation>
    </message>
    <message>
        <source>T1/T2/T1-T2 switch</source>
        <translation>Selector T1/T2/T1-T2</translation>
    </message>
    <message>
        <source>One channel, K J type thermometer.</source>
        <translation>Termómetro de un canal, tipos K y J.</translation>
    </message>
    <message>
        <source>Two channel, K J type thermometer.</source>
        <translation>Termómetro de dos canales, tipos K y J.</translation>
    </message>
</context>
<context>
    <name>MqttPublisher</name>
    <message>
        <source>it does not speak this protocol version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it rejected the client identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server is unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad user name or password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not authorised (wrong user name or password?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>publishing: the broker at %1 is back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>publishing to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>; %n readings waiting go out now</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n older ones were dropped meanwhile</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>publishing: the broker at %1 refused the connection: %2; trying again, readings wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT: the broker refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>publishing: TLS with the broker at %1 failed: %2; trying again, readings wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT: TLS failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>publishing: lost the broker at %1: %2; readings wait until it is back (up to %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT: broker lost, readings wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>publishing: cannot reach the broker at %1: %2; trying again, readings wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT: cannot reach the broker</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>publishing: %n readings wait, as many as are kept; the oldest are dropped until the broker is back</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: queue full, the oldest dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>publishing: %n readings were not delivered%1</source>
        <extracomment>%1 is empty or says how many older readings were dropped</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n older ones were dropped before</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MQTT: %n readings not delivered</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlotChart</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Thermometer is connected at %1</source>
        <translation>El termómetro está conectado en %1</translation>
    </message>
    <message>
        <source>Serial Port :%1</source>
        <translation>Puerto serie: %1</translation>
    </message>
    <message>
        <source>Model:%1</source>
        <translation>Modelo: %1</translation>
    </message>
    <message>
        <source>No Connection</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Can not find any THERMOMETER</source>
        <translation>No se encuentra ningún TERMÓMETRO</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 está en uso por otro programa.</translation>
    </message>
    <message>
        <source>%1 was skipped: permission denied.</source>
        <translation>Se omitió %1: permiso denegado.</translation>
    </message>
    <message>
        <source>Ask your administrator for access to the serial ports.</source>
        <translation>Solicite al administrador acceso a los puertos serie.</translation>
    </message>
    <message>
        <source>Join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>Únase al grupo &quot;%1&quot; (sudo usermod -aG %1 $USER) y vuelva a iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PtyDevice</name>
    <message>
        <source>pseudo-terminals are not available on this system</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingControls</name>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>No Connection</source>
        <translation type="unfinished">Sin conexión</translation>
    </message>
    <message>
        <source>Thermometer is connected at %1</source>
        <translation type="unfinished">El termómetro está conectado en %1</translation>
    </message>
    <message>
        <source>A different meter is connected at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No thermometer answers at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation type="unfinished">%1 está en uso por otro programa.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowJournal</name>
    <message>
        <source>The journal %1 could not be synced to the disk: %2. Its last rows may be lost if the power fails.</source>
        <translation>No se pudo sincronizar el diario %1 con el disco: %2. Sus últimas filas pueden perderse si se corta la corriente.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be written: %2. Recording goes on; the rows wait and are written to the journal when that works again, but rows not saved will be lost if the program ends before.</source>
        <translation>No se puede escribir en el diario %1: %2. La grabación continúa; las filas quedan en espera y se escribirán en el diario cuando vuelva a ser posible, pero las filas no guardadas se perderán si el programa termina antes.</translation>
    </message>
    <message numerus="yes">
        <source>The journal %1 is written again: %n rows recorded meanwhile are in it.</source>
        <translation>
            <numerusform>Se vuelve a escribir en el diario %1: contiene %n fila grabada mientras tanto.</numerusform>
            <numerusform>Se vuelve a escribir en el diario %1: contiene %n filas grabadas mientras tanto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScaleEntry</name>
    <message>
        <source>The maximum &quot;%1&quot; is not a number.</source>
        <translation>El máximo &quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>The maximum &quot;%1&quot; is not a whole number.</source>
        <translation>El máximo &quot;%1&quot; no es un número entero.</translation>
    </message>
    <message>
        <source>The minimum &quot;%1&quot; is not a number.</source>
        <translation>El mínimo &quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>The minimum &quot;%1&quot; is not a whole number.</source>
        <translation>El mínimo &quot;%1&quot; no es un número entero.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist and cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied on the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be read from %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is damaged or is not a settings file; what could not be read takes its default. The file is kept as %2 when the settings are saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were not saved: the damaged file %1 could not be kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These alarm settings could not be read and are off: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph</source>
        <translation type="unfinished">Gráfico</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation type="unfinished">Tabla</translation>
    </message>
    <message>
        <source>Alarms…</source>
        <translation type="unfinished">Alarmas…</translation>
    </message>
    <message>
        <source>Acknowledge Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Right Mouse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSerialPort</name>
    <message>
        <source>Can&apos;t perform this operation on a closed port</source>
        <translation>No se puede realizar esta operación con el puerto cerrado</translation>
    </message>
    <message>
        <source>Can&apos;t perform this operation on an open port</source>
        <translation>No se puede realizar esta operación con el puerto abierto</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 está en uso por otro programa</translation>
    </message>
</context>
<context>
    <name>TfrmAlarms</name>
    <message>
        <source>Main display low limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main display high limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main display delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main display clears back inside by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second display low limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second display high limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second display delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second display clears back inside by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The low limit of the main display must be below its high limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The low limit of the second display must be below its high limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears back inside by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long a reading must stay beyond a limit before the alarm rises; 0: at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far back inside the limit a reading must come before the alarm clears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An alarm below this temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An alarm above this temperature (&quot;OL&quot; counts as above)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm when no reading comes for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound until acknowledged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Acknowledge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silence the sound; the alarm stays marked until it clears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancelar</translation>
    </message>
    <message>
        <source>The second display of this meter is a timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm is up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmEditTitle</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit Graph Title</source>
        <translation>Editar título del gráfico</translation>
    </message>
    <message>
        <source>Main Title</source>
        <translation>Título principal</translation>
    </message>
    <message>
        <source>Sub Title</source>
        <translation>Subtítulo</translation>
    </message>
    <message>
        <source>These two edit-boxes allow adding, editing, and deletion 
of main and sub titles.  </source>
        <translation>Estos dos campos permiten agregar, editar y borrar 
el título principal y el subtítulo.  </translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Real Time Graph</source>
        <translation>Gráfico en tiempo real</translation>
    </message>
    <message>
        <source>Ctrl+click two points to measure between them.</source>
        <translation>Ctrl+clic en dos puntos para medir entre ellos.</translation>
    </message>
    <message>
        <source>&amp;Alarms…</source>
        <translation>&amp;Alarmas…</translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The first channel</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>The second channel</extracomment>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>REAL TIME GRAPH</source>
        <translation>GRÁFICO EN TIEMPO REAL</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Main low %1</source>
        <translation>Principal: límite bajo %1</translation>
    </message>
    <message>
        <source>Main high %1</source>
        <translation>Principal: límite alto %1</translation>
    </message>
    <message>
        <source>Second low %1</source>
        <translation>Secundario: límite bajo %1</translation>
    </message>
    <message>
        <source>Second high %1</source>
        <translation>Secundario: límite alto %1</translation>
    </message>
</context>
<context>
    <name>TfrmGraphList</name>
    <message>
        <source>Graphing from  Tabular</source>
        <translation>Gráfico de la tabla</translation>
    </message>
    <message>
        <source>Drag a frame to zoom in; Ctrl+click two points to measure between them.</source>
        <translation>Arrastre un recuadro para ampliar; Ctrl+clic en dos puntos para medir entre ellos.</translation>
    </message>
    <message>
        <source>Undo Zoom</source>
        <translation>Deshacer zoom</translation>
    </message>
    <message>
        <source>Mea&amp;sure Between Two Points</source>
        <translation>Me&amp;dir entre dos puntos</translation>
    </message>
    <message>
        <source>clicks mark two points; the change between them is shown (Escape clears)</source>
        <translation>los clics marcan dos puntos; se muestra el cambio entre ellos (Esc borra)</translation>
    </message>
    <message>
        <source>&amp;Undo Zoom</source>
        <translation>&amp;Deshacer zoom</translation>
    </message>
    <message>
        <source>setup vertical display range</source>
        <translation>configurar el rango de visualización vertical</translation>
    </message>
    <message>
        <source>Graphing Progress</source>
        <translation>Progreso del gráfico</translation>
    </message>
    <message>
        <source>graphing.....</source>
        <translation>graficando.....</translation>
    </message>
    <message>
        <source>Main</source>
        <extracomment>The first channel</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>The second channel</extracomment>
        <translation>Secundario</translation>
    </message>
    <message>
        <source>Data Graph</source>
        <translation>Gráfico de datos</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>TfrmLinkTest</name>
    <message>
        <source>Link Test</source>
        <translation>Prueba de enlace</translation>
    </message>
    <message>
        <source>No Link</source>
        <translation>Sin enlace</translation>
    </message>
    <message>
        <source>Searching Connected ThermoMeter</source>
        <translation>Buscando el termómetro conectado</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>TfrmList</name>
    <message>
        <source>Tabular</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Log tools</source>
        <translation>Herramientas del registro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Output To Graph</source>
        <translation>Enviar al &amp;gráfico</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Recorded readings</source>
        <extracomment>What screen readers call the window&apos;s table of recorded readings</extracomment>
        <translation>Lecturas registradas</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Save the table for spreadsheets and scripts</source>
        <translation>Guardar la tabla para hojas de cálculo y scripts</translation>
    </message>
    <message>
        <source>invalid integer</source>
        <translation>entero no válido</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation>Progreso de guardado</translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation>guardando.....</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>No printer is installed: print to a PDF file</source>
        <translation>No hay ninguna impresora instalada: imprima en un archivo PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation>Rango de impresión</translation>
    </message>
    <message>
        <source>The log could not be printed: &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo imprimir el registro: no fue posible abrir la impresora &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The log could not be printed to &quot;%1&quot;: %2.</source>
        <translation>No se pudo imprimir el registro en &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The log could not be printed: %1.</source>
        <translation>No se pudo imprimir el registro: %1.</translation>
    </message>
    <message>
        <source>Print Progress</source>
        <translation>Progreso de impresión</translation>
    </message>
    <message>
        <source>printing.....</source>
        <translation>imprimiendo.....</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>Archivo CSV</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Progreso de exportación</translation>
    </message>
    <message>
        <source>exporting.....</source>
        <translation>exportando.....</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>The desktop places the windows</source>
        <extracomment>Shown in the status bar after Arrange where the program cannot move windows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Control Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Graph Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Tabular Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test linking with THERMOMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Line Help Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit BRACKWATER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto arrange Panel,Graph,Tabular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n recorded rows are not saved. Save them before exiting?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation type="unfinished">Progreso de guardado</translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation type="unfinished">guardando.....</translation>
    </message>
</context>
<context>
    <name>TfrmOpenProgress</name>
    <message>
        <source>listing ...</source>
        <translation>cargando ...</translation>
    </message>
    <message>
        <source>File Open Progress</source>
        <translation>Progreso de apertura</translation>
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
        <translation>Sin enlace</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close PANEL</source>
        <translation>Cerrar PANEL</translation>
    </message>
    <message>
        <source>REL</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>REL</translation>
    </message>
    <message>
        <source>REL button</source>
        <translation>Botón REL</translation>
    </message>
    <message>
        <source>HOLD</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>HOLD</translation>
    </message>
    <message>
        <source>HOLD button</source>
        <translation>Botón HOLD</translation>
    </message>
    <message>
        <source>AVG MAX/MIN</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>AVG MAX/MIN</translation>
    </message>
    <message>
        <source>single click to change AVG/MAX/MIN mode, double click to cancel .</source>
        <translation>un clic para cambiar el modo AVG/MAX/MIN, doble clic para cancelar.</translation>
    </message>
    <message>
        <source>°C/°F</source>
        <extracomment>Caption printed on the meter&apos;s key</extracomment>
        <translation>°C/°F</translation>
    </message>
    <message>
        <source>Change degree</source>
        <translation>Cambiar la unidad de temperatura</translation>
    </message>
    <message>
        <source>Alarms…</source>
        <translation>Alarmas…</translation>
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
        <translation>Progreso de impresión</translation>
    </message>
</context>
<context>
    <name>TfrmResolu</name>
    <message>
        <source>800 X 600 or above display resolution is recommended 
for using BRACKWATER. Your display resolution is now
640X480, For best result, please change the resulution to 
800 x 600 or above later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this dialog next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmScope</name>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation>Rango de impresión</translation>
    </message>
    <message>
        <source>&amp;from</source>
        <extracomment>The first row of the range</extracomment>
        <translation>&amp;desde</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <extracomment>The last row of the range</extracomment>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
</context>
<context>
    <name>TfrmSetupScale</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>maximum and minimum scale setup</source>
        <translation>Escala máxima y mínima</translation>
    </message>
    <message>
        <source>Vertical maximum and minimum scale setup</source>
        <translation>Escala vertical máxima y mínima</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>mínimo</translation>
    </message>
</context>
<context>
    <name>ToolStrip</name>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Clear Tabular</source>
        <translation>Borrar la tabla</translation>
    </message>
    <message>
        <source>Output Data to Graph</source>
        <translation>Enviar los datos al gráfico</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>clear and reset graph</source>
        <translation>borrar y reiniciar el gráfico</translation>
    </message>
    <message>
        <source>Clear Graph</source>
        <translation>Borrar el gráfico</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM:SS</source>
        <extracomment>The rate entry&apos;s format: minutes and seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TwoPointReadout</name>
    <message>
        <source>no points</source>
        <translation>sin puntos</translation>
    </message>
    <message>
        <source>%1: no points</source>
        <translation>%1: sin puntos</translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowSet</name>
    <message>
        <source>ALARM: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brackwater: alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brackwater: alarm cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation type="unfinished">Progreso de guardado</translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation type="unfinished">guardando.....</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n rows from %1 to %2 for good?</source>
        <extracomment>%1 and %2 are the times of the first and the last row</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
