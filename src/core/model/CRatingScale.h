#pragma once

#include "core/model/CJudgement.h"
#include "core/model/CModelProblem.h"

#include <cstdint>
#include <string>
#include <vector>

// How a tree's alternatives are evaluated under its covering criteria: compared in pairs,
// or each rated on an intensity scale (a layered project is always compared in pairs).
enum class EAlternativeEvaluation {
    Pairs,
    Ratings,
};

inline constexpr std::uint32_t MinScaleIntensities = 2;
inline constexpr std::uint32_t MaxScaleIntensities = 9;
inline constexpr std::uint32_t MaxIntensityNameLength = 40; // characters
inline constexpr std::uint32_t MaxRatedAlternatives = 1000;
// A rating cell that holds no intensity.
inline constexpr std::int8_t NotRated = -1;

// A scale of intensities, listed best first, whose weights come from the judgements
// comparing them (an n x n matrix of codes, as a criterion's). Id names it in a file.
struct CRatingScale {
    std::string Id;
    std::string Name;
    std::vector<std::string> Intensities;
    CJudgementMatrix Judgements;

    bool operator==(const CRatingScale&) const = default;
};

// A scale of those intensities and the upper triangle of its judgements in row order.
CRatingScale MakeRatingScale(const std::string& id, const std::string& name,
    const std::vector<std::string>& intensities, const std::vector<std::int32_t>& upperCodes);
// What is wrong with a scale (nothing: EModelProblem::None): its id, name, the count or
// names of its intensities (1..40 characters, none twice) or its matrix's order.
CModelProblem RatingScaleCheck(const CRatingScale& scale);
// The same as the user's sentence ("" when nothing).
std::string RatingScaleProblem(const CRatingScale& scale);
// The two scales every new ratings project starts with: four steps and five steps, named
// in the interface's language (from then on their names are the user's).
std::vector<CRatingScale> ReadyRatingScales();
// An id none of the scales has: "s" and the smallest number free.
std::string FreeScaleId(const std::vector<CRatingScale>& scales);
// The scale with those intensities, best first: a pair of intensities both kept by name
// keeps its judgement, every pair with a new one is judged 1.
CRatingScale WithIntensities(const CRatingScale& scale, const std::vector<std::string>& intensities);
