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

// Differences of lines below this are rounding: two alternatives judged alike everywhere
// would otherwise "cross" at a weight made of noise.
constexpr double CoincidenceTolerance = 1e-12;

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

// Whether the element's weight can move, the others' taking up the rest: not when it
// carries the whole level. That comes from a damaged file (every other element weighs
// 0), or from a dragged slider that left the others at 0 and this one at 1 less a
// rounding step; dividing by 1 - g there would turn rounding noise into weights.
bool CanMove(const CSensitivityInput& input, std::uint32_t level, std::uint32_t position)
{
    const double g = input.Global[level][position];
    double rest = 0.0;
    for (std::uint32_t k = 0; k < input.Count[level]; ++k) {
        rest += k == position ? 0.0 : input.Global[level][k];
    }
    return g < 1.0 && std::isfinite(g) && rest > CoincidenceTolerance;
}

void InsertByWeight(CElementSensitivity& element, const CCrossing& crossing)
{
    // Insertion keeps equal weights in the order found (First, then Second).
    std::uint32_t at = element.CrossingCount;
    while (at > 0 && element.Crossings[at - 1].Weight > crossing.Weight) {
        element.Crossings[at] = element.Crossings[at - 1];
        --at;
    }
    element.Crossings[at] = crossing;
    ++element.CrossingCount;
}

void FillLines(
    const CSensitivityInput& input, const std::array<double, MaxElementsPerLevel>& unit, CElementSensitivity& element)
{
    const std::uint32_t bottom = input.LevelCount - 1;
    const std::uint32_t m = input.Count[bottom];
    const double g = element.Weight;
    element.AlternativeCount = m;
    element.Normalised = input.Normalised;
    element.CrossingCount = 0;
    element.HasLines = CanMove(input, element.Level, element.Position);
    if (!element.HasLines) {
        return;
    }
    const std::array<double, MaxElementsPerLevel>& present = input.Global[bottom];
    for (std::uint32_t i = 0; i < m; ++i) {
        element.AtOne[i] = unit[i];
        element.AtZero[i] = (present[i] - g * unit[i]) / (1.0 - g);
    }
    for (std::uint32_t i = 0; i < m; ++i) {
        for (std::uint32_t j = i + 1; j < m; ++j) {
            const double dR = element.AtZero[i] - element.AtZero[j];
            const double dC = element.AtOne[i] - element.AtOne[j];
            const double denominator = dR - dC;
            if (denominator == 0.0
                || (std::fabs(dR) <= CoincidenceTolerance && std::fabs(dC) <= CoincidenceTolerance)) {
                continue;
            }
            const double x = dR / denominator;
            if (!(x > 0.0 && x < 1.0)) {
                continue;
            }
            // P_i - P_j = dR - x * denominator grows with x exactly when the denominator is negative.
            InsertByWeight(element, CCrossing{x, i, j, denominator < 0.0 ? i : j});
        }
    }
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
    double nearest = 0.0;
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
    // Absolute distance of the weights, |x* - g|: the same move counts the same on a
    // heavy and on a light element.
    for (std::uint32_t l = 1; IsMiddleLevel(input.LevelCount, l); ++l) {
        for (std::uint32_t e = 0; e < input.Count[l]; ++e) {
            const CElementSensitivity& element = analysis.Elements[l][e];
            for (std::uint32_t c = 0; c < element.CrossingCount; ++c) {
                const CCrossing& crossing = element.Crossings[c];
                if (crossing.First != leaderPosition && crossing.Second != leaderPosition) {
                    continue;
                }
                const double distance = std::fabs(crossing.Weight - element.Weight);
                if (analysis.Critical && distance >= nearest) {
                    continue;
                }
                nearest = distance;
                analysis.Critical = CCriticalChange{l, e, element.Weight, crossing.Weight, crossing.First,
                    crossing.Second, crossing.First == leaderPosition ? crossing.Second : crossing.First};
            }
        }
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
    for (std::uint32_t i = 0; i < element.AlternativeCount; ++i) {
        values[i] = x * element.AtOne[i] + (1.0 - x) * element.AtZero[i];
    }
    return true;
}

bool AlternativesAt(const CElementSensitivity& element, double x, double* values)
{
    if (!LinesAt(element, x, values)) {
        return false;
    }
    if (element.Normalised) {
        double sum = 0.0;
        for (std::uint32_t i = 0; i < element.AlternativeCount; ++i) {
            sum += values[i];
        }
        for (std::uint32_t i = 0; i < element.AlternativeCount; ++i) {
            values[i] = sum > 0.0 ? values[i] / sum : 0.0;
        }
    }
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
