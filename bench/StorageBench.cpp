// Reading and building the largest project (10 levels of 9 elements, 200-character
// comments) and writing it, to memory and through the safe save.
#include "model/CUserProjectModel.h"
#include "storage/CMemorySink.h"
#include "storage/ProjectFile.h"
#include "storage/TLoadSaveProject.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {
std::unique_ptr<CUserProjectModel> LargestProject()
{
    auto project = std::make_unique<CUserProjectModel>();
    project->BuildNewHierarchy(9, 10, "ЦЕЛЬ_ПРОЕКТА_1", "");
    std::string comment;
    for (int i = 0; i < 200; ++i) {
        comment += i % 2 ? "ж" : "q";
    }
    for (std::uint32_t k = 0; k < 10; ++k) {
        for (std::uint32_t e = 0; e < (k == 0 ? 1U : 9U); ++e) {
            project->SetElementText(e, k, project->Element(e, k).Name, comment);
            TMatrix<int> judgements(9, 9);
            for (std::uint32_t r = 0; r < 9; ++r) {
                for (std::uint32_t c = 0; c < 9; ++c) {
                    judgements(r, c) = r == c ? 1 : (r < c ? 3 : -3);
                }
            }
            project->SetJudgements(e, k, judgements);
        }
    }
    return project;
}

std::vector<unsigned char> LargestFile()
{
    CMemorySink sink;
    WriteProjectFile(*LargestProject(), sink, false);
    return sink.Bytes;
}

void BM_ReadAndBuildLargest(benchmark::State& state)
{
    const std::vector<unsigned char> bytes = LargestFile();
    auto record = std::make_unique<TLoadSaveProject>();
    auto project = std::make_unique<CUserProjectModel>();
    for (auto _ : state) {
        const bool ok = ReadProjectBytes(*record, bytes.data(), bytes.size()).Succeeded()
            && project->BuildLoadedHierarchy(*record);
        benchmark::DoNotOptimize(ok);
    }
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadAndBuildLargest);

void BM_ReadFileAndBuildLargest(benchmark::State& state)
{
    const std::string file = std::filesystem::temp_directory_path() / ("tessaly-bench-" + std::to_string(::getpid()));
    SaveProjectFile(*LargestProject(), file, false);
    auto record = std::make_unique<TLoadSaveProject>();
    auto project = std::make_unique<CUserProjectModel>();
    for (auto _ : state) {
        const bool ok = ReadProjectFile(*record, file).Succeeded() && project->BuildLoadedHierarchy(*record);
        benchmark::DoNotOptimize(ok);
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReadFileAndBuildLargest);

void BM_WriteLargestToMemory(benchmark::State& state)
{
    const auto project = LargestProject();
    for (auto _ : state) {
        CMemorySink sink;
        benchmark::DoNotOptimize(WriteProjectFile(*project, sink, false));
    }
}
BENCHMARK(BM_WriteLargestToMemory);

void BM_SaveLargestToFile(benchmark::State& state)
{
    const auto project = LargestProject();
    const std::string file = std::filesystem::temp_directory_path() / ("tessaly-bench-" + std::to_string(::getpid()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveProjectFile(*project, file, false));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_SaveLargestToFile)->Iterations(200);
} // namespace
