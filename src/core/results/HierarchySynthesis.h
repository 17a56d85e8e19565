#pragma once

#include "core/results/CHierarchyResults.h"

class CHierarchy;
class CUserProjectModel;
class CProjectResults;

// The local results of every criterion (row geometric means when every pair is judged,
// least squares over the pairs given otherwise), then G(goal) = 1, G(c) = sum over the
// parents p of G(p) w_p(c) in node order, and both syntheses of the alternatives. Into
// results (whose storage is reused) or a new value.
void ComputeHierarchyResults(const CHierarchy& hierarchy, CHierarchyResults& results);
CHierarchyResults ComputeHierarchyResults(const CHierarchy& hierarchy);
// The same computation over a layered project read in place (the node of slot
// (position, level) is the first node of its level + position, as HierarchyOfLayers
// numbers them), into the project's grid of results: the local records of the goal and
// the middle levels, the global priorities of every level below the goal (the bottom's
// are the distributive synthesis), the ideal synthesis and the first element not
// connected. Allocates nothing; a project of fewer than two levels gets no figures.
void ComputeHierarchyResults(const CUserProjectModel& project, CProjectResults& results);

// One criterion's local result from its judgements of n elements.
void ComputeNodeResult(const CJudgementMatrix& judgements, std::uint32_t n, CNodeResult& result);
