#include "core/group/JudgementAggregation.h"

#include "core/group/CExpertWeights.h"

#include <cmath>
#include <vector>

namespace {
bool Usable(const CJudgement& judgement)
{
    // A stored code always has a positive number; a combined value is positive by its
    // contract, but nothing that would make a logarithm infinite gets in.
    const double value = judgement.Value();
    return judgement.IsJudged() && value > 0.0 && std::isfinite(value);
}

// ln a_ij of one expert, or false when he left the pair out.
bool PairLogarithm(const CJudgementMatrix& judgements, std::uint32_t i, std::uint32_t j, double& logarithm)
{
    const CJudgement& upper = judgements(i, j);
    if (Usable(upper)) {
        logarithm = std::log(upper.Value());
        return true;
    }
    const CJudgement& lower = judgements(j, i);
    if (Usable(lower)) {
        logarithm = -std::log(lower.Value());
        return true;
    }
    return false;
}

struct CPairJudgement {
    double Logarithm = 0.0;
    double Weight = 0.0;
};

// Weighted variance of the logarithms with the reliability-weights correction
// 1 - sum alpha^2 (the sample variance when the weights are equal).
std::optional<double> GeometricSpread(const std::vector<CPairJudgement>& pair, double weightSum, double mean)
{
    if (pair.size() < 2) {
        return std::nullopt;
    }
    double squares = 0.0;
    double alphaSquares = 0.0;
    for (const CPairJudgement& judgement : pair) {
        const double alpha = judgement.Weight / weightSum;
        const double deviation = judgement.Logarithm - mean;
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

std::optional<CJudgementAggregate> AggregateJudgements(
    std::span<const CJudgementMatrix* const> experts, const CExpertWeights& weights, std::uint32_t n)
{
    if (n == 0 || n > MaxElementsPerLevel || experts.size() != weights.Count()) {
        return std::nullopt;
    }
    for (const CJudgementMatrix* judgements : experts) {
        if (judgements == nullptr || judgements->RowCountInUse() < n || judgements->ColCountInUse() < n) {
            return std::nullopt;
        }
    }
    CJudgementAggregate result;
    result.Order = n;
    result.Judgements.SetSize(n, n);
    std::vector<CPairJudgement> pair;
    pair.reserve(experts.size());
    for (std::uint32_t i = 0; i < n; ++i) {
        result.Judgements(i, i) = CJudgement{};
        for (std::uint32_t j = i + 1; j < n; ++j) {
            pair.clear();
            double weightSum = 0.0;
            double weightedSum = 0.0;
            for (std::size_t k = 0; k < experts.size(); ++k) {
                double logarithm = 0.0;
                if (PairLogarithm(*experts[k], i, j, logarithm)) {
                    const double alpha = weights.Normalized(k);
                    pair.push_back({logarithm, alpha});
                    weightSum += alpha;
                    weightedSum += alpha * logarithm;
                }
            }
            result.JudgedBy[i][j] = static_cast<std::uint32_t>(pair.size());
            result.JudgedBy[j][i] = result.JudgedBy[i][j];
            if (pair.empty()) {
                result.Judgements(i, j) = CJudgement::NotJudged();
                result.Judgements(j, i) = CJudgement::NotJudged();
                continue;
            }
            const double mean = weightedSum / weightSum;
            const CJudgement combined = CJudgement::Combined(std::exp(mean));
            result.Judgements(i, j) = combined;
            result.Judgements(j, i) = combined.Mirror();
            result.Spread[i][j] = GeometricSpread(pair, weightSum, mean);
            result.Spread[j][i] = result.Spread[i][j];
        }
    }
    return result;
}
