#include "core/results/Synthesis.h"

#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/LocalPriorities.h"

#include <utility>

void ComputeAllPriorities(const CUserProjectModel& project, CProjectResults& results)
{
    const std::uint32_t levels = project.LevelCount() > MaxLevels ? MaxLevels : project.LevelCount();
    if (levels < 2) {
        return;
    }
    for (std::uint32_t level = 0; level + 1 < levels; ++level) {
        const std::uint32_t n = project.ElementsInLevelChecked(level + 1);
        const std::uint32_t parents = level == 0 ? 1U : project.ElementsInLevelChecked(level);
        for (std::uint32_t k = 0; k < parents; ++k) {
            ComputeLocalPriorities(project, results, k, level, n);
            ComputeConsistency(project, results, k, level, n);
        }
    }
    TMatrix<double>& global = results.GlobalPriority();
    for (std::uint32_t level = 1; level < levels; ++level) {
        const std::uint32_t m = project.ElementsInLevelChecked(level);
        if (level == 1) {
            for (std::uint32_t e = 0; e < m; ++e) {
                global(e, 1) = results.LevelData(0, 0).Priority[e];
            }
            continue;
        }
        const std::uint32_t p = project.ElementsInLevelChecked(level - 1);
        for (std::uint32_t e = 0; e < m; ++e) {
            double s = 0.0;
            for (std::uint32_t k = 0; k < p; ++k) {
                s = s + results.LevelData(k, level - 1).Priority[e] * global(k, level - 1);
            }
            global(e, level) = s;
        }
    }
}

CProjectResults ComputeResults(const CUserProjectModel& project)
{
    CProjectResults results;
    ComputeAllPriorities(project, results);
    return results;
}

void OrderResults(CResultList& list)
{
    const std::uint32_t m = list.Count;
    for (std::uint32_t i = 0; i < m; ++i) {
        for (std::uint32_t j = i + 1; j < m; ++j) {
            if (list.Rows[i].Value < list.Rows[j].Value) {
                std::swap(list.Rows[i], list.Rows[j]);
            }
        }
    }
    for (std::uint32_t i = 0; i < m; ++i) {
        list.Rows[i].Colour = PieColours[i];
    }
}

CResultList LevelResults(const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level)
{
    CResultList list;
    if (level == 0 || level >= MaxLevels) {
        return list;
    }
    list.Count = project.ElementsInLevelChecked(level);
    for (std::uint32_t e = 0; e < list.Count; ++e) {
        CResultRow& row = list.Rows[e];
        row.Name = project.Element(e, level).Name;
        row.Value = results.GlobalPriority()(e, level);
        row.Position = e;
    }
    OrderResults(list);
    return list;
}

CResultList FinalResults(const CUserProjectModel& project, const CProjectResults& results)
{
    return project.LevelCount() == 0 ? CResultList{} : LevelResults(project, results, project.LevelCount() - 1);
}
