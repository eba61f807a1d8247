<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>TfrmList</name>
    <message>
        <source>Recorded readings</source>
        <extracomment>What screen readers call the window&apos;s table of recorded readings</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
