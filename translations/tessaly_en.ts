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
        <translation>Global</translation>
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
