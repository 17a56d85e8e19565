#include "core/results/SensitivityLines.h"

#include <cmath>

namespace {
// Differences of lines below this are rounding: two alternatives judged alike everywhere
// would otherwise "cross" at a weight made of noise.
constexpr double CoincidenceTolerance = 1e-12;
} // namespace

bool CanMoveWeight(double w, double rest)
{
    return w < 1.0 && std::isfinite(w) && rest > CoincidenceTolerance;
}

void FillGroupLines(
    const double* groupResult, const double* unit, double w, std::uint32_t m, double* atZero, double* atOne)
{
    for (std::uint32_t i = 0; i < m; ++i) {
        atOne[i] = unit[i];
        atZero[i] = (groupResult[i] - w * unit[i]) / (1.0 - w);
    }
}

void LiftGroupLines(const double* present, const double* groupResult, double groupWeight, std::uint32_t m,
    double* atZero, double* atOne)
{
    for (std::uint32_t i = 0; i < m; ++i) {
        const double rest = present[i] - groupWeight * groupResult[i];
        atZero[i] = rest + groupWeight * atZero[i];
        atOne[i] = rest + groupWeight * atOne[i];
    }
}

namespace {
// The crossings of the pairs (i, j), i < j, that `pair` takes.
template <typename TPair>
std::uint32_t CrossingsOf(const double* atZero, const double* atOne, std::uint32_t m, CCrossing* crossings, TPair pair)
{
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < m; ++i) {
        for (std::uint32_t j = i + 1; j < m; ++j) {
            if (!pair(i, j)) {
                continue;
            }
            const double dR = atZero[i] - atZero[j];
            const double dC = atOne[i] - atOne[j];
            const double denominator = dR - dC;
            if (denominator == 0.0
                || (std::fabs(dR) <= CoincidenceTolerance && std::fabs(dC) <= CoincidenceTolerance)) {
                continue;
            }
            const double x = dR / denominator;
            if (!(x > 0.0 && x < 1.0)) {
                continue;
            }
            // P_i - P_j = dR - x * denominator grows with x exactly when the denominator is negative.
            // Inserted by weight; equal weights stay in the order found, (First, Second).
            std::uint32_t at = count++;
            while (at > 0 && crossings[at - 1].Weight > x) {
                crossings[at] = crossings[at - 1];
                --at;
            }
            crossings[at] = CCrossing{x, i, j, denominator < 0.0 ? i : j};
        }
    }
    return count;
}
} // namespace

std::uint32_t FindCrossings(const double* atZero, const double* atOne, std::uint32_t m, CCrossing* crossings)
{
    return CrossingsOf(atZero, atOne, m, crossings, [](std::uint32_t, std::uint32_t) { return true; });
}

std::uint32_t FindLeaderCrossings(
    const double* atZero, const double* atOne, std::uint32_t m, std::uint32_t leader, CCrossing* crossings)
{
    return CrossingsOf(
        atZero, atOne, m, crossings, [leader](std::uint32_t i, std::uint32_t j) { return i == leader || j == leader; });
}

void EvaluateLines(
    const double* atZero, const double* atOne, std::uint32_t m, double x, bool normalised, double* values)
{
    for (std::uint32_t i = 0; i < m; ++i) {
        values[i] = x * atOne[i] + (1.0 - x) * atZero[i];
    }
    if (!normalised) {
        return;
    }
    double sum = 0.0;
    for (std::uint32_t i = 0; i < m; ++i) {
        sum += values[i];
    }
    for (std::uint32_t i = 0; i < m; ++i) {
        values[i] = sum > 0.0 ? values[i] / sum : 0.0;
    }
}

void ConsiderLeaderCrossings(std::optional<CLeaderCrossing>& nearest, std::uint32_t owner, double weight,
    const CCrossing* crossings, std::uint32_t count, std::uint32_t leader)
{
    for (std::uint32_t c = 0; c < count; ++c) {
        const CCrossing& crossing = crossings[c];
        if (crossing.First != leader && crossing.Second != leader) {
            continue;
        }
        if (nearest && std::fabs(crossing.Weight - weight) >= std::fabs(nearest->To - nearest->From)) {
            continue;
        }
        nearest = CLeaderCrossing{owner, weight, crossing.Weight, crossing.First, crossing.Second,
            crossing.First == leader ? crossing.Second : crossing.First};
    }
}
