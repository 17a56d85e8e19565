#include "GroupFilesSupport.h"
#include "GroupTestSupport.h"
#include "support/FourLayersGroup.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupReading.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {
// ---- The long way: row geometric means, Goepel's S*, weighted by the group's G ----

std::vector<double> Rgm(const std::vector<double>& upper, std::size_t n)
{
    std::vector<double> w(n, 0.0);
    std::size_t p = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j, ++p) {
            w[i] += std::log(upper[p]) / static_cast<double>(n);
            w[j] -= std::log(upper[p]) / static_cast<double>(n);
        }
    }
    double sum = 0.0;
    for (double& x : w) {
        x = std::exp(x);
        sum += x;
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

double Value(int code)
{
    return code > 0 ? code : -1.0 / code;
}

double Entropy(const std::vector<double>& p)
{
    double h = 0.0;
    for (const double x : p) {
        h -= x * std::log(x);
    }
    return h;
}

double SStar(const std::vector<std::vector<double>>& vectors)
{
    const std::size_t n = vectors.front().size();
    std::vector<double> mean(n, 0.0);
    double alpha = 0.0;
    for (const auto& v : vectors) {
        alpha += Entropy(v) / static_cast<double>(vectors.size());
        for (std::size_t i = 0; i < n; ++i) {
            mean[i] += v[i] / static_cast<double>(vectors.size());
        }
    }
    // The vectors that disagree the most: one element 9 times each other one.
    const double m = static_cast<double>(n) + 8.0;
    const double extreme = -9.0 / m * std::log(9.0 / m) - (m - 9.0) / m * std::log(1.0 / m);
    const double floor = std::exp(extreme) / static_cast<double>(n);
    return (std::exp(alpha - Entropy(mean)) - floor) / (1.0 - floor);
}

// Per matrix (goal, A, B, S1, S2): every expert's vector, and the group's vector from the
// geometric means of the judgements.
double ReferenceOverallConsensus()
{
    std::vector<std::vector<std::vector<double>>> own(5);
    std::vector<std::vector<double>> group(5);
    for (std::size_t m = 0; m < 5; ++m) {
        const std::size_t n = m < 3 ? 2 : 3;
        std::vector<double> combined(n * (n - 1) / 2, 1.0);
        for (const CFourLayers& e : FourLayersExperts) {
            std::vector<int> codes = m == 0 ? std::vector<int>{e.Goal}
                : m == 1                    ? std::vector<int>{e.A}
                : m == 2                    ? std::vector<int>{e.B}
                : m == 3                    ? e.S1
                                            : e.S2;
            std::vector<double> values;
            for (std::size_t p = 0; p < codes.size(); ++p) {
                values.push_back(Value(codes[p]));
                combined[p] *= std::cbrt(Value(codes[p]));
            }
            own[m].push_back(Rgm(values, n));
        }
        group[m] = Rgm(combined, n);
    }
    const double gA = group[0][0];
    const double gB = group[0][1];
    const double global[] = {1.0, gA, gB, gA * group[1][0] + gB * group[2][0], gA * group[1][1] + gB * group[2][1]};
    double weighted = 0.0;
    double total = 0.0;
    for (std::size_t m = 0; m < 5; ++m) {
        weighted += global[m] * SStar(own[m]);
        total += global[m];
    }
    return weighted / total;
}

CGroupMember Member(const std::string& file)
{
    return CGroupMember{file, std::filesystem::path(file).stem().string(), 1.0};
}
} // namespace

// Three experts on four complete layers, read from layered files and from the same
// hierarchies written as trees (S1 and S2 copied under A and under B): one overall
// consensus, that of the long way, and the same ranking.
TEST(HierarchyGroup, FourLayersAsLayersAndAsATree)
{
    const double expected = ReferenceOverallConsensus();
    EXPECT_NEAR(expected, 0.956852, 5e-7);
    CGroupTempDir dir;
    std::vector<CGroupMember> layered;
    std::vector<CGroupMember> trees;
    for (std::size_t k = 0; k < FourLayersExperts.size(); ++k) {
        const auto project = FourLayers(FourLayersExperts[k]);
        layered.push_back(Member(dir.File("e" + std::to_string(k + 1) + ".tsy")));
        trees.push_back(Member(dir.File("e" + std::to_string(k + 1) + ".tsj")));
        ASSERT_EQ(SaveProjectFile(*project, layered.back().File, false), EWriteResult::Ok);
        const std::optional<CHierarchy> tree = HierarchyOfLayers(*project)->AsTree();
        ASSERT_TRUE(tree.has_value());
        ASSERT_EQ(SaveTreeFile(*tree, trees.back().File, false), EWriteResult::Ok);
    }
    const CGroupOpening asLayers = OpenGroupMembers(layered, false);
    const CGroupOpening asTree = OpenGroupMembers(trees, false);
    ASSERT_TRUE(asLayers.Succeeded()) << asLayers.Problem;
    ASSERT_TRUE(asTree.Succeeded()) << asTree.Problem;
    const CGroupResult& layers = asLayers.Decision->Result();
    const CGroupResult& tree = asTree.Decision->Result();
    EXPECT_EQ(layers.Elements.size(), 5U);
    EXPECT_EQ(tree.Elements.size(), 7U); // S1 and S2 twice
    ASSERT_TRUE(layers.OverallConsensus && tree.OverallConsensus);
    EXPECT_NEAR(*layers.OverallConsensus, expected, 1e-12);
    EXPECT_NEAR(*tree.OverallConsensus, expected, 1e-12);
    ASSERT_EQ(tree.RankingRows.size(), 3U);
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(tree.RankingRows[r].Position, layers.Ranking.Rows[r].Position);
        EXPECT_NEAR(tree.RankingRows[r].Value, layers.Ranking.Rows[r].Value, 1e-15);
    }
    // What the window and the report show of the tree: the same figures, its criteria by
    // their paths in the outline's order.
    const CGroupDecision& treeGroup = *asTree.Decision;
    ASSERT_EQ(tree.Ranking.Count, 3U);
    EXPECT_EQ(tree.Ranking.Rows[0].Position, layers.Ranking.Rows[0].Position);
    EXPECT_EQ(ExpertRankingText(treeGroup, 1), ExpertRankingText(*asLayers.Decision, 1));
    const CReportTable elements = GroupElementsTable(treeGroup);
    std::vector<std::string> names;
    for (const std::vector<std::string>& row : elements.Rows) {
        names.push_back(row[0] + " " + row[1]);
    }
    EXPECT_EQ(
        names, (std::vector<std::string>{"0 ЦЕЛЬ", "1 A", "2 A / S1", "2 A / S2", "1 B", "2 B / S1", "2 B / S2"}));
    const std::size_t s1UnderB = GroupElementOrder(treeGroup)[5];
    EXPECT_EQ(GroupElementLabel(treeGroup, s1UnderB), "B / S1");
    const CGroupElementResult* s1 = layers.ElementAt(CElementSlot{0, 2});
    ASSERT_NE(s1, nullptr);
    const auto s1Layered = static_cast<std::size_t>(s1 - layers.Elements.data());
    for (const auto& [t, l] : {std::pair<std::size_t, std::size_t>{0, 0}, {s1UnderB, s1Layered}}) {
        EXPECT_EQ(AggregatedMatrixTable(treeGroup, t).Rows, AggregatedMatrixTable(*asLayers.Decision, l).Rows);
        EXPECT_EQ(ExpertVectorsTable(treeGroup, t).Rows, ExpertVectorsTable(*asLayers.Decision, l).Rows);
        EXPECT_EQ(GroupMeasuresText(treeGroup, t), GroupMeasuresText(*asLayers.Decision, l));
    }
    EXPECT_EQ(AggregatedMatrixTable(treeGroup, s1UnderB).Header.front(), Tr(AlternativeCaption));
}

// A criterion of more children than a level holds is combined like any other.
TEST(HierarchyGroup, ACriterionOfTwelveChildren)
{
    std::vector<CHierarchyNode> nodes(13);
    nodes[0].Name = "Цель";
    for (std::uint32_t c = 1; c <= 12; ++c) {
        nodes[0].Children.push_back(c);
        nodes[c].Name = "Критерий " + std::to_string(c);
        nodes[c].Judgements = EqualJudgements(2);
    }
    const std::vector<CAlternative> alternatives{{"Да", ""}, {"Нет", ""}};
    CGroupDecision decision;
    for (const int code : {9, 4}) {
        CJudgementMatrix goal = EqualJudgements(12);
        goal(0, 11) = CJudgement::FromCode(code);
        goal(11, 0) = goal(0, 11).Mirror();
        nodes[0].Judgements = goal;
        const std::optional<CHierarchy> hierarchy = CHierarchy::Make(EHierarchyShape::Tree, nodes, alternatives);
        ASSERT_TRUE(hierarchy.has_value());
        EXPECT_EQ(decision.AddExpert(Member("/nonexistent/" + std::to_string(code) + ".tsj"), *hierarchy), "");
    }
    const CGroupElementResult* goal = decision.Result().ElementOfNode(CHierarchy::GoalNode);
    ASSERT_NE(goal, nullptr);
    EXPECT_EQ(goal->Aggregate.Order, 12U);
    EXPECT_NEAR(goal->Aggregate.Judgements(0, 11).Value(), 6.0, 1e-12);
    ASSERT_TRUE(goal->Consensus.has_value());
    EXPECT_EQ(decision.Result().RankingRows.size(), 2U);
    // The combined matrix's geometric index: every cell 1 but a_1,12 = 6, row geometric means.
    const std::uint32_t n = 12;
    std::vector<double> w(n, 1.0);
    w[0] = std::pow(6.0, 1.0 / n);
    w[n - 1] = std::pow(6.0, -1.0 / n);
    double sum = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            const double a = i == 0 && j == n - 1 ? 6.0 : 1.0;
            sum += std::pow(std::log(a * w[j] / w[i]), 2);
        }
    }
    ASSERT_TRUE(goal->Gci.has_value());
    EXPECT_NEAR(*goal->Gci, 2.0 * sum / ((n - 1.0) * (n - 2.0)), 1e-12);
}

// Trees that differ from the first expert's, each named at its first difference; a tree
// beside a layered project is refused.
TEST(HierarchyGroup, DifferentTreesAndKindsAreRefused)
{
    const auto project = FourLayers(FourLayersExperts[0]);
    const CHierarchy reference = *HierarchyOfLayers(*project)->AsTree();
    const auto edited = [&reference](auto edit) {
        CHierarchy tree = reference;
        EXPECT_EQ(edit(tree), "");
        return tree;
    };
    const std::uint32_t a = reference.Goal().Children[0];
    const std::uint32_t s2UnderA = reference.Node(a).Children[1];
    const struct {
        CHierarchy Member;
        std::string Problem;
    } cases[] = {
        {edited([&](CHierarchy& t) { return t.SetNodeText(s2UnderA, "S3", ""); }),
            "Файл b.tsj: у критерия «A» подкритерий 2 называется «S3», а в a.tsj — «S2»"},
        {edited([&](CHierarchy& t) { return t.RemoveCriterion(s2UnderA); }),
            "Файл b.tsj: у критерия «A» подкритериев 1, а в a.tsj — 2"},
        {edited([&](CHierarchy& t) { return t.AddCriterion(s2UnderA, 0, "T"); }),
            "Файл b.tsj: у критерия «A / S2» подкритериев 1, а в a.tsj — 0"},
        {edited([](CHierarchy& t) { return t.SetAlternativeText(2, "W", ""); }),
            "Файл b.tsj: альтернатива 3 называется «W», а в a.tsj — «Z»"},
        {edited([](CHierarchy& t) { return t.AddAlternative(3, "W"); }), "Файл b.tsj: альтернатив 4, а в a.tsj — 3"},
        {edited([](CHierarchy& t) { return t.SetNodeText(CHierarchy::GoalNode, "Выбор", ""); }),
            "Файл b.tsj: цель называется «Выбор», а в a.tsj — «ЦЕЛЬ»"},
    };
    for (const auto& c : cases) {
        CGroupDecision decision;
        ASSERT_EQ(decision.AddExpert(Member("/nonexistent/a.tsj"), reference), "");
        EXPECT_EQ(decision.AddExpert(Member("/nonexistent/b.tsj"), c.Member), c.Problem);
        EXPECT_EQ(decision.ExpertCount(), 1U);
    }
    CGroupDecision mixed;
    ASSERT_EQ(mixed.AddExpert(Member("/nonexistent/a.tsj"), reference), "");
    EXPECT_EQ(mixed.AddExpert(Member("/nonexistent/b.tsy"), *project),
        "Эксперт 2: файл «b.tsy» — проект с полными уровнями, а «a.tsj» — дерево критериев; в одной группе "
        "файлы экспертов одного вида");
}

// A tree whose combined matrices are mostly not acceptable: the warning names the first few
// by their paths and counts the rest.
TEST(HierarchyGroup, ManyUnacceptableMatricesAreCounted)
{
    std::vector<CHierarchyNode> nodes(7);
    nodes[0] = {"Цель", "", {1, 2, 3, 4, 5, 6}, EqualJudgements(6)};
    for (std::uint32_t c = 1; c <= 6; ++c) {
        nodes[c] = {"К" + std::to_string(c), "", {}, EqualJudgements(3)};
        nodes[c].Judgements(0, 1) = CJudgement::FromCode(9);
        nodes[c].Judgements(1, 0) = nodes[c].Judgements(0, 1).Mirror();
        nodes[c].Judgements(1, 2) = CJudgement::FromCode(9);
        nodes[c].Judgements(2, 1) = nodes[c].Judgements(1, 2).Mirror();
        nodes[c].Judgements(0, 2) = CJudgement::FromCode(-9);
        nodes[c].Judgements(2, 0) = nodes[c].Judgements(0, 2).Mirror();
    }
    const std::optional<CHierarchy> tree
        = CHierarchy::Make(EHierarchyShape::Tree, nodes, {{"X", ""}, {"Y", ""}, {"Z", ""}});
    ASSERT_TRUE(tree.has_value());
    CGroupDecision decision;
    ASSERT_EQ(decision.AddExpert(Member("/nonexistent/a.tsj"), *tree), "");
    ASSERT_EQ(decision.Result().UnacceptableNodes.size(), 6U);
    const std::string warning = GroupUnacceptableWarning(decision);
    EXPECT_NE(warning.find("«К5»"), std::string::npos) << warning;
    EXPECT_EQ(warning.find("«К6»"), std::string::npos) << warning;
    EXPECT_NE(warning.find("; ... и ещё 1. Результат"), std::string::npos) << warning;
}
