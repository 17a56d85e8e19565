// A project held as a tree of criteria: its edits as undo steps, its results, its file.
#include "core/document/CProjectDocument.h"
#include "core/document/DocumentFile.h"
#include "core/document/ScaleRelisting.h"
#include "core/document/StepNames.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/RatingSynthesis.h"
#include "support/RatedTree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {
// Goal over A (over A1, A2) and B; X, Y, Z; A's and B's judgements not all 1.
CHierarchy Sample()
{
    CHierarchy h("Выбор");
    for (const char* name : {"X", "Y", "Z"}) {
        EXPECT_EQ(h.AddAlternative(h.AlternativeCount(), name), "");
    }
    EXPECT_EQ(h.AddCriterion(0, 0, "A"), "");
    EXPECT_EQ(h.AddCriterion(0, 1, "B"), "");
    EXPECT_EQ(h.AddCriterion(1, 0, "A1"), "");
    EXPECT_EQ(h.AddCriterion(1, 1, "A2"), "");
    CJudgementMatrix m = EqualJudgements(3);
    m(0, 1) = CJudgement::FromCode(4);
    m(1, 0) = CJudgement::FromCode(-4);
    m(1, 2) = CJudgement::FromCode(-3);
    m(2, 1) = CJudgement::FromCode(3);
    EXPECT_EQ(h.SetJudgements(2, m), "");
    EXPECT_EQ(h.SetJudgements(4, m), "");
    return h;
}

CJudgementMatrix Pair3()
{
    CJudgementMatrix m = EqualJudgements(2);
    m(0, 1) = CJudgement::FromCode(3);
    m(1, 0) = CJudgement::FromCode(-3);
    return m;
}
} // namespace

TEST(TreeDocument, EveryEditIsAStepUndoneAndRedoneByTheWholeTree)
{
    using CEdit = std::function<std::string(CProjectDocument&)>;
    const std::vector<std::pair<CEdit, std::string>> edits{
        {[](CProjectDocument& d) { return d.AddCriterion(2, 0, "B1"); }, "добавление критерия «B1»"},
        {[](CProjectDocument& d) { return d.RemoveCriterion(1); }, "удаление критерия «A»"},
        {[](CProjectDocument& d) { return d.MoveCriterion(3, 2, 0); }, "перемещение критерия «A1»"},
        {[](CProjectDocument& d) { return d.SetNodeText(1, "Цена", ""); }, "переименование «A» в «Цена»"},
        {[](CProjectDocument& d) { return d.SetNodeJudgements(0, Pair3()); }, "сравнения относительно «Выбор»"},
        {[](CProjectDocument& d) { return d.AddAlternative(0, "W"); }, "добавление альтернативы «W»"},
        {[](CProjectDocument& d) { return d.RemoveAlternative(1); }, "удаление альтернативы «Y»"},
        {[](CProjectDocument& d) { return d.MoveAlternative(0, 2); }, "перемещение альтернативы «X»"},
        {[](CProjectDocument& d) { return d.SetAlternativeText(2, "Z", "дорого"); },
            "изменение комментария альтернативы «Z»"},
    };
    const std::vector<std::string> names{AddCriterionStepName("B1"), RemoveCriterionStepName("A"),
        MoveCriterionStepName("A1"), EditCriterionStepName("A", "Цена", false), JudgingStepName("Выбор"),
        AddAlternativeStepName("W"), RemoveAlternativeStepName("Y"), MoveAlternativeStepName("X"),
        EditAlternativeStepName("Z", "Z", true)};
    CProjectDocument document;
    const CHierarchy before = Sample();
    document.BuildTree(before);
    for (std::size_t k = 0; k < edits.size(); ++k) {
        EXPECT_EQ(names[k], edits[k].second);
        document.MarkSaved();
        document.BeginStep();
        ASSERT_EQ(edits[k].first(document), "") << edits[k].second;
        const CHierarchyChange change = document.EndStep();
        ASSERT_TRUE(change.ChangesTree()) << edits[k].second;
        const CHierarchy after = document.Tree();
        EXPECT_TRUE(document.Modified());
        EXPECT_EQ(document.TreeResults().Distributive(), ComputeHierarchyResults(after).Distributive());

        document.UndoStep(change);
        ASSERT_TRUE(document.Tree() == before) << edits[k].second;
        EXPECT_EQ(document.TreeResults().Distributive(), ComputeHierarchyResults(before).Distributive());
        document.RedoStep(change);
        ASSERT_TRUE(document.Tree() == after) << edits[k].second;
        document.UndoStep(change);
    }

    // A refused edit and one that changes nothing are no step and no change.
    document.MarkSaved();
    document.BeginStep();
    EXPECT_NE(document.RemoveAlternative(7), "");
    EXPECT_EQ(document.SetNodeText(1, "A", ""), "");
    EXPECT_TRUE(document.EndStep().Empty());
    EXPECT_FALSE(document.Modified());
}

TEST(TreeDocument, RatingEditsAreStepsAndTheScoresFollowThem)
{
    using CEdit = std::function<std::string(CProjectDocument&)>;
    const CRatingScale renamed = MakeRatingScale("yn", "Да или нет", {"Есть", "Нет"}, {5});
    const std::vector<CEdit> edits{
        [](CProjectDocument& d) { return d.SetRating(2, 1, 0); },
        [](CProjectDocument& d) {
            return d.SetRatings({{2, 0, 1}, {3, 3, NotRated}, {4, 2, 0}});
        },
        [](CProjectDocument& d) {
            return d.SetScale(1, MakeRatingScale("yn", "Да или нет", {"Да", "Нет"}, {7}));
        },
        [&renamed](CProjectDocument& d) { return d.SetScale(1, renamed); },
        [](CProjectDocument& d) { return d.AddScale(ReadyRatingScales()[0]); },
        [](CProjectDocument& d) { return d.SetEvaluation(EAlternativeEvaluation::Pairs); },
    };
    CProjectDocument document;
    const CHierarchy before = SmallRatedTree();
    document.BuildTree(before);
    const std::vector<double> scoresBefore = document.RatingResults().Scores();
    for (std::size_t k = 0; k < edits.size(); ++k) {
        document.MarkSaved();
        document.BeginStep();
        ASSERT_EQ(edits[k](document), "") << k;
        const CHierarchyChange change = document.EndStep();
        ASSERT_TRUE(change.ChangesTree()) << k;
        EXPECT_TRUE(document.Modified());
        const CHierarchy after = document.Tree();
        EXPECT_EQ(document.RatingResults().Scores(), ComputeRatingResults(after).Scores()) << k;
        document.UndoStep(change);
        ASSERT_TRUE(document.Tree() == before) << k;
        EXPECT_EQ(document.RatingResults().Scores(), scoresBefore) << k;
    }

    // An import with one bad cell changes no cell; cells that hold their intensity are no change.
    document.MarkSaved();
    document.BeginStep();
    EXPECT_NE(document.SetRatings({{2, 0, 1}, {3, 1, 3}}), "");
    EXPECT_EQ(document.SetRatings({{2, 0, 0}, {4, 2, NotRated}}), "");
    EXPECT_EQ(document.SetEvaluation(EAlternativeEvaluation::Ratings), "");
    EXPECT_TRUE(document.EndStep().Empty());
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(document.Tree() == before);
}

TEST(TreeDocument, ALayeredProjectTurnedIntoATreeKeepsItsFiguresAndIsUndone)
{
    CProjectDocument document;
    document.BuildNewHierarchy(3, 4, "ЦЕЛЬ", "");
    EXPECT_NE(document.AddCriterion(0, 0, "A"), ""); // layers have no criteria to add
    CJudgementMatrix goal = EqualJudgements(3);
    goal(0, 2) = CJudgement::FromCode(5);
    goal(2, 0) = CJudgement::FromCode(-5);
    ASSERT_TRUE(document.CommitJudgements(0, 0, goal, 3));
    ASSERT_TRUE(document.CommitJudgements(1, 2, goal, 3));
    document.BeginStep();
    ASSERT_EQ(document.ConvertToTree(), "");
    const CHierarchyChange change = document.EndStep();
    ASSERT_TRUE(document.IsTree());
    EXPECT_EQ(document.Tree().NodeCount(), 1U + 3U + 9U); // each middle element under each parent
    for (std::uint32_t a = 0; a < 3; ++a) {
        // The copies' shares are summed in another order: equal to rounding.
        EXPECT_NEAR(document.TreeResults().Distributive()[a], document.Results().GlobalPriority()(a, 3), 1e-15) << a;
    }
    EXPECT_EQ(ConvertToTreeStepName(), "преобразование в дерево");

    document.UndoStep(change);
    EXPECT_FALSE(document.IsTree());
    document.RedoStep(change);
    EXPECT_TRUE(document.IsTree());
}

TEST(TreeDocument, SavedAndReopenedAsATreeFile)
{
    std::string folder = (std::filesystem::temp_directory_path() / "tessaly-tree-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::string file = folder + "/проект.tsj";

    CProjectDocument document;
    document.BuildTree(Sample());
    ASSERT_EQ(document.SetNodeText(3, "Цена покупки", "с налогом"), "");
    ASSERT_TRUE(document.Modified());
    // A failed save changes nothing about the document.
    std::string reason;
    EXPECT_NE(SaveDocument(document, folder + "/нет/проект.tsj", &reason), EWriteResult::Ok);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.FileName(), "");

    ASSERT_EQ(SaveDocument(document, file, &reason), EWriteResult::Ok) << reason;
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.FileName(), file);

    CProjectDocument reopened;
    ASSERT_TRUE(ReadTreeDocument(reopened, file).Succeeded());
    ASSERT_TRUE(reopened.IsTree());
    EXPECT_TRUE(reopened.Tree() == document.Tree());
    EXPECT_FALSE(reopened.Modified());
    EXPECT_EQ(reopened.TreeResults().Ideal(), document.TreeResults().Ideal());

    // A damaged file leaves the document as it was.
    std::filesystem::resize_file(file, 40);
    EXPECT_FALSE(ReadTreeDocument(reopened, file).Succeeded());
    EXPECT_TRUE(reopened.Tree() == document.Tree());
    std::filesystem::remove_all(folder);
}

TEST(TreeDocument, ARelistedScaleKeepsEveryRatingWithItsIntensity)
{
    CProjectDocument document;
    document.BuildTree(SmallRatedTree());
    // Объём (Большой, Средний, Малый) rates Образование: А Большой, Б Средний, В Малый, Г Большой.
    ASSERT_EQ(RelistScale(document, 0, {"Огромный", "Малый", "Средний"}), "");
    const CHierarchy& tree = document.Tree();
    EXPECT_EQ(tree.Scales()[0], WithIntensities(SmallRatedTree().Scales()[0], {"Огромный", "Малый", "Средний"}));
    EXPECT_EQ(tree.Node(3).Ratings, (std::vector<std::int8_t>{NotRated, 2, 1, NotRated}));
    EXPECT_EQ(tree.Node(2).Ratings, SmallRatedTree().Node(2).Ratings); // another scale's
    // A list the scale cannot hold changes nothing.
    for (const std::vector<std::string>& refused : {std::vector<std::string>{"Один"}, {"А", "А"}}) {
        EXPECT_NE(RelistScale(document, 0, refused), "");
        EXPECT_EQ(document.Tree().Scales()[0].Intensities.size(), 3U);
    }
    EXPECT_NE(RelistScale(document, 2, {"А", "Б"}), "");
}
