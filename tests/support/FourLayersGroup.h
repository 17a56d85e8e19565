#pragma once

#include "core/group/GroupTestSupport.h"
#include "core/model/CUserProjectModel.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A group of three experts on four complete layers (the goal over A, B; A and B over S1,
// S2; S1 and S2 over X, Y, Z), each given as a layered project.

// Each expert's judgements of the four complete layers: goal over A, B; A and B over S1,
// S2; S1 and S2 over X, Y, Z (upper triangles of codes).
struct CFourLayers {
    int Goal;
    int A;
    int B;
    std::vector<int> S1;
    std::vector<int> S2;
};
inline const std::vector<CFourLayers> FourLayersExperts{
    {3, -2, 4, {2, 6, 3}, {-4, -2, 2}},
    {2, -3, 3, {3, 5, 2}, {-3, -2, 3}},
    {5, 1, 5, {1, 4, 4}, {-5, 1, 3}},
};

inline std::unique_ptr<CUserProjectModel> FourLayers(const CFourLayers& judged)
{
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*project, {1, 2, 2, 3}));
    const char* names[][3] = {{"ЦЕЛЬ"}, {"A", "B"}, {"S1", "S2"}, {"X", "Y", "Z"}};
    for (std::uint32_t level = 0; level < 4; ++level) {
        for (std::uint32_t e = 0; e < (level == 0 ? 1U : level == 3 ? 3U : 2U); ++e) {
            SetName(*project, e, level, names[level][e]);
        }
    }
    project->SetJudgements(0, 0, FromUpper(2, {judged.Goal}));
    project->SetJudgements(0, 1, FromUpper(2, {judged.A}));
    project->SetJudgements(1, 1, FromUpper(2, {judged.B}));
    project->SetJudgements(0, 2, FromUpper(3, judged.S1));
    project->SetJudgements(1, 2, FromUpper(3, judged.S2));
    return project;
}
