<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
    <name>CReportPageWriter</name>
    <message>
        <source>Страница %1</source>
        <translation>Page %1</translation>
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
</TS>
