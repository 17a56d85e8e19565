#pragma once

#include "core/model/CHierarchy.h"
#include "support/UpperJudgements.h"

#include <algorithm>
#include <cmath>
#include <vector>

// The upper judgements of the employees example, so that tests restate its figures.
inline const std::vector<int> EmployeeCriteriaUpper{2, 3, 4, 2, 3, 1};
inline const std::vector<int> FiveStepUpper{2, 3, 5, 7, 2, 3, 5, 2, 3, 2};
inline const std::vector<int> EducationUpper{2, 4, 7, 2, 4, 2};
inline const std::vector<int> ExperienceUpper{3, 6, 2};
inline const std::vector<int> FourStepUpper{2, 4, 6, 2, 4, 2};

// Employees А, Б, В, Г rated under Надёжность, Образование, Опыт, Качество (one level
// under the goal). Scales: 0 five steps (Надёжность, Качество), 1 education, 2 experience,
// 3 four steps that no criterion uses. ratings[a][c]: intensity index or -1.
inline CHierarchy EmployeesTree(
    const std::vector<std::vector<int>>& ratings = {{0, 1, 1, 0}, {1, 0, 2, 1}, {2, 2, 0, 1}, {1, 1, 1, 2}})
{
    std::vector<CHierarchyNode> nodes(5);
    nodes[0] = {"Подбор сотрудника", "", {1, 2, 3, 4}, Upper(4, EmployeeCriteriaUpper)};
    const char* criteria[] = {"Надёжность", "Образование", "Опыт", "Качество"};
    const std::uint32_t scaleOf[] = {0, 1, 2, 0};
    for (std::size_t c = 0; c < 4; ++c) {
        nodes[1 + c] = {criteria[c], "", {}, {}, scaleOf[c], {}};
    }
    std::vector<CAlternative> alternatives;
    const char* names[] = {"А", "Б", "В", "Г", "Д", "Е"};
    for (std::size_t a = 0; a < ratings.size(); ++a) {
        alternatives.push_back({names[a], ""});
        for (std::size_t c = 0; c < 4; ++c) {
            nodes[1 + c].Ratings.push_back(static_cast<std::int8_t>(ratings[a][c]));
        }
    }
    std::vector<CRatingScale> scales{
        MakeRatingScale(
            "s5", "Пять ступеней", {"Отлично", "Выше среднего", "Средне", "Ниже среднего", "Плохо"}, FiveStepUpper),
        MakeRatingScale("edu", "Образование", {"Доктор", "Магистр", "Бакалавр", "Среднее"}, EducationUpper),
        MakeRatingScale("exp", "Опыт", {"Большой", "Средний", "Малый"}, ExperienceUpper),
        MakeRatingScale("s4", "Четыре ступени", {"Отлично", "Хорошо", "Удовлетворительно", "Плохо"}, FourStepUpper),
    };
    return *CHierarchy::MakeRated(std::move(nodes), std::move(alternatives), std::move(scales));
}

// Priorities restated from their definition: the rows' geometric means, normalised.
inline std::vector<double> RowGeometricMeans(std::size_t n, const std::vector<int>& upper)
{
    std::vector<double> logs(n, 0.0);
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j, ++k) {
            const double v = upper[k] > 0 ? upper[k] : 1.0 / -upper[k];
            logs[i] += std::log(v);
            logs[j] -= std::log(v);
        }
    }
    std::vector<double> w(n);
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sum += w[i] = std::exp(logs[i] / static_cast<double>(n));
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

// The employees' scores restated: sum over the criteria of w(c) p(rating) / max p, a cell
// not rated (-1) counting 0; w the criteria's weights, their judged ones when empty.
inline std::vector<double> EmployeeScores(const std::vector<std::vector<int>>& ratings, std::vector<double> w = {})
{
    const std::vector<std::vector<double>> scales{RowGeometricMeans(5, FiveStepUpper),
        RowGeometricMeans(4, EducationUpper), RowGeometricMeans(3, ExperienceUpper)};
    const std::size_t scaleOf[] = {0, 1, 2, 0};
    if (w.empty()) {
        w = RowGeometricMeans(4, EmployeeCriteriaUpper);
    }
    std::vector<double> scores(ratings.size(), 0.0);
    for (std::size_t a = 0; a < ratings.size(); ++a) {
        for (std::size_t c = 0; c < 4; ++c) {
            const std::vector<double>& p = scales[scaleOf[c]];
            if (ratings[a][c] >= 0) {
                scores[a] += w[c] * p[static_cast<std::size_t>(ratings[a][c])] / *std::max_element(p.begin(), p.end());
            }
        }
    }
    return scores;
}
