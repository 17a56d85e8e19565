#pragma once

#include "core/storage/ExpertWeightRule.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

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
