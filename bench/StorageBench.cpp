// Reading and building the largest project (10 levels of 9 elements, 200-character
// comments) and writing it, to memory and through the safe save. Each read has its
// floor beside it: the file's bytes and every string converted through iconv, nothing
// else (no parsing, no record, no model).
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/CMemorySink.h"
#include "core/storage/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iconv.h>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

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
            project->SetJudgements(e, k, JudgementsFromCodes(judgements));
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

std::uint32_t U32At(const std::vector<unsigned char>& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4); // the file is little-endian, like this machine
    return value;
}

// Where each string of a written file lies (offset of its bytes, length), found once
// outside the timing so the floor holds only the conversions.
std::vector<std::pair<std::size_t, std::size_t>> StringsOf(const std::vector<unsigned char>& bytes)
{
    std::vector<std::pair<std::size_t, std::size_t>> strings;
    const std::uint32_t levels = U32At(bytes, 8);
    std::vector<std::uint32_t> counts{1};
    std::size_t at = 12;
    for (std::uint32_t k = 1; k < levels; ++k, at += 4) {
        counts.push_back(U32At(bytes, at));
    }
    for (std::uint32_t k = 0; k < levels; ++k) {
        for (std::uint32_t i = 0; i < counts[k]; ++i) {
            for (int text = 0; text < 2; ++text) {
                const std::size_t length = U32At(bytes, at);
                strings.emplace_back(at + 4, length);
                at += 4 + length;
            }
            if (k + 1 < levels) {
                at += 4 * counts[k + 1] * counts[k + 1];
            }
        }
    }
    return strings;
}

// The floor's conversion: one descriptor, one output buffer, each string once.
class CIconvFloor {
public:
    CIconvFloor()
        : Handle(iconv_open("UTF-8", "WINDOWS-1251"))
        , Out(4 * 256)
    {
    }
    CIconvFloor(const CIconvFloor&) = delete;
    CIconvFloor& operator=(const CIconvFloor&) = delete;
    ~CIconvFloor() { iconv_close(Handle); }

    std::size_t Convert(
        const std::vector<unsigned char>& bytes, const std::vector<std::pair<std::size_t, std::size_t>>& strings)
    {
        std::size_t produced = 0;
        for (const auto& [offset, length] : strings) {
            char* in = reinterpret_cast<char*>(const_cast<unsigned char*>(bytes.data() + offset));
            std::size_t inLeft = length;
            char* to = Out.data();
            std::size_t toLeft = Out.size();
            iconv(Handle, &in, &inLeft, &to, &toLeft);
            produced += Out.size() - toLeft;
        }
        return produced;
    }

private:
    iconv_t Handle;
    std::vector<char> Out;
};

void BM_FloorIconvLargest(benchmark::State& state)
{
    const std::vector<unsigned char> bytes = LargestFile();
    const auto strings = StringsOf(bytes);
    CIconvFloor codec;
    for (auto _ : state) {
        benchmark::DoNotOptimize(codec.Convert(bytes, strings));
    }
    state.counters["strings"] = static_cast<double>(strings.size());
}
BENCHMARK(BM_FloorIconvLargest);

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

void BM_FloorReadFileAndIconvLargest(benchmark::State& state)
{
    const std::vector<unsigned char> written = LargestFile();
    const auto strings = StringsOf(written);
    const std::string file = std::filesystem::temp_directory_path() / ("tessaly-bench-" + std::to_string(::getpid()));
    SaveProjectFile(*LargestProject(), file, false);
    std::vector<unsigned char> bytes(written.size());
    CIconvFloor codec;
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        const ssize_t got = ::read(fd, bytes.data(), bytes.size());
        ::close(fd);
        benchmark::DoNotOptimize(got);
        benchmark::DoNotOptimize(codec.Convert(bytes, strings));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_FloorReadFileAndIconvLargest);

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
