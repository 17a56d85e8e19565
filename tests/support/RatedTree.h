#pragma once

#include "core/model/CHierarchy.h"
#include "support/UpperJudgements.h"

#include <vector>

// A small rated tree: the goal weighs Квалификация 2 : 1 against Надёжность, and
// Квалификация weighs Образование 3 : 1 against Опыт; Образование is rated on a
// three-step scale, Надёжность and Опыт on a two-step one, both consistent. Ratings are
// intensity indices (-1 not rated) per covering criterion in node order: Надёжность,
// Образование, Опыт.
inline CHierarchy SmallRatedTree(
    const std::vector<std::vector<int>>& ratings = {{0, 0, 1}, {1, 1, 1}, {0, 2, -1}, {1, 0, 0}})
{
    std::vector<CHierarchyNode> nodes(5);
    nodes[0] = {"Подбор", "", {1, 2}, Upper(2, {2})};
    nodes[1] = {"Квалификация", "", {3, 4}, Upper(2, {3})};
    nodes[2] = {"Надёжность", "", {}, {}, 1, {}};
    nodes[3] = {"Образование", "", {}, {}, 0, {}};
    nodes[4] = {"Опыт", "", {}, {}, 1, {}};
    std::vector<CAlternative> alternatives;
    const char* names[] = {"А", "Б", "В", "Г", "Д", "Е"};
    for (std::size_t a = 0; a < ratings.size(); ++a) {
        alternatives.push_back({names[a], ""});
        for (std::size_t c = 0; c < 3; ++c) {
            nodes[2 + c].Ratings.push_back(static_cast<std::int8_t>(ratings[a][c]));
        }
    }
    std::vector<CRatingScale> scales{
        MakeRatingScale("s3", "Объём", {"Большой", "Средний", "Малый"}, {3, 6, 2}),
        MakeRatingScale("yn", "Да или нет", {"Да", "Нет"}, {4}),
    };
    return *CHierarchy::MakeRated(std::move(nodes), std::move(alternatives), std::move(scales));
}
