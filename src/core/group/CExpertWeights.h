#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One rule for an expert's weight everywhere (files, the members dialog, the group window,
// tessaly-report): a number from MinExpertWeight to MaxExpertWeight. The ratio of any two
// is then at most 1e12, so that no expert's share of a sum underflows and every share
// given is one the computation really uses.
inline constexpr double MinExpertWeight = 1e-6;
inline constexpr double MaxExpertWeight = 1e6;

// Why a weight is refused, after "Эксперт N: " or "--weights: ".
inline constexpr const char* ExpertWeightRangeText = "вес должен быть числом от 0.000001 до 1000000";

// Whether a weight is one the group takes: a number within the limits above.
[[nodiscard]] bool AcceptableExpertWeight(double weight);
// "" for an acceptable weight, else ExpertWeightRangeText.
[[nodiscard]] std::string ExpertWeightProblem(double weight);

// The experts' weights as the group computations take them: alpha_k = u_k / sum u, from
// weights u_k that are all acceptable. Only such weights make one, so every computation
// that takes it may divide by them and no share is 0.
class CExpertWeights {
public:
    // Empty for no expert, or for any weight that AcceptableExpertWeight refuses.
    [[nodiscard]] static std::optional<CExpertWeights> FromWeights(std::span<const double> weights);
    // Every expert 1 / count; empty for no expert.
    [[nodiscard]] static std::optional<CExpertWeights> Equal(std::size_t count);

    [[nodiscard]] std::size_t Count() const { return Alpha.size(); }
    [[nodiscard]] double Normalized(std::size_t expert) const { return Alpha[expert]; }
    [[nodiscard]] std::span<const double> Normalized() const { return Alpha; }

private:
    CExpertWeights() = default;

    std::vector<double> Alpha;
};
