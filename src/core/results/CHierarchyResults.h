#pragma once

#include "core/results/IncompleteJudgements.h"
#include "core/results/LocalPriorities.h"

#include <cstdint>
#include <optional>
#include <vector>

class CHierarchy;

// What one criterion's judgements yield: its local priorities over its children (or the
// alternatives, for a covering criterion) and their consistency.
struct CNodeResult {
    std::vector<double> Local;
    // False for a single child: no matrix, local priority 1, no consistency figures.
    bool Compared = true;
    EPrioritiesBasis Basis = EPrioritiesBasis::AllJudged;
    CConsistency Measures;
};

// Every figure computed from a hierarchy's judgements, keyed by node number (as the
// hierarchy numbers its nodes) and by alternative: the local results of every criterion,
// the global priority of every node (the goal's is 1), and the alternatives' final
// priorities by the distributive and the ideal synthesis. A value: only the
// computations fill it.
class CHierarchyResults {
public:
    [[nodiscard]] const CNodeResult& Node(std::uint32_t node) const { return NodeResults[node]; }
    [[nodiscard]] double Global(std::uint32_t node) const { return GlobalPriorities[node]; }
    [[nodiscard]] const std::vector<double>& Globals() const { return GlobalPriorities; }
    // P(a) = sum over the covering criteria c of G(c) l_c(a).
    [[nodiscard]] const std::vector<double>& Distributive() const { return DistributivePriorities; }
    // raw(a) = sum over c of G(c) l_c(a) / max_b l_c(b), and raw(a) / sum_b raw(b).
    [[nodiscard]] const std::vector<double>& IdealRaw() const { return IdealRawScores; }
    [[nodiscard]] const std::vector<double>& Ideal() const { return IdealPriorities; }
    // The first node (in number order) whose judgements given do not connect what it
    // compares: it has no priorities, so there is no ranking.
    [[nodiscard]] const std::optional<std::uint32_t>& NotConnected() const { return FirstNotConnected; }

private:
    friend void ComputeHierarchyResults(const CHierarchy& hierarchy, CHierarchyResults& results);

    std::vector<CNodeResult> NodeResults;
    std::vector<double> GlobalPriorities;
    std::vector<double> DistributivePriorities;
    std::vector<double> IdealRawScores;
    std::vector<double> IdealPriorities;
    std::optional<std::uint32_t> FirstNotConnected;
};
