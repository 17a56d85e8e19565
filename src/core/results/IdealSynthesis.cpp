#include "core/results/IdealSynthesis.h"

#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"

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

namespace {
double LargestEntry(const std::array<double, MaxElementsPerLevel>& local, std::uint32_t count)
{
    return IdealDivisor(local.data(), count);
}
} // namespace

namespace {
// Local(p) is the local vector of parent p of the last middle level, Global(p) its
// global priority; counts as in CSensitivityInput.
template <typename TLocal, typename TGlobal>
CIdealSynthesis Idealise(std::uint32_t levelCount, const std::array<std::uint32_t, MaxLevels>& counts,
    const TLocal& localOf, const TGlobal& globalOf)
{
    CIdealSynthesis result;
    const std::uint32_t levels = levelCount > MaxLevels ? MaxLevels : levelCount;
    if (levels < 2) {
        return result;
    }
    const std::uint32_t bottom = levels - 1;
    const std::uint32_t parentLevel = bottom - 1;
    const std::uint32_t count = counts[bottom] > MaxElementsPerLevel ? MaxElementsPerLevel : counts[bottom];
    std::uint32_t parents = parentLevel == 0 ? 1U : counts[parentLevel];
    parents = parents > MaxElementsPerLevel ? MaxElementsPerLevel : parents;
    result.AlternativeCount = count;

    for (std::uint32_t p = 0; p < parents; ++p) {
        const std::array<double, MaxElementsPerLevel>& local = localOf(parentLevel, p);
        const double largest = LargestEntry(local, count);
        // The goal's weight is 1; its slot in Global is not used.
        const double weight = parentLevel == 0 ? 1.0 : globalOf(parentLevel, p);
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
} // namespace

CIdealSynthesis ComputeIdealSynthesis(const CSensitivityInput& input)
{
    return Idealise(
        input.LevelCount,
        input.Count, [&input](std::uint32_t l, std::uint32_t p) -> const auto& { return input.Local[l][p]; },
        [&input](std::uint32_t l, std::uint32_t p) { return input.Global[l][p]; });
}

CIdealSynthesis ComputeIdealSynthesis(const CUserProjectModel& project, const CProjectResults& results)
{
    std::array<std::uint32_t, MaxLevels> counts{};
    const std::uint32_t levels = project.LevelCount() > MaxLevels ? MaxLevels : project.LevelCount();
    for (std::uint32_t l = 0; l < levels; ++l) {
        counts[l] = l == 0 ? 1U : project.ElementsInLevelChecked(l);
    }
    return Idealise(
        levels, counts,
        [&results](std::uint32_t l, std::uint32_t p) -> const auto& { return results.LevelData(p, l).Priority; },
        [&results](std::uint32_t l, std::uint32_t p) { return results.GlobalPriority()(p, l); });
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
        const double largest = LargestEntry(local, count);
        for (std::uint32_t a = 0; a < count; ++a) {
            local[a] = largest > 0.0 ? local[a] / largest : 0.0;
        }
    }
    idealised.Global[bottom] = ComputeIdealSynthesis(input).Raw;
    idealised.Normalised = true;
    return idealised;
}
