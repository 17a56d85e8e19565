#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
// Goal over A (over A1, A2) and B; three alternatives; every pair judged with a code
// that tells the pair: (r, c) holds r * 3 + c + 2 cut to 9, mirrored below.
CHierarchy Sample()
{
    CHierarchy h("Цель");
    for (const char* name : {"x", "y", "z"}) {
        EXPECT_EQ(h.AddAlternative(h.AlternativeCount(), name), "");
    }
    EXPECT_EQ(h.AddCriterion(0, 0, "A"), "");
    EXPECT_EQ(h.AddCriterion(0, 1, "B"), "");
    EXPECT_EQ(h.AddCriterion(1, 0, "A1"), "");
    EXPECT_EQ(h.AddCriterion(1, 1, "A2"), "");
    for (std::uint32_t node = 0; node < h.NodeCount(); ++node) {
        const std::uint32_t n = h.ComparedCount(node);
        CJudgementMatrix m = EqualJudgements(n);
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = r + 1; c < n; ++c) {
                m(r, c) = CJudgement::FromCode(static_cast<int>(std::min(9U, r * 3 + c + 2)));
                m(c, r) = m(r, c).Mirror();
            }
        }
        EXPECT_EQ(h.SetJudgements(node, m), "");
    }
    return h;
}

int Code(const CHierarchy& h, const std::vector<std::string>& path, std::uint32_t r, std::uint32_t c)
{
    return h.Node(*h.NodeAt(path)).Judgements(r, c).Code();
}
} // namespace

TEST(Hierarchy, LayeredProjectIsCompleteLayersOfSharedChildren)
{
    CUserProjectModel m;
    ASSERT_TRUE(BuildWithCounts(m, {1, 3, 2, 4}));
    SetPair(m, 1, 1, 0, 1, 5);
    const std::optional<CHierarchy> h = HierarchyOfLayers(m);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->Shape(), EHierarchyShape::Layers);
    EXPECT_EQ(h->NodeCount(), 6U);
    EXPECT_EQ(h->LevelCount(), 4U);
    EXPECT_EQ(h->AlternativeCount(), 4U);
    EXPECT_EQ(h->CoveringNodes(), (std::vector<std::uint32_t>{4, 5}));
    EXPECT_EQ(h->Parents(4), (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(h->Node(2).Judgements(0, 1).Code(), 5);
    EXPECT_EQ(h->Node(4).Judgements.RowCountInUse(), 4U);
    EXPECT_EQ(h->Path(5), (std::vector<std::string>{"ЭЛЕМЕНТ_0", "ЭЛЕМЕНТ_1"}));
    // Layers are not edited as a tree; copied into one, they are.
    CHierarchy copy = *h;
    EXPECT_NE(copy.AddCriterion(0, 0, "Н"), "");
    EXPECT_TRUE(copy == *h);
    const std::optional<CHierarchy> tree = h->AsTree();
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->NodeCount(), 10U);
}

TEST(Hierarchy, MakeRefusesWhatBreaksTheShape)
{
    const auto ones = EqualJudgements(2);
    const std::vector<CAlternative> two{{"x", ""}, {"y", ""}};
    const struct {
        EHierarchyShape Shape;
        std::vector<CHierarchyNode> Nodes;
    } cases[] = {
        // A shared child in a tree.
        {EHierarchyShape::Tree,
            {{"G", "", {1, 2}, ones}, {"A", "", {3}, EqualJudgements(1)}, {"B", "", {3}, EqualJudgements(1)},
                {"C", "", {}, ones}}},
        // Layers whose second element lacks a child of the first.
        {EHierarchyShape::Layers,
            {{"G", "", {1, 2}, ones}, {"A", "", {3, 4}, ones}, {"B", "", {3}, EqualJudgements(1)}, {"C", "", {}, ones},
                {"D", "", {}, ones}}},
        // A circle, a level skipped, a matrix of the wrong order, a node not reached.
        {EHierarchyShape::Tree, {{"G", "", {1}, EqualJudgements(1)}, {"A", "", {0}, EqualJudgements(1)}}},
        {EHierarchyShape::Layers, {{"G", "", {1, 2}, ones}, {"A", "", {2}, EqualJudgements(1)}, {"B", "", {}, ones}}},
        {EHierarchyShape::Tree, {{"G", "", {1}, ones}, {"A", "", {}, ones}}},
        {EHierarchyShape::Tree, {{"G", "", {1}, EqualJudgements(1)}, {"A", "", {}, ones}, {"B", "", {}, ones}}},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_FALSE(CHierarchy::Make(c.Shape, c.Nodes, two, &problem));
        EXPECT_FALSE(problem.empty());
    }
}

// Every edit keeps the judgements of the pairs that stay with their elements.
TEST(Hierarchy, EditsCarryJudgementsWithTheirElements)
{
    CHierarchy h = Sample();
    ASSERT_EQ(Code(h, {"A"}, 0, 1), 3);
    ASSERT_EQ(h.MoveCriterion(*h.NodeAt({"A", "A2"}), *h.NodeAt({"A"}), 0), "");
    EXPECT_EQ(h.Node(*h.NodeAt({"A"})).Children.size(), 2U);
    EXPECT_EQ(Code(h, {"A"}, 1, 0), 3); // A1 against A2, now the other way round
    ASSERT_EQ(h.MoveAlternative(2, 0), "");
    EXPECT_EQ(h.Alternatives()[0].Name, "z");
    EXPECT_EQ(Code(h, {"B"}, 1, 2), 3);  // x against y
    EXPECT_EQ(Code(h, {"B"}, 0, 1), -4); // z against x
    ASSERT_EQ(h.AddAlternative(1, "w"), "");
    EXPECT_EQ(Code(h, {"B"}, 0, 2), -4);
    EXPECT_EQ(Code(h, {"B"}, 0, 1), 1);
    ASSERT_EQ(h.RemoveAlternative(1), "");
    EXPECT_EQ(Code(h, {"A", "A1"}, 1, 2), 3);
    // A criterion moved under B: A keeps one child, B becomes a parent with fresh judgements.
    ASSERT_EQ(h.MoveCriterion(*h.NodeAt({"A", "A1"}), *h.NodeAt({"B"}), 0), "");
    EXPECT_EQ(h.ComparedCount(*h.NodeAt({"B"})), 1U);
    EXPECT_EQ(Code(h, {"B", "A1"}, 1, 2), 3);
    EXPECT_EQ(h.LevelCount(), 4U);
    ASSERT_EQ(h.RemoveCriterion(*h.NodeAt({"A", "A2"})), "");
    EXPECT_TRUE(h.IsCovering(*h.NodeAt({"A"})));
    EXPECT_EQ(h.ComparedCount(*h.NodeAt({"A"})), 3U);
    EXPECT_EQ(h.NodeCount(), 4U);
}

// Each case: edits that are allowed, then one that is refused and changes nothing.
TEST(Hierarchy, EditsBeyondTheLimitsChangeNothing)
{
    using Edit = std::function<std::string(CHierarchy&)>;
    const auto none = [](CHierarchy&) {};
    const auto chain = [](CHierarchy& h) {
        std::uint32_t node = *h.NodeAt({"A", "A1"});
        for (int k = 0; k < 6; ++k) { // levels 3 to 8: the alternatives make the tenth
            EXPECT_EQ(h.AddCriterion(node, 0, "D"), "");
            node = h.Node(node).Children[0]; // a node keeps its number: edits were below it
        }
    };
    const auto full = [](CHierarchy& h) {
        for (int k = 0; h.NodeCount() < 201; ++k) {
            std::uint32_t p = 0;
            while (h.Node(p).Children.size() >= 20 || h.Level(p) >= 8) {
                ++p;
            }
            EXPECT_EQ(h.AddCriterion(p, 0, "E" + std::to_string(k)), "");
        }
    };
    const auto twenty = [](CHierarchy& h) {
        for (std::uint32_t k = 0; k < 17; ++k) {
            EXPECT_EQ(h.AddAlternative(0, "a" + std::to_string(k)), "");
        }
    };
    const auto nineteen = [](CHierarchy& h) {
        for (int k = 0; k < 18; ++k) {
            EXPECT_EQ(h.AddCriterion(0, 0, "N" + std::to_string(k)), "");
        }
    };
    const struct {
        std::function<void(CHierarchy&)> Allowed;
        Edit Refused;
    } cases[] = {
        {nineteen, [](CHierarchy& h) { return h.AddCriterion(0, 0, "N20"); }},
        {chain, [](CHierarchy& h) { return h.AddCriterion(h.NodeCount() - 1, 0, "D"); }},
        {full, [](CHierarchy& h) { return h.AddCriterion(h.NodeCount() - 1, 0, "F"); }},
        {twenty, [](CHierarchy& h) { return h.AddAlternative(0, "a20"); }},
        {none, [](CHierarchy& h) { return h.AddCriterion(0, 0, "B"); }},
        {none, [](CHierarchy& h) { return h.AddAlternative(0, "y"); }},
        {none, [](CHierarchy& h) { return h.SetNodeText(1, std::string(61, 'n'), ""); }},
        {none, [](CHierarchy& h) { return h.SetAlternativeText(0, "", ""); }},
        {none, [](CHierarchy& h) { return h.SetNodeText(1, "A", std::string(1001, 'c')); }},
        {[](CHierarchy& h) { EXPECT_EQ(h.RemoveCriterion(2), ""); },
            [](CHierarchy& h) { return h.RemoveCriterion(1); }},
        {none,
            [](CHierarchy& h) {
                return h.MoveCriterion(1, *h.NodeAt({"A", "A1"}), 0);
            }},
        {[](CHierarchy& h) { EXPECT_EQ(h.RemoveAlternative(0), ""); },
            [](CHierarchy& h) { return h.RemoveAlternative(0); }},
        {none, [](CHierarchy& h) { return h.SetJudgements(1, EqualJudgements(3)); }},
    };
    for (const auto& c : cases) {
        CHierarchy h = Sample();
        c.Allowed(h);
        const CHierarchy before = h;
        EXPECT_NE(c.Refused(h), "");
        EXPECT_TRUE(h == before);
    }
}

// A template keeps the tree, its names and comments, every judgement 1; a clone is equal
// and shares nothing, so editing it leaves the original as it was.
TEST(Hierarchy, TemplateAndCloneOfATree)
{
    CHierarchy tree = Sample();
    ASSERT_EQ(tree.SetNodeText(1, "A", "комментарий"), "");
    const CHierarchy pattern = tree.Template();
    ASSERT_EQ(pattern.NodeCount(), tree.NodeCount());
    for (std::uint32_t node = 0; node < tree.NodeCount(); ++node) {
        EXPECT_EQ(pattern.Node(node).Name, tree.Node(node).Name);
        EXPECT_EQ(pattern.Node(node).Comment, tree.Node(node).Comment);
        EXPECT_EQ(pattern.Node(node).Children, tree.Node(node).Children);
        EXPECT_TRUE(pattern.Node(node).Judgements == EqualJudgements(tree.ComparedCount(node))) << node;
    }
    EXPECT_EQ(pattern.Alternatives(), tree.Alternatives());
    EXPECT_EQ(Code(tree, {"A"}, 0, 1), 3);

    CHierarchy clone = tree;
    EXPECT_TRUE(clone == tree);
    ASSERT_EQ(clone.SetJudgements(1, EqualJudgements(2)), "");
    ASSERT_EQ(clone.SetNodeText(1, "C", ""), "");
    ASSERT_EQ(clone.SetAlternativeText(0, "w", ""), "");
    EXPECT_EQ(Code(tree, {"A"}, 0, 1), 3);
    EXPECT_EQ(tree.Node(1).Comment, "комментарий");
    EXPECT_EQ(tree.Alternatives()[0].Name, "x");
}
