#include "core/layout/PieLabelPlaces.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;

// A label of width 50 on an arm of 10 from a pie of radius 100, text 12 high.
CLabelBox Box(double angle)
{
    return PieLabelBox(CPieLabel{angle, 100.0, 1.0, 50.0}, 10.0, 12.0);
}
} // namespace

TEST(PieLabelPlaces, TheTextStandsOnTheArmsEndOutwards)
{
    const struct {
        double Angle;
        double Left;
        double Top;
    } cases[] = {
        {90.0, 110.0, -12.0},   // right: the text starts at the arm's end
        {450.0, 110.0, -12.0},  // a full turn on
        {270.0, -160.0, -12.0}, // left: it ends there
        {0.0, 0.0, -122.0},     // at twelve o'clock it goes right
        // Almost straight down the arm turns to 170 degrees.
        {175.0, 100.0 * std::sin(175.0 * Pi / 180.0) + 10.0 * std::sin(170.0 * Pi / 180.0),
            -100.0 * std::cos(175.0 * Pi / 180.0) - 10.0 * std::cos(170.0 * Pi / 180.0) - 12.0},
        {185.0, 100.0 * std::sin(185.0 * Pi / 180.0) + 10.0 * std::sin(190.0 * Pi / 180.0) - 50.0,
            -100.0 * std::cos(185.0 * Pi / 180.0) - 10.0 * std::cos(190.0 * Pi / 180.0) - 12.0},
    };
    for (const auto& c : cases) {
        const CLabelBox box = Box(c.Angle);
        EXPECT_NEAR(box.Left, c.Left, 1e-9) << c.Angle;
        EXPECT_NEAR(box.Top, c.Top, 1e-9) << c.Angle;
        EXPECT_EQ(box.Width, 50.0);
        EXPECT_EQ(box.Height, 12.0);
    }
}

TEST(PieLabelPlaces, CrowdedLabelsGiveWayToLargerSlices)
{
    const auto shown = [](std::vector<CPieLabel> labels) { return ClearPieLabels(labels, 10.0, 12.0); };
    // Apart: both; close together: the larger, or the earlier of equal ones.
    EXPECT_EQ(shown({{90, 100, 1, 50}, {270, 100, 1, 50}}), (std::vector<bool>{true, true}));
    EXPECT_EQ(shown({{80, 100, 1, 50}, {82, 100, 1, 50}}), (std::vector<bool>{true, false}));
    EXPECT_EQ(shown({{80, 100, 1, 50}, {82, 100, 2, 50}}), (std::vector<bool>{false, true}));
    // A label left out does not push out one clear of every label kept.
    EXPECT_EQ(shown({{80, 100, 3, 50}, {86, 100, 2, 50}, {92, 100, 1, 50}}), (std::vector<bool>{true, false, true}));

    // Twenty equal slices: the labels kept are clear of each other, and each one left out
    // runs into one kept.
    std::vector<CPieLabel> twenty;
    for (int i = 0; i < 20; ++i) {
        twenty.push_back({18.0 * i + 9.0, 100.0, 0.05, 120.0});
    }
    const std::vector<bool> kept = ClearPieLabels(twenty, 15.0, 14.0);
    int count = 0;
    for (std::size_t i = 0; i < twenty.size(); ++i) {
        const CLabelBox box = PieLabelBox(twenty[i], 15.0, 14.0);
        bool meets = false;
        for (std::size_t j = 0; j < twenty.size(); ++j) {
            meets = meets || (j != i && kept[j] && box.Overlaps(PieLabelBox(twenty[j], 15.0, 14.0)));
        }
        EXPECT_NE(meets, static_cast<bool>(kept[i])) << i;
        count += kept[i] ? 1 : 0;
    }
    EXPECT_GT(count, 10);
    EXPECT_LT(count, 20);
}
