#include "core/document/StepNames.h"

namespace {
std::string Quoted(const std::string& name)
{
    return "«" + name + "»";
}

// kind: what is named, in the genitive ("элемента", "критерия", "альтернативы").
std::string EditStepName(
    const std::string& kind, const std::string& nameBefore, const std::string& nameAfter, bool commentChanged)
{
    const bool renamed = nameBefore != nameAfter;
    if (renamed && !commentChanged) {
        return "переименование " + Quoted(nameBefore) + " в " + Quoted(nameAfter);
    }
    if (!renamed && commentChanged) {
        return "изменение комментария " + kind + " " + Quoted(nameAfter);
    }
    return "изменение " + kind + " " + Quoted(nameAfter);
}
} // namespace

std::string AddElementStepName(std::uint32_t level)
{
    return "добавление элемента на уровень " + std::to_string(level);
}

std::string DeleteElementStepName(const std::string& name)
{
    return "удаление элемента " + Quoted(name);
}

std::string AddLevelStepName(std::uint32_t newLevel)
{
    return "добавление уровня " + std::to_string(newLevel);
}

std::string DeleteLevelStepName(std::uint32_t level)
{
    return "удаление уровня " + std::to_string(level);
}

std::string EditElementStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged)
{
    return EditStepName("элемента", nameBefore, nameAfter, commentChanged);
}

std::string JudgingStepName(const std::string& judgedName)
{
    return "сравнения относительно " + Quoted(judgedName);
}

std::string AddCriterionStepName(const std::string& name)
{
    return "добавление критерия " + Quoted(name);
}

std::string RemoveCriterionStepName(const std::string& name)
{
    return "удаление критерия " + Quoted(name);
}

std::string MoveCriterionStepName(const std::string& name)
{
    return "перемещение критерия " + Quoted(name);
}

std::string EditCriterionStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged)
{
    return EditStepName("критерия", nameBefore, nameAfter, commentChanged);
}

std::string AddAlternativeStepName(const std::string& name)
{
    return "добавление альтернативы " + Quoted(name);
}

std::string RemoveAlternativeStepName(const std::string& name)
{
    return "удаление альтернативы " + Quoted(name);
}

std::string MoveAlternativeStepName(const std::string& name)
{
    return "перемещение альтернативы " + Quoted(name);
}

std::string EditAlternativeStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged)
{
    return EditStepName("альтернативы", nameBefore, nameAfter, commentChanged);
}

std::string ConvertToTreeStepName()
{
    return "преобразование в дерево";
}

std::string EvaluationStepName(bool ratings)
{
    return ratings ? "оценка альтернатив по шкалам" : "оценка альтернатив попарно";
}

std::string RatingStepName(const std::string& alternative, const std::string& criterion)
{
    return "оценка " + Quoted(alternative) + " по критерию " + Quoted(criterion);
}

std::string ImportRatingsStepName()
{
    return "импорт оценок";
}

std::string CriterionScaleStepName(const std::string& criterion)
{
    return "выбор шкалы критерия " + Quoted(criterion);
}

std::string AddScaleStepName(const std::string& name)
{
    return "добавление шкалы " + Quoted(name);
}

std::string EditScaleStepName(const std::string& name)
{
    return "изменение шкалы " + Quoted(name);
}

std::string RemoveScaleStepName(const std::string& name)
{
    return "удаление шкалы " + Quoted(name);
}
