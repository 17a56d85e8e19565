<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
</TS>
