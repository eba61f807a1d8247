<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>RowJournal</name>
    <message numerus="yes">
        <source>The journal %1 is written again: %n rows recorded meanwhile are in it.</source>
        <translation>
            <numerusform>The journal %1 is written again: %n row recorded meanwhile is in it.</numerusform>
            <numerusform>The journal %1 is written again: %n rows recorded meanwhile are in it.</numerusform>
        </translation>
    </message>
</context>
</TS>
