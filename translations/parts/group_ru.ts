<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>GroupReportContent</name>
    <message numerus="yes">
        <source>Файл %1: уровней %n, а в %2 — %3</source>
        <translation>
            <numerusform>Файл %1: уровней %n, а в %2 — %3</numerusform>
            <numerusform>Файл %1: уровней %n, а в %2 — %3</numerusform>
            <numerusform>Файл %1: уровней %n, а в %2 — %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: на уровне %2 элементов %n, а в %3 — %4</source>
        <translation>
            <numerusform>Файл %1: на уровне %2 элементов %n, а в %3 — %4</numerusform>
            <numerusform>Файл %1: на уровне %2 элементов %n, а в %3 — %4</numerusform>
            <numerusform>Файл %1: на уровне %2 элементов %n, а в %3 — %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: у критерия «%2» подкритериев %n, а в %3 — %4</source>
        <translation>
            <numerusform>Файл %1: у критерия «%2» подкритериев %n, а в %3 — %4</numerusform>
            <numerusform>Файл %1: у критерия «%2» подкритериев %n, а в %3 — %4</numerusform>
            <numerusform>Файл %1: у критерия «%2» подкритериев %n, а в %3 — %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: альтернатив %n, а в %2 — %3</source>
        <translation>
            <numerusform>Файл %1: альтернатив %n, а в %2 — %3</numerusform>
            <numerusform>Файл %1: альтернатив %n, а в %2 — %3</numerusform>
            <numerusform>Файл %1: альтернатив %n, а в %2 — %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: шкал %n, а в %2 — %3</source>
        <translation>
            <numerusform>Файл %1: шкал %n, а в %2 — %3</numerusform>
            <numerusform>Файл %1: шкал %n, а в %2 — %3</numerusform>
            <numerusform>Файл %1: шкал %n, а в %2 — %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: у шкалы «%2» интенсивностей %n, а в %3 — %4</source>
        <translation>
            <numerusform>Файл %1: у шкалы «%2» интенсивностей %n, а в %3 — %4</numerusform>
            <numerusform>Файл %1: у шкалы «%2» интенсивностей %n, а в %3 — %4</numerusform>
            <numerusform>Файл %1: у шкалы «%2» интенсивностей %n, а в %3 — %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2.</source>
        <extracomment>%n counts the group&apos;s matrices that are not acceptable, %1 all of its matrices, %2 names them</extracomment>
        <translation>
            <numerusform>Внимание: согласованность суждений недостаточна в %n матрице из %1: %2.</numerusform>
            <numerusform>Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2.</numerusform>
            <numerusform>Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
