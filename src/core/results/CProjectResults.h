#pragma once

#include "core/model/CElementSlot.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TDesicionLevelData.h"
#include "core/model/TMatrix.h"
#include "core/results/IdealSynthesis.h"
#include "core/results/IncompleteJudgements.h"

#include <cstdint>
#include <optional>

// Every figure computed from a project's judgements: the local priorities and
// consistency of every element [position][level], what they rest on (all judgements, or
// least squares over those given), the global priorities [position][level] of every
// element, and the ideal synthesis of the alternatives beside the distributive one. A
// value: whoever holds one reads it; only the computations fill it.
class CProjectResults {
public:
    CProjectResults();

    [[nodiscard]] const TDesicionLevelData& LevelData(std::uint32_t position, std::uint32_t level) const
    {
        return LevelDataGrid[position][level];
    }
    TDesicionLevelData& LevelData(std::uint32_t position, std::uint32_t level)
    {
        return LevelDataGrid[position][level];
    }
    [[nodiscard]] const TMatrix<double>& GlobalPriority() const { return GlobalPriorities; }
    TMatrix<double>& GlobalPriority() { return GlobalPriorities; }

    // How an element's priorities were found; AllJudged for an element with nothing left
    // out (and for one with no level below).
    [[nodiscard]] EPrioritiesBasis Basis(std::uint32_t position, std::uint32_t level) const
    {
        return BasisGrid[position][level];
    }
    void SetBasis(std::uint32_t position, std::uint32_t level, EPrioritiesBasis basis)
    {
        BasisGrid[position][level] = basis;
    }
    // The first element (level by level, then by position) whose judgements given do not
    // connect the elements below it: no priorities exist for it, so neither a synthesis
    // nor a ranking does.
    [[nodiscard]] const std::optional<CElementSlot>& NotConnected() const { return FirstNotConnected; }
    void SetNotConnected(const std::optional<CElementSlot>& place) { FirstNotConnected = place; }

    [[nodiscard]] const CIdealSynthesis& Ideal() const { return IdealResult; }
    CIdealSynthesis& Ideal() { return IdealResult; }

private:
    TElementGridOf<TDesicionLevelData> LevelDataGrid;
    TElementGridOf<EPrioritiesBasis> BasisGrid{};
    TMatrix<double> GlobalPriorities{MaxElementsPerLevel, MaxLevels};
    std::optional<CElementSlot> FirstNotConnected;
    CIdealSynthesis IdealResult;
};
