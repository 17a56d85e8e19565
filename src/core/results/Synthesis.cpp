#include "core/results/Synthesis.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/RankingOrder.h"

#include <array>
#include <span>
#include <vector>

namespace {
double LocalPriorityOf(const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node)
{
    if (node == CHierarchy::GoalNode) {
        return 1.0;
    }
    const std::uint32_t parent = hierarchy.Parents(node).front();
    const std::vector<std::uint32_t>& siblings = hierarchy.Node(parent).Children;
    const std::vector<double>& local = results.Node(parent).Local;
    for (std::size_t k = 0; k < siblings.size() && k < local.size(); ++k) {
        if (siblings[k] == node) {
            return local[k];
        }
    }
    return 0.0;
}

std::vector<CNodePriority> OrderedPriorities(
    const CHierarchy& hierarchy, const CHierarchyResults& results, const std::vector<std::uint32_t>& nodes)
{
    std::vector<double> globals;
    globals.reserve(nodes.size());
    for (const std::uint32_t node : nodes) {
        globals.push_back(node < results.Globals().size() ? results.Global(node) : 0.0);
    }
    std::vector<CNodePriority> rows;
    rows.reserve(nodes.size());
    for (const std::uint32_t place : RankingOrder(globals)) {
        rows.push_back(CNodePriority{nodes[place], LocalPriorityOf(hierarchy, results, nodes[place]), globals[place]});
    }
    return rows;
}
} // namespace

void ComputeAllPriorities(const CUserProjectModel& project, CProjectResults& results)
{
    ComputeHierarchyResults(project, results);
}

CProjectResults ComputeResults(const CUserProjectModel& project)
{
    CProjectResults results;
    ComputeAllPriorities(project, results);
    return results;
}

void OrderResults(CResultList& list)
{
    std::array<double, MaxAlternatives> values{};
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        values[i] = list.Rows[i].Value;
    }
    const std::vector<std::uint32_t> order = RankingOrder(std::span(values.data(), list.Count));
    const CResultList unordered = list;
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        list.Rows[i] = unordered.Rows[order[i]];
        list.Rows[i].Colour = PieColours[i];
    }
}

CResultList LevelResults(
    const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level, ESynthesisMode mode)
{
    CResultList list;
    if (level == 0 || level >= MaxLevels) {
        return list;
    }
    list.Count = project.ElementsInLevelChecked(level);
    const bool ideal = mode == ESynthesisMode::Ideal && level + 1 == project.LevelCount()
        && results.Ideal().AlternativeCount == list.Count;
    for (std::uint32_t e = 0; e < list.Count; ++e) {
        CResultRow& row = list.Rows[e];
        row.Name = project.Element(e, level).Name;
        row.Value = ideal ? results.Ideal().Priority[e] : results.GlobalPriority()(e, level);
        row.Position = e;
    }
    OrderResults(list);
    return list;
}

CResultList FinalResults(const CUserProjectModel& project, const CProjectResults& results, ESynthesisMode mode)
{
    return project.LevelCount() == 0 ? CResultList{} : LevelResults(project, results, project.LevelCount() - 1, mode);
}

CResultList HierarchyFinalResults(const CHierarchy& hierarchy, const CHierarchyResults& results, ESynthesisMode mode)
{
    CResultList list;
    const std::vector<double>& priorities = mode == ESynthesisMode::Ideal ? results.Ideal() : results.Distributive();
    const std::uint32_t m = hierarchy.AlternativeCount();
    if (results.NotConnected() || priorities.size() != m || m > MaxAlternatives) {
        return list;
    }
    list.Count = m;
    for (std::uint32_t a = 0; a < m; ++a) {
        CResultRow& row = list.Rows[a];
        row.Name = hierarchy.Alternatives()[a].Name;
        row.Value = priorities[a];
        row.Position = a;
    }
    OrderResults(list);
    return list;
}

std::vector<CNodePriority> CoveringPriorities(const CHierarchy& hierarchy, const CHierarchyResults& results)
{
    return OrderedPriorities(hierarchy, results, hierarchy.CoveringNodes());
}

std::vector<CNodePriority> ChildPriorities(
    const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node)
{
    if (node >= hierarchy.NodeCount() || hierarchy.IsCovering(node)) {
        return {};
    }
    return OrderedPriorities(hierarchy, results, hierarchy.Node(node).Children);
}
