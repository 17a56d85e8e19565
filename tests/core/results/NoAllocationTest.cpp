// Counts every global operator new of this test program, to prove that recomputing a
// project and editing its structure after the build allocate nothing.
#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

namespace {
std::atomic<long> NewCalls{0};
}

void* operator new(std::size_t size)
{
    NewCalls.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
// The non-throwing forms too (std::stable_sort takes its buffer through them), so that
// every block is freed by the allocator that made it.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    NewCalls.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

TEST(NoAllocation, RecomputationAndStructureEditsOfTheLargestProject)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(9, 10, "ЦЕЛЬ", "");
    for (std::uint32_t k = 0; k < 9; ++k) {
        for (std::uint32_t e = 0; e < 9; ++e) {
            SetCell(m, e, k, 0, 1, 3);
            SetCell(m, e, k, 1, 0, -3);
        }
    }
    // The goal's judgements a cycle (1 > 2 by 3, 2 > 3 by 9, 3 > 1 by 9), so that its
    // suggestions are searched for.
    SetPair(m, 0, 0, 1, 2, 9);
    SetPair(m, 0, 0, 0, 2, -9);
    ASSERT_TRUE(m.SetElementText(4, 5, "КРИТЕРИЙ", std::string(200, 'z')));

    auto results = std::make_unique<CProjectResults>();
    const long before = NewCalls.load();
    ComputeAllPriorities(m, *results);
    const long afterCompute = NewCalls.load();
    const EStructureResult del = m.DeleteElement(4, 5);
    const EStructureResult add = m.AddElement(5);
    const EStructureResult delLevel = m.DeleteLevel(3);
    const EStructureResult addBefore = m.AddLevel(3, 9, true);
    const EStructureResult refused = m.AddLevel(3, 5, false);
    const EStructureResult delLast = m.DeleteLevel(9);
    const EStructureResult addAfter = m.AddLevel(8, 4, false);
    ComputeAllPriorities(m, *results);
    const long afterEdits = NewCalls.load();

    // The research window's suggestions and a drag step of the sensitivity window.
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    const CSensitivityInput input = SensitivityInputOf(m, *results);
    const long beforeAnalysis = NewCalls.load();
    const CConsistencyGuidance guidance = GuideConsistency(m, 0, 0);
    AnalyseSensitivity(input, 0, *analysis);
    double bars[9];
    const bool moved = AlternativesAt(analysis->Elements[3][4], 0.5, bars);
    const long afterAnalysis = NewCalls.load();

    EXPECT_EQ(afterCompute - before, 0);
    EXPECT_EQ(afterEdits - afterCompute, 0);
    EXPECT_EQ(afterAnalysis - beforeAnalysis, 0);
    EXPECT_FALSE(guidance.Acceptable());
    EXPECT_EQ(guidance.SuggestionCount, 3U);
    EXPECT_TRUE(moved);
    EXPECT_EQ(del, EStructureResult::Done);
    EXPECT_EQ(add, EStructureResult::Done);
    EXPECT_EQ(delLevel, EStructureResult::Done);
    EXPECT_EQ(addBefore, EStructureResult::Done);
    EXPECT_EQ(refused, EStructureResult::TooManyLevels);
    EXPECT_EQ(delLast, EStructureResult::Done);
    EXPECT_EQ(addAfter, EStructureResult::Done);
    // The counter itself works.
    const long beforeProbe = NewCalls.load();
    auto* probe = new int(1);
    const long afterProbe = NewCalls.load();
    EXPECT_EQ(afterProbe - beforeProbe, 1);
    delete probe;
}
