// What the reports of a tree show beyond its figures: the outline's marks and dashes
// where a figure does not exist, and a matrix's caption and its pairs left out.
#include "core/model/CHierarchy.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/RatingReportContent.h"
#include "core/results/ReportContent.h"
#include "support/UpperJudgements.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
using CRows = std::vector<std::vector<std::string>>;

// The goal over X (one child, X1) and Y, over the alternatives А, Б, В.
CHierarchy Tree(const CJudgementMatrix& goal, const CJudgementMatrix& y)
{
    CHierarchy h("Цель");
    for (const char* name : {"А", "Б", "В"}) {
        EXPECT_EQ(h.AddAlternative(h.AlternativeCount(), name), "");
    }
    EXPECT_EQ(h.AddCriterion(0, 0, "X"), "");
    EXPECT_EQ(h.AddCriterion(0, 1, "Y"), "");
    EXPECT_EQ(h.AddCriterion(1, 0, "X1"), "");
    EXPECT_EQ(h.SetJudgements(0, goal), "");
    EXPECT_EQ(h.SetJudgements(2, y), "");
    return h;
}
} // namespace

TEST(TreeReportContent, OutlineMarksEachNodeAndDashesWhatDoesNotExist)
{
    // Y: А 9 times Б, Б 9 times В, В 9 times А: CR = (lambda - 3) / 2 / 0.58 from the row
    // geometric means, all 1, so lambda = 1 + 9 + 1/9.
    const double cr = (1.0 + 9.0 + 1.0 / 9.0 - 3.0) / 2.0 / 0.58;
    const std::string crText = "ОС " + std::to_string(std::floor(cr * 1e4) / 1e4).substr(0, 6);
    struct CCase {
        const char* What;
        CHierarchy Tree;
        CRows Outline;
    } cases[] = {
        {"the goal's pair left out: no priorities under it, no global ones", Tree(Upper(2, {0}), Upper(3, {1, 1, 1})),
            {{"Цель", "", "—", "нет приоритетов"}, {"X", "—", "—", ""}, {"X1", "1", "—", "ОС 0"},
                {"Y", "—", "—", "ОС 0"}}},
        {"Y not acceptable", Tree(Upper(2, {3}), Upper(3, {9, -9, 9})),
            {{"Цель", "", "1", "ОС 0"}, {"X", "0.75", "0.75", ""}, {"X1", "1", "0.75", "ОС 0"},
                {"Y", "0.25", "0.25", crText + ", недостаточна"}}},
    };
    for (const CCase& c : cases) {
        const CHierarchyResults results = ComputeHierarchyResults(c.Tree);
        const CReportTable outline = HierarchyOutlineTable(c.Tree, results);
        EXPECT_EQ(outline.Header,
            (std::vector<std::string>{"Критерий", "Локальный приоритет", "Глобальный приоритет", "Согласованность"}));
        EXPECT_EQ(outline.Rows, c.Outline) << c.What;
    }

    const CHierarchy open = Tree(Upper(2, {0}), Upper(3, {2, 0, 0}));
    const CHierarchyResults results = ComputeHierarchyResults(open);
    EXPECT_EQ(HierarchyResultLines(open, results, ESynthesisMode::Ideal),
        std::vector<std::string>{HierarchyNotConnectedText(open, results)});
    const CReportTable goal = NodeJudgementTable(open, results, 0);
    EXPECT_EQ(goal.Header, (std::vector<std::string>{"Критерий", "1", "2", "Приоритет"}));
    EXPECT_EQ(goal.Rows, (CRows{{"1. X", "1", "—", "—"}, {"2. Y", "—", "1", "—"}}));
    EXPECT_EQ(NodeJudgementTable(open, results, 2).Header.front(), "Альтернатива");
}

// A rated tree's report keeps the leader's place changes with the leading alternatives by
// score only (not by number), in their order, and counts the rest.
TEST(TreeReportContent, RatedReportKeepsThePlaceChangesAmongTheLeaders)
{
    CHierarchySensitivity analysis;
    analysis.Nodes.resize(2);
    analysis.Nodes[0].Crossings = {{0.1, 3, 5, 3}, {0.2, 1, 3, 1}, {0.3, 3, 4, 4}};
    analysis.Nodes[1].Crossings = {{0.4, 0, 3, 0}};
    EXPECT_EQ(KeepLeadingCrossings(analysis, {3, 4, 1, 0, 5, 2}, 3), 2U);
    ASSERT_EQ(analysis.Nodes[0].Crossings.size(), 2U);
    EXPECT_EQ(analysis.Nodes[0].Crossings[0].Weight, 0.2);
    EXPECT_EQ(analysis.Nodes[0].Crossings[1].Weight, 0.3);
    EXPECT_TRUE(analysis.Nodes[1].Crossings.empty());
    EXPECT_EQ(LeftOutCrossingsText(3, 2),
        "Смены мест с лидером показаны только для 3 лучших альтернатив; не показано ещё 2.");
    EXPECT_EQ(LeftOutCrossingsText(3, 0), "");
}

// A criterion none of whose leading alternatives passes the leader: the note names how
// many were looked at only when they are fewer than all the alternatives.
TEST(TreeReportContent, TheUnchangedNoteCountsTheLeadersOnlyWhenSomeAreLeftOut)
{
    CHierarchy tree = Tree(Upper(2, {1}), Upper(3, {1, 1, 1}));
    CHierarchySensitivity analysis;
    CNodeSensitivity node;
    node.Node = 1;
    node.Weight = 0.5;
    node.HasLines = true;
    struct CCase {
        std::size_t Alternatives;
        std::size_t Leaders;
        std::string Note;
    };
    for (const CCase& c : std::vector<CCase>{
             {3, 0, "При любом весе этого элемента порядок альтернатив прежний."},
             {3, 10, "При любом весе этого критерия ни одна альтернатива не меняется местами с лидером."},
             {10, 10, "При любом весе этого критерия ни одна альтернатива не меняется местами с лидером."},
             {11, 10, "При любом весе этого критерия ни одна из 10 лучших альтернатив не меняется местами с лидером."},
         }) {
        while (tree.AlternativeCount() < c.Alternatives) {
            ASSERT_EQ(tree.AddAlternative(tree.AlternativeCount(), "Г" + std::to_string(tree.AlternativeCount())), "");
        }
        EXPECT_EQ(NodeSensitivityText(tree, analysis, node, '.', c.Leaders).Note, c.Note)
            << c.Alternatives << " " << c.Leaders;
    }
}
