// A group of 100 experts over the largest structure (10 levels of 9: 73 judged elements
// of order 9), held in memory: the judgements combined with their spread, the consensus
// of every element, and both with the group's own priorities and every expert's distance
// from them, as one opening of a group computes them per element.
#include "core/group/CExpertWeights.h"
#include "core/group/Consensus.h"
#include "core/group/JudgementAggregation.h"
#include "core/group/PriorityAggregation.h"
#include "core/model/CJudgement.h"
#include "core/model/ModelConstants.h"
#include "core/results/LocalPriorities.h"

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <span>
#include <vector>

namespace {
constexpr std::size_t ExpertCount = 100;
constexpr std::uint32_t Order = MaxElementsPerLevel;
constexpr std::size_t ElementCount = 1 + MaxElementsPerLevel * (MaxLevels - 2);

using CVector = std::array<double, Order>;

struct CGroup {
    // Matrices[e][k]: expert k's judgements of element e; Vectors[e][k] his priorities.
    std::vector<std::vector<CJudgementMatrix>> Matrices;
    std::vector<std::vector<CVector>> Vectors;
    std::vector<double> Weights;
};

const CGroup& Group()
{
    static const CGroup group = [] {
        CGroup g;
        std::mt19937 random(252525U);
        const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
        for (std::size_t k = 0; k < ExpertCount; ++k) {
            g.Weights.push_back(1.0 + static_cast<double>(random() % 5));
        }
        g.Matrices.resize(ElementCount);
        g.Vectors.resize(ElementCount);
        for (std::size_t e = 0; e < ElementCount; ++e) {
            for (std::size_t k = 0; k < ExpertCount; ++k) {
                CJudgementMatrix matrix(Order, Order);
                CValueBlock values{};
                for (std::uint32_t i = 0; i < Order; ++i) {
                    values[i][i] = 1.0;
                    for (std::uint32_t j = i + 1; j < Order; ++j) {
                        matrix(i, j) = CJudgement::FromCode(codes[random() % 17]);
                        matrix(j, i) = matrix(i, j).Mirror();
                        values[i][j] = matrix(i, j).Value();
                        values[j][i] = matrix(j, i).Value();
                    }
                }
                CVector vector{};
                ComputeLocalPriorities(values, Order, vector.data());
                g.Matrices[e].push_back(std::move(matrix));
                g.Vectors[e].push_back(vector);
            }
        }
        return g;
    }();
    return group;
}

std::vector<std::vector<const CJudgementMatrix*>> MatrixPointers(const CGroup& group)
{
    std::vector<std::vector<const CJudgementMatrix*>> pointers(ElementCount);
    for (std::size_t e = 0; e < ElementCount; ++e) {
        for (const CJudgementMatrix& matrix : group.Matrices[e]) {
            pointers[e].push_back(&matrix);
        }
    }
    return pointers;
}

std::vector<std::vector<std::span<const double>>> VectorSpans(const CGroup& group)
{
    std::vector<std::vector<std::span<const double>>> spans(ElementCount);
    for (std::size_t e = 0; e < ElementCount; ++e) {
        for (const CVector& vector : group.Vectors[e]) {
            spans[e].emplace_back(vector);
        }
    }
    return spans;
}

void BM_GroupAggregation(benchmark::State& state)
{
    const CGroup& group = Group();
    const auto matrices = MatrixPointers(group);
    const CExpertWeights weights = *CExpertWeights::FromWeights(group.Weights);
    for (auto _ : state) {
        for (std::size_t e = 0; e < ElementCount; ++e) {
            auto aggregate = AggregateJudgements(matrices[e], weights, Order);
            benchmark::DoNotOptimize(aggregate);
        }
    }
}
BENCHMARK(BM_GroupAggregation)->Unit(benchmark::kMillisecond);

void BM_GroupConsensus(benchmark::State& state)
{
    const CGroup& group = Group();
    const auto vectors = VectorSpans(group);
    const CExpertWeights weights = *CExpertWeights::FromWeights(group.Weights);
    for (auto _ : state) {
        for (std::size_t e = 0; e < ElementCount; ++e) {
            auto consensus = ComputeConsensus(vectors[e], weights);
            benchmark::DoNotOptimize(consensus);
        }
    }
}
BENCHMARK(BM_GroupConsensus)->Unit(benchmark::kMillisecond);

void BM_GroupAggregationAndConsensus(benchmark::State& state)
{
    const CGroup& group = Group();
    const auto matrices = MatrixPointers(group);
    const auto vectors = VectorSpans(group);
    const CExpertWeights weights = *CExpertWeights::FromWeights(group.Weights);
    for (auto _ : state) {
        for (std::size_t e = 0; e < ElementCount; ++e) {
            auto aggregate = AggregateJudgements(matrices[e], weights, Order);
            auto consensus = ComputeConsensus(vectors[e], weights);
            benchmark::DoNotOptimize(aggregate);
            benchmark::DoNotOptimize(consensus);
        }
    }
}
BENCHMARK(BM_GroupAggregationAndConsensus)->Unit(benchmark::kMillisecond);

// The same with the group's priorities and consistency of every combined matrix and each
// expert's distance from them.
void BM_GroupElementPass(benchmark::State& state)
{
    const CGroup& group = Group();
    const auto matrices = MatrixPointers(group);
    const auto vectors = VectorSpans(group);
    const CExpertWeights weights = *CExpertWeights::FromWeights(group.Weights);
    for (auto _ : state) {
        for (std::size_t e = 0; e < ElementCount; ++e) {
            const auto aggregate = AggregateJudgements(matrices[e], weights, Order);
            CValueBlock values{};
            for (std::uint32_t i = 0; i < Order; ++i) {
                for (std::uint32_t j = 0; j < Order; ++j) {
                    values[i][j] = aggregate->Judgements(i, j).Value();
                }
            }
            CVector priority{};
            ComputeLocalPriorities(values, Order, priority.data());
            benchmark::DoNotOptimize(ComputeConsistency(values, Order, priority.data()));
            auto consensus = ComputeConsensus(vectors[e], weights);
            benchmark::DoNotOptimize(consensus);
            for (const std::span<const double> vector : vectors[e]) {
                benchmark::DoNotOptimize(DistanceFromGroup(vector, priority));
            }
        }
    }
}
BENCHMARK(BM_GroupElementPass)->Unit(benchmark::kMillisecond);
} // namespace
