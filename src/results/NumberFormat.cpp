#include "results/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

double FloorToDecimals(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::floor(x * scale) / scale;
}

std::string FormatGeneral(double x, char decimalSeparator)
{
    if (!std::isfinite(x)) {
        // Never produced by the computations; kept readable should it ever be.
        return "0";
    }
    if (x == 0.0) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    std::string text(buffer);
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        // "1.5e-05" is written 1.5E-5.
        std::string mantissa = text.substr(0, e);
        const int exponent = std::atoi(text.c_str() + e + 1);
        text = mantissa + "E" + std::to_string(exponent);
    }
    const std::size_t dot = text.find('.');
    if (dot != std::string::npos) {
        text[dot] = decimalSeparator;
    }
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
