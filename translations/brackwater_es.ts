<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TfrmMain</name>
    <message>
        <source>The desktop places the windows</source>
        <extracomment>Shown in the status bar after Arrange where the program cannot move windows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
