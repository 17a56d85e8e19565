#pragma once

#include "core/model/CJudgement.h"

#include <cstdint>
#include <string>

// floor(x * 10^d) / 10^d in double precision: values are truncated, not rounded.
// Rounding noise just below a step (a relative 1e-12) is taken as that step.
double FloorToDecimals(double x, int decimals);

// General number format: up to 15 significant digits, no trailing zeros,
// the user's decimal separator; exponent form ("1.5E-6") only below 1E-5 or from 1E15 on.
std::string FormatGeneral(double x, char decimalSeparator = '.');

// What a screen shows for a priority or measure (4 decimals) or a deviation (2 decimals).
std::string FormatTruncated(double x, int decimals, char decimalSeparator = '.');

// A judgement cell: the decimal code, or "1/" and |code| for a negative code.
std::string JudgementCellText(std::int32_t code);
// A judgement as a cell shows it: its code as above, or a combined value with 4 decimals.
std::string JudgementText(const CJudgement& judgement, char decimalSeparator = '.');
