#pragma once

#include "support/ModelEdits.h"

#include "core/group/CExpertWeights.h"
#include "core/model/CJudgement.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/LocalPriorities.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

// An expert's matrix of order n from its upper triangle in reading order, as stored
// codes (3 for 3, -2 for 1/2, 0 for "не задано"), each mirrored as the comparison window does.
inline CJudgementMatrix FromUpper(std::uint32_t n, const std::vector<int>& upper)
{
    CJudgementMatrix matrix(n, n);
    std::size_t next = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            matrix(i, j) = CJudgement::FromCode(upper.at(next++));
            matrix(j, i) = matrix(i, j).Mirror();
        }
    }
    return matrix;
}

// The goal "ВЫБОР" over the criteria "А", "Б", "В", each over the alternatives "X", "Y"
// judged equal; the goal judged by its upper triangle of codes.
inline std::unique_ptr<CUserProjectModel> CriteriaProject(const std::vector<int>& goalUpper)
{
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*project, {1, 3, 2}));
    SetName(*project, 0, 0, "ВЫБОР");
    SetName(*project, 0, 1, "А");
    SetName(*project, 1, 1, "Б");
    SetName(*project, 2, 1, "В");
    SetName(*project, 0, 2, "X");
    SetName(*project, 1, 2, "Y");
    project->SetJudgements(0, 0, FromUpper(3, goalUpper));
    return project;
}

inline CValueBlock BlockOf(const CJudgementMatrix& matrix, std::uint32_t n)
{
    CValueBlock block{};
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = 0; j < n; ++j) {
            block[i][j] = matrix(i, j).Value();
        }
    }
    return block;
}

// Row geometric means through the project's own value-block computation.
inline std::vector<double> PrioritiesOf(const CJudgementMatrix& matrix, std::uint32_t n)
{
    std::vector<double> priority(n);
    ComputeLocalPriorities(BlockOf(matrix, n), n, priority.data());
    return priority;
}

inline CExpertWeights WeightsOf(const std::vector<double>& weights)
{
    return *CExpertWeights::FromWeights(weights);
}
