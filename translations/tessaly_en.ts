<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>CDeviationGrid</name>
    <message>
        <source>Отклонения суждений от отношений приоритетов</source>
        <translation>Deviations of the judgements from the priority ratios</translation>
    </message>
</context>
<context>
    <name>CDocumentLifecycle</name>
    <message>
        <source>Проект TESSALY (*.tsy)</source>
        <translation>TESSALY project (*.tsy)</translation>
    </message>
    <message>
        <source>Проект TESSALY (*.tsy *.tsj)</source>
        <translation>TESSALY project (*.tsy *.tsj)</translation>
    </message>
    <message>
        <source>Дерево критериев TESSALY (*.tsj)</source>
        <translation>TESSALY criteria tree (*.tsj)</translation>
    </message>
    <message>
        <source>Шаблон TESSALY (*.htp)</source>
        <translation>TESSALY template (*.htp)</translation>
    </message>
    <message>
        <source>Шаблон дерева TESSALY (*.tsj)</source>
        <translation>TESSALY tree template (*.tsj)</translation>
    </message>
    <message>
        <source>Шаблон TESSALY (*.htp *.tsj)</source>
        <translation>TESSALY template (*.htp *.tsj)</translation>
    </message>
    <message>
        <source>Файл проекта (*.tsy)</source>
        <translation>Project file (*.tsy)</translation>
    </message>
</context>
<context>
    <name>CGroupLifecycle</name>
    <message>
        <source>Файлы экспертов изменились, и группу не удалось пересчитать. Её показатели устарели.
%1</source>
        <extracomment>%1 says why the group could not be read again</extracomment>
        <translation>The experts&apos; files have changed, and the group could not be recalculated. Its figures are out of date.
%1</translation>
    </message>
    <message>
        <source>Группа экспертов TESSALY (*.tsg)</source>
        <translation>TESSALY expert group (*.tsg)</translation>
    </message>
    <message>
        <source>Сохранить изменения в группе экспертов?</source>
        <translation>Save the changes to the expert group?</translation>
    </message>
    <message>
        <source>Сохранить группу экспертов в файле?</source>
        <translation>Save the expert group to a file?</translation>
    </message>
</context>
<context>
    <name>CRatingBars</name>
    <message>
        <source>%1, не все оценки</source>
        <translation>%1, not fully rated</translation>
    </message>
</context>
<context>
    <name>CRatingResultsModel</name>
    <message>
        <source>не все оценки</source>
        <translation>not fully rated</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Альтернатива</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Доля</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>CRatingResultsView</name>
    <message>
        <source>Итоговый результат: оценки по шкалам</source>
        <translation>Final result: ratings</translation>
    </message>
    <message>
        <source>Ведущие альтернативы по оценке</source>
        <translation>Leading alternatives by score</translation>
    </message>
    <message>
        <source>Альтернативы по оценке</source>
        <translation>Alternatives by score</translation>
    </message>
    <message>
        <source>Оценка 1 означает лучшую интенсивность по всем критериям; доля — оценка альтернативы, делённая на сумму оценок всех альтернатив.</source>
        <translation>A score of 1 means the best intensity on every criterion; the share is the alternative&apos;s score divided by the sum of the scores of all alternatives.</translation>
    </message>
    <message>
        <source>Доли альтернатив</source>
        <translation>Shares of the alternatives</translation>
    </message>
    <message>
        <source>Первые %1 альтернатив по оценке из %2</source>
        <translation>Top %1 of %2 alternatives by score</translation>
    </message>
</context>
<context>
    <name>CRatingTableModel</name>
    <message>
        <source>Альтернатива</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Балл</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Доля</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>не оценено</source>
        <translation>not rated</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A cell&apos;s tooltip, and what a screen reader says of it: the alternative, the column&apos;s title (a criterion, &quot;Балл&quot;, ...), the cell&apos;s value.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1 (не все оценки)</source>
        <translation>%1 (not fully rated)</translation>
    </message>
</context>
<context>
    <name>CReportPageWriter</name>
    <message>
        <source>Страница %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>CResultsView</name>
    <message>
        <source>Итоговый результат</source>
        <translation>Final result</translation>
    </message>
    <message>
        <source>Альтернатива</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Настройки диаграммы</source>
        <translation>Chart settings</translation>
    </message>
    <message>
        <source>Повернуть диаграмму:</source>
        <translation>Rotate the chart:</translation>
    </message>
    <message>
        <source>Увеличить диаграмму:</source>
        <translation>Enlarge the chart:</translation>
    </message>
    <message>
        <source>Выделить наибольшую:</source>
        <translation>Pull out the largest:</translation>
    </message>
    <message>
        <source>Смещение по горизонтали:</source>
        <translation>Horizontal offset:</translation>
    </message>
    <message>
        <source>Смещение по вертикали:</source>
        <translation>Vertical offset:</translation>
    </message>
</context>
<context>
    <name>CSensitivityGradient</name>
    <message>
        <source>Приоритет альтернативы</source>
        <translation>Priority of the alternative</translation>
    </message>
    <message>
        <source>текущий вес</source>
        <translation>current weight</translation>
    </message>
    <message>
        <source>смена мест</source>
        <translation>change of places</translation>
    </message>
    <message>
        <source>Смена мест альтернатив</source>
        <translation>Changes of places among the alternatives</translation>
    </message>
    <message>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Альтернативы</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>Впереди после</source>
        <translation>Ahead afterwards</translation>
    </message>
</context>
<context>
    <name>CTreeOutlineModel</name>
    <message>
        <source>шкала «%1»</source>
        <extracomment>The consistency column of a rated criterion: the scale its alternatives are rated on.</extracomment>
        <translation>scale “%1”</translation>
    </message>
    <message>
        <source>без сравнений</source>
        <extracomment>The last part of what a screen reader says of a criterion: the state of its judgements.</extracomment>
        <translation>no comparisons</translation>
    </message>
    <message>
        <source>приоритетов нет</source>
        <translation>no priorities</translation>
    </message>
    <message>
        <source>согласованность недостаточна</source>
        <translation>consistency is not acceptable</translation>
    </message>
    <message>
        <source>согласованность достаточна</source>
        <translation>consistency is acceptable</translation>
    </message>
    <message>
        <source>%1, цель, %2</source>
        <extracomment>What a screen reader says of the goal: its name, then the state of its judgements (&quot;согласованность достаточна&quot;, &quot;без сравнений&quot;, ...).</extracomment>
        <translation>%1, goal, %2</translation>
    </message>
    <message>
        <source>нет</source>
        <extracomment>In place of a criterion&apos;s local priority where its parent&apos;s judgements give none.</extracomment>
        <translation>none</translation>
    </message>
    <message>
        <source>%1, уровень %2, локальный приоритет %3, глобальный приоритет %4, %5</source>
        <extracomment>What a screen reader says of a criterion: name, level number, local and global priority, then the state of its judgements (&quot;согласованность достаточна&quot;, &quot;без сравнений&quot;, ...).</extracomment>
        <translation>%1, level %2, local priority %3, global priority %4, %5</translation>
    </message>
    <message>
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Локальный</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Глобальный</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Согласованность</source>
        <translation>Consistency</translation>
    </message>
</context>
<context>
    <name>CWideExpertTable</name>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
</context>
<context>
    <name>ConcordanceBand</name>
    <message>
        <source>очень слабое согласие</source>
        <translation>very weak agreement</translation>
    </message>
    <message>
        <source>слабое согласие</source>
        <translation>weak agreement</translation>
    </message>
    <message>
        <source>умеренное согласие</source>
        <translation>moderate agreement</translation>
    </message>
    <message>
        <source>сильное согласие</source>
        <translation>strong agreement</translation>
    </message>
    <message>
        <source>очень сильное согласие</source>
        <translation>very strong agreement</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Глобальный приоритет</source>
        <translation>Global priority</translation>
    </message>
    <message>
        <source>Локальный приоритет</source>
        <translation>Local priority</translation>
    </message>
    <message>
        <source>Локальные приоритеты относительно элемента «%1» (уровень %2, № %3)</source>
        <translation>Local priorities with respect to “%1” (level %2, no. %3)</translation>
    </message>
    <message>
        <source>Локальные приоритеты относительно элемента «%1»</source>
        <translation>Local priorities with respect to “%1”</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Шкала</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Интенсивность</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>Идеальное значение</source>
        <translation>Ideal value</translation>
    </message>
    <message>
        <source>Все оценки</source>
        <translation>Fully rated</translation>
    </message>
    <message>
        <source>Глобальные приоритеты критериев</source>
        <translation>Global priorities of the criteria</translation>
    </message>
</context>
<context>
    <name>Deviations</name>
    <message>
        <source>Информация о нарушении транзитивности -- отсутствует!</source>
        <translation>No intransitive triads found.</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DocumentPhrases</name>
    <message>
        <source>добавление элемента на уровень %1</source>
        <translation>add element to level %1</translation>
    </message>
    <message>
        <source>удаление элемента «%1»</source>
        <translation>delete element “%1”</translation>
    </message>
    <message>
        <source>добавление уровня %1</source>
        <translation>add level %1</translation>
    </message>
    <message>
        <source>удаление уровня %1</source>
        <translation>delete level %1</translation>
    </message>
    <message>
        <source>сравнения относительно «%1»</source>
        <translation>comparisons with respect to “%1”</translation>
    </message>
    <message>
        <source>переименование «%1» в «%2»</source>
        <translation>rename “%1” to “%2”</translation>
    </message>
    <message>
        <source>изменение комментария элемента «%1»</source>
        <translation>edit the comment of element “%1”</translation>
    </message>
    <message>
        <source>изменение элемента «%1»</source>
        <translation>edit element “%1”</translation>
    </message>
    <message>
        <source>добавление критерия «%1»</source>
        <translation>add criterion “%1”</translation>
    </message>
    <message>
        <source>удаление критерия «%1»</source>
        <translation>delete criterion “%1”</translation>
    </message>
    <message>
        <source>перемещение критерия «%1»</source>
        <translation>move criterion “%1”</translation>
    </message>
    <message>
        <source>изменение комментария критерия «%1»</source>
        <translation>edit the comment of criterion “%1”</translation>
    </message>
    <message>
        <source>изменение критерия «%1»</source>
        <translation>edit criterion “%1”</translation>
    </message>
    <message>
        <source>добавление альтернативы «%1»</source>
        <translation>add alternative “%1”</translation>
    </message>
    <message>
        <source>удаление альтернативы «%1»</source>
        <translation>delete alternative “%1”</translation>
    </message>
    <message>
        <source>перемещение альтернативы «%1»</source>
        <translation>move alternative “%1”</translation>
    </message>
    <message>
        <source>изменение комментария альтернативы «%1»</source>
        <translation>edit the comment of alternative “%1”</translation>
    </message>
    <message>
        <source>изменение альтернативы «%1»</source>
        <translation>edit alternative “%1”</translation>
    </message>
    <message>
        <source>преобразование в дерево</source>
        <translation>convert to tree</translation>
    </message>
    <message>
        <source>оценка альтернатив по шкалам</source>
        <translation>evaluate alternatives by ratings</translation>
    </message>
    <message>
        <source>оценка альтернатив попарно</source>
        <translation>evaluate alternatives in pairs</translation>
    </message>
    <message>
        <source>оценка «%1» по критерию «%2»</source>
        <translation>rate “%1” under criterion “%2”</translation>
    </message>
    <message>
        <source>импорт оценок</source>
        <translation>import ratings</translation>
    </message>
    <message>
        <source>выбор шкалы критерия «%1»</source>
        <translation>choose the scale of criterion “%1”</translation>
    </message>
    <message>
        <source>добавление шкалы «%1»</source>
        <translation>add scale “%1”</translation>
    </message>
    <message>
        <source>изменение шкалы «%1»</source>
        <translation>edit scale “%1”</translation>
    </message>
    <message>
        <source>удаление шкалы «%1»</source>
        <translation>delete scale “%1”</translation>
    </message>
    <message>
        <source>Альтернатива</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Балл</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Доля</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Файл пуст: нет первой строки с названиями критериев.</source>
        <translation>The file is empty: there is no first row with the names of the criteria.</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: кавычка, открытая перед «%3», не закрыта до конца файла.</source>
        <translation>Row %1, column %2: the quotation mark opened before “%3” is not closed by the end of the file.</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: нет оцениваемого критерия «%3».</source>
        <translation>Row %1, column %2: there is no rated criterion “%3”.</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: критерий «%3» уже назван в другом столбце.</source>
        <translation>Row %1, column %2: criterion “%3” is already named in another column.</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: нет альтернативы «%3».</source>
        <translation>Row %1, column %2: there is no alternative “%3”.</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: альтернатива «%3» уже названа в другой строке.</source>
        <translation>Row %1, column %2: alternative “%3” is already named in another row.</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: в шкале критерия нет интенсивности «%3».</source>
        <translation>Row %1, column %2: the criterion&apos;s scale has no intensity “%3”.</translation>
    </message>
    <message>
        <source>Строка %1, столбец %2: значение «%3» стоит правее последнего столбца таблицы.</source>
        <translation>Row %1, column %2: the value “%3” lies to the right of the table&apos;s last column.</translation>
    </message>
    <message>
        <source>Проект не является деревом критериев.</source>
        <translation>The project is not a criteria tree.</translation>
    </message>
    <message>
        <source>проект уже дерево критериев</source>
        <translation>the project is already a criteria tree</translation>
    </message>
    <message>
        <source>уровни проекта не образуют иерархии</source>
        <translation>the levels of the project do not form a hierarchy</translation>
    </message>
</context>
<context>
    <name>ExpertScaleTable</name>
    <message>
        <source>&lt;&lt;промежуточное значение&gt;&gt;</source>
        <translation>&lt;&lt;intermediate value&gt;&gt;</translation>
    </message>
    <message>
        <source>A по значимости абсолютно превосходит B</source>
        <translation>A is absolutely more important than B</translation>
    </message>
    <message>
        <source>A явно важнее B</source>
        <translation>A is very strongly more important than B</translation>
    </message>
    <message>
        <source>A значительно важнее B</source>
        <translation>A is strongly more important than B</translation>
    </message>
    <message>
        <source>A незначительно важнее B</source>
        <translation>A is slightly more important than B</translation>
    </message>
    <message>
        <source>A и B одинаково важны</source>
        <translation>A and B are equally important</translation>
    </message>
    <message>
        <source>B незначительно важнее A</source>
        <translation>B is slightly more important than A</translation>
    </message>
    <message>
        <source>B значительно важнее A</source>
        <translation>B is strongly more important than A</translation>
    </message>
    <message>
        <source>B явно важнее A</source>
        <translation>B is very strongly more important than A</translation>
    </message>
    <message>
        <source>B по значимости абсолютно превосходит A</source>
        <translation>B is absolutely more important than A</translation>
    </message>
</context>
<context>
    <name>GroupOpening</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Групповое решение</source>
        <translation>Group decision</translation>
    </message>
    <message>
        <source>Чтение файлов экспертов...</source>
        <translation>Reading the experts&apos; files...</translation>
    </message>
    <message>
        <source>Расчёт показателей группы...</source>
        <translation>Computing the group&apos;s figures...</translation>
    </message>
</context>
<context>
    <name>GroupReport</name>
    <message>
        <source>уровней: %1, альтернатив: %2</source>
        <translation>levels: %1, alternatives: %2</translation>
    </message>
    <message>
        <source>дерево критериев: критериев %1, альтернатив %2</source>
        <translation>criteria tree; criteria: %1, alternatives: %2</translation>
    </message>
    <message>
        <source>Групповое решение</source>
        <translation>Group decision</translation>
    </message>
    <message>
        <source>Цель</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Файл группы</source>
        <translation>Group file</translation>
    </message>
    <message>
        <source>группа не сохранена</source>
        <translation>group not saved</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Структура</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Экспертов</source>
        <translation>Experts</translation>
    </message>
    <message>
        <source>%1, веса учитываются</source>
        <translation>%1, weights taken into account</translation>
    </message>
    <message>
        <source>%1, веса не учитываются (все равны)</source>
        <translation>%1, weights not taken into account (all equal)</translation>
    </message>
    <message>
        <source>Показаны первые %1 и последние %2 экспертов из %3; все эксперты с весами и долями — в экспорте CSV.</source>
        <translation>The first %1 and the last %2 of %3 experts are shown; the CSV export lists every expert with weight and share.</translation>
    </message>
    <message>
        <source>Групповое решение: %1</source>
        <translation>Group decision: %1</translation>
    </message>
    <message>
        <source>%1 %2 — программа поддержки принятия рациональных решений</source>
        <translation>%1 %2 — software for rational decision making</translation>
    </message>
    <message>
        <source>Групповые суждения и согласие</source>
        <translation>Group judgements and consensus</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <extracomment>The date&apos;s format (Qt&apos;s QDate format), as a reader of the language writes a date.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>GroupReportContent</name>
    <message>
        <source>Групповое решение - %1</source>
        <translation>Group decision - %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A figure in percent</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Элемент уровня %1</source>
        <extracomment>The first column of an element&apos;s tables: the elements of the level below it</extracomment>
        <translation>Level %1 element</translation>
    </message>
    <message>
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Подкритерий</source>
        <translation>Sub-criterion</translation>
    </message>
    <message>
        <source>Эксперт %1: не указан файл</source>
        <translation>Expert %1: no file is given</translation>
    </message>
    <message>
        <source>Эксперт %1: %2</source>
        <extracomment>%2 is the rule the weight breaks</extracomment>
        <translation>Expert %1: %2</translation>
    </message>
    <message>
        <source>Эксперт %1: файл «%2» уже указан для эксперта %3</source>
        <translation>Expert %1: the file “%2” is already given for expert %3</translation>
    </message>
    <message>
        <source>Эксперт %1: файл «%2» — дерево критериев, а «%3» — проект с полными уровнями; в одной группе файлы экспертов одного вида</source>
        <translation>Expert %1: the file “%2” is a criteria tree, but “%3” is a project with complete levels; the experts&apos; files of one group are all of one kind</translation>
    </message>
    <message>
        <source>Эксперт %1: файл «%2» — проект с полными уровнями, а «%3» — дерево критериев; в одной группе файлы экспертов одного вида</source>
        <translation>Expert %1: the file “%2” is a project with complete levels, but “%3” is a criteria tree; the experts&apos; files of one group are all of one kind</translation>
    </message>
    <message>
        <source>Эксперт %1: в файле нет иерархии</source>
        <translation>Expert %1: the file holds no hierarchy</translation>
    </message>
    <message>
        <source>Эксперт %1 «%2»: %3</source>
        <extracomment>%3 is the reader&apos;s message</extracomment>
        <translation>Expert %1 “%2”: %3</translation>
    </message>
    <message>
        <source>... и ещё %1</source>
        <extracomment>The problems of a long list that are not named, counted</extracomment>
        <translation>... and %1 more</translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: уровней %n, а в %2 — %3</source>
        <translation>
            <numerusform>File %1 has %n level, while %2 has %3</numerusform>
            <numerusform>File %1 has %n levels, while %2 has %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: на уровне %2 элементов %n, а в %3 — %4</source>
        <translation>
            <numerusform>File %1 has %n element on level %2, while %3 has %4</numerusform>
            <numerusform>File %1 has %n elements on level %2, while %3 has %4</numerusform>
        </translation>
    </message>
    <message>
        <source>Файл %1: на уровне %2 элемент %3 называется «%4», а в %5 — «%6»</source>
        <translation>File %1: element %3 on level %2 is called “%4”, but in %5 it is “%6”</translation>
    </message>
    <message>
        <source>Файл %1: иерархия — дерево критериев, а в %2 — полные уровни</source>
        <translation>File %1 holds a criteria tree, but %2 holds complete levels</translation>
    </message>
    <message>
        <source>Файл %1: иерархия — полные уровни, а в %2 — дерево критериев</source>
        <translation>File %1 holds complete levels, but %2 holds a criteria tree</translation>
    </message>
    <message>
        <source>Файл %1: цель называется «%2», а в %3 — «%4»</source>
        <translation>File %1: the goal is called “%2”, but in %3 it is “%4”</translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: у критерия «%2» подкритериев %n, а в %3 — %4</source>
        <translation>
            <numerusform>File %1: the criterion “%2” has %n sub-criterion, while in %3 it has %4</numerusform>
            <numerusform>File %1: the criterion “%2” has %n sub-criteria, while in %3 it has %4</numerusform>
        </translation>
    </message>
    <message>
        <source>Файл %1: у критерия «%2» подкритерий %3 называется «%4», а в %5 — «%6»</source>
        <translation>File %1: sub-criterion %3 of the criterion “%2” is called “%4”, but in %5 it is “%6”</translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: альтернатив %n, а в %2 — %3</source>
        <translation>
            <numerusform>File %1 has %n alternative, while %2 has %3</numerusform>
            <numerusform>File %1 has %n alternatives, while %2 has %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Файл %1: альтернатива %2 называется «%3», а в %4 — «%5»</source>
        <translation>File %1: alternative %2 is called “%3”, but in %4 it is “%5”</translation>
    </message>
    <message>
        <source>Файл %1: альтернативы оцениваются по шкалам, а в %2 — попарно</source>
        <translation>File %1 evaluates the alternatives by ratings, but %2 compares them in pairs</translation>
    </message>
    <message>
        <source>Файл %1: альтернативы оцениваются попарно, а в %2 — по шкалам</source>
        <translation>File %1 compares the alternatives in pairs, but %2 evaluates them by ratings</translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: шкал %n, а в %2 — %3</source>
        <translation>
            <numerusform>File %1 has %n rating scale, while %2 has %3</numerusform>
            <numerusform>File %1 has %n rating scales, while %2 has %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Файл %1: шкала %2 имеет код «%3», а в %4 — «%5»</source>
        <translation>File %1: rating scale %2 has the code “%3”, but in %4 it is “%5”</translation>
    </message>
    <message numerus="yes">
        <source>Файл %1: у шкалы «%2» интенсивностей %n, а в %3 — %4</source>
        <translation>
            <numerusform>File %1: the scale “%2” has %n intensity, while in %3 it has %4</numerusform>
            <numerusform>File %1: the scale “%2” has %n intensities, while in %3 it has %4</numerusform>
        </translation>
    </message>
    <message>
        <source>Файл %1: у шкалы «%2» интенсивность %3 называется «%4», а в %5 — «%6»</source>
        <translation>File %1: intensity %3 of the scale “%2” is called “%4”, but in %5 it is “%6”</translation>
    </message>
    <message>
        <source>Файл %1: критерий «%2» оценивается по шкале «%3», а в %4 — «%5»</source>
        <translation>File %1: the criterion “%2” is rated on the scale “%3”, but in %4 on “%5”</translation>
    </message>
    <message>
        <source>Группового рейтинга нет. %1</source>
        <extracomment>%1 is why: the judgements that do not connect a matrix&apos;s elements, or that no expert counts</extracomment>
        <translation>No group ranking. %1</translation>
    </message>
    <message>
        <source>Ни один эксперт не учитывается.</source>
        <translation>No expert is included.</translation>
    </message>
    <message>
        <source>Приоритеты группы не вычисляются.</source>
        <translation>The group&apos;s priorities cannot be computed.</translation>
    </message>
    <message>
        <source>Не указано ни одного эксперта</source>
        <translation>No expert is given</translation>
    </message>
    <message>
        <source>Строка %1: имя записано неверно</source>
        <translation>Line %1: the name is not valid text</translation>
    </message>
    <message>
        <source>Строка %1: «.» и «..» не могут быть именами файлов</source>
        <translation>Line %1: “.” and “..” cannot be file names</translation>
    </message>
    <message>
        <source>Строка %1: имя содержит управляющий символ</source>
        <translation>Line %1: the name contains a control character</translation>
    </message>
    <message>
        <source>Строка %1: имя «%2» содержит «/»</source>
        <translation>Line %1: the name “%2” contains “/”</translation>
    </message>
    <message>
        <source>Строка %1: имя «%2» начинается с точки: файл был бы скрытым</source>
        <translation>Line %1: the name “%2” begins with a dot: the file would be hidden</translation>
    </message>
    <message>
        <source>Строка %1: имя «%2» слишком длинное для имени файла</source>
        <translation>Line %1: the name “%2” is too long for a file name</translation>
    </message>
    <message>
        <source>Строка %1: пустое имя</source>
        <translation>Line %1: the name is empty</translation>
    </message>
    <message>
        <source>Строка %1: имя «%2» уже указано в строке %3</source>
        <translation>Line %1: the name “%2” is already given on line %3</translation>
    </message>
    <message>
        <source>Файл «%1» — проект, открытый в программе: файл эксперта не может его заменить.</source>
        <translation>The file “%1” is a project open in the program: an expert&apos;s file cannot replace it.</translation>
    </message>
    <message>
        <source>Файл «%1» уже есть в папке и не является файлом эксперта этого проекта: он не будет заменён.</source>
        <translation>The file “%1” is already in the folder and is not an expert&apos;s file of this project: it will not be replaced.</translation>
    </message>
    <message>
        <source>Укажите другое имя эксперта или другую папку.</source>
        <translation>Give the expert another name or choose another folder.</translation>
    </message>
    <message>
        <source>Согласие группы не определено: в группе один эксперт</source>
        <translation>Group consensus is not defined: the group has only one expert</translation>
    </message>
    <message>
        <source>Общее согласие группы не определено: нет группового рейтинга</source>
        <translation>Overall group consensus is not defined: there is no group ranking</translation>
    </message>
    <message>
        <source>Общее согласие группы: %1</source>
        <extracomment>%1 is S* in percent and its band</extracomment>
        <translation>Overall group consensus: %1</translation>
    </message>
    <message>
        <source>Однородность итоговых приоритетов не определена: в группе один эксперт</source>
        <translation>Homogeneity of the final priorities is not defined: the group has only one expert</translation>
    </message>
    <message>
        <source>Однородность итоговых приоритетов не определена: итоговые приоритеты есть меньше чем у двух экспертов</source>
        <translation>Homogeneity of the final priorities is not defined: fewer than two experts have final priorities</translation>
    </message>
    <message>
        <source>Однородность итоговых приоритетов: S* %1, S %2</source>
        <extracomment>%1 is S* in percent and its band, %2 is S in percent</extracomment>
        <translation>Homogeneity of the final priorities: S* %1, S %2</translation>
    </message>
    <message>
        <source>Согласие в порядке альтернатив (W Кендалла) не определено: итоговые приоритеты есть меньше чем у двух экспертов</source>
        <translation>Agreement on the order of the alternatives (Kendall&apos;s W) is not defined: fewer than two experts have final priorities</translation>
    </message>
    <message>
        <source>Согласие в порядке альтернатив (W Кендалла): %1 (%2)</source>
        <extracomment>%1 is W, %2 its band</extracomment>
        <translation>Agreement on the order of the alternatives (Kendall&apos;s W): %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2.</source>
        <extracomment>%n counts the group&apos;s matrices that are not acceptable, %1 all of its matrices, %2 names them</extracomment>
        <translation>
            <numerusform>Warning: consistency is not acceptable in %n matrix of %1: %2.</numerusform>
            <numerusform>Warning: consistency is not acceptable in %n matrices of %1: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>цель «%1» (ОС %2, допустимо до %3)</source>
        <translation>goal “%1” (CR %2, acceptable up to %3)</translation>
    </message>
    <message>
        <source>цель «%1» (ОС (по дополненной матрице) %2, допустимо до %3)</source>
        <translation>goal “%1” (CR (of the completed matrix) %2, acceptable up to %3)</translation>
    </message>
    <message>
        <source>«%1» (ОС %2, допустимо до %3)</source>
        <translation>“%1” (CR %2, acceptable up to %3)</translation>
    </message>
    <message>
        <source>«%1» (ОС (по дополненной матрице) %2, допустимо до %3)</source>
        <translation>“%1” (CR (of the completed matrix) %2, acceptable up to %3)</translation>
    </message>
    <message>
        <source>Результат опирается на суждения, которые стоит пересмотреть.</source>
        <translation>The result rests on judgements that are worth reviewing.</translation>
    </message>
    <message>
        <source>В согласии по «%1» не учтён эксперт %2: его сравнения не связывают элементы</source>
        <translation>The consensus on “%1” leaves out the expert %2: their comparisons do not connect the elements</translation>
    </message>
    <message>
        <source>В согласии по «%1» не учтены эксперты %2: их сравнения не связывают элементы</source>
        <translation>The consensus on “%1” leaves out the experts %2: their comparisons do not connect the elements</translation>
    </message>
    <message>
        <source>Без итоговых приоритетов (сравнения не связывают элементы): %1</source>
        <translation>Without final priorities (their comparisons do not connect the elements): %1</translation>
    </message>
    <message>
        <source>«%1» и «%2»: ГСО %3</source>
        <translation>“%1” and “%2”: GSD %3</translation>
    </message>
    <message>
        <source>ГСО %1</source>
        <extracomment>Under a combined judgement: the geometric standard deviation of the experts&apos; judgements</extracomment>
        <translation>GSD %1</translation>
    </message>
    <message>
        <source>Цель «%1»</source>
        <translation>Goal “%1”</translation>
    </message>
    <message>
        <source>«%1»: уровень %2, № %3</source>
        <translation>“%1”: level %2, no. %3</translation>
    </message>
    <message>
        <source>ОС выше допустимой (%1): %2</source>
        <extracomment>%1 is the acceptable limit, %2 names the experts</extracomment>
        <translation>CR above the acceptable limit (%1): %2</translation>
    </message>
    <message>
        <source>У группы нет приоритетов: её сравнения не связывают элементы</source>
        <translation>The group has no priorities: its comparisons do not connect the elements</translation>
    </message>
    <message>
        <source>%1; геометрический индекс: %2</source>
        <extracomment>%1 is the group&apos;s λmax, CI and CR</extracomment>
        <translation>%1; geometric index: %2</translation>
    </message>
    <message>
        <source>нет итоговых приоритетов</source>
        <translation>no final priorities</translation>
    </message>
    <message>
        <source>очень низкое согласие</source>
        <translation>very low consensus</translation>
    </message>
    <message>
        <source>низкое согласие</source>
        <translation>low consensus</translation>
    </message>
    <message>
        <source>умеренное согласие</source>
        <translation>moderate consensus</translation>
    </message>
    <message>
        <source>высокое согласие</source>
        <translation>high consensus</translation>
    </message>
    <message>
        <source>очень высокое согласие</source>
        <translation>very high consensus</translation>
    </message>
    <message>
        <source>очень низкое</source>
        <extracomment>The consensus band alone, as in &quot;очень низкое согласие&quot;</extracomment>
        <translation>very low</translation>
    </message>
    <message>
        <source>низкое</source>
        <translation>low</translation>
    </message>
    <message>
        <source>умеренное</source>
        <translation>moderate</translation>
    </message>
    <message>
        <source>высокое</source>
        <translation>high</translation>
    </message>
    <message>
        <source>очень высокое</source>
        <translation>very high</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>Элементы</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>Эксперты</source>
        <translation>Experts</translation>
    </message>
    <message>
        <source>Эксперт</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Учитывать веса экспертов</source>
        <translation>Use experts&apos; weights</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Среднее арифм.</source>
        <translation>Arith. mean</translation>
    </message>
    <message>
        <source>Среднее геом.</source>
        <translation>Geom. mean</translation>
    </message>
    <message>
        <source>Согласие S*</source>
        <translation>Consensus S*</translation>
    </message>
    <message>
        <source>ОС группы</source>
        <translation>Group CR</translation>
    </message>
    <message>
        <source>Наибольшая ОС эксперта</source>
        <translation>Largest expert CR</translation>
    </message>
    <message>
        <source>Наибольший разброс</source>
        <translation>Widest spread</translation>
    </message>
    <message>
        <source>Расстояние от группы</source>
        <translation>Distance from the group</translation>
    </message>
    <message>
        <source>ГСО</source>
        <translation>GSD</translation>
    </message>
    <message>
        <source>Веса экспертов не учитываются: доли всех экспертов равны.</source>
        <translation>Experts&apos; weights are not used: every expert has an equal share.</translation>
    </message>
    <message>
        <source>Эксперты группы</source>
        <translation>Experts in the group</translation>
    </message>
    <message>
        <source>Групповой рейтинг</source>
        <translation>Group ranking</translation>
    </message>
    <message>
        <source>Согласие по элементам</source>
        <translation>Consensus by element</translation>
    </message>
    <message>
        <source>Расстояние экспертов от группы</source>
        <translation>Experts&apos; distance from the group</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Доля</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Собственный рейтинг</source>
        <translation>Own ranking</translation>
    </message>
    <message>
        <source>Оценка группы</source>
        <translation>Group score</translation>
    </message>
    <message>
        <source>Среднее оценок экспертов</source>
        <translation>Mean of the experts&apos; scores</translation>
    </message>
    <message>
        <source>Оценки по шкалам идеальны по своей природе: для них нет различия между распределительным и идеальным синтезом.</source>
        <translation>Ratings are ideal by nature: for them there is no difference between distributive and ideal synthesis.</translation>
    </message>
    <message>
        <source>Мин.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Медиана</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Макс.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Мин., медиана и макс. — итоговые приоритеты экспертов (учтено %1 из %2); рейтинг каждого эксперта — в экспорте CSV.</source>
        <extracomment>%1 of the %2 experts have final priorities</extracomment>
        <translation>Min., median and max. are the experts&apos; final priorities (%1 of %2 counted); each expert&apos;s ranking is in the CSV export.</translation>
    </message>
    <message>
        <source>Мин., медиана и макс. — оценки альтернатив экспертами (учтено %1 из %2); рейтинг каждого эксперта — в экспорте CSV.</source>
        <extracomment>%1 of the %2 experts are counted</extracomment>
        <translation>Min., median and max. are the experts&apos; scores of the alternatives (%1 of %2 counted); each expert&apos;s ranking is in the CSV export.</translation>
    </message>
    <message>
        <source>Приоритеты экспертов (учтено %1 из %2): наименьший, медиана и наибольший; приоритеты каждого эксперта — в экспорте CSV.</source>
        <extracomment>%1 of the %2 experts have priorities of the element</extracomment>
        <translation>Experts&apos; priorities (%1 of %2 counted): the least, the median and the largest; each expert&apos;s priorities are in the CSV export.</translation>
    </message>
    <message>
        <source>Расстояние от группы: %1</source>
        <translation>Distance from the group: %1</translation>
    </message>
    <message>
        <source>Дальше всех от группы (%1 из %2): %3</source>
        <extracomment>The %1 experts furthest from the group of %2, named with their distances in %3</extracomment>
        <translation>Furthest from the group (%1 of %2): %3</translation>
    </message>
    <message>
        <source>Число экспертов с ОС выше допустимой (%1): %2 из %3; среди них %4</source>
        <extracomment>%1 is the acceptable limit; %2 of the %3 experts lie above it, the first of them named in %4</extracomment>
        <translation>Experts with a CR above the acceptable limit (%1): %2 of %3, among them %4</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 names the first experts, %2 counts the others</extracomment>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>Согласие</source>
        <translation>Consensus</translation>
    </message>
    <message>
        <source>Групповые суждения по элементу</source>
        <translation>Group judgements by element</translation>
    </message>
    <message>
        <source>Приоритеты экспертов</source>
        <translation>Experts&apos; priorities</translation>
    </message>
    <message>
        <source>Суждения экспертов по парам</source>
        <translation>Experts&apos; judgements by pair</translation>
    </message>
    <message>
        <source>%1 «%2» (уровень %3, № %4)</source>
        <extracomment>A CSV section&apos;s title: %1 is &quot;Групповые суждения по элементу&quot;, %2 the element, %3 its level, %4 its place on it</extracomment>
        <translation>%1 “%2” (level %3, no. %4)</translation>
    </message>
    <message>
        <source>%1 «%2»</source>
        <extracomment>A CSV section&apos;s title: %1 is &quot;Групповые суждения по элементу&quot;, %2 the criterion&apos;s path</extracomment>
        <translation>%1 “%2”</translation>
    </message>
    <message>
        <source>Учитывается</source>
        <translation>Included</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Общее согласие группы S*</source>
        <translation>Overall group consensus S*</translation>
    </message>
    <message>
        <source>Однородность итоговых приоритетов S*</source>
        <translation>Homogeneity of the final priorities S*</translation>
    </message>
    <message>
        <source>W Кендалла</source>
        <translation>Kendall&apos;s W</translation>
    </message>
    <message>
        <source>Геометрический индекс</source>
        <translation>Geometric index</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Столбец</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Суждение</source>
        <translation>Judgement</translation>
    </message>
    <message>
        <source>Судили</source>
        <extracomment>How many experts judged the pair</extracomment>
        <translation>Judged by</translation>
    </message>
    <message>
        <source>Дальше всех от группы</source>
        <translation>Furthest from the group</translation>
    </message>
</context>
<context>
    <name>IncompleteJudgementsText</name>
    <message>
        <source>%1 и %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Недостаточно сравнений для «%1»: группы %2 не сравнены между собой</source>
        <translation>Not enough comparisons for “%1”: groups %2 are not compared with each other</translation>
    </message>
    <message numerus="yes">
        <source>задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены</source>
        <translation>
            <numerusform>%1 of %n comparison given. Not enough: groups %2 are not compared</numerusform>
            <numerusform>%1 of %n comparisons given. Not enough: groups %2 are not compared</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены</source>
        <translation>
            <numerusform>%1 of %n comparison given. Not enough: groups %2 are not compared</numerusform>
            <numerusform>%1 of %n comparisons given. Not enough: groups %2 are not compared</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>задано %1 из %n сравнений</source>
        <translation>
            <numerusform>%1 of %n comparison given</numerusform>
            <numerusform>%1 of %n comparisons given</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Задано %1 из %n сравнений</source>
        <translation>
            <numerusform>%1 of %n comparison given</numerusform>
            <numerusform>%1 of %n comparisons given</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LifecycleRules</name>
    <message>
        <source>Проект - %1</source>
        <extracomment>A project window&apos;s caption: %1 is its number or its file</extracomment>
        <translation>Project - %1</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <extracomment>Under a file error&apos;s message: the file</extracomment>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Причина: %1</source>
        <extracomment>Under a file error&apos;s message: the system&apos;s reason</extracomment>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>Сохранить сделанные в проекте изменения?</source>
        <translation>Save the changes made to the project?</translation>
    </message>
    <message>
        <source>Сохранить созданный проект в файле?</source>
        <translation>Save the new project to a file?</translation>
    </message>
    <message>
        <source>Файл с таким именем уже существует. Заменить его?</source>
        <translation>A file with this name already exists. Replace it?</translation>
    </message>
    <message>
        <source>Выйти из программы?</source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>Клонировать текущий проект?</source>
        <translation>Clone the current project?</translation>
    </message>
    <message>
        <source>Ошибка выделения памяти под новый проект</source>
        <translation>Memory allocation error for a new project</translation>
    </message>
    <message>
        <source>Ошибка выделения памяти под открытие проекта</source>
        <translation>Memory allocation error for opening a project</translation>
    </message>
    <message>
        <source>Не могу открыть текущий шаблон</source>
        <translation>Cannot open the current template</translation>
    </message>
    <message>
        <source>Не могу клонировать текущий проект</source>
        <translation>Cannot clone the current project</translation>
    </message>
</context>
<context>
    <name>ModelPhrases</name>
    <message>
        <source>нет цели</source>
        <translation>no goal</translation>
    </message>
    <message>
        <source>ссылка на несуществующий критерий</source>
        <translation>a reference to a criterion that does not exist</translation>
    </message>
    <message>
        <source>критерий указан дважды среди подкритериев</source>
        <translation>a criterion is listed twice among the sub-criteria</translation>
    </message>
    <message>
        <source>подкритерий не на следующем уровне</source>
        <translation>a sub-criterion is not on the next level</translation>
    </message>
    <message>
        <source>критерий вне иерархии</source>
        <translation>a criterion outside the hierarchy</translation>
    </message>
    <message>
        <source>у критерия дерева не один родитель</source>
        <translation>a criterion of the tree does not have exactly one parent</translation>
    </message>
    <message>
        <source>слои иерархии не полны</source>
        <translation>the levels of the hierarchy are not complete</translation>
    </message>
    <message>
        <source>размер матрицы суждений не равен числу сравниваемых элементов</source>
        <translation>the size of the judgement matrix differs from the number of elements compared</translation>
    </message>
    <message>
        <source>альтернативы многоуровневой иерархии не оцениваются по шкалам</source>
        <translation>the alternatives of a layered hierarchy are not rated on scales</translation>
    </message>
    <message>
        <source>у критерия с оценками есть суждения об альтернативах</source>
        <translation>a rated criterion has judgements of the alternatives</translation>
    </message>
    <message>
        <source>нет такой шкалы</source>
        <translation>no such scale</translation>
    </message>
    <message>
        <source>оценок не столько, сколько альтернатив</source>
        <translation>the number of ratings differs from the number of alternatives</translation>
    </message>
    <message>
        <source>оценка вне шкалы</source>
        <translation>a rating outside the scale</translation>
    </message>
    <message>
        <source>оценки у критерия, альтернативы которого сравниваются попарно</source>
        <translation>ratings under a criterion whose alternatives are compared in pairs</translation>
    </message>
    <message>
        <source>уровней больше %1</source>
        <translation>more than %1 levels</translation>
    </message>
    <message>
        <source>критериев больше %1</source>
        <translation>more than %1 criteria</translation>
    </message>
    <message>
        <source>альтернатив больше %1</source>
        <translation>more than %1 alternatives</translation>
    </message>
    <message>
        <source>у критерия «%1» подкритериев больше %2</source>
        <translation>criterion “%1” has more than %2 sub-criteria</translation>
    </message>
    <message>
        <source>имя «%1» повторяется среди подкритериев</source>
        <translation>the name “%1” occurs twice among the sub-criteria</translation>
    </message>
    <message>
        <source>имя «%1» повторяется среди альтернатив</source>
        <translation>the name “%1” occurs twice among the alternatives</translation>
    </message>
    <message>
        <source>обозначение шкалы «%1» повторяется</source>
        <translation>the scale id “%1” occurs twice</translation>
    </message>
    <message>
        <source>имя записано не в UTF-8</source>
        <translation>the name is not in UTF-8</translation>
    </message>
    <message>
        <source>пустое имя</source>
        <translation>empty name</translation>
    </message>
    <message>
        <source>имя длиннее %1 символов</source>
        <translation>the name is longer than %1 characters</translation>
    </message>
    <message>
        <source>комментарий записан не в UTF-8</source>
        <translation>the comment is not in UTF-8</translation>
    </message>
    <message>
        <source>комментарий длиннее %1 символов</source>
        <translation>the comment is longer than %1 characters</translation>
    </message>
    <message>
        <source>у шкалы нет допустимого обозначения</source>
        <translation>the scale has no valid id</translation>
    </message>
    <message>
        <source>у шкалы «%1» не от %2 до %3 интенсивностей</source>
        <translation>scale “%1” does not have from %2 to %3 intensities</translation>
    </message>
    <message>
        <source>имя «%1» повторяется в шкале «%2»</source>
        <translation>the name “%1” occurs twice in scale “%2”</translation>
    </message>
    <message>
        <source>структуру слоёв меняют команды слоёв</source>
        <translation>the structure of levels is changed by the level commands</translation>
    </message>
    <message>
        <source>нет такого места</source>
        <translation>no such place</translation>
    </message>
    <message>
        <source>цель не удаляется</source>
        <translation>the goal cannot be deleted</translation>
    </message>
    <message>
        <source>у цели должен остаться хотя бы один критерий</source>
        <translation>the goal must keep at least one criterion</translation>
    </message>
    <message>
        <source>критерий не переносится в своё поддерево</source>
        <translation>a criterion cannot be moved into its own subtree</translation>
    </message>
    <message>
        <source>нет такого критерия</source>
        <translation>no such criterion</translation>
    </message>
    <message>
        <source>альтернативы этого критерия оцениваются по шкале</source>
        <translation>the alternatives of this criterion are rated on a scale</translation>
    </message>
    <message>
        <source>нет такой альтернативы</source>
        <translation>no such alternative</translation>
    </message>
    <message>
        <source>альтернатив должно остаться не меньше %1</source>
        <translation>at least %1 alternatives must remain</translation>
    </message>
    <message>
        <source>у этого критерия нет оценок</source>
        <translation>this criterion has no ratings</translation>
    </message>
    <message>
        <source>шкалой «%1» пользуется критерий «%2»</source>
        <translation>scale “%1” is used by criterion “%2”</translation>
    </message>
    <message>
        <source>Используемый метод не позволяет создавать более 9-ти элементов на одном уровне</source>
        <translation>The method used does not allow more than 9 elements on one level</translation>
    </message>
    <message>
        <source>На одном уровне не может быть меньше 2-х элементов.</source>
        <translation>A level cannot have fewer than 2 elements.</translation>
    </message>
    <message>
        <source>Число уровней не может быть больше 10</source>
        <translation>The number of levels cannot be more than 10</translation>
    </message>
    <message>
        <source>Число уровней не может быть меньше 2</source>
        <translation>The number of levels cannot be less than 2</translation>
    </message>
    <message>
        <source>Не указано число уровней</source>
        <translation>The number of levels is not given</translation>
    </message>
    <message>
        <source>Минимально возможное число уровней - 3</source>
        <translation>The smallest possible number of levels is 3</translation>
    </message>
    <message>
        <source>Максимально возможное число уровней - 10</source>
        <translation>The largest possible number of levels is 10</translation>
    </message>
    <message>
        <source>Не указано максимальное число показателей</source>
        <translation>The largest number of elements is not given</translation>
    </message>
    <message>
        <source>Минимально необходимое число показателей - 2</source>
        <translation>The smallest necessary number of elements is 2</translation>
    </message>
    <message>
        <source>Не указана цель проекта</source>
        <translation>The goal of the project is not given</translation>
    </message>
    <message>
        <source>Приложение выполнило недопустимую операцию</source>
        <translation>The application performed an invalid operation</translation>
    </message>
    <message>
        <source>Цель</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>ЭЛЕМЕНТ_%1</source>
        <translation>ELEMENT_%1</translation>
    </message>
    <message>
        <source>Комментарии отсутствуют</source>
        <translation>No comments</translation>
    </message>
    <message>
        <source>Отлично / Хорошо / Удовлетворительно / Плохо</source>
        <translation>Excellent / Good / Fair / Poor</translation>
    </message>
    <message>
        <source>Отлично / Выше среднего / Средне / Ниже среднего / Плохо</source>
        <translation>Excellent / Above average / Average / Below average / Poor</translation>
    </message>
    <message>
        <source>Отлично</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Хорошо</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Удовлетворительно</source>
        <translation>Fair</translation>
    </message>
    <message>
        <source>Выше среднего</source>
        <translation>Above average</translation>
    </message>
    <message>
        <source>Средне</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Ниже среднего</source>
        <translation>Below average</translation>
    </message>
    <message>
        <source>Плохо</source>
        <translation>Poor</translation>
    </message>
</context>
<context>
    <name>PieFilling</name>
    <message>
        <source>Круговая диаграмма: те же значения, что в таблице рядом</source>
        <translation>Pie chart: the same values as in the table beside it</translation>
    </message>
</context>
<context>
    <name>ProjectExport</name>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
</context>
<context>
    <name>ProjectPrinting</name>
    <message>
        <source>Проект: %1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>Не верные параметры текущего принтера</source>
        <translation>Invalid settings of the current printer</translation>
    </message>
</context>
<context>
    <name>ProjectReport</name>
    <message>
        <source>Отчёт по проекту</source>
        <translation>Project report</translation>
    </message>
    <message>
        <source>Цель</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>новый проект</source>
        <translation>new project</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Структура</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Иерархия</source>
        <translation>Hierarchy</translation>
    </message>
    <message>
        <source>Итоговый результат</source>
        <translation>Final result</translation>
    </message>
    <message>
        <source>Цель «%1»</source>
        <translation>Goal “%1”</translation>
    </message>
    <message>
        <source>«%1»: уровень %2, № %3</source>
        <translation>“%1”: level %2, no. %3</translation>
    </message>
    <message>
        <source>Глобальный</source>
        <extracomment>Not shown: measures the priority columns; the longest word of their headings.</extracomment>
        <translation>priority</translation>
    </message>
    <message>
        <source>ОС 0.0000, недостаточна</source>
        <extracomment>Not shown: measures the consistency column; its widest mark.</extracomment>
        <translation>CR 0.0000, not acceptable</translation>
    </message>
    <message>
        <source>Идеальное значение</source>
        <extracomment>Not shown: measures the figures&apos; columns; the widest heading of a scale&apos;s table.</extracomment>
        <translation>Ideal value</translation>
    </message>
    <message>
        <source>Приложение. %1</source>
        <translation>Appendix: %1</translation>
    </message>
    <message>
        <source>Критерии с %1 по %2 из %3</source>
        <translation>Criteria %1 to %2 of %3</translation>
    </message>
    <message>
        <source>Отчёт по проекту: %1</source>
        <translation>Project report: %1</translation>
    </message>
    <message>
        <source>%1 %2 — программа поддержки принятия рациональных решений</source>
        <translation>%1 %2 — software for rational decision making</translation>
    </message>
    <message>
        <source>уровней: %1, альтернатив: %2</source>
        <translation>levels: %1, alternatives: %2</translation>
    </message>
    <message>
        <source>Суждения и согласованность</source>
        <translation>Judgements and consistency</translation>
    </message>
    <message>
        <source>дерево критериев: уровней %1, критериев %2, альтернатив %3</source>
        <translation>criteria tree; levels: %1, criteria: %2, alternatives: %3</translation>
    </message>
    <message>
        <source>дерево критериев: уровней %1, критериев %2, альтернатив %3, оценки по шкалам</source>
        <translation>criteria tree; levels: %1, criteria: %2, alternatives: %3; ratings</translation>
    </message>
    <message>
        <source>Шкалы оценок</source>
        <translation>Rating scales</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <extracomment>The date&apos;s format (Qt&apos;s QDate format), as a reader of the language writes a date.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>RatingReportContent</name>
    <message>
        <source>Показаны %1 лучших альтернатив из %2; все они с их оценками — в приложении.</source>
        <translation>The %1 best of %2 alternatives are shown; all of them, with their ratings, are in the appendix.</translation>
    </message>
    <message>
        <source>Смены мест с лидером показаны только для %1 лучших альтернатив; не показано ещё %2.</source>
        <translation>Changes of places with the leader are shown for the %1 best alternatives only; not shown: %2 more.</translation>
    </message>
    <message>
        <source>Шкала «%1»</source>
        <translation>Scale “%1”</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Шкала не применяется ни к одному критерию.</source>
        <translation>The scale is not used by any criterion.</translation>
    </message>
    <message>
        <source>Шкала применяется к критериям: %1.</source>
        <translation>The scale is used by the criteria: %1.</translation>
    </message>
    <message>
        <source>Интенсивность</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>Идеальное значение</source>
        <translation>Ideal value</translation>
    </message>
    <message>
        <source>Интенсивность «%1» получила больший вес, чем «%2».</source>
        <translation>Intensity “%1” has received a greater weight than “%2”.</translation>
    </message>
    <message>
        <source>Критерий «%1» оценивается по шкале «%2».</source>
        <translation>Criterion “%1” is rated on the scale “%2”.</translation>
    </message>
    <message>
        <source>Итоговый рейтинг (оценки по шкалам)</source>
        <translation>Final ranking (ratings)</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Доля</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>не все оценки</source>
        <translation>not fully rated</translation>
    </message>
    <message>
        <source>не оценено</source>
        <translation>not rated</translation>
    </message>
    <message>
        <source>Таблица оценок</source>
        <translation>Ratings table</translation>
    </message>
    <message>
        <source>Альтернативы оцениваются по шкалам интенсивностей.</source>
        <translation>The alternatives are rated on scales of intensities.</translation>
    </message>
</context>
<context>
    <name>RatingWarnings</name>
    <message>
        <source>шкала «%1»</source>
        <translation>scale “%1”</translation>
    </message>
    <message>
        <source>Шкала «%1»: интенсивность «%2» получила больший вес, чем «%3».</source>
        <translation>Scale “%1”: intensity “%2” has received a greater weight than “%3”.</translation>
    </message>
    <message numerus="yes">
        <source>%n альтернатив оценены не по всем критериям.</source>
        <translation>
            <numerusform>%n alternative is not rated on every criterion.</numerusform>
            <numerusform>%n alternatives are not rated on every criterion.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Использование: tessaly-report [--json] [-o ОТЧЁТ] ФАЙЛ
               tessaly-report --csv [-o ОТЧЁТ] ФАЙЛ
               tessaly-report --group [--weights ВЕСА] [--json | --csv] [-o ОТЧЁТ] ФАЙЛ...
</source>
        <translation>Usage: tessaly-report [--json] [-o REPORT] FILE
       tessaly-report --csv [-o REPORT] FILE
       tessaly-report --group [--weights WEIGHTS] [--json | --csv] [-o REPORT] FILE...
</translation>
    </message>
    <message>
        <source>Отчёт по файлу проекта, дерева критериев или шаблона Tessaly: цель, итоговое ранжирование,
приоритеты и согласованность каждой матрицы сравнений, анализ чувствительности.
С --group — групповое решение по файлам экспертов (или по одному файлу группы .tsg):
эксперты, групповой рейтинг, средние приоритетов экспертов, согласие по каждому
элементу и по рейтингу, разброс суждений и расстояние каждого эксперта от группы.
</source>
        <translation>A report of a Tessaly project, criteria tree or template file: the goal, the final ranking,
the priorities and consistency of every comparison matrix, the sensitivity analysis.
With --group, the group decision from the experts&apos; files (or from one group file .tsg):
the experts, the group ranking, the means of the experts&apos; priorities, the consensus on
each element and on the ranking, the spread of the judgements and each expert&apos;s
distance from the group.
</translation>
    </message>
    <message>
        <source>Коды завершения:
  0  отчёт выведен
  1  файл проекта не открыт или повреждён
     (с --group: файл эксперта или файл группы)
  2  неверная командная строка (с --group: и неверные ВЕСА)
  3  отчёт не записан: ошибка записи в стандартный вывод или в ОТЧЁТ
  4  группа не составлена: иерархии экспертов различаются или файл указан дважды</source>
        <translation>Exit codes:
  0  report written
  1  project file not opened or damaged
     (with --group: an expert&apos;s file or the group file)
  2  wrong command line (with --group: also wrong WEIGHTS)
  3  report not written: error writing to standard output or to REPORT
  4  no group formed: the experts&apos; hierarchies differ, or a file is given twice</translation>
    </message>
    <message>
        <source>Справка: tessaly-report --help</source>
        <translation>Help: tessaly-report --help</translation>
    </message>
    <message>
        <source>лишние или неизвестные аргументы: %1</source>
        <translation>extra or unknown arguments: %1</translation>
    </message>
    <message>
        <source>не указан файл проекта</source>
        <translation>no project file given</translation>
    </message>
    <message>
        <source>--json и --csv не задаются вместе</source>
        <translation>--json and --csv cannot be given together</translation>
    </message>
    <message>
        <source>--weights задаётся только вместе с --group</source>
        <translation>--weights can only be given with --group</translation>
    </message>
    <message>
        <source>у параметра нет значения или их несколько (%1)</source>
        <translation>an option has no value, or more than one (%1)</translation>
    </message>
    <message>
        <source>неверное значение параметра (%1)</source>
        <translation>invalid value of an option (%1)</translation>
    </message>
    <message>
        <source>Аргументы</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>the program&apos;s version</translation>
    </message>
    <message>
        <source>отчёт одним объектом JSON</source>
        <translation>the report as one JSON object</translation>
    </message>
    <message>
        <source>цифры проекта (с --group — группы) в CSV, как их
экспортирует программа (UTF-8 с BOM, «.» и «,»)</source>
        <translation>the project&apos;s figures (with --group, the group&apos;s) in CSV,
as the program exports them (UTF-8 with BOM, “.” and “,”)</translation>
    </message>
    <message>
        <source>записать отчёт в файл ОТЧЁТ вместо стандартного вывода;
старый файл заменяется, только когда новый записан целиком</source>
        <translation>write the report to the file REPORT, not standard output;
an old file is replaced only once the new one is complete</translation>
    </message>
    <message>
        <source>ОТЧЁТ</source>
        <translation>REPORT</translation>
    </message>
    <message>
        <source>групповое решение: ФАЙЛ... — файлы экспертов с одной
иерархией (метка — имя файла, вес 1) или один файл
группы (.tsg) со своими метками и весами</source>
        <translation>group decision: FILE... are the experts&apos; files with one
hierarchy (label: the file&apos;s name, weight 1) or one group
file (.tsg) with its own labels and weights</translation>
    </message>
    <message>
        <source>веса экспертов через запятую, по одному на каждого
(числа от 0.000001 до 1000000), в порядке файлов;
заменяют веса файла группы и включают их учёт</source>
        <translation>the experts&apos; weights, comma-separated, one for each
(numbers from 0.000001 to 1000000), in the files&apos; order;
they replace the group file&apos;s weights and turn weighting on</translation>
    </message>
    <message>
        <source>ВЕСА</source>
        <translation>WEIGHTS</translation>
    </message>
    <message>
        <source>язык отчёта и сообщений: ru или en
(по умолчанию — язык системы)</source>
        <translation>the language of the report and the messages: ru or en
(by default, the system&apos;s language)</translation>
    </message>
    <message>
        <source>ЯЗЫК</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>файл проекта (.tsy), дерева критериев (.tsj)
или шаблона (.htp); с --group — файлы экспертов
или файл группы; открываются только для чтения</source>
        <translation>a project (.tsy), criteria tree (.tsj) or template
(.htp) file; with --group, the experts&apos; files or a
group file; they are opened for reading only</translation>
    </message>
    <message>
        <source>--weights: вес %1 «%2»: %3</source>
        <translation>--weights: weight %1 “%2”: %3</translation>
    </message>
</context>
<context>
    <name>ReportContent</name>
    <message>
        <source>Приоритеты не определены: сравнений недостаточно</source>
        <translation>Priorities not determined: not enough comparisons</translation>
    </message>
    <message>
        <source>Приоритеты не определены: в матрице есть нулевые суждения</source>
        <translation>Priorities not determined: the matrix has zero judgements</translation>
    </message>
    <message>
        <source>СЗ: %1; ИС: %2; ОС (по дополненной матрице): %3</source>
        <translation>λmax: %1; CI: %2; CR (of the completed matrix): %3</translation>
    </message>
    <message>
        <source>СЗ: %1; ИС: %2; ОС: %3</source>
        <translation>λmax: %1; CI: %2; CR: %3</translation>
    </message>
    <message>
        <source>Локальные приоритеты:</source>
        <translation>Local priorities:</translation>
    </message>
    <message>
        <source>Локальные приоритеты: %1</source>
        <translation>Local priorities: %1</translation>
    </message>
    <message>
        <source>Нарушения транзитивности: %1</source>
        <translation>Intransitive triads: %1</translation>
    </message>
    <message>
        <source>Согласованность суждений приемлема</source>
        <translation>Consistency of the judgements is acceptable</translation>
    </message>
    <message>
        <source>Согласованность суждений недостаточна: суждения стоит пересмотреть</source>
        <translation>Consistency of the judgements is not acceptable: the judgements should be revised</translation>
    </message>
    <message>
        <source>Согласованность не оценивается: в матрице есть нулевые суждения</source>
        <translation>Consistency not assessed: the matrix has zero judgements</translation>
    </message>
    <message>
        <source>Согласованность не оценивается: сравнений недостаточно</source>
        <translation>Consistency not assessed: not enough comparisons</translation>
    </message>
    <message>
        <source>ОС (по дополненной матрице): %1 (допустимо до %2)</source>
        <translation>CR (of the completed matrix): %1 (acceptable up to %2)</translation>
    </message>
    <message>
        <source>ОС: %1 (допустимо до %2)</source>
        <translation>CR: %1 (acceptable up to %2)</translation>
    </message>
    <message>
        <source>Геометрический индекс: %1 (допустимо до %2)</source>
        <translation>GCI: %1 (acceptable up to %2)</translation>
    </message>
    <message>
        <source>Что изменить в первую очередь:</source>
        <translation>What to change first:</translation>
    </message>
    <message>
        <source>Предложений по изменению суждений нет</source>
        <translation>No suggestions to change the judgements</translation>
    </message>
    <message>
        <source>считать их равноценными</source>
        <translation>treat them as equally important</translation>
    </message>
    <message numerus="yes">
        <source>«%1» важнее не в %2, а в %n раз</source>
        <translation>
            <numerusform>“%1” is more important by a factor of %n, not %2</numerusform>
            <numerusform>“%1” is more important by a factor of %n, not %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>суждение наоборот: теперь «%1» важнее в %n раз</source>
        <translation>
            <numerusform>judgement reversed: now “%1” is more important by a factor of %n</numerusform>
            <numerusform>judgement reversed: now “%1” is more important by a factor of %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>теперь «%1» важнее в %n раз</source>
        <translation>
            <numerusform>now “%1” is more important by a factor of %n</numerusform>
            <numerusform>now “%1” is more important by a factor of %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>остальные суждения говорят: «%1» важнее примерно в %n раз — возможно, суждение введено наоборот</source>
        <translation>
            <numerusform>the other judgements say “%1” is more important by a factor of about %n — the judgement may have been entered the wrong way round</numerusform>
            <numerusform>the other judgements say “%1” is more important by a factor of about %n — the judgement may have been entered the wrong way round</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 и %2: %3 → %4, %5; ОС станет %6, геометрический индекс %7</source>
        <translation>%1 and %2: %3 → %4, %5; CR becomes %6, GCI %7</translation>
    </message>
    <message>
        <source>%1 и %2: %3 → %4, %5; ОС станет %6</source>
        <translation>%1 and %2: %3 → %4, %5; CR becomes %6</translation>
    </message>
    <message>
        <source>%1 и %2: %3 → %4</source>
        <translation>%1 and %2: %3 → %4</translation>
    </message>
    <message>
        <source>Согласованность суждений недостаточна: ОС (по дополненной матрице) %1 (допустимо до %2)</source>
        <translation>Consistency of the judgements is not acceptable: CR (of the completed matrix) %1 (acceptable up to %2)</translation>
    </message>
    <message>
        <source>Согласованность суждений недостаточна: ОС %1 (допустимо до %2)</source>
        <translation>Consistency of the judgements is not acceptable: CR %1 (acceptable up to %2)</translation>
    </message>
    <message>
        <source>%1 (ОС (по дополненной матрице) %2, допустимо до %3)</source>
        <translation>%1 (CR of the completed matrix %2, acceptable up to %3)</translation>
    </message>
    <message>
        <source>%1 (ОС %2, допустимо до %3)</source>
        <translation>%1 (CR %2, acceptable up to %3)</translation>
    </message>
    <message numerus="yes">
        <source>Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2. Результат опирается на суждения, которые стоит пересмотреть.</source>
        <translation>
            <numerusform>Warning: consistency of the judgements is not acceptable in %n matrix of %1: %2. The result rests on judgements that should be revised.</numerusform>
            <numerusform>Warning: consistency of the judgements is not acceptable in %n matrices of %1: %2. The result rests on judgements that should be revised.</numerusform>
        </translation>
    </message>
    <message>
        <source>«%1» по сравнению с «%2»: сейчас %3, предлагается %4; после замены ОС станет %5, геометрический индекс %6</source>
        <translation>“%1” compared with “%2”: now %3, suggested %4; after the change CR becomes %5, GCI %6</translation>
    </message>
    <message>
        <source>«%1» по сравнению с «%2»: сейчас %3, предлагается %4; после замены ОС станет %5</source>
        <translation>“%1” compared with “%2”: now %3, suggested %4; after the change CR becomes %5</translation>
    </message>
    <message>
        <source>Предложение %1: %2</source>
        <translation>Suggestion %1: %2</translation>
    </message>
    <message>
        <source>%1 (здесь критическое изменение проекта)</source>
        <translation>%1 (the project&apos;s critical change is here)</translation>
    </message>
    <message>
        <source>%1 и %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>при весе %1 %2 и %3 меняются местами, при большем весе впереди %4</source>
        <translation>at weight %1, %2 and %3 change places; at a greater weight %4 is ahead</translation>
    </message>
    <message>
        <source>Критическое изменение: изменение одного веса не меняет лидера</source>
        <translation>Critical change: no change of a single weight changes the leader</translation>
    </message>
    <message>
        <source>Элемент несёт весь вес уровня: менять нечего.</source>
        <translation>The element carries the whole weight of its level: there is nothing to change.</translation>
    </message>
    <message>
        <source>При любом весе этого элемента порядок альтернатив прежний.</source>
        <translation>At any weight of this element the order of the alternatives stays the same.</translation>
    </message>
    <message>
        <source>Чувствительность: глобальный вес %1</source>
        <translation>Sensitivity: global weight %1</translation>
    </message>
    <message>
        <source>%1. Чувствительность: глобальный вес %2</source>
        <translation>%1. Sensitivity: global weight %2</translation>
    </message>
    <message>
        <source>%1. Чувствительность: локальный вес %2</source>
        <translation>%1. Sensitivity: local weight %2</translation>
    </message>
    <message>
        <source>Критерий несёт весь вес своей группы: менять нечего.</source>
        <translation>The criterion carries the whole weight of its group: there is nothing to change.</translation>
    </message>
    <message>
        <source>При любом весе этого критерия ни одна из %1 лучших альтернатив не меняется местами с лидером.</source>
        <translation>At any weight of this criterion none of the %1 best alternatives changes places with the leader.</translation>
    </message>
    <message>
        <source>Критическое изменение: глобальный вес «%1» с %2 до %3 (%4%): %5 обгоняет %6</source>
        <translation>Critical change: global weight of “%1” from %2 to %3 (%4%): %5 overtakes %6</translation>
    </message>
    <message>
        <source>Критическое изменение: локальный вес «%1» с %2 до %3 (%4%): %5 обгоняет %6</source>
        <translation>Critical change: local weight of “%1” from %2 to %3 (%4%): %5 overtakes %6</translation>
    </message>
    <message>
        <source>Критическое изменение: глобальный вес «%1» с %2 до %3: %4 обгоняет %5</source>
        <translation>Critical change: global weight of “%1” from %2 to %3: %4 overtakes %5</translation>
    </message>
    <message>
        <source>Критическое изменение: локальный вес «%1» с %2 до %3: %4 обгоняет %5</source>
        <translation>Critical change: local weight of “%1” from %2 to %3: %4 overtakes %5</translation>
    </message>
    <message>
        <source>Пунктир: текущий вес %1. Кружки и строки таблицы: при каком весе две альтернативы меняются местами и какая из них впереди при большем весе.</source>
        <translation>Dashed line: the current weight %1. Circles and table rows: at which weight two alternatives change places, and which of them is ahead at a greater weight.</translation>
    </message>
    <message>
        <source>Критическое изменение: вес «%1» (уровень %2) с %3 до %4 (%5%): %6 обгоняет %7</source>
        <translation>Critical change: weight of “%1” (level %2) from %3 to %4 (%5%): %6 overtakes %7</translation>
    </message>
    <message>
        <source>Критическое изменение: вес «%1» (уровень %2) с %3 до %4: %5 обгоняет %6</source>
        <translation>Critical change: weight of “%1” (level %2) from %3 to %4: %5 overtakes %6</translation>
    </message>
    <message>
        <source>цель «%1»</source>
        <translation>goal “%1”</translation>
    </message>
    <message>
        <source>«%1», уровень %2</source>
        <translation>“%1”, level %2</translation>
    </message>
    <message>
        <source>Не все сравнения заданы: %1</source>
        <translation>Not all comparisons given: %1</translation>
    </message>
    <message>
        <source>идеальный синтез</source>
        <translation>ideal synthesis</translation>
    </message>
    <message>
        <source>распределительный синтез</source>
        <translation>distributive synthesis</translation>
    </message>
    <message>
        <source>Итоговый рейтинг (идеальный синтез)</source>
        <translation>Final ranking (ideal synthesis)</translation>
    </message>
    <message>
        <source>Итоговый рейтинг (распределительный синтез)</source>
        <translation>Final ranking (distributive synthesis)</translation>
    </message>
    <message>
        <source>%1 (идеальный синтез)</source>
        <translation>%1 (ideal synthesis)</translation>
    </message>
    <message>
        <source>Итоговый результат</source>
        <translation>Final result</translation>
    </message>
    <message>
        <source>Уровень %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Элемент уровня %1</source>
        <translation>Element of level %1</translation>
    </message>
    <message>
        <source>критерий «%1»</source>
        <translation>criterion “%1”</translation>
    </message>
    <message>
        <source>Цель «%1»</source>
        <translation>Goal “%1”</translation>
    </message>
    <message>
        <source>Критерий «%1» (уровень %2)</source>
        <translation>Criterion “%1” (level %2)</translation>
    </message>
    <message>
        <source>Единственный подкритерий «%1» получает весь вес критерия</source>
        <translation>The only sub-criterion “%1” receives the whole weight of the criterion</translation>
    </message>
    <message>
        <source>нет приоритетов</source>
        <translation>no priorities</translation>
    </message>
    <message>
        <source>ОС %1, недостаточна</source>
        <translation>CR %1, not acceptable</translation>
    </message>
    <message>
        <source>ОС %1</source>
        <translation>CR %1</translation>
    </message>
    <message>
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Локальный приоритет</source>
        <translation>Local priority</translation>
    </message>
    <message>
        <source>Глобальный приоритет</source>
        <translation>Global priority</translation>
    </message>
    <message>
        <source>Согласованность</source>
        <translation>Consistency</translation>
    </message>
    <message>
        <source>Подкритерий</source>
        <translation>Sub-criterion</translation>
    </message>
    <message>
        <source>СЗ</source>
        <translation>λmax</translation>
    </message>
    <message>
        <source>ИС</source>
        <translation>CI</translation>
    </message>
    <message>
        <source>ОС</source>
        <translation>CR</translation>
    </message>
    <message>
        <source>ОС (по дополненной матрице)</source>
        <translation>CR (of the completed matrix)</translation>
    </message>
    <message>
        <source>Принято:</source>
        <translation>Accepted:</translation>
    </message>
    <message>
        <source>Неполные матрицы суждений:</source>
        <translation>Incomplete judgement matrices:</translation>
    </message>
    <message>
        <source>В проекте нет промежуточных уровней: анализировать нечего</source>
        <translation>The project has no middle levels: there is nothing to analyse</translation>
    </message>
    <message>
        <source>Итоговый рейтинг</source>
        <translation>Final ranking</translation>
    </message>
    <message>
        <source>Глобальные приоритеты уровней</source>
        <translation>Global priorities of the levels</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Альтернатива</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Доля идеала</source>
        <translation>Share of the ideal</translation>
    </message>
    <message>
        <source>Доля идеала: взвешенная доля лучшей альтернативы под каждым критерием; 1 — лучшая по всем критериям</source>
        <translation>Share of the ideal: the weighted share of the best alternative under each criterion; 1 means the best on every criterion</translation>
    </message>
    <message>
        <source>При любом весе этого критерия ни одна альтернатива не меняется местами с лидером.</source>
        <translation>At any weight of this criterion no alternative changes places with the leader.</translation>
    </message>
</context>
<context>
    <name>ReportPhrases</name>
    <message>
        <source>Цель: %1</source>
        <translation>Goal: %1</translation>
    </message>
    <message>
        <source>Комментарий: %1</source>
        <translation>Comment: %1</translation>
    </message>
    <message>
        <source>Уровней: %1</source>
        <translation>Levels: %1</translation>
    </message>
    <message>
        <source>(Доля идеала %1)</source>
        <translation>(share of the ideal %1)</translation>
    </message>
    <message>
        <source>Уровень %1, элемент %2: %3</source>
        <translation>Level %1, element %2: %3</translation>
    </message>
    <message>
        <source>Анализ чувствительности:</source>
        <translation>Sensitivity analysis:</translation>
    </message>
    <message>
        <source>(доля %1)</source>
        <translation>(share %1)</translation>
    </message>
    <message>
        <source>(доля %1; %2)</source>
        <translation>(share %1; %2)</translation>
    </message>
    <message>
        <source>%1: приоритет %2, идеальное значение %3</source>
        <translation>%1: priority %2, ideal value %3</translation>
    </message>
    <message>
        <source>Критерий: %1</source>
        <translation>Criterion: %1</translation>
    </message>
    <message>
        <source>Итоговый рейтинг (оценки по шкалам), групповая оценка, оценки экспертов и их среднее:</source>
        <translation>Final ranking (ratings): the group score, the experts&apos; scores and their mean:</translation>
    </message>
    <message>
        <source>(эксперты: %1; среднее %2)</source>
        <translation>(experts: %1; mean %2)</translation>
    </message>
    <message>
        <source>(эксперты: %1; среднее %2; %3)</source>
        <translation>(experts: %1; mean %2; %3)</translation>
    </message>
    <message>
        <source>Эксперты:</source>
        <translation>Experts:</translation>
    </message>
    <message>
        <source>%1. %2 (%3): вес %4, доля %5</source>
        <translation>%1. %2 (%3): weight %4, share %5</translation>
    </message>
    <message>
        <source>%1. %2 (%3): вес %4, доля %5, не учитывается</source>
        <translation>%1. %2 (%3): weight %4, share %5, not included</translation>
    </message>
    <message>
        <source>Итоговый рейтинг (%1):</source>
        <translation>Final ranking (%1):</translation>
    </message>
    <message>
        <source>Итоговый рейтинг (идеальный синтез) (%1):</source>
        <translation>Final ranking (ideal synthesis) (%1):</translation>
    </message>
    <message>
        <source>Собственные рейтинги экспертов:</source>
        <translation>The experts&apos; own rankings:</translation>
    </message>
    <message>
        <source>итоговых приоритетов нет: сравнения не связывают элементы</source>
        <translation>no final priorities: the comparisons do not connect the elements</translation>
    </message>
    <message>
        <source>файл группы «%1» задаётся один, без файлов экспертов</source>
        <translation>the group file “%1” is given alone, without experts&apos; files</translation>
    </message>
    <message>
        <source>--weights: весов %1, а экспертов %2</source>
        <translation>--weights: the number of weights (%1) is not the number of experts (%2)</translation>
    </message>
    <message>
        <source>Не могу записать отчёт в стандартный вывод: %1</source>
        <translation>Cannot write the report to standard output: %1</translation>
    </message>
    <message>
        <source>Не могу записать отчёт в файл «%1»: %2</source>
        <translation>Cannot write the report to the file “%1”: %2</translation>
    </message>
    <message>
        <source>Отчёт не записан: файл «%1» — один из файлов, которые отчёт читает</source>
        <translation>Report not written: the file “%1” is one of the files the report reads</translation>
    </message>
</context>
<context>
    <name>StoragePhrases</name>
    <message>
        <source>Пустое имя файла</source>
        <translation>Empty file name</translation>
    </message>
    <message>
        <source>Не могу открыть файл проекта</source>
        <translation>Cannot open the project file</translation>
    </message>
    <message>
        <source>Файл проекта поврежден. Загрузка невозможна!</source>
        <translation>The project file is damaged. It cannot be loaded!</translation>
    </message>
    <message>
        <source>Нулевой указатель на файл</source>
        <translation>Null file pointer</translation>
    </message>
    <message>
        <source>Ошибка открытия файла</source>
        <translation>Error opening the file</translation>
    </message>
    <message>
        <source>Ошибка записи файла</source>
        <translation>Error writing the file</translation>
    </message>
    <message>
        <source>Не могу сохранить проект в виде шаблона</source>
        <translation>Cannot save the project as a template</translation>
    </message>
    <message>
        <source>Не могу открыть текущий шаблон</source>
        <translation>Cannot open the current template</translation>
    </message>
    <message>
        <source>Не могу клонировать текущий проект</source>
        <translation>Cannot clone the current project</translation>
    </message>
    <message>
        <source>не файл проекта</source>
        <translation>not a project file</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>запись не удалась</source>
        <translation>writing failed</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>вложенность глубже %1 (байт %2)</source>
        <translation>nested deeper than %1 levels (byte %2)</translation>
    </message>
    <message>
        <source>файл не JSON (ошибка в байте %1)</source>
        <translation>the file is not JSON (error at byte %1)</translation>
    </message>
    <message>
        <source>файл не JSON (число вне пределов)</source>
        <translation>the file is not JSON (a number out of range)</translation>
    </message>
    <message>
        <source>файл не объект JSON</source>
        <translation>the file is not a JSON object</translation>
    </message>
    <message>
        <source>не «%1»</source>
        <translation>not “%1”</translation>
    </message>
    <message>
        <source>версия не указана</source>
        <translation>no version given</translation>
    </message>
    <message>
        <source>файл создан более новой версией Tessaly</source>
        <translation>the file was made by a newer version of Tessaly</translation>
    </message>
    <message>
        <source>версия %1 не поддерживается</source>
        <translation>version %1 is not supported</translation>
    </message>
    <message>
        <source>способ оценки не «pairs» и не «ratings»</source>
        <translation>the evaluation is neither “pairs” nor “ratings”</translation>
    </message>
    <message>
        <source>нет списка шкал</source>
        <translation>no list of scales</translation>
    </message>
    <message>
        <source>нет обозначения шкалы</source>
        <translation>no scale id</translation>
    </message>
    <message>
        <source>обозначение «%1» уже есть у %2</source>
        <translation>the id “%1” is already taken by %2</translation>
    </message>
    <message>
        <source>имя «%1» уже есть у %2</source>
        <translation>the name “%1” is already taken by %2</translation>
    </message>
    <message>
        <source>нет списка интенсивностей</source>
        <translation>no list of intensities</translation>
    </message>
    <message>
        <source>%1 интенсивностей, а не от %2 до %3</source>
        <translation>the number of intensities is %1, not from %2 to %3</translation>
    </message>
    <message>
        <source>нет списка оценок</source>
        <translation>no list of ratings</translation>
    </message>
    <message>
        <source>%1 оценок вместо %2</source>
        <translation>the number of ratings is %1 instead of %2</translation>
    </message>
    <message>
        <source>%1 значений вместо %2</source>
        <translation>the number of values is %1 instead of %2</translation>
    </message>
    <message>
        <source>оценка не текст</source>
        <translation>the rating is not text</translation>
    </message>
    <message>
        <source>в шкале «%1» нет интенсивности «%2»</source>
        <translation>scale “%1” has no intensity “%2”</translation>
    </message>
    <message>
        <source>нет списка альтернатив</source>
        <translation>no list of alternatives</translation>
    </message>
    <message>
        <source>не список</source>
        <translation>not a list</translation>
    </message>
    <message>
        <source>альтернатив меньше %1</source>
        <translation>fewer than %1 alternatives</translation>
    </message>
    <message>
        <source>подкритериев больше %1</source>
        <translation>more than %1 sub-criteria</translation>
    </message>
    <message>
        <source>у цели нет критериев</source>
        <translation>the goal has no criteria</translation>
    </message>
    <message>
        <source>альтернативы оцениваются по шкале, а не сравниваются</source>
        <translation>the alternatives are rated on a scale, not compared</translation>
    </message>
    <message>
        <source>нет шкалы</source>
        <translation>no scale</translation>
    </message>
    <message>
        <source>нет шкалы «%1»</source>
        <translation>no scale “%1”</translation>
    </message>
    <message>
        <source>не объект</source>
        <translation>not an object</translation>
    </message>
    <message>
        <source>нет имени</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>имя не текст</source>
        <translation>the name is not text</translation>
    </message>
    <message>
        <source>комментарий не текст</source>
        <translation>the comment is not text</translation>
    </message>
    <message>
        <source>недопустимый код %1</source>
        <translation>invalid code %1</translation>
    </message>
    <message>
        <source>не целое число</source>
        <translation>not an integer</translation>
    </message>
    <message>
        <source>Не могу открыть файл группы</source>
        <translation>Cannot open the group file</translation>
    </message>
    <message>
        <source>Это не файл группы экспертов</source>
        <translation>This is not an expert group file</translation>
    </message>
    <message>
        <source>В файле группы не указана версия</source>
        <translation>The group file gives no version</translation>
    </message>
    <message>
        <source>Версия файла группы %1 не поддерживается</source>
        <translation>Group file version %1 is not supported</translation>
    </message>
    <message>
        <source>В файле группы нет списка экспертов</source>
        <translation>The group file has no list of experts</translation>
    </message>
    <message>
        <source>В группе нет ни одного эксперта</source>
        <translation>The group has no experts</translation>
    </message>
    <message>
        <source>В файле группы «weighted» должно быть true или false</source>
        <translation>In the group file, “weighted” must be true or false</translation>
    </message>
    <message>
        <source>Эксперт %1: %2</source>
        <translation>Expert %1: %2</translation>
    </message>
    <message>
        <source>не указан файл</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>имя файла записано неверно</source>
        <translation>the file name is malformed</translation>
    </message>
    <message>
        <source>метка записана неверно</source>
        <translation>the label is malformed</translation>
    </message>
    <message>
        <source>файл «%1» уже указан для эксперта %2</source>
        <translation>file “%1” is already given for expert %2</translation>
    </message>
    <message>
        <source>запись неверна</source>
        <translation>the entry is malformed</translation>
    </message>
    <message>
        <source>метка должна быть текстом</source>
        <translation>the label must be text</translation>
    </message>
    <message>
        <source>«included» должно быть true или false</source>
        <translation>“included” must be true or false</translation>
    </message>
    <message>
        <source>вес должен быть числом от 0.000001 до 1000000</source>
        <translation>the weight must be a number from 0.000001 to 1000000</translation>
    </message>
</context>
<context>
    <name>TAddNewLevel</name>
    <message>
        <source>Добавление нового уровня</source>
        <translation>Add a new level</translation>
    </message>
    <message>
        <source>Число элементов в новом уровне:</source>
        <translation>Elements in the new level:</translation>
    </message>
    <message>
        <source>Способ размещения</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Справа от текущего уровня</source>
        <translation>Right of the current level</translation>
    </message>
    <message>
        <source>Слева от текущего уровня</source>
        <translation>Left of the current level</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Выше от текущего уровня</source>
        <translation>Above the current level</translation>
    </message>
    <message>
        <source>Ниже от текущего уровня</source>
        <translation>Below the current level</translation>
    </message>
</context>
<context>
    <name>TCreateUserProject</name>
    <message>
        <source>Создание нового проекта</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Параметры нового проекта</source>
        <translation>New project settings</translation>
    </message>
    <message>
        <source>Цель проекта</source>
        <translation>Project goal</translation>
    </message>
    <message>
        <source>Число уровней в иерархии:</source>
        <translation>Number of levels in the hierarchy:</translation>
    </message>
    <message>
        <source>Максимальное число элементов:</source>
        <translation>Maximum number of elements:</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Справка Tessaly</source>
        <translation>Tessaly Help</translation>
    </message>
    <message>
        <source>Текст справки</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Файл справки не найден</source>
        <translation>Help file not found</translation>
    </message>
    <message>
        <source>Не удалось открыть файл &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>Could not open the file &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Ошибка при запросе текущего пути</source>
        <translation>Error reading the current directory</translation>
    </message>
    <message>
        <source>Оценки по шкалам всегда идеальны: переключатель к ним не относится.</source>
        <translation>Ratings are always ideal: the switch does not apply to them.</translation>
    </message>
    <message>
        <source>Показывать результаты идеального синтеза вместо распределительного</source>
        <translation>Show the results of the ideal synthesis instead of the distributive one</translation>
    </message>
    <message>
        <source>Желательный режим видеокарты: 1024x768</source>
        <translation>Recommended screen resolution: 1024x768</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Создать новый проект</source>
        <translation>&amp;New project</translation>
    </message>
    <message>
        <source>Создать &amp;дерево критериев...</source>
        <translation>New criteria &amp;tree...</translation>
    </message>
    <message>
        <source>&amp;Открыть проект</source>
        <translation>&amp;Open project</translation>
    </message>
    <message>
        <source>Со&amp;хранить проект</source>
        <translation>&amp;Save project</translation>
    </message>
    <message>
        <source>Сохранить проект &amp;как...</source>
        <translation>Save project &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Загрузить шаблон проекта</source>
        <translation>&amp;Load project template</translation>
    </message>
    <message>
        <source>Загрузить шаблонную иерархию</source>
        <translation>Load a template hierarchy</translation>
    </message>
    <message>
        <source>Сохранить проект в виде &amp;шаблона</source>
        <translation>Save project as t&amp;emplate</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Выйти из программы</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Отменить: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>&amp;Повторить: %1</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>Преобразовать в &amp;дерево</source>
        <translation>Convert to &amp;tree</translation>
    </message>
    <message>
        <source>Оценка &amp;альтернатив</source>
        <translation>&amp;Evaluation of alternatives</translation>
    </message>
    <message>
        <source>&amp;Попарно</source>
        <translation>In &amp;pairs</translation>
    </message>
    <message>
        <source>По &amp;шкалам</source>
        <translation>By &amp;ratings</translation>
    </message>
    <message>
        <source>Шкалы о&amp;ценок...</source>
        <translation>Rating &amp;scales...</translation>
    </message>
    <message>
        <source>&amp;Настройки</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Ориентация</source>
        <translation>&amp;Orientation</translation>
    </message>
    <message>
        <source>&amp;Вертикальная</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Горизонтальная</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Идеальный синтез</source>
        <translation>&amp;Ideal synthesis</translation>
    </message>
    <message>
        <source>&amp;Как в системе</source>
        <translation>&amp;As in the system</translation>
    </message>
    <message>
        <source>&amp;Анализ</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>&amp;Отчёт по проекту (PDF)...</source>
        <translation>Project &amp;report (PDF)...</translation>
    </message>
    <message>
        <source>&amp;Экспорт результатов (CSV)...</source>
        <translation>&amp;Export results (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Анализ чувствительности</source>
        <translation>&amp;Sensitivity analysis</translation>
    </message>
    <message>
        <source>&amp;Подготовить файлы для экспертов...</source>
        <translation>&amp;Prepare files for experts...</translation>
    </message>
    <message>
        <source>&amp;Групповое решение...</source>
        <translation>&amp;Group decision...</translation>
    </message>
    <message>
        <source>Открыть г&amp;руппу экспертов...</source>
        <translation>&amp;Open expert group...</translation>
    </message>
    <message>
        <source>&amp;Окно</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Каскад</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>По &amp;вертикали</source>
        <translation>Side by side (&amp;vertical)</translation>
    </message>
    <message>
        <source>По &amp;горизонтали</source>
        <translation>One above the other (&amp;horizontal)</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Проект не преобразован в дерево: %1.</source>
        <translation>The project was not converted to a tree: %1.</translation>
    </message>
    <message>
        <source>Закрыть проект</source>
        <translation>Close project</translation>
    </message>
    <message>
        <source>Распечатать проект</source>
        <translation>Print project</translation>
    </message>
    <message>
        <source>Показать предыдущий проект</source>
        <translation>Show previous project</translation>
    </message>
    <message>
        <source>Показать следующий проект</source>
        <translation>Show next project</translation>
    </message>
    <message>
        <source>Другие команды панели</source>
        <translation>More toolbar commands</translation>
    </message>
    <message>
        <source>Другие пункты меню</source>
        <translation>More menu items</translation>
    </message>
    <message>
        <source>Клонировать проект</source>
        <translation>Clone project</translation>
    </message>
    <message>
        <source>Цель дерева критериев:</source>
        <translation>Goal of the criteria tree:</translation>
    </message>
    <message>
        <source>Создать дерево критериев</source>
        <translation>New criteria tree</translation>
    </message>
    <message>
        <source>Оценка альтернатив</source>
        <translation>Evaluation of alternatives</translation>
    </message>
    <message>
        <source>Попарно</source>
        <translation>In pairs</translation>
    </message>
    <message>
        <source>По шкалам</source>
        <translation>By ratings</translation>
    </message>
    <message>
        <source>Дерево критериев не создано: %1.</source>
        <translation>The criteria tree was not created: %1.</translation>
    </message>
    <message>
        <source>Отчёт сохранён: %1</source>
        <translation>Report saved: %1</translation>
    </message>
    <message>
        <source>Результаты сохранены: %1</source>
        <translation>Results saved: %1</translation>
    </message>
    <message>
        <source>Файлы экспертов созданы: %1 в папке %2</source>
        <translation>Expert files created: %1 in the folder %2</translation>
    </message>
    <message>
        <source>tessaly.hlp</source>
        <extracomment>The help document&apos;s file name: each language ships its own beside the program.</extracomment>
        <translation>tessaly_en.hlp</translation>
    </message>
    <message>
        <source>&amp;Язык / Language</source>
        <extracomment>Both languages in every translation; only its letter moves to one the translation&apos;s keyboard has.</extracomment>
        <translation>Язык / &amp;Language</translation>
    </message>
    <message>
        <source>&amp;Русский</source>
        <extracomment>Russian named in Russian; a translation adds its own name with a letter of its keyboard.</extracomment>
        <translation>Русский (&amp;Russian)</translation>
    </message>
</context>
<context>
    <name>TTreeProject</name>
    <message>
        <source>Иерархия критериев</source>
        <translation>Criteria hierarchy</translation>
    </message>
    <message>
        <source>Альтернативы</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>Альтернатива</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Итоговый результат</source>
        <translation>Final result</translation>
    </message>
    <message>
        <source>Показать результат</source>
        <translation>Show the result</translation>
    </message>
    <message>
        <source>Клавиши: %1</source>
        <translation>Shortcut: %1</translation>
    </message>
    <message>
        <source>Показать приоритеты уровня</source>
        <translation>Show level priorities</translation>
    </message>
    <message>
        <source>Анализ чувствительности</source>
        <translation>Sensitivity analysis</translation>
    </message>
    <message>
        <source>Оценки альтернатив</source>
        <translation>Ratings of alternatives</translation>
    </message>
    <message>
        <source>Альтернативы этого проекта сравниваются попарно, а не оцениваются по шкалам.</source>
        <translation>The alternatives of this project are compared in pairs, not rated on scales.</translation>
    </message>
    <message>
        <source>Добавить подкритерий...</source>
        <translation>Add sub-criterion...</translation>
    </message>
    <message>
        <source>Добавить критерий рядом...</source>
        <translation>Add criterion alongside...</translation>
    </message>
    <message>
        <source>Переименовать критерий...</source>
        <translation>Rename criterion...</translation>
    </message>
    <message>
        <source>Комментарий к критерию...</source>
        <translation>Comment on criterion...</translation>
    </message>
    <message>
        <source>Удалить с подкритериями</source>
        <translation>Delete with sub-criteria</translation>
    </message>
    <message>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Вынести на уровень выше</source>
        <translation>Move up a level</translation>
    </message>
    <message>
        <source>Сделать подкритерием предыдущего</source>
        <translation>Make sub-criterion of the previous one</translation>
    </message>
    <message>
        <source>Шкала критерия...</source>
        <translation>Criterion scale...</translation>
    </message>
    <message>
        <source>Добавить альтернативу...</source>
        <translation>Add alternative...</translation>
    </message>
    <message>
        <source>Переименовать альтернативу...</source>
        <translation>Rename alternative...</translation>
    </message>
    <message>
        <source>Удалить альтернативу</source>
        <translation>Delete alternative</translation>
    </message>
    <message>
        <source>Переместить альтернативу вверх</source>
        <translation>Move alternative up</translation>
    </message>
    <message>
        <source>Переместить альтернативу вниз</source>
        <translation>Move alternative down</translation>
    </message>
    <message>
        <source>Критерий %1</source>
        <translation>Criterion %1</translation>
    </message>
    <message>
        <source>Альтернатива %1</source>
        <translation>Alternative %1</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Доля</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>%1, не все оценки</source>
        <translation>%1, not fully rated</translation>
    </message>
    <message>
        <source>Изменение не сделано: %1.</source>
        <translation>The change was not made: %1.</translation>
    </message>
    <message>
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Название нового критерия:</source>
        <translation>Name of the new criterion:</translation>
    </message>
    <message>
        <source>Полное название критерия:</source>
        <translation>Full name of the criterion:</translation>
    </message>
    <message>
        <source>Комментарий к критерию «%1»:</source>
        <translation>Comment on criterion “%1”:</translation>
    </message>
    <message>
        <source>Название новой альтернативы:</source>
        <translation>Name of the new alternative:</translation>
    </message>
    <message>
        <source>Полное название альтернативы:</source>
        <translation>Full name of the alternative:</translation>
    </message>
    <message>
        <source>Сравнения альтернатив по всем критериям будут удалены: альтернативы будут оцениваться по шкалам. Продолжить?</source>
        <translation>The pairwise comparisons of the alternatives under every criterion will be deleted: the alternatives will be rated on scales. Continue?</translation>
    </message>
    <message>
        <source>Оценки альтернатив и шкалы будут удалены: альтернативы будут сравниваться попарно. Продолжить?</source>
        <translation>The ratings of the alternatives and the scales will be deleted: the alternatives will be compared in pairs. Continue?</translation>
    </message>
    <message>
        <source>Шкала критерия «%1»:</source>
        <translation>Scale of criterion “%1”:</translation>
    </message>
    <message>
        <source>Шкала критерия</source>
        <translation>Criterion scale</translation>
    </message>
    <message>
        <source>В шкале «%1» другое число интенсивностей, чем в шкале «%2»: оценки альтернатив по критерию «%3» будут удалены. Продолжить?</source>
        <translation>Scale “%1” has a different number of intensities than scale “%2”: the ratings of the alternatives on criterion “%3” will be deleted. Continue?</translation>
    </message>
</context>
<context>
    <name>TUserProject</name>
    <message>
        <source>Итоговый результат</source>
        <translation>Final result</translation>
    </message>
    <message>
        <source>Ориентация иерархии</source>
        <translation>Hierarchy orientation</translation>
    </message>
    <message>
        <source>Режим редактирования</source>
        <translation>Editing mode</translation>
    </message>
    <message>
        <source>Режим работы эксперта</source>
        <translation>Expert mode</translation>
    </message>
    <message>
        <source>Показать результат</source>
        <translation>Show the result</translation>
    </message>
    <message>
        <source>Клонировать проект</source>
        <translation>Clone the project</translation>
    </message>
    <message>
        <source>Клавиши: %1</source>
        <translation>Shortcut: %1</translation>
    </message>
    <message>
        <source>Добавить элемент</source>
        <translation>Add element</translation>
    </message>
    <message>
        <source>Удалить элемент</source>
        <translation>Delete element</translation>
    </message>
    <message>
        <source>Добавить уровень</source>
        <translation>Add level</translation>
    </message>
    <message>
        <source>Удалить уровень</source>
        <translation>Delete level</translation>
    </message>
    <message>
        <source>Показать приоритеты уровня</source>
        <translation>Show level priorities</translation>
    </message>
    <message>
        <source>Анализ чувствительности</source>
        <translation>Sensitivity analysis</translation>
    </message>
</context>
<context>
    <name>TfmAboutForm</name>
    <message>
        <source> О программе</source>
        <translation> About</translation>
    </message>
    <message>
        <source>программа поддержки принятия рациональных решений</source>
        <translation>software for rational decision making</translation>
    </message>
    <message>
        <source>Beta версия</source>
        <translation>Beta version</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfmAbsoluteMatrix</name>
    <message>
        <source>Улучшение согласованности исходных данных</source>
        <translation>Improving the consistency of the judgements</translation>
    </message>
    <message>
        <source>Список нарушений условия транзитивности</source>
        <translation>List of intransitive triads</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Принято</source>
        <translation>Accepted</translation>
    </message>
    <message>
        <source>Принято: %1</source>
        <translation>Accepted: %1</translation>
    </message>
    <message>
        <source>Принять: %1</source>
        <translation>Accept: %1</translation>
    </message>
</context>
<context>
    <name>TfmCurrentPriorityLevel</name>
    <message>
        <source>Приоритеты текущего уровня</source>
        <translation>Priorities of the current level</translation>
    </message>
    <message>
        <source>Номер текущего уровня - </source>
        <extracomment>The level&apos;s number follows in a label of its own</extracomment>
        <translation>Current level number - </translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Предыдущий уровень</source>
        <translation>Previous level</translation>
    </message>
    <message>
        <source>Следующий уровень</source>
        <translation>Next level</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TfmElementEdit</name>
    <message>
        <source>Редактирование элемента</source>
        <translation>Edit element</translation>
    </message>
    <message>
        <source>Редактирование текущего элемента</source>
        <translation>Editing the current element</translation>
    </message>
    <message>
        <source>Наименование элемента:</source>
        <translation>Element name:</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfmExpertFiles</name>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 is a list of file names, %2 how many more files there are</extracomment>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>В папке «%1» уже есть файлы экспертов этого проекта: %2. Они будут заменены новыми, и суждения, записанные в них, пропадут. Заменить их?</source>
        <translation>The folder “%1” already holds expert files of this project: %2. They will be replaced by new ones, and the judgements recorded in them will be lost. Replace them?</translation>
    </message>
    <message>
        <source>Подготовить файлы для экспертов</source>
        <translation>Prepare files for experts</translation>
    </message>
    <message>
        <source>&amp;Имена экспертов, по одному в строке:</source>
        <translation>&amp;Names of the experts, one per line:</translation>
    </message>
    <message>
        <source>&amp;Папка:</source>
        <translation>&amp;Folder:</translation>
    </message>
    <message>
        <source>&amp;Выбрать...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>Выбрать папку</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>&amp;Сохранить в файлах суждения проекта</source>
        <translation>&amp;Keep the project&apos;s judgements in the files</translation>
    </message>
    <message>
        <source>Без этого флажка все сравнения в файлах экспертов не заданы</source>
        <translation>If unchecked, every comparison in the experts&apos; files is left not given</translation>
    </message>
    <message>
        <source>Создать файлы</source>
        <translation>Create files</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Папка «%1» не найдена</source>
        <translation>Folder “%1” not found</translation>
    </message>
</context>
<context>
    <name>TfmExpertForm</name>
    <message>
        <source>Работа эксперта</source>
        <translation>Expert judgement</translation>
    </message>
    <message>
        <source>Производим попарные сравнения
относительно объекта %1</source>
        <extracomment>The heading over the table, in two centred lines with the judged object&apos;s name in a field under them (%1 marks it; it always stands under the second line).</extracomment>
        <translation>Pairwise comparisons
with respect to %1</translation>
    </message>
    <message>
        <source>Имя объекта</source>
        <translation>Object name</translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Исследовать</source>
        <translation>Examine</translation>
    </message>
    <message>
        <source>Не сравнивать</source>
        <translation>Leave out</translation>
    </message>
    <message>
        <source>не задано; по дополненной матрице %1</source>
        <translation>not given; %1 in the completed matrix</translation>
    </message>
    <message>
        <source>не задано</source>
        <translation>not given</translation>
    </message>
</context>
<context>
    <name>TfmExpertScale</name>
    <message>
        <source>Качественная шкала</source>
        <translation>Verbal scale</translation>
    </message>
    <message>
        <source>Сравниваем объект  A %1
с объектом  B %2
Относительно объекта верхнего уровня %3</source>
        <extracomment>The heading of the scale window, one sentence in three lines: the first object&apos;s name stands in a field after the first line (%1), the second&apos;s after the second line (%2), the upper-level object&apos;s under the third (%3).</extracomment>
        <translation>Comparing object A %1
with object B %2
With respect to the upper-level object %3</translation>
    </message>
    <message>
        <source>Сравниваем объект A</source>
        <translation>Comparing object A</translation>
    </message>
    <message>
        <source>С объектом B</source>
        <translation>With object B</translation>
    </message>
    <message>
        <source>Разделитель, не выбирается</source>
        <extracomment>What a screen reader says of an empty line of the scale, which cannot be chosen.</extracomment>
        <translation>Separator, cannot be chosen</translation>
    </message>
    <message>
        <source>Промежуточное значение %1 в пользу %2</source>
        <extracomment>What a screen reader says of a grey line &quot;&lt;&lt;...&gt;&gt;&quot; of the scale: %1 is the judgement&apos;s value, %2 the object it favours (&quot;A&quot; or &quot;B&quot;).</extracomment>
        <translation>Intermediate value %1 in favour of %2</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfmGroupDecision</name>
    <message>
        <source>не задано</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>A compared element&apos;s name in quotation marks, in place of A or B in a judgement&apos;s words</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Состав группы...</source>
        <translation>Group members...</translation>
    </message>
    <message>
        <source>Сохранить группу</source>
        <translation>Save group</translation>
    </message>
    <message>
        <source>Сохранить группу как...</source>
        <translation>Save group as...</translation>
    </message>
    <message>
        <source>Анализ &amp;чувствительности...</source>
        <translation>&amp;Sensitivity analysis...</translation>
    </message>
    <message>
        <source>Анализ чувствительности группового рейтинга</source>
        <translation>Sensitivity analysis of the group ranking</translation>
    </message>
    <message>
        <source>Диаграмма группового рейтинга</source>
        <translation>Group ranking chart</translation>
    </message>
    <message>
        <source>ОС выше допустимой</source>
        <translation>CR above the acceptable limit</translation>
    </message>
    <message>
        <source>Групповые суждения</source>
        <translation>Group judgements</translation>
    </message>
    <message>
        <source>Приоритеты экспертов</source>
        <translation>Experts&apos; priorities</translation>
    </message>
    <message>
        <source>Суждения экспертов о паре</source>
        <translation>Experts&apos; judgements of the pair</translation>
    </message>
    <message>
        <source>Суждение</source>
        <translation>Judgement</translation>
    </message>
    <message>
        <source>Отклонение</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>не учитывается</source>
        <translation>not included</translation>
    </message>
    <message>
        <source>дальше всех от группы</source>
        <translation>furthest from the group</translation>
    </message>
    <message>
        <source>Учёт</source>
        <extracomment>The column of the check boxes that count an expert in the group&apos;s figures</extracomment>
        <translation>Included</translation>
    </message>
    <message>
        <source>учитывать</source>
        <extracomment>Beside an expert&apos;s check box</extracomment>
        <translation>include</translation>
    </message>
    <message>
        <source>Учитывать эксперта %1 во всех показателях группы</source>
        <translation>Include expert %1 in all the group&apos;s figures</translation>
    </message>
    <message>
        <source>Вес эксперта %1: введите новое значение</source>
        <translation>Weight of expert %1: type a new value</translation>
    </message>
    <message>
        <source>Веса экспертов не учитываются</source>
        <translation>Experts&apos; weights are not taken into account</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 names the experts nearest the group, %2 counts the others</extracomment>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>Расстояние каждого эксперта от группы</source>
        <translation>Each expert&apos;s distance from the group</translation>
    </message>
    <message>
        <source>Экспертов: %1.</source>
        <translation>Experts: %1.</translation>
    </message>
    <message>
        <source>Группа не сохранена.</source>
        <translation>The group has not been saved.</translation>
    </message>
    <message>
        <source>Файл группы: %1 (изменён)</source>
        <translation>Group file: %1 (modified)</translation>
    </message>
    <message>
        <source>Файл группы: %1</source>
        <translation>Group file: %1</translation>
    </message>
    <message>
        <source>Показатели устарели: файлы экспертов изменились и не прочитаны.</source>
        <translation>The figures are out of date: the experts&apos; files have changed and have not been read.</translation>
    </message>
    <message>
        <source>%1 (изменена)</source>
        <extracomment>The group window&apos;s name for a screen reader while the group has unsaved changes</extracomment>
        <translation>%1 (modified)</translation>
    </message>
    <message>
        <source>Диаграмма показывает групповые приоритеты альтернатив из таблицы «%1».</source>
        <translation>The chart shows the alternatives&apos; group priorities from the table “%1”.</translation>
    </message>
    <message>
        <source>«%1» (уровень %2): групповые суждения (%3 под значением) и приоритеты экспертов</source>
        <translation>“%1” (level %2): group judgements (%3 under each value) and the experts&apos; priorities</translation>
    </message>
    <message>
        <source>«%1»: групповые суждения (%2 под значением) и приоритеты экспертов</source>
        <translation>“%1”: group judgements (%2 under each value) and the experts&apos; priorities</translation>
    </message>
    <message>
        <source>Выберите пару в матрице групповых суждений, чтобы увидеть суждения каждого эксперта о ней.</source>
        <translation>Select a pair in the matrix of group judgements to see each expert&apos;s judgement of it.</translation>
    </message>
    <message numerus="yes">
        <source>Пара «%1» и «%2»: её оценили %3 из %n экспертов.</source>
        <translation>
            <numerusform>Pair “%1” and “%2”: judged by %3 of %n expert.</numerusform>
            <numerusform>Pair “%1” and “%2”: judged by %3 of %n experts.</numerusform>
        </translation>
    </message>
    <message>
        <source>Эксперты по расстоянию от группы: %1</source>
        <translation>Experts by distance from the group: %1</translation>
    </message>
    <message>
        <source>Вес «%1» не принят: %2.</source>
        <translation>Weight “%1” not accepted: %2.</translation>
    </message>
    <message>
        <source>Вес %1 не принят: %2.</source>
        <translation>Weight %1 not accepted: %2.</translation>
    </message>
    <message>
        <source>вес эксперта «%1»</source>
        <extracomment>An undo step: the Undo and Redo commands put their own word before it</extracomment>
        <translation>weight of expert “%1”</translation>
    </message>
    <message>
        <source>учёт эксперта «%1»</source>
        <translation>inclusion of expert “%1”</translation>
    </message>
    <message>
        <source>исключение эксперта «%1»</source>
        <translation>exclusion of expert “%1”</translation>
    </message>
    <message>
        <source>учёт весов экспертов</source>
        <translation>use of the experts&apos; weights</translation>
    </message>
    <message>
        <source>отказ от весов экспертов</source>
        <translation>dropping the experts&apos; weights</translation>
    </message>
</context>
<context>
    <name>TfmGroupMembers</name>
    <message>
        <source>Проект TESSALY (*.tsy *.tsj)</source>
        <translation>TESSALY project (*.tsy *.tsj)</translation>
    </message>
    <message>
        <source>Групповое решение</source>
        <translation>Group decision</translation>
    </message>
    <message>
        <source>&amp;Файлы экспертов:</source>
        <translation>&amp;Experts&apos; files:</translation>
    </message>
    <message>
        <source>Файлы экспертов</source>
        <translation>Experts&apos; files</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Метка</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Вес</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>&amp;Добавить...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>&amp;Указать файл...</source>
        <translation>&amp;Locate file...</translation>
    </message>
    <message>
        <source>Указать новое место файла выбранного эксперта</source>
        <translation>Point to the new location of the selected expert&apos;s file</translation>
    </message>
    <message>
        <source>Уд&amp;алить</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Уже в группе: %1</source>
        <translation>Already in the group: %1</translation>
    </message>
</context>
<context>
    <name>TfmRatingScales</name>
    <message>
        <source>Шкалы оценок</source>
        <translation>Rating scales</translation>
    </message>
    <message>
        <source>Шкалы</source>
        <translation>Scales</translation>
    </message>
    <message>
        <source>Шкала</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Интенсивностей</source>
        <translation>Intensities</translation>
    </message>
    <message>
        <source>ОС</source>
        <translation>CR</translation>
    </message>
    <message>
        <source>Интенсивности шкалы</source>
        <translation>Intensities of the scale</translation>
    </message>
    <message>
        <source>Интенсивность</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>Приоритет</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Идеальное значение</source>
        <translation>Ideal value</translation>
    </message>
    <message>
        <source>Клавиша: %1</source>
        <translation>Shortcut: %1</translation>
    </message>
    <message>
        <source>&amp;Добавить...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>&amp;Переименовать...</source>
        <translation>&amp;Rename...</translation>
    </message>
    <message>
        <source>&amp;Интенсивности...</source>
        <translation>&amp;Intensities...</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Сравнить...</source>
        <translation>&amp;Compare...</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Отношение согласованности %1 (допустимо до %2).</source>
        <translation>Consistency ratio %1 (acceptable up to %2).</translation>
    </message>
    <message>
        <source>Сравнения шкалы не связывают все её интенсивности.</source>
        <translation>The scale’s comparisons do not connect all its intensities.</translation>
    </message>
    <message>
        <source>Интенсивность «%1» получила больший вес, чем «%2».</source>
        <translation>Intensity “%1” has received a greater weight than “%2”.</translation>
    </message>
    <message>
        <source>Новая шкала</source>
        <translation>New scale</translation>
    </message>
    <message>
        <source>Какую шкалу добавить?</source>
        <translation>Which scale do you want to add?</translation>
    </message>
    <message>
        <source>Добавить шкалу</source>
        <translation>Add scale</translation>
    </message>
    <message>
        <source>Название новой шкалы:</source>
        <translation>Name of the new scale:</translation>
    </message>
    <message>
        <source>Интенсивности шкалы «%1», лучшая первой, через «%2»:</source>
        <translation>Intensities of scale “%1”, best first, separated by “%2”:</translation>
    </message>
    <message>
        <source>Название шкалы:</source>
        <translation>Scale name:</translation>
    </message>
    <message>
        <source>Переименовать шкалу</source>
        <translation>Rename scale</translation>
    </message>
</context>
<context>
    <name>TfmRatings</name>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Оценки</source>
        <translation>Ratings</translation>
    </message>
    <message>
        <source>&amp;Найти:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>часть названия альтернативы</source>
        <translation>part of an alternative’s name</translation>
    </message>
    <message>
        <source>&amp;Импорт из CSV...</source>
        <translation>&amp;Import from CSV...</translation>
    </message>
    <message>
        <source>&amp;Экспорт в CSV...</source>
        <translation>&amp;Export to CSV...</translation>
    </message>
    <message>
        <source>Альтернативы</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>Оценки альтернатив</source>
        <translation>Ratings of alternatives</translation>
    </message>
    <message>
        <source>Интенсивности</source>
        <translation>Intensities</translation>
    </message>
    <message>
        <source>&amp;0 не оценено</source>
        <translation>&amp;0 not rated</translation>
    </message>
    <message>
        <source>Не могу открыть файл оценок.</source>
        <translation>Cannot open the ratings file.</translation>
    </message>
    <message>
        <source>Файл «%1» слишком велик для таблицы оценок.</source>
        <translation>The file “%1” is too large for a ratings table.</translation>
    </message>
    <message numerus="yes">
        <source>Других ошибок: %n.</source>
        <translation>
            <numerusform>%n more error.</numerusform>
            <numerusform>%n more errors.</numerusform>
        </translation>
    </message>
    <message>
        <source>Оценки не импортированы: в файле есть ошибки, ничего не изменено.</source>
        <translation>The ratings were not imported: the file has errors, nothing was changed.</translation>
    </message>
</context>
<context>
    <name>TfmSensitivity</name>
    <message>
        <source>Анализ чувствительности</source>
        <translation>Sensitivity analysis</translation>
    </message>
    <message>
        <source>Уровень:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Элемент:</source>
        <translation>Element:</translation>
    </message>
    <message>
        <source>Градиент</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Динамика</source>
        <translation>Dynamic</translation>
    </message>
    <message>
        <source>Глобальные веса элементов уровня</source>
        <translation>Global weights of the level&apos;s elements</translation>
    </message>
    <message>
        <source>Вес элемента %1</source>
        <translation>Weight of element %1</translation>
    </message>
    <message>
        <source>Передвиньте вес одного элемента: веса остальных элементов уровня меняются в прежней пропорции, их сумма остаётся равной 1. Суждения проекта не меняются.</source>
        <translation>Move the weight of one element: the weights of the level&apos;s other elements change in the same proportion as before, and their sum stays 1. The project&apos;s judgements do not change.</translation>
    </message>
    <message>
        <source>Итоговые приоритеты альтернатив</source>
        <translation>Final priorities of the alternatives</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Вес элемента «%1»</source>
        <translation>Weight of element “%1”</translation>
    </message>
</context>
<context>
    <name>TfmTreePriorities</name>
    <message>
        <source>Приоритеты критериев</source>
        <translation>Criteria priorities</translation>
    </message>
    <message>
        <source>Показать:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Предыдущая группа</source>
        <translation>Previous group</translation>
    </message>
    <message>
        <source>Следующая группа</source>
        <translation>Next group</translation>
    </message>
    <message>
        <source>Критерий</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Локальный</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Глобальный</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Критерии, по которым сравниваются альтернативы</source>
        <translation>Criteria the alternatives are compared on</translation>
    </message>
    <message>
        <source>Критерии цели «%1»</source>
        <translation>Criteria of the goal “%1”</translation>
    </message>
    <message>
        <source>Подкритерии «%1»</source>
        <translation>Sub-criteria of “%1”</translation>
    </message>
    <message>
        <source>Диаграмма строится не более чем для %1 критериев: их здесь %2.</source>
        <translation>The chart is drawn for at most %1 criteria: there are %2 here.</translation>
    </message>
</context>
<context>
    <name>TfmTreeSensitivity</name>
    <message>
        <source>Анализ чувствительности</source>
        <translation>Sensitivity analysis</translation>
    </message>
    <message>
        <source>Критерий:</source>
        <translation>Criterion:</translation>
    </message>
    <message>
        <source>Градиент</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Динамика</source>
        <translation>Dynamic</translation>
    </message>
    <message>
        <source>Альтернативы на графике</source>
        <translation>Alternatives on the chart</translation>
    </message>
    <message>
        <source>Ведущие альтернативы показаны всегда; отметьте другие, чтобы показать и их.</source>
        <translation>The leading alternatives are always shown; check others to show them too.</translation>
    </message>
    <message>
        <source>Локальные веса критерия и его соседей</source>
        <translation>Local weights of the criterion and its siblings</translation>
    </message>
    <message>
        <source>Передвиньте вес одного критерия: веса остальных критериев того же родителя меняются в прежней пропорции, их сумма остаётся равной 1. Суждения проекта не меняются.</source>
        <translation>Move the weight of one criterion: the weights of the other criteria under the same parent change in the same proportion as before, and their sum stays 1. The project&apos;s judgements do not change.</translation>
    </message>
    <message>
        <source>Итоговые приоритеты альтернатив</source>
        <translation>Final priorities of the alternatives</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Приоритет альтернативы</source>
        <translation>Priority of the alternative</translation>
    </message>
    <message>
        <source>Анализ чувствительности: оценки по шкалам</source>
        <translation>Sensitivity analysis: ratings</translation>
    </message>
    <message>
        <source>%1. %2 (%3, не все оценки)</source>
        <translation>%1. %2 (%3, not fully rated)</translation>
    </message>
    <message>
        <source>Оценка альтернативы</source>
        <translation>Score of the alternative</translation>
    </message>
    <message>
        <source>Оценки альтернатив, показанных на графике</source>
        <translation>Scores of the alternatives on the chart</translation>
    </message>
    <message>
        <source>В дереве нет критерия, вес которого можно менять: у каждого нет соседей.</source>
        <translation>The tree has no criterion whose weight can be moved: none of them has siblings.</translation>
    </message>
    <message>
        <source>Локальный вес критерия</source>
        <translation>Local weight of the criterion</translation>
    </message>
    <message>
        <source>Вес критерия «%1»</source>
        <translation>Weight of criterion “%1”</translation>
    </message>
</context>
</TS>
