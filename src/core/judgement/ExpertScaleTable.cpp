#include "core/judgement/ExpertScaleTable.h"

namespace {
constexpr const char* Intermediate = "<<промежуточное значение>>";
}

const std::array<CExpertScaleLine, ExpertScaleLineCount> ExpertScaleLines{{
    {"A по значимости абсолютно превосходит B", 9, clRed},
    {Intermediate, 8, clSilver},
    {"A явно важнее B", 7, clPurple},
    {Intermediate, 6, clSilver},
    {"A значительно важнее B", 5, clBlue},
    {Intermediate, 4, clSilver},
    {"A незначительно важнее B", 3, clGreen},
    {Intermediate, 2, clSilver},
    {"", 0, clWhite},
    {"A и B одинаково важны", 1, clBlack},
    {"", 0, clWhite},
    {Intermediate, -2, clSilver},
    {"B незначительно важнее A", -3, clGreen},
    {Intermediate, -4, clSilver},
    {"B значительно важнее A", -5, clBlue},
    {Intermediate, -6, clSilver},
    {"B явно важнее A", -7, clPurple},
    {Intermediate, -8, clSilver},
    {"B по значимости абсолютно превосходит A", -9, clRed},
}};

bool IsAcceptableScaleLine(std::int32_t line)
{
    return line >= 0 && line < ExpertScaleLineCount && line != 8 && line != 10;
}

std::int32_t ScaleLineToValue(std::int32_t line)
{
    if (!IsAcceptableScaleLine(line)) {
        return 1;
    }
    return ExpertScaleLines[static_cast<std::size_t>(line)].Value;
}

std::int32_t ScaleValueToLine(std::int32_t value)
{
    if (value >= 2 && value <= 9) {
        return 9 - value;
    }
    if (value == 1) {
        return ExpertScaleEqualLine;
    }
    if (value >= -9 && value <= -2) {
        return 9 - value;
    }
    return 0;
}

bool IsScaleValue(std::int32_t value)
{
    return (value >= 1 && value <= 9) || (value >= -9 && value <= -2);
}

std::int32_t NextAcceptableScaleLine(std::int32_t line, std::int32_t step)
{
    if (step == 0) {
        return line;
    }
    for (std::int32_t next = line + step; next >= 0 && next < ExpertScaleLineCount; next += step) {
        if (IsAcceptableScaleLine(next)) {
            return next;
        }
    }
    return line;
}
