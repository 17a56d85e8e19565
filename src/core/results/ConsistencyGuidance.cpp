#include "core/results/ConsistencyGuidance.h"

#include "core/model/CUserProjectModel.h"

#include <algorithm>
#include <cmath>

double ConsistencyRatioLimit(std::uint32_t n)
{
    if (n <= 3) {
        return 0.05;
    }
    return n == 4 ? 0.08 : 0.10;
}

std::optional<double> GeometricIndexLimit(std::uint32_t n)
{
    if (n < 3) {
        return std::nullopt;
    }
    if (n == 3) {
        return 0.31;
    }
    return n == 4 ? 0.35 : 0.37;
}

std::optional<double> GeometricConsistencyIndex(const CValueBlock& values, std::uint32_t n, const double* priority)
{
    if (n < 3 || n > MaxElementsPerLevel) {
        return std::nullopt;
    }
    double sum = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            const double e = values[i][j] * priority[j] / priority[i];
            if (!(e > 0.0) || !std::isfinite(e)) {
                return std::nullopt;
            }
            const double l = std::log(e);
            sum = sum + l * l;
        }
    }
    const auto size = static_cast<double>(n);
    return 2.0 / ((size - 1.0) * (size - 2.0)) * sum;
}

std::int32_t ProposedJudgement(double ratio)
{
    const bool rowAhead = ratio >= 1.0;
    const double r = rowAhead ? ratio : 1.0 / ratio;
    // std::round takes halves away from zero; anything from 8.5 on is the scale's 9.
    const double v = r >= 9.0 || !std::isfinite(r) ? 9.0 : std::round(r);
    const auto code = static_cast<std::int32_t>(v);
    if (code <= 1) {
        return 1;
    }
    return rowAhead ? code : -code;
}

namespace {
// The mirror rule of the comparison window: the other cell holds the same judgement
// seen from the other side.
std::int32_t MirrorCode(std::int32_t code)
{
    return code == 1 ? 1 : -code;
}

struct CRankedPair {
    double Weight = 0.0;
    std::uint32_t Row = 0;
    std::uint32_t Column = 0;
    std::int32_t Proposed = 1;
};

// Weights equal in exact arithmetic arrive a few units in the last place apart (every
// pair of a 3 x 3 matrix weighs the same), so a run of weights within this of its first
// one counts as a tie and is put in row, then column order.
constexpr double TieTolerance = 1e-10;

void OrderTiesByCell(CRankedPair* pairs, std::uint32_t count)
{
    auto before = [](const CRankedPair& a, const CRankedPair& b) {
        return a.Row != b.Row ? a.Row < b.Row : a.Column < b.Column;
    };
    std::uint32_t start = 0;
    while (start < count) {
        std::uint32_t end = start + 1;
        while (end < count && pairs[start].Weight - pairs[end].Weight <= TieTolerance) {
            ++end;
        }
        std::sort(pairs + start, pairs + end, before);
        start = end;
    }
}

bool HoldsZero(const CValueBlock& values, std::uint32_t n, const double* priority)
{
    for (std::uint32_t i = 0; i < n; ++i) {
        if (priority[i] == 0.0 || !std::isfinite(priority[i])) {
            return true;
        }
        for (std::uint32_t j = 0; j < n; ++j) {
            if (values[i][j] == 0.0) {
                return true;
            }
        }
    }
    return false;
}

// The measures the block would have with the pair (row, column) changed to the proposal,
// its priorities computed again exactly as ComputeLocalPriorities does: only the two
// changed rows' geometric means differ from the present ones.
void MeasureAfter(CValueBlock& values, std::uint32_t n, const double* means, CSuggestion& suggestion)
{
    const std::uint32_t r = suggestion.Row;
    const std::uint32_t c = suggestion.Column;
    const double oldRow = values[r][c];
    const double oldColumn = values[c][r];
    values[r][c] = JudgementValue(suggestion.Proposed);
    values[c][r] = JudgementValue(MirrorCode(suggestion.Proposed));
    std::array<double, MaxElementsPerLevel> w{};
    for (std::uint32_t i = 0; i < n; ++i) {
        w[i] = i == r || i == c ? RowGeometricMean(values, n, i) : means[i];
    }
    NormalizeVector(n, w.data());
    suggestion.CrAfter = ComputeConsistency(values, n, w.data()).CR;
    suggestion.GciAfter = GeometricConsistencyIndex(values, n, w.data());
    values[r][c] = oldRow;
    values[c][r] = oldColumn;
}
} // namespace

CConsistencyGuidance GuideConsistency(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority)
{
    CConsistencyGuidance guidance;
    const std::uint32_t order = n > MaxElementsPerLevel ? MaxElementsPerLevel : n;
    guidance.Order = order;
    guidance.CrLimit = ConsistencyRatioLimit(order);
    guidance.GciLimit = GeometricIndexLimit(order);
    if (order < 2) {
        return guidance;
    }
    CValueBlock values;
    ReadJudgementValues(judgements, order, values);
    guidance.Measures = ComputeConsistency(values, order, priority);
    guidance.HoldsZero = HoldsZero(values, order, priority);
    if (guidance.HoldsZero) {
        // Its CR is a 0 standing for "undefined": never call such a matrix consistent.
        guidance.Verdict = EConsistencyVerdict::Undetermined;
        return guidance;
    }
    // A reciprocal pair has a CR of 0 (up to rounding); one from a foreign file need not.
    const bool within = guidance.Measures.CR <= guidance.CrLimit;
    guidance.Verdict = within ? EConsistencyVerdict::Acceptable : EConsistencyVerdict::NotAcceptable;
    guidance.Gci = GeometricConsistencyIndex(values, order, priority);

    std::array<CRankedPair, MaxElementsPerLevel*(MaxElementsPerLevel - 1) / 2> pairs{};
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = i + 1; j < order; ++j) {
            const double e = values[i][j] * priority[j] / priority[i];
            pairs[count++] = CRankedPair{std::fabs(std::log(e)), i, j, ProposedJudgement(priority[i] / priority[j])};
        }
    }
    std::sort(pairs.begin(), pairs.begin() + count,
        [](const CRankedPair& a, const CRankedPair& b) { return a.Weight > b.Weight; });
    OrderTiesByCell(pairs.data(), count);
    std::array<double, MaxElementsPerLevel> means{};
    for (std::uint32_t i = 0; i < order; ++i) {
        means[i] = RowGeometricMean(values, order, i);
    }
    for (std::uint32_t p = 0; p < count && guidance.SuggestionCount < MaxSuggestions; ++p) {
        const CRankedPair& pair = pairs[p];
        const std::int32_t current = judgements(pair.Row, pair.Column).Code();
        if (pair.Proposed == current) {
            continue;
        }
        CSuggestion& suggestion = guidance.Suggestions[guidance.SuggestionCount++];
        suggestion.Row = pair.Row;
        suggestion.Column = pair.Column;
        suggestion.Current = current;
        suggestion.Proposed = pair.Proposed;
        suggestion.Weight = pair.Weight;
        MeasureAfter(values, order, means.data(), suggestion);
    }
    return guidance;
}

CConsistencyGuidance GuideConsistency(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level)
{
    if (level + 1 >= project.LevelCount() || level + 1 >= MaxLevels
        || position >= (level == 0 ? 1U : project.ElementsInLevelChecked(level))) {
        return CConsistencyGuidance{};
    }
    const std::uint32_t n = project.ElementsInLevelChecked(level + 1);
    const CJudgementMatrix& judgements = project.Element(position, level).Judgements;
    std::array<double, MaxElementsPerLevel> w{};
    ComputeLocalPriorities(judgements, n, w.data());
    return GuideConsistency(judgements, n, w.data());
}

void ApplySuggestion(CJudgementMatrix& working, const CSuggestion& suggestion)
{
    working(suggestion.Row, suggestion.Column) = CJudgement::FromCode(suggestion.Proposed);
    working(suggestion.Column, suggestion.Row) = CJudgement::FromCode(MirrorCode(suggestion.Proposed));
}

const char* ConsistencyVerdictText(EConsistencyVerdict verdict)
{
    switch (verdict) {
    case EConsistencyVerdict::Acceptable:
        return "Согласованность суждений приемлема";
    case EConsistencyVerdict::NotAcceptable:
        return "Согласованность суждений недостаточна: суждения стоит пересмотреть";
    case EConsistencyVerdict::Undetermined:
        break;
    }
    return "Согласованность не оценивается: в матрице есть нулевые суждения";
}
