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

void ComputeLocalPriorities(const TMatrix<int>& judgements, std::uint32_t n, double* priority)
{
    const double exponent = 1.0 / static_cast<double>(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        double p = 1.0;
        for (std::uint32_t j = 0; j < n; ++j) {
            p = p * JudgementValue(judgements(i, j));
        }
        priority[i] = std::pow(p, exponent);
    }
    NormalizeVector(n, priority);
}

CConsistency ComputeConsistency(const TMatrix<int>& judgements, std::uint32_t n, const double* priority)
{
    CConsistency result;
    double sum = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (priority[i] == 0.0 || !std::isfinite(priority[i])) {
            return result;
        }
        double s = 0.0;
        for (std::uint32_t j = 0; j < n; ++j) {
            s = s + JudgementValue(judgements(i, j)) * priority[j];
        }
        sum = sum + s / priority[i];
    }
    result.LambdaMax = sum / static_cast<double>(n);
    result.CI = (result.LambdaMax - static_cast<double>(n)) / (static_cast<double>(n) - 1.0);
    result.CR = n < RandomIndex.size() ? result.CI / RandomIndex[n] : 0.0;
    if (!std::isfinite(result.LambdaMax) || !std::isfinite(result.CI) || !std::isfinite(result.CR)) {
        return CConsistency{};
    }
    return result;
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
