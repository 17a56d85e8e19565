#include "core/group/HierarchyRecord.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"

#include <algorithm>
#include <cstdint>

void FillHierarchyRecord(const CUserProjectModel& project, TLoadSaveProject& record)
{
    record.LevelCount = std::min(project.LevelCount(), MaxLevels);
    for (std::uint32_t level = 0; level < MaxLevels; ++level) {
        const std::uint32_t count = level < record.LevelCount ? project.ElementsInLevelChecked(level) : 0;
        record.ElementsPerLevel[level] = static_cast<std::int32_t>(level == 0 ? 1U : count);
        for (std::uint32_t position = 0; position < count; ++position) {
            const CHierarchy_Element& element = project.Element(position, level);
            CLoadSaveProjectHierarchy_Element& stored = record.Elements[position][level];
            stored.Name = element.Name;
            stored.Comment = element.Comment;
            stored.Judgements.AssignFrom(element.Judgements);
        }
    }
}
