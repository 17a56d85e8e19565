#include "core/group/Consensus.h"

#include "core/group/CExpertWeights.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace {
// The largest judgement of the scale: the extreme vectors that bound S* from below.
constexpr double ScaleMaximum = 9.0;

// Shannon entropy with 0 ln 0 = 0.
double Entropy(std::span<const double> p)
{
    double h = 0.0;
    for (const double x : p) {
        if (x > 0.0) {
            h -= x * std::log(x);
        }
    }
    return h;
}

// The smallest mean entropy of the experts' vectors that still lets them disagree
// the most: each expert's vector favours one element M times over each other one.
double MinimumAlphaEntropy(double n)
{
    const double favoured = ScaleMaximum / (n + ScaleMaximum - 1.0);
    const double other = 1.0 / (n + ScaleMaximum - 1.0);
    return -favoured * std::log(favoured) - (n - 1.0) * other * std::log(other);
}

bool Usable(std::span<const double> vector)
{
    for (const double x : vector) {
        if (!(x >= 0.0) || !std::isfinite(x)) {
            return false;
        }
    }
    return true;
}
} // namespace

std::optional<CConsensus> ComputeConsensus(
    std::span<const std::span<const double>> vectors, const CExpertWeights& weights)
{
    if (vectors.size() != weights.Count()) {
        return std::nullopt;
    }
    std::size_t order = 0;
    std::size_t present = 0;
    double weightSum = 0.0;
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        if (vectors[k].empty()) {
            continue;
        }
        if ((order != 0 && vectors[k].size() != order) || !Usable(vectors[k])) {
            return std::nullopt;
        }
        order = vectors[k].size();
        ++present;
        weightSum += weights.Normalized(k);
    }
    if (present < 2 || order < 2) {
        return std::nullopt;
    }
    CConsensus result;
    std::vector<double> mean(order, 0.0);
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        if (vectors[k].empty()) {
            continue;
        }
        const double alpha = weights.Normalized(k) / weightSum;
        result.HAlpha += alpha * Entropy(vectors[k]);
        for (std::size_t i = 0; i < order; ++i) {
            mean[i] += alpha * vectors[k][i];
        }
    }
    result.HGamma = Entropy(mean);
    result.HBeta = result.HGamma - result.HAlpha;
    const auto n = static_cast<double>(order);
    const double cor = n / std::exp(MinimumAlphaEntropy(n));
    const double homogeneity = std::exp(-result.HBeta);
    result.SStar = (homogeneity - 1.0 / cor) / (1.0 - 1.0 / cor);
    result.S = (homogeneity - 1.0 / n) / (1.0 - 1.0 / n);
    return result;
}

std::optional<double> OverallConsensus(std::span<const double> sStar, std::span<const double> globalPriority)
{
    if (sStar.empty() || sStar.size() != globalPriority.size()) {
        return std::nullopt;
    }
    double weighted = 0.0;
    double total = 0.0;
    for (std::size_t e = 0; e < sStar.size(); ++e) {
        weighted += globalPriority[e] * sStar[e];
        total += globalPriority[e];
    }
    const double overall = weighted / total;
    if (!(total > 0.0) || !std::isfinite(overall)) {
        return std::nullopt;
    }
    return overall;
}

EConsensusBand ConsensusBandOf(double sStar)
{
    const double percent = sStar * 100.0;
    if (!(percent > 50.0)) { // NaN included
        return EConsensusBand::VeryLow;
    }
    if (percent <= 62.5) {
        return EConsensusBand::Low;
    }
    if (percent <= 75.0) {
        return EConsensusBand::Moderate;
    }
    if (percent <= 87.5) {
        return EConsensusBand::High;
    }
    return EConsensusBand::VeryHigh;
}

const char* ConsensusBandName(EConsensusBand band)
{
    switch (band) {
    case EConsensusBand::VeryLow:
        return "очень низкое";
    case EConsensusBand::Low:
        return "низкое";
    case EConsensusBand::Moderate:
        return "умеренное";
    case EConsensusBand::High:
        return "высокое";
    case EConsensusBand::VeryHigh:
        return "очень высокое";
    }
    return "";
}

const char* ConsensusBandText(EConsensusBand band)
{
    switch (band) {
    case EConsensusBand::VeryLow:
        return "очень низкое согласие";
    case EConsensusBand::Low:
        return "низкое согласие";
    case EConsensusBand::Moderate:
        return "умеренное согласие";
    case EConsensusBand::High:
        return "высокое согласие";
    case EConsensusBand::VeryHigh:
        return "очень высокое согласие";
    }
    return "";
}

const char* ConsensusBandKey(EConsensusBand band)
{
    switch (band) {
    case EConsensusBand::VeryLow:
        return "very_low";
    case EConsensusBand::Low:
        return "low";
    case EConsensusBand::Moderate:
        return "moderate";
    case EConsensusBand::High:
        return "high";
    case EConsensusBand::VeryHigh:
        return "very_high";
    }
    return "";
}

double ShownConsensusPercent(double sStar)
{
    const double percent = sStar * 100.0;
    return percent > 0.0 ? percent : 0.0;
}
