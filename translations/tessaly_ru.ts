<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>TfmGroupDecision</name>
    <message numerus="yes">
        <source>Пара «%1» и «%2»: её оценили %3 из %n экспертов.</source>
        <translation>
            <numerusform>Пара «%1» и «%2»: её оценили %3 из %n эксперта.</numerusform>
            <numerusform>Пара «%1» и «%2»: её оценили %3 из %n экспертов.</numerusform>
            <numerusform>Пара «%1» и «%2»: её оценили %3 из %n экспертов.</numerusform>
        </translation>
    </message>
</context>
</TS>
