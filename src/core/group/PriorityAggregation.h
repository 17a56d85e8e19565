#pragma once

#include <optional>
#include <span>
#include <vector>

class CExpertWeights;

// Aggregation of the experts' own priorities (f^k, n entries each, f^k weighing
// weights.Normalized(k)); an empty vector stands for an expert left out, whose weight the
// others share. Empty with no expert present, vectors of different lengths, counts of
// vectors and weights that differ, or a negative or non-finite entry.
// Arithmetic: sum_k alpha_k f^k.
std::optional<std::vector<double>> ArithmeticPriorityAggregate(
    std::span<const std::span<const double>> vectors, const CExpertWeights& weights);
// Geometric: prod_k (f^k)^alpha_k, normalised to sum 1 (all zeros when every product is 0).
std::optional<std::vector<double>> GeometricPriorityAggregate(
    std::span<const std::span<const double>> vectors, const CExpertWeights& weights);

// How far an expert's vector of an element lies from the group's: sum_i |ln w^k_i - ln
// w^G_i|. Empty for vectors of different lengths or an entry that is not positive.
std::optional<double> DistanceFromGroup(std::span<const double> expert, std::span<const double> group);
