#include "core/judgement/ExpertScaleTable.h"

#include <gtest/gtest.h>

#include <string>

TEST(ExpertScaleTable, LinesValuesTextsAndColours)
{
    const char* texts[19] = {"A по значимости абсолютно превосходит B", "<<промежуточное значение>>", "A явно важнее B",
        "<<промежуточное значение>>", "A значительно важнее B", "<<промежуточное значение>>",
        "A незначительно важнее B", "<<промежуточное значение>>", "", "A и B одинаково важны", "",
        "<<промежуточное значение>>", "B незначительно важнее A", "<<промежуточное значение>>",
        "B значительно важнее A", "<<промежуточное значение>>", "B явно важнее A", "<<промежуточное значение>>",
        "B по значимости абсолютно превосходит A"};
    const TColor colours[19] = {clRed, clSilver, clPurple, clSilver, clBlue, clSilver, clGreen, clSilver, clWhite,
        clBlack, clWhite, clSilver, clGreen, clSilver, clBlue, clSilver, clPurple, clSilver, clRed};
    for (std::int32_t line = 0; line < 19; ++line) {
        const auto& entry = ExpertScaleLines[static_cast<std::size_t>(line)];
        EXPECT_EQ(std::string(entry.Text), texts[line]) << line;
        EXPECT_EQ(entry.Colour, colours[line]) << line;
        const std::int32_t expected = line <= 7 ? 9 - line : line == 9 ? 1 : line >= 11 ? -(line - 9) : 1;
        EXPECT_EQ(ScaleLineToValue(line), expected) << line;
        EXPECT_EQ(IsAcceptableScaleLine(line), line != 8 && line != 10);
    }
    EXPECT_EQ(clRed, 0x0000FFU);
    EXPECT_EQ(clBlue, 0xFF0000U);
    EXPECT_EQ(ScaleLineToValue(-1), 1);
    EXPECT_EQ(ScaleLineToValue(19), 1);
    EXPECT_FALSE(IsAcceptableScaleLine(19));
}

TEST(ExpertScaleTable, ValueToLineToValueIsTheIdentity)
{
    for (std::int32_t v = -9; v <= 9; ++v) {
        if (v == 0 || v == -1) {
            continue;
        }
        const std::int32_t line = ScaleValueToLine(v);
        EXPECT_TRUE(IsAcceptableScaleLine(line)) << v;
        EXPECT_EQ(ScaleLineToValue(line), v);
    }
    EXPECT_EQ(ScaleValueToLine(1), 9);
    EXPECT_EQ(ScaleValueToLine(-5), 14);
    EXPECT_EQ(ScaleValueToLine(9), 0);
    for (std::int32_t other : {0, -1, 10, -10, 1000, -2147483647 - 1}) {
        EXPECT_EQ(ScaleValueToLine(other), 0) << other;
    }
}

TEST(ExpertScaleTable, ArrowsSkipTheTwoEmptyLinesAndStopAtTheEnds)
{
    EXPECT_EQ(NextAcceptableScaleLine(7, 1), 9);
    EXPECT_EQ(NextAcceptableScaleLine(9, 1), 11);
    EXPECT_EQ(NextAcceptableScaleLine(11, -1), 9);
    EXPECT_EQ(NextAcceptableScaleLine(9, -1), 7);
    EXPECT_EQ(NextAcceptableScaleLine(8, 1), 9); // from an empty line chosen with the mouse
    EXPECT_EQ(NextAcceptableScaleLine(3, 1), 4);
    EXPECT_EQ(NextAcceptableScaleLine(0, -1), 0);
    EXPECT_EQ(NextAcceptableScaleLine(18, 1), 18);
    // Down from the top reaches every acceptable line once, and the bottom stays put.
    std::int32_t line = 0;
    int steps = 0;
    for (std::int32_t next = NextAcceptableScaleLine(line, 1); next != line; next = NextAcceptableScaleLine(line, 1)) {
        line = next;
        ++steps;
        EXPECT_TRUE(IsAcceptableScaleLine(line));
    }
    EXPECT_EQ(line, 18);
    EXPECT_EQ(steps, 16);
}
