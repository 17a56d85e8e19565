// Judging the criteria of a tree through the one session the layered elements use.
#include "core/document/CProjectDocument.h"
#include "core/judgement/CJudgingSession.h"
#include "core/results/HierarchySynthesis.h"
#include "support/UpperJudgements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {
// Codes typed as the keys give them: a digit, or '/' and a digit for the column element.
void TypeCodes(CJudgingSession& session, const std::vector<int>& codes)
{
    for (const int code : codes) {
        if (code < 0) {
            session.TypeCharacter('/');
        }
        ASSERT_TRUE(session.TypeCharacter(static_cast<char>('0' + std::abs(code))));
    }
}

// Goal over A (over A1, A2), B (covering) and C (over C1 alone); X, Y, Z.
CHierarchy SmallTree()
{
    CHierarchy h("Выбор");
    for (const char* name : {"X", "Y", "Z"}) {
        EXPECT_EQ(h.AddAlternative(h.AlternativeCount(), name), "");
    }
    EXPECT_EQ(h.AddCriterion(0, 0, "A"), "");
    EXPECT_EQ(h.AddCriterion(0, 1, "B"), "");
    EXPECT_EQ(h.AddCriterion(0, 2, "C"), "");
    EXPECT_EQ(h.AddCriterion(1, 0, "A1"), "");
    EXPECT_EQ(h.AddCriterion(1, 1, "A2"), "");
    EXPECT_EQ(h.AddCriterion(3, 0, "C1"), "");
    return h;
}
} // namespace

TEST(TreeJudging, EveryCriterionTypedGivesTheResultsOfTheHierarchyBuiltDirectly)
{
    CProjectDocument document;
    document.BuildTree(SmallTree());
    CHierarchy expected = SmallTree();
    CJudgingSession session;
    EXPECT_FALSE(session.OpenNode(document, 3)); // C has one child: nothing to judge
    EXPECT_FALSE(session.OpenNode(document, 7));

    struct CCase {
        std::uint32_t Node;
        std::vector<int> Codes;
        std::vector<std::string> Names;
    };
    const std::vector<CCase> cases{
        {0, {3, 5, 2}, {"A", "B", "C"}},
        {1, {-4}, {"A1", "A2"}},
        {2, {2, -3, -5}, {"X", "Y", "Z"}},
        {4, {7, 1, -2}, {"X", "Y", "Z"}},
        {5, {-3, -6, 4}, {"X", "Y", "Z"}},
        {6, {9, 8, 1}, {"X", "Y", "Z"}},
    };
    for (const CCase& c : cases) {
        ASSERT_TRUE(session.OpenNode(document, c.Node)) << c.Node;
        EXPECT_EQ(session.JudgedName(), document.Tree().Node(c.Node).Name);
        ASSERT_EQ(session.Order(), c.Names.size());
        for (std::uint32_t k = 0; k < session.Order(); ++k) {
            EXPECT_EQ(session.ComparedName(k), c.Names[k]) << c.Node;
        }
        TypeCodes(session, c.Codes);
        ASSERT_EQ(expected.SetJudgements(c.Node, Upper(session.Order(), c.Codes)), "");
        // The last one is committed by closing alone, as the window's end commits it.
        if (c.Node != 6) {
            session.Apply();
            EXPECT_EQ(session.ShownResult().Local, document.TreeResults().Node(c.Node).Local) << c.Node;
        }
        session.Close();
    }
    EXPECT_TRUE(document.Modified());
    ASSERT_TRUE(document.Tree() == expected);
    const CHierarchyResults direct = ComputeHierarchyResults(expected);
    EXPECT_EQ(document.TreeResults().Distributive(), direct.Distributive());
    EXPECT_EQ(document.TreeResults().Ideal(), direct.Ideal());
    EXPECT_EQ(document.TreeResults().Globals(), direct.Globals());

    // An opening that changes nothing leaves the project unchanged.
    document.MarkSaved();
    ASSERT_TRUE(session.OpenNode(document, 0));
    session.Apply();
    session.Close();
    EXPECT_FALSE(document.Modified());
}

TEST(TreeJudging, TwentyAlternativesTypedFromTheKeys)
{
    CHierarchy h("Выбор");
    for (int k = 1; k <= 20; ++k) {
        ASSERT_EQ(h.AddAlternative(h.AlternativeCount(), "Вариант " + std::to_string(k)), "");
    }
    ASSERT_EQ(h.AddCriterion(0, 0, "P"), "");
    ASSERT_EQ(h.AddCriterion(0, 1, "Q"), "");
    CProjectDocument document;
    document.BuildTree(h);
    CJudgingSession session;
    ASSERT_TRUE(session.OpenNode(document, 1));
    ASSERT_EQ(session.Order(), 20U);
    EXPECT_EQ(session.ComparedName(19), "Вариант 20");

    std::vector<int> codes;
    for (int k = 0; k < 190; ++k) {
        const int v = k % 9 + 1;
        codes.push_back(v != 1 && (k / 9) % 2 == 1 ? -v : v);
    }
    TypeCodes(session, codes);
    // The last upper cell typed, the first is current again.
    EXPECT_EQ(session.CurrentRow(), 0U);
    EXPECT_EQ(session.CurrentColumn(), 1U);
    session.Apply();
    EXPECT_TRUE(document.Tree().Node(1).Judgements == Upper(20, codes));

    // Row geometric means and lambda-max computed here from the codes alone.
    double a[20][20];
    std::size_t k = 0;
    for (int r = 0; r < 20; ++r) {
        a[r][r] = 1.0;
        for (int c = r + 1; c < 20; ++c, ++k) {
            a[r][c] = codes[k] > 0 ? codes[k] : -1.0 / codes[k];
            a[c][r] = 1.0 / a[r][c];
        }
    }
    std::vector<double> w(20);
    double sum = 0.0;
    for (int r = 0; r < 20; ++r) {
        double logs = 0.0;
        for (int c = 0; c < 20; ++c) {
            logs += std::log(a[r][c]);
        }
        w[r] = std::exp(logs / 20.0);
        sum += w[r];
    }
    double lambda = 0.0;
    for (int r = 0; r < 20; ++r) {
        w[r] /= sum;
    }
    for (int r = 0; r < 20; ++r) {
        double row = 0.0;
        for (int c = 0; c < 20; ++c) {
            row += a[r][c] * w[c];
        }
        lambda += row / w[r] / 20.0;
    }
    const double cr = (lambda - 20.0) / 19.0 / 1.634037;
    const std::array<double, MaxMatrixOrder> working = session.WideWorkingPriorities();
    const std::array<double, MaxElementsPerLevel> firstNine = session.WorkingPriorities();
    for (std::uint32_t i = 0; i < 20; ++i) {
        EXPECT_NEAR(session.ShownResult().Local[i], w[i], 1e-14) << i;
        EXPECT_NEAR(working[i], w[i], 1e-14) << i;
        if (i < MaxElementsPerLevel) {
            EXPECT_EQ(firstNine[i], working[i]);
        }
    }
    EXPECT_NEAR(session.ShownResult().Measures.LambdaMax, lambda, 1e-10);
    EXPECT_NEAR(session.ShownResult().Measures.CR, cr, 1e-6);
    // The verdict speaks of the whole matrix of twenty.
    const CConsistencyGuidance guidance = session.Guidance();
    EXPECT_EQ(guidance.Order, 20U);
    EXPECT_NEAR(guidance.Measures.CR, cr, 1e-6);
    EXPECT_EQ(guidance.Acceptable(), cr <= 0.10);
}

TEST(TreeJudging, AScaleJudgedFromTheKeysIsStoredWithItsIdealValues)
{
    CProjectDocument document;
    CHierarchy tree = SmallTree();
    ASSERT_EQ(tree.SetEvaluation(EAlternativeEvaluation::Ratings), "");
    document.BuildTree(tree);
    CJudgingSession session;
    EXPECT_FALSE(session.OpenScale(document, 2));
    CProjectDocument pairs;
    pairs.BuildTree(SmallTree());
    EXPECT_FALSE(session.OpenScale(pairs, 0));

    // Every judgement of the four-step scale typed anew, one edit of the scale.
    ASSERT_EQ(document.SetScale(0, MakeRatingScale("s4", tree.Scales()[0].Name, tree.Scales()[0].Intensities, {})), "");
    ASSERT_TRUE(session.OpenScale(document, 0));
    EXPECT_EQ(session.JudgedScale(), std::optional<std::uint32_t>(0));
    EXPECT_FALSE(session.JudgedNode().has_value());
    EXPECT_EQ(session.JudgedName(), tree.Scales()[0].Name);
    EXPECT_EQ(session.ComparedName(2), "Удовлетворительно");
    EXPECT_EQ(session.ShownResult().Local, std::vector<double>(4, 0.25));
    TypeCodes(session, {2, 4, 6, 2, 4, 2});
    document.BeginStep();
    session.Close();
    EXPECT_FALSE(document.EndStep().Empty());
    EXPECT_EQ(document.Tree().Scales()[0], ReadyRatingScales()[0]);
    const std::vector<double> ideal{1, 0.537285, 0.268642, 0.144338};
    for (std::size_t k = 0; k < ideal.size(); ++k) {
        EXPECT_NEAR(document.RatingResults().Scales()[0].Ideal[k], ideal[k], 5e-7) << k;
    }
}
