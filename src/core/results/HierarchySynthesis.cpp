#include "core/results/HierarchySynthesis.h"

#include "core/model/CHierarchy.h"
#include "core/results/IdealSynthesis.h"

#include <cmath>

namespace {
// A pair is left out when both of its cells hold the code 0, whose number is 0.
bool HasMissingPair(const CJudgementMatrix& judgements, std::uint32_t n)
{
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            if (judgements(i, j).Value() == 0.0 && judgements(j, i).Value() == 0.0) {
                return true;
            }
        }
    }
    return false;
}

void Assign(std::vector<double>& vector, std::size_t size, double value)
{
    vector.assign(size, value);
}
} // namespace

void ComputeNodeResult(const CJudgementMatrix& judgements, std::uint32_t n, CNodeResult& result)
{
    result.Compared = n >= 2;
    result.Basis = EPrioritiesBasis::AllJudged;
    result.Measures = CConsistency{};
    if (n < 2) {
        Assign(result.Local, n, 1.0); // a single child takes all of its parent's weight
        return;
    }
    if (n > MaxMatrixOrder || judgements.RowCountInUse() < n || judgements.ColCountInUse() < n) {
        Assign(result.Local, n, 0.0);
        result.Basis = EPrioritiesBasis::NotConnected;
        return;
    }
    result.Local.resize(n);
    if (HasMissingPair(judgements, n)) {
        const CWideMatrixPriorities found = ComputeWideMatrixPriorities(judgements, n);
        for (std::uint32_t i = 0; i < n; ++i) {
            result.Local[i] = found.Priority[i];
        }
        result.Basis = found.Basis;
        result.Measures = found.Measures;
        return;
    }
    CWideValueBlock values;
    ReadJudgementValues(judgements, n, values);
    ComputeLocalPriorities(values, n, result.Local.data());
    result.Measures = ComputeConsistency(values, n, result.Local.data());
}

void ComputeHierarchyResults(const CHierarchy& hierarchy, CHierarchyResults& results)
{
    const std::uint32_t count = hierarchy.NodeCount();
    const std::uint32_t alternatives = hierarchy.AlternativeCount();
    results.NodeResults.resize(count);
    results.FirstNotConnected.reset();
    for (std::uint32_t node = 0; node < count; ++node) {
        CNodeResult& result = results.NodeResults[node];
        ComputeNodeResult(hierarchy.Node(node).Judgements, hierarchy.ComparedCount(node), result);
        if (result.Basis == EPrioritiesBasis::NotConnected && !results.FirstNotConnected) {
            results.FirstNotConnected = node;
        }
    }
    // Parents come before their children, so one pass in node order adds every parent's
    // share to each child's sum in the order of the parents, as the layers always did.
    std::vector<double>& global = results.GlobalPriorities;
    Assign(global, count, 0.0);
    global[CHierarchy::GoalNode] = 1.0;
    std::vector<double>& distributive = results.DistributivePriorities;
    std::vector<double>& raw = results.IdealRawScores;
    Assign(distributive, alternatives, 0.0);
    Assign(raw, alternatives, 0.0);
    for (std::uint32_t node = 0; node < count; ++node) {
        const std::vector<double>& local = results.NodeResults[node].Local;
        const double weight = global[node];
        const std::vector<std::uint32_t>& children = hierarchy.Node(node).Children;
        if (!children.empty()) {
            for (std::size_t k = 0; k < children.size(); ++k) {
                global[children[k]] = global[children[k]] + local[k] * weight;
            }
            continue;
        }
        for (std::uint32_t a = 0; a < alternatives && a < local.size(); ++a) {
            distributive[a] = distributive[a] + local[a] * weight;
        }
        // A vector that cannot be idealised, or a weight that is no number, adds nothing.
        const double largest = IdealDivisor(local.data(), static_cast<std::uint32_t>(local.size()));
        if (!(largest > 0.0) || !std::isfinite(weight) || local.size() < alternatives) {
            continue;
        }
        for (std::uint32_t a = 0; a < alternatives; ++a) {
            raw[a] = raw[a] + weight * (local[a] / largest);
        }
    }
    double sum = 0.0;
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        sum = sum + raw[a];
    }
    std::vector<double>& ideal = results.IdealPriorities;
    Assign(ideal, alternatives, 0.0);
    if (sum > 0.0 && std::isfinite(sum)) {
        for (std::uint32_t a = 0; a < alternatives; ++a) {
            ideal[a] = raw[a] / sum;
        }
    }
}

CHierarchyResults ComputeHierarchyResults(const CHierarchy& hierarchy)
{
    CHierarchyResults results;
    ComputeHierarchyResults(hierarchy, results);
    return results;
}
