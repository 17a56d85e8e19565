#include "core/group/JudgementAggregation.h"

#include "core/group/CExpertWeights.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {
bool Usable(const CJudgement& judgement)
{
    // A stored code always has a positive number; a combined value is positive by its
    // contract, but nothing that would make a logarithm infinite gets in.
    const double value = judgement.Value();
    return judgement.IsJudged() && value > 0.0 && std::isfinite(value);
}

// ln a_ij of one expert, or NaN when he left the pair out.
double PairLogarithm(const CJudgementMatrix& judgements, std::uint32_t i, std::uint32_t j)
{
    const CJudgement& upper = judgements(i, j);
    if (Usable(upper)) {
        return std::log(upper.Value());
    }
    const CJudgement& lower = judgements(j, i);
    if (Usable(lower)) {
        return -std::log(lower.Value());
    }
    return std::numeric_limits<double>::quiet_NaN();
}

// Weighted variance of the logarithms with the reliability-weights correction
// 1 - sum alpha^2 (the sample variance when the weights are equal), over the experts who
// judged the pair (index p), weightSum being their weights' sum.
std::optional<double> GeometricSpread(std::span<const CPairLogarithms* const> experts, const CExpertWeights& weights,
    std::uint32_t p, double weightSum, double mean)
{
    double squares = 0.0;
    double alphaSquares = 0.0;
    for (std::size_t k = 0; k < experts.size(); ++k) {
        const double logarithm = experts[k]->Logarithm(p);
        if (std::isnan(logarithm)) {
            continue;
        }
        const double alpha = weights.Normalized(k) / weightSum;
        const double deviation = logarithm - mean;
        squares += alpha * deviation * deviation;
        alphaSquares += alpha * alpha;
    }
    const double correction = 1.0 - alphaSquares;
    // Only weights some 1e16 apart round the correction to 0: no spread rather than NaN.
    if (!(correction > 0.0)) {
        return std::nullopt;
    }
    const double spread = std::exp(std::sqrt(squares / correction));
    return std::isfinite(spread) ? std::optional<double>(spread) : std::nullopt;
}
} // namespace

void CPairLogarithms::Reset(std::uint32_t n, double logarithm)
{
    Order = n;
    if (n <= MaxElementsPerLevel) {
        Wide.clear();
        Small.fill(logarithm);
    } else {
        Wide.assign(PairCount(), logarithm);
    }
}

CPairLogarithms PairLogarithmsOf(const CJudgementMatrix& judgements, std::uint32_t n)
{
    CPairLogarithms result;
    result.Order = std::min({n, MaxMatrixOrder, judgements.RowCountInUse(), judgements.ColCountInUse()});
    result.Reset(result.Order, 0.0);
    std::uint32_t p = 0;
    for (std::uint32_t i = 0; i < result.Order; ++i) {
        for (std::uint32_t j = i + 1; j < result.Order; ++j) {
            result.Set(p++, PairLogarithm(judgements, i, j));
        }
    }
    return result;
}

std::optional<CJudgementAggregate> AggregatePairLogarithms(
    std::span<const CPairLogarithms* const> experts, const CExpertWeights& weights, std::uint32_t n)
{
    if (n == 0 || n > MaxMatrixOrder || experts.size() != weights.Count()) {
        return std::nullopt;
    }
    for (const CPairLogarithms* judgements : experts) {
        if (judgements == nullptr || judgements->Order != n
            || judgements->PairCount() != static_cast<std::size_t>(n) * (n - 1) / 2) {
            return std::nullopt;
        }
    }
    CJudgementAggregate result;
    result.Order = n;
    result.Judgements.SetSize(n, n);
    std::uint32_t p = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        result.Judgements(i, i) = CJudgement{};
        for (std::uint32_t j = i + 1; j < n; ++j, ++p) {
            std::uint32_t count = 0;
            double weightSum = 0.0;
            double weightedSum = 0.0;
            for (std::size_t k = 0; k < experts.size(); ++k) {
                const double logarithm = experts[k]->Logarithm(p);
                if (!std::isnan(logarithm)) {
                    const double alpha = weights.Normalized(k);
                    ++count;
                    weightSum += alpha;
                    weightedSum += alpha * logarithm;
                }
            }
            result.JudgedBy[i][j] = count;
            result.JudgedBy[j][i] = count;
            if (count == 0) {
                result.Judgements(i, j) = CJudgement::NotJudged();
                result.Judgements(j, i) = CJudgement::NotJudged();
                continue;
            }
            const double mean = weightedSum / weightSum;
            const CJudgement combined = CJudgement::Combined(std::exp(mean));
            result.Judgements(i, j) = combined;
            result.Judgements(j, i) = combined.Mirror();
            if (count >= 2) {
                result.Spread[i][j] = GeometricSpread(experts, weights, p, weightSum, mean);
                result.Spread[j][i] = result.Spread[i][j];
            }
        }
    }
    return result;
}

std::optional<CJudgementAggregate> AggregateJudgements(
    std::span<const CJudgementMatrix* const> experts, const CExpertWeights& weights, std::uint32_t n)
{
    if (n == 0 || n > MaxMatrixOrder || experts.size() != weights.Count()) {
        return std::nullopt;
    }
    std::vector<CPairLogarithms> read;
    read.reserve(experts.size());
    for (const CJudgementMatrix* judgements : experts) {
        if (judgements == nullptr || judgements->RowCountInUse() < n || judgements->ColCountInUse() < n) {
            return std::nullopt;
        }
        read.push_back(PairLogarithmsOf(*judgements, n));
    }
    std::vector<const CPairLogarithms*> pointers;
    pointers.reserve(read.size());
    for (const CPairLogarithms& judgements : read) {
        pointers.push_back(&judgements);
    }
    return AggregatePairLogarithms(pointers, weights, n);
}
