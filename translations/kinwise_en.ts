<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>kinwise::ResultWindow</name>
    <message numerus="yes">
        <source>%n bar(s)</source>
        <extracomment>Bars of a Mayan numeral, each worth five.</extracomment>
        <translation>
            <numerusform>%n bar</numerusform>
            <numerusform>%n bars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dot(s)</source>
        <extracomment>Dots of a Mayan numeral, each worth one.</extracomment>
        <translation>
            <numerusform>%n dot</numerusform>
            <numerusform>%n dots</numerusform>
        </translation>
    </message>
</context>
</TS>
