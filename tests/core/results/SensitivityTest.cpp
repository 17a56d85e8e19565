#include "core/results/Sensitivity.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/CWeightMoves.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>
#include <vector>

namespace {
using Vector = std::vector<double>;

// A project with its results computed.
struct CProject : CUserProjectModel {
    CProjectResults Results;
    void Compute() { Results = ComputeResults(*this); }
    [[nodiscard]] const TDesicionLevelData& LevelData(std::uint32_t p, std::uint32_t l) const
    {
        return Results.LevelData(p, l);
    }
    [[nodiscard]] const TMatrix<double>& GlobalPriority() const { return Results.GlobalPriority(); }
};

// The synthesis run again from level `level` downward, with the weights given for that
// level in place of its global priorities.
Vector Downward(const CProject& m, std::uint32_t level, Vector weights)
{
    for (std::uint32_t l = level; l + 1 < m.LevelCount(); ++l) {
        Vector next(m.ElementsInLevelChecked(l + 1), 0.0);
        for (std::uint32_t e = 0; e < next.size(); ++e) {
            for (std::uint32_t k = 0; k < weights.size(); ++k) {
                next[e] += m.LevelData(k, l).Priority[e] * weights[k];
            }
        }
        weights = next;
    }
    return weights;
}

// The level's weights with element e moved to x and the others rescaled.
Vector Moved(const CProject& m, std::uint32_t level, std::uint32_t e, double x)
{
    Vector w(m.ElementsInLevelChecked(level));
    const double g = m.GlobalPriority()(e, level);
    for (std::uint32_t k = 0; k < w.size(); ++k) {
        w[k] = k == e ? x : m.GlobalPriority()(k, level) * (1 - x) / (1 - g);
    }
    return w;
}

std::unique_ptr<CProject> Supplier()
{
    // The reader opens files for writing too: read a private copy.
    char name[] = "/tmp/tessaly-supplier-XXXXXX";
    const int fd = ::mkstemp(name);
    EXPECT_GE(fd, 0);
    ::close(fd);
    std::filesystem::copy_file(std::string(TESSALY_SOURCE_DIR) + "/examples/supplier.tsy", name,
        std::filesystem::copy_options::overwrite_existing);
    auto record = std::make_unique<TLoadSaveProject>();
    const bool read = ReadProjectFile(*record, name).Succeeded();
    std::filesystem::remove(name);
    auto m = std::make_unique<CProject>();
    EXPECT_TRUE(read && m->BuildLoadedHierarchy(*record));
    m->Compute();
    return m;
}

std::unique_ptr<CProject> RandomFourLevels(unsigned seed)
{
    auto m = std::make_unique<CProject>();
    EXPECT_TRUE(BuildWithCounts(*m, {1, 3, 4, 5}));
    std::mt19937 rng(seed);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (std::uint32_t l = 0; l < 3; ++l) {
        const std::uint32_t n = m->ElementsInLevelChecked(l + 1);
        for (std::uint32_t k = 0; k < (l == 0 ? 1 : m->ElementsInLevelChecked(l)); ++k) {
            for (std::uint32_t r = 0; r < n; ++r) {
                for (std::uint32_t c = r + 1; c < n; ++c) {
                    const int code = codes[rng() % 17];
                    SetPair(*m, k, l, r, c, code);
                }
            }
        }
    }
    m->Compute();
    return m;
}
} // namespace

TEST(Sensitivity, WorkedSupplierExample)
{
    const auto m = Supplier();
    ASSERT_EQ(m->LevelCount(), 3U);
    EXPECT_EQ(m->Element(0, 2).Name, "УРАЛТРУБ");
    EXPECT_EQ(m->Element(1, 2).Name, "СИБСТАЛЬ");
    EXPECT_EQ(m->Element(2, 2).Name, "ВОЛГАМЕТ");
    EXPECT_NEAR(m->GlobalPriority()(0, 2), 0.257083, 5e-7);
    EXPECT_NEAR(m->GlobalPriority()(1, 2), 0.40266, 5e-6);
    EXPECT_NEAR(m->GlobalPriority()(2, 2), 0.340258, 5e-7);

    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(*m, m->Results, *analysis);
    struct Cross {
        double Weight;
        std::uint32_t First, Second;
    };
    const std::vector<std::vector<Cross>> expected = {
        {{0.424587, 0, 2}, {0.442925, 0, 1}, {0.47342, 1, 2}},  // ЦЕНА
        {{0.178273, 0, 1}, {0.312089, 1, 2}},                   // КАЧЕСТВО
        {{0.035802, 0, 2}, {0.309249, 1, 2}, {0.671571, 0, 1}}, // СРОКИ
        {},                                                     // РЕПУТАЦИЯ
    };
    const double weights[] = {0.227351, 0.423147, 0.227351, 0.122152};
    for (std::uint32_t e = 0; e < 4; ++e) {
        const CElementSensitivity& element = analysis->Elements[1][e];
        EXPECT_NEAR(element.Weight, weights[e], 5e-7);
        ASSERT_EQ(element.CrossingCount, expected[e].size()) << e;
        for (std::uint32_t c = 0; c < element.CrossingCount; ++c) {
            const CCrossing& got = element.Crossings[c];
            EXPECT_NEAR(got.Weight, expected[e][c].Weight, 5e-6) << e << " " << c;
            EXPECT_EQ(got.First, expected[e][c].First);
            EXPECT_EQ(got.Second, expected[e][c].Second);
            // Just above the crossing, the one named leads in a synthesis run afresh.
            const Vector after = Downward(*m, 1, Moved(*m, 1, e, got.Weight + 1e-4));
            const std::uint32_t other = got.LeaderAfter == got.First ? got.Second : got.First;
            EXPECT_GT(after[got.LeaderAfter], after[other]) << e << " " << c;
        }
    }
    // СРОКИ 0.227351 -> 0.309249 (0.0819 away) beats КАЧЕСТВО 0.423147 -> 0.312089 (0.1111).
    ASSERT_TRUE(analysis->Critical);
    const CCriticalChange& critical = *analysis->Critical;
    EXPECT_EQ(critical.Level, 1U);
    EXPECT_EQ(critical.Position, 2U);
    EXPECT_NEAR(critical.From, 0.227351, 5e-7);
    EXPECT_NEAR(critical.To, 0.309249, 5e-6);
    EXPECT_EQ(critical.First, 1U);
    EXPECT_EQ(critical.Second, 2U);
    EXPECT_EQ(critical.NewLeader, 2U);
    EXPECT_EQ(CriticalChangeText(*m, analysis->Critical),
        "Критическое изменение: вес «СРОКИ» (уровень 1) с 0.2273 до 0.3092 (+36%): ВОЛГАМЕТ обгоняет СИБСТАЛЬ");
}

TEST(Sensitivity, FourLevelsAgainstTheSynthesisRunAgain)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const auto m = RandomFourLevels(seed);
        const CSensitivityInput input = SensitivityInputOf(*m, m->Results);
        auto analysis = std::make_unique<CSensitivityAnalysis>();
        AnalyseSensitivity(*m, m->Results, *analysis);
        const Vector present
            = Downward(*m, 1, Vector(m->LevelData(0, 0).Priority.begin(), m->LevelData(0, 0).Priority.begin() + 3));
        std::uint32_t leader = 0;
        for (std::uint32_t i = 1; i < present.size(); ++i) {
            leader = present[i] > present[leader] ? i : leader;
        }
        double nearest = 2.0;
        std::uint32_t nearLevel = 0;
        std::uint32_t nearPosition = 0;
        for (std::uint32_t level = 1; level <= 2; ++level) {
            for (std::uint32_t e = 0; e < m->ElementsInLevelChecked(level); ++e) {
                const CElementSensitivity& element = analysis->Elements[level][e];
                const double g = m->GlobalPriority()(e, level);
                ASSERT_TRUE(element.HasLines);
                for (const double x : {0.0, 0.05, g, 0.33, 0.5, 0.9, 1.0}) {
                    const Vector moved = Moved(*m, level, e, x);
                    const Vector expected = Downward(*m, level, moved);
                    double bars[9];
                    double weights[9];
                    ASSERT_TRUE(AlternativesAt(element, x, bars) && MovedLevelWeights(input, level, e, x, weights));
                    for (std::uint32_t i = 0; i < expected.size(); ++i) {
                        EXPECT_NEAR(bars[i], expected[i], 1e-12) << seed << " " << level << " " << e << " " << x;
                    }
                    for (std::uint32_t k = 0; k < moved.size(); ++k) {
                        EXPECT_NEAR(weights[k], moved[k], 1e-15);
                    }
                }
                // Lines cross inside (0, 1) exactly when their order differs at the two ends.
                const Vector atZero = Downward(*m, level, Moved(*m, level, e, 0.0));
                const Vector atOne = Downward(*m, level, Moved(*m, level, e, 1.0));
                std::uint32_t found = 0;
                for (std::uint32_t i = 0; i < atZero.size(); ++i) {
                    for (std::uint32_t j = i + 1; j < atZero.size(); ++j) {
                        const double d0 = atZero[i] - atZero[j];
                        const double d1 = atOne[i] - atOne[j];
                        if (d0 * d1 >= 0) {
                            continue;
                        }
                        const double x = d0 / (d0 - d1);
                        ++found;
                        const auto* end = element.Crossings.begin() + element.CrossingCount;
                        const auto* got = std::find_if(element.Crossings.begin(), end,
                            [&](const CCrossing& k) { return k.First == i && k.Second == j; });
                        ASSERT_NE(got, end) << seed << " " << level << " " << e << " " << i << " " << j;
                        EXPECT_NEAR(got->Weight, x, 1e-9);
                        EXPECT_EQ(got->LeaderAfter, d1 > 0 ? i : j);
                        if ((i == leader || j == leader) && std::fabs(x - g) < nearest) {
                            nearest = std::fabs(x - g);
                            nearLevel = level;
                            nearPosition = e;
                        }
                    }
                }
                EXPECT_EQ(element.CrossingCount, found);
                for (std::uint32_t c = 1; c < element.CrossingCount; ++c) {
                    EXPECT_LE(element.Crossings[c - 1].Weight, element.Crossings[c].Weight);
                }
                const CElementSensitivity alone = AnalyseElement(input, level, e);
                EXPECT_EQ(alone.CrossingCount, element.CrossingCount);
                EXPECT_NEAR(alone.Crossings[0].Weight, element.Crossings[0].Weight, 1e-12);
            }
        }
        ASSERT_EQ(analysis->Critical.has_value(), nearest < 2.0) << seed;
        if (analysis->Critical) {
            EXPECT_EQ(analysis->Critical->Level, nearLevel) << seed;
            EXPECT_EQ(analysis->Critical->Position, nearPosition) << seed;
            EXPECT_NEAR(std::fabs(analysis->Critical->To - analysis->Critical->From), nearest, 1e-9);
            // Moving that weight a little past the crossing really changes the winner.
            const CCriticalChange& c = *analysis->Critical;
            const double beyond = c.To + (c.To > c.From ? 1e-6 : -1e-6);
            const Vector after = Downward(*m, c.Level, Moved(*m, c.Level, c.Position, beyond));
            EXPECT_GT(after[c.NewLeader], after[leader]) << seed;
        }
    }
}

TEST(Sensitivity, DegenerateLevelsAndLines)
{
    // A damaged goal matrix: rows 1 and 2 hold a 0, so element 0 of level 1 weighs 1.
    CProject m;
    m.BuildNewHierarchy(3, 4, "G", "");
    SetCell(m, 0, 0, 1, 0, 0);
    SetCell(m, 0, 0, 2, 0, 0);
    SetCell(m, 1, 2, 0, 1, 5);
    SetCell(m, 1, 2, 1, 0, -5);
    m.Compute();
    ASSERT_EQ(m.GlobalPriority()(0, 1), 1.0);
    const CSensitivityInput input = SensitivityInputOf(m, m.Results);
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(m, m.Results, *analysis);
    const CElementSensitivity& whole = analysis->Elements[1][0];
    EXPECT_FALSE(whole.HasLines);
    EXPECT_EQ(whole.CrossingCount, 0U);
    double values[9] = {7, 7, 7};
    EXPECT_FALSE(AlternativesAt(whole, 0.5, values));
    EXPECT_FALSE(MovedLevelWeights(input, 1, 0, 0.5, values));
    EXPECT_TRUE(values[0] == 1.0 && values[1] == 0.0); // the present weights
    for (std::uint32_t level = 1; level <= 2; ++level) {
        for (std::uint32_t e = 0; e < 3; ++e) {
            const CElementSensitivity& element = analysis->Elements[level][e];
            for (std::uint32_t i = 0; i < 3; ++i) {
                EXPECT_TRUE(std::isfinite(element.AtZero[i]) && std::isfinite(element.AtOne[i]));
            }
        }
    }

    // A slider left the other element at 0 and this one a rounding step short of 1: it
    // still carries the whole level, so it neither moves nor draws lines.
    CSensitivityInput dragged;
    dragged.LevelCount = 3;
    dragged.Count = {1, 2, 3};
    dragged.Global[1] = {0.0, std::nextafter(1.0, 0.0)};
    dragged.Local[1][0] = {0.2, 0.3, 0.5};
    dragged.Local[1][1] = {0.6, 0.3, 0.1};
    for (std::uint32_t i = 0; i < 3; ++i) {
        dragged.Global[2][i] = dragged.Global[1][1] * dragged.Local[1][1][i];
    }
    EXPECT_FALSE(AnalyseElement(dragged, 1, 1).HasLines);
    EXPECT_FALSE(MovedLevelWeights(dragged, 1, 1, 0.5, values));
    EXPECT_TRUE(values[0] == 0.0 && values[1] == dragged.Global[1][1]);
    // The element at 0 still moves, and the level still sums to 1.
    ASSERT_TRUE(MovedLevelWeights(dragged, 1, 0, 0.25, values));
    EXPECT_NEAR(values[0] + values[1], 1.0, 1e-15);

    // Goal and alternatives only: no middle level, nothing to move.
    CSensitivityInput twoLevels;
    twoLevels.LevelCount = 2;
    twoLevels.Count = {1, 3};
    twoLevels.Global[1] = {0.5, 0.3, 0.2};
    AnalyseSensitivity(twoLevels, 0, *analysis);
    EXPECT_FALSE(analysis->Critical);
    EXPECT_FALSE(AnalyseElement(twoLevels, 1, 0).HasLines);

    // Alternatives 1 and 2 differ only by rounding noise: they never "cross", while both
    // cross alternative 0 at 2/3 on element 0 (0.6 - 0.4x = 0.2 + 0.2x) and 1/3 on element 1.
    CSensitivityInput noisy;
    noisy.LevelCount = 3;
    noisy.Count = {1, 2, 3};
    noisy.Global[1] = {0.5, 0.5};
    noisy.Local[1][0] = {0.2, 0.4, std::nextafter(0.4, 0.0)};
    noisy.Local[1][1] = {0.6, 0.2, std::nextafter(0.2, 1.0)};
    for (std::uint32_t i = 0; i < 3; ++i) {
        noisy.Global[2][i] = 0.5 * noisy.Local[1][0][i] + 0.5 * noisy.Local[1][1][i];
    }
    AnalyseSensitivity(noisy, 0, *analysis);
    for (std::uint32_t e = 0; e < 2; ++e) {
        const CElementSensitivity& element = analysis->Elements[1][e];
        ASSERT_EQ(element.CrossingCount, 2U) << e;
        for (std::uint32_t c = 0; c < 2; ++c) {
            EXPECT_NEAR(element.Crossings[c].Weight, e == 0 ? 2.0 / 3 : 1.0 / 3, 1e-12);
            EXPECT_EQ(element.Crossings[c].First, 0U);
        }
    }
    ASSERT_TRUE(analysis->Critical);
    EXPECT_NE(analysis->Critical->NewLeader, 0U);
}

namespace {
// The ideal synthesis run again from `level` downward with the weights given for that
// level: carried down to the last middle level as they are, then under each parent there
// the alternatives' local priorities divided by their largest, summed, and normalised.
Vector IdealDownward(const CProject& m, std::uint32_t level, Vector weights)
{
    const std::uint32_t last = m.LevelCount() - 2;
    for (std::uint32_t l = level; l < last; ++l) {
        Vector next(m.ElementsInLevelChecked(l + 1), 0.0);
        for (std::uint32_t e = 0; e < next.size(); ++e) {
            for (std::uint32_t k = 0; k < weights.size(); ++k) {
                next[e] += m.LevelData(k, l).Priority[e] * weights[k];
            }
        }
        weights = next;
    }
    Vector raw(m.LastLevelCount(), 0.0);
    for (std::uint32_t p = 0; p < weights.size(); ++p) {
        const auto& local = m.LevelData(p, last).Priority;
        const double best = *std::max_element(local.begin(), local.begin() + raw.size());
        for (std::uint32_t a = 0; a < raw.size(); ++a) {
            raw[a] += weights[p] * local[a] / best;
        }
    }
    double sum = 0.0;
    for (const double r : raw) {
        sum += r;
    }
    for (double& r : raw) {
        r /= sum;
    }
    return raw;
}

std::uint32_t Leader(const Vector& priorities)
{
    return static_cast<std::uint32_t>(std::max_element(priorities.begin(), priorities.end()) - priorities.begin());
}
} // namespace

TEST(Sensitivity, IdealModeAgainstTheIdealSynthesisRunAgain)
{
    std::uint32_t linesDiffer = 0;
    for (unsigned seed = 0; seed <= 30; ++seed) {
        // Seed 0: the supplier example (three levels); the others four random levels.
        const auto m = seed == 0 ? Supplier() : RandomFourLevels(seed);
        const CSensitivityInput input = SensitivityInputOf(*m, m->Results, ESynthesisMode::Ideal);
        auto analysis = std::make_unique<CSensitivityAnalysis>();
        AnalyseSensitivity(*m, m->Results, *analysis, ESynthesisMode::Ideal);
        const std::uint32_t last = m->LevelCount() - 2;
        Vector goal(
            m->LevelData(0, 0).Priority.begin(), m->LevelData(0, 0).Priority.begin() + m->ElementsInLevelChecked(1));
        const Vector present = IdealDownward(*m, 1, goal);
        const std::uint32_t leader = Leader(present);
        auto distributive = std::make_unique<CSensitivityAnalysis>();
        AnalyseSensitivity(*m, m->Results, *distributive);
        for (std::uint32_t i = 0; i < present.size(); ++i) {
            ASSERT_NEAR(m->Results.Ideal().Priority[i], present[i], 1e-12) << seed;
        }

        double nearest = 2.0;
        for (std::uint32_t level = 1; level <= last; ++level) {
            for (std::uint32_t e = 0; e < m->ElementsInLevelChecked(level); ++e) {
                const CElementSensitivity& element = analysis->Elements[level][e];
                const double g = m->GlobalPriority()(e, level);
                ASSERT_TRUE(element.HasLines && element.Normalised);
                const CElementSensitivity& plain = distributive->Elements[level][e];
                linesDiffer += plain.CrossingCount != element.CrossingCount
                        || (element.CrossingCount > 0
                            && std::fabs(plain.Crossings[0].Weight - element.Crossings[0].Weight) > 1e-6)
                    ? 1U
                    : 0U;
                for (const double x : {0.0, 0.05, g, 0.33, 0.5, 0.9, 1.0}) {
                    const Vector expected = IdealDownward(*m, level, Moved(*m, level, e, x));
                    double bars[9];
                    ASSERT_TRUE(AlternativesAt(element, x, bars));
                    for (std::uint32_t i = 0; i < expected.size(); ++i) {
                        EXPECT_NEAR(bars[i], expected[i], 1e-12) << seed << " " << level << " " << e << " " << x;
                    }
                }
                // Every crossing is where the two ideal priorities run afresh are equal, the
                // one named leads just above it, and no pair whose order differs at the two
                // ends is missed.
                std::uint32_t changing = 0;
                const Vector atZero = IdealDownward(*m, level, Moved(*m, level, e, 0.0));
                const Vector atOne = IdealDownward(*m, level, Moved(*m, level, e, 1.0));
                for (std::uint32_t i = 0; i < atZero.size(); ++i) {
                    for (std::uint32_t j = i + 1; j < atZero.size(); ++j) {
                        changing += (atZero[i] - atZero[j]) * (atOne[i] - atOne[j]) < 0 ? 1U : 0U;
                    }
                }
                EXPECT_EQ(element.CrossingCount, changing) << seed << " " << level << " " << e;
                for (std::uint32_t c = 0; c < element.CrossingCount; ++c) {
                    const CCrossing& crossing = element.Crossings[c];
                    const Vector at = IdealDownward(*m, level, Moved(*m, level, e, crossing.Weight));
                    EXPECT_NEAR(at[crossing.First], at[crossing.Second], 1e-12) << seed << " " << level << " " << e;
                    const Vector after = IdealDownward(*m, level, Moved(*m, level, e, crossing.Weight + 1e-6));
                    const std::uint32_t other
                        = crossing.LeaderAfter == crossing.First ? crossing.Second : crossing.First;
                    EXPECT_GT(after[crossing.LeaderAfter], after[other]) << seed << " " << level << " " << e;
                    if (crossing.First == leader || crossing.Second == leader) {
                        nearest = std::min(nearest, std::fabs(crossing.Weight - g));
                    }
                }
            }
        }
        ASSERT_EQ(analysis->Critical.has_value(), nearest < 2.0) << seed;
        if (analysis->Critical) {
            const CCriticalChange& c = *analysis->Critical;
            EXPECT_NEAR(std::fabs(c.To - c.From), nearest, 1e-12);
            // A little past it the ideal winner really changes to the one named.
            const double beyond = c.To + (c.To > c.From ? 1e-6 : -1e-6);
            const Vector after = IdealDownward(*m, c.Level, Moved(*m, c.Level, c.Position, beyond));
            EXPECT_EQ(Leader(after), c.NewLeader) << seed;
        }

        // The dynamic view: two moves one after the other follow the ideal synthesis.
        auto owned = std::make_unique<CWeightMoves>();
        CWeightMoves& moves = *owned;
        moves.Reset(input, 1);
        for (std::uint32_t i = 0; i < present.size(); ++i) {
            EXPECT_NEAR(moves.Alternatives()[i], present[i], 1e-15);
        }
        ASSERT_TRUE(moves.Move(0, 0.5) && moves.Move(1, 0.2));
        Vector weights = Moved(*m, 1, 0, 0.5);
        const double second = weights[1];
        for (std::uint32_t k = 0; k < weights.size(); ++k) {
            weights[k] = k == 1 ? 0.2 : weights[k] * 0.8 / (1 - second);
        }
        const Vector expected = IdealDownward(*m, 1, weights);
        for (std::uint32_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(moves.Alternatives()[i], expected[i], 1e-12) << seed;
        }
    }
    // The ideal lines are not the distributive ones in disguise.
    EXPECT_GT(linesDiffer, 0U) << linesDiffer;
}
