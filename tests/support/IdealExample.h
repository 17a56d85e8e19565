#pragma once

// A project whose two syntheses differ: the goal over 4 criteria, upper triangle
// (4, 3, 7, 1/3, 3, 5); each criterion over 3 alternatives (3, 5, 2), (2, 2, 1), (9, 9, 1),
// (1, 4, 4). Published figures: distributive (0.663740, 0.206920, 0.129340); ideal raw
// scores (1, 0.343626, 0.210669); ideal priorities (0.643378, 0.221082, 0.135540).

#include "support/ModelEdits.h"

#include <array>
#include <vector>

namespace idealexample {
inline constexpr std::array<double, 3> Distributive{0.663740, 0.206920, 0.129340};
inline constexpr std::array<double, 3> Raw{1.0, 0.343626, 0.210669};
inline constexpr std::array<double, 3> Ideal{0.643378, 0.221082, 0.135540};
inline constexpr const char* Names[3] = {"АЛЬФА", "БЕТА", "ГАММА"};

inline bool Build(CUserProjectModel& model)
{
    if (!BuildWithCounts(model, {1, 4, 3})) {
        return false;
    }
    const auto judge = [&model](std::uint32_t position, std::uint32_t level, const std::vector<int>& upper) {
        const std::uint32_t n = model.ElementsInLevelChecked(level + 1);
        std::size_t k = 0;
        for (std::uint32_t i = 0; i < n; ++i) {
            for (std::uint32_t j = i + 1; j < n; ++j) {
                SetPair(model, position, level, i, j, upper[k++]);
            }
        }
    };
    judge(0, 0, {4, 3, 7, -3, 3, 5});
    const std::vector<std::vector<int>> criteria{{3, 5, 2}, {2, 2, 1}, {9, 9, 1}, {1, 4, 4}};
    for (std::uint32_t c = 0; c < 4; ++c) {
        judge(c, 1, criteria[c]);
    }
    for (std::uint32_t a = 0; a < 3; ++a) {
        SetName(model, a, 2, Names[a]);
    }
    return true;
}
} // namespace idealexample
