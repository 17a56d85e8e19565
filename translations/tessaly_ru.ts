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
<context>
    <name>IncompleteJudgementsText</name>
    <message numerus="yes">
        <source>задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены</source>
        <translation>
            <numerusform>задано %1 из %n сравнения. Недостаточно: группы %2 не сравнены</numerusform>
            <numerusform>задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены</numerusform>
            <numerusform>задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены</source>
        <translation>
            <numerusform>Задано %1 из %n сравнения. Недостаточно: группы %2 не сравнены</numerusform>
            <numerusform>Задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены</numerusform>
            <numerusform>Задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>задано %1 из %n сравнений</source>
        <translation>
            <numerusform>задано %1 из %n сравнения</numerusform>
            <numerusform>задано %1 из %n сравнений</numerusform>
            <numerusform>задано %1 из %n сравнений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Задано %1 из %n сравнений</source>
        <translation>
            <numerusform>Задано %1 из %n сравнения</numerusform>
            <numerusform>Задано %1 из %n сравнений</numerusform>
            <numerusform>Задано %1 из %n сравнений</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RatingWarnings</name>
    <message numerus="yes">
        <source>%n альтернатив оценены не по всем критериям.</source>
        <translation>
            <numerusform>%n альтернатива оценена не по всем критериям.</numerusform>
            <numerusform>%n альтернативы оценены не по всем критериям.</numerusform>
            <numerusform>%n альтернатив оценены не по всем критериям.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportContent</name>
    <message numerus="yes">
        <source>«%1» важнее не в %2, а в %n раз</source>
        <translation>
            <numerusform>«%1» важнее не в %2, а в %n раз</numerusform>
            <numerusform>«%1» важнее не в %2, а в %n раза</numerusform>
            <numerusform>«%1» важнее не в %2, а в %n раз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>суждение наоборот: теперь «%1» важнее в %n раз</source>
        <translation>
            <numerusform>суждение наоборот: теперь «%1» важнее в %n раз</numerusform>
            <numerusform>суждение наоборот: теперь «%1» важнее в %n раза</numerusform>
            <numerusform>суждение наоборот: теперь «%1» важнее в %n раз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>теперь «%1» важнее в %n раз</source>
        <translation>
            <numerusform>теперь «%1» важнее в %n раз</numerusform>
            <numerusform>теперь «%1» важнее в %n раза</numerusform>
            <numerusform>теперь «%1» важнее в %n раз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>остальные суждения говорят: «%1» важнее примерно в %n раз — возможно, суждение введено наоборот</source>
        <translation>
            <numerusform>остальные суждения говорят: «%1» важнее примерно в %n раз — возможно, суждение введено наоборот</numerusform>
            <numerusform>остальные суждения говорят: «%1» важнее примерно в %n раза — возможно, суждение введено наоборот</numerusform>
            <numerusform>остальные суждения говорят: «%1» важнее примерно в %n раз — возможно, суждение введено наоборот</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2. Результат опирается на суждения, которые стоит пересмотреть.</source>
        <translation>
            <numerusform>Внимание: согласованность суждений недостаточна в %n матрице из %1: %2. Результат опирается на суждения, которые стоит пересмотреть.</numerusform>
            <numerusform>Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2. Результат опирается на суждения, которые стоит пересмотреть.</numerusform>
            <numerusform>Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2. Результат опирается на суждения, которые стоит пересмотреть.</numerusform>
        </translation>
    </message>
</context>
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
