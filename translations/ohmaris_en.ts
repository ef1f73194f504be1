<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>ohmaris::Chooser</name>
    <message numerus="yes">
        <source>lab %1: %n row(s)</source>
        <translation>
            <numerusform>lab %1: %n row</numerusform>
            <numerusform>lab %1: %n rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ohmaris::ProtocolWindow</name>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not yet saved</source>
        <translation>
            <numerusform>%n not yet saved</numerusform>
            <numerusform>%n not yet saved</numerusform>
        </translation>
    </message>
</context>
</TS>
