#pragma once

#include "core/model/CJudgement.h"
#include "core/model/HierarchyLimits.h"
#include "core/model/ModelConstants.h"
#include "core/results/IncompleteJudgements.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class CExpertWeights;

// Per pair of a criterion's block (up to 20 compared): one entry for every (i, j), only
// i < j used.
template <typename T> using TPairBlock = std::array<std::array<T, MaxMatrixOrder>, MaxMatrixOrder>;

// The experts' judgements of one element combined pair by pair (the weighted geometric
// mean), with how far the experts who judged each pair lie apart.
struct CJudgementAggregate {
    std::uint32_t Order = 0;
    // Order x Order. A pair someone judged holds combined values, the lower cell the
    // mirror of the upper, so the matrix is reciprocal by construction; a pair nobody
    // judged stays "не задано" in both cells; the diagonal is equality.
    CJudgementMatrix Judgements;
    // For each pair, the same in (i, j) and (j, i): how many experts judged it, and the
    // geometric standard deviation of their judgements, exp(sqrt(V)) with the weighted
    // variance V of the logarithms; empty when fewer than two judged it (one judgement has
    // no spread). The diagonal holds 0 and empty.
    TPairBlock<std::uint32_t> JudgedBy{};
    TPairBlock<std::optional<double>> Spread{};
};

// Combines the leading n x n blocks of the experts' matrices, experts[k] weighing
// weights.Normalized(k); each pair's weights are shared anew among the experts who judged
// it. An expert judged a pair unless both of its cells are "не задано"; his upper cell
// speaks for the pair, or the mirror of the lower when only that one is given. Empty when
// the counts of matrices and weights differ, a matrix is missing or smaller than n x n,
// or n is not 1..20.
std::optional<CJudgementAggregate> AggregateJudgements(
    std::span<const CJudgementMatrix* const> experts, const CExpertWeights& weights, std::uint32_t n);

// One expert's judgements of an element as the combining reads them: ln a_ij of every
// pair i < j in reading order, NaN for a pair he left out. Made once per expert, so that
// combining again under other weights takes no logarithm. The pairs of up to 9 compared
// lie in place, so that a thousand experts' judgements of an element lie together (the
// combining reads them pair by pair across the experts); more go into Wide.
struct CPairLogarithms {
    std::uint32_t Order = 0;
    std::array<double, MaxJudgementPairs> Small{};
    std::vector<double> Wide;

    [[nodiscard]] std::size_t PairCount() const { return static_cast<std::size_t>(Order) * (Order - 1) / 2; }
    [[nodiscard]] double Logarithm(std::size_t pair) const
    {
        return Order <= MaxElementsPerLevel ? Small[pair] : Wide[pair];
    }
    void Set(std::size_t pair, double logarithm)
    {
        (Order <= MaxElementsPerLevel ? Small[pair] : Wide[pair]) = logarithm;
    }
    // Order n, every pair holding the value.
    void Reset(std::uint32_t n, double logarithm);
};
// The leading n x n block (n cut to 20 and to the matrix) read as AggregateJudgements
// reads it: the upper cell, or the mirror of the lower when only that one is given, and
// nothing for a pair whose cells hold no positive finite number.
CPairLogarithms PairLogarithmsOf(const CJudgementMatrix& judgements, std::uint32_t n);
// AggregateJudgements over judgements already read; empty also when an expert's order is
// not n.
std::optional<CJudgementAggregate> AggregatePairLogarithms(
    std::span<const CPairLogarithms* const> experts, const CExpertWeights& weights, std::uint32_t n);
