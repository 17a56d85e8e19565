// The one hierarchy type's results: the layered project's figures bit for bit, the
// worked numbers of a tree, and random trees against a plain recursive computation.
#include "core/results/HierarchySynthesis.h"
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"
#include "support/ModelEdits.h"
#include "support/UpperJudgements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <random>

namespace {
void SetUpper(
    CUserProjectModel& m, std::uint32_t position, std::uint32_t level, std::uint32_t n, const std::vector<int>& codes)
{
    CJudgementMatrix all = m.Element(position, level).Judgements;
    const CJudgementMatrix block = Upper(n, codes);
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = 0; c < n; ++c) {
            all(r, c) = block(r, c);
        }
    }
    m.SetJudgements(position, level, all);
}

void ExpectNear(const std::vector<double>& got, const std::vector<double>& want, double tolerance)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i], want[i], tolerance) << i;
    }
}

// Every figure of the layered project, through the hierarchy, equals today's own.
void ExpectSameAsLayers(const CUserProjectModel& project, const std::string& what)
{
    const CProjectResults layered = ComputeResults(project);
    const std::optional<CHierarchy> hierarchy = HierarchyOfLayers(project);
    ASSERT_TRUE(hierarchy) << what;
    const CHierarchyResults results = ComputeHierarchyResults(*hierarchy);
    const std::uint32_t levels = project.LevelCount();
    std::uint32_t node = 0;
    for (std::uint32_t k = 0; k + 1 < levels; ++k) {
        const std::uint32_t n = project.ElementsInLevelChecked(k + 1);
        for (std::uint32_t e = 0; e < (k == 0 ? 1U : project.ElementsInLevelChecked(k)); ++e, ++node) {
            const TDesicionLevelData& today = layered.LevelData(e, k);
            const CNodeResult& got = results.Node(node);
            for (std::uint32_t i = 0; i < n; ++i) {
                ASSERT_EQ(got.Local[i], today.Priority[i]) << what << " level " << k << " element " << e;
            }
            ASSERT_EQ(got.Measures.LambdaMax, today.LambdaMax) << what;
            ASSERT_EQ(got.Measures.CR, today.CR) << what;
            ASSERT_EQ(got.Basis, layered.Basis(e, k)) << what;
            if (k > 0) {
                ASSERT_EQ(results.Global(node), layered.GlobalPriority()(e, k)) << what;
            }
        }
    }
    const std::uint32_t m = project.ElementsInLevelChecked(levels - 1);
    for (std::uint32_t a = 0; a < m; ++a) {
        ASSERT_EQ(results.Distributive()[a], layered.GlobalPriority()(a, levels - 1)) << what << " " << a;
        ASSERT_EQ(results.IdealRaw()[a], layered.Ideal().Raw[a]) << what;
        ASSERT_EQ(results.Ideal()[a], layered.Ideal().Priority[a]) << what;
    }
    EXPECT_EQ(results.NotConnected().has_value(), layered.NotConnected().has_value()) << what;
}
} // namespace

TEST(HierarchySynthesis, RandomLayeredProjectsGiveTodaysFiguresBitForBit)
{
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (unsigned seed = 1; seed <= 80; ++seed) {
        std::mt19937 rng(seed);
        std::vector<std::uint32_t> counts{1};
        const std::uint32_t levels = 2 + rng() % 9;
        for (std::uint32_t k = 1; k < levels; ++k) {
            counts.push_back(2 + rng() % 8);
        }
        CUserProjectModel m;
        ASSERT_TRUE(BuildWithCounts(m, counts));
        for (std::uint32_t k = 0; k + 1 < levels; ++k) {
            for (std::uint32_t e = 0; e < counts[k]; ++e) {
                TMatrix<int> a(9, 9);
                for (std::uint32_t r = 0; r < 9; ++r) {
                    for (std::uint32_t c = 0; c < 9; ++c) {
                        // Cells drawn on their own (no reciprocal rule), now and then a 0:
                        // pairs left out (least squares, or no priorities at all) included.
                        a(r, c) = rng() % 12 == 0 ? 0 : codes[rng() % 17];
                    }
                }
                m.SetJudgements(e, k, JudgementsFromCodes(a));
            }
        }
        ExpectSameAsLayers(m, "seed " + std::to_string(seed));
    }
}

TEST(HierarchySynthesis, ExampleProjectsGiveTodaysFiguresBitForBit)
{
    int files = 0;
    for (const auto& entry :
        std::filesystem::directory_iterator(std::filesystem::path(TESSALY_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() != ".tsy") {
            continue; // a tree file holds no layers
        }
        auto record = std::make_unique<TLoadSaveProject>();
        ASSERT_TRUE(ReadProjectFile(*record, entry.path().string(), EReadAccess::ReadOnly).Succeeded());
        CUserProjectModel project;
        ASSERT_TRUE(project.BuildLoadedHierarchy(*record));
        ExpectSameAsLayers(project, entry.path().filename().string());
        ++files;
    }
    EXPECT_GE(files, 2);
}

// Four complete layers as layers and as the tree with S1 and S2 copied under A and B.
TEST(HierarchySynthesis, LayersAndTheirTreeGiveTheSameNumbers)
{
    CUserProjectModel m;
    ASSERT_TRUE(BuildWithCounts(m, {1, 2, 2, 3}));
    SetUpper(m, 0, 0, 2, {3});
    SetUpper(m, 0, 1, 2, {-2});
    SetUpper(m, 1, 1, 2, {4});
    SetUpper(m, 0, 2, 3, {2, 6, 3});
    SetUpper(m, 1, 2, 3, {-4, -2, 2});
    const std::optional<CHierarchy> layers = HierarchyOfLayers(m);
    ASSERT_TRUE(layers);
    const std::optional<CHierarchy> tree = layers->AsTree();
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->NodeCount(), 7U);
    EXPECT_EQ(tree->CoveringNodes().size(), 4U);
    const CHierarchyResults a = ComputeHierarchyResults(*layers);
    const CHierarchyResults b = ComputeHierarchyResults(*tree);
    EXPECT_NEAR(a.Global(3), 0.45, 1e-12);
    EXPECT_NEAR(a.Global(4), 0.55, 1e-12);
    for (const CHierarchyResults* r : {&a, &b}) {
        ExpectNear(r->Distributive(), {0.348571, 0.449286, 0.202143}, 5e-7);
        ExpectNear(r->Ideal(), {0.343066, 0.452555, 0.204380}, 5e-7);
        ExpectNear(r->IdealRaw(), {0.5875, 0.775, 0.35}, 1e-12);
    }
    ExpectNear(b.Distributive(), a.Distributive(), 1e-15);
    ExpectNear(b.Ideal(), a.Ideal(), 1e-15);
}

// X has the single child X1: G(X1) = G(X), and hanging X1 under the goal changes nothing.
TEST(HierarchySynthesis, SingleChildTakesItsParentsWeight)
{
    CHierarchy h;
    for (const char* name : {"А", "Б", "В"}) {
        ASSERT_EQ(h.AddAlternative(h.AlternativeCount(), name), "");
    }
    ASSERT_EQ(h.AddCriterion(0, 0, "X"), "");
    ASSERT_EQ(h.AddCriterion(0, 1, "Y"), "");
    ASSERT_EQ(h.AddCriterion(1, 0, "X1"), "");
    ASSERT_EQ(h.SetJudgements(0, Upper(2, {2})), "");
    ASSERT_EQ(h.SetJudgements(3, Upper(3, {3, 5, 2})), "");
    ASSERT_EQ(h.SetJudgements(2, Upper(3, {-2, 4, 6})), "");
    const CHierarchyResults r = ComputeHierarchyResults(h);
    EXPECT_FALSE(r.Node(1).Compared);
    EXPECT_NEAR(r.Global(1), 0.666667, 5e-7);
    EXPECT_EQ(r.Global(3), r.Global(1));
    ExpectNear(r.Distributive(), {0.540015, 0.348978, 0.111008}, 5e-7);
    ExpectNear(r.Ideal(), {0.532804, 0.356921, 0.110275}, 5e-7);
    ExpectNear(r.IdealRaw(), {0.850107, 0.569480, 0.175947}, 5e-7);

    CHierarchy hung = h;
    ASSERT_EQ(hung.MoveCriterion(3, 0, 0), "");
    ASSERT_EQ(hung.RemoveCriterion(*hung.NodeAt({"X"})), "");
    ASSERT_EQ(hung.SetJudgements(0, Upper(2, {2})), "");
    ASSERT_EQ(hung.Path(1), std::vector<std::string>{"X1"});
    const CHierarchyResults s = ComputeHierarchyResults(hung);
    EXPECT_EQ(s.Distributive(), r.Distributive());
    EXPECT_EQ(s.Ideal(), r.Ideal());
}

TEST(HierarchySynthesis, RandomIndexAboveTen)
{
    for (std::uint32_t n = 0; n <= 10; ++n) {
        EXPECT_EQ(RandomIndexOf(n), RandomIndex[n]);
    }
    EXPECT_NEAR(RandomIndexOf(11), 1.511760, 5e-7);
    EXPECT_NEAR(RandomIndexOf(12), 1.535227, 5e-7);
    EXPECT_NEAR(RandomIndexOf(15), 1.585514, 5e-7);
    EXPECT_NEAR(RandomIndexOf(20), 1.634037, 5e-7);
}

// A consistent 12 x 12 matrix (w_i = 2^-i) with only the pairs up to three apart judged:
// least squares finds w exactly, and the completed matrix is consistent.
TEST(HierarchySynthesis, LeastSquaresOnAMatrixOfTwelve)
{
    CJudgementMatrix m(12, 12);
    for (std::uint32_t r = 0; r < 12; ++r) {
        for (std::uint32_t c = 0; c < 12; ++c) {
            const int d = static_cast<int>(c) - static_cast<int>(r);
            const int code = d == 0 ? 1 : std::abs(d) > 3 ? 0 : d > 0 ? 1 << d : -(1 << -d);
            m(r, c) = CJudgement::FromCode(code);
        }
    }
    CNodeResult result;
    ComputeNodeResult(m, 12, result);
    EXPECT_EQ(result.Basis, EPrioritiesBasis::LeastSquares);
    const double total = (1.0 - std::pow(0.5, 12)) * 2.0;
    for (std::uint32_t i = 0; i < 12; ++i) {
        EXPECT_NEAR(result.Local[i], std::pow(0.5, i) / total, 1e-12) << i;
    }
    EXPECT_NEAR(result.Measures.CR, 0.0, 1e-12);
}

namespace {
struct CPlainNode {
    std::vector<int> Children; // indices into the plain tree
    std::vector<std::vector<double>> A;
};

double PlainRI(std::size_t n)
{
    static const double Table[] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
    return n <= 10 ? Table[n] : (1.7699 * static_cast<double>(n) - 4.3513) / (static_cast<double>(n) - 1.0);
}

std::vector<double> PlainPriorities(const std::vector<std::vector<double>>& a)
{
    const std::size_t n = a.size();
    std::vector<double> w(n);
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double logs = 0.0;
        for (double x : a[i]) {
            logs += std::log(x);
        }
        w[i] = std::exp(logs / static_cast<double>(n));
        sum += w[i];
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}
} // namespace

// Random trees (up to 20 children and 20 alternatives, single children included) against
// a plain recursive computation of the same definitions.
TEST(HierarchySynthesis, RandomTreesMatchAPlainComputation)
{
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        const std::uint32_t alternatives = 2 + rng() % 19;
        std::vector<CHierarchyNode> nodes(1);
        std::vector<std::uint32_t> depth{0};
        std::vector<std::uint32_t> open{0};
        while (!open.empty()) {
            const std::uint32_t p = open.back();
            open.pop_back();
            const bool leaf = p != 0 && (depth[p] >= 1 + rng() % 4 || nodes.size() > 150);
            const std::uint32_t n = leaf ? 0 : (rng() % 5 == 0 ? 1 + rng() % 20 : 1 + rng() % 4);
            for (std::uint32_t k = 0; k < n; ++k) {
                nodes[p].Children.push_back(static_cast<std::uint32_t>(nodes.size()));
                nodes.emplace_back();
                nodes.back().Name = "К" + std::to_string(k);
                depth.push_back(depth[p] + 1);
                open.push_back(static_cast<std::uint32_t>(nodes.size() - 1));
            }
        }
        nodes[0].Name = "Цель";
        std::vector<CPlainNode> plain(nodes.size());
        for (std::size_t p = 0; p < nodes.size(); ++p) {
            const auto n
                = static_cast<std::uint32_t>(nodes[p].Children.empty() ? alternatives : nodes[p].Children.size());
            std::vector<int> upper;
            for (std::uint32_t k = 0; k < n * (n - 1) / 2; ++k) {
                upper.push_back(codes[rng() % 17]);
            }
            nodes[p].Judgements = Upper(n, upper);
            plain[p].A.assign(n, std::vector<double>(n));
            for (std::uint32_t r = 0; r < n; ++r) {
                for (std::uint32_t c = 0; c < n; ++c) {
                    plain[p].A[r][c] = nodes[p].Judgements(r, c).Value();
                }
            }
            plain[p].Children.assign(nodes[p].Children.begin(), nodes[p].Children.end());
        }
        std::vector<CAlternative> list;
        for (std::uint32_t a = 0; a < alternatives; ++a) {
            list.push_back(CAlternative{"А" + std::to_string(a), ""});
        }
        std::string problem;
        const std::optional<CHierarchy> tree = CHierarchy::Make(EHierarchyShape::Tree, nodes, list, &problem);
        ASSERT_TRUE(tree) << problem;
        const CHierarchyResults results = ComputeHierarchyResults(*tree);

        std::vector<double> final(alternatives, 0.0);
        std::vector<double> raw(alternatives, 0.0);
        std::function<void(std::size_t, double, const std::vector<std::string>&)> walk;
        walk = [&](std::size_t p, double g, const std::vector<std::string>& path) {
            const std::uint32_t node = *tree->NodeAt(path);
            EXPECT_NEAR(results.Global(node), g, 1e-12) << seed;
            const std::vector<double> w = PlainPriorities(plain[p].A);
            const std::size_t n = w.size();
            if (n > 1) {
                double lambda = 0.0;
                for (std::size_t i = 0; i < n; ++i) {
                    double s = 0.0;
                    for (std::size_t j = 0; j < n; ++j) {
                        s += plain[p].A[i][j] * w[j];
                    }
                    lambda += s / w[i] / static_cast<double>(n);
                }
                const double cr = (lambda - static_cast<double>(n)) / (static_cast<double>(n) - 1.0) / PlainRI(n);
                EXPECT_NEAR(results.Node(node).Measures.CR, cr, 1e-12) << seed;
            }
            if (plain[p].Children.empty()) {
                const double best = *std::max_element(w.begin(), w.end());
                for (std::size_t a = 0; a < n; ++a) {
                    final[a] += g * w[a];
                    raw[a] += g * w[a] / best;
                }
                return;
            }
            for (std::size_t k = 0; k < n; ++k) {
                std::vector<std::string> below = path;
                below.push_back(nodes[plain[p].Children[k]].Name);
                walk(plain[p].Children[k], g * w[k], below);
            }
        };
        walk(0, 1.0, {});
        double sum = 0.0;
        for (double x : raw) {
            sum += x;
        }
        for (std::uint32_t a = 0; a < alternatives; ++a) {
            EXPECT_NEAR(results.Distributive()[a], final[a], 1e-12) << seed;
            EXPECT_NEAR(results.IdealRaw()[a], raw[a], 1e-12) << seed;
            EXPECT_NEAR(results.Ideal()[a], raw[a] / sum, 1e-12) << seed;
        }
    }
}

// The synthesis reads a node's numbers by column, ten rows at a time; for every order up
// to 20 that gives the bits of the plain row-by-row formula.
TEST(HierarchySynthesis, ColumnReadingGivesThePlainFormulasBits)
{
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    std::mt19937 rng(20);
    for (std::uint32_t n = 2; n <= MaxMatrixOrder; ++n) {
        CJudgementMatrix m(n, n);
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = 0; c < n; ++c) {
                m(r, c) = CJudgement::FromCode(codes[rng() % 17]);
            }
        }
        CWideValueBlock values;
        ReadJudgementValues(m, n, values);
        std::vector<double> plain(n);
        ComputeLocalPriorities(values, n, plain.data());
        const CConsistency measures = ComputeConsistency(values, n, plain.data());
        CNodeResult result;
        ComputeNodeResult(m, n, result);
        EXPECT_EQ(result.Local, plain) << n;
        EXPECT_EQ(result.Measures.LambdaMax, measures.LambdaMax) << n;
        EXPECT_EQ(result.Measures.CR, measures.CR) << n;
    }
}
