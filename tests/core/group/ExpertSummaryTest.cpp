#include "core/group/ExpertSummary.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// The least, the median (the mean of the middle two for an even count) and the largest,
// whatever the order the figures come in; none for no figures.
TEST(ExpertSummary, SummarisesFiguresInAnyOrder)
{
    struct CCase {
        std::vector<double> Figures;
        std::optional<CFigureSummary> Expected;
    };
    const std::vector<CCase> cases{{{}, std::nullopt}, {{0.25}, CFigureSummary{0.25, 0.25, 0.25, 1}},
        {{0.5, 0.125, 0.25}, CFigureSummary{0.125, 0.25, 0.5, 3}},
        {{0.75, 0.125, 0.5, 0.25}, CFigureSummary{0.125, 0.375, 0.75, 4}}};
    for (const CCase& c : cases) {
        const std::optional<CFigureSummary> summary = SummariseFigures(c.Figures);
        ASSERT_EQ(summary.has_value(), c.Expected.has_value());
        if (summary) {
            EXPECT_EQ(summary->Minimum, c.Expected->Minimum);
            EXPECT_EQ(summary->Median, c.Expected->Median);
            EXPECT_EQ(summary->Maximum, c.Expected->Maximum);
            EXPECT_EQ(summary->Count, c.Expected->Count);
        }
    }
}
