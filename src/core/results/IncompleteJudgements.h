#pragma once

#include "core/model/CJudgement.h"
#include "core/model/ModelConstants.h"
#include "core/results/LocalPriorities.h"

#include <array>
#include <cstdint>

// Judgements a decision maker may leave out: a pair is "не задано" when both of its
// cells hold the code 0. The elements are the vertices of a graph and every judged pair
// an edge; priorities exist exactly when that graph is connected.

inline constexpr std::uint32_t MaxJudgementPairs = MaxElementsPerLevel * (MaxElementsPerLevel - 1) / 2;

struct CElementPair {
    std::uint32_t Row = 0; // the smaller position
    std::uint32_t Column = 0;
};

// The comparison graph of the leading n x n block, for blocks of up to Capacity elements.
// Fixed arrays only, so building it allocates nothing.
template <std::uint32_t Capacity> struct TComparisonGraph {
    static_assert(Capacity <= 32, "a bit set of one word per element");
    std::uint32_t Order = 0;
    std::uint32_t JudgedPairs = 0;
    // The missing pairs (i, j), i < j, in reading order.
    std::uint32_t MissingCount = 0;
    std::array<CElementPair, Capacity*(Capacity - 1) / 2> Missing{};
    // Bit j of Adjacent[i] is set when the pair (i, j) is judged.
    std::array<std::uint32_t, Capacity> Adjacent{};
    // The components, ordered by their first position, each a sorted list of positions.
    std::uint32_t ComponentCount = 0;
    std::array<std::uint32_t, Capacity> ComponentSize{};
    std::array<std::array<std::uint32_t, Capacity>, Capacity> ComponentMembers{};
    std::array<std::uint32_t, Capacity> ComponentOf{}; // of each position

    [[nodiscard]] std::uint32_t PairCount() const { return Order * (Order - 1) / 2; }
    [[nodiscard]] bool Complete() const { return MissingCount == 0; }
    [[nodiscard]] bool Connected() const { return ComponentCount == 1; }
    [[nodiscard]] bool Judged(std::uint32_t i, std::uint32_t j) const
    {
        return i < Order && j < Order && (Adjacent[i] >> j & 1U) != 0;
    }
};
// A layered project's blocks; any matrix of a hierarchy (up to 20).
using CComparisonGraph = TComparisonGraph<MaxElementsPerLevel>;
using CWideComparisonGraph = TComparisonGraph<MaxMatrixOrder>;

// A pair is missing when neither of its cells is judged. A code 0 in one cell only comes
// from a damaged or foreign file: that pair counts as judged, with the number 0 as ever.
// n is cut to 9 and to the matrix's size; an empty block (n = 0) has no component.
CComparisonGraph BuildComparisonGraph(const CJudgementMatrix& judgements, std::uint32_t n);
// The same with n cut to 20.
CWideComparisonGraph BuildWideComparisonGraph(const CJudgementMatrix& judgements, std::uint32_t n);
// The same graph with the pair (i, j) left out as well, its components found again. The
// graph as it is when the pair is not judged.
CComparisonGraph WithoutPair(const CComparisonGraph& graph, std::uint32_t i, std::uint32_t j);
CWideComparisonGraph WithoutPair(const CWideComparisonGraph& graph, std::uint32_t i, std::uint32_t j);

// Logarithmic least squares over the judged pairs: y minimises the sum over judged pairs
// of (ln a_ij - y_i + y_j)^2 with sum y_i = 0, and w = exp(y) normalised to sum 1. That is
// L y = r with L the graph's Laplacian and r_i the sum of ln a_ij over the judged pairs
// of i (taken as the minimum-norm solution, so with nothing missing this is exactly the
// row geometric means even of a non-reciprocal block). values holds the numbers of the
// cells; missing cells are never read. Returns false and gives zero priorities when the
// graph is not connected, or when a judged cell is not a positive finite number (a 0 or
// worse from a damaged file): never a NaN.
bool ComputeLeastSquaresPriorities(const CValueBlock& values, const CComparisonGraph& graph, double* priority);
bool ComputeLeastSquaresPriorities(const CWideValueBlock& values, const CWideComparisonGraph& graph, double* priority);

// Fills the missing cells with the ratios the priorities stand for, w_i / w_j, and puts
// 1 on the diagonal; judged cells keep their numbers.
void CompleteValues(CValueBlock& values, const CComparisonGraph& graph, const double* priority);
void CompleteValues(CWideValueBlock& values, const CWideComparisonGraph& graph, const double* priority);

enum class EPrioritiesBasis {
    AllJudged,    // nothing missing: the row geometric means, bit for bit as always
    LeastSquares, // pairs missing, the judged ones connect the elements
    NotConnected, // no priorities: the graph's components say which groups
    BadValue,     // pairs missing and a judged cell not a positive finite number
};

// Everything one judgement matrix yields, missing pairs or not.
template <std::uint32_t Capacity> struct TMatrixPriorities {
    TComparisonGraph<Capacity> Graph;
    EPrioritiesBasis Basis = EPrioritiesBasis::AllJudged;
    // Zero for NotConnected and BadValue.
    std::array<double, Capacity> Priority{};
    // The completed matrix C (for AllJudged the block as read; for NotConnected and
    // BadValue the block as read, 0 in the missing cells).
    TValueBlock<Capacity> Completed{};
    // Those of Completed with Priority, as ComputeConsistency gives them; 0 when there
    // are no priorities.
    CConsistency Measures;

    [[nodiscard]] bool HasPriorities() const
    {
        return Basis == EPrioritiesBasis::AllJudged || Basis == EPrioritiesBasis::LeastSquares;
    }
};
using CMatrixPriorities = TMatrixPriorities<MaxElementsPerLevel>;
using CWideMatrixPriorities = TMatrixPriorities<MaxMatrixOrder>;

// The priorities, the completed matrix and its lambda-max, CI and CR of the leading
// n x n block. Allocates nothing.
CMatrixPriorities ComputeMatrixPriorities(const CJudgementMatrix& judgements, std::uint32_t n);
// The same with n cut to 20; a block of 9 or fewer gives the bits of the one above.
CWideMatrixPriorities ComputeWideMatrixPriorities(const CJudgementMatrix& judgements, std::uint32_t n);
