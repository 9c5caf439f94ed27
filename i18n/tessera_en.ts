<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FlowTexts</name>
    <message numerus="yes">
        <source>%1 plays column %2, row %3, turning %n discs</source>
        <extracomment>Said by a screen reader after each move: %1 is the colour&apos;s name, %2 the column, %3 the row (both counted from 1), %n the discs the move turns.</extracomment>
        <translation type="vanished">
            <numerusform>%1 plays column %2, row %3, turning %n disc</numerusform>
            <numerusform>%1 plays column %2, row %3, turning %n discs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../flow/FlowTexts.h" line="+120"/>
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said by a screen reader after each move, the computer&apos;s too, so keep it as short: %1 is the colour&apos;s name, %2 the column, %3 the row (both counted from 1), %n the discs it turns.</extracomment>
        <translation>
            <numerusform>%1: column %2, row %3, %n disc</numerusform>
            <numerusform>%1: column %2, row %3, %n discs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message numerus="yes">
        <location filename="../view/ViewTexts.h" line="+32"/>
        <source>empty, legal move, turns %n discs</source>
        <extracomment>What a screen reader says of an empty board cell where the colour to move may play: %n is the number of discs the move would turn.</extracomment>
        <translation>
            <numerusform>empty, legal move, turns %n disc</numerusform>
            <numerusform>empty, legal move, turns %n discs</numerusform>
        </translation>
    </message>
</context>
</TS>
