#include "core/group/StructureCheck.h"

#include "core/model/CUserProjectModel.h"

#include <cstdint>

std::optional<std::string> StructureDifference(const CUserProjectModel& reference, const std::string& referenceName,
    const CUserProjectModel& member, const std::string& memberName)
{
    // Numbered from 1 as the user counts them: the goal is level 1 and the first element
    // of a level is element 1.
    const std::string prefix = "Файл " + memberName + ": ";
    if (member.LevelCount() != reference.LevelCount()) {
        return prefix + "уровней " + std::to_string(member.LevelCount()) + ", а в " + referenceName + " — "
            + std::to_string(reference.LevelCount());
    }
    for (std::uint32_t level = 0; level < reference.LevelCount(); ++level) {
        const std::string where = "на уровне " + std::to_string(level + 1);
        const std::uint32_t count = reference.ElementsInLevelChecked(level);
        const std::uint32_t memberCount = member.ElementsInLevelChecked(level);
        if (memberCount != count) {
            return prefix + where + " элементов " + std::to_string(memberCount) + ", а в " + referenceName + " — "
                + std::to_string(count);
        }
        for (std::uint32_t position = 0; position < count; ++position) {
            const std::string& name = reference.Element(position, level).Name;
            const std::string& memberElementName = member.Element(position, level).Name;
            if (memberElementName != name) {
                return prefix + where + " элемент " + std::to_string(position + 1) + " называется «" + memberElementName
                    + "», а в " + referenceName + " — «" + name + "»";
            }
        }
    }
    return std::nullopt;
}
