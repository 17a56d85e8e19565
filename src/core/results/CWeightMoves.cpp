#include "core/results/CWeightMoves.h"

#include "core/model/MiddleLevels.h"

void CWeightMoves::Reset(const CSensitivityInput& input, std::uint32_t level)
{
    Current = input;
    MovingPosition = MaxElementsPerLevel;
    MovedLevel = level < MaxLevels ? level : 0;
    const std::uint32_t bottom = input.LevelCount == 0 ? 0U : input.LevelCount - 1;
    LevelWeights = input.Global[MovedLevel];
    FinalPriorities = input.Global[bottom < MaxLevels ? bottom : MaxLevels - 1];
    if (input.Normalised) {
        // Raw ideal scores: the priorities are their shares.
        const std::uint32_t m = input.LevelCount == 0 || bottom >= MaxLevels ? 0U : input.Count[bottom];
        double sum = 0.0;
        for (std::uint32_t i = 0; i < m && i < MaxElementsPerLevel; ++i) {
            sum += FinalPriorities[i];
        }
        for (std::uint32_t i = 0; i < m && i < MaxElementsPerLevel; ++i) {
            FinalPriorities[i] = sum > 0.0 ? FinalPriorities[i] / sum : 0.0;
        }
    }
}

bool CWeightMoves::Move(std::uint32_t position, double x)
{
    if (!IsMiddleLevel(Current.LevelCount, MovedLevel) || Current.LevelCount > MaxLevels
        || position >= Current.Count[MovedLevel]) {
        return false;
    }
    if (MovingPosition != position) {
        MoveStart = Current;
        Moving = AnalyseElement(MoveStart, MovedLevel, position);
        MovingPosition = position;
    }
    std::array<double, MaxElementsPerLevel> weights{};
    std::array<double, MaxElementsPerLevel> alternatives{};
    std::array<double, MaxElementsPerLevel> lines{};
    if (!MovedLevelWeights(MoveStart, MovedLevel, position, x, weights.data())
        || !AlternativesAt(Moving, x, alternatives.data()) || !LinesAt(Moving, x, lines.data())) {
        return false; // the element holds the whole level: it stays where it is
    }
    const std::uint32_t bottom = Current.LevelCount - 1;
    for (std::uint32_t k = 0; k < Current.Count[MovedLevel]; ++k) {
        LevelWeights[k] = weights[k];
        Current.Global[MovedLevel][k] = weights[k];
    }
    for (std::uint32_t i = 0; i < Current.Count[bottom]; ++i) {
        FinalPriorities[i] = alternatives[i];
        // The next element's move starts from the lines (in the ideal mode the raw scores).
        Current.Global[bottom][i] = lines[i];
    }
    return true;
}
