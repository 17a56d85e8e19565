// Groups of rated trees: the group's cells, scales and scores against a calculation made
// here from each expert's judgements and ratings alone, and the refusal of a member whose
// ratings do not match.
#include "core/group/CGroupDecision.h"
#include "core/group/ExpertSummary.h"
#include "core/group/GroupReportContent.h"
#include "support/EmployeesTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {
// Row geometric means of a matrix of values, normalised.
std::vector<double> Priorities(const std::vector<std::vector<double>>& a)
{
    std::vector<double> w;
    double sum = 0;
    for (const std::vector<double>& row : a) {
        double product = 1;
        for (const double x : row) {
            product *= x;
        }
        sum += w.emplace_back(std::pow(product, 1.0 / static_cast<double>(row.size())));
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

std::vector<std::vector<double>> Matrix(std::size_t n, const std::vector<int>& upper)
{
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 1.0));
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j, ++k) {
            a[i][j] = upper[k] > 0 ? upper[k] : 1.0 / -upper[k];
            a[j][i] = 1.0 / a[i][j];
        }
    }
    return a;
}

// The weighted geometric mean of the experts' matrices, cell by cell.
std::vector<std::vector<double>> Combined(
    std::size_t n, const std::vector<std::vector<int>>& uppers, const std::vector<double>& weights)
{
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
    for (std::size_t k = 0; k < uppers.size(); ++k) {
        const std::vector<std::vector<double>> own = Matrix(n, uppers[k]);
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                a[i][j] += weights[k] * std::log(own[i][j]);
            }
        }
    }
    for (std::vector<double>& row : a) {
        for (double& x : row) {
            x = std::exp(x);
        }
    }
    return a;
}

struct CExpertInput {
    std::vector<int> Criteria;
    std::vector<int> Experience;
    std::vector<std::vector<int>> Ratings;
    double Weight;
};

CHierarchy TreeOf(const CExpertInput& e)
{
    CHierarchy tree = EmployeesTree(e.Ratings);
    EXPECT_EQ(tree.SetJudgements(0, Upper(4, e.Criteria)), "");
    EXPECT_EQ(tree.SetScale(2, MakeRatingScale("exp", "Опыт", {"Большой", "Средний", "Малый"}, e.Experience)), "");
    return tree;
}

std::vector<double> Ideal(std::vector<double> p)
{
    const double top = *std::max_element(p.begin(), p.end());
    for (double& x : p) {
        x /= top;
    }
    return p;
}

// Three experts of weights 1, 2, 3: Г's Опыт rated by the second alone, В's Качество by
// nobody; each judges the criteria and the experience scale his own way.
TEST(RatedGroupTest, CellsScalesAndScoresCombineAsDefined)
{
    const std::vector<CExpertInput> experts{
        {{2, 3, 4, 2, 3, 1}, {3, 6, 2}, {{0, 1, 1, 0}, {1, 0, 2, 1}, {2, 2, 0, -1}, {1, 1, -1, 2}}, 1},
        {{3, 5, 5, 2, 2, 1}, {2, 5, 3}, {{0, 0, 1, 1}, {2, 0, 2, 1}, {2, 3, 1, -1}, {0, 1, 2, 3}}, 2},
        {{1, 2, 3, -2, 2, 2}, {4, 7, 2}, {{1, 1, 0, 0}, {1, 1, 2, 0}, {3, 2, 0, -1}, {1, 2, -1, 2}}, 3},
    };
    CGroupDecision group;
    for (std::size_t k = 0; k < experts.size(); ++k) {
        const std::string file = "/x/e" + std::to_string(k) + ".tsj";
        ASSERT_EQ(group.AddExpert(CGroupMember{file, file, experts[k].Weight}, TreeOf(experts[k])), "");
    }
    const std::vector<double> alpha{1.0 / 6, 2.0 / 6, 3.0 / 6};
    std::vector<std::vector<int>> criteria;
    std::vector<std::vector<int>> experience;
    for (const CExpertInput& e : experts) {
        criteria.push_back(e.Criteria);
        experience.push_back(e.Experience);
    }
    const std::vector<double> g = Priorities(Combined(4, criteria, alpha));
    const std::size_t scaleOf[] = {0, 1, 2, 0};
    // Each expert's ideal values per criterion, and his own scores.
    std::vector<std::vector<std::vector<double>>> ideal(3);
    std::vector<std::vector<double>> own(3, std::vector<double>(4, 0.0));
    for (std::size_t k = 0; k < 3; ++k) {
        const std::vector<double> w = Priorities(Matrix(4, experts[k].Criteria));
        const std::vector<std::vector<double>> scales{Ideal(RowGeometricMeans(5, FiveStepUpper)),
            Ideal(RowGeometricMeans(4, EducationUpper)), Ideal(Priorities(Matrix(3, experts[k].Experience)))};
        for (std::size_t c = 0; c < 4; ++c) {
            ideal[k].push_back(scales[scaleOf[c]]);
            for (std::size_t a = 0; a < 4; ++a) {
                const int r = experts[k].Ratings[a][c];
                own[k][a] += r < 0 ? 0.0 : w[c] * ideal[k][c][static_cast<std::size_t>(r)];
            }
        }
    }
    const CGroupResult& result = group.Result();
    ASSERT_TRUE(result.Ratings.has_value());
    const CGroupRatings& ratings = *result.Ratings;
    std::vector<double> scores(4, 0.0);
    for (std::size_t c = 0; c < 4; ++c) {
        EXPECT_NEAR(result.Nodes.Global(static_cast<std::uint32_t>(1 + c)), g[c], 1e-12);
        for (std::size_t a = 0; a < 4; ++a) {
            double logarithms = 0;
            double sum = 0;
            for (std::size_t k = 0; k < 3; ++k) {
                const int r = experts[k].Ratings[a][c];
                if (r >= 0) {
                    logarithms += alpha[k] * std::log(ideal[k][c][static_cast<std::size_t>(r)]);
                    sum += alpha[k];
                }
            }
            const double value = ratings.Values[c * 4 + a];
            if (sum == 0) {
                EXPECT_TRUE(std::isnan(value)) << c << " " << a;
                continue;
            }
            EXPECT_NEAR(value, std::exp(logarithms / sum), 1e-12) << c << " " << a;
            scores[a] += g[c] * std::exp(logarithms / sum);
        }
    }
    // Г's Опыт is the second expert's own value: Малый on his scale.
    EXPECT_NEAR(ratings.Values[2 * 4 + 3], ideal[1][2][2], 1e-15);
    for (std::size_t a = 0; a < 4; ++a) {
        EXPECT_NEAR(ratings.Scores[a], scores[a], 1e-12) << a;
        EXPECT_NEAR(ratings.MeanScores[a], (own[0][a] + own[1][a] + own[2][a]) / 3, 1e-12) << a;
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(ratings.ExpertScores[k][a], own[k][a], 1e-12);
        }
        EXPECT_EQ(ratings.NotRatedCounts[a], a == 2 ? 1U : 0U);
        EXPECT_EQ(result.RankingRows[a].Position, ratings.Ranking[a]);
        EXPECT_DOUBLE_EQ(result.RankingRows[a].Value, scores[ratings.Ranking[a]]);
        if (a > 0) {
            EXPECT_GE(scores[ratings.Ranking[a - 1]], scores[ratings.Ranking[a]]);
        }
    }
    const std::vector<double> combined = Priorities(Combined(3, experience, alpha));
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(ratings.Scales[2].Priorities.Local[k], combined[k], 1e-12);
    }

    // The summary a report gives of many experts: the rated group's columns, and the
    // least, middle and largest of the experts' own scores.
    const CReportTable summary = GroupRankingSummaryTable(group);
    const std::vector<std::string> full = GroupRankingTable(group).Header;
    EXPECT_EQ(std::vector<std::string>(summary.Header.begin(), summary.Header.begin() + 5),
        std::vector<std::string>(full.begin(), full.begin() + 5));
    ASSERT_EQ(summary.Rows.size(), 4U);
    for (std::size_t r = 0; r < 4; ++r) {
        const std::size_t a = ratings.Ranking[r];
        std::vector<double> each{own[0][a], own[1][a], own[2][a]};
        std::sort(each.begin(), each.end());
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(std::stod(summary.Rows[r][5 + k]), each[k], 1e-4) << r << " " << k;
        }
    }

    // An expert's own ranking names his scores, best first.
    const std::string first = ExpertRankingText(group, 0);
    const std::size_t best = static_cast<std::size_t>(std::max_element(own[0].begin(), own[0].end()) - own[0].begin());
    EXPECT_NEAR(std::stod(first.substr(first.find(' ') + 1)), own[0][best], 1e-4) << first;

    // Leaving the third expert out shares the weights between the first two.
    ASSERT_TRUE(group.SetIncluded(2, false));
    const CGroupRatings& two = *group.Result().Ratings;
    EXPECT_NEAR(two.Values[0], std::exp((std::log(ideal[0][0][0]) + 2 * std::log(ideal[1][0][0])) / 3), 1e-12);
    EXPECT_NEAR(two.MeanScores[1], (own[0][1] + own[1][1]) / 2, 1e-12);
}

// A member whose ratings cannot be combined is refused, named, and nothing is taken.
TEST(RatedGroupTest, MembersShareScalesAndEvaluation)
{
    CHierarchy pairs = EmployeesTree();
    ASSERT_EQ(pairs.SetEvaluation(EAlternativeEvaluation::Pairs), "");
    CHierarchy renamed = EmployeesTree();
    CRatingScale scale = renamed.Scales()[1];
    scale.Intensities[3] = "Школа";
    ASSERT_EQ(renamed.SetScale(1, scale), "");
    CHierarchy otherScale = EmployeesTree();
    ASSERT_EQ(otherScale.SetCriterionScale(3, 3), "");
    const struct {
        const CHierarchy* Tree;
        const char* Message;
    } cases[] = {
        {&pairs, "Файл b.tsj: альтернативы оцениваются попарно, а в a.tsj — по шкалам"},
        {&renamed, "Файл b.tsj: у шкалы «edu» интенсивность 4 называется «Школа», а в a.tsj — «Среднее»"},
        {&otherScale, "Файл b.tsj: критерий «Опыт» оценивается по шкале «s4», а в a.tsj — «exp»"},
    };
    for (const auto& c : cases) {
        CGroupDecision group;
        ASSERT_EQ(group.AddExpert(CGroupMember{"/x/a.tsj", "a", 1}, EmployeesTree()), "");
        EXPECT_EQ(group.AddExpert(CGroupMember{"/x/b.tsj", "b", 1}, *c.Tree), c.Message);
        EXPECT_EQ(group.ExpertCount(), 1U);
    }
}
} // namespace
