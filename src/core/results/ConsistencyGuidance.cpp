#include "core/results/ConsistencyGuidance.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CProjectResults.h"
#include "core/results/IncompleteJudgements.h"

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

namespace {
// One implementation for the blocks of every order: a layered element's (up to 9) and any
// matrix of a hierarchy (up to 20); the block of 9 or fewer gives the same bits in both.
template <std::uint32_t Capacity>
std::optional<double> GeometricIndexOf(const TValueBlock<Capacity>& values, std::uint32_t n, const double* priority)
{
    if (n < 3 || n > Capacity) {
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
} // namespace

std::optional<double> GeometricConsistencyIndex(const CValueBlock& values, std::uint32_t n, const double* priority)
{
    return GeometricIndexOf<MaxElementsPerLevel>(values, n, priority);
}

std::optional<double> GeometricConsistencyIndex(const CWideValueBlock& values, std::uint32_t n, const double* priority)
{
    return GeometricIndexOf<MaxMatrixOrder>(values, n, priority);
}

std::int32_t ScaleCodeOfRatio(double ratio)
{
    if (!(ratio > 0.0) || !std::isfinite(ratio)) {
        return 1;
    }
    const double strength = std::min(std::round(ratio >= 1.0 ? ratio : 1.0 / ratio), 9.0);
    const auto whole = static_cast<std::int32_t>(strength);
    if (whole <= 1) {
        return 1;
    }
    return ratio >= 1.0 ? whole : -whole;
}

namespace {
// The mirror rule of the comparison window: the other cell holds the same judgement
// seen from the other side.
std::int32_t MirrorCode(std::int32_t code)
{
    return code == 1 ? 1 : -code;
}

// The judgements of the scale, smallest value first.
constexpr std::array<std::int32_t, 17> ScaleCodes{-9, -8, -7, -6, -5, -4, -3, -2, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// Figures equal in exact arithmetic arrive a few units in the last place apart (the three
// cells of a 3 x 3 cycle change the CR alike), so figures this close count as equal.
constexpr double Tolerance = 1e-9;

// -1, 0 or 1 as a is below, level with or above b.
int CompareFigures(double a, double b)
{
    if (a < b - Tolerance) {
        return -1;
    }
    return b < a - Tolerance ? 1 : 0;
}

struct CProposal {
    std::uint32_t Row = 0;
    std::uint32_t Column = 0;
    std::int32_t Code = 1;
    double Change = 0.0; // |ln value(Code) - ln value(present)|
    double CrAfter = 0.0;
    bool Reaches = false;
};

// Whether a is the better change by the figures alone: one that reaches the limit beats
// one that does not; among those that reach the nearer wins, then the lower CR; among the
// others the lower CR, then the nearer. Level figures give false.
bool BetterChange(const CProposal& a, const CProposal& b)
{
    if (a.Reaches != b.Reaches) {
        return a.Reaches;
    }
    const int change = CompareFigures(a.Change, b.Change);
    const int cr = CompareFigures(a.CrAfter, b.CrAfter);
    const int first = a.Reaches ? change : cr;
    const int second = a.Reaches ? cr : change;
    return first != 0 ? first < 0 : second < 0;
}

bool RankedBefore(const CProposal& a, const CProposal& b)
{
    if (BetterChange(a, b)) {
        return true;
    }
    if (BetterChange(b, a)) {
        return false;
    }
    return a.Row != b.Row ? a.Row < b.Row : a.Column < b.Column;
}

template <std::uint32_t Capacity>
TComparisonGraph<Capacity> GraphOf(const CJudgementMatrix& judgements, std::uint32_t n)
{
    static_assert(Capacity == MaxElementsPerLevel || Capacity == MaxMatrixOrder);
    if constexpr (Capacity == MaxElementsPerLevel) {
        return BuildComparisonGraph(judgements, n);
    } else {
        return BuildWideComparisonGraph(judgements, n);
    }
}

template <std::uint32_t Capacity>
TMatrixPriorities<Capacity> MatrixPrioritiesOf(const CJudgementMatrix& judgements, std::uint32_t n)
{
    static_assert(Capacity == MaxElementsPerLevel || Capacity == MaxMatrixOrder);
    if constexpr (Capacity == MaxElementsPerLevel) {
        return ComputeMatrixPriorities(judgements, n);
    } else {
        return ComputeWideMatrixPriorities(judgements, n);
    }
}

template <std::uint32_t Capacity>
bool HoldsZero(const TValueBlock<Capacity>& values, std::uint32_t n, const double* priority)
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

// The block with one pair of cells varied in place and put back afterwards. Only the
// two varied rows' products change, so the other rows' geometric means are kept; each
// mean is RowGeometricMean's and the vector is normalised by NormalizeVector, as
// ComputeLocalPriorities does, so the priorities, the CR and the GCI are bit for bit
// those of the changed matrix computed afresh.
//
// With pairs left out (judgements given) every variation is computed afresh by least
// squares from a copy of the judgements, and there is no GCI.
template <std::uint32_t Capacity> class TVariedBlock {
public:
    TVariedBlock(TValueBlock<Capacity>& values, std::uint32_t n, const CJudgementMatrix* judgements = nullptr)
        : Values(values)
        , Order(n)
        , Given(judgements)
    {
        for (std::uint32_t i = 0; i < n; ++i) {
            Means[i] = RowGeometricMean(values, n, i);
        }
    }

    // The CR of the block with (row, column) = value(code) and its mirror, and its GCI
    // when gci is given; the block is left as it was.
    double CrWith(std::uint32_t row, std::uint32_t column, std::int32_t code, std::optional<double>* gci = nullptr)
    {
        if (Given != nullptr) {
            CJudgementMatrix varied = *Given;
            varied(row, column) = CJudgement::FromCode(code);
            varied(column, row) = CJudgement::FromCode(MirrorCode(code));
            if (gci != nullptr) {
                *gci = std::nullopt;
            }
            return MatrixPrioritiesOf<Capacity>(varied, Order).Measures.CR;
        }
        double& upper = Values[row][column];
        double& lower = Values[column][row];
        const double oldUpper = upper;
        const double oldLower = lower;
        upper = JudgementValue(code);
        lower = JudgementValue(MirrorCode(code));
        std::array<double, Capacity> w = Means;
        w[row] = RowGeometricMean(Values, Order, row);
        w[column] = RowGeometricMean(Values, Order, column);
        NormalizeVector(Order, w.data());
        const double cr = ComputeConsistency(Values, Order, w.data()).CR;
        if (gci != nullptr) {
            *gci = GeometricIndexOf<Capacity>(Values, Order, w.data());
        }
        upper = oldUpper;
        lower = oldLower;
        return cr;
    }

private:
    TValueBlock<Capacity>& Values;
    std::uint32_t Order = 0;
    const CJudgementMatrix* Given = nullptr;
    std::array<double, Capacity> Means{};
};

// The cell's own proposal, or none when no value of the scale lowers the CR.
template <std::uint32_t Capacity>
std::optional<CProposal> ProposeForCell(TVariedBlock<Capacity>& block, std::uint32_t row, std::uint32_t column,
    const CJudgement& present, double crNow, double limit)
{
    const double presentLog = std::log(present.Value());
    std::optional<CProposal> best;
    for (const std::int32_t code : ScaleCodes) {
        if (!present.IsCombined() && code == present.Code()) {
            continue;
        }
        CProposal tried{row, column, code, std::fabs(std::log(JudgementValue(code)) - presentLog), 0.0, false};
        tried.CrAfter = block.CrWith(row, column, code);
        tried.Reaches = tried.CrAfter <= limit;
        if (!best || BetterChange(tried, *best)) {
            best = tried;
        }
    }
    if (!best || CompareFigures(best->CrAfter, crNow) >= 0) {
        return std::nullopt;
    }
    return best;
}

// Which side a value favours: 1 the row element, -1 the column element, 0 neither.
int Side(double value)
{
    if (value > 1.0) {
        return 1;
    }
    return value < 1.0 ? -1 : 0;
}

// What the other judgements imply for the suggested pair, and the implied judgement
// proposed in its stead when the pair looks entered the wrong way round and the implied
// one reaches the limit.
template <std::uint32_t Capacity>
void WeighAgainstTheOthers(const TComparisonGraph<Capacity>& graph, const TValueBlock<Capacity>& values,
    TVariedBlock<Capacity>& block, double limit, const CJudgement& present, CSuggestion& suggestion)
{
    std::array<double, Capacity> w{};
    if (!ComputeLeastSquaresPriorities(values, WithoutPair(graph, suggestion.Row, suggestion.Column), w.data())) {
        return;
    }
    const double ratio = w[suggestion.Row] / w[suggestion.Column];
    suggestion.ImpliedRatio = ratio;
    suggestion.Implied = ScaleCodeOfRatio(ratio);
    const int now = Side(present.Value());
    const int implied = Side(JudgementValue(suggestion.Implied));
    suggestion.ProbablyReversed = now != 0 && implied != 0 && now != implied;
    if (!suggestion.ProbablyReversed || suggestion.Proposed == suggestion.Implied) {
        return;
    }
    std::optional<double> gci;
    const double cr = block.CrWith(suggestion.Row, suggestion.Column, suggestion.Implied, &gci);
    if (cr <= limit) {
        suggestion.Proposed = suggestion.Implied;
        suggestion.CrAfter = cr;
        suggestion.GciAfter = gci;
        suggestion.Reaches = true;
    }
}

template <std::uint32_t Capacity>
void Suggest(const CJudgementMatrix& judgements, TValueBlock<Capacity>& values, CConsistencyGuidance& guidance)
{
    const TComparisonGraph<Capacity> graph = GraphOf<Capacity>(judgements, guidance.Order);
    const std::uint32_t order = guidance.Order;
    TVariedBlock<Capacity> block(values, order, guidance.Completed ? &judgements : nullptr);
    std::array<CProposal, Capacity*(Capacity - 1) / 2> proposals{};
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = i + 1; j < order; ++j) {
            // A pair left out stays the user's choice: nothing is proposed for it.
            if (guidance.Completed && !judgements(i, j).IsJudged() && !judgements(j, i).IsJudged()) {
                continue;
            }
            const std::optional<CProposal> proposal
                = ProposeForCell(block, i, j, judgements(i, j), guidance.Measures.CR, guidance.CrLimit);
            if (proposal) {
                proposals[count++] = *proposal;
            }
        }
    }
    // The best three by selection: the order allows figures within the tolerance to
    // tie, which a sort's comparison may not.
    while (guidance.SuggestionCount < MaxSuggestions && count > 0) {
        std::uint32_t best = 0;
        for (std::uint32_t p = 1; p < count; ++p) {
            if (RankedBefore(proposals[p], proposals[best])) {
                best = p;
            }
        }
        const CProposal chosen = proposals[best];
        proposals[best] = proposals[--count];
        CSuggestion& suggestion = guidance.Suggestions[guidance.SuggestionCount++];
        suggestion.Row = chosen.Row;
        suggestion.Column = chosen.Column;
        suggestion.Current = judgements(chosen.Row, chosen.Column).Code();
        suggestion.Proposed = chosen.Code;
        suggestion.CrAfter = block.CrWith(chosen.Row, chosen.Column, chosen.Code, &suggestion.GciAfter);
        suggestion.Reaches = chosen.Reaches;
        WeighAgainstTheOthers<Capacity>(
            graph, values, block, guidance.CrLimit, judgements(chosen.Row, chosen.Column), suggestion);
        const int before = Side(judgements(chosen.Row, chosen.Column).Value());
        const int after = Side(JudgementValue(suggestion.Proposed));
        suggestion.Reverses = before != 0 && after != 0 && before != after;
    }
}

template <std::uint32_t Capacity>
CConsistencyGuidance Guide(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority)
{
    CConsistencyGuidance guidance;
    const std::uint32_t order = n > Capacity ? Capacity : n;
    guidance.Order = order;
    guidance.CrLimit = ConsistencyRatioLimit(order);
    guidance.GciLimit = GeometricIndexLimit(order);
    if (order < 2) {
        return guidance;
    }
    const TComparisonGraph<Capacity> graph = GraphOf<Capacity>(judgements, order);
    if (!graph.Complete()) {
        const TMatrixPriorities<Capacity> found = MatrixPrioritiesOf<Capacity>(judgements, order);
        if (!found.HasPriorities()) {
            guidance.HoldsZero = true;
            guidance.NotConnected = found.Basis == EPrioritiesBasis::NotConnected;
            guidance.Verdict = EConsistencyVerdict::Undetermined;
            return guidance;
        }
        guidance.Completed = true;
        guidance.Measures = found.Measures;
        TValueBlock<Capacity> completed = found.Completed;
        const bool within = guidance.Measures.CR <= guidance.CrLimit;
        guidance.Verdict = within ? EConsistencyVerdict::Acceptable : EConsistencyVerdict::NotAcceptable;
        if (!within && order >= 3) {
            Suggest<Capacity>(judgements, completed, guidance);
        }
        return guidance;
    }
    TValueBlock<Capacity> values;
    ReadJudgementValues(judgements, order, values);
    guidance.Measures = ComputeConsistency(values, order, priority);
    guidance.HoldsZero = HoldsZero<Capacity>(values, order, priority);
    if (guidance.HoldsZero) {
        // Its CR is a 0 standing for "undefined": never call such a matrix consistent.
        guidance.Verdict = EConsistencyVerdict::Undetermined;
        return guidance;
    }
    // A reciprocal pair has a CR of 0 (up to rounding); one from a foreign file need not.
    const bool within = guidance.Measures.CR <= guidance.CrLimit;
    guidance.Verdict = within ? EConsistencyVerdict::Acceptable : EConsistencyVerdict::NotAcceptable;
    guidance.Gci = GeometricIndexOf<Capacity>(values, order, priority);
    if (!within && order >= 3) {
        Suggest<Capacity>(judgements, values, guidance);
    }
    return guidance;
}
} // namespace

CConsistencyGuidance GuideConsistency(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority)
{
    // A layered element's block keeps its own small storage, so its search runs as fast as ever.
    return n <= MaxElementsPerLevel ? Guide<MaxElementsPerLevel>(judgements, n, priority)
                                    : Guide<MaxMatrixOrder>(judgements, n, priority);
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

std::uint32_t JudgedMatrixCount(const CUserProjectModel& project)
{
    std::uint32_t count = 0;
    for (std::uint32_t level = 0; level + 1 < project.LevelCount() && level + 1 < MaxLevels; ++level) {
        count += level == 0 ? 1U : project.ElementsInLevelChecked(level);
    }
    return count;
}

namespace {
// Whether a matrix has a verdict, as the research window gives one: priorities that are
// all numbers above 0 and, unless they rest on the judgements given, no cell of 0 (a
// foreign file's). value(i, j) is the number of cell (i, j).
template <typename Value>
bool RatioMeasured(const Value& value, std::uint32_t n, const double* priority, bool completed)
{
    bool measured = n >= 2;
    for (std::uint32_t i = 0; i < n && measured; ++i) {
        measured = priority[i] != 0.0 && std::isfinite(priority[i]);
        for (std::uint32_t j = 0; j < n && measured; ++j) {
            measured = completed || value(i, j) != 0.0;
        }
    }
    return measured;
}
} // namespace

std::vector<CUnacceptableMatrix> UnacceptableMatrices(const CUserProjectModel& project, const CProjectResults& results)
{
    std::vector<CUnacceptableMatrix> found;
    for (std::uint32_t level = 0; level + 1 < project.LevelCount() && level + 1 < MaxLevels; ++level) {
        const std::uint32_t n = project.ElementsInLevelChecked(level + 1);
        const std::uint32_t parents = level == 0 ? 1U : project.ElementsInLevelChecked(level);
        for (std::uint32_t position = 0; position < parents; ++position) {
            const TDesicionLevelData& data = results.LevelData(position, level);
            const CUserProjectModel::TJudgementColumns& columns = project.JudgementColumns(position, level);
            const bool completed = results.Basis(position, level) == EPrioritiesBasis::LeastSquares;
            const bool measured = RatioMeasured([&columns](std::uint32_t i, std::uint32_t j) { return columns[j][i]; },
                n, data.Priority.data(), completed);
            const double limit = ConsistencyRatioLimit(n);
            if (measured && data.CR > limit) {
                found.push_back(CUnacceptableMatrix{level, position, data.CR, limit, completed});
            }
        }
    }
    return found;
}

std::vector<CUnacceptableNode> UnacceptableNodes(const CHierarchy& hierarchy, const CHierarchyResults& results)
{
    std::vector<CUnacceptableNode> found;
    for (std::uint32_t node = 0; node < hierarchy.NodeCount(); ++node) {
        const CNodeResult& result = results.Node(node);
        const std::uint32_t n = hierarchy.ComparedCount(node);
        const CJudgementMatrix& judgements = hierarchy.Node(node).Judgements;
        const bool completed = result.Basis == EPrioritiesBasis::LeastSquares;
        const bool measured = result.Compared && result.Local.size() >= n
            && RatioMeasured([&judgements](std::uint32_t i, std::uint32_t j) { return judgements(i, j).Value(); }, n,
                result.Local.data(), completed);
        const double limit = ConsistencyRatioLimit(n);
        if (measured && result.Measures.CR > limit) {
            found.push_back(CUnacceptableNode{node, result.Measures.CR, limit, completed});
        }
    }
    return found;
}

std::uint32_t JudgedMatrixCount(const CHierarchy& hierarchy, const CHierarchyResults& results)
{
    std::uint32_t count = 0;
    for (std::uint32_t node = 0; node < hierarchy.NodeCount(); ++node) {
        count += results.Node(node).Compared ? 1U : 0U;
    }
    return count;
}
