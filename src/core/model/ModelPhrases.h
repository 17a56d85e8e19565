#pragma once

// The model's sentences: why it refuses a hierarchy, a name, a scale or an edit, the
// refusals of the layered structure commands and of a new project's numbers, and the
// texts a new project starts with (once made, those are the user's data).

#include "core/model/CModelProblem.h"
#include "core/model/Phrase.h"

#include <string>

enum class EStructureResult;
enum class ENewProjectCheck;

namespace ModelPhrases {
// The shape of the nodes.
inline constexpr CPhrase NoGoal = TESSALY_PHRASE("ModelPhrases", "нет цели");
inline constexpr CPhrase MissingCriterion = TESSALY_PHRASE("ModelPhrases", "ссылка на несуществующий критерий");
inline constexpr CPhrase CriterionTwice = TESSALY_PHRASE("ModelPhrases", "критерий указан дважды среди подкритериев");
inline constexpr CPhrase NotOnNextLevel = TESSALY_PHRASE("ModelPhrases", "подкритерий не на следующем уровне");
inline constexpr CPhrase Unreached = TESSALY_PHRASE("ModelPhrases", "критерий вне иерархии");
inline constexpr CPhrase NotOneParent = TESSALY_PHRASE("ModelPhrases", "у критерия дерева не один родитель");
inline constexpr CPhrase IncompleteLayers = TESSALY_PHRASE("ModelPhrases", "слои иерархии не полны");
// Judgements and ratings.
inline constexpr CPhrase JudgementOrder
    = TESSALY_PHRASE("ModelPhrases", "размер матрицы суждений не равен числу сравниваемых элементов");
inline constexpr CPhrase LayersNotRated
    = TESSALY_PHRASE("ModelPhrases", "альтернативы многоуровневой иерархии не оцениваются по шкалам");
inline constexpr CPhrase RatedWithJudgements
    = TESSALY_PHRASE("ModelPhrases", "у критерия с оценками есть суждения об альтернативах");
inline constexpr CPhrase NoSuchScale = TESSALY_PHRASE("ModelPhrases", "нет такой шкалы");
inline constexpr CPhrase RatingCount = TESSALY_PHRASE("ModelPhrases", "оценок не столько, сколько альтернатив");
inline constexpr CPhrase RatingOutsideScale = TESSALY_PHRASE("ModelPhrases", "оценка вне шкалы");
inline constexpr CPhrase RatingsOfPairs
    = TESSALY_PHRASE("ModelPhrases", "оценки у критерия, альтернативы которого сравниваются попарно");
// The limits of a tree: %1 the limit, or the criterion and %2 the limit.
inline constexpr CPhrase TooManyLevels = TESSALY_PHRASE("ModelPhrases", "уровней больше %1");
inline constexpr CPhrase TooManyCriteria = TESSALY_PHRASE("ModelPhrases", "критериев больше %1");
inline constexpr CPhrase TooManyAlternatives = TESSALY_PHRASE("ModelPhrases", "альтернатив больше %1");
inline constexpr CPhrase TooManyChildren = TESSALY_PHRASE("ModelPhrases", "у критерия «%1» подкритериев больше %2");
inline constexpr CPhrase ChildNameTwice = TESSALY_PHRASE("ModelPhrases", "имя «%1» повторяется среди подкритериев");
inline constexpr CPhrase AlternativeNameTwice
    = TESSALY_PHRASE("ModelPhrases", "имя «%1» повторяется среди альтернатив");
inline constexpr CPhrase ScaleIdTwice = TESSALY_PHRASE("ModelPhrases", "обозначение шкалы «%1» повторяется");
// Names and comments: %1 the longest length.
inline constexpr CPhrase NameNotUtf8 = TESSALY_PHRASE("ModelPhrases", "имя записано не в UTF-8");
inline constexpr CPhrase EmptyName = TESSALY_PHRASE("ModelPhrases", "пустое имя");
inline constexpr CPhrase NameTooLong = TESSALY_PHRASE("ModelPhrases", "имя длиннее %1 символов");
inline constexpr CPhrase CommentNotUtf8 = TESSALY_PHRASE("ModelPhrases", "комментарий записан не в UTF-8");
inline constexpr CPhrase CommentTooLong = TESSALY_PHRASE("ModelPhrases", "комментарий длиннее %1 символов");
// Scales: the scale, the fewest and the most intensities; an intensity and its scale.
inline constexpr CPhrase NoScaleId = TESSALY_PHRASE("ModelPhrases", "у шкалы нет допустимого обозначения");
inline constexpr CPhrase IntensityCount = TESSALY_PHRASE("ModelPhrases", "у шкалы «%1» не от %2 до %3 интенсивностей");
inline constexpr CPhrase IntensityNameTwice = TESSALY_PHRASE("ModelPhrases", "имя «%1» повторяется в шкале «%2»");
// Edits.
inline constexpr CPhrase LayersStructure = TESSALY_PHRASE("ModelPhrases", "структуру слоёв меняют команды слоёв");
inline constexpr CPhrase NoSuchPlace = TESSALY_PHRASE("ModelPhrases", "нет такого места");
inline constexpr CPhrase GoalNotRemoved = TESSALY_PHRASE("ModelPhrases", "цель не удаляется");
inline constexpr CPhrase GoalKeepsCriterion
    = TESSALY_PHRASE("ModelPhrases", "у цели должен остаться хотя бы один критерий");
inline constexpr CPhrase IntoOwnSubtree = TESSALY_PHRASE("ModelPhrases", "критерий не переносится в своё поддерево");
inline constexpr CPhrase NoSuchCriterion = TESSALY_PHRASE("ModelPhrases", "нет такого критерия");
inline constexpr CPhrase RatedCriterion
    = TESSALY_PHRASE("ModelPhrases", "альтернативы этого критерия оцениваются по шкале");
inline constexpr CPhrase NoSuchAlternative = TESSALY_PHRASE("ModelPhrases", "нет такой альтернативы");
inline constexpr CPhrase TooFewAlternatives
    = TESSALY_PHRASE("ModelPhrases", "альтернатив должно остаться не меньше %1");
inline constexpr CPhrase NotRatedCriterion = TESSALY_PHRASE("ModelPhrases", "у этого критерия нет оценок");
inline constexpr CPhrase ScaleInUse = TESSALY_PHRASE("ModelPhrases", "шкалой «%1» пользуется критерий «%2»");

// The layered structure commands.
inline constexpr CPhrase TooManyElements
    = TESSALY_PHRASE("ModelPhrases", "Используемый метод не позволяет создавать более 9-ти элементов на одном уровне");
inline constexpr CPhrase TooFewElements
    = TESSALY_PHRASE("ModelPhrases", "На одном уровне не может быть меньше 2-х элементов.");
inline constexpr CPhrase TooManyLayers = TESSALY_PHRASE("ModelPhrases", "Число уровней не может быть больше 10");
inline constexpr CPhrase TooFewLayers = TESSALY_PHRASE("ModelPhrases", "Число уровней не может быть меньше 2");
// A new project's numbers.
inline constexpr CPhrase NoLevelCount = TESSALY_PHRASE("ModelPhrases", "Не указано число уровней");
inline constexpr CPhrase FewestLevels = TESSALY_PHRASE("ModelPhrases", "Минимально возможное число уровней - 3");
inline constexpr CPhrase MostLevels = TESSALY_PHRASE("ModelPhrases", "Максимально возможное число уровней - 10");
inline constexpr CPhrase NoElementCount = TESSALY_PHRASE("ModelPhrases", "Не указано максимальное число показателей");
inline constexpr CPhrase FewestElements
    = TESSALY_PHRASE("ModelPhrases", "Минимально необходимое число показателей - 2");
inline constexpr CPhrase NoProjectGoal = TESSALY_PHRASE("ModelPhrases", "Не указана цель проекта");

inline constexpr CPhrase FatalModelError = TESSALY_PHRASE("ModelPhrases", "Приложение выполнило недопустимую операцию");

// What a new project starts with: the goal of a tree, an element's name (%1 its place on
// its level, from 0) and comment.
inline constexpr CPhrase DefaultGoal = TESSALY_PHRASE("ModelPhrases", "Цель");
inline constexpr CPhrase DefaultElementName = TESSALY_PHRASE("ModelPhrases", "ЭЛЕМЕНТ_%1");
inline constexpr CPhrase DefaultComment = TESSALY_PHRASE("ModelPhrases", "Комментарии отсутствуют");

// The two ready rating scales: their names and their intensities, best first.
inline constexpr CPhrase FourStepScale = TESSALY_PHRASE("ModelPhrases", "Отлично / Хорошо / Удовлетворительно / Плохо");
inline constexpr CPhrase FiveStepScale
    = TESSALY_PHRASE("ModelPhrases", "Отлично / Выше среднего / Средне / Ниже среднего / Плохо");
inline constexpr CPhrase Excellent = TESSALY_PHRASE("ModelPhrases", "Отлично");
inline constexpr CPhrase Good = TESSALY_PHRASE("ModelPhrases", "Хорошо");
inline constexpr CPhrase Fair = TESSALY_PHRASE("ModelPhrases", "Удовлетворительно");
inline constexpr CPhrase AboveAverage = TESSALY_PHRASE("ModelPhrases", "Выше среднего");
inline constexpr CPhrase Average = TESSALY_PHRASE("ModelPhrases", "Средне");
inline constexpr CPhrase BelowAverage = TESSALY_PHRASE("ModelPhrases", "Ниже среднего");
inline constexpr CPhrase Poor = TESSALY_PHRASE("ModelPhrases", "Плохо");
} // namespace ModelPhrases

// The user's sentence for a problem, in the interface's language ("" for none).
[[nodiscard]] std::string ModelProblemText(const CModelProblem& problem);

// The phrase of a refused structure command or of a new project's numbers; a phrase with
// an empty source for a result that refuses nothing.
[[nodiscard]] CPhrase StructureRefusalPhrase(EStructureResult result);
[[nodiscard]] CPhrase NewProjectCheckPhrase(ENewProjectCheck check);
// Their sentences in the interface's language ("" for a result that refuses nothing).
[[nodiscard]] std::string StructureRefusalSentence(EStructureResult result);
[[nodiscard]] std::string NewProjectCheckSentence(ENewProjectCheck check);
