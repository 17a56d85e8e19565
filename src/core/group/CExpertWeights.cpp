#include "core/group/CExpertWeights.h"

#include <cmath>

bool AcceptableExpertWeight(double weight)
{
    return weight >= MinExpertWeight && weight <= MaxExpertWeight;
}

std::string ExpertWeightProblem(double weight)
{
    return AcceptableExpertWeight(weight) ? std::string() : std::string(ExpertWeightRangeText);
}

std::optional<CExpertWeights> CExpertWeights::FromWeights(std::span<const double> weights)
{
    if (weights.empty()) {
        return std::nullopt;
    }
    double largest = 0.0;
    for (const double u : weights) {
        if (!AcceptableExpertWeight(u)) {
            return std::nullopt;
        }
        largest = u > largest ? u : largest;
    }
    // Scaled by the largest first: the sum lies between 1 and the count, and no share falls
    // below 1e-12 / count.
    double sum = 0.0;
    for (const double u : weights) {
        sum += u / largest;
    }
    CExpertWeights result;
    result.Alpha.reserve(weights.size());
    for (const double u : weights) {
        result.Alpha.push_back(u / largest / sum);
    }
    return result;
}

std::optional<CExpertWeights> CExpertWeights::Equal(std::size_t count)
{
    return FromWeights(std::vector<double>(count, 1.0));
}
