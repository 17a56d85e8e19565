#include "core/results/Synthesis.h"

#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/RankingOrder.h"

#include <array>
#include <span>
#include <vector>

void ComputeAllPriorities(const CUserProjectModel& project, CProjectResults& results)
{
    ComputeHierarchyResults(project, results);
}

CProjectResults ComputeResults(const CUserProjectModel& project)
{
    CProjectResults results;
    ComputeAllPriorities(project, results);
    return results;
}

void OrderResults(CResultList& list)
{
    std::array<double, MaxElementsPerLevel> values{};
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        values[i] = list.Rows[i].Value;
    }
    const std::vector<std::uint32_t> order = RankingOrder(std::span(values.data(), list.Count));
    const CResultList unordered = list;
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        list.Rows[i] = unordered.Rows[order[i]];
        list.Rows[i].Colour = PieColours[i];
    }
}

CResultList LevelResults(
    const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level, ESynthesisMode mode)
{
    CResultList list;
    if (level == 0 || level >= MaxLevels) {
        return list;
    }
    list.Count = project.ElementsInLevelChecked(level);
    const bool ideal = mode == ESynthesisMode::Ideal && level + 1 == project.LevelCount()
        && results.Ideal().AlternativeCount == list.Count;
    for (std::uint32_t e = 0; e < list.Count; ++e) {
        CResultRow& row = list.Rows[e];
        row.Name = project.Element(e, level).Name;
        row.Value = ideal ? results.Ideal().Priority[e] : results.GlobalPriority()(e, level);
        row.Position = e;
    }
    OrderResults(list);
    return list;
}

CResultList FinalResults(const CUserProjectModel& project, const CProjectResults& results, ESynthesisMode mode)
{
    return project.LevelCount() == 0 ? CResultList{} : LevelResults(project, results, project.LevelCount() - 1, mode);
}
