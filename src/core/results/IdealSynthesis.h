#pragma once

#include "core/model/ModelConstants.h"
#include "core/results/Sensitivity.h"

#include <array>
#include <cstdint>

// The ideal synthesis of the alternatives (the bottom level): under every parent of the
// last middle level (the goal alone for a project of two levels) the local vector is
// divided by its largest entry, so the best alternative there scores 1, and
// Raw[a] = sum over the parents p of G_p * l_p(a) / max_b l_p(b). Unlike the distributive
// result, adding an alternative no better than the others cannot reorder them.
struct CIdealSynthesis {
    std::uint32_t AlternativeCount = 0;
    // 1 means best under every parent.
    std::array<double, MaxElementsPerLevel> Raw{};
    // Raw[a] / sum of Raw; all 0 when every raw score is 0.
    std::array<double, MaxElementsPerLevel> Priority{};
};

// What a local vector is divided by: its largest entry, or 0 when the vector cannot be
// idealised (all 0, or holding a negative or non-finite number).
double IdealDivisor(const double* local, std::uint32_t count);

// From the local vectors and the global priorities of a computed project. A parent whose
// vector is all 0 (or not a vector of numbers: only a damaged file gives either)
// contributes nothing; the result never holds a NaN. Nothing for fewer than two levels.
// Allocates nothing.
CIdealSynthesis ComputeIdealSynthesis(const CSensitivityInput& input);

// The two steps of every ideal synthesis. One covering criterion's share added to the raw
// scores: weight * l(a) / max_b l(b); nothing when its vector cannot be idealised or the
// weight is no number.
void AddIdealShare(const double* local, std::uint32_t count, double weight, double* raw);
// raw(a) / sum_b raw(b); all 0 when the sum is 0 or no number.
void NormaliseIdealScores(const double* raw, std::uint32_t count, double* ideal);

// The input whose synthesis is the ideal one: the last middle level's local vectors (the
// goal's for a project of two levels) divided by their largest entry, a vector that
// cannot be idealised set to 0, the alternatives' global priorities replaced by their raw
// ideal scores, and Normalised set. Running the distributive analysis over it gives the
// ideal result's lines; the levels above the alternatives keep their weights.
CSensitivityInput IdealisedInput(const CSensitivityInput& input);
