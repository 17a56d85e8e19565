#include "core/judgement/ExpertScaleTable.h"

namespace {
// A and B stand for the two compared elements: a translation keeps them as words of their own.
constexpr CPhrase Intermediate = TESSALY_PHRASE("ExpertScaleTable", "<<промежуточное значение>>");
constexpr CPhrase NoWords{};
} // namespace

const std::array<CExpertScaleLine, ExpertScaleLineCount> ExpertScaleLines{{
    {TESSALY_PHRASE("ExpertScaleTable", "A по значимости абсолютно превосходит B"), 9, clRed},
    {Intermediate, 8, clSilver},
    {TESSALY_PHRASE("ExpertScaleTable", "A явно важнее B"), 7, clPurple},
    {Intermediate, 6, clSilver},
    {TESSALY_PHRASE("ExpertScaleTable", "A значительно важнее B"), 5, clBlue},
    {Intermediate, 4, clSilver},
    {TESSALY_PHRASE("ExpertScaleTable", "A незначительно важнее B"), 3, clGreen},
    {Intermediate, 2, clSilver},
    {NoWords, 0, clWhite},
    {TESSALY_PHRASE("ExpertScaleTable", "A и B одинаково важны"), 1, clBlack},
    {NoWords, 0, clWhite},
    {Intermediate, -2, clSilver},
    {TESSALY_PHRASE("ExpertScaleTable", "B незначительно важнее A"), -3, clGreen},
    {Intermediate, -4, clSilver},
    {TESSALY_PHRASE("ExpertScaleTable", "B значительно важнее A"), -5, clBlue},
    {Intermediate, -6, clSilver},
    {TESSALY_PHRASE("ExpertScaleTable", "B явно важнее A"), -7, clPurple},
    {Intermediate, -8, clSilver},
    {TESSALY_PHRASE("ExpertScaleTable", "B по значимости абсолютно превосходит A"), -9, clRed},
}};

std::string ExpertScaleLineText(std::int32_t line)
{
    if (line < 0 || line >= ExpertScaleLineCount) {
        return {};
    }
    const CPhrase& phrase = ExpertScaleLines[static_cast<std::size_t>(line)].Phrase;
    return *phrase.Source == '\0' ? std::string() : Tr(phrase);
}

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
