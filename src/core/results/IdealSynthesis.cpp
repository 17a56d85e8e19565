#include "core/results/IdealSynthesis.h"

#include <cmath>

double IdealDivisor(const double* local, std::uint32_t count)
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

void AddIdealShare(const double* local, std::uint32_t count, double weight, double* raw)
{
    const double largest = IdealDivisor(local, count);
    if (!(largest > 0.0) || !std::isfinite(weight)) {
        return;
    }
    for (std::uint32_t a = 0; a < count; ++a) {
        raw[a] = raw[a] + weight * (local[a] / largest);
    }
}

void NormaliseIdealScores(const double* raw, std::uint32_t count, double* ideal)
{
    double sum = 0.0;
    for (std::uint32_t a = 0; a < count; ++a) {
        sum = sum + raw[a];
    }
    const bool usable = sum > 0.0 && std::isfinite(sum);
    for (std::uint32_t a = 0; a < count; ++a) {
        ideal[a] = usable ? raw[a] / sum : 0.0;
    }
}

// Over the parents of the last middle level (the goal alone for two levels), whose
// global weights are those of the input (the goal's is 1; its slot in Global is not used).
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
        const double weight = parentLevel == 0 ? 1.0 : input.Global[parentLevel][p];
        AddIdealShare(input.Local[parentLevel][p].data(), count, weight, result.Raw.data());
    }
    NormaliseIdealScores(result.Raw.data(), count, result.Priority.data());
    return result;
}

CSensitivityInput IdealisedInput(const CSensitivityInput& input)
{
    CSensitivityInput idealised = input;
    const std::uint32_t levels = input.LevelCount > MaxLevels ? MaxLevels : input.LevelCount;
    if (levels < 2) {
        return idealised;
    }
    const std::uint32_t bottom = levels - 1;
    const std::uint32_t parentLevel = bottom - 1;
    const std::uint32_t count = input.Count[bottom] > MaxElementsPerLevel ? MaxElementsPerLevel : input.Count[bottom];
    const std::uint32_t parents = parentLevel == 0       ? 1U
        : input.Count[parentLevel] > MaxElementsPerLevel ? MaxElementsPerLevel
                                                         : input.Count[parentLevel];
    for (std::uint32_t p = 0; p < parents; ++p) {
        std::array<double, MaxElementsPerLevel>& local = idealised.Local[parentLevel][p];
        const double largest = IdealDivisor(local.data(), count);
        for (std::uint32_t a = 0; a < count; ++a) {
            local[a] = largest > 0.0 ? local[a] / largest : 0.0;
        }
    }
    idealised.Global[bottom] = ComputeIdealSynthesis(input).Raw;
    idealised.Normalised = true;
    return idealised;
}
