#pragma once

#include <cstdint>
#include <string>

// The names of a project's undo steps, as the edit menu shows them after "Отменить: "
// and "Повторить: ", in the interface's language (DocumentPhrases' phrases). Levels are
// numbered as everywhere in the program, the goal's level being 0; an element is named
// by its name in «».

// "добавление элемента на уровень 2"
std::string AddElementStepName(std::uint32_t level);
// "удаление элемента «СКЛАД»"
std::string DeleteElementStepName(const std::string& name);
// "добавление уровня 3": the number the new level has.
std::string AddLevelStepName(std::uint32_t newLevel);
// "удаление уровня 2"
std::string DeleteLevelStepName(std::uint32_t level);
// The element dialog's change: "переименование «A» в «B»" when only the name changed,
// "изменение комментария элемента «A»" when only the comment did, otherwise "изменение элемента
// «B»" with the name it has now.
std::string EditElementStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged);
// One judging in the comparison window: "сравнения относительно «ЦЕЛЬ»".
std::string JudgingStepName(const std::string& judgedName);

// The steps of a tree of criteria; a criterion or an alternative is named as it was
// before the step.
// "добавление критерия «Цена»"
std::string AddCriterionStepName(const std::string& name);
// "удаление критерия «Стоимость»" (its subtree with it)
std::string RemoveCriterionStepName(const std::string& name);
// "перемещение критерия «Цена»"
std::string MoveCriterionStepName(const std::string& name);
// As EditElementStepName, for a criterion: "переименование «A» в «B»", "изменение
// комментария критерия «A»", "изменение критерия «B»".
std::string EditCriterionStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged);
// "добавление альтернативы «Вариант А»", "удаление ...", "перемещение ..."
std::string AddAlternativeStepName(const std::string& name);
std::string RemoveAlternativeStepName(const std::string& name);
std::string MoveAlternativeStepName(const std::string& name);
// "переименование «A» в «B»", "изменение комментария альтернативы «A»", "изменение
// альтернативы «B»".
std::string EditAlternativeStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged);
// "преобразование в дерево"
std::string ConvertToTreeStepName();

// The steps of ratings. "оценка альтернатив по шкалам", "оценка альтернатив попарно"
std::string EvaluationStepName(bool ratings);
// "оценка «Вариант А» по критерию «Надёжность»"
std::string RatingStepName(const std::string& alternative, const std::string& criterion);
// Many cells at once: "импорт оценок"
std::string ImportRatingsStepName();
// "выбор шкалы критерия «Надёжность»"
std::string CriterionScaleStepName(const std::string& criterion);
// "добавление шкалы «Образование»", "изменение шкалы ...", "удаление шкалы ..."
std::string AddScaleStepName(const std::string& name);
std::string EditScaleStepName(const std::string& name);
std::string RemoveScaleStepName(const std::string& name);
