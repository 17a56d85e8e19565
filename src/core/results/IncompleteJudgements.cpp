#include "core/results/IncompleteJudgements.h"

#include <bit>
#include <cmath>

namespace {
std::uint32_t BlockOrder(const CJudgementMatrix& judgements, std::uint32_t n, std::uint32_t capacity)
{
    std::uint32_t order = n > capacity ? capacity : n;
    order = order > judgements.RowCountInUse() ? judgements.RowCountInUse() : order;
    return order > judgements.ColCountInUse() ? judgements.ColCountInUse() : order;
}

bool Usable(double value)
{
    return value > 0.0 && std::isfinite(value);
}

void ZeroPriorities(std::uint32_t order, double* priority)
{
    for (std::uint32_t i = 0; i < order; ++i) {
        priority[i] = 0.0;
    }
}

// M = L + 1 1^T is positive definite for a connected graph; M y = r then gives
// L y = r - mean(r) 1, the projection of r onto the range of L.
template <std::uint32_t Capacity> bool SolveCholesky(TValueBlock<Capacity>& m, std::uint32_t order, double* y)
{
    // Lower triangle of m becomes the factor.
    for (std::uint32_t k = 0; k < order; ++k) {
        double d = m[k][k];
        for (std::uint32_t p = 0; p < k; ++p) {
            d -= m[k][p] * m[k][p];
        }
        if (!(d > 0.0)) {
            return false;
        }
        const double pivot = std::sqrt(d);
        m[k][k] = pivot;
        for (std::uint32_t i = k + 1; i < order; ++i) {
            double s = m[i][k];
            for (std::uint32_t p = 0; p < k; ++p) {
                s -= m[i][p] * m[k][p];
            }
            m[i][k] = s / pivot;
        }
    }
    for (std::uint32_t i = 0; i < order; ++i) {
        double s = y[i];
        for (std::uint32_t p = 0; p < i; ++p) {
            s -= m[i][p] * y[p];
        }
        y[i] = s / m[i][i];
    }
    for (std::uint32_t i = order; i-- > 0;) {
        double s = y[i];
        for (std::uint32_t p = i + 1; p < order; ++p) {
            s -= m[p][i] * y[p];
        }
        y[i] = s / m[i][i];
    }
    return true;
}

template <std::uint32_t Capacity> void FindComponents(TComparisonGraph<Capacity>& graph)
{
    const std::uint32_t order = graph.Order;
    graph.ComponentCount = 0;
    graph.ComponentSize = {};
    // Components grow from the smallest position not yet reached, so they come ordered by
    // their first position; each is read off its bit set in increasing order.
    std::uint32_t reached = 0;
    for (std::uint32_t start = 0; start < order; ++start) {
        if ((reached >> start & 1U) != 0) {
            continue;
        }
        std::uint32_t component = 0;
        std::uint32_t frontier = 1U << start;
        while (frontier != 0) {
            const auto v = static_cast<std::uint32_t>(std::countr_zero(frontier));
            frontier &= frontier - 1;
            component |= 1U << v;
            frontier |= graph.Adjacent[v] & ~component;
        }
        reached |= component;
        const std::uint32_t index = graph.ComponentCount++;
        for (std::uint32_t v = 0; v < order; ++v) {
            if ((component >> v & 1U) != 0) {
                graph.ComponentMembers[index][graph.ComponentSize[index]++] = v;
                graph.ComponentOf[v] = index;
            }
        }
    }
}

template <std::uint32_t Capacity>
TComparisonGraph<Capacity> BuildGraph(const CJudgementMatrix& judgements, std::uint32_t n)
{
    TComparisonGraph<Capacity> graph;
    const std::uint32_t order = BlockOrder(judgements, n, Capacity);
    graph.Order = order;
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = i + 1; j < order; ++j) {
            if (judgements(i, j).IsJudged() || judgements(j, i).IsJudged()) {
                graph.Adjacent[i] |= 1U << j;
                graph.Adjacent[j] |= 1U << i;
                ++graph.JudgedPairs;
            } else {
                graph.Missing[graph.MissingCount++] = CElementPair{i, j};
            }
        }
    }
    FindComponents(graph);
    return graph;
}

template <std::uint32_t Capacity>
bool LeastSquares(const TValueBlock<Capacity>& values, const TComparisonGraph<Capacity>& graph, double* priority)
{
    const std::uint32_t order = graph.Order;
    if (!graph.Connected()) {
        ZeroPriorities(order, priority);
        return false;
    }
    TValueBlock<Capacity> m{};
    double y[Capacity] = {};
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = 0; j < order; ++j) {
            m[i][j] = 1.0;
        }
    }
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = 0; j < order; ++j) {
            if (!graph.Judged(i, j)) {
                continue;
            }
            if (!Usable(values[i][j])) {
                ZeroPriorities(order, priority);
                return false;
            }
            m[i][i] += 1.0;
            m[i][j] -= 1.0;
            y[i] += std::log(values[i][j]);
        }
    }
    if (!SolveCholesky<Capacity>(m, order, y)) {
        ZeroPriorities(order, priority);
        return false;
    }
    // Centred before exp, so that no ratio of the scale can overflow it.
    double mean = 0.0;
    for (std::uint32_t i = 0; i < order; ++i) {
        mean += y[i];
    }
    mean /= static_cast<double>(order);
    for (std::uint32_t i = 0; i < order; ++i) {
        priority[i] = std::exp(y[i] - mean);
    }
    NormalizeVector(order, priority);
    for (std::uint32_t i = 0; i < order; ++i) {
        if (!Usable(priority[i])) {
            ZeroPriorities(order, priority);
            return false;
        }
    }
    return true;
}

template <std::uint32_t Capacity>
void Complete(TValueBlock<Capacity>& values, const TComparisonGraph<Capacity>& graph, const double* priority)
{
    const std::uint32_t order = graph.Order;
    for (std::uint32_t i = 0; i < order; ++i) {
        values[i][i] = 1.0;
    }
    for (std::uint32_t k = 0; k < graph.MissingCount; ++k) {
        const CElementPair pair = graph.Missing[k];
        values[pair.Row][pair.Column] = priority[pair.Row] / priority[pair.Column];
        values[pair.Column][pair.Row] = priority[pair.Column] / priority[pair.Row];
    }
}

template <std::uint32_t Capacity>
TMatrixPriorities<Capacity> MatrixPriorities(const CJudgementMatrix& judgements, std::uint32_t n)
{
    TMatrixPriorities<Capacity> result;
    result.Graph = BuildGraph<Capacity>(judgements, n);
    const std::uint32_t order = result.Graph.Order;
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = 0; j < order; ++j) {
            result.Completed[i][j] = judgements(i, j).Value();
        }
    }
    if (order == 0) {
        result.Basis = EPrioritiesBasis::NotConnected;
        return result;
    }
    if (result.Graph.Complete()) {
        ComputeLocalPriorities(result.Completed, order, result.Priority.data());
        result.Measures = ComputeConsistency(result.Completed, order, result.Priority.data());
        return result;
    }
    if (!result.Graph.Connected()) {
        result.Basis = EPrioritiesBasis::NotConnected;
        return result;
    }
    if (!LeastSquares<Capacity>(result.Completed, result.Graph, result.Priority.data())) {
        result.Basis = EPrioritiesBasis::BadValue;
        return result;
    }
    result.Basis = EPrioritiesBasis::LeastSquares;
    Complete<Capacity>(result.Completed, result.Graph, result.Priority.data());
    result.Measures = ComputeConsistency(result.Completed, order, result.Priority.data());
    return result;
}
template <std::uint32_t Capacity>
TComparisonGraph<Capacity> Without(const TComparisonGraph<Capacity>& graph, std::uint32_t i, std::uint32_t j)
{
    TComparisonGraph<Capacity> without = graph;
    if (!graph.Judged(i, j) || i == j) {
        return without;
    }
    without.Adjacent[i] &= ~(1U << j);
    without.Adjacent[j] &= ~(1U << i);
    --without.JudgedPairs;
    // The missing pairs stay in reading order.
    const CElementPair pair{i < j ? i : j, i < j ? j : i};
    std::uint32_t at = without.MissingCount;
    while (at > 0
        && (without.Missing[at - 1].Row > pair.Row
            || (without.Missing[at - 1].Row == pair.Row && without.Missing[at - 1].Column > pair.Column))) {
        without.Missing[at] = without.Missing[at - 1];
        --at;
    }
    without.Missing[at] = pair;
    ++without.MissingCount;
    FindComponents(without);
    return without;
}
} // namespace

CComparisonGraph BuildComparisonGraph(const CJudgementMatrix& judgements, std::uint32_t n)
{
    return BuildGraph<MaxElementsPerLevel>(judgements, n);
}

CWideComparisonGraph BuildWideComparisonGraph(const CJudgementMatrix& judgements, std::uint32_t n)
{
    return BuildGraph<MaxMatrixOrder>(judgements, n);
}

CComparisonGraph WithoutPair(const CComparisonGraph& graph, std::uint32_t i, std::uint32_t j)
{
    return Without<MaxElementsPerLevel>(graph, i, j);
}

CWideComparisonGraph WithoutPair(const CWideComparisonGraph& graph, std::uint32_t i, std::uint32_t j)
{
    return Without<MaxMatrixOrder>(graph, i, j);
}

bool ComputeLeastSquaresPriorities(const CValueBlock& values, const CComparisonGraph& graph, double* priority)
{
    return LeastSquares<MaxElementsPerLevel>(values, graph, priority);
}

bool ComputeLeastSquaresPriorities(const CWideValueBlock& values, const CWideComparisonGraph& graph, double* priority)
{
    return LeastSquares<MaxMatrixOrder>(values, graph, priority);
}

void CompleteValues(CValueBlock& values, const CComparisonGraph& graph, const double* priority)
{
    Complete<MaxElementsPerLevel>(values, graph, priority);
}

void CompleteValues(CWideValueBlock& values, const CWideComparisonGraph& graph, const double* priority)
{
    Complete<MaxMatrixOrder>(values, graph, priority);
}

CMatrixPriorities ComputeMatrixPriorities(const CJudgementMatrix& judgements, std::uint32_t n)
{
    return MatrixPriorities<MaxElementsPerLevel>(judgements, n);
}

CWideMatrixPriorities ComputeWideMatrixPriorities(const CJudgementMatrix& judgements, std::uint32_t n)
{
    return MatrixPriorities<MaxMatrixOrder>(judgements, n);
}
