<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>TfmRatings</name>
    <message numerus="yes">
        <source>Других ошибок: %n.</source>
        <translation>
            <numerusform>Других ошибок: %n.</numerusform>
            <numerusform>Других ошибок: %n.</numerusform>
            <numerusform>Других ошибок: %n.</numerusform>
        </translation>
    </message>
</context>
</TS>
