// The warning of a rated tree and the plural forms its count takes.
#include "core/results/RatingWarnings.h"
#include "core/results/RatingSynthesis.h"
#include "support/RatedTree.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>

namespace {
TEST(RatingWarningsTest, PluralFormsOfACount)
{
    const std::pair<std::uint64_t, std::string> cases[]
        = {{1, "одна"}, {2, "две"}, {4, "две"}, {5, "пять"}, {11, "пять"}, {12, "пять"}, {14, "пять"}, {21, "одна"},
            {22, "две"}, {25, "пять"}, {100, "пять"}, {101, "одна"}, {111, "пять"}, {1000, "пять"}, {0, "пять"}};
    for (const auto& [count, form] : cases) {
        EXPECT_EQ(PluralForm(count, "одна", "две", "пять"), form) << count;
    }
}

TEST(RatingWarningsTest, NamesTheInconsistentScaleTheScaleOutOfOrderAndTheAlternativesNotFullyRated)
{
    CHierarchy tree = SmallRatedTree();
    EXPECT_EQ(RatingWarningText(tree, ComputeRatingResults(tree)), "1 альтернатива оценена не по всем критериям.");
    // Большой 2 : 1 over Средний, 9 : 1 over Малый, yet Малый 9 : 1 over Средний.
    ASSERT_EQ(tree.SetScale(0, MakeRatingScale("s3", "Объём", {"Большой", "Средний", "Малый"}, {2, 9, -9})), "");
    ASSERT_EQ(tree.SetRating(2, 1, NotRated), "");
    // The consistency ratio by hand: row geometric means, lambda-max, random index 0.58.
    const std::array<std::array<double, 3>, 3> a{{{1, 2, 9}, {0.5, 1, 1.0 / 9}, {1.0 / 9, 9, 1}}};
    std::array<double, 3> w{};
    for (int i = 0; i < 3; ++i) {
        w[i] = std::cbrt(a[i][0] * a[i][1] * a[i][2]);
    }
    double lambda = 0.0;
    for (int i = 0; i < 3; ++i) {
        lambda += (a[i][0] * w[0] + a[i][1] * w[1] + a[i][2] * w[2]) / w[i] / 3.0;
    }
    const double cr = (lambda - 3.0) / 2.0 / 0.58;
    char shown[16];
    std::snprintf(shown, sizeof shown, "%.4f", std::trunc(cr * 1e4) / 1e4);
    EXPECT_EQ(RatingWarningText(tree, ComputeRatingResults(tree)),
        std::string("Внимание: согласованность суждений недостаточна в 1 матрице из 4: шкала «Объём» (ОС ") + shown
            + ", допустимо до 0.05). Результат опирается на суждения, которые стоит пересмотреть."
              " Шкала «Объём»: интенсивность «Малый» получила больший вес, чем «Средний»."
              " 2 альтернативы оценены не по всем критериям.");
    const CHierarchy sound = SmallRatedTree({{0, 0, 1}, {1, 1, 1}});
    EXPECT_EQ(RatingWarningText(sound, ComputeRatingResults(sound)), "");
}
} // namespace
