#pragma once

// The document's sentences: the names of the undo steps (StepNames.h makes them), the
// ratings table's headers and import problems (RatingsCsv.h), and why a document edit is
// refused. A criterion, an alternative or a scale is named in «».

#include "core/model/Phrase.h"

namespace DocumentPhrases {
// The undo steps of a layered project; levels are numbered from the goal's, 0.
inline constexpr CPhrase AddElementStep = TESSALY_PHRASE("DocumentPhrases", "добавление элемента на уровень %1");
inline constexpr CPhrase DeleteElementStep = TESSALY_PHRASE("DocumentPhrases", "удаление элемента «%1»");
inline constexpr CPhrase AddLevelStep = TESSALY_PHRASE("DocumentPhrases", "добавление уровня %1");
inline constexpr CPhrase DeleteLevelStep = TESSALY_PHRASE("DocumentPhrases", "удаление уровня %1");
inline constexpr CPhrase JudgingStep = TESSALY_PHRASE("DocumentPhrases", "сравнения относительно «%1»");
// An element, a criterion or an alternative renamed: %1 the name before, %2 after.
inline constexpr CPhrase RenameStep = TESSALY_PHRASE("DocumentPhrases", "переименование «%1» в «%2»");
inline constexpr CPhrase EditElementCommentStep
    = TESSALY_PHRASE("DocumentPhrases", "изменение комментария элемента «%1»");
inline constexpr CPhrase EditElementStep = TESSALY_PHRASE("DocumentPhrases", "изменение элемента «%1»");
// The undo steps of a tree.
inline constexpr CPhrase AddCriterionStep = TESSALY_PHRASE("DocumentPhrases", "добавление критерия «%1»");
inline constexpr CPhrase RemoveCriterionStep = TESSALY_PHRASE("DocumentPhrases", "удаление критерия «%1»");
inline constexpr CPhrase MoveCriterionStep = TESSALY_PHRASE("DocumentPhrases", "перемещение критерия «%1»");
inline constexpr CPhrase EditCriterionCommentStep
    = TESSALY_PHRASE("DocumentPhrases", "изменение комментария критерия «%1»");
inline constexpr CPhrase EditCriterionStep = TESSALY_PHRASE("DocumentPhrases", "изменение критерия «%1»");
inline constexpr CPhrase AddAlternativeStep = TESSALY_PHRASE("DocumentPhrases", "добавление альтернативы «%1»");
inline constexpr CPhrase RemoveAlternativeStep = TESSALY_PHRASE("DocumentPhrases", "удаление альтернативы «%1»");
inline constexpr CPhrase MoveAlternativeStep = TESSALY_PHRASE("DocumentPhrases", "перемещение альтернативы «%1»");
inline constexpr CPhrase EditAlternativeCommentStep
    = TESSALY_PHRASE("DocumentPhrases", "изменение комментария альтернативы «%1»");
inline constexpr CPhrase EditAlternativeStep = TESSALY_PHRASE("DocumentPhrases", "изменение альтернативы «%1»");
inline constexpr CPhrase ConvertToTreeStep = TESSALY_PHRASE("DocumentPhrases", "преобразование в дерево");
// The undo steps of ratings: %1 the alternative, %2 the criterion.
inline constexpr CPhrase RatingsEvaluationStep = TESSALY_PHRASE("DocumentPhrases", "оценка альтернатив по шкалам");
inline constexpr CPhrase PairsEvaluationStep = TESSALY_PHRASE("DocumentPhrases", "оценка альтернатив попарно");
inline constexpr CPhrase RatingStep = TESSALY_PHRASE("DocumentPhrases", "оценка «%1» по критерию «%2»");
inline constexpr CPhrase ImportRatingsStep = TESSALY_PHRASE("DocumentPhrases", "импорт оценок");
inline constexpr CPhrase CriterionScaleStep = TESSALY_PHRASE("DocumentPhrases", "выбор шкалы критерия «%1»");
inline constexpr CPhrase AddScaleStep = TESSALY_PHRASE("DocumentPhrases", "добавление шкалы «%1»");
inline constexpr CPhrase EditScaleStep = TESSALY_PHRASE("DocumentPhrases", "изменение шкалы «%1»");
inline constexpr CPhrase RemoveScaleStep = TESSALY_PHRASE("DocumentPhrases", "удаление шкалы «%1»");

// The ratings table's headers.
inline constexpr CPhrase AlternativeHeader = TESSALY_PHRASE("DocumentPhrases", "Альтернатива");
inline constexpr CPhrase ScoreHeader = TESSALY_PHRASE("DocumentPhrases", "Балл");
inline constexpr CPhrase ShareHeader = TESSALY_PHRASE("DocumentPhrases", "Доля");
// The problems of an imported table: %1 the row, %2 the column (from 1), %3 the cell's text.
inline constexpr CPhrase CsvNoHeader
    = TESSALY_PHRASE("DocumentPhrases", "Файл пуст: нет первой строки с названиями критериев.");
inline constexpr CPhrase CsvUnclosedQuote = TESSALY_PHRASE(
    "DocumentPhrases", "Строка %1, столбец %2: кавычка, открытая перед «%3», не закрыта до конца файла.");
inline constexpr CPhrase CsvUnknownCriterion
    = TESSALY_PHRASE("DocumentPhrases", "Строка %1, столбец %2: нет оцениваемого критерия «%3».");
inline constexpr CPhrase CsvRepeatedCriterion
    = TESSALY_PHRASE("DocumentPhrases", "Строка %1, столбец %2: критерий «%3» уже назван в другом столбце.");
inline constexpr CPhrase CsvUnknownAlternative
    = TESSALY_PHRASE("DocumentPhrases", "Строка %1, столбец %2: нет альтернативы «%3».");
inline constexpr CPhrase CsvRepeatedAlternative
    = TESSALY_PHRASE("DocumentPhrases", "Строка %1, столбец %2: альтернатива «%3» уже названа в другой строке.");
inline constexpr CPhrase CsvUnknownIntensity
    = TESSALY_PHRASE("DocumentPhrases", "Строка %1, столбец %2: в шкале критерия нет интенсивности «%3».");
inline constexpr CPhrase CsvExtraCell = TESSALY_PHRASE(
    "DocumentPhrases", "Строка %1, столбец %2: значение «%3» стоит правее последнего столбца таблицы.");

// Why a document edit is refused.
inline constexpr CPhrase NotATree = TESSALY_PHRASE("DocumentPhrases", "Проект не является деревом критериев.");
inline constexpr CPhrase AlreadyATree = TESSALY_PHRASE("DocumentPhrases", "проект уже дерево критериев");
inline constexpr CPhrase LevelsNoHierarchy = TESSALY_PHRASE("DocumentPhrases", "уровни проекта не образуют иерархии");
} // namespace DocumentPhrases
