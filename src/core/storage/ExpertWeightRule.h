#pragma once

#include "core/storage/StoragePhrases.h"

#include <string>

// One rule for an expert's weight everywhere (files, the members dialog, the group window,
// tessaly-report): a number from MinExpertWeight to MaxExpertWeight. The ratio of any two
// is then at most 1e12, so that no expert's share of a sum underflows and every share
// given is one the computation really uses.
inline constexpr double MinExpertWeight = 1e-6;
inline constexpr double MaxExpertWeight = 1e6;

// The Russian source of StoragePhrases::ExpertWeightRange, why a weight is refused.
inline constexpr const char* ExpertWeightRangeText = StoragePhrases::ExpertWeightRange.Source;

// Whether a weight is one the group takes: a number within the limits above.
[[nodiscard]] bool AcceptableExpertWeight(double weight);
// "" for an acceptable weight, else StoragePhrases::ExpertWeightRange in the interface's
// language.
[[nodiscard]] std::string ExpertWeightProblem(double weight);
