#include "core/results/IdealSynthesis.h"

#include <cmath>

namespace {
// The largest entry of a parent's vector, or 0 when the vector cannot be idealised:
// all 0, or holding a negative or non-finite number.
double LargestEntry(const std::array<double, MaxElementsPerLevel>& local, std::uint32_t count)
{
    double largest = 0.0;
    for (std::uint32_t a = 0; a < count; ++a) {
        const double v = local[a];
        if (!std::isfinite(v) || v < 0.0) {
            return 0.0;
        }
        largest = v > largest ? v : largest;
    }
    return largest;
}
} // namespace

CIdealSynthesis ComputeIdealSynthesis(const CSensitivityInput& input)
{
    CIdealSynthesis result;
    const std::uint32_t levels = input.LevelCount > MaxLevels ? MaxLevels : input.LevelCount;
    if (levels < 2) {
        return result;
    }
    const std::uint32_t bottom = levels - 1;
    const std::uint32_t parentLevel = bottom - 1;
    const std::uint32_t count = input.Count[bottom] > MaxElementsPerLevel ? MaxElementsPerLevel : input.Count[bottom];
    std::uint32_t parents = parentLevel == 0 ? 1U : input.Count[parentLevel];
    parents = parents > MaxElementsPerLevel ? MaxElementsPerLevel : parents;
    result.AlternativeCount = count;

    for (std::uint32_t p = 0; p < parents; ++p) {
        const std::array<double, MaxElementsPerLevel>& local = input.Local[parentLevel][p];
        const double largest = LargestEntry(local, count);
        // The goal's weight is 1; its slot in Global is not used.
        const double weight = parentLevel == 0 ? 1.0 : input.Global[parentLevel][p];
        if (!(largest > 0.0) || !std::isfinite(weight)) {
            continue;
        }
        for (std::uint32_t a = 0; a < count; ++a) {
            result.Raw[a] = result.Raw[a] + weight * (local[a] / largest);
        }
    }

    double sum = 0.0;
    for (std::uint32_t a = 0; a < count; ++a) {
        sum = sum + result.Raw[a];
    }
    if (sum > 0.0 && std::isfinite(sum)) {
        for (std::uint32_t a = 0; a < count; ++a) {
            result.Priority[a] = result.Raw[a] / sum;
        }
    }
    return result;
}
