<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
</TS>
