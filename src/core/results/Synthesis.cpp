#include "core/results/Synthesis.h"

#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/IdealSynthesis.h"
#include "core/results/IncompleteJudgements.h"
#include "core/results/LocalPriorities.h"

#include <utility>

namespace {
// Whether a pair of the leading n x n block is left out: both of its cells hold the code
// 0, whose number is 0 (no judgement of the scale, and no combined one, is 0).
bool HasMissingPair(const CUserProjectModel::TJudgementColumns& columns, std::uint32_t n)
{
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            if (columns[j][i] == 0.0 && columns[i][j] == 0.0) {
                return true;
            }
        }
    }
    return false;
}

// Priorities from the judgements given, and the consistency of the completed matrix.
void ComputeFromJudgementsGiven(const CUserProjectModel& project, CProjectResults& results, std::uint32_t position,
    std::uint32_t level, std::uint32_t n)
{
    const CMatrixPriorities found = ComputeMatrixPriorities(project.Element(position, level).Judgements, n);
    TDesicionLevelData& record = results.LevelData(position, level);
    for (std::uint32_t i = 0; i < found.Graph.Order; ++i) {
        record.Priority[i] = found.Priority[i];
    }
    record.LambdaMax = found.Measures.LambdaMax;
    record.CI = found.Measures.CI;
    record.CR = found.Measures.CR;
    results.SetBasis(position, level, found.Basis);
    if (found.Basis == EPrioritiesBasis::NotConnected && !results.NotConnected()) {
        results.SetNotConnected(CElementSlot{position, level});
    }
}
} // namespace

void ComputeAllPriorities(const CUserProjectModel& project, CProjectResults& results)
{
    results.SetNotConnected(std::nullopt);
    results.Ideal() = CIdealSynthesis{};
    const std::uint32_t levels = project.LevelCount() > MaxLevels ? MaxLevels : project.LevelCount();
    if (levels < 2) {
        return;
    }
    for (std::uint32_t level = 0; level + 1 < levels; ++level) {
        const std::uint32_t n = project.ElementsInLevelChecked(level + 1);
        const std::uint32_t parents = level == 0 ? 1U : project.ElementsInLevelChecked(level);
        for (std::uint32_t k = 0; k < parents; ++k) {
            if (n <= MaxElementsPerLevel && project.HoldsZero(k, level)
                && HasMissingPair(project.JudgementColumns(k, level), n)) {
                ComputeFromJudgementsGiven(project, results, k, level, n);
                continue;
            }
            // Every pair judged: the row geometric means, as they always were.
            results.SetBasis(k, level, EPrioritiesBasis::AllJudged);
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
    results.Ideal() = ComputeIdealSynthesis(project, results);
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
