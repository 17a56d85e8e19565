#pragma once

#include "core/model/CJudgement.h"
#include "core/model/HierarchyLimits.h"
#include "core/model/ModelConstants.h"
#include "core/model/Phrase.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Absolute deviation of every judgement from the ratio of the priorities, w_i / w_j,
// with a sum per row; the diagonal is always 0. A pair left out (both cells "не задано")
// has no deviation: it is marked Missing, holds 0 and adds nothing to its row's sum.
template <std::uint32_t Capacity> struct TDeviationTable {
    std::uint32_t Order = 0;
    std::array<std::array<double, Capacity>, Capacity> Deviation{};
    std::array<std::array<bool, Capacity>, Capacity> Missing{};
    std::array<double, Capacity> RowSum{};
};
using CDeviationTable = TDeviationTable<MaxElementsPerLevel>;
using CWideDeviationTable = TDeviationTable<MaxMatrixOrder>;
// The leading n x n block, n cut to the table's capacity (9, or 20 for the wide table).
CDeviationTable ComputeDeviations(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority);
CWideDeviationTable ComputeWideDeviations(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority);

inline constexpr CPhrase NoTransitivityViolationText
    = TESSALY_PHRASE("Deviations", "Информация о нарушении транзитивности -- отсутствует!");

// The cyclic triads of the leading n x n block (n at most 20), a judgement taken by its
// stored code (a combined one by its value), each
// increasing triple i < j < k once: lines like "1>2>3>1" and "2<4<5<2". A triad with a
// pair left out says nothing about a cycle and is skipped.
struct CTransitivityReport {
    bool None = true;
    std::vector<std::string> Lines; // the violations; empty when None
};
CTransitivityReport BuildTransitivityReport(const CJudgementMatrix& judgements, std::uint32_t n);
