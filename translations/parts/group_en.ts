<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
</TS>
