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
    <name>DialogButtons</name>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
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
    <name>PieFilling</name>
    <message>
        <source>Круговая диаграмма: те же значения, что в таблице рядом</source>
        <translation>Pie chart: the same values as in the table beside it</translation>
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
