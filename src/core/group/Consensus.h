#pragma once

#include <optional>
#include <span>
#include <vector>

class CExpertWeights;

// How far the experts agree on one priority vector: the entropy-based relative
// homogeneity of Goepel (2013, 2018). H_alpha is the weighted mean of the experts'
// Shannon entropies, H_gamma the entropy of their weighted mean vector, H_beta = H_gamma
// - H_alpha. S* rescales exp(-H_beta) so that 0 stands for the widest disagreement the
// scale 1..9 allows and 1 for identical vectors; S rescales it by the order alone.
struct CConsensus {
    double HAlpha = 0.0;
    double HGamma = 0.0;
    double HBeta = 0.0;
    // Integer judgements can put S* slightly below 0; the value is kept as computed
    // (ShownConsensusPercent is what a window shows).
    double SStar = 0.0;
    double S = 0.0;
};

// The experts' vectors of one element, or their final priorities (n >= 2 entries each,
// vectors[k] weighing weights.Normalized(k)). An empty vector stands for an expert left
// out (his matrix for the element cannot be computed); the others share his weight.
// Empty with fewer than two experts present, vectors of different lengths or an order
// below 2, counts of vectors and weights that differ, or a negative or non-finite entry.
std::optional<CConsensus> ComputeConsensus(
    std::span<const std::span<const double>> vectors, const CExpertWeights& weights);

// The agreement over the whole hierarchy: sum_e G_e S*_e / sum_e G_e over the elements
// with a consensus, G_e the element's global priority in the group result (1 for the
// goal). Empty for no element, counts that differ, or a sum of G that is not positive.
std::optional<double> OverallConsensus(std::span<const double> sStar, std::span<const double> globalPriority);

// The bands of S* in percent, each upper bound inclusive: 50, 62.5, 75, 87.5.
enum class EConsensusBand {
    VeryLow,
    Low,
    Moderate,
    High,
    VeryHigh,
};
// Below 0 and anything that is not a number fall in the lowest band.
EConsensusBand ConsensusBandOf(double sStar);
// A band's words are phrases of the group's phrase book (ConsensusBandPhrase); these are
// their Russian sources, as the Russian help quotes them.
// "очень низкое", "низкое", "умеренное", "высокое", "очень высокое".
const char* ConsensusBandName(EConsensusBand band);
// The name followed by "согласие": "высокое согласие".
const char* ConsensusBandText(EConsensusBand band);
// The key of the JSON report: "very_low", "low", "moderate", "high", "very_high".
const char* ConsensusBandKey(EConsensusBand band);

// S* in percent as shown to the user: never below 0.
double ShownConsensusPercent(double sStar);

// ---- Agreement on the order (Kendall's coefficient of concordance) ----

// The places of a priority vector, 1 for the largest; equal priorities (within a relative
// 1e-12, the computation's rounding) share the mean of their places: 0.4, 0.3, 0.3 give 1,
// 2.5, 2.5.
std::vector<double> MeanPlaces(std::span<const double> priorities);
// Kendall's W of K experts' places of the same n alternatives, with the correction for
// ties: W = 12 S / (K^2 (n^3 - n) - K T), S the sum of squared deviations of the place
// sums from their mean, T the sum over experts and their groups of equal places of
// t^3 - t. Empty for fewer than two experts, fewer than two alternatives, rows of
// different lengths, or when every expert ties every alternative (nothing to agree on).
std::optional<double> KendallConcordance(std::span<const std::vector<double>> places);

// The bands of W, each upper bound exclusive: 0.2, 0.4, 0.6, 0.8.
enum class EConcordanceBand {
    VeryWeak,
    Weak,
    Moderate,
    Strong,
    VeryStrong,
};
EConcordanceBand ConcordanceBandOf(double w);
// The Russian source of the band's phrase (ConcordanceBandPhrase): "очень слабое согласие",
// "слабое согласие", "умеренное согласие", "сильное согласие", "очень сильное согласие".
const char* ConcordanceBandText(EConcordanceBand band);
