#include "core/results/Deviations.h"

#include "core/results/LocalPriorities.h"

#include <cmath>

CDeviationTable ComputeDeviations(const TMatrix<int>& judgements, std::uint32_t n, const double* priority)
{
    CDeviationTable table;
    table.Order = n > MaxElementsPerLevel ? MaxElementsPerLevel : n;
    for (std::uint32_t i = 0; i < table.Order; ++i) {
        double rowSum = 0.0;
        for (std::uint32_t j = 0; j < table.Order; ++j) {
            double d = 0.0;
            if (j != i) {
                // A zero priority only comes from a 0 read from a file; its ratio counts as 0.
                const double ratio = priority[j] == 0.0 ? 0.0 : priority[i] / priority[j];
                d = std::fabs(JudgementValue(judgements(i, j)) - ratio);
                if (!std::isfinite(d)) {
                    d = 0.0;
                }
            }
            table.Deviation[i][j] = d;
            rowSum = rowSum + d;
        }
        table.RowSum[i] = rowSum;
    }
    return table;
}

namespace {
std::string TriadLine(std::uint32_t i, std::uint32_t j, std::uint32_t k, char relation)
{
    std::string line;
    line += std::to_string(i + 1);
    line += relation;
    line += std::to_string(j + 1);
    line += relation;
    line += std::to_string(k + 1);
    line += relation;
    line += std::to_string(i + 1);
    return line;
}
} // namespace

CTransitivityReport BuildTransitivityReport(const TMatrix<int>& judgements, std::uint32_t n)
{
    CTransitivityReport report;
    const std::uint32_t order = n > MaxElementsPerLevel ? MaxElementsPerLevel : n;
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = i + 1; j < order; ++j) {
            for (std::uint32_t k = j + 1; k < order; ++k) {
                const int ij = judgements(i, j);
                const int jk = judgements(j, k);
                const int ki = judgements(k, i);
                if (ij > 1 && jk > 1 && ki > 1) {
                    report.None = false;
                    report.Lines.push_back(TriadLine(i, j, k, '>'));
                }
                if (ij < 1 && jk < 1 && ki < 1) {
                    report.None = false;
                    report.Lines.push_back(TriadLine(i, j, k, '<'));
                }
            }
        }
    }
    return report;
}
