#pragma once

#include "core/model/ModelConstants.h"
#include "core/results/SensitivityLines.h"
#include "core/results/SynthesisMode.h"

#include <array>
#include <cstdint>
#include <optional>

class CUserProjectModel;
class CProjectResults;

// What the analysis reads of a project whose priorities are computed: a complete
// hierarchy of Count[l] elements on level l, level 0 being the goal.
struct CSensitivityInput {
    std::uint32_t LevelCount = 0;
    std::array<std::uint32_t, MaxLevels> Count{};
    // Local[l][k][e]: the local priority of element e of level l + 1 under element k of level l.
    std::array<std::array<std::array<double, MaxElementsPerLevel>, MaxElementsPerLevel>, MaxLevels> Local{};
    // Global[l][e]: the global priority of element e of level l (level 0 unused).
    std::array<std::array<double, MaxElementsPerLevel>, MaxLevels> Global{};
    // The ideal synthesis: the last middle level's local vectors are divided by their
    // largest entry, the alternatives' Global holds their raw ideal scores, and their
    // priorities are those scores divided by their sum.
    bool Normalised = false;
};
// In the ideal mode the input of the ideal synthesis (see IdealisedInput).
CSensitivityInput SensitivityInputOf(const CUserProjectModel& project, const CProjectResults& results,
    ESynthesisMode mode = ESynthesisMode::Distributive);

inline constexpr std::uint32_t MaxAlternativePairs = MaxElementsPerLevel * (MaxElementsPerLevel - 1) / 2;

// One element e of a middle level L with global weight g. Moving its weight to x and
// rescaling the rest of the level by (1 - x) / (1 - g) turns every final priority into
// a line: P_i(x) = x * AtOne[i] + (1 - x) * AtZero[i], where AtOne is C_e (the final
// priorities with e alone weighing 1) and AtZero is R = (P - g * C_e) / (1 - g).
// Normalised (the ideal synthesis): the lines are the raw ideal scores, and the priorities
// are the lines' values divided by their sum at the same x. Since that sum divides every
// alternative alike, two priorities cross exactly where their lines do.
struct CElementSensitivity {
    std::uint32_t Level = 0;
    std::uint32_t Position = 0;
    double Weight = 0.0;   // g
    bool HasLines = false; // false when g = 1: the rest of the level cannot be rescaled
    bool Normalised = false;
    std::uint32_t AlternativeCount = 0;
    std::array<double, MaxElementsPerLevel> AtZero{};
    std::array<double, MaxElementsPerLevel> AtOne{};
    std::uint32_t CrossingCount = 0;
    std::array<CCrossing, MaxAlternativePairs> Crossings{}; // every x* in (0, 1), ascending
};

// The smallest move of one weight that changes the winner.
struct CCriticalChange {
    std::uint32_t Level = 0;
    std::uint32_t Position = 0;
    double From = 0.0;
    double To = 0.0;
    std::uint32_t First = 0; // the two alternatives that change places, First < Second
    std::uint32_t Second = 0;
    std::uint32_t NewLeader = 0; // the one of them that overtakes the present leader
};

struct CSensitivityAnalysis {
    std::uint32_t LevelCount = 0;
    std::array<std::uint32_t, MaxLevels> Count{};
    // Elements[L][e] for the middle levels 1 .. LevelCount - 2; other rows stay empty.
    std::array<std::array<CElementSensitivity, MaxElementsPerLevel>, MaxLevels> Elements{};
    std::optional<CCriticalChange> Critical;
};

// C_k for every element k of a middle level: UnitSyntheses[k][i] is the final priority
// of alternative i when element k of level L alone weighs 1 (the synthesis run downward
// from level L with a unit vector).
using CUnitSyntheses = std::array<std::array<double, MaxElementsPerLevel>, MaxElementsPerLevel>;
void ComputeUnitSyntheses(const CSensitivityInput& input, std::uint32_t level, CUnitSyntheses& syntheses);

// The lines and crossings of one middle-level element; nothing for another level.
CElementSensitivity AnalyseElement(const CSensitivityInput& input, std::uint32_t level, std::uint32_t position);

// Every middle element, and the project's critical change: over all of them, the crossing
// involving the present leader (the alternative at leaderPosition) nearest to the element's
// present weight, nearness being the absolute distance |x* - g| of the weights (not the
// relative change). Equally near crossings keep the first in level, position and weight
// order. Fills a caller-owned object (it is large) and allocates nothing.
void AnalyseSensitivity(const CSensitivityInput& input, std::uint32_t leaderPosition, CSensitivityAnalysis& analysis);
// The same for a project and its results, led by the first row of its ranking.
// In the ideal mode the lines and crossings are those of the ideal result, led by its leader.
void AnalyseSensitivity(const CUserProjectModel& project, const CProjectResults& results,
    CSensitivityAnalysis& analysis, ESynthesisMode mode = ESynthesisMode::Distributive);

// The final priorities with the element's weight moved to x (the dynamic view's bars).
// False, values untouched, when the element has no lines.
bool AlternativesAt(const CElementSensitivity& element, double x, double* values);
// The lines' values at x: the priorities themselves unless the element is Normalised,
// then the raw ideal scores. False, values untouched, when the element has no lines.
bool LinesAt(const CElementSensitivity& element, double x, double* values);
// The level's global weights with element e moved to x and the others rescaled by
// (1 - x) / (1 - g). False, weights left as the present ones, when g = 1.
bool MovedLevelWeights(
    const CSensitivityInput& input, std::uint32_t level, std::uint32_t position, double x, double* weights);
