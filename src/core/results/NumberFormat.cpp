#include "core/results/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

double FloorToDecimals(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = x * scale;
    // Results that are whole steps in exact arithmetic often arrive a few units in the
    // last place below the step (a fresh 7 x 7 matrix gives lambda-max 6.9999999999999991
    // and CI -1.5e-16). Truncating that noise would show 6.9999 and -0.0001, so a value
    // within a relative 1e-12 (absolute 1e-9 of a step near zero) of the next step counts
    // as that step. Nothing a judgement can express lies that close to a step.
    const double noise = 1e-9 + std::fabs(scaled) * 1e-12;
    return std::floor(scaled + noise) / scale;
}

std::string FormatGeneral(double x, char decimalSeparator)
{
    if (!std::isfinite(x) || x == 0.0) {
        // Not-a-number never comes out of the computations; show it as they would.
        return "0";
    }
    // 15 significant digits, rounded once: d.dddddddddddddde[+-]x
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    const char* cursor = buffer;
    std::string text;
    if (*cursor == '-') {
        text.push_back('-');
        ++cursor;
    }
    std::string digits;
    while (*cursor != 'e' && *cursor != '\0') {
        if (*cursor != '.') {
            digits.push_back(*cursor);
        }
        ++cursor;
    }
    const int exponent = *cursor == 'e' ? std::atoi(cursor + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    if (exponent < -5 || exponent >= 15) {
        // Scientific form: 1.5E-6, 2E20.
        text.push_back(digits[0]);
        if (digits.size() > 1) {
            text.push_back(decimalSeparator);
            text.append(digits, 1, std::string::npos);
        }
        text.push_back('E');
        text.append(std::to_string(exponent));
        return text;
    }
    if (exponent < 0) {
        text.push_back('0');
        text.push_back(decimalSeparator);
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits);
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text.append(digits);
        text.append(integerDigits - digits.size(), '0');
        return text;
    }
    text.append(digits, 0, integerDigits);
    text.push_back(decimalSeparator);
    text.append(digits, integerDigits, std::string::npos);
    return text;
}

std::string FormatTruncated(double x, int decimals, char decimalSeparator)
{
    return FormatGeneral(FloorToDecimals(x, decimals), decimalSeparator);
}

std::string JudgementCellText(std::int32_t code)
{
    if (code >= 0) {
        return std::to_string(code);
    }
    // |INT_MIN| does not fit an int.
    return "1/" + std::to_string(-static_cast<std::int64_t>(code));
}

std::string JudgementText(const CJudgement& judgement, char decimalSeparator)
{
    return judgement.IsCombined() ? FormatTruncated(judgement.Value(), 4, decimalSeparator)
                                  : JudgementCellText(judgement.Code());
}
