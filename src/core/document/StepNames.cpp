#include "core/document/StepNames.h"

namespace {
std::string Quoted(const std::string& name)
{
    return "«" + name + "»";
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
    const bool renamed = nameBefore != nameAfter;
    if (renamed && !commentChanged) {
        return "переименование " + Quoted(nameBefore) + " в " + Quoted(nameAfter);
    }
    if (!renamed && commentChanged) {
        return "изменение комментария элемента " + Quoted(nameAfter);
    }
    return "изменение элемента " + Quoted(nameAfter);
}

std::string JudgingStepName(const std::string& judgedName)
{
    return "сравнения относительно " + Quoted(judgedName);
}
