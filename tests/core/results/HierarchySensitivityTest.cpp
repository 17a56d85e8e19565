// The node-keyed sensitivity analysis: today's layered analysis exactly for layers, and
// random trees against the synthesis run again with one local weight moved.
#include "core/results/HierarchySensitivity.h"
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>

namespace {
using Vector = std::vector<double>;
const int Codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};

// The two example projects and random ones of three to five levels.
std::vector<std::unique_ptr<CUserProjectModel>> LayeredProjects()
{
    std::vector<std::unique_ptr<CUserProjectModel>> projects;
    for (const char* name : {"supplier.tsy", "warehouse.tsy"}) {
        auto record = std::make_unique<TLoadSaveProject>();
        const std::string path = std::string(TESSALY_SOURCE_DIR) + "/examples/" + name;
        EXPECT_TRUE(ReadProjectFile(*record, path, EReadAccess::ReadOnly).Succeeded());
        projects.push_back(std::make_unique<CUserProjectModel>());
        EXPECT_TRUE(projects.back()->BuildLoadedHierarchy(*record));
    }
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        std::vector<std::uint32_t> counts{1};
        for (std::uint32_t k = 0, levels = 3 + rng() % 3; k + 1 < levels; ++k) {
            counts.push_back(2 + rng() % 8);
        }
        auto m = std::make_unique<CUserProjectModel>();
        EXPECT_TRUE(BuildWithCounts(*m, counts));
        for (std::uint32_t l = 0; l + 1 < counts.size(); ++l) {
            for (std::uint32_t k = 0; k < counts[l]; ++k) {
                for (std::uint32_t r = 0; r < counts[l + 1]; ++r) {
                    for (std::uint32_t c = r + 1; c < counts[l + 1]; ++c) {
                        SetPair(*m, k, l, r, c, Codes[rng() % 17]);
                    }
                }
            }
        }
        projects.push_back(std::move(m));
    }
    return projects;
}

std::uint32_t FirstNodeOfLevel(const CUserProjectModel& m, std::uint32_t level)
{
    std::uint32_t first = 0;
    for (std::uint32_t l = 0; l < level; ++l) {
        first += l == 0 ? 1U : m.ElementsInLevelChecked(l);
    }
    return first;
}
} // namespace

TEST(HierarchySensitivity, LayeredProjectsGiveTheLayeredAnalysisExactly)
{
    for (const auto& m : LayeredProjects()) {
        const CProjectResults results = ComputeResults(*m);
        const std::optional<CHierarchy> layers = HierarchyOfLayers(*m);
        ASSERT_TRUE(layers);
        const CHierarchyResults nodeResults = ComputeHierarchyResults(*layers);
        for (const ESynthesisMode mode : {ESynthesisMode::Distributive, ESynthesisMode::Ideal}) {
            auto grid = std::make_unique<CSensitivityAnalysis>();
            AnalyseSensitivity(*m, results, *grid, mode);
            const CHierarchySensitivity nodes = AnalyseSensitivity(*layers, nodeResults, mode);
            std::size_t index = 0;
            for (std::uint32_t level = 1; level + 1 < m->LevelCount(); ++level) {
                for (std::uint32_t e = 0; e < m->ElementsInLevelChecked(level); ++e, ++index) {
                    const CElementSensitivity& want = grid->Elements[level][e];
                    ASSERT_LT(index, nodes.Nodes.size());
                    const CNodeSensitivity& got = nodes.Nodes[index];
                    ASSERT_EQ(got.Node, FirstNodeOfLevel(*m, level) + e);
                    ASSERT_TRUE(got.Weight == want.Weight && got.HasLines == want.HasLines);
                    ASSERT_TRUE(std::equal(got.AtZero.begin(), got.AtZero.end(), want.AtZero.begin()));
                    ASSERT_TRUE(std::equal(got.AtOne.begin(), got.AtOne.end(), want.AtOne.begin()));
                    ASSERT_EQ(got.Crossings.size(), want.CrossingCount);
                    for (std::uint32_t c = 0; c < want.CrossingCount; ++c) {
                        const CCrossing& a = got.Crossings[c];
                        const CCrossing& b = want.Crossings[c];
                        ASSERT_TRUE(a.Weight == b.Weight && a.First == b.First && a.Second == b.Second
                            && a.LeaderAfter == b.LeaderAfter);
                    }
                }
            }
            EXPECT_EQ(index, nodes.Nodes.size());
            ASSERT_EQ(nodes.Critical.has_value(), grid->Critical.has_value());
            if (grid->Critical) {
                const CCriticalChange& want = *grid->Critical;
                const CNodeCriticalChange& got = *nodes.Critical;
                EXPECT_EQ(got.Node, FirstNodeOfLevel(*m, want.Level) + want.Position);
                EXPECT_TRUE(got.From == want.From && got.To == want.To);
                EXPECT_TRUE(got.First == want.First && got.Second == want.Second && got.NewLeader == want.NewLeader);
            }
        }
    }
}

// The goal's children of a layered project's tree move as level 1 of the layers does.
TEST(HierarchySensitivity, TreeOfLayersMovesLevelOneAsTheLayers)
{
    std::size_t compared = 0;
    for (const auto& m : LayeredProjects()) {
        const CProjectResults results = ComputeResults(*m);
        const std::optional<CHierarchy> tree = HierarchyOfLayers(*m)->AsTree();
        if (!tree) {
            continue; // too large for a tree
        }
        ++compared;
        const CHierarchyResults treeResults = ComputeHierarchyResults(*tree);
        for (const ESynthesisMode mode : {ESynthesisMode::Distributive, ESynthesisMode::Ideal}) {
            auto grid = std::make_unique<CSensitivityAnalysis>();
            AnalyseSensitivity(*m, results, *grid, mode);
            const CHierarchySensitivity nodes = AnalyseSensitivity(*tree, treeResults, mode);
            for (std::uint32_t e = 0; e < m->ElementsInLevelChecked(1); ++e) {
                const CElementSensitivity& want = grid->Elements[1][e];
                const CNodeSensitivity& got = nodes.Nodes[e];
                ASSERT_TRUE(got.Node == e + 1 && got.Parent == 0 && got.HasLines);
                EXPECT_NEAR(got.Weight, want.Weight, 1e-15);
                for (std::uint32_t i = 0; i < want.AlternativeCount; ++i) {
                    EXPECT_NEAR(got.AtZero[i], want.AtZero[i], 1e-12);
                    EXPECT_NEAR(got.AtOne[i], want.AtOne[i], 1e-12);
                }
                ASSERT_EQ(got.Crossings.size(), want.CrossingCount);
                for (std::uint32_t c = 0; c < want.CrossingCount; ++c) {
                    EXPECT_NEAR(got.Crossings[c].Weight, want.Crossings[c].Weight, 1e-9);
                    EXPECT_EQ(got.Crossings[c].LeaderAfter, want.Crossings[c].LeaderAfter);
                }
            }
        }
    }
    EXPECT_GE(compared, 8U);
}

namespace {
// A random tree (single children included) of 2 to 7 alternatives.
CHierarchy RandomTree(unsigned seed)
{
    std::mt19937 rng(seed);
    const std::uint32_t alternatives = 2 + rng() % 6;
    std::vector<CHierarchyNode> nodes(1);
    std::vector<std::uint32_t> depth{0};
    std::vector<std::uint32_t> open{0};
    while (!open.empty()) {
        const std::uint32_t p = open.back();
        open.pop_back();
        const bool leaf = p != 0 && (depth[p] >= 1 + rng() % 3 || nodes.size() > 40);
        const std::uint32_t n = leaf ? 0 : 1 + rng() % 5;
        for (std::uint32_t k = 0; k < n; ++k) {
            nodes[p].Children.push_back(static_cast<std::uint32_t>(nodes.size()));
            nodes.push_back(CHierarchyNode{"К" + std::to_string(k), "", {}, {}});
            depth.push_back(depth[p] + 1);
            open.push_back(static_cast<std::uint32_t>(nodes.size() - 1));
        }
    }
    nodes[0].Name = "Цель";
    for (CHierarchyNode& node : nodes) {
        const auto n = static_cast<std::uint32_t>(node.Children.empty() ? alternatives : node.Children.size());
        node.Judgements = EqualJudgements(n);
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = r + 1; c < n; ++c) {
                node.Judgements(r, c) = CJudgement::FromCode(Codes[rng() % 17]);
                node.Judgements(c, r) = node.Judgements(r, c).Mirror();
            }
        }
    }
    std::vector<CAlternative> list;
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        list.push_back(CAlternative{"А" + std::to_string(a), ""});
    }
    return *CHierarchy::Make(EHierarchyShape::Tree, std::move(nodes), std::move(list));
}

// The synthesis run again from the goal with the local weights given, node's weight moved
// to x and its siblings rescaled: the final priorities, or the raw ideal scores.
Vector Recompute(const CHierarchy& h, std::vector<Vector> local, std::uint32_t node, double x, bool ideal)
{
    Vector& weights = local[h.Parents(node).front()];
    const std::vector<std::uint32_t>& siblings = h.Node(h.Parents(node).front()).Children;
    const std::size_t at = std::find(siblings.begin(), siblings.end(), node) - siblings.begin();
    const double w = weights[at];
    for (std::size_t k = 0; k < weights.size(); ++k) {
        weights[k] = k == at ? x : weights[k] * (1 - x) / (1 - w);
    }
    Vector out(h.AlternativeCount(), 0.0);
    std::function<void(std::uint32_t, double)> walk = [&](std::uint32_t p, double g) {
        const std::vector<std::uint32_t>& children = h.Node(p).Children;
        const double best = *std::max_element(local[p].begin(), local[p].end());
        for (std::size_t k = 0; k < local[p].size(); ++k) {
            if (children.empty()) {
                out[k] += g * local[p][k] / (ideal ? best : 1.0);
            } else {
                walk(children[k], g * local[p][k]);
            }
        }
    };
    walk(0, 1.0);
    return out;
}

Vector Normalised(Vector v)
{
    double sum = 0.0;
    for (const double x : v) {
        sum += x;
    }
    for (double& x : v) {
        x /= sum;
    }
    return v;
}
} // namespace

TEST(HierarchySensitivity, RandomTreesAgainstTheSynthesisRunAgain)
{
    for (unsigned seed = 1; seed <= 25; ++seed) {
        const CHierarchy h = RandomTree(seed);
        const CHierarchyResults results = ComputeHierarchyResults(h);
        std::vector<Vector> local;
        std::size_t movable = 0;
        for (std::uint32_t k = 0; k < h.NodeCount(); ++k) {
            local.push_back(results.Node(k).Local);
            movable += k > 0 && h.Node(h.Parents(k).front()).Children.size() >= 2 ? 1 : 0;
        }
        for (const bool ideal : {false, true}) {
            const CHierarchySensitivity analysis
                = AnalyseSensitivity(h, results, ideal ? ESynthesisMode::Ideal : ESynthesisMode::Distributive);
            ASSERT_EQ(analysis.Nodes.size(), movable) << seed;
            const auto ranked = [&](const CNodeSensitivity& n, double x) {
                const Vector v = Recompute(h, local, n.Node, x, ideal);
                return ideal ? Normalised(v) : v;
            };
            const Vector present = ideal ? results.Ideal() : results.Distributive();
            const auto leader
                = static_cast<std::uint32_t>(std::max_element(present.begin(), present.end()) - present.begin());
            double nearest = 2.0;
            for (const CNodeSensitivity& n : analysis.Nodes) {
                ASSERT_TRUE(n.HasLines && n.Normalised == ideal);
                Vector lines;
                Vector priorities;
                for (const double x : {0.0, 0.2, n.Weight, 0.6, 1.0}) {
                    ASSERT_TRUE(LinesAt(n, x, lines) && AlternativesAt(n, x, priorities));
                    const Vector raw = Recompute(h, local, n.Node, x, ideal);
                    const Vector want = ranked(n, x);
                    for (std::size_t a = 0; a < raw.size(); ++a) {
                        EXPECT_NEAR(lines[a], raw[a], 1e-12) << seed << " " << n.Node << " " << x;
                        EXPECT_NEAR(priorities[a], want[a], 1e-12) << seed << " " << n.Node << " " << x;
                    }
                }
                // A pair crosses inside (0, 1) exactly when its order differs at the two ends,
                // where their lines meet (the ideal priorities' sum is the same for both).
                const Vector atZero = Recompute(h, local, n.Node, 0.0, ideal);
                const Vector atOne = Recompute(h, local, n.Node, 1.0, ideal);
                std::size_t changing = 0;
                for (std::uint32_t i = 0; i < atZero.size(); ++i) {
                    for (std::uint32_t j = i + 1; j < atZero.size(); ++j) {
                        const double d0 = atZero[i] - atZero[j];
                        const double d1 = atOne[i] - atOne[j];
                        if (d0 * d1 >= 0) {
                            continue;
                        }
                        ++changing;
                        const double x = d0 / (d0 - d1);
                        if (i == leader || j == leader) {
                            nearest = std::min(nearest, std::fabs(x - n.Weight));
                        }
                    }
                }
                EXPECT_EQ(n.Crossings.size(), changing) << seed << " " << n.Node;
                double previous = 0.0;
                for (const CCrossing& c : n.Crossings) {
                    EXPECT_LE(previous, c.Weight);
                    previous = c.Weight;
                    const Vector at = ranked(n, c.Weight);
                    EXPECT_NEAR(at[c.First], at[c.Second], 1e-12) << seed << " " << n.Node;
                    const Vector after = ranked(n, c.Weight + 1e-6);
                    EXPECT_GT(after[c.LeaderAfter], after[c.LeaderAfter == c.First ? c.Second : c.First])
                        << seed << " " << n.Node;
                }
            }
            ASSERT_EQ(analysis.Critical.has_value(), nearest < 2.0) << seed;
            if (analysis.Critical) {
                const CNodeCriticalChange& c = *analysis.Critical;
                EXPECT_NEAR(std::fabs(c.To - c.From), nearest, 1e-9) << seed;
                // The nearest (two siblings of a pair can be equally near), and a little past
                // it the winner really is the one named.
                const CNodeSensitivity& moved = *std::find_if(analysis.Nodes.begin(), analysis.Nodes.end(),
                    [&](const CNodeSensitivity& n) { return n.Node == c.Node; });
                const Vector after = ranked(moved, c.To + (c.To > c.From ? 1e-6 : -1e-6));
                EXPECT_EQ(std::max_element(after.begin(), after.end()) - after.begin(), c.NewLeader) << seed;
            }
        }
    }
}
