<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
</TS>
