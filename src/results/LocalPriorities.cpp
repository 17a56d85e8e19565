#include "results/LocalPriorities.h"

#include "model/CUserProjectModel.h"

#include <cmath>

double JudgementValue(std::int32_t code)
{
    // Through double: |INT_MIN| does not fit an int.
    const auto x = static_cast<double>(code);
    return x < 0.0 ? 1.0 / std::fabs(x) : x;
}

void NormalizeVector(std::uint32_t n, double* vector)
{
    double s = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        s += vector[i];
    }
    if (s == 0.0 || !std::isfinite(s)) {
        for (std::uint32_t i = 0; i < n; ++i) {
            vector[i] = 0.0;
        }
        return;
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        vector[i] = vector[i] / s;
    }
}

namespace {
std::uint32_t BlockOrder(std::uint32_t n)
{
    return n > MaxElementsPerLevel ? MaxElementsPerLevel : n;
}
} // namespace

void ReadJudgementValues(const TMatrix<int>& judgements, std::uint32_t n, CValueBlock& values)
{
    const std::uint32_t order = BlockOrder(n);
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = 0; j < order; ++j) {
            values[i][j] = JudgementValue(judgements(i, j));
        }
    }
}

double RowGeometricMean(const CValueBlock& values, std::uint32_t n, std::uint32_t row)
{
    const std::uint32_t order = BlockOrder(n);
    double p = 1.0;
    for (std::uint32_t j = 0; j < order; ++j) {
        p = p * values[row][j];
    }
    return std::pow(p, 1.0 / static_cast<double>(order));
}

void ComputeLocalPriorities(const CValueBlock& values, std::uint32_t n, double* priority)
{
    const std::uint32_t order = BlockOrder(n);
    for (std::uint32_t i = 0; i < order; ++i) {
        priority[i] = RowGeometricMean(values, order, i);
    }
    NormalizeVector(order, priority);
}

CConsistency ComputeConsistency(const CValueBlock& values, std::uint32_t n, const double* priority)
{
    const std::uint32_t order = BlockOrder(n);
    CConsistency result;
    double sum = 0.0;
    for (std::uint32_t i = 0; i < order; ++i) {
        if (priority[i] == 0.0 || !std::isfinite(priority[i])) {
            return result;
        }
        double s = 0.0;
        for (std::uint32_t j = 0; j < order; ++j) {
            s = s + values[i][j] * priority[j];
        }
        sum = sum + s / priority[i];
    }
    const auto size = static_cast<double>(order);
    result.LambdaMax = sum / size;
    result.CI = (result.LambdaMax - size) / (size - 1.0);
    result.CR = result.CI / RandomIndex[order];
    if (!std::isfinite(result.LambdaMax) || !std::isfinite(result.CI) || !std::isfinite(result.CR)) {
        return CConsistency{};
    }
    return result;
}

void ComputeLocalPriorities(const TMatrix<int>& judgements, std::uint32_t n, double* priority)
{
    CValueBlock values;
    ReadJudgementValues(judgements, n, values);
    ComputeLocalPriorities(values, n, priority);
}

CConsistency ComputeConsistency(const TMatrix<int>& judgements, std::uint32_t n, const double* priority)
{
    CValueBlock values;
    ReadJudgementValues(judgements, n, values);
    return ComputeConsistency(values, n, priority);
}

void ComputeLocalPriorities(CUserProjectModel& project, std::uint32_t position, std::uint32_t level, std::uint32_t n)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels || n > MaxElementsPerLevel) {
        return;
    }
    ComputeLocalPriorities(
        project.Element(position, level).Judgements, n, project.LevelDataGrid[position][level].Priority.data());
}

void ComputeConsistency(CUserProjectModel& project, std::uint32_t position, std::uint32_t level, std::uint32_t n)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels || n > MaxElementsPerLevel) {
        return;
    }
    TDesicionLevelData& record = project.LevelDataGrid[position][level];
    const CConsistency c = ComputeConsistency(project.Element(position, level).Judgements, n, record.Priority.data());
    record.LambdaMax = c.LambdaMax;
    record.CI = c.CI;
    record.CR = c.CR;
}
