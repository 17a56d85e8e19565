#pragma once

#include "core/model/ModelConstants.h"
#include "core/results/Sensitivity.h"

#include <array>
#include <cstdint>

// The dynamic sensitivity view: the global weights of one middle level and the final
// priorities of the alternatives while the user moves one element's weight after another.
// A move puts the element at x and rescales the others of the level in their proportion,
// so that the level still sums to 1, and the alternatives follow their lines. Moving
// another element starts from the weights as the moves before left them; moving the same
// element again is measured from where its move started, so dragging back returns the
// level exactly to where it was. Nothing is allocated after construction.
class CWeightMoves {
public:
    // The weights and alternatives as computed, to move on `level` of `input`. A level
    // that is not a middle one has nothing to move.
    void Reset(const CSensitivityInput& input, std::uint32_t level);
    // The element at position to x (0 .. 1), the others rescaled. False, and nothing
    // changed, when it cannot move: it holds the whole level, it is not on the level, or
    // the level is not a middle one.
    bool Move(std::uint32_t position, double x);

    [[nodiscard]] std::uint32_t Level() const { return MovedLevel; }
    [[nodiscard]] std::uint32_t WeightCount() const { return Current.Count[MovedLevel]; }
    [[nodiscard]] std::uint32_t AlternativeCount() const
    {
        return Current.LevelCount == 0 ? 0U : Current.Count[Current.LevelCount - 1];
    }
    // In position order; entries past the counts hold what the input held.
    [[nodiscard]] const std::array<double, MaxElementsPerLevel>& Weights() const { return LevelWeights; }
    [[nodiscard]] const std::array<double, MaxElementsPerLevel>& Alternatives() const { return FinalPriorities; }

private:
    // The weights as they stand, and the move in progress with where it started.
    CSensitivityInput Current;
    CSensitivityInput MoveStart;
    CElementSensitivity Moving;
    std::uint32_t MovingPosition = MaxElementsPerLevel; // none
    std::uint32_t MovedLevel = 0;
    std::array<double, MaxElementsPerLevel> LevelWeights{};
    std::array<double, MaxElementsPerLevel> FinalPriorities{};
};
