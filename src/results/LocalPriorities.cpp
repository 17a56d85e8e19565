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

// One formula whatever holds the values (the stored codes or a block read from them),
// so both give the same bits; value(i, j) is the number of cell (i, j).
template <typename Value> double RowMean(const Value& value, std::uint32_t order, std::uint32_t row, double exponent)
{
    double p = 1.0;
    for (std::uint32_t j = 0; j < order; ++j) {
        p = p * value(row, j);
    }
    return std::pow(p, exponent);
}

template <typename Value> void PrioritiesOf(const Value& value, std::uint32_t order, double* priority)
{
    const double exponent = 1.0 / static_cast<double>(order);
    for (std::uint32_t i = 0; i < order; ++i) {
        priority[i] = RowMean(value, order, i, exponent);
    }
    NormalizeVector(order, priority);
}

template <typename Value> CConsistency ConsistencyOf(const Value& value, std::uint32_t order, const double* priority)
{
    CConsistency result;
    double sum = 0.0;
    for (std::uint32_t i = 0; i < order; ++i) {
        if (priority[i] == 0.0 || !std::isfinite(priority[i])) {
            return result;
        }
        double s = 0.0;
        for (std::uint32_t j = 0; j < order; ++j) {
            s = s + value(i, j) * priority[j];
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

auto CodesOf(const TMatrix<int>& judgements)
{
    return [&judgements](std::uint32_t i, std::uint32_t j) { return JudgementValue(judgements(i, j)); };
}

auto BlockOf(const CValueBlock& values)
{
    return [&values](std::uint32_t i, std::uint32_t j) { return values[i][j]; };
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
    return RowMean(BlockOf(values), order, row, 1.0 / static_cast<double>(order));
}

void ComputeLocalPriorities(const CValueBlock& values, std::uint32_t n, double* priority)
{
    PrioritiesOf(BlockOf(values), BlockOrder(n), priority);
}

CConsistency ComputeConsistency(const CValueBlock& values, std::uint32_t n, const double* priority)
{
    return ConsistencyOf(BlockOf(values), BlockOrder(n), priority);
}

void ComputeLocalPriorities(const TMatrix<int>& judgements, std::uint32_t n, double* priority)
{
    PrioritiesOf(CodesOf(judgements), BlockOrder(n), priority);
}

CConsistency ComputeConsistency(const TMatrix<int>& judgements, std::uint32_t n, const double* priority)
{
    return ConsistencyOf(CodesOf(judgements), BlockOrder(n), priority);
}

void ComputeLocalPriorities(CUserProjectModel& project, std::uint32_t position, std::uint32_t level, std::uint32_t n)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels || n > MaxElementsPerLevel) {
        return;
    }
    ComputeLocalPriorities(
        project.Element(position, level).Judgements, n, project.LevelData(position, level).Priority.data());
}

void ComputeConsistency(CUserProjectModel& project, std::uint32_t position, std::uint32_t level, std::uint32_t n)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels || n > MaxElementsPerLevel) {
        return;
    }
    TDesicionLevelData& record = project.LevelData(position, level);
    const CConsistency c = ComputeConsistency(project.Element(position, level).Judgements, n, record.Priority.data());
    record.LambdaMax = c.LambdaMax;
    record.CI = c.CI;
    record.CR = c.CR;
}
