<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FlowTexts</name>
    <message numerus="yes">
        <source>%1 plays column %2, row %3, turning %n discs</source>
        <translation>
            <numerusform>%1 plays column %2, row %3, turning %n disc</numerusform>
            <numerusform>%1 plays column %2, row %3, turning %n discs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>empty, legal move, turns %n disc</numerusform>
            <numerusform>empty, legal move, turns %n discs</numerusform>
        </translation>
    </message>
</context>
</TS>
