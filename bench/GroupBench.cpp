// A group of 100 experts over the largest structure (10 levels of 9: 73 judged elements
// of order 9), held in memory: the judgements combined with their spread, the consensus
// of every element, and both with the group's own priorities and every expert's distance
// from them, as one opening of a group computes them per element. Then the whole opening
// of a group of 1,000 experts' files of that structure: every file read and the group
// computed, and the group computed again after a weight changed.
#include "core/group/CExpertWeights.h"
#include "core/group/CGroupDecision.h"
#include "core/group/Consensus.h"
#include "core/group/GroupReading.h"
#include "core/group/JudgementAggregation.h"
#include "core/group/PriorityAggregation.h"
#include "core/model/CJudgement.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/ModelConstants.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/LocalPriorities.h"
#include "core/storage/CMemorySink.h"
#include "core/storage/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
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

// 1,000 experts' files of the largest structure, every pair judged at random, written
// once into a folder of their own that goes when the program ends.
constexpr std::size_t FileCount = 1000;

class CExpertFolder {
public:
    CExpertFolder()
    {
        std::string pattern = "/tmp/tessaly-group-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        Path = pattern;
        auto record = std::make_unique<TLoadSaveProject>();
        record->LevelCount = MaxLevels;
        for (std::uint32_t level = 0; level < MaxLevels; ++level) {
            record->ElementsPerLevel[level] = level == 0 ? 1 : static_cast<std::int32_t>(Order);
            for (std::uint32_t e = 0; e < Order; ++e) {
                record->Elements[e][level].Name = "ЭЛЕМЕНТ_" + std::to_string(e);
            }
        }
        const auto project = std::make_unique<CUserProjectModel>();
        project->BuildLoadedHierarchy(*record);
        std::mt19937 random(1000U);
        const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
        for (std::size_t k = 0; k < FileCount; ++k) {
            for (std::uint32_t level = 0; level + 1 < MaxLevels; ++level) {
                for (std::uint32_t p = 0; p < (level == 0 ? 1U : Order); ++p) {
                    CJudgementMatrix matrix(Order, Order);
                    for (std::uint32_t i = 0; i < Order; ++i) {
                        for (std::uint32_t j = i + 1; j < Order; ++j) {
                            matrix(i, j) = CJudgement::FromCode(codes[random() % 17]);
                            matrix(j, i) = matrix(i, j).Mirror();
                        }
                    }
                    project->SetJudgements(p, level, matrix);
                }
            }
            // Written plainly: the files only have to be there, not saved safely.
            CMemorySink sink;
            WriteProjectFile(*project, sink, false);
            const std::string file = (Path / ("expert" + std::to_string(k) + ".tsy")).string();
            std::ofstream(file, std::ios::binary)
                .write(
                    reinterpret_cast<const char*>(sink.Bytes.data()), static_cast<std::streamsize>(sink.Bytes.size()));
            Members.push_back(CGroupMember{file, "expert" + std::to_string(k), 1.0 + static_cast<double>(k % 5)});
        }
    }
    CExpertFolder(const CExpertFolder&) = delete;
    CExpertFolder& operator=(const CExpertFolder&) = delete;
    ~CExpertFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }

    std::filesystem::path Path;
    std::vector<CGroupMember> Members;
};

const CExpertFolder& ExpertFolder()
{
    static const CExpertFolder folder;
    return folder;
}

// Opening a group of 1,000 files: each read (from the page cache once the first run has
// read them) and the whole group computed.
void BM_GroupOpeningOf1000Files(benchmark::State& state)
{
    const CExpertFolder& folder = ExpertFolder();
    for (auto _ : state) {
        const CGroupOpening opening = OpenGroupMembers(folder.Members, true);
        if (!opening.Succeeded()) {
            state.SkipWithError("the group did not open");
            return;
        }
        benchmark::DoNotOptimize(opening.Decision->Result());
    }
}
BENCHMARK(BM_GroupOpeningOf1000Files)->Unit(benchmark::kMillisecond);

// What a weight edited in the window costs with 1,000 experts: everything computed again
// from the judgements already read.
void BM_GroupWeightChangeOf1000Experts(benchmark::State& state)
{
    const CGroupOpening opening = OpenGroupMembers(ExpertFolder().Members, true);
    if (!opening.Succeeded()) {
        state.SkipWithError("the group did not open");
        return;
    }
    CGroupDecision& decision = *opening.Decision;
    double weight = 1.0;
    for (auto _ : state) {
        weight = weight == 1.0 ? 2.0 : 1.0;
        decision.SetWeight(0, weight);
        benchmark::DoNotOptimize(decision.Result());
    }
}
BENCHMARK(BM_GroupWeightChangeOf1000Experts)->Unit(benchmark::kMillisecond);
} // namespace

// The check of a member list (as reading a group file and opening its members make it)
// for 1,000, 10,000 and 100,000 members: one look-up per member keeps it linear.
static void BM_GroupMembersCheck(benchmark::State& state)
{
    std::vector<CGroupMember> members;
    for (std::int64_t k = 0; k < state.range(0); ++k) {
        members.push_back(
            CGroupMember{"/srv/poll/experts/e" + std::to_string(k) + ".tsy", "e" + std::to_string(k), 1.0});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(GroupMembersProblem(members));
    }
}
BENCHMARK(BM_GroupMembersCheck)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
