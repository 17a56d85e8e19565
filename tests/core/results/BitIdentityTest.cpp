// The recomputation works on numbers kept beside the codes, two rows per vector register;
// it must give exactly the bits of the plain formula, computed here from the codes.
#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/LocalPriorities.h"
#include "core/results/Synthesis.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {
double Value(int code)
{
    return code >= 0 ? static_cast<double>(code) : 1.0 / -static_cast<double>(code);
}

struct Reference {
    std::vector<double> W;
    double Lambda = 0.0;
    double CI = 0.0;
    double CR = 0.0;
};

Reference Plain(const TMatrix<int>& a, std::uint32_t n)
{
    static const double RI[11] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
    Reference r;
    r.W.resize(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        double p = 1.0;
        for (std::uint32_t j = 0; j < n; ++j) {
            p = p * Value(a(i, j));
        }
        r.W[i] = std::pow(p, 1.0 / static_cast<double>(n));
    }
    double s = 0.0;
    for (double w : r.W) {
        s = s + w;
    }
    for (double& w : r.W) {
        w = s == 0.0 ? 0.0 : w / s;
    }
    double sum = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (r.W[i] == 0.0) {
            return Reference{r.W};
        }
        double t = 0.0;
        for (std::uint32_t j = 0; j < n; ++j) {
            t = t + Value(a(i, j)) * r.W[j];
        }
        sum = sum + t / r.W[i];
    }
    r.Lambda = sum / n;
    r.CI = (r.Lambda - n) / (n - 1.0);
    r.CR = r.CI / RI[n];
    return r;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

TEST(BitIdentity, RecomputationEqualsThePlainFormulaOnSeededProjects)
{
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 rng(seed);
        std::vector<std::uint32_t> counts{1};
        const std::uint32_t levels = 2 + rng() % 9;
        for (std::uint32_t k = 1; k < levels; ++k) {
            counts.push_back((k == 1 ? 3 : 2) + rng() % (k == 1 ? 7 : 8)); // level 1 can lose one
        }
        CProjectDocument document;
        CUserProjectModel& m = EditableModel(document);
        ASSERT_TRUE(BuildWithCounts(m, counts));
        for (std::uint32_t k = 0; k + 1 < levels; ++k) {
            for (std::uint32_t e = 0; e < counts[k]; ++e) {
                TMatrix<int> a(9, 9);
                for (std::uint32_t r = 0; r < 9; ++r) {
                    for (std::uint32_t c = 0; c < 9; ++c) {
                        // Not a consistent reciprocal matrix: every cell drawn on its own,
                        // now and then a 0 or -1 as only a file can bring.
                        a(r, c) = rng() % 40 == 0 ? static_cast<int>(rng() % 2) - 1 : codes[rng() % 17];
                        // A 0 in both cells of a pair leaves the pair out, which is
                        // another computation: one 0 of a pair is as far as this goes.
                        if (r > c && a(r, c) == 0 && a(c, r) == 0) {
                            a(r, c) = -1;
                        }
                    }
                }
                m.SetJudgements(e, k, JudgementsFromCodes(a));
            }
        }
        // After the edits; after an edit that moves data between slots; after its undo.
        CHierarchyChange deletion;
        for (int round = 0; round < 3; ++round) {
            if (round == 1) {
                document.BeginStep();
                ASSERT_EQ(document.DeleteElement(0, 1), EStructureResult::Done);
                deletion = document.EndStep();
                --counts[1];
            }
            if (round == 2) {
                document.UndoStep(deletion);
                ++counts[1];
            }
            const CProjectResults& results = document.Results();
            std::vector<double> global(1, 1.0);
            for (std::uint32_t k = 0; k + 1 < levels; ++k) {
                const std::uint32_t n = counts[k + 1];
                std::vector<double> next(n, 0.0);
                for (std::uint32_t e = 0; e < counts[k]; ++e) {
                    const Reference r = Plain(CodesOf(m.Element(e, k).Judgements), n);
                    const TDesicionLevelData& got = results.LevelData(e, k);
                    for (std::uint32_t i = 0; i < n; ++i) {
                        ASSERT_TRUE(SameBits(got.Priority[i], r.W[i])) << seed << " " << k << " " << e << " " << i;
                    }
                    ASSERT_TRUE(SameBits(got.LambdaMax, r.Lambda)) << seed;
                    ASSERT_TRUE(SameBits(got.CI, r.CI)) << seed;
                    ASSERT_TRUE(SameBits(got.CR, r.CR)) << seed;
                }
                for (std::uint32_t i = 0; i < n; ++i) {
                    double s = 0.0;
                    for (std::uint32_t e = 0; e < counts[k]; ++e) {
                        s = s + results.LevelData(e, k).Priority[i] * global[e];
                    }
                    next[i] = k == 0 ? results.LevelData(0, 0).Priority[i] : s;
                    ASSERT_TRUE(SameBits(results.GlobalPriority()(i, k + 1), next[i])) << seed << " level " << k + 1;
                }
                global = next;
            }
        }
    }
}
