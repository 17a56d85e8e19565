#include "core/results/Deviations.h"

#include "core/model/HierarchyLimits.h"
#include "core/results/LocalPriorities.h"

#include <cmath>

namespace {
bool PairLeftOut(const CJudgementMatrix& judgements, std::uint32_t i, std::uint32_t j)
{
    return !judgements(i, j).IsJudged() && !judgements(j, i).IsJudged();
}
} // namespace

namespace {
template <std::uint32_t Capacity>
TDeviationTable<Capacity> DeviationsOf(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority)
{
    TDeviationTable<Capacity> table;
    table.Order = n > Capacity ? Capacity : n;
    for (std::uint32_t i = 0; i < table.Order; ++i) {
        double rowSum = 0.0;
        for (std::uint32_t j = 0; j < table.Order; ++j) {
            double d = 0.0;
            if (j != i && PairLeftOut(judgements, i, j)) {
                table.Missing[i][j] = true;
            } else if (j != i) {
                // A zero priority only comes from a 0 read from a file; its ratio counts as 0.
                const double ratio = priority[j] == 0.0 ? 0.0 : priority[i] / priority[j];
                d = std::fabs(judgements(i, j).Value() - ratio);
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
} // namespace

CDeviationTable ComputeDeviations(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority)
{
    return DeviationsOf<MaxElementsPerLevel>(judgements, n, priority);
}

CWideDeviationTable ComputeWideDeviations(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority)
{
    return DeviationsOf<MaxMatrixOrder>(judgements, n, priority);
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

// Which element of a pair a judgement favours: 1 the row's, -1 the column's, 0 neither.
// A code counts as stored, so a foreign file's 0 or -1 favours the column element.
int Favoured(const CJudgement& judgement)
{
    if (judgement.IsCombined()) {
        return judgement.Value() > 1.0 ? 1 : judgement.Value() < 1.0 ? -1 : 0;
    }
    return judgement.Code() > 1 ? 1 : judgement.Code() < 1 ? -1 : 0;
}
} // namespace

CTransitivityReport BuildTransitivityReport(const CJudgementMatrix& judgements, std::uint32_t n)
{
    CTransitivityReport report;
    const std::uint32_t order = n > MaxMatrixOrder ? MaxMatrixOrder : n;
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = i + 1; j < order; ++j) {
            for (std::uint32_t k = j + 1; k < order; ++k) {
                if (PairLeftOut(judgements, i, j) || PairLeftOut(judgements, j, k) || PairLeftOut(judgements, k, i)) {
                    continue;
                }
                const int ij = Favoured(judgements(i, j));
                const int jk = Favoured(judgements(j, k));
                const int ki = Favoured(judgements(k, i));
                if (ij > 0 && jk > 0 && ki > 0) {
                    report.None = false;
                    report.Lines.push_back(TriadLine(i, j, k, '>'));
                }
                if (ij < 0 && jk < 0 && ki < 0) {
                    report.None = false;
                    report.Lines.push_back(TriadLine(i, j, k, '<'));
                }
            }
        }
    }
    return report;
}
