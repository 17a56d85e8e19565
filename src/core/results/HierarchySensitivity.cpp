#include "core/results/HierarchySensitivity.h"

#include "core/model/CHierarchy.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CRatingResults.h"
#include "core/results/IdealSynthesis.h"

#include <algorithm>

namespace {
// The first alternative of the largest priority: the one the ranking's exchange
// procedure puts first (equal values are never exchanged).
std::uint32_t LeaderOf(const std::vector<double>& priorities)
{
    std::uint32_t leader = 0;
    for (std::uint32_t i = 1; i < priorities.size(); ++i) {
        leader = priorities[leader] < priorities[i] ? i : leader;
    }
    return leader;
}

// The weight of a node within its group and the sum of the others' weights: its global
// priority and its level's in complete layers, its local priority and its siblings' in a tree.
struct CGroupWeight {
    double Weight = 0.0;
    double Rest = 0.0;
};

CGroupWeight LevelWeight(const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node,
    const std::vector<std::uint32_t>& levelFirst)
{
    const std::uint32_t level = hierarchy.Level(node);
    CGroupWeight group{results.Global(node), 0.0};
    for (std::uint32_t k = levelFirst[level]; k < levelFirst[level + 1]; ++k) {
        group.Rest += k == node ? 0.0 : results.Global(k);
    }
    return group;
}

CGroupWeight SiblingWeight(const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node)
{
    const std::uint32_t parent = hierarchy.Parents(node).front();
    const std::vector<std::uint32_t>& siblings = hierarchy.Node(parent).Children;
    const std::vector<double>& local = results.Node(parent).Local;
    CGroupWeight group;
    for (std::size_t k = 0; k < siblings.size() && k < local.size(); ++k) {
        if (siblings[k] == node) {
            group.Weight = local[k];
        } else {
            group.Rest += local[k];
        }
    }
    return group;
}
} // namespace

// unit[k * m + i]: C_k, the result of alternative i when node k alone weighs 1, built
// upward: a covering criterion's own local vector (divided by its largest entry for the
// ideal synthesis), then C_k = sum over the children e of l_k(e) C_e in the children's
// order, the sums of the layered analysis. The goal's is not needed.
void ComputeNodeUnitSyntheses(const CHierarchy& hierarchy, const CHierarchyResults& results, bool ideal,
    std::uint32_t m, std::vector<double>& unit, const CRatingResults* ratings)
{
    unit.assign(std::size_t{hierarchy.NodeCount()} * m, 0.0);
    for (std::uint32_t node = hierarchy.NodeCount() - 1; node > CHierarchy::GoalNode; --node) {
        double* c = unit.data() + std::size_t{node} * m;
        const std::vector<double>& local = results.Node(node).Local;
        const std::vector<std::uint32_t>& children = hierarchy.Node(node).Children;
        if (ratings != nullptr && hierarchy.IsRated(node)) {
            const CHierarchyNode& data = hierarchy.Node(node);
            const std::vector<double>& values = ratings->Scales()[data.Scale].Ideal;
            for (std::uint32_t a = 0; a < m && a < data.Ratings.size(); ++a) {
                const std::int8_t rating = data.Ratings[a];
                c[a] = rating == NotRated ? 0.0 : values[static_cast<std::size_t>(rating)];
            }
            continue;
        }
        if (children.empty()) {
            const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(local.size(), m));
            const double divisor = ideal ? IdealDivisor(local.data(), n) : 1.0;
            for (std::uint32_t a = 0; a < n; ++a) {
                c[a] = !ideal ? local[a] : divisor > 0.0 ? local[a] / divisor : 0.0;
            }
            continue;
        }
        const std::size_t n = std::min(local.size(), children.size());
        for (std::uint32_t i = 0; i < m; ++i) {
            double s = 0.0;
            for (std::size_t k = 0; k < n; ++k) {
                s = s + local[k] * unit[std::size_t{children[k]} * m + i];
            }
            c[i] = s;
        }
    }
}

namespace {
// The analysis over the lines of present (the raw values the lines are of), the leader
// being the first of the largest in ranked; ratings given for a rated tree.
void Analyse(const CHierarchy& hierarchy, const CHierarchyResults& results, const std::vector<double>& present,
    const std::vector<double>& ranked, bool ideal, const CRatingResults* ratings, CHierarchySensitivity& analysis)
{
    const std::uint32_t count = hierarchy.NodeCount();
    const std::uint32_t m = hierarchy.AlternativeCount();
    analysis.Critical.reset();
    if (present.size() != m || ranked.size() != m || results.Globals().size() != count) {
        analysis.Nodes.clear(); // results of another hierarchy
        return;
    }
    const std::uint32_t leader = LeaderOf(ranked);
    std::vector<double> unit;
    ComputeNodeUnitSyntheses(hierarchy, results, ideal, m, unit, ratings);
    // Levels are runs of node numbers: level l is [levelFirst[l], levelFirst[l + 1]).
    std::vector<std::uint32_t> levelFirst(hierarchy.LevelCount() + 1, count);
    for (std::uint32_t node = count; node-- > 0;) {
        levelFirst[hierarchy.Level(node)] = node;
    }
    const bool layers = hierarchy.Shape() == EHierarchyShape::Layers;
    std::optional<CLeaderCrossing> nearest;
    std::size_t used = 0;
    for (std::uint32_t node = 1; node < count; ++node) {
        const std::uint32_t parent = hierarchy.Parents(node).front();
        if (!layers && hierarchy.Node(parent).Children.size() < 2) {
            continue;
        }
        const CGroupWeight group
            = layers ? LevelWeight(hierarchy, results, node, levelFirst) : SiblingWeight(hierarchy, results, node);
        if (used == analysis.Nodes.size()) {
            analysis.Nodes.emplace_back();
        }
        CNodeSensitivity& entry = analysis.Nodes[used++];
        entry.Node = node;
        entry.Parent = parent;
        entry.Weight = group.Weight;
        entry.Normalised = ideal;
        entry.HasLines = CanMoveWeight(group.Weight, group.Rest);
        if (!entry.HasLines) {
            entry.AtZero.clear();
            entry.AtOne.clear();
            entry.Crossings.clear();
            continue;
        }
        entry.AtZero.resize(m);
        entry.AtOne.resize(m);
        // A level of the layers, or the goal's children, weighs 1 in the whole: its own
        // result is the final one. Deeper in a tree the group is its parent's subtree.
        const bool whole = layers || parent == CHierarchy::GoalNode;
        const double* groupResult = whole ? present.data() : unit.data() + std::size_t{parent} * m;
        FillGroupLines(
            groupResult, unit.data() + std::size_t{node} * m, group.Weight, m, entry.AtZero.data(), entry.AtOne.data());
        if (!whole) {
            LiftGroupLines(
                present.data(), groupResult, results.Global(parent), m, entry.AtZero.data(), entry.AtOne.data());
        }
        // A rated tree's alternatives are many: its crossings are those with the leader.
        entry.Crossings.resize(ratings != nullptr ? std::max<std::size_t>(m, 1) - 1 : std::size_t{m} * (m - 1) / 2);
        const std::uint32_t found = ratings != nullptr
            ? FindLeaderCrossings(entry.AtZero.data(), entry.AtOne.data(), m, leader, entry.Crossings.data())
            : FindCrossings(entry.AtZero.data(), entry.AtOne.data(), m, entry.Crossings.data());
        entry.Crossings.resize(found);
        ConsiderLeaderCrossings(nearest, node, group.Weight, entry.Crossings.data(), found, leader);
    }
    analysis.Nodes.resize(used);
    if (nearest) {
        analysis.Critical = CNodeCriticalChange{
            nearest->Owner, nearest->From, nearest->To, nearest->First, nearest->Second, nearest->NewLeader};
    }
}
} // namespace

void AnalyseSensitivity(
    const CHierarchy& hierarchy, const CHierarchyResults& results, CHierarchySensitivity& analysis, ESynthesisMode mode)
{
    const bool ideal = mode == ESynthesisMode::Ideal;
    Analyse(hierarchy, results, ideal ? results.IdealRaw() : results.Distributive(),
        ideal ? results.Ideal() : results.Distributive(), ideal, nullptr, analysis);
}

void AnalyseSensitivity(const CHierarchy& hierarchy, const CRatingResults& ratings, CHierarchySensitivity& analysis)
{
    Analyse(hierarchy, ratings.Criteria(), ratings.Scores(), ratings.Scores(), false, &ratings, analysis);
}

CHierarchySensitivity AnalyseSensitivity(const CHierarchy& hierarchy, const CRatingResults& ratings)
{
    CHierarchySensitivity analysis;
    AnalyseSensitivity(hierarchy, ratings, analysis);
    return analysis;
}

CHierarchySensitivity AnalyseSensitivity(
    const CHierarchy& hierarchy, const CHierarchyResults& results, ESynthesisMode mode)
{
    CHierarchySensitivity analysis;
    AnalyseSensitivity(hierarchy, results, analysis, mode);
    return analysis;
}

bool LinesAt(const CNodeSensitivity& node, double x, std::vector<double>& values)
{
    if (!node.HasLines) {
        return false;
    }
    values.resize(node.AtOne.size());
    EvaluateLines(
        node.AtZero.data(), node.AtOne.data(), static_cast<std::uint32_t>(node.AtOne.size()), x, false, values.data());
    return true;
}

bool AlternativesAt(const CNodeSensitivity& node, double x, std::vector<double>& values)
{
    if (!node.HasLines) {
        return false;
    }
    values.resize(node.AtOne.size());
    EvaluateLines(node.AtZero.data(), node.AtOne.data(), static_cast<std::uint32_t>(node.AtOne.size()), x,
        node.Normalised, values.data());
    return true;
}
