#include "core/group/Consensus.h"

#include "core/group/CExpertWeights.h"

#include <algorithm>
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

std::vector<double> MeanPlaces(std::span<const double> priorities)
{
    const std::size_t n = priorities.size();
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) {
        order[i] = i;
    }
    std::stable_sort(
        order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return priorities[a] > priorities[b]; });
    std::vector<double> places(n, 0.0);
    std::size_t first = 0;
    while (first < n) {
        std::size_t last = first + 1;
        // Equal within the rounding of the computation that made them.
        while (last < n
            && priorities[order[last - 1]] - priorities[order[last]]
                <= 1e-12 * std::max(std::abs(priorities[order[last - 1]]), std::abs(priorities[order[last]]))) {
            ++last;
        }
        const double mean = static_cast<double>(first + 1 + last) / 2.0;
        for (std::size_t i = first; i < last; ++i) {
            places[order[i]] = mean;
        }
        first = last;
    }
    return places;
}

std::optional<double> KendallConcordance(std::span<const std::vector<double>> places)
{
    const std::size_t experts = places.size();
    if (experts < 2) {
        return std::nullopt;
    }
    const std::size_t n = places.front().size();
    if (n < 2) {
        return std::nullopt;
    }
    std::vector<double> sums(n, 0.0);
    double ties = 0.0;
    for (const std::vector<double>& row : places) {
        if (row.size() != n) {
            return std::nullopt;
        }
        std::vector<double> sorted = row;
        std::sort(sorted.begin(), sorted.end());
        for (std::size_t i = 0; i < n;) {
            std::size_t j = i + 1;
            while (j < n && sorted[j] == sorted[i]) {
                ++j;
            }
            const auto t = static_cast<double>(j - i);
            ties += t * t * t - t;
            i = j;
        }
        for (std::size_t i = 0; i < n; ++i) {
            sums[i] += row[i];
        }
    }
    double mean = 0.0;
    for (const double r : sums) {
        mean += r / static_cast<double>(n);
    }
    double s = 0.0;
    for (const double r : sums) {
        s += (r - mean) * (r - mean);
    }
    const auto k = static_cast<double>(experts);
    const auto m = static_cast<double>(n);
    const double denominator = k * k * (m * m * m - m) - k * ties;
    if (!(denominator > 0.0)) {
        return std::nullopt;
    }
    return 12.0 * s / denominator;
}

EConcordanceBand ConcordanceBandOf(double w)
{
    if (!(w >= 0.2)) {
        return EConcordanceBand::VeryWeak;
    }
    if (w < 0.4) {
        return EConcordanceBand::Weak;
    }
    if (w < 0.6) {
        return EConcordanceBand::Moderate;
    }
    return w < 0.8 ? EConcordanceBand::Strong : EConcordanceBand::VeryStrong;
}
