#include "core/results/Sensitivity.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/MiddleLevels.h"
#include "core/results/CProjectResults.h"
#include "core/results/IdealSynthesis.h"
#include "core/results/Synthesis.h"

#include <cmath>

CSensitivityInput SensitivityInputOf(
    const CUserProjectModel& project, const CProjectResults& results, ESynthesisMode mode)
{
    CSensitivityInput input;
    input.LevelCount = project.LevelCount() > MaxLevels ? MaxLevels : project.LevelCount();
    for (std::uint32_t l = 0; l < input.LevelCount; ++l) {
        input.Count[l] = l == 0 ? 1U : project.ElementsInLevelChecked(l);
    }
    for (std::uint32_t l = 0; l < input.LevelCount; ++l) {
        for (std::uint32_t k = 0; k < input.Count[l]; ++k) {
            if (l + 1 < input.LevelCount) {
                input.Local[l][k] = results.LevelData(k, l).Priority;
            }
            if (l > 0) {
                input.Global[l][k] = results.GlobalPriority()(k, l);
            }
        }
    }
    return mode == ESynthesisMode::Ideal ? IdealisedInput(input) : input;
}

namespace {
// A middle level of an input whose arrays hold all its levels.
bool IsMiddleLevelOf(const CSensitivityInput& input, std::uint32_t level)
{
    return input.LevelCount <= MaxLevels && IsMiddleLevel(input.LevelCount, level);
}

// syntheses of level + 1 -> syntheses of level: C_k = sum over e of Local[level][k][e] * C_e.
void StepUp(const CSensitivityInput& input, std::uint32_t level, const CUnitSyntheses& below, CUnitSyntheses& above)
{
    const std::uint32_t alternatives = input.Count[input.LevelCount - 1];
    const std::uint32_t children = input.Count[level + 1];
    for (std::uint32_t k = 0; k < input.Count[level]; ++k) {
        for (std::uint32_t i = 0; i < alternatives; ++i) {
            double s = 0.0;
            for (std::uint32_t e = 0; e < children; ++e) {
                s = s + input.Local[level][k][e] * below[e][i];
            }
            above[k][i] = s;
        }
    }
}

void Identity(std::uint32_t n, CUnitSyntheses& syntheses)
{
    for (std::uint32_t k = 0; k < n; ++k) {
        for (std::uint32_t i = 0; i < n; ++i) {
            syntheses[k][i] = k == i ? 1.0 : 0.0;
        }
    }
}

// The element's group is its level: the rest of the level is rescaled.
bool CanMove(const CSensitivityInput& input, std::uint32_t level, std::uint32_t position)
{
    double rest = 0.0;
    for (std::uint32_t k = 0; k < input.Count[level]; ++k) {
        rest += k == position ? 0.0 : input.Global[level][k];
    }
    return CanMoveWeight(input.Global[level][position], rest);
}

void FillLines(
    const CSensitivityInput& input, const std::array<double, MaxElementsPerLevel>& unit, CElementSensitivity& element)
{
    const std::uint32_t bottom = input.LevelCount - 1;
    const std::uint32_t m = input.Count[bottom];
    element.AlternativeCount = m;
    element.Normalised = input.Normalised;
    element.CrossingCount = 0;
    element.HasLines = CanMove(input, element.Level, element.Position);
    if (!element.HasLines) {
        return;
    }
    // The level weighs 1 in the whole, so its own result is the final one.
    FillGroupLines(
        input.Global[bottom].data(), unit.data(), element.Weight, m, element.AtZero.data(), element.AtOne.data());
    element.CrossingCount = FindCrossings(element.AtZero.data(), element.AtOne.data(), m, element.Crossings.data());
}
} // namespace

void ComputeUnitSyntheses(const CSensitivityInput& input, std::uint32_t level, CUnitSyntheses& syntheses)
{
    if (!IsMiddleLevelOf(input, level)) {
        return;
    }
    // Upward from the alternatives (each its own unit vector) to the level asked for;
    // the same sums as the downward synthesis, grouped the other way.
    CUnitSyntheses below{};
    Identity(input.Count[input.LevelCount - 1], below);
    for (std::uint32_t l = input.LevelCount - 2;; --l) {
        StepUp(input, l, below, syntheses);
        if (l == level) {
            return;
        }
        below = syntheses;
    }
}

CElementSensitivity AnalyseElement(const CSensitivityInput& input, std::uint32_t level, std::uint32_t position)
{
    CElementSensitivity element;
    element.Level = level;
    element.Position = position;
    if (!IsMiddleLevelOf(input, level) || position >= input.Count[level]) {
        return element;
    }
    CUnitSyntheses syntheses{};
    ComputeUnitSyntheses(input, level, syntheses);
    element.Weight = input.Global[level][position];
    FillLines(input, syntheses[position], element);
    return element;
}

void AnalyseSensitivity(const CSensitivityInput& input, std::uint32_t leaderPosition, CSensitivityAnalysis& analysis)
{
    analysis.LevelCount = input.LevelCount;
    analysis.Count = input.Count;
    analysis.Critical.reset();
    if (!HasMiddleLevels(input.LevelCount) || input.LevelCount > MaxLevels) {
        return;
    }
    CUnitSyntheses below{};
    CUnitSyntheses level{};
    Identity(input.Count[input.LevelCount - 1], below);
    for (std::uint32_t l = input.LevelCount - 2; IsMiddleLevel(input.LevelCount, l); --l) {
        StepUp(input, l, below, level);
        for (std::uint32_t e = 0; e < input.Count[l]; ++e) {
            CElementSensitivity& element = analysis.Elements[l][e];
            element.Level = l;
            element.Position = e;
            element.Weight = input.Global[l][e];
            FillLines(input, level[e], element);
        }
        below = level;
    }
    std::optional<CLeaderCrossing> nearest;
    for (std::uint32_t l = 1; IsMiddleLevel(input.LevelCount, l); ++l) {
        for (std::uint32_t e = 0; e < input.Count[l]; ++e) {
            const CElementSensitivity& element = analysis.Elements[l][e];
            ConsiderLeaderCrossings(nearest, l * MaxElementsPerLevel + e, element.Weight, element.Crossings.data(),
                element.CrossingCount, leaderPosition);
        }
    }
    if (nearest) {
        analysis.Critical = CCriticalChange{nearest->Owner / MaxElementsPerLevel, nearest->Owner % MaxElementsPerLevel,
            nearest->From, nearest->To, nearest->First, nearest->Second, nearest->NewLeader};
    }
}

void AnalyseSensitivity(const CUserProjectModel& project, const CProjectResults& results,
    CSensitivityAnalysis& analysis, ESynthesisMode mode)
{
    const CResultList ranking = FinalResults(project, results, mode);
    AnalyseSensitivity(
        SensitivityInputOf(project, results, mode), ranking.Count == 0 ? 0U : ranking.Rows[0].Position, analysis);
}

bool LinesAt(const CElementSensitivity& element, double x, double* values)
{
    if (!element.HasLines) {
        return false;
    }
    EvaluateLines(element.AtZero.data(), element.AtOne.data(), element.AlternativeCount, x, false, values);
    return true;
}

bool AlternativesAt(const CElementSensitivity& element, double x, double* values)
{
    if (!element.HasLines) {
        return false;
    }
    EvaluateLines(element.AtZero.data(), element.AtOne.data(), element.AlternativeCount, x, element.Normalised, values);
    return true;
}

bool MovedLevelWeights(
    const CSensitivityInput& input, std::uint32_t level, std::uint32_t position, double x, double* weights)
{
    if (!IsMiddleLevelOf(input, level) || position >= input.Count[level]) {
        return false;
    }
    const std::array<double, MaxElementsPerLevel>& present = input.Global[level];
    const double g = present[position];
    const bool movable = CanMove(input, level, position);
    const double scale = movable ? (1.0 - x) / (1.0 - g) : 1.0;
    for (std::uint32_t k = 0; k < input.Count[level]; ++k) {
        weights[k] = k == position ? (movable ? x : g) : present[k] * scale;
    }
    return movable;
}
