<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>HeadlessRecorder</name>
    <message numerus="yes">
        <source>writing %1 works again: %n rows that waited written</source>
        <translation>
            <numerusform>writing %1 works again: %n row that waited written</numerusform>
            <numerusform>writing %1 works again: %n rows that waited written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the oldest %n rows beyond a day dropped</source>
        <translation>
            <numerusform>; the oldest %n row beyond a day dropped</numerusform>
            <numerusform>; the oldest %n rows beyond a day dropped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows written so far</source>
        <translation>
            <numerusform>%n row written so far</numerusform>
            <numerusform>%n rows written so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n rows written to %1</source>
        <translation>
            <numerusform>stopped: %n row written to %1</numerusform>
            <numerusform>stopped: %n rows written to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n rows could not be written: %1</source>
        <translation>
            <numerusform>; %n row could not be written: %1</numerusform>
            <numerusform>; %n rows could not be written: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message numerus="yes">
        <source>The last recording was not saved: %n rows from %1 to %2</source>
        <extracomment>%1 and %2 are the times of the first and the last row</extracomment>
        <translation>
            <numerusform>The last recording was not saved: %n row from %1 to %2</numerusform>
            <numerusform>The last recording was not saved: %n rows from %1 to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An earlier recording was not saved: %n rows from %1 to %2</source>
        <extracomment>%1 and %2 are the times of the first and the last row; a later recording was not saved either and is offered next</extracomment>
        <translation>
            <numerusform>An earlier recording was not saved: %n row from %1 to %2</numerusform>
            <numerusform>An earlier recording was not saved: %n rows from %1 to %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogFiles</name>
    <message numerus="yes">
        <source>The %n rows before it were loaded.</source>
        <translation>
            <numerusform>The row before it was loaded.</numerusform>
            <numerusform>The %n rows before it were loaded.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MqttPublisher</name>
    <message numerus="yes">
        <source>; %n readings waiting go out now</source>
        <translation>
            <numerusform>; %n reading waiting goes out now</numerusform>
            <numerusform>; %n readings waiting go out now</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n older ones were dropped meanwhile</source>
        <translation>
            <numerusform>; %n older one was dropped meanwhile</numerusform>
            <numerusform>; %n older ones were dropped meanwhile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>publishing: %n readings wait, as many as are kept; the oldest are dropped until the broker is back</source>
        <translation>
            <numerusform>publishing: %n reading waits, as many as are kept; the oldest are dropped until the broker is back</numerusform>
            <numerusform>publishing: %n readings wait, as many as are kept; the oldest are dropped until the broker is back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>publishing: %n readings were not delivered%1</source>
        <extracomment>%1 is empty or says how many older readings were dropped</extracomment>
        <translation>
            <numerusform>publishing: %n reading was not delivered%1</numerusform>
            <numerusform>publishing: %n readings were not delivered%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, and %n older ones were dropped before</source>
        <translation>
            <numerusform>, and %n older one was dropped before</numerusform>
            <numerusform>, and %n older ones were dropped before</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MQTT: %n readings not delivered</source>
        <translation>
            <numerusform>MQTT: %n reading not delivered</numerusform>
            <numerusform>MQTT: %n readings not delivered</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>publishing: the broker at %1 acknowledges readings again; %n readings wait</source>
        <translation>
            <numerusform>publishing: the broker at %1 acknowledges readings again; %n reading waits</numerusform>
            <numerusform>publishing: the broker at %1 acknowledges readings again; %n readings wait</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>publishing: the broker at %1 has acknowledged no reading for %2 s; %n readings wait</source>
        <extracomment>%1 is the broker&apos;s host:port, %2 seconds</extracomment>
        <translation>
            <numerusform>publishing: the broker at %1 has acknowledged no reading for %2 s; %n reading waits</numerusform>
            <numerusform>publishing: the broker at %1 has acknowledged no reading for %2 s; %n readings wait</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RowJournal</name>
    <message numerus="yes">
        <source>The journal &quot;%1&quot; is written again: %n rows recorded meanwhile are in it.</source>
        <translation>
            <numerusform>The journal &quot;%1&quot; is written again: %n row recorded meanwhile is in it.</numerusform>
            <numerusform>The journal &quot;%1&quot; is written again: %n rows recorded meanwhile are in it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message numerus="yes">
        <source>The settings file &quot;%1&quot; holds %n values that could not be read, which take their defaults: %2. The other settings are kept.</source>
        <extracomment>%1 is the settings file, %2 the values, each as KEY = &quot;VALUE&quot; (DEFAULT)</extracomment>
        <translation>
            <numerusform>The settings file &quot;%1&quot; holds %n value that could not be read, which takes its default: %2. The other settings are kept.</numerusform>
            <numerusform>The settings file &quot;%1&quot; holds %n values that could not be read, which take their defaults: %2. The other settings are kept.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message numerus="yes">
        <source>%n recorded rows are not saved. Save them before exiting?</source>
        <translation>
            <numerusform>%n recorded row is not saved. Save it before exiting?</numerusform>
            <numerusform>%n recorded rows are not saved. Save them before exiting?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowSet</name>
    <message numerus="yes">
        <source>Discard the %n rows from %1 to %2 for good?</source>
        <extracomment>%1 and %2 are the times of the first and the last row</extracomment>
        <translation>
            <numerusform>Discard the %n row from %1 to %2 for good?</numerusform>
            <numerusform>Discard the %n rows from %1 to %2 for good?</numerusform>
        </translation>
    </message>
</context>
</TS>
