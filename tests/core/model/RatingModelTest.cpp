#include "core/model/CHierarchy.h"
#include "support/RatedTree.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::int8_t> Column(const CHierarchy& tree, std::uint32_t node)
{
    return tree.Node(node).Ratings;
}

TEST(RatingModel, SwitchingDropsTheMatricesOneWayAndTheRatingsTheOther)
{
    CHierarchy tree("Цель");
    ASSERT_EQ(tree.AddAlternative(0, "А"), "");
    ASSERT_EQ(tree.AddAlternative(1, "Б"), "");
    ASSERT_EQ(tree.AddCriterion(0, 0, "К1"), "");
    ASSERT_EQ(tree.AddCriterion(0, 1, "К2"), "");
    ASSERT_EQ(tree.SetJudgements(1, Upper(2, {5})), "");
    const CHierarchy pairs = tree;
    ASSERT_EQ(tree.SetEvaluation(EAlternativeEvaluation::Ratings), "");
    EXPECT_EQ(tree.Scales(), ReadyRatingScales());
    EXPECT_EQ(tree.Node(1).Judgements.RowCountInUse(), 0U);
    EXPECT_EQ(Column(tree, 1), (std::vector<std::int8_t>{NotRated, NotRated}));
    EXPECT_NE(tree.SetJudgements(1, Upper(2, {5})), "");
    ASSERT_EQ(tree.SetRating(1, 0, 3), "");
    EXPECT_NE(tree.SetRating(1, 0, 4), ""); // the four-step scale has no fifth
    EXPECT_NE(tree.SetRating(0, 0, 0), ""); // the goal rates nothing
    for (int k = 2; k < 25; ++k) {
        ASSERT_EQ(tree.AddAlternative(0, "Н" + std::to_string(k)), "");
    }
    EXPECT_NE(tree.SetEvaluation(EAlternativeEvaluation::Pairs), ""); // 25 alternatives cannot be compared
    for (int k = 2; k < 25; ++k) {
        ASSERT_EQ(tree.RemoveAlternative(0), "");
    }
    ASSERT_EQ(tree.SetEvaluation(EAlternativeEvaluation::Pairs), "");
    CHierarchy judgedOnes = pairs;
    ASSERT_EQ(judgedOnes.SetJudgements(1, EqualJudgements(2)), "");
    EXPECT_EQ(tree, judgedOnes);
}

TEST(RatingModel, EditsKeepEveryRatingWithItsAlternativeAndCriterion)
{
    CHierarchy tree = SmallRatedTree(); // covering nodes 2 (Надёжность), 3, 4
    ASSERT_EQ(tree.AddAlternative(1, "Новая"), "");
    EXPECT_EQ(Column(tree, 3), (std::vector<std::int8_t>{0, NotRated, 1, 2, 0}));
    ASSERT_EQ(tree.MoveAlternative(0, 4), "");
    EXPECT_EQ(Column(tree, 3), (std::vector<std::int8_t>{NotRated, 1, 2, 0, 0}));
    ASSERT_EQ(tree.RemoveAlternative(1), "");
    EXPECT_EQ(Column(tree, 4), (std::vector<std::int8_t>{NotRated, NotRated, 0, 1}));
    // Надёжность gets a sub-criterion: its ratings go, the new criterion has none yet.
    ASSERT_EQ(tree.AddCriterion(2, 0, "Пунктуальность"), "");
    const std::uint32_t parent = *tree.NodeAt({"Надёжность"});
    const std::uint32_t child = *tree.NodeAt({"Надёжность", "Пунктуальность"});
    EXPECT_TRUE(tree.Node(parent).Ratings.empty());
    EXPECT_EQ(Column(tree, child), (std::vector<std::int8_t>(4, NotRated)));
    EXPECT_EQ(
        Column(tree, *tree.NodeAt({"Квалификация", "Опыт"})), (std::vector<std::int8_t>{NotRated, NotRated, 0, 1}));
    ASSERT_EQ(tree.RemoveCriterion(child), "");
    EXPECT_EQ(Column(tree, parent), (std::vector<std::int8_t>(4, NotRated)));
}

TEST(RatingModel, ScalesAndLimitsRefuseWhatWouldBreakARating)
{
    CHierarchy tree = SmallRatedTree();
    EXPECT_NE(tree.RemoveScale(0), ""); // Образование uses it
    EXPECT_NE(tree.SetScale(0, MakeRatingScale("s3", "Объём", {"Да", "Нет"}, {2})), ""); // В rated Малый
    EXPECT_NE(tree.AddScale(MakeRatingScale("s3", "Копия", {"Да", "Нет"}, {2})), "");    // id taken
    EXPECT_NE(tree.AddScale(MakeRatingScale("x", "Одна", {"Да"}, {})), "");
    ASSERT_EQ(tree.AddScale(ReadyRatingScales()[0]), "");
    ASSERT_EQ(tree.SetCriterionScale(3, 2), ""); // three intensities to four: ratings dropped
    EXPECT_EQ(Column(tree, 3), (std::vector<std::int8_t>(4, NotRated)));
    ASSERT_EQ(tree.RemoveScale(0), "");
    EXPECT_EQ(tree.Node(3).Scale, 1U);
    EXPECT_EQ(tree,
        *CHierarchy::MakeRated({tree.Node(0), tree.Node(1), tree.Node(2), tree.Node(3), tree.Node(4)},
            tree.Alternatives(), tree.Scales()));
    for (std::uint32_t a = 4; a < MaxRatedAlternatives; ++a) {
        ASSERT_EQ(tree.AddAlternative(a, "В" + std::to_string(a)), "");
    }
    EXPECT_NE(tree.AddAlternative(0, "Лишняя"), "");
    EXPECT_EQ(tree.AlternativeCount(), MaxRatedAlternatives);
}
} // namespace

TEST(RatingModel, NewIntensitiesKeepTheJudgementsOfTheNamesKeptAndNewScalesTakeAFreeId)
{
    const CRatingScale scale = MakeRatingScale("s1", "Объём", {"Большой", "Средний", "Малый"}, {3, 6, 2});
    struct CCase {
        std::vector<std::string> Intensities;
        std::vector<int> Upper;
    };
    const std::vector<CCase> cases{
        {{"Большой", "Средний", "Малый"}, {3, 6, 2}},
        {{"Большой", "Малый"}, {6}},
        {{"Огромный", "Большой", "Средний", "Малый"}, {1, 1, 1, 3, 6, 2}},
        {{"Малый", "Средний", "Большой"}, {-2, -6, -3}},
        {{"Да", "Нет"}, {1}},
    };
    for (const CCase& c : cases) {
        const CRatingScale changed = WithIntensities(scale, c.Intensities);
        EXPECT_EQ(changed, MakeRatingScale("s1", "Объём", c.Intensities, c.Upper)) << c.Intensities.front();
        EXPECT_EQ(RatingScaleProblem(changed), "");
    }
    std::vector<CRatingScale> scales = ReadyRatingScales();
    EXPECT_EQ(FreeScaleId(scales), "s1");
    scales.push_back(scale);
    scales.push_back(MakeRatingScale("s2", "Б", {"А", "Б"}, {2}));
    EXPECT_EQ(FreeScaleId(scales), "s3");
    EXPECT_EQ(FreeScaleId({}), "s1");
}
