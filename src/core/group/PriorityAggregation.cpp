#include "core/group/PriorityAggregation.h"

#include "core/group/CExpertWeights.h"
#include "core/results/LocalPriorities.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {
// The order of the vectors present and their weights' sum, or 0 when they do not fit.
std::size_t CheckedOrder(
    std::span<const std::span<const double>> vectors, const CExpertWeights& weights, double& weightSum)
{
    if (vectors.size() != weights.Count()) {
        return 0;
    }
    std::size_t order = 0;
    weightSum = 0.0;
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        if (vectors[k].empty()) {
            continue;
        }
        if (order != 0 && vectors[k].size() != order) {
            return 0;
        }
        for (const double x : vectors[k]) {
            if (!(x >= 0.0) || !std::isfinite(x)) {
                return 0;
            }
        }
        order = vectors[k].size();
        weightSum += weights.Normalized(k);
    }
    return order;
}
} // namespace

std::optional<std::vector<double>> ArithmeticPriorityAggregate(
    std::span<const std::span<const double>> vectors, const CExpertWeights& weights)
{
    double weightSum = 0.0;
    const std::size_t order = CheckedOrder(vectors, weights, weightSum);
    if (order == 0) {
        return std::nullopt;
    }
    std::vector<double> result(order, 0.0);
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        if (vectors[k].empty()) {
            continue;
        }
        const double alpha = weights.Normalized(k) / weightSum;
        for (std::size_t i = 0; i < order; ++i) {
            result[i] += alpha * vectors[k][i];
        }
    }
    return result;
}

std::optional<std::vector<double>> GeometricPriorityAggregate(
    std::span<const std::span<const double>> vectors, const CExpertWeights& weights)
{
    double weightSum = 0.0;
    const std::size_t order = CheckedOrder(vectors, weights, weightSum);
    if (order == 0) {
        return std::nullopt;
    }
    std::vector<double> result(order, 1.0);
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        if (vectors[k].empty()) {
            continue;
        }
        const double alpha = weights.Normalized(k) / weightSum;
        for (std::size_t i = 0; i < order; ++i) {
            // The weights sum to 1, so the product is never below the smallest entry:
            // no underflow however many experts there are.
            result[i] *= std::pow(vectors[k][i], alpha);
        }
    }
    NormalizeVector(static_cast<std::uint32_t>(order), result.data());
    return result;
}

std::optional<double> DistanceFromGroup(std::span<const double> expert, std::span<const double> group)
{
    if (expert.size() != group.size() || expert.empty()) {
        return std::nullopt;
    }
    double distance = 0.0;
    for (std::size_t i = 0; i < expert.size(); ++i) {
        if (!(expert[i] > 0.0) || !(group[i] > 0.0) || !std::isfinite(expert[i]) || !std::isfinite(group[i])) {
            return std::nullopt;
        }
        distance += std::abs(std::log(expert[i]) - std::log(group[i]));
    }
    return distance;
}
