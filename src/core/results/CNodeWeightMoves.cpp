#include "core/results/CNodeWeightMoves.h"

#include "core/model/CHierarchy.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CRatingResults.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/SensitivityLines.h"

#include <algorithm>

void CNodeWeightMoves::Reset(
    const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node, ESynthesisMode mode)
{
    Ideal = mode == ESynthesisMode::Ideal;
    Present = Ideal ? results.IdealRaw() : results.Distributive();
    FinalPriorities = Ideal ? results.Ideal() : results.Distributive();
    Prepare(hierarchy, results, node, nullptr);
}

void CNodeWeightMoves::Reset(const CHierarchy& hierarchy, const CRatingResults& ratings, std::uint32_t node)
{
    Ideal = false;
    Present = ratings.Scores();
    FinalPriorities = ratings.Scores();
    Prepare(hierarchy, ratings.Criteria(), node, &ratings);
}

void CNodeWeightMoves::Prepare(
    const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node, const CRatingResults* ratings)
{
    Moving = SIZE_MAX;
    Members.clear();
    MemberWeights.clear();
    const std::uint32_t m = hierarchy.AlternativeCount();
    AlternativeCount = m;
    if (node == CHierarchy::GoalNode || node >= hierarchy.NodeCount() || Present.size() != m
        || results.Globals().size() != hierarchy.NodeCount()) {
        return;
    }
    const std::uint32_t parent = hierarchy.Parents(node).front();
    const bool layers = hierarchy.Shape() == EHierarchyShape::Layers;
    Whole = layers || parent == CHierarchy::GoalNode;
    GroupWeight = Whole ? 1.0 : results.Global(parent);
    if (layers) {
        for (std::uint32_t k = 1; k < hierarchy.NodeCount(); ++k) {
            if (hierarchy.Level(k) == hierarchy.Level(node)) {
                Members.push_back(k);
                MemberWeights.push_back(results.Global(k));
            }
        }
    } else {
        const std::vector<double>& local = results.Node(parent).Local;
        Members = hierarchy.Node(parent).Children;
        Members.resize(std::min(Members.size(), local.size()));
        MemberWeights.assign(local.begin(), local.begin() + static_cast<std::ptrdiff_t>(Members.size()));
    }
    if (Members.size() < 2) {
        Members.clear();
        MemberWeights.clear();
        return;
    }
    std::vector<double> unit;
    ComputeNodeUnitSyntheses(hierarchy, results, Ideal, m, unit, ratings);
    Units.resize(Members.size() * m);
    for (std::size_t k = 0; k < Members.size(); ++k) {
        std::copy_n(unit.begin() + static_cast<std::ptrdiff_t>(std::size_t{Members[k]} * m), m,
            Units.begin() + static_cast<std::ptrdiff_t>(k * m));
    }
    if (Whole) {
        GroupResult = Present;
    } else {
        GroupResult.assign(unit.begin() + static_cast<std::ptrdiff_t>(std::size_t{parent} * m),
            unit.begin() + static_cast<std::ptrdiff_t>(std::size_t{parent + 1} * m));
    }
}

bool CNodeWeightMoves::Move(std::size_t index, double x)
{
    if (index >= Members.size()) {
        return false;
    }
    const std::uint32_t m = AlternativeCount;
    if (Moving != index) {
        double rest = 0.0;
        for (std::size_t k = 0; k < MemberWeights.size(); ++k) {
            rest += k == index ? 0.0 : MemberWeights[k];
        }
        if (!CanMoveWeight(MemberWeights[index], rest)) {
            return false;
        }
        StartWeights = MemberWeights;
        GroupZero.resize(m);
        GroupOne.resize(m);
        FillGroupLines(
            GroupResult.data(), Units.data() + index * m, StartWeights[index], m, GroupZero.data(), GroupOne.data());
        AtZero = GroupZero;
        AtOne = GroupOne;
        if (!Whole) {
            LiftGroupLines(Present.data(), GroupResult.data(), GroupWeight, m, AtZero.data(), AtOne.data());
        }
        Moving = index;
    }
    x = std::clamp(x, 0.0, 1.0);
    const double scale = (1.0 - x) / (1.0 - StartWeights[index]);
    for (std::size_t k = 0; k < MemberWeights.size(); ++k) {
        MemberWeights[k] = k == index ? x : StartWeights[k] * scale;
    }
    // The next member's move starts from these values.
    EvaluateLines(GroupZero.data(), GroupOne.data(), m, x, false, GroupResult.data());
    EvaluateLines(AtZero.data(), AtOne.data(), m, x, false, Present.data());
    EvaluateLines(AtZero.data(), AtOne.data(), m, x, Ideal, FinalPriorities.data());
    return true;
}
