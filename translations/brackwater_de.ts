<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlarmCommand</name>
    <message>
        <source>%1 needs a program to run</source>
        <extracomment>%1 is the option --on-alarm</extracomment>
        <translation>%1 erfordert ein auszuführendes Programm</translation>
    </message>
    <message>
        <source>%1: no program &quot;%2&quot; in the PATH</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation>%1: kein Programm „%2“ im PATH</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation>%1: %2 existiert nicht</translation>
    </message>
    <message>
        <source>%1: %2 is not a program that may be run</source>
        <extracomment>%1 is the option --on-alarm, %2 the program</extracomment>
        <translation>%1: %2 ist kein ausführbares Programm</translation>
    </message>
    <message>
        <source>%1: %2 still ran after %3 s and was ended</source>
        <extracomment>%1 is the option&apos;s name on-alarm, %2 the program</extracomment>
        <translation>%1: %2 lief nach %3 s noch und wurde beendet</translation>
    </message>
    <message>
        <source>%1: %2 could not be started: %3</source>
        <extracomment>%1 is the option&apos;s name on-alarm, %2 the program, %3 why</extracomment>
        <translation>%1: %2 konnte nicht gestartet werden: %3</translation>
    </message>
    <message>
        <source>%1: %2 ended abnormally</source>
        <translation>%1: %2 wurde abnormal beendet</translation>
    </message>
    <message>
        <source>%1: %2 ended with exit code %3</source>
        <translation>%1: %2 endete mit dem Exit-Code %3</translation>
    </message>
</context>
<context>
    <name>AlarmMonitor</name>
    <message>
        <source>no reading for %1 s</source>
        <translation>kein Messwert seit %1 s</translation>
    </message>
    <message>
        <source>readings back after %1 s without</source>
        <translation>wieder Messwerte nach %1 s ohne Messwert</translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is back above the low limit %4</source>
        <translation>Kanal %1 (%2): %3 liegt wieder über der Untergrenze %4</translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is back below the high limit %4</source>
        <translation>Kanal %1 (%2): %3 liegt wieder unter der Obergrenze %4</translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is below the low limit %4</source>
        <translation>Kanal %1 (%2): %3 liegt unter der Untergrenze %4</translation>
    </message>
    <message>
        <source>channel %1 (%2) %3 is above the high limit %4</source>
        <translation>Kanal %1 (%2): %3 liegt über der Obergrenze %4</translation>
    </message>
    <message>
        <source>main</source>
        <extracomment>The channel&apos;s display: &quot;channel 1 (main)&quot;, &quot;channel 2 (second)&quot;</extracomment>
        <translation>Hauptanzeige</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Nebenanzeige</translation>
    </message>
    <message>
        <source>No reading for %1 s</source>
        <translation>Kein Messwert seit %1 s</translation>
    </message>
    <message>
        <source>Main %1 below %2</source>
        <translation>Hauptanzeige %1 unter %2</translation>
    </message>
    <message>
        <source>Main %1 above %2</source>
        <translation>Hauptanzeige %1 über %2</translation>
    </message>
    <message>
        <source>Second %1 below %2</source>
        <translation>Nebenanzeige %1 unter %2</translation>
    </message>
    <message>
        <source>Second %1 above %2</source>
        <translation>Nebenanzeige %1 über %2</translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>a range is LOW..HIGH, either end may be empty (not &quot;%1&quot;)</source>
        <translation>ein Bereich hat die Form LOW..HIGH, ein Ende darf leer sein (nicht „%1“)</translation>
    </message>
    <message>
        <source>the range &quot;%1&quot; has neither a low nor a high limit</source>
        <translation>der Bereich „%1“ hat weder eine Unter- noch eine Obergrenze</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is not a number of degrees</source>
        <translation>„%1“ in „%2“ ist keine Gradzahl</translation>
    </message>
    <message>
        <source>in &quot;%1&quot; the low limit is not below the high one</source>
        <translation>in „%1“ liegt die Untergrenze nicht unter der Obergrenze</translation>
    </message>
    <message>
        <source>below %1%2</source>
        <translation>unter %1%2</translation>
    </message>
    <message>
        <source>above %1%2</source>
        <translation>über %1%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>A channel&apos;s two limits: &quot;below -5 C or above 30 C&quot;</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <extracomment>%1 the channel&apos;s number, %2 its limits</extracomment>
        <translation>Kanal %1 %2</translation>
    </message>
    <message>
        <source>; after %1 s beyond</source>
        <translation>; nach %1 s jenseits des Grenzwerts</translation>
    </message>
    <message>
        <source>; clearing %1 degrees inside</source>
        <translation>; Hysterese %1 Grad</translation>
    </message>
    <message>
        <source>no reading for %1 s</source>
        <translation>%1 s ohne Messwert</translation>
    </message>
</context>
<context>
    <name>AppendingFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Arbeitsspeicher frei</translation>
    </message>
</context>
<context>
    <name>BrokerAddress</name>
    <message>
        <source>%1 takes mqtt://[user@]host[:port]/base/topic or mqtts://[user@]host[:port]/base/topic (not &quot;%2&quot;)</source>
        <extracomment>%1 is the option --publish</extracomment>
        <translation>%1 erwartet mqtt://[user@]host[:port]/base/topic oder mqtts://[user@]host[:port]/base/topic (nicht „%2“)</translation>
    </message>
    <message>
        <source>%1: the URL holds a password, which would show in the process list; give it in %2 or in a file named by %3</source>
        <extracomment>%1 is the option --publish, %2 an environment variable, %3 the option --publish-password-file</extracomment>
        <translation>%1: die URL enthält ein Passwort, das in der Prozessliste sichtbar wäre; geben Sie es in %2 an oder in einer Datei, die %3 nennt</translation>
    </message>
    <message>
        <source>%1: the URL names no base topic, as in mqtt://host/lab/meter1 (not &quot;%2&quot;)</source>
        <extracomment>%1 is the option --publish</extracomment>
        <translation>%1: die URL nennt kein Basis-Topic wie in mqtt://host/lab/meter1 (nicht „%2“)</translation>
    </message>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 needs a user name in the URL, as in mqtt://user@host/lab/meter1</source>
        <extracomment>%1 is the option --publish-password-file</extracomment>
        <translation>%1 erfordert einen Benutzernamen in der URL wie in mqtt://user@host/lab/meter1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>its first line is empty</source>
        <translation>ihre erste Zeile ist leer</translation>
    </message>
    <message>
        <source>%1: %2 (not &quot;%3&quot;)</source>
        <extracomment>%1 is the option --publish, %2 why the topic is refused, %3 the URL given</extracomment>
        <translation>%1: %2 (nicht „%3“)</translation>
    </message>
    <message>
        <source>a base topic is UTF-8 text, and its escapes do not decode to it</source>
        <translation>ein Basis-Topic ist UTF-8-Text, und seine Escape-Sequenzen ergeben keinen</translation>
    </message>
    <message>
        <source>a base topic cannot hold the control character %1</source>
        <extracomment>%1 the character as it is escaped in a URL, such as %00</extracomment>
        <translation>ein Basis-Topic darf das Steuerzeichen %1 nicht enthalten</translation>
    </message>
    <message>
        <source>a base topic has no wildcard + or #</source>
        <translation>ein Basis-Topic enthält keinen Platzhalter + oder #</translation>
    </message>
    <message>
        <source>a base topic cannot start with $: such topics ($SYS/…) are the broker&apos;s own, and it drops what clients publish there</source>
        <translation>ein Basis-Topic darf nicht mit $ beginnen: solche Topics ($SYS/…) gehören dem Broker, und er verwirft, was Clients dort veröffentlichen</translation>
    </message>
    <message>
        <source>the MQTT library does not take this base topic</source>
        <translation>die MQTT-Bibliothek nimmt dieses Basis-Topic nicht an</translation>
    </message>
    <message>
        <source>warning: the password file %1 can be read by other users (mode %2); let only its owner read it (chmod 600 %1)</source>
        <extracomment>%1 is a file, %2 its permissions in octal, such as 0644</extracomment>
        <translation>Warnung: die Passwortdatei %1 kann von anderen Benutzern gelesen werden (Modus %2); lassen Sie nur ihren Eigentümer sie lesen (chmod 600 %1)</translation>
    </message>
</context>
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
    <name>CheckedFile</name>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a regular file</source>
        <translation>es ist ein symbolischer Link, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a pipe (FIFO), not a regular file</source>
        <translation>es ist eine Pipe (FIFO), keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing, not a regular file</source>
        <translation>es ist ein symbolischer Link ins Leere, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, device or socket)</source>
        <translation>es ist keine reguläre Datei (eine Pipe, ein Gerät oder ein Socket)</translation>
    </message>
</context>
<context>
    <name>CheckedFileDevice</name>
    <message>
        <source>the file can only be written</source>
        <translation>die Datei kann nur geschrieben werden</translation>
    </message>
    <message>
        <source>the file was not written</source>
        <translation>die Datei wurde nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 erfordert einen Wert</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from %2 to %3 (not &quot;%4&quot;)</source>
        <extracomment>%1 is an option, %4 what was given</extracomment>
        <translation>%1 erwartet eine ganze Zahl von Sekunden von %2 bis %3 (nicht „%4“)</translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation>%1 erfordert ein Gerät</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 erfordert einen Dateinamen</translation>
    </message>
    <message>
        <source>%1 needs a number of seconds</source>
        <translation>%1 erfordert eine Zahl von Sekunden</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds, 1 or more (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation>%1 erwartet eine ganze Zahl von Sekunden, 1 oder mehr (nicht „%2“)</translation>
    </message>
    <message>
        <source>%1 takes a model of 300, 301, 302 or 303</source>
        <extracomment>%1 is an option</extracomment>
        <translation>%1 erwartet ein Modell 300, 301, 302 oder 303</translation>
    </message>
    <message>
        <source>%1 takes a number of seconds from 1 to %2</source>
        <extracomment>%1 is an option</extracomment>
        <translation>%1 erwartet eine Zahl von Sekunden von 1 bis %2</translation>
    </message>
    <message>
        <source>%1 needs a URL</source>
        <translation>%1 erfordert eine URL</translation>
    </message>
    <message>
        <source>%1 takes CHANNEL=LOW..HIGH with the channel 1 or 2 (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation>%1 erwartet CHANNEL=LOW..HIGH mit dem Kanal 1 oder 2 (nicht „%2“)</translation>
    </message>
    <message>
        <source>%1 takes a number of degrees, 0 or more (not &quot;%2&quot;)</source>
        <extracomment>%1 is an option, %2 what was given</extracomment>
        <translation>%1 erwartet eine Zahl von Grad, 0 oder mehr (nicht „%2“)</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation>%1 gilt nur zusammen mit %2</translation>
    </message>
    <message>
        <source>%1 goes with %2, in the window program</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation>%1 gilt nur zusammen mit %2, im Fensterbetrieb</translation>
    </message>
    <message>
        <source>%1 and %2 go with %3</source>
        <extracomment>%1, %2 and %3 are options</extracomment>
        <translation>%1 und %2 gelten nur zusammen mit %3</translation>
    </message>
    <message>
        <source>the %1 options go with %2; the window program sets its alarms in the Alarms dialog</source>
        <extracomment>%1 and %2 are options</extracomment>
        <translation>die Optionen %1 gelten nur zusammen mit %2; im Fensterbetrieb werden die Alarme im Dialog „Alarme“ eingestellt</translation>
    </message>
    <message>
        <source>%1, %2 and %3 go with %4 or %5</source>
        <extracomment>%1 to %5 are options</extracomment>
        <translation>%1, %2 und %3 gelten nur zusammen mit %4 oder %5</translation>
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
        <translation>Aufruf:
  brackwater [--port DEVICE]... [--demo [MODEL]] [--demo-history SECONDS]
             [--publish URL [--publish-password-file FILE] [--ha-discovery]]
  brackwater --record FILE [--every SECONDS] [--port DEVICE]... [--demo [MODEL]]
             [--publish URL [--publish-password-file FILE] [--ha-discovery]]
             [--alarm CHANNEL=LOW..HIGH]... [--alarm-delay SECONDS]
             [--alarm-hysteresis DEGREES] [--alarm-no-reading SECONDS]
             [--on-alarm COMMAND [--on-alarm-limit SECONDS]]
</translation>
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
        <translation>  --port DEVICE    ein serielles Gerät zur Liste der Schnittstellen hinzufügen
                   (wiederholbar), für Schnittstellen, die das System nicht
                   auflistet, etwa Pseudoterminals
  --demo [MODEL]   ein eingebautes simuliertes Messgerät betreiben (300, 301,
                   302 oder 303; Standard 303) und sein Gerät zur Liste der
                   Schnittstellen hinzufügen
  --demo-history SECONDS
                   mit --demo: Protokoll und Echtzeitdiagramm mit so viel
                   Vergangenheit des simulierten Messgeräts beginnen (bis zu
                   31 Tage)
  --record FILE    ohne Fenster aufzeichnen: das Messgerät suchen und alle
                   SECONDS Sekunden eine Zeile an FILE anhängen (durch
                   Tabulatoren getrennt, oder durch Kommas, wenn der Name auf
                   csv endet), bis zur Unterbrechung
  --every SECONDS  Aufzeichnungsintervall (Standard: gespeicherte Abtastrate)
  --publish URL    jede aufgezeichnete Zeile auch bei einem MQTT-Broker
                   veröffentlichen, unter mqtt://[user@]host[:port]/base/topic
                   (mqtts:// für TLS); das Passwort kommt aus
                   BRACKWATER_MQTT_PASSWORD oder aus
  --publish-password-file FILE
                   der ersten Zeile von FILE, nie aus der URL
  --ha-discovery   mit --publish: die Kanäle bei Home Assistant ankündigen
  --alarm CHANNEL=LOW..HIGH
                   mit --record: ein Alarm, wenn Kanal 1 (Hauptanzeige) oder 2
                   (Nebenanzeige) den Bereich verlässt, in der Einheit des
                   Messgeräts; ein Ende darf leer sein (1=..30, 2=-5..);
                   wiederholbar
  --alarm-delay SECONDS
                   so lange muss der Messwert erst jenseits des Grenzwerts
                   bleiben
  --alarm-hysteresis DEGREES
                   der Alarm wird aufgehoben, sobald der Messwert um so viele
                   Grad wieder innerhalb des Grenzwerts liegt
  --alarm-no-reading SECONDS
                   ein Alarm, wenn so lange kein Messwert kommt (5 oder mehr)
  --on-alarm COMMAND
                   COMMAND (ohne Shell) ausführen, wenn ein Alarm ausgelöst
                   wird, mit den Angaben in den Variablen BRACKWATER_ALARM_*;
                   beendet nach
  --on-alarm-limit SECONDS
                   Sekunden (Standard 30)
  --help           diese Hilfe anzeigen
  --version        die Version des Programms anzeigen
</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos;.</source>
        <extracomment>%1 is the command that shows the options</extracomment>
        <translation>Weitere Informationen mit „%1“.</translation>
    </message>
    <message>
        <source>%1 gives channel %2 twice (&quot;%3&quot; and &quot;%4&quot;); give each channel once</source>
        <extracomment>%1 is an option, %2 the channel, %3 and %4 what was given</extracomment>
        <translation>%1 nennt Kanal %2 zweimal („%3“ und „%4“); nennen Sie jeden Kanal einmal</translation>
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
    <name>HandlerGuard</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>HeadlessRecorder</name>
    <message>
        <source>writing %1 failed: %2; recording goes on, the rows wait in memory (a day of them at most) and are written when it works again</source>
        <translation>Schreiben in %1 fehlgeschlagen: %2; die Aufzeichnung läuft weiter, die Zeilen warten im Speicher (höchstens die eines Tages) und werden geschrieben, sobald es wieder geht</translation>
    </message>
    <message numerus="yes">
        <source>writing %1 works again: %n rows that waited written</source>
        <translation>
            <numerusform>Schreiben in %1 geht wieder: %n wartende Zeile geschrieben</numerusform>
            <numerusform>Schreiben in %1 geht wieder: %n wartende Zeilen geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the oldest %n rows beyond a day dropped</source>
        <translation>
            <numerusform>; die älteste %n Zeile über einen Tag hinaus verworfen</numerusform>
            <numerusform>; die ältesten %n Zeilen über einen Tag hinaus verworfen</numerusform>
        </translation>
    </message>
    <message>
        <source>a day of rows waits for %1: the oldest are dropped from now on</source>
        <translation>die Zeilen eines Tages warten auf %1: ab jetzt werden die ältesten verworfen</translation>
    </message>
    <message>
        <source>syncing %1 to the disk failed: %2; its last rows may be lost if the power fails</source>
        <translation>Synchronisieren von %1 mit dem Datenträger fehlgeschlagen: %2; die letzten Zeilen können bei einem Stromausfall verloren gehen</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written so far</source>
        <translation>
            <numerusform>%n Zeile bisher geschrieben</numerusform>
            <numerusform>%n Zeilen bisher geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>link lost: no frames from %1 for 5 s; waiting for the meter</source>
        <translation>Verbindung verloren: seit 5 s keine Datenrahmen von %1; warten auf das Messgerät</translation>
    </message>
    <message>
        <source>link back: %1</source>
        <translation>Verbindung wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>a meter answers at %1, plugged in since the search</source>
        <translation>ein Messgerät antwortet an %1, seit der Suche angeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n rows written to %1</source>
        <translation>
            <numerusform>beendet: %n Zeile in %1 geschrieben</numerusform>
            <numerusform>beendet: %n Zeilen in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n rows could not be written: %1</source>
        <translation>
            <numerusform>; %n Zeile konnte nicht geschrieben werden: %1</numerusform>
            <numerusform>; %n Zeilen konnten nicht geschrieben werden: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>waiting for the alarm command to end</source>
        <translation>warten, bis der Alarmbefehl endet</translation>
    </message>
    <message>
        <source>recording to %1, a row every %2 s</source>
        <translation>Aufzeichnung in %1, eine Zeile alle %2 s</translation>
    </message>
    <message>
        <source>alarms: %1</source>
        <translation>Alarme: %1</translation>
    </message>
    <message>
        <source>no meter answered on %1; searching again every %2 s and asking each port plugged in</source>
        <translation>kein Messgerät hat an %1 geantwortet; erneute Suche alle %2 s und Abfrage jeder neu angeschlossenen Schnittstelle</translation>
    </message>
    <message>
        <source>(no serial ports)</source>
        <translation>(keine seriellen Schnittstellen)</translation>
    </message>
    <message>
        <source>meter found: model %1 (%2) at %3</source>
        <extracomment>%1 the model&apos;s number, %2 what the model is, %3 the device</extracomment>
        <translation>Messgerät gefunden: Modell %1 (%2) an %3</translation>
    </message>
    <message>
        <source>cannot record to %1: %2</source>
        <translation>Aufzeichnung in %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>a different meter is connected at %1; not recording from it</source>
        <translation>an %1 ist ein anderes Messgerät angeschlossen; keine Aufzeichnung davon</translation>
    </message>
    <message>
        <source>no thermometer answers at %1; not recording from it</source>
        <translation>an %1 antwortet kein Thermometer; keine Aufzeichnung davon</translation>
    </message>
    <message>
        <source>%1 is in use by another program; not recording from it</source>
        <translation>%1 wird von einem anderen Programm verwendet; keine Aufzeichnung davon</translation>
    </message>
</context>
<context>
    <name>JournalContents</name>
    <message>
        <source>it holds fewer rows than when it was read first</source>
        <translation>es enthält weniger Zeilen als beim ersten Lesen</translation>
    </message>
    <message>
        <source>The journal &quot;%1&quot; could not be read: %2.</source>
        <translation>Das Journal „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>JournalQuestions</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message numerus="yes">
        <source>The last recording was not saved: %n rows from %1 to %2</source>
        <extracomment>%1 and %2 are the times of the first and the last row</extracomment>
        <translation>
            <numerusform>Die letzte Aufzeichnung wurde nicht gespeichert: %n Zeile von %1 bis %2</numerusform>
            <numerusform>Die letzte Aufzeichnung wurde nicht gespeichert: %n Zeilen von %1 bis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Saving to &quot;%1&quot; was cancelled.</source>
        <translation>Das Speichern in „%1“ wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The journal &quot;%1&quot; holds no recognisable row.</source>
        <translation>Das Journal „%1“ enthält keine erkennbare Zeile.</translation>
    </message>
    <message>
        <source>%1 It was set aside as &quot;%2&quot;.</source>
        <extracomment>%1 says what is wrong with the journal</extracomment>
        <translation>%1 Es wurde als „%2“ beiseitegelegt.</translation>
    </message>
    <message>
        <source>%1 It could not be set aside as &quot;%2&quot;.</source>
        <extracomment>%1 says what is wrong with the journal</extracomment>
        <translation>%1 Es konnte nicht als „%2“ beiseitegelegt werden.</translation>
    </message>
    <message numerus="yes">
        <source>An earlier recording was not saved: %n rows from %1 to %2</source>
        <extracomment>%1 and %2 are the times of the first and the last row; a later recording was not saved either and is offered next</extracomment>
        <translation>
            <numerusform>Eine frühere Aufzeichnung wurde nicht gespeichert: %n Zeile von %1 bis %2</numerusform>
            <numerusform>Eine frühere Aufzeichnung wurde nicht gespeichert: %n Zeilen von %1 bis %2</numerusform>
        </translation>
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
        <translation>Die Protokolldatei „%1“ konnte nicht geöffnet werden: sie ist kein Textprotokoll (%2).</translation>
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
    <name>LogFiles</name>
    <message>
        <source>No row before it was loaded.</source>
        <translation>Davor wurde keine Zeile geladen.</translation>
    </message>
    <message numerus="yes">
        <source>The %n rows before it were loaded.</source>
        <translation>
            <numerusform>Die %n Zeile davor wurde geladen.</numerusform>
            <numerusform>Die %n Zeilen davor wurden geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another file operation of the log is still running.</source>
        <translation>Ein anderer Dateivorgang des Protokolls läuft noch.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be read: %2.</source>
        <translation>Die Protokolldatei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Reading &quot;%1&quot; stopped at line %2, which is longer than %3 KiB. %4</source>
        <extracomment>%4 says how many rows before that line were loaded</extracomment>
        <translation>Das Lesen von „%1“ endete in Zeile %2, die länger als %3 KiB ist. %4</translation>
    </message>
    <message>
        <source>The log could not be written to &quot;%1&quot;: %2.</source>
        <translation>Das Protokoll konnte nicht in „%1“ geschrieben werden: %2.</translation>
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
    <name>Main</name>
    <message>
        <source>BRACKWATER is Already Running</source>
        <translation>BRACKWATER läuft bereits</translation>
    </message>
    <message>
        <source>the simulated meter could not start: %1</source>
        <translation>das simulierte Messgerät konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>The simulated meter could not start: %1</source>
        <translation>Das simulierte Messgerät konnte nicht starten: %1</translation>
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
    <name>MqttPublisher</name>
    <message>
        <source>it does not speak this protocol version</source>
        <translation>er beherrscht diese Protokollversion nicht</translation>
    </message>
    <message>
        <source>it rejected the client identifier</source>
        <translation>er hat die Client-Kennung abgelehnt</translation>
    </message>
    <message>
        <source>the server is unavailable</source>
        <translation>der Server ist nicht verfügbar</translation>
    </message>
    <message>
        <source>bad user name or password</source>
        <translation>falscher Benutzername oder falsches Passwort</translation>
    </message>
    <message>
        <source>not authorised (wrong user name or password?)</source>
        <translation>nicht autorisiert (falscher Benutzername oder falsches Passwort?)</translation>
    </message>
    <message>
        <source>publishing: the broker at %1 is back</source>
        <translation>Veröffentlichen: der Broker unter %1 ist wieder erreichbar</translation>
    </message>
    <message>
        <source>publishing to %1</source>
        <translation>Veröffentlichen unter %1</translation>
    </message>
    <message numerus="yes">
        <source>; %n readings waiting go out now</source>
        <translation>
            <numerusform>; %n wartender Messwert wird jetzt gesendet</numerusform>
            <numerusform>; %n wartende Messwerte werden jetzt gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n older ones were dropped meanwhile</source>
        <translation>
            <numerusform>; %n älterer wurde inzwischen verworfen</numerusform>
            <numerusform>; %n ältere wurden inzwischen verworfen</numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: connected</source>
        <translation>MQTT: verbunden</translation>
    </message>
    <message>
        <source>publishing: the broker at %1 refused the connection: %2; trying again, readings wait</source>
        <translation>Veröffentlichen: der Broker unter %1 hat die Verbindung abgelehnt: %2; neuer Versuch, Messwerte warten</translation>
    </message>
    <message>
        <source>MQTT: the broker refused</source>
        <translation>MQTT: vom Broker abgelehnt</translation>
    </message>
    <message>
        <source>publishing: TLS with the broker at %1 failed: %2; trying again, readings wait</source>
        <translation>Veröffentlichen: TLS mit dem Broker unter %1 fehlgeschlagen: %2; neuer Versuch, Messwerte warten</translation>
    </message>
    <message>
        <source>MQTT: TLS failed</source>
        <translation>MQTT: TLS fehlgeschlagen</translation>
    </message>
    <message>
        <source>publishing: lost the broker at %1: %2; readings wait until it is back (up to %3)</source>
        <translation>Veröffentlichen: Verbindung zum Broker unter %1 verloren: %2; Messwerte warten, bis er wieder erreichbar ist (bis zu %3)</translation>
    </message>
    <message>
        <source>MQTT: broker lost, readings wait</source>
        <translation>MQTT: getrennt, Messwerte warten</translation>
    </message>
    <message>
        <source>publishing: cannot reach the broker at %1: %2; trying again, readings wait</source>
        <translation>Veröffentlichen: der Broker unter %1 ist nicht erreichbar: %2; neuer Versuch, Messwerte warten</translation>
    </message>
    <message>
        <source>MQTT: cannot reach the broker</source>
        <translation>MQTT: Broker nicht erreichbar</translation>
    </message>
    <message numerus="yes">
        <source>publishing: %n readings wait, as many as are kept; the oldest are dropped until the broker is back</source>
        <translation>
            <numerusform>Veröffentlichen: %n Messwert wartet, so viele wie aufbewahrt werden; die ältesten werden verworfen, bis der Broker wieder erreichbar ist</numerusform>
            <numerusform>Veröffentlichen: %n Messwerte warten, so viele wie aufbewahrt werden; die ältesten werden verworfen, bis der Broker wieder erreichbar ist</numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: queue full, the oldest dropped</source>
        <translation>MQTT: Puffer voll, älteste verworfen</translation>
    </message>
    <message numerus="yes">
        <source>publishing: %n readings were not delivered%1</source>
        <extracomment>%1 is empty or says how many older readings were dropped</extracomment>
        <translation>
            <numerusform>Veröffentlichen: %n Messwert wurde nicht zugestellt%1</numerusform>
            <numerusform>Veröffentlichen: %n Messwerte wurden nicht zugestellt%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n older ones were dropped before</source>
        <translation>
            <numerusform>, und %n älterer wurde zuvor verworfen</numerusform>
            <numerusform>, und %n ältere wurden zuvor verworfen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MQTT: %n readings not delivered</source>
        <translation>
            <numerusform>MQTT: %n Messwert nicht zugestellt</numerusform>
            <numerusform>MQTT: %n Messwerte nicht zugestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>the broker sent a packet that breaks the protocol</source>
        <translation>der Broker hat ein Paket gesendet, das gegen das Protokoll verstößt</translation>
    </message>
    <message>
        <source>the host name could not be looked up</source>
        <translation>der Hostname konnte nicht aufgelöst werden</translation>
    </message>
    <message>
        <source>the broker did not answer in time</source>
        <translation>der Broker hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>error %1 of the MQTT library</source>
        <translation>Fehler %1 der MQTT-Bibliothek</translation>
    </message>
    <message>
        <source>publishing: the broker at %1 did not answer within %2 s; trying again, readings wait</source>
        <translation>Veröffentlichen: der Broker unter %1 hat nicht innerhalb von %2 s geantwortet; neuer Versuch, Messwerte warten</translation>
    </message>
    <message>
        <source>MQTT: the broker does not answer</source>
        <translation>MQTT: Broker antwortet nicht</translation>
    </message>
    <message>
        <source>it stopped answering (no reply within the keep-alive of %1 s)</source>
        <translation>er antwortet nicht mehr (keine Antwort innerhalb des Keep-Alive von %1 s)</translation>
    </message>
    <message numerus="yes">
        <source>publishing: the broker at %1 acknowledges readings again; %n readings wait</source>
        <translation>
            <numerusform>Veröffentlichen: der Broker unter %1 bestätigt wieder Messwerte; %n Messwert wartet</numerusform>
            <numerusform>Veröffentlichen: der Broker unter %1 bestätigt wieder Messwerte; %n Messwerte warten</numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: readings acknowledged again</source>
        <translation>MQTT: Messwerte wieder bestätigt</translation>
    </message>
    <message numerus="yes">
        <source>publishing: the broker at %1 has acknowledged no reading for %2 s; %n readings wait</source>
        <extracomment>%1 is the broker&apos;s host:port, %2 seconds</extracomment>
        <translation>
            <numerusform>Veröffentlichen: der Broker unter %1 hat seit %2 s keinen Messwert bestätigt; %n Messwert wartet</numerusform>
            <numerusform>Veröffentlichen: der Broker unter %1 hat seit %2 s keinen Messwert bestätigt; %n Messwerte warten</numerusform>
        </translation>
    </message>
    <message>
        <source>MQTT: readings not acknowledged</source>
        <translation>MQTT: Messwerte nicht bestätigt</translation>
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
    <name>PtyDevice</name>
    <message>
        <source>pseudo-terminals are not available on this system</source>
        <translation>Pseudoterminals sind auf diesem System nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>RecordingControls</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>No Connection</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>Thermometer is connected at %1</source>
        <translation>Thermometer ist an %1 angeschlossen</translation>
    </message>
    <message>
        <source>A different meter is connected at %1</source>
        <translation>Anderes Messgerät an %1 angeschlossen</translation>
    </message>
    <message>
        <source>No thermometer answers at %1</source>
        <translation>Kein Thermometer antwortet an %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>The port %1 was reopened; the meter answers as model %2.</source>
        <translation>Die Schnittstelle %1 wurde erneut geöffnet; das Messgerät antwortet als Modell %2.</translation>
    </message>
</context>
<context>
    <name>RowJournal</name>
    <message>
        <source>The journal &quot;%1&quot; could not be synced to the disk: %2. Its last rows may be lost if the power fails.</source>
        <translation>Das Journal „%1“ konnte nicht mit dem Datenträger synchronisiert werden: %2. Seine letzten Zeilen können bei einem Stromausfall verloren gehen.</translation>
    </message>
    <message>
        <source>The journal &quot;%1&quot; cannot be written: %2. Recording goes on; the rows wait and are written to the journal when that works again, but rows not saved will be lost if the program ends before.</source>
        <translation>Das Journal „%1“ kann nicht geschrieben werden: %2. Die Aufzeichnung läuft weiter; die Zeilen warten und werden ins Journal geschrieben, sobald das wieder geht, aber nicht gespeicherte Zeilen gehen verloren, wenn das Programm vorher endet.</translation>
    </message>
    <message numerus="yes">
        <source>The journal &quot;%1&quot; is written again: %n rows recorded meanwhile are in it.</source>
        <translation>
            <numerusform>Das Journal „%1“ wird wieder geschrieben: %n inzwischen aufgezeichnete Zeile ist darin.</numerusform>
            <numerusform>Das Journal „%1“ wird wieder geschrieben: %n inzwischen aufgezeichnete Zeilen sind darin.</numerusform>
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
    <name>SettingsStore</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>These alarm settings could not be read and are off: %1.</source>
        <translation>Diese Alarmeinstellungen konnten nicht gelesen werden und sind ausgeschaltet: %1.</translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; (%3)</source>
        <extracomment>a setting&apos;s key, the value stored and the default taken instead</extracomment>
        <translation>%1 = „%2“ (%3)</translation>
    </message>
    <message numerus="yes">
        <source>The settings file &quot;%1&quot; holds %n values that could not be read, which take their defaults: %2. The other settings are kept.</source>
        <extracomment>%1 is the settings file, %2 the values, each as KEY = &quot;VALUE&quot; (DEFAULT)</extracomment>
        <translation>
            <numerusform>Die Einstellungsdatei „%1“ enthält %n Wert, der nicht gelesen werden konnte und seinen Standardwert erhält: %2. Die übrigen Einstellungen bleiben erhalten.</numerusform>
            <numerusform>Die Einstellungsdatei „%1“ enthält %n Werte, die nicht gelesen werden konnten und ihre Standardwerte erhalten: %2. Die übrigen Einstellungen bleiben erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist and cannot be created</source>
        <translation>der Ordner „%1“ existiert nicht und kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>permission denied on the folder &quot;%1&quot;</source>
        <translation>keine Berechtigung für den Ordner „%1“</translation>
    </message>
    <message>
        <source>The settings could not be read from &quot;%1&quot;: %2.</source>
        <translation>Die Einstellungen konnten nicht aus „%1“ gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged or is not a settings file; what could not be read takes its default. The file is kept as &quot;%2&quot; when the settings are saved.</source>
        <translation>Die Einstellungsdatei „%1“ ist beschädigt oder keine Einstellungsdatei; was nicht gelesen werden konnte, erhält seinen Standardwert. Die Datei wird beim Speichern der Einstellungen als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The settings were not saved: the damaged file &quot;%1&quot; could not be kept as &quot;%2&quot;.</source>
        <translation>Die Einstellungen wurden nicht gespeichert: die beschädigte Datei „%1“ konnte nicht als „%2“ aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>the lock could not be taken</source>
        <translation>die Sperre konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <source>The lock file that keeps a second copy of BRACKWATER from starting cannot be created in the folder &quot;%1&quot;: %2. It was created in &quot;%3&quot; instead.</source>
        <translation>Die Sperrdatei, die den Start einer zweiten Kopie von BRACKWATER verhindert, kann im Ordner „%1“ nicht angelegt werden: %2. Sie wurde stattdessen in „%3“ angelegt.</translation>
    </message>
    <message>
        <source>The lock file that keeps a second copy of BRACKWATER from starting cannot be created in the folder &quot;%1&quot;: %2. BRACKWATER starts without it.</source>
        <translation>Die Sperrdatei, die den Start einer zweiten Kopie von BRACKWATER verhindert, kann im Ordner „%1“ nicht angelegt werden: %2. BRACKWATER startet ohne sie.</translation>
    </message>
    <message>
        <source>The lock file that keeps a second copy of BRACKWATER from starting cannot be created in the folder &quot;%1&quot;: %2, nor in &quot;%3&quot;: %4. BRACKWATER starts without it.</source>
        <translation>Die Sperrdatei, die den Start einer zweiten Kopie von BRACKWATER verhindert, kann weder im Ordner „%1“ angelegt werden: %2, noch in „%3“: %4. BRACKWATER startet ohne sie.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Acknowledge Alarm</source>
        <translation>Alarm quittieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Click Right Mouse</source>
        <translation>Mit der rechten Maustaste klicken</translation>
    </message>
    <message>
        <source>Alarms...</source>
        <translation>Alarme...</translation>
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
    <name>TfrmAlarms</name>
    <message>
        <source>Main display low limit</source>
        <translation>Hauptanzeige: Untergrenze</translation>
    </message>
    <message>
        <source>Main display high limit</source>
        <translation>Hauptanzeige: Obergrenze</translation>
    </message>
    <message>
        <source>Main display delay</source>
        <translation>Hauptanzeige: Verzögerung</translation>
    </message>
    <message>
        <source>Main display clears back inside by</source>
        <translation>Hauptanzeige: Hysterese</translation>
    </message>
    <message>
        <source>Second display low limit</source>
        <translation>Nebenanzeige: Untergrenze</translation>
    </message>
    <message>
        <source>Second display high limit</source>
        <translation>Nebenanzeige: Obergrenze</translation>
    </message>
    <message>
        <source>Second display delay</source>
        <translation>Nebenanzeige: Verzögerung</translation>
    </message>
    <message>
        <source>Second display clears back inside by</source>
        <translation>Nebenanzeige: Hysterese</translation>
    </message>
    <message>
        <source>The low limit of the main display must be below its high limit.</source>
        <translation>Die Untergrenze der Hauptanzeige muss unter ihrer Obergrenze liegen.</translation>
    </message>
    <message>
        <source>The low limit of the second display must be below its high limit.</source>
        <translation>Die Untergrenze der Nebenanzeige muss unter ihrer Obergrenze liegen.</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>Low limit</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>High limit</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Clears back inside by</source>
        <translation>Hysterese</translation>
    </message>
    <message>
        <source>Main display</source>
        <translation>Hauptanzeige</translation>
    </message>
    <message>
        <source>Second display</source>
        <translation>Nebenanzeige</translation>
    </message>
    <message>
        <source>How long a reading must stay beyond a limit before the alarm rises; 0: at once</source>
        <translation>Wie lange ein Messwert jenseits eines Grenzwerts bleiben muss, bevor der Alarm ausgelöst wird; 0: sofort</translation>
    </message>
    <message>
        <source>How far back inside the limit a reading must come before the alarm clears</source>
        <translation>Wie weit ein Messwert wieder innerhalb des Grenzwerts liegen muss, bevor der Alarm aufgehoben wird</translation>
    </message>
    <message>
        <source>An alarm below this temperature</source>
        <translation>Alarm unterhalb dieser Temperatur</translation>
    </message>
    <message>
        <source>An alarm above this temperature (&quot;OL&quot; counts as above)</source>
        <translation>Alarm oberhalb dieser Temperatur („OL“ zählt als darüber)</translation>
    </message>
    <message>
        <source>Degrees in</source>
        <translation>Grad in</translation>
    </message>
    <message>
        <source>Alarm when no reading comes for</source>
        <translation>Alarm, wenn kein Messwert kommt, nach</translation>
    </message>
    <message>
        <source>Sound until acknowledged</source>
        <translation>Signalton bis zum Quittieren</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Quittieren</translation>
    </message>
    <message>
        <source>Silence the sound; the alarm stays marked until it clears</source>
        <translation>Signalton abschalten; der Alarm bleibt markiert, bis er aufgehoben wird</translation>
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
        <source>The second display of this meter is a timer</source>
        <translation>Die Nebenanzeige dieses Messgeräts ist ein Timer</translation>
    </message>
    <message>
        <source>No alarm is up.</source>
        <translation>Kein Alarm aktiv.</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARM: %1</translation>
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
    <message>
        <source>&amp;Alarms...</source>
        <translation>&amp;Alarme...</translation>
    </message>
    <message>
        <source>No thermometer found</source>
        <translation>Kein Thermometer gefunden</translation>
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
    <message>
        <source>No THERMOMETER found</source>
        <translation>Kein THERMOMETER gefunden</translation>
    </message>
    <message>
        <source>Check the cable and that the meter</source>
        <translation>Prüfen Sie das Kabel und ob das Gerät</translation>
    </message>
    <message>
        <source>is switched on, then press Retry.</source>
        <translation>eingeschaltet ist; dann „Wiederholen“.</translation>
    </message>
    <message>
        <source>No THERMOMETER found. Check the cable and that the meter is switched on, then press Retry.</source>
        <translation>Kein THERMOMETER gefunden. Prüfen Sie das Kabel und ob das Gerät eingeschaltet ist, und klicken Sie dann auf „Wiederholen“.</translation>
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
        <extracomment>What screen readers call the window&apos;s table of recorded readings</extracomment>
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
        <translation>Der Desktop platziert die Fenster</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Open Control Window</source>
        <translation>Panel öffnen</translation>
    </message>
    <message>
        <source>Open Graph Window</source>
        <translation>Diagramm öffnen</translation>
    </message>
    <message>
        <source>Open Tabular Window</source>
        <translation>Tabelle öffnen</translation>
    </message>
    <message>
        <source>Test linking with THERMOMETER</source>
        <translation>THERMOMETER-Verbindung testen</translation>
    </message>
    <message>
        <source>On Line Help Information</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>Exit BRACKWATER</source>
        <translation>BRACKWATER beenden</translation>
    </message>
    <message>
        <source>auto arrange Panel,Graph,Tabular</source>
        <translation>Panel/Diagramm/Tabelle anordnen</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARM: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n recorded rows are not saved. Save them before exiting?</source>
        <translation>
            <numerusform>%n aufgezeichnete Zeile ist nicht gespeichert. Soll sie vor dem Beenden gespeichert werden?</numerusform>
            <numerusform>%n aufgezeichnete Zeilen sind nicht gespeichert. Sollen sie vor dem Beenden gespeichert werden?</numerusform>
        </translation>
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
        <source>Thermometer Link</source>
        <translation>Thermometer-Verbindung</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Arrange</source>
        <translation>Anordnen</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Link Test</source>
        <translation>Verbindungstest</translation>
    </message>
    <message>
        <source>Tabular</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <source>T1/T2 T1-T2</source>
        <extracomment>Caption printed on the meter&apos;s key of two-channel models</extracomment>
        <translation>T1/T2 T1-T2</translation>
    </message>
    <message>
        <source>TIMER</source>
        <extracomment>Caption printed on the meter&apos;s key of one-channel models</extracomment>
        <translation>TIMER</translation>
    </message>
    <message>
        <source>Meter display: No Link</source>
        <translation>Messgerät: keine Verbindung</translation>
    </message>
    <message>
        <source>Meter display: %1; second display: %2</source>
        <translation>Hauptanzeige: %1; Nebenanzeige: %2</translation>
    </message>
    <message>
        <source>Meter display: %1 (%2); second display: %3</source>
        <translation>Hauptanzeige: %1 (%2); Nebenanzeige: %3</translation>
    </message>
    <message>
        <source>Alarms...</source>
        <translation>Alarme...</translation>
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
    <name>TfrmResolu</name>
    <message>
        <source>800 X 600 or above display resolution is recommended 
for using BRACKWATER. Your display resolution is now
640X480, For best result, please change the resulution to 
800 x 600 or above later.</source>
        <translation>Für BRACKWATER wird eine Bildschirmauflösung von 
800 x 600 oder höher empfohlen. Ihre Auflösung ist
derzeit 640 x 480. Für das beste Ergebnis ändern Sie 
die Auflösung bitte später auf 800 x 600 oder höher.</translation>
    </message>
    <message>
        <source>Don&apos;t show this dialog next time.</source>
        <translation>Diesen Dialog nicht mehr anzeigen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Sampling Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>MM:SS</source>
        <extracomment>The rate entry&apos;s format: minutes and seconds</extracomment>
        <translation>MM:SS</translation>
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
<context>
    <name>UserFiles</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>WindowSet</name>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARM: %1</translation>
    </message>
    <message>
        <source>Brackwater: alarm</source>
        <translation>Brackwater: Alarm</translation>
    </message>
    <message>
        <source>Brackwater: alarm cleared</source>
        <translation>Brackwater: Alarm aufgehoben</translation>
    </message>
    <message>
        <source>Saving Progress</source>
        <translation>Fortschritt beim Speichern</translation>
    </message>
    <message>
        <source>savint.....</source>
        <translation>Wird gespeichert.....</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n rows from %1 to %2 for good?</source>
        <extracomment>%1 and %2 are the times of the first and the last row</extracomment>
        <translation>
            <numerusform>Die %n Zeile von %1 bis %2 endgültig verwerfen?</numerusform>
            <numerusform>Die %n Zeilen von %1 bis %2 endgültig verwerfen?</numerusform>
        </translation>
    </message>
</context>
</TS>
