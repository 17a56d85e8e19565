#include "GroupTestSupport.h"
#include "support/ModelEdits.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupReportContent.h"
#include "core/group/PriorityAggregation.h"
#include "core/model/CUserProjectModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {
using CProjectPtr = std::unique_ptr<CUserProjectModel>;

CGroupMember Member(const std::string& name, double weight = 1.0)
{
    return CGroupMember{"/nonexistent-group-test/" + name + ".tsy", name, weight};
}

// A decision of the projects as experts "e1", "e2", ... with the given weights.
std::unique_ptr<CGroupDecision> Decision(const std::vector<const CUserProjectModel*>& projects,
    const std::vector<double>& weights = {}, const std::vector<std::string>& names = {})
{
    auto decision = std::make_unique<CGroupDecision>();
    for (std::size_t k = 0; k < projects.size(); ++k) {
        const std::string name = k < names.size() ? names[k] : "e" + std::to_string(k + 1);
        const std::string problem
            = decision->AddExpert(Member(name, k < weights.size() ? weights[k] : 1.0), *projects[k]);
        EXPECT_EQ(problem, "");
    }
    return decision;
}

// ---- The long way, kept apart from the code under test ----

using CSquare = std::vector<std::vector<double>>;

CSquare Square(const CJudgementMatrix& matrix, std::uint32_t n)
{
    CSquare square(n, std::vector<double>(n));
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = 0; j < n; ++j) {
            square[i][j] = matrix(i, j).Value();
        }
    }
    return square;
}

std::vector<double> RowGeometricMeans(const CSquare& a)
{
    const std::size_t n = a.size();
    std::vector<double> w(n);
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double logs = 0.0;
        for (std::size_t j = 0; j < n; ++j) {
            logs += std::log(a[i][j]);
        }
        w[i] = std::exp(logs / static_cast<double>(n));
        sum += w[i];
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

double ReferenceGci(const CSquare& a, const std::vector<double>& w)
{
    const std::size_t n = a.size();
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            const double e = std::log(a[i][j] * w[j] / w[i]);
            sum += e * e;
        }
    }
    return 2.0 * sum / static_cast<double>((n - 1) * (n - 2));
}

// CR = (lambda - n) / (n - 1) / RI with lambda the mean of (A w)_i / w_i.
double ReferenceCr(const CSquare& a)
{
    const std::vector<double> w = RowGeometricMeans(a);
    const std::size_t n = a.size();
    double lambda = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double row = 0.0;
        for (std::size_t j = 0; j < n; ++j) {
            row += a[i][j] * w[j];
        }
        lambda += row / w[i] / static_cast<double>(n);
    }
    const double randomIndex[] = {0, 0, 0, 0.58, 0.9, 1.12};
    return (lambda - static_cast<double>(n)) / static_cast<double>(n - 1) / randomIndex[n];
}

double ReferenceDistance(const std::vector<double>& expert, std::span<const double> group)
{
    double d = 0.0;
    for (std::size_t i = 0; i < expert.size(); ++i) {
        d += std::abs(std::log(expert[i]) - std::log(group[i]));
    }
    return d;
}

std::vector<double> Vector(std::span<const double> span)
{
    return {span.begin(), span.end()};
}

std::span<const double> GroupLocal(const CGroupDecision& decision, std::uint32_t position, std::uint32_t level)
{
    const CGroupElementResult* element = decision.Result().ElementAt(CElementSlot{position, level});
    EXPECT_NE(element, nullptr);
    return {decision.Result().Group.LevelData(position, level).Priority.data(), element ? element->Aggregate.Order : 0};
}

constexpr CElementSlot Goal{0, 0};
} // namespace

TEST(GroupDecision, TwoExpertsOverCriteriaJudgedEqual)
{
    const auto first = CriteriaProject({3, 5, 2});
    const auto second = CriteriaProject({-2, 4, 6});
    const auto decision = Decision({first.get(), second.get()});
    const CGroupResult& result = decision->Result();
    ASSERT_EQ(result.Elements.size(), 4U);
    EXPECT_EQ(result.Weights, (std::vector<double>{0.5, 0.5}));

    const CGroupElementResult& goal = result.Elements[0];
    EXPECT_EQ(goal.Slot, Goal);
    const double upper[3] = {1.224745, 4.472136, 3.464102};
    const double spread[3] = {3.550063, 1.170916, 2.174581};
    const std::uint32_t rows[3] = {0, 0, 1};
    const std::uint32_t cols[3] = {1, 2, 2};
    for (int p = 0; p < 3; ++p) {
        EXPECT_NEAR(goal.Aggregate.Judgements(rows[p], cols[p]).Value(), upper[p], 5e-7);
        EXPECT_NEAR(goal.Aggregate.Spread[rows[p]][cols[p]].value_or(0.0), spread[p], 5e-7);
        // The model the group's priorities come from holds the same combined judgements.
        EXPECT_EQ(
            decision->Model().Element(0, 0).Judgements(rows[p], cols[p]), goal.Aggregate.Judgements(rows[p], cols[p]));
    }
    const std::vector<double> group = Vector(GroupLocal(*decision, 0, 0));
    const double expectedGroup[3] = {0.492647, 0.395243, 0.112111};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(group[i], expectedGroup[i], 5e-7);
    }
    EXPECT_NEAR(result.Group.LevelData(0, 0).CR, 0.000266, 5e-7);
    ASSERT_TRUE(goal.Gci.has_value());
    const CSquare combined = Square(goal.Aggregate.Judgements, 3);
    EXPECT_NEAR(*goal.Gci, ReferenceGci(combined, RowGeometricMeans(combined)), 1e-14);
    ASSERT_TRUE(goal.WidestSpread.has_value());
    EXPECT_EQ(goal.WidestSpread->Row, 0U);
    EXPECT_EQ(goal.WidestSpread->Column, 1U);

    const std::vector<double> own[2]
        = {Vector(decision->ExpertPriorities(0, Goal)), Vector(decision->ExpertPriorities(1, Goal))};
    const double expectedOwn[2][3] = {{0.648329, 0.229651, 0.122020}, {0.323386, 0.587631, 0.088983}};
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(own[k][i], expectedOwn[k][i], 5e-7);
        }
    }
    ASSERT_TRUE(goal.Consensus.has_value());
    EXPECT_NEAR(goal.Consensus->HAlpha, 0.884133, 5e-7);
    EXPECT_NEAR(goal.Consensus->HGamma, 0.953688, 5e-7);
    EXPECT_NEAR(goal.Consensus->HBeta, 0.069555, 5e-7);
    EXPECT_NEAR(goal.Consensus->SStar, 0.828823, 5e-7);
    EXPECT_NEAR(goal.Consensus->S, 0.899213, 5e-7);
    EXPECT_EQ(ConsensusBandOf(goal.Consensus->SStar), EConsensusBand::High);
    EXPECT_TRUE(goal.LeftOut.empty());
    const double crs[2]
        = {ReferenceCr(Square(FromUpper(3, {3, 5, 2}), 3)), ReferenceCr(Square(FromUpper(3, {-2, 4, 6}), 3))};
    for (int k = 0; k < 2; ++k) {
        EXPECT_NEAR(decision->ExpertResults(k).LevelData(0, 0).CR, crs[k], 1e-12);
    }
    EXPECT_EQ(goal.LargestCrExpert, std::optional<std::size_t>(crs[1] > crs[0] ? 1 : 0));

    // Distances from the group's vector, the farther expert first.
    ASSERT_EQ(goal.Distances.size(), 2U);
    const double d0 = ReferenceDistance(own[0], group);
    const double d1 = ReferenceDistance(own[1], group);
    EXPECT_EQ(goal.Distances[0].Expert, d0 > d1 ? 0U : 1U);
    EXPECT_NEAR(goal.Distances[0].Distance, std::max(d0, d1), 1e-12);
    EXPECT_NEAR(goal.Distances[1].Distance, std::min(d0, d1), 1e-12);

    // Criteria judged alike by both: complete agreement, every global weight its group's.
    for (std::uint32_t c = 0; c < 3; ++c) {
        const CGroupElementResult& criterion = result.Elements[1 + c];
        EXPECT_EQ(criterion.Slot, (CElementSlot{c, 1}));
        EXPECT_NEAR(criterion.Consensus.value_or(CConsensus{}).SStar, 1.0, 1e-12);
        EXPECT_NEAR(criterion.Aggregate.Spread[0][1].value_or(0.0), 1.0, 1e-15);
        EXPECT_FALSE(criterion.Gci.has_value()); // a pair has none
        EXPECT_NEAR(criterion.GlobalPriority, expectedGroup[c], 5e-7);
    }
    EXPECT_DOUBLE_EQ(goal.GlobalPriority, 1.0);
    // (1 * 0.828823 + the criteria's global weights, summing to 1, * 1) / 2.
    EXPECT_NEAR(result.OverallConsensus.value_or(-1.0), (0.828823 + 1.0) / 2.0, 5e-7);

    // The alternatives are equal under every criterion, for everybody.
    ASSERT_EQ(result.Ranking.Count, 2U);
    EXPECT_NEAR(result.Ranking.Rows[0].Value, 0.5, 1e-15);
    EXPECT_EQ(result.RankingProblem, "");
    EXPECT_EQ(result.AipArithmetic.size(), 2U);
    EXPECT_NEAR(result.AipGeometric.at(1), 0.5, 1e-15);
    EXPECT_NEAR(result.FinalAgreement.value_or(CConsensus{}).SStar, 1.0, 1e-12);
    EXPECT_TRUE(decision->ExpertsWithoutFinal().empty());

    EXPECT_EQ(OverallConsensusLine(*decision), "Общее согласие группы: 91.4 % (очень высокое согласие)");
    EXPECT_EQ(FinalAgreementLine(*decision, ','),
        "Однородность итоговых приоритетов: S* 100 % (очень высокое согласие), S 100 %");
    EXPECT_EQ(ConsensusText(goal.Consensus->SStar, ','), "82,8 % (высокое согласие)");
    EXPECT_EQ(SpreadText("А", "Б", *goal.Aggregate.Spread[0][1]), "«А» и «Б»: ГСО 3.55");
}

TEST(GroupDecision, ThreeExpertsEachPreferringAnotherCriterionCancelOut)
{
    const auto a = CriteriaProject({9, 9, 1});
    const auto b = CriteriaProject({-9, 1, 9});
    const auto c = CriteriaProject({1, -9, -9});
    const auto decision = Decision({a.get(), b.get(), c.get()});
    const CGroupResult& result = decision->Result();
    const CGroupElementResult& goal = result.Elements.at(0);
    for (std::uint32_t i = 0; i < 3; ++i) {
        for (std::uint32_t j = i + 1; j < 3; ++j) {
            EXPECT_NEAR(goal.Aggregate.Judgements(i, j).Value(), 1.0, 1e-15);
            EXPECT_NEAR(goal.Aggregate.Spread[i][j].value_or(0.0), 9.0, 1e-12);
        }
        EXPECT_NEAR(GroupLocal(*decision, 0, 0)[i], 1.0 / 3.0, 1e-15);
    }
    EXPECT_NEAR(goal.Consensus.value_or(CConsensus{}).SStar, 0.0, 1e-12);
    EXPECT_EQ(ConsensusText(goal.Consensus->SStar), "0 % (очень низкое согласие)");
    // The goal agrees not at all (weight 1), the criteria fully (weights 1/3 each).
    EXPECT_NEAR(result.OverallConsensus.value_or(-1.0), 0.5, 1e-12);
    // Each expert's distance: the same by symmetry.
    ASSERT_EQ(goal.Distances.size(), 3U);
    EXPECT_NEAR(goal.Distances[0].Distance, goal.Distances[2].Distance, 1e-12);
    EXPECT_EQ(goal.Distances[0].Expert, 0U); // equal distances keep the experts' order
}

TEST(GroupDecision, OneExpertIsHisOwnResult)
{
    const auto only = CriteriaProject({3, 5, 2});
    SetPair(*only, 1, 1, 0, 1, 4);
    const auto decision = Decision({only.get()}, {7.0});
    const CGroupResult& result = decision->Result();
    EXPECT_EQ(result.Weights, (std::vector<double>{1.0}));
    const CProjectResults own = ComputeResults(*only);
    for (const CGroupElementResult& element : result.Elements) {
        const auto [p, l] = element.Slot;
        for (std::uint32_t i = 0; i < element.Aggregate.Order; ++i) {
            EXPECT_NEAR(result.Group.LevelData(p, l).Priority[i], own.LevelData(p, l).Priority[i], 1e-14);
            for (std::uint32_t j = 0; j < element.Aggregate.Order; ++j) {
                EXPECT_FALSE(element.Aggregate.Spread[i][j].has_value());
            }
        }
        EXPECT_NEAR(result.Group.LevelData(p, l).CR, own.LevelData(p, l).CR, 1e-12);
        EXPECT_FALSE(element.Consensus.has_value());
    }
    const CResultList ownRanking = FinalResults(*only, own);
    ASSERT_EQ(result.Ranking.Count, ownRanking.Count);
    for (std::uint32_t r = 0; r < ownRanking.Count; ++r) {
        EXPECT_EQ(result.Ranking.Rows[r].Name, ownRanking.Rows[r].Name);
        EXPECT_NEAR(result.Ranking.Rows[r].Value, ownRanking.Rows[r].Value, 1e-14);
        EXPECT_NEAR(result.AipArithmetic[result.Ranking.Rows[r].Position], ownRanking.Rows[r].Value, 1e-15);
        EXPECT_NEAR(result.AipGeometric[result.Ranking.Rows[r].Position], ownRanking.Rows[r].Value, 1e-15);
    }
    // The ideal synthesis of the group is the project's ideal synthesis of the same judgements.
    const CResultList ownIdeal = FinalResults(*only, own, ESynthesisMode::Ideal);
    ASSERT_EQ(result.IdealRanking.Count, ownIdeal.Count);
    for (std::uint32_t r = 0; r < ownIdeal.Count; ++r) {
        EXPECT_EQ(result.IdealRanking.Rows[r].Position, ownIdeal.Rows[r].Position);
        EXPECT_NEAR(result.IdealRanking.Rows[r].Value, ownIdeal.Rows[r].Value, 1e-14);
    }
    EXPECT_FALSE(result.KendallW.has_value());
    EXPECT_FALSE(result.OverallConsensus.has_value());
    EXPECT_FALSE(result.FinalAgreement.has_value());
    EXPECT_EQ(OverallConsensusLine(*decision), "Согласие группы не определено: в группе один эксперт");
    EXPECT_EQ(FinalAgreementLine(*decision), "Однородность итоговых приоритетов не определена: в группе один эксперт");
}

// A weight of 2 counts an expert twice: the group of (a, 2) and (b, 1) is the group of
// a, a copy of a and b; the weights recompute at once and off means equal weights.
TEST(GroupDecision, WeightsCountAnExpertSeveralTimesAndRecomputeAtOnce)
{
    const auto a = CriteriaProject({3, 5, 2});
    SetPair(*a, 2, 1, 0, 1, -3);
    const auto b = CriteriaProject({-2, 4, 0});
    SetPair(*b, 2, 1, 0, 1, 5);
    const auto copy = CriteriaProject({3, 5, 2});
    SetPair(*copy, 2, 1, 0, 1, -3);
    const auto twice = Decision({a.get(), copy.get(), b.get()});
    const auto weighted = Decision({a.get(), b.get()}, {1.0, 1.0});

    const auto expectSame = [](const CGroupDecision& x, const CGroupDecision& y) {
        const CGroupResult& rx = x.Result();
        const CGroupResult& ry = y.Result();
        ASSERT_EQ(rx.Elements.size(), ry.Elements.size());
        for (std::size_t e = 0; e < rx.Elements.size(); ++e) {
            const CGroupElementResult& ex = rx.Elements[e];
            const CGroupElementResult& ey = ry.Elements[e];
            for (std::uint32_t i = 0; i < ex.Aggregate.Order; ++i) {
                for (std::uint32_t j = 0; j < ex.Aggregate.Order; ++j) {
                    EXPECT_NEAR(ex.Aggregate.Judgements(i, j).Value(), ey.Aggregate.Judgements(i, j).Value(), 1e-14);
                }
                EXPECT_NEAR(rx.Group.LevelData(ex.Slot.Position, ex.Slot.Level).Priority[i],
                    ry.Group.LevelData(ey.Slot.Position, ey.Slot.Level).Priority[i], 1e-14);
            }
            EXPECT_NEAR(ex.Consensus.value_or(CConsensus{}).SStar, ey.Consensus.value_or(CConsensus{}).SStar, 1e-13);
        }
        for (std::uint32_t i = 0; i < 2; ++i) {
            EXPECT_NEAR(rx.AipArithmetic.at(i), ry.AipArithmetic.at(i), 1e-14);
            EXPECT_NEAR(rx.AipGeometric.at(i), ry.AipGeometric.at(i), 1e-14);
        }
        EXPECT_NEAR(rx.OverallConsensus.value_or(-1.0), ry.OverallConsensus.value_or(-1.0), 1e-13);
        EXPECT_NEAR(
            rx.FinalAgreement.value_or(CConsensus{}).SStar, ry.FinalAgreement.value_or(CConsensus{}).SStar, 1e-13);
    };
    const std::vector<double> before = weighted->Result().AipArithmetic;
    EXPECT_TRUE(weighted->SetWeight(0, 2.0));
    EXPECT_EQ(weighted->Member(0).Weight, 2.0);
    EXPECT_NE(weighted->Result().AipArithmetic, before);
    EXPECT_NEAR(weighted->Result().Weights.at(0), 2.0 / 3.0, 1e-15);
    expectSame(*weighted, *twice);

    // Off: every expert weighs the same, whatever his weight; on again: the weights count.
    weighted->SetUseExpertWeights(false);
    EXPECT_EQ(weighted->Result().Weights, (std::vector<double>{0.5, 0.5}));
    EXPECT_EQ(weighted->Result().AipArithmetic, before);
    EXPECT_TRUE(weighted->SetWeight(0, 2.0));
    weighted->SetUseExpertWeights(true);
    expectSame(*weighted, *twice);

    // A weight that is not a positive number changes nothing.
    for (const double bad : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
        EXPECT_FALSE(weighted->SetWeight(1, bad));
    }
    EXPECT_FALSE(weighted->SetWeight(2, 1.0));
    EXPECT_EQ(weighted->Member(1).Weight, 1.0);
    expectSame(*weighted, *twice);
}

// Abstentions: a pair left out by one expert is the others' judgement; an expert whose
// judgements of an element do not connect it is left out of its consensus, of the
// distances and, having no final priorities, of the aggregated priorities.
TEST(GroupDecision, AbstentionsAndExpertsLeftOut)
{
    const auto a = CriteriaProject({3, 5, 2});
    const auto b = CriteriaProject({-2, 4, 0}); // Б-В left out
    const auto c = CriteriaProject({-4, 0, 0}); // only А-Б: В is not connected
    const auto decision = Decision({a.get(), b.get(), c.get()}, {}, {"Анна", "Борис", "Вера"});
    const CGroupResult& result = decision->Result();
    const CGroupElementResult& goal = result.Elements.at(0);
    EXPECT_EQ(goal.Aggregate.JudgedBy[0][1], 3U);
    EXPECT_EQ(goal.Aggregate.JudgedBy[0][2], 2U);
    EXPECT_EQ(goal.Aggregate.JudgedBy[1][2], 1U);
    // Б-В: Анна's 2 alone, no spread.
    EXPECT_NEAR(goal.Aggregate.Judgements(1, 2).Value(), 2.0, 1e-15);
    EXPECT_FALSE(goal.Aggregate.Spread[1][2].has_value());
    EXPECT_NEAR(goal.Aggregate.Judgements(0, 2).Value(), std::sqrt(20.0), 1e-14);
    EXPECT_NEAR(goal.Aggregate.Judgements(0, 1).Value(), std::cbrt(3.0 / 2.0 / 4.0), 1e-14);

    EXPECT_EQ(goal.LeftOut, (std::vector<std::size_t>{2}));
    EXPECT_EQ(decision->ExpertPriorities(2, Goal).size(), 0U);
    const std::vector<double> wa = Vector(decision->ExpertPriorities(0, Goal));
    const std::vector<double> wb = Vector(decision->ExpertPriorities(1, Goal));
    // Борис's two judgements form a tree, which least squares meets exactly:
    // w_Б / w_В = (w_А / w_В) / (w_А / w_Б) = 4 / (1/2).
    EXPECT_NEAR(wb[1] / wb[2], 8.0, 1e-12);
    const std::vector<std::span<const double>> present{wa, wb};
    const auto expected = ComputeConsensus(present, WeightsOf({1.0, 1.0}));
    ASSERT_TRUE(goal.Consensus.has_value());
    EXPECT_NEAR(goal.Consensus->SStar, expected->SStar, 1e-15);
    ASSERT_EQ(goal.Distances.size(), 2U);
    for (const CExpertDistance& d : goal.Distances) {
        EXPECT_NE(d.Expert, 2U);
    }
    EXPECT_EQ(LeftOutText(*decision, "ВЫБОР", goal.LeftOut),
        "В согласии по «ВЫБОР» не учтён эксперт Вера: его сравнения не связывают элементы");
    const std::vector<std::size_t> two{1, 2};
    EXPECT_EQ(LeftOutText(*decision, "ВЫБОР", two),
        "В согласии по «ВЫБОР» не учтены эксперты Борис, Вера: их сравнения не связывают элементы");
    EXPECT_EQ(LeftOutText(*decision, "ВЫБОР", {}), "");

    EXPECT_EQ(decision->ExpertsWithoutFinal(), (std::vector<std::size_t>{2}));
    EXPECT_TRUE(decision->ExpertFinal(2).empty());
    EXPECT_EQ(decision->ExpertRanking(2).Count, 0U);
    EXPECT_EQ(WithoutFinalText(*decision), "Без итоговых приоритетов (сравнения не связывают элементы): Вера");
    const std::vector<std::span<const double>> finals{decision->ExpertFinal(0), decision->ExpertFinal(1)};
    const auto arithmetic = ArithmeticPriorityAggregate(finals, WeightsOf({1.0, 1.0}));
    EXPECT_NEAR(result.AipArithmetic.at(0), arithmetic->at(0), 1e-15);

    // The group's judgements still connect every element: a ranking, the goal by least
    // squares only where a pair is missing (here none is), so its GCI exists.
    EXPECT_EQ(result.RankingProblem, "");
    EXPECT_EQ(result.Ranking.Count, 2U);
    EXPECT_TRUE(goal.Gci.has_value());
}

// Nobody judged Б against В and only one expert judged А against В: the group completes
// the missing pair by least squares and has no GCI there; when nobody connects В at all,
// there is no group ranking, and the refusal names the element and the groups.
TEST(GroupDecision, PairsNobodyJudged)
{
    const auto a = CriteriaProject({3, 5, 0});
    const auto b = CriteriaProject({-2, 0, 0});
    const auto decision = Decision({a.get(), b.get()});
    const CGroupResult& result = decision->Result();
    EXPECT_EQ(result.Group.Basis(0, 0), EPrioritiesBasis::LeastSquares);
    EXPECT_FALSE(result.Elements[0].Gci.has_value());
    EXPECT_EQ(result.Elements[0].Aggregate.Judgements(1, 2), CJudgement::NotJudged());
    EXPECT_EQ(result.Ranking.Count, 2U);
    EXPECT_EQ(result.Elements[0].LeftOut, (std::vector<std::size_t>{1}));
    // One expert taken into account: no consensus for the goal.
    EXPECT_FALSE(result.Elements[0].Consensus.has_value());

    const auto c = CriteriaProject({3, 0, 0});
    const auto d = CriteriaProject({-2, 0, 0});
    const auto apart = Decision({c.get(), d.get()});
    const CGroupResult& refused = apart->Result();
    EXPECT_EQ(refused.Group.Basis(0, 0), EPrioritiesBasis::NotConnected);
    EXPECT_EQ(refused.Ranking.Count, 0U);
    EXPECT_EQ(refused.RankingProblem,
        "Группового рейтинга нет. Недостаточно сравнений для «ВЫБОР»: группы {А, Б} и {В} не сравнены между собой");
    EXPECT_FALSE(refused.OverallConsensus.has_value());
    EXPECT_EQ(OverallConsensusLine(*apart), "Общее согласие группы не определено: нет группового рейтинга");
    EXPECT_EQ(refused.Elements[0].GlobalPriority, 0.0);
    EXPECT_TRUE(refused.Elements[0].Distances.empty());
    EXPECT_EQ(apart->ExpertsWithoutFinal(), (std::vector<std::size_t>{0, 1}));
    EXPECT_TRUE(refused.AipArithmetic.empty());
    EXPECT_FALSE(refused.FinalAgreement.has_value());
}

TEST(GroupDecision, IdenticalExpertsAgreeCompletely)
{
    const auto a = CriteriaProject({3, -5, 2});
    SetPair(*a, 1, 1, 0, 1, 7);
    const auto b = CriteriaProject({3, -5, 2});
    SetPair(*b, 1, 1, 0, 1, 7);
    const auto decision = Decision({a.get(), b.get()}, {1.0, 3.0});
    const CGroupResult& result = decision->Result();
    for (const CGroupElementResult& element : result.Elements) {
        EXPECT_NEAR(element.Consensus.value_or(CConsensus{}).SStar, 1.0, 1e-12);
        EXPECT_NEAR(element.Consensus->S, 1.0, 1e-12);
        for (std::uint32_t i = 0; i < element.Aggregate.Order; ++i) {
            for (std::uint32_t j = i + 1; j < element.Aggregate.Order; ++j) {
                EXPECT_NEAR(element.Aggregate.Spread[i][j].value_or(0.0), 1.0, 1e-15);
            }
        }
        for (const CExpertDistance& d : element.Distances) {
            EXPECT_NEAR(d.Distance, 0.0, 1e-13);
        }
    }
    EXPECT_NEAR(result.OverallConsensus.value_or(0.0), 1.0, 1e-12);
    EXPECT_NEAR(result.FinalAgreement.value_or(CConsensus{}).SStar, 1.0, 1e-12);
    const CResultList own = FinalResults(*a, ComputeResults(*a));
    for (std::uint32_t r = 0; r < own.Count; ++r) {
        EXPECT_EQ(result.Ranking.Rows[r].Position, own.Rows[r].Position);
        EXPECT_NEAR(result.Ranking.Rows[r].Value, own.Rows[r].Value, 1e-14);
    }
}

// With complete matrices the group's priorities of every element are the normalised
// weighted geometric mean of the experts' own vectors of it; with two levels the group's
// final priorities are then the geometric aggregation of the experts' final priorities.
TEST(GroupDecision, CombinedJudgementsEqualGeometricAggregationOfPrioritiesWhenComplete)
{
    std::mt19937 random(2525U);
    const auto code = [&random] {
        const int magnitude = std::uniform_int_distribution<int>(1, 9)(random);
        return magnitude == 1 || random() % 2 == 0 ? magnitude : -magnitude;
    };
    for (const std::vector<std::uint32_t>& counts : {std::vector<std::uint32_t>{1, 5, 4, 6}, {1, 7}}) {
        std::vector<CProjectPtr> projects;
        std::vector<const CUserProjectModel*> pointers;
        std::vector<double> weights;
        for (int k = 0; k < 5; ++k) {
            auto project = std::make_unique<CUserProjectModel>();
            ASSERT_TRUE(BuildWithCounts(*project, counts));
            for (std::uint32_t level = 0; level + 1 < counts.size(); ++level) {
                for (std::uint32_t p = 0; p < counts[level]; ++p) {
                    std::vector<int> upper;
                    for (std::uint32_t pair = 0; pair < counts[level + 1] * (counts[level + 1] - 1) / 2; ++pair) {
                        upper.push_back(code());
                    }
                    project->SetJudgements(p, level, FromUpper(counts[level + 1], upper));
                }
            }
            weights.push_back(std::uniform_real_distribution<double>(0.2, 5.0)(random));
            pointers.push_back(project.get());
            projects.push_back(std::move(project));
        }
        const auto decision = Decision(pointers, weights);
        const CGroupResult& result = decision->Result();
        for (const CGroupElementResult& element : result.Elements) {
            std::vector<std::span<const double>> vectors;
            for (std::size_t k = 0; k < projects.size(); ++k) {
                vectors.push_back(decision->ExpertPriorities(k, element.Slot));
            }
            const auto geometric = GeometricPriorityAggregate(vectors, WeightsOf(weights));
            const std::span<const double> group = GroupLocal(*decision, element.Slot.Position, element.Slot.Level);
            for (std::size_t i = 0; i < group.size(); ++i) {
                EXPECT_NEAR(group[i], geometric->at(i), 1e-14);
            }
        }
        if (counts.size() == 2) {
            ASSERT_EQ(result.Ranking.Count, counts[1]);
            for (std::uint32_t r = 0; r < result.Ranking.Count; ++r) {
                const CResultRow& row = result.Ranking.Rows[r];
                EXPECT_NEAR(result.AipGeometric.at(row.Position), row.Value, 1e-14);
                EXPECT_EQ(result.AipGeometricRanking.Rows[r].Position, row.Position);
            }
        }
    }
}

// Nothing is computed for a member whose hierarchy differs; the message names both files
// by their names, or by their whole paths when the names are the same. A refused member
// changes nothing.
TEST(GroupDecision, MembersRefusedWithTheirReason)
{
    const auto a = CriteriaProject({3, 5, 2});
    const auto renamed = CriteriaProject({3, 5, 2});
    SetName(*renamed, 2, 1, "ЦЕНА");
    const auto more = std::make_unique<CUserProjectModel>();
    ASSERT_TRUE(BuildWithCounts(*more, {1, 3, 2, 2}));

    CGroupDecision decision;
    ASSERT_EQ(decision.AddExpert(CGroupMember{"/g/a.tsy", "a", 1.0}, *a), "");
    const std::vector<double> before = Vector(GroupLocal(decision, 0, 0));
    EXPECT_EQ(decision.AddExpert(CGroupMember{"/g/b.tsy", "b", 1.0}, *renamed),
        "Файл b.tsy: на уровне 1 элемент 3 называется «ЦЕНА», а в a.tsy — «В»");
    EXPECT_EQ(decision.AddExpert(CGroupMember{"/h/a.tsy", "b", 1.0}, *renamed),
        "Файл /h/a.tsy: на уровне 1 элемент 3 называется «ЦЕНА», а в /g/a.tsy — «В»");
    EXPECT_EQ(decision.AddExpert(CGroupMember{"/g/c.tsy", "c", 1.0}, *more), "Файл c.tsy: уровней 4, а в a.tsy — 3");
    // The same file twice, however it is spelt.
    EXPECT_EQ(decision.AddExpert(CGroupMember{"/g/x/../a.tsy", "a2", 1.0}, *a),
        "Эксперт 2: файл «a.tsy» уже указан для эксперта 1");
    EXPECT_EQ(decision.AddExpert(CGroupMember{"", "d", 1.0}, *a), "Эксперт 2: не указан файл");
    EXPECT_EQ(decision.AddExpert(CGroupMember{"/g/d.tsy", "d", 0.0}, *a),
        "Эксперт 2: вес должен быть числом от 0.000001 до 1000000");
    const CUserProjectModel unbuilt;
    EXPECT_EQ(decision.AddExpert(CGroupMember{"/g/e.tsy", "e", 1.0}, unbuilt), "Эксперт 2: в файле нет иерархии");
    EXPECT_EQ(decision.ExpertCount(), 1U);
    EXPECT_EQ(Vector(GroupLocal(decision, 0, 0)), before);
    EXPECT_FALSE(decision.Result().Elements[0].Consensus.has_value());
}

TEST(GroupDecision, NoExpertNoFigures)
{
    const CGroupDecision decision;
    EXPECT_TRUE(decision.Result().Elements.empty());
    EXPECT_TRUE(decision.Result().Weights.empty());
    EXPECT_EQ(decision.Result().Ranking.Count, 0U);
    EXPECT_FALSE(decision.Model().Built());
}

namespace {
// The goal over four alternatives judged consistently from weights 2^e: a_ij = 2^(e_i - e_j).
// Equal exponents give equal priorities.
CProjectPtr FromExponents(const std::vector<int>& e)
{
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*project, {1, 4}));
    std::vector<int> upper;
    for (std::size_t i = 0; i < e.size(); ++i) {
        for (std::size_t j = i + 1; j < e.size(); ++j) {
            const int d = e[i] - e[j];
            upper.push_back(d == 0 ? 1 : d > 0 ? (1 << d) : -(1 << -d));
        }
    }
    project->SetJudgements(0, 0, FromUpper(4, upper));
    return project;
}
} // namespace

// Kendall's W of the experts' own rankings, ties sharing the mean place.
TEST(GroupDecision, RankAgreementOfTheFinalRankings)
{
    struct CCase {
        std::vector<std::vector<int>> Exponents;
        double W;
    };
    // Places (1,2,3,4), (2,1,4,3), (1,3,2,4): S = 29, W = 12 * 29 / (9 * 60).
    // Places (1,2,3,4), (1.5,1.5,3,4), (1,2,3.5,3.5): S = 40, T = 12, W = 480 / (540 - 36).
    const std::vector<CCase> cases{
        {{{3, 2, 1, 0}, {2, 3, 0, 1}, {3, 1, 2, 0}}, 12.0 * 29.0 / 540.0},
        {{{3, 2, 1, 0}, {2, 2, 1, 0}, {3, 2, 1, 1}}, 480.0 / 504.0},
        {{{3, 2, 1, 0}, {3, 2, 1, 0}, {3, 2, 1, 0}}, 1.0},
    };
    for (const CCase& c : cases) {
        std::vector<CProjectPtr> projects;
        std::vector<const CUserProjectModel*> pointers;
        for (const std::vector<int>& e : c.Exponents) {
            projects.push_back(FromExponents(e));
            pointers.push_back(projects.back().get());
        }
        const auto decision = Decision(pointers);
        ASSERT_TRUE(decision->Result().KendallW.has_value());
        EXPECT_NEAR(*decision->Result().KendallW, c.W, 1e-12);
        // An expert left out leaves W to the others: one alone has none.
        decision->SetIncluded(1, false);
        decision->SetIncluded(2, false);
        EXPECT_FALSE(decision->Result().KendallW.has_value());
    }
}

// An expert left out is in no figure, but stays listed; the group of the others is what
// remains.
TEST(GroupDecision, AnExpertLeftOutCountsNowhere)
{
    const auto a = CriteriaProject({3, 5, 2});
    const auto b = CriteriaProject({-3, 2, 4});
    const auto c = CriteriaProject({9, -9, 9});
    const auto three = Decision({a.get(), b.get(), c.get()}, {1.0, 2.0, 5.0});
    const auto two = Decision({a.get(), b.get()}, {1.0, 2.0});
    ASSERT_TRUE(three->SetIncluded(2, false));
    EXPECT_FALSE(three->SetIncluded(3, false));
    EXPECT_FALSE(three->Included(2));
    const CGroupResult& left = three->Result();
    const CGroupResult& reference = two->Result();
    EXPECT_EQ(three->ExpertCount(), 3U);
    EXPECT_NEAR(left.Weights[0], 1.0 / 3.0, 1e-15);
    EXPECT_NEAR(left.Weights[1], 2.0 / 3.0, 1e-15);
    EXPECT_EQ(left.Weights[2], 0.0);
    ASSERT_EQ(left.Ranking.Count, reference.Ranking.Count);
    for (std::uint32_t r = 0; r < left.Ranking.Count; ++r) {
        EXPECT_NEAR(left.Ranking.Rows[r].Value, reference.Ranking.Rows[r].Value, 1e-15);
    }
    const CGroupElementResult& goal = left.Elements[0];
    EXPECT_EQ(goal.Aggregate.JudgedBy[0][1], 2U);
    EXPECT_NEAR(
        goal.Aggregate.Judgements(0, 1).Value(), reference.Elements[0].Aggregate.Judgements(0, 1).Value(), 1e-15);
    EXPECT_NEAR(goal.Consensus->SStar, reference.Elements[0].Consensus->SStar, 1e-15);
    EXPECT_EQ(goal.Distances.size(), 2U);
    EXPECT_NEAR(left.FinalAgreement->SStar, reference.FinalAgreement->SStar, 1e-15);
    EXPECT_NEAR(left.AipGeometric[0], reference.AipGeometric[0], 1e-15);

    for (std::size_t k = 0; k < 3; ++k) {
        three->SetIncluded(k, false);
    }
    EXPECT_EQ(three->Result().Ranking.Count, 0U);
    EXPECT_EQ(three->Result().RankingProblem, "Группового рейтинга нет. Ни один эксперт не учитывается.");
    EXPECT_TRUE(three->Result().AipArithmetic.empty());
}

// Per pair: each expert's own judgement, how many judged it and who is furthest from the
// combined value.
TEST(GroupDecision, WhoSaidWhatOnEachPair)
{
    const auto a = CriteriaProject({3, 5, 2});
    const auto b = CriteriaProject({-3, 5, 2});
    const auto c = CriteriaProject({3, 0, 2});
    const auto decision = Decision({a.get(), b.get(), c.get()});
    const CGroupElementResult& goal = decision->Result().Elements[0];
    // 0-1: 3, 1/3, 3 combine to 3^(1/3); the second lies 4/3 ln 3 from it, the others 2/3 ln 3.
    EXPECT_EQ(goal.Aggregate.JudgedBy[0][1], 3U);
    EXPECT_EQ(goal.FurthestExpert[0][1], std::optional<std::size_t>(1));
    EXPECT_EQ(goal.FurthestExpert[1][0], std::optional<std::size_t>(1));
    // 0-2: the third left it out; the first of two equals is named.
    EXPECT_EQ(goal.Aggregate.JudgedBy[0][2], 2U);
    EXPECT_EQ(goal.FurthestExpert[0][2], std::optional<std::size_t>(0));
    EXPECT_EQ(decision->ExpertJudgement(2, 0, 0, 2), CJudgement::NotJudged());
    EXPECT_EQ(decision->ExpertJudgement(1, 0, 0, 1), CJudgement::FromCode(-3));
    EXPECT_EQ(decision->ExpertJudgement(1, 0, 1, 0), CJudgement::FromCode(3));
    EXPECT_EQ(decision->ExpertJudgement(0, 0, 2, 0), CJudgement::FromCode(-5));
    EXPECT_EQ(decision->ExpertJudgement(0, 0, 1, 1), CJudgement{});
    EXPECT_EQ(decision->ExpertJudgement(0, 0, 3, 0), CJudgement::NotJudged());
    EXPECT_EQ(decision->ExpertJudgement(3, 0, 0, 1), CJudgement::NotJudged());
}

// A group ranking resting on combined matrices that are not acceptable lists them as a
// project lists its own.
TEST(GroupDecision, UnacceptableCombinedMatricesAreListed)
{
    const auto a = CriteriaProject({9, -9, 9});
    const auto b = CriteriaProject({7, -7, 9});
    const auto decision = Decision({a.get(), b.get()});
    const std::vector<CUnacceptableMatrix>& listed = decision->Result().Unacceptable;
    ASSERT_EQ(listed.size(), 1U);
    EXPECT_EQ(listed[0].Level, 0U);
    // The combined goal matrix: sqrt(63), 1/sqrt(63), 9; its CR by the long way.
    const double x = std::sqrt(63.0);
    const CSquare combined{{1, x, 1 / x}, {1 / x, 1, 9}, {x, 1.0 / 9, 1}};
    EXPECT_NEAR(listed[0].Cr, ReferenceCr(combined), 1e-12);
    EXPECT_GT(listed[0].Cr, listed[0].CrLimit);
    EXPECT_TRUE(Decision({CriteriaProject({3, 5, 2}).get()})->Result().Unacceptable.empty());
}
