#include "core/group/StructureCheck.h"

#include "core/model/CUserProjectModel.h"

#include <cstdint>

namespace {
// "Файл <member>: <what><member's>, а в <reference> — <reference's>".
std::string Difference(const std::string& memberName, const std::string& what, const std::string& members,
    const std::string& referenceName, const std::string& references)
{
    std::string text = "Файл ";
    text += memberName;
    text += ": ";
    text += what;
    text += members;
    text += ", а в ";
    text += referenceName;
    text += " — ";
    text += references;
    return text;
}

std::string Quoted(const std::string& name)
{
    std::string text = "«";
    text += name;
    text += "»";
    return text;
}

// Numbered as the windows number them: the goal is level 0, and the first element of a
// level is element 1 (the row it takes in every table).
std::string OnLevel(std::uint32_t level)
{
    std::string text = "на уровне ";
    text += std::to_string(level);
    return text;
}
} // namespace

std::optional<std::string> StructureDifference(const CUserProjectModel& reference, const std::string& referenceName,
    const CUserProjectModel& member, const std::string& memberName)
{
    if (member.LevelCount() != reference.LevelCount()) {
        return Difference(memberName, "уровней ", std::to_string(member.LevelCount()), referenceName,
            std::to_string(reference.LevelCount()));
    }
    for (std::uint32_t level = 0; level < reference.LevelCount(); ++level) {
        const std::uint32_t count = reference.ElementsInLevelChecked(level);
        const std::uint32_t memberCount = member.ElementsInLevelChecked(level);
        if (memberCount != count) {
            return Difference(memberName, OnLevel(level) + " элементов ", std::to_string(memberCount), referenceName,
                std::to_string(count));
        }
        for (std::uint32_t position = 0; position < count; ++position) {
            const std::string& name = reference.Element(position, level).Name;
            const std::string& memberElementName = member.Element(position, level).Name;
            if (memberElementName != name) {
                std::string what = OnLevel(level);
                what += " элемент ";
                what += std::to_string(position + 1);
                what += " называется ";
                return Difference(memberName, what, Quoted(memberElementName), referenceName, Quoted(name));
            }
        }
    }
    return std::nullopt;
}
